#!/usr/bin/env python3
"""The licence notices of the Windows program: every file it installs, named
with the licence it comes under, installed as licences/notices.txt, where
its Licences window reads them.

  notices.py write OUT --program NAME VERSION --releases-url URL --source-archive FILE
                       --qt PREFIX --shipped SHIPPED.tsv --linked FILE...
      SHIPPED.tsv is the one list of what the installer carries
      (packaging/windows/Windows.cmake), a line a file: its path as
      installed, what it is (own, qt, runtime, translation, installer) and
      the file it comes from. Qt's DLLs are named with the third-party code
      compiled into each (the Qt cache's attributions/binaries.tsv and each
      folder's qt_attribution.json); a file from a Debian package with that
      package, its source package and version, and its copyright file, which
      carries the licence texts. --linked names what the compiler links
      statically into every program and DLL built (MinGW-w64's C runtime
      and GCC's start-up code), named the same way.

  notices.py check FOLDER
      Fails, naming them, when FOLDER (a staged or installed tree) holds a
      file its licences/notices.txt does not name in its list of files.
"""
import argparse
import importlib.util
import os
import re
import subprocess
import sys
import tarfile

RULE = "=" * 78
NOTICES = "licences/notices.txt"
OWN = "own"

# What each kind of file is: the section of the notices that gives its
# licence.
SECTIONS = {
    OWN: "the program's own",
    "qt": "1. Qt, and 2. the code compiled into it",
    "runtime": "3. MinGW-w64's runtime",
    "translation": "4. Qt's translations",
    "installer": "5. NSIS (written by the installer)",
}
# The licence the notices' words give for the files of these source
# packages: their machine-readable copyright files must declare the same
# for all their files ("Files: *"), or the notices are not written.
DECLARED = {"mingw-w64": "ZPL-2.1", "qt6-translations": "GPL-3 with Qt-1.0 exception", "nsis": "Zlib"}


def heading(title, underline="-"):
    return f"\n\n{title}\n{underline * len(title)}\n\n"


def read(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return f.read().rstrip() + "\n"


# Qt's attribution files are read as the script that collected them reads them.
_spec = importlib.util.spec_from_file_location(
    "qt_attributions", os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "qt-attributions.py"))
qt_attributions = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(qt_attributions)
attribution_entries, licence_files = qt_attributions.entries, qt_attributions.licence_files


def debian_package(path):
    """(binary package, source package, source version) of an installed file."""
    owner = subprocess.run(["dpkg", "-S", os.path.realpath(path)], check=True, capture_output=True,
                           text=True).stdout.split(":")[0].strip()
    source, version = subprocess.run(["dpkg-query", "-W", "-f=${source:Package} ${source:Version}", owner],
                                     check=True, capture_output=True, text=True).stdout.split()
    return owner, source, version


def declared_licence(copyright_text):
    """The licence of the "Files: *" stanza of a machine-readable copyright file."""
    match = re.search(r"^Files: \*\n(?:[A-Z][\w-]*:.*\n(?: .*\n)*)*?License: (.*)$", copyright_text, re.M)
    return match.group(1).strip() if match else None


def qt_source(prefix):
    """Qt's Debian version and its copyright holders, from the cached source package."""
    source = os.path.join(prefix, "source")
    dsc = next(n for n in sorted(os.listdir(source)) if n.endswith(".dsc"))
    version = dsc[len("qt6-base_"):-len(".dsc")]
    debian = next(n for n in sorted(os.listdir(source)) if ".debian.tar." in n)
    with tarfile.open(os.path.join(source, debian)) as tar:
        copyright_text = tar.extractfile("debian/copyright").read().decode("utf-8")
    holders = re.search(r"^Files: \*\nCopyright: (.*)$", copyright_text, re.M).group(1)
    return version, holders


def qt_licence(prefix, spdx, old_name):
    """One of Qt's own licence texts: from the attributions where they were
    collected, else from the cached source archive (LICENSES/ of Qt 6.4)."""
    for candidate in (os.path.join(prefix, "attributions", "LICENSES", spdx + ".txt"),
                      os.path.join(prefix, "attributions", old_name)):
        if os.path.exists(candidate):
            return read(candidate)
    source = os.path.join(prefix, "source")
    orig = next(n for n in sorted(os.listdir(source)) if ".orig.tar." in n)
    with tarfile.open(os.path.join(source, orig)) as tar:
        for member in tar:
            if member.name.endswith(f"/LICENSES/{spdx}.txt"):
                return tar.extractfile(member).read().decode("utf-8").rstrip() + "\n"
    raise SystemExit(f"notices: no {spdx} text in {prefix}")


def package_section(files, licence_note):
    """The files (name, origin) with their packages, the note, and each
    package's copyright file once (packages built from one source often
    carry the same file)."""
    out, texts = [], {}
    for name, origin in files:
        owner, source, version = debian_package(origin)
        out.append(f"  {name}: Debian package {owner}, built from the source package {source} {version}\n")
        text = read(f"/usr/share/doc/{owner}/copyright")
        texts.setdefault(text, owner)
        if source in DECLARED and declared_licence(text) != DECLARED[source]:
            raise SystemExit(f"notices: the copyright file of {owner} declares {declared_licence(text)!r}, "
                             f"not {DECLARED[source]!r} as the notices say")
    out.append("\n" + licence_note + "\n")
    for text, owner in texts.items():
        out.append(f"\n{RULE}\n/usr/share/doc/{owner}/copyright (Debian package {owner}):\n{RULE}\n\n{text}")
    return "".join(out)


def index_names(text):
    """The paths the notices' list of files names."""
    names, lines = [], iter(text.splitlines())
    for line in lines:
        if line == "Files" and next(lines, "") == "-----" and next(lines, "") == "":
            for entry in lines:
                if not entry:
                    return names
                names.append(entry.split()[0])
    return names


def check(folder):
    with open(os.path.join(folder, NOTICES), encoding="utf-8") as f:
        named = set(index_names(f.read()))
    shipped = sorted(os.path.relpath(os.path.join(d, n), folder).replace(os.sep, "/")
                     for d, _, names in os.walk(folder) for n in names)
    unnamed = [path for path in shipped if path not in named]
    if unnamed:
        sys.exit(f"notices: {', '.join(unnamed)} would ship without a notice: name them in the list of "
                 f"shipped files (packaging/windows/Windows.cmake)")


def write(args):
    name, version = args.program
    attributions = os.path.join(args.qt, "attributions")
    qt_version, qt_holders = qt_source(args.qt)
    with open(args.shipped, encoding="utf-8") as f:
        rows = [line.rstrip("\n").split("\t") for line in f if line.strip()]
    unknown = sorted({kind for _, kind, _ in rows} - set(SECTIONS))
    if unknown:
        raise SystemExit(f"notices: {args.shipped} names files of unknown kinds: {', '.join(unknown)}")
    of_kind = {kind: [(path, origin) for path, k, origin in rows if k == kind] for kind in SECTIONS}
    qt_dlls = [path for path, _ in of_kind["qt"]]

    # The attribution folders compiled into each shipped DLL.
    folders = {}
    with open(os.path.join(attributions, "binaries.tsv"), encoding="utf-8") as f:
        for line in f:
            dll, folder = line.rstrip("\n").split("\t")
            if dll in qt_dlls:
                folders.setdefault(folder, []).append(dll)
    missing = sorted(set(qt_dlls) - {d for dlls in folders.values() for d in dlls})
    if missing:
        raise SystemExit(f"notices: {', '.join(missing)} not in {attributions}/binaries.tsv")

    width = max(len(path) for path, _, _ in rows) + 2
    text = [f"Third-party software\n====================\n\n"
            f"{name} {version} for Windows installs the files below. Those that are not its\n"
            f"own stay under their own licences, which the sections named beside each give.",
            heading("Files"),
            *(f"  {path:<{width}}{SECTIONS[kind]}\n" for path, kind, _ in rows),
            f"\nEvery program and DLL here that is {name}'s or Qt's also holds MinGW-w64's C\n"
            f"runtime and GCC's start-up code, linked into it: section 3.\n"]

    text.append(heading("1. Qt"))
    text.append(f"Files: {', '.join(qt_dlls)}\n\n"
                f"Qt {qt_version.split('+')[0]}, built from Debian's source package qt6-base {qt_version}.\n"
                f"Copyright (C) {qt_holders} and other contributors.\n\n"
                f"Qt is used under the GNU Lesser General Public License, version 3 (LGPL-3),\n"
                f"whose text follows in section 6 with that of the GNU General Public License,\n"
                f"version 3, on which it builds.\n\n"
                f"Qt's exact source for this release, with everything needed to build these\n"
                f"DLLs again, is the archive {args.source_archive}, published with\n"
                f"the release at {args.releases_url}\n"
                f"It holds Debian's qt6-base source package as fetched (.dsc, .orig.tar.xz,\n"
                f".debian.tar.xz), the list of patches applied and skipped, the build script\n"
                f"windows-qt.sh with its configure options, and the toolchain file; and the\n"
                f"source of Qt's translations (section 4).\n\n"
                f"To use a Qt of your own (LGPL-3, section 4): build Qt from that source, changed\n"
                f"as you like, with windows-qt.sh as its README describes, then replace the DLLs\n"
                f"named above in the folder {name} is installed in with yours, keeping their\n"
                f"places (bin\\ and plugins\\). {name} loads Qt's DLLs from there at every start.\n")

    text.append(heading("2. Third-party code compiled into Qt's DLLs"))
    text.append("Taken from the qt_attribution.json files of the Qt source that was built, for\n"
                "the code compiled into each DLL shipped.\n")
    for folder in sorted(folders):
        path = os.path.join(attributions, folder, "qt_attribution.json")
        for entry in attribution_entries(path):
            title = entry.get("Name", folder)
            if entry.get("Version"):
                title += f" {entry['Version']}"
            text.append(f"\n{RULE}\n{title}\n{RULE}\n\n")
            text.append(f"In: {', '.join(sorted(folders[folder]))} (Qt source: {folder})\n")
            if entry.get("Copyright"):
                text.append(f"Copyright: {entry['Copyright'].strip()}\n")
            text.append(f"Licence: {entry.get('License', '')} ({entry.get('LicenseId', '')})\n")
            for name_ in licence_files(entry):
                licence = os.path.normpath(os.path.join(attributions, folder, name_))
                text.append(f"\n{read(licence)}")

    text.append(heading("3. MinGW-w64's runtime"))
    linked = [(os.path.basename(path), path) for path in args.linked]
    crt_files = [pair for pair in linked if debian_package(pair[1])[1] == "mingw-w64"]
    gcc_files = [pair for pair in linked if pair not in crt_files]
    text.append(package_section(
        crt_files + gcc_files + of_kind["runtime"],
        f"{', '.join(n for n, _ in crt_files)}\n"
        f"are MinGW-w64's C runtime, and {', '.join(n for n, _ in gcc_files)} GCC's\n"
        f"start-up code and support library: the compiler links them into every program\n"
        f"and DLL it builds, {name}'s and Qt's included. The C runtime comes under the\n"
        f"licences of the mingw-w64 project (ZPL-2.1, and for some of its parts the\n"
        f"public-domain dedication and the other notices its copyright file lists);\n"
        f"libwinpthread-1.dll comes under the mingw-w64 project's winpthreads notice.\n"
        f"GCC's parts, libstdc++-6.dll, libgcc_s_seh-1.dll and libssp-0.dll come under\n"
        f"the GNU General Public License, version 3, with the GCC Runtime Library\n"
        f"Exception, version 3.1. The packages' copyright files below carry the texts."))

    text.append(heading("4. Qt's translations"))
    text.append(package_section(
        of_kind["translation"],
        "Qt's translations come under the GNU General Public License, version 3 (its\n"
        "text is in section 6), with The Qt Company GPL Exception 1.0, as the\n"
        "package's copyright file below says. Their source, Debian's qt6-translations\n"
        f"source package as fetched, is in the archive {args.source_archive}\n"
        f"published with the release at {args.releases_url}"))

    text.append(heading("5. NSIS"))
    text.append(package_section(
        of_kind["installer"],
        "The installer and the uninstaller it writes are made by NSIS from its own\n"
        "program (its \"stub\"), which comes under the zlib licence, with the parts\n"
        "the package's copyright file below names under theirs."))

    text.append(heading("6. Licence texts"))
    for spdx, old in (("LGPL-3.0-only", "LICENSE.LGPL3"), ("GPL-3.0-only", "LICENSE.GPL3")):
        text.append(f"\n{RULE}\n{spdx}\n{RULE}\n\n{qt_licence(args.qt, spdx, old)}")

    os.makedirs(os.path.dirname(args.out), exist_ok=True)
    with open(args.out, "w", encoding="utf-8", newline="\n") as f:
        f.write("".join(text))


def main():
    parser = argparse.ArgumentParser()
    commands = parser.add_subparsers(dest="command", required=True)
    writing = commands.add_parser("write")
    writing.add_argument("out")
    writing.add_argument("--program", nargs=2, required=True)
    writing.add_argument("--releases-url", required=True)
    writing.add_argument("--source-archive", required=True)
    writing.add_argument("--qt", required=True)
    writing.add_argument("--shipped", required=True)
    writing.add_argument("--linked", nargs="+", required=True)
    checking = commands.add_parser("check")
    checking.add_argument("folder")
    args = parser.parse_args()
    if args.command == "write":
        write(args)
    else:
        check(args.folder)


if __name__ == "__main__":
    main()
