#!/usr/bin/env python3
"""Writes the installer's languages and texts as NSIS script, from the
program's compiled translations (Windows.cmake runs it at build time):

    nsis_texts.py OUTPUT.nsh LUPDATE LCONVERT TEXTS CODE=NSIS-NAME=FILE.qm ...

The texts are the messages of the context "Installer" in TEXTS
(installer-texts.h), each named by its disambiguation; lupdate reads them
there as it does for the .ts files. For each, OUTPUT gets a LangString in
English (the source text) and in each language given (its translation in
FILE.qm, read back with lconvert, or the English where the file leaves it
out, as lrelease does with a translation identical to its source). %1,
%2 ... become the variables $Arg1, $Arg2 ..., declared here, which the
installer fills before it shows the text. The languages go in as MUI
languages, English first: Windows' display language picks one.
"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

CONTEXT = "Installer"


def messages(ts):
    """The (source, disambiguation, translation) of each message of the context."""
    for context in ET.parse(ts).getroot().iter("context"):
        if context.findtext("name") == CONTEXT:
            for message in context.iter("message"):
                yield (message.findtext("source"), message.findtext("comment") or "",
                       message.findtext("translation") or "")


def read_texts(lupdate, lconvert, texts, qm_files):
    """{name: English} of TEXTS, and {source: translation} of each .qm file."""
    with tempfile.TemporaryDirectory() as scratch:
        template = os.path.join(scratch, "template.ts")
        subprocess.run([lupdate, "-silent", "-locations", "none", texts, "-ts", template], check=True)
        english = {}
        for source, name, _ in messages(template):
            if not re.fullmatch(r"[A-Za-z]\w*", name):
                sys.exit(f"nsis_texts: {texts}: '{source}' has no name (its disambiguation) "
                         "an NSIS language string can take")
            if source in english.values():
                # A .qm file keys a translation by its source text alone.
                sys.exit(f"nsis_texts: {texts}: '{source}' is written twice")
            english[name] = source
        translations = []
        for qm in qm_files:
            read_back = os.path.join(scratch, "read-back.ts")
            subprocess.run([lconvert, "-i", qm, "-o", read_back], check=True)
            translations.append({source: text for source, _, text in messages(read_back) if text})
    if not english:
        sys.exit(f"nsis_texts: {texts} holds no text of the context {CONTEXT}")
    return english, translations


def nsis_string(text):
    """The text as an NSIS string, its placeholders turned into variables."""
    escaped = (text.replace("$", "$$").replace('"', '$\\"')
               .replace("\r", "$\\r").replace("\n", "$\\n").replace("\t", "$\\t"))
    return '"' + re.sub(r"%(\d)", r"$Arg\1", escaped) + '"'


def main(output, lupdate, lconvert, texts, *languages):
    languages = [language.split("=", 2) for language in languages]
    english, translations = read_texts(lupdate, lconvert, texts, [qm for _, _, qm in languages])
    arguments = max((int(n) for text in english.values() for n in re.findall(r"%(\d)", text)), default=0)
    lines = ["; The installer's languages and texts, written by nsis_texts.py from the",
             "; program's compiled translations at build time."]
    lines += [f"Var Arg{n}" for n in range(1, arguments + 1)]
    lines += [f'!insertmacro MUI_LANGUAGE "{name}"' for name in ["English"] + [n for _, n, _ in languages]]
    for name, source in sorted(english.items()):
        lines.append(f"LangString {name} ${{LANG_ENGLISH}} {nsis_string(source)}")
        for (_, nsis_name, _), translated in zip(languages, translations):
            text = translated.get(source, source)
            lines.append(f"LangString {name} ${{LANG_{nsis_name.upper()}}} {nsis_string(text)}")
    # makensis reads a file without a byte order mark in the system's code page.
    with open(output, "w", encoding="utf-8-sig", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
