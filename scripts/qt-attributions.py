#!/usr/bin/env python3
"""Collects the licence material of a Qt build: what a binary distribution
of its DLLs must carry.

Usage: qt-attributions.py SOURCE BUILD OUT

Copies every qt_attribution.json of SOURCE, with the licence files each
names, and Qt's own LICENSE.* texts into OUT, keeping their paths. Then asks
Ninja, in the finished BUILD, which files were compiled into each DLL (the
objects its link needs and each object's sources and headers) and writes
OUT/binaries.tsv: one line per DLL and attribution folder whose code went
into it, so that a package lists exactly the third-party code it ships.
"""
import json
import os
import shutil
import subprocess
import sys


def entries(path):
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    return data if isinstance(data, list) else [data]


def licence_files(entry):
    names = entry.get("LicenseFiles") or entry.get("LicenseFile") or []
    return [names] if isinstance(names, str) else names


def copy(src, rel, out):
    target = os.path.join(out, rel)
    os.makedirs(os.path.dirname(target), exist_ok=True)
    shutil.copyfile(os.path.join(src, rel), target)


def ninja(build, *args):
    return subprocess.run(["ninja", "-C", build, *args], check=True,
                          capture_output=True, text=True).stdout


def compiled_files(build, binary):
    """Every source and header compiled into BINARY, as absolute paths."""
    objects = []
    for line in ninja(build, "-t", "commands", binary).splitlines():
        words = line.split()
        for i, word in enumerate(words[:-1]):
            if word == "-o" and words[i + 1].endswith(".obj"):
                objects.append(words[i + 1])
    files = set()
    for start in range(0, len(objects), 400):
        for line in ninja(build, "-t", "deps", *objects[start:start + 400]).splitlines():
            if line.startswith("    "):
                path = line.strip()
                files.add(os.path.normpath(os.path.join(build, path)))
    return files


def main():
    src, build, out = (os.path.abspath(a) for a in sys.argv[1:4])
    folders = []
    for dirpath, dirnames, filenames in os.walk(src):
        dirnames[:] = sorted(d for d in dirnames if d not in ("tests", "examples", "debian"))
        if "qt_attribution.json" not in filenames:
            continue
        rel = os.path.relpath(dirpath, src)
        folders.append(rel)
        copy(src, os.path.join(rel, "qt_attribution.json"), out)
        for entry in entries(os.path.join(dirpath, "qt_attribution.json")):
            for name in licence_files(entry):
                copy(src, os.path.normpath(os.path.join(rel, name)), out)
    for name in sorted(os.listdir(src)):
        if name.startswith("LICENSE."):
            copy(src, name, out)

    binaries = sorted(line.split(":")[0] for line in ninja(build, "-t", "targets", "all").splitlines()
                      if line.split(":")[0].endswith(".dll"))
    rows = []
    for binary in binaries:
        # A file counts for the deepest attribution folder that holds it.
        used = set()
        for f in compiled_files(build, binary):
            holders = [d for d in folders if f.startswith(os.path.join(src, d) + os.sep)]
            if holders:
                used.add(max(holders, key=len))
        rows += [f"{binary}\t{folder}\n" for folder in sorted(used)]
    with open(os.path.join(out, "binaries.tsv"), "w", encoding="utf-8") as f:
        f.writelines(rows)
    print(f"qt-attributions: {len(folders)} attribution folders, {len(binaries)} DLLs, {len(rows)} pairs")


if __name__ == "__main__":
    main()
