#!/usr/bin/env python3
"""Writes a pseudo-translation of a .ts template, as KDE's test locale does:
every text wrapped in brackets with its letters accented, so that a window
shown under it reveals at a glance (and to a test) any text that does not
go through the translation system.

    pseudo_translate.py TEMPLATE.ts OUTPUT.ts

Kept as they stand: %1 to %9 and %n (the values the program puts in),
the ampersand of an access key (the letter after it is accented like any
other, so the key still marks a letter), and line breaks.
"""
import sys
import xml.etree.ElementTree as ET

ACCENTED = dict(zip(
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "áƀçďéƒĝĥíĵķľḿñóṕʠŕšţúṽŵẋýžÁƁÇĎÉƑĜĤÍĴĶĽṀÑÓṔǪŔŠŢÚṼŴẊÝŽ"))


def pseudo(text):
    out = []
    i = 0
    while i < len(text):
        c = text[i]
        if c == "%" and i + 1 < len(text) and (text[i + 1].isdigit() or text[i + 1] == "n"):
            out.append(text[i:i + 2])
            i += 2
            continue
        out.append(ACCENTED.get(c, c))
        i += 1
    return "[" + "".join(out) + "]"


def main(template, output):
    tree = ET.parse(template)
    root = tree.getroot()
    root.set("language", "en_XA")
    for message in root.iter("message"):
        source = message.find("source").text or ""
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        translation.text = pseudo(source)
    tree.write(output, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
