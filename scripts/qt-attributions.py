#!/usr/bin/env python3
"""Collects the licence material of a Qt build: what a binary distribution
of its DLLs must carry.

  qt-attributions.py graph BUILD SOURCE OUT
      In a finished Ninja build of SOURCE, asks Ninja which files were
      compiled into each DLL (the objects its link needs, and each object's
      sources and headers from the dependency log) and writes
      OUT/compiled-dirs.tsv: one line per DLL and source folder (relative to
      SOURCE) holding a file compiled into it. Kept with the installed Qt, it
      outlives the build folder.

  qt-attributions.py collect SOURCE OUT
      Copies every qt_attribution.json of SOURCE, with the licence files each
      names, and Qt's own licence texts (LICENSE.*, LICENSES/) into OUT, keeping
      their paths, and
      writes OUT/binaries.tsv from OUT/compiled-dirs.tsv: one line per DLL and
      attribution folder whose code went into it (a file counts for the
      deepest attribution folder that holds it), so that a package lists
      exactly the third-party code it ships.
"""
import json
import os
import shutil
import subprocess
import sys


def ninja(build, *args):
    return subprocess.run(["ninja", "-C", build, *args], check=True,
                          capture_output=True, text=True).stdout


def objects_of(build, binary):
    """The objects whose compile commands building BINARY runs: its own and
    those of the DLLs it links to."""
    objects = set()
    for line in ninja(build, "-t", "commands", binary).splitlines():
        words = line.split()
        for i, word in enumerate(words[:-1]):
            if word == "-o" and words[i + 1].endswith(".obj"):
                objects.add(words[i + 1])
    return objects


def compiled_files(build, objects):
    """Every source and header compiled into OBJECTS, as absolute paths."""
    objects = sorted(objects)
    files = set()
    for start in range(0, len(objects), 400):
        for line in ninja(build, "-t", "deps", *objects[start:start + 400]).splitlines():
            if line.startswith("    "):
                files.add(os.path.normpath(os.path.join(build, line.strip())))
    return files


def graph(build, src, out):
    targets = (line.split(": ") for line in ninja(build, "-t", "targets", "all").splitlines())
    binaries = sorted(name for name, rule in targets if name.endswith(".dll") and rule != "phony")
    objects = {binary: objects_of(build, binary) for binary in binaries}
    rows = []
    for binary in binaries:
        # A DLL's own objects: without those of the DLLs it links to.
        own = set(objects[binary])
        for other in binaries:
            if other != binary and objects[other] < objects[binary]:
                own -= objects[other]
        dirs = {os.path.relpath(os.path.dirname(f), src) for f in compiled_files(build, own)
                if f.startswith(src + os.sep)}
        rows += [f"{binary}\t{d}\n" for d in sorted(dirs)]
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "compiled-dirs.tsv"), "w", encoding="utf-8") as f:
        f.writelines(rows)
    print(f"qt-attributions: {len(binaries)} DLLs, {len(rows)} compiled folders")


def entries(path):
    with open(path, encoding="utf-8") as f:
        # Some of Qt's files carry raw tabs inside strings.
        data = json.loads(f.read(), strict=False)
    return data if isinstance(data, list) else [data]


def licence_files(entry):
    names = entry.get("LicenseFiles") or entry.get("LicenseFile") or []
    return [names] if isinstance(names, str) else names


def copy(src, rel, out):
    target = os.path.join(out, rel)
    os.makedirs(os.path.dirname(target), exist_ok=True)
    shutil.copyfile(os.path.join(src, rel), target)


def collect(src, out):
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
    # Qt's own licence texts: LICENSE.* before Qt 6.4, LICENSES/ (one file
    # per SPDX id) since.
    for name in sorted(os.listdir(src)):
        if name.startswith("LICENSE."):
            copy(src, name, out)
    if os.path.isdir(os.path.join(src, "LICENSES")):
        for name in sorted(os.listdir(os.path.join(src, "LICENSES"))):
            copy(src, os.path.join("LICENSES", name), out)

    used = set()
    with open(os.path.join(out, "compiled-dirs.tsv"), encoding="utf-8") as f:
        for line in f:
            binary, folder = line.rstrip("\n").split("\t")
            holders = [d for d in folders if folder == d or folder.startswith(d + os.sep)]
            if holders:
                used.add((binary, max(holders, key=len)))
    with open(os.path.join(out, "binaries.tsv"), "w", encoding="utf-8") as f:
        f.writelines(f"{b}\t{d}\n" for b, d in sorted(used))
    print(f"qt-attributions: {len(folders)} attribution folders, {len(used)} pairs of DLL and folder")


if __name__ == "__main__":
    if len(sys.argv) == 5 and sys.argv[1] == "graph":
        graph(*(os.path.abspath(a) for a in sys.argv[2:5]))
    elif len(sys.argv) == 4 and sys.argv[1] == "collect":
        collect(*(os.path.abspath(a) for a in sys.argv[2:4]))
    else:
        sys.exit(__doc__)
