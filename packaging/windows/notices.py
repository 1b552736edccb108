#!/usr/bin/env python3
"""Writes the licence notices of everything the Windows program ships that is
not its own: the text its Licences window shows, installed as
licences/notices.txt.

Usage: notices.py OUT --program NAME VERSION --releases-url URL
                  --qt PREFIX --qt-dlls FILE... --runtime FILE... --translations FILE...

--qt-dlls names Qt's DLLs as the installed tree has them (bin/Qt6Core.dll,
plugins/platforms/qwindows.dll); the third-party code in them comes from the
Qt cache's attributions/binaries.tsv and each folder's qt_attribution.json.
--runtime and --translations are the files shipped from Debian packages:
each is named with its package, source package and version, and the
package's copyright file, which carries the licence texts, is included.
"""
import argparse
import importlib.util
import os
import re
import subprocess
import tarfile

RULE = "=" * 78


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
    """(binary package, source package, version) of an installed file."""
    owner = subprocess.run(["dpkg", "-S", os.path.realpath(path)], check=True, capture_output=True,
                           text=True).stdout.split(":")[0].strip()
    source, version = subprocess.run(["dpkg-query", "-W", "-f=${source:Package} ${Version}", owner],
                                     check=True, capture_output=True, text=True).stdout.split()
    return owner, source, version


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
    """The files, their packages, and each package's copyright file once."""
    out, seen = [], {}
    for path in files:
        owner, source, version = debian_package(path)
        out.append(f"  {os.path.basename(path)}: Debian package {owner}, "
                   f"built from the source package {source} {version}\n")
        seen.setdefault(owner, f"/usr/share/doc/{owner}/copyright")
    out.append("\n" + licence_note + "\n")
    for owner, copyright_file in seen.items():
        out.append(f"\n{RULE}\n{copyright_file} (Debian package {owner}):\n{RULE}\n\n")
        out.append(read(copyright_file))
    return "".join(out)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("out")
    parser.add_argument("--program", nargs=2, required=True)
    parser.add_argument("--releases-url", required=True)
    parser.add_argument("--qt", required=True)
    parser.add_argument("--qt-dlls", nargs="+", required=True)
    parser.add_argument("--runtime", nargs="+", required=True)
    parser.add_argument("--translations", nargs="+", required=True)
    args = parser.parse_args()
    name, version = args.program
    attributions = os.path.join(args.qt, "attributions")
    qt_version, qt_holders = qt_source(args.qt)
    archive = f"{name}-{version}-qt-source.tar"

    # The attribution folders compiled into each shipped DLL.
    folders = {}
    with open(os.path.join(attributions, "binaries.tsv"), encoding="utf-8") as f:
        for line in f:
            dll, folder = line.rstrip("\n").split("\t")
            if dll in args.qt_dlls:
                folders.setdefault(folder, []).append(dll)
    missing = sorted(set(args.qt_dlls) - {d for dlls in folders.values() for d in dlls})
    if missing:
        raise SystemExit(f"notices: {', '.join(missing)} not in {attributions}/binaries.tsv")

    text = [f"Third-party software\n====================\n\n"
            f"{name} {version} for Windows ships, beside its own files, the files below,\n"
            f"which are not its own. Each stays under its own licence, given here.\n"]

    text.append(heading("1. Qt"))
    text.append(f"Files: {', '.join(args.qt_dlls)}\n\n"
                f"Qt {qt_version.split('+')[0]}, built from Debian's source package qt6-base {qt_version}.\n"
                f"Copyright (C) {qt_holders} and other contributors.\n\n"
                f"Qt is used under the GNU Lesser General Public License, version 3 (LGPL-3),\n"
                f"whose text follows in section 5 with that of the GNU General Public License,\n"
                f"version 3, on which it builds.\n\n"
                f"Qt's exact source for this release, with everything needed to build these\n"
                f"DLLs again, is the archive {archive}, published with\n"
                f"the release at {args.releases_url}\n"
                f"It holds Debian's qt6-base source package as fetched (.dsc, .orig.tar.xz,\n"
                f".debian.tar.xz), the list of patches applied and skipped, the build script\n"
                f"windows-qt.sh with its configure options, and the toolchain file.\n\n"
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
    text.append(package_section(
        args.runtime,
        "libstdc++-6.dll, libgcc_s_seh-1.dll and libssp-0.dll are under the GNU General\n"
        "Public License, version 3, with the GCC Runtime Library Exception, version 3.1;\n"
        "libwinpthread-1.dll is under the permissive notice of the mingw-w64 project\n"
        "(winpthreads). The packages' copyright files below carry the texts."))

    text.append(heading("4. Qt's translations"))
    text.append(package_section(
        args.translations,
        "They are part of Qt and under its licences; the package's copyright file follows."))

    text.append(heading("5. Licence texts"))
    for spdx, old in (("LGPL-3.0-only", "LICENSE.LGPL3"), ("GPL-3.0-only", "LICENSE.GPL3")):
        text.append(f"\n{RULE}\n{spdx}\n{RULE}\n\n{qt_licence(args.qt, spdx, old)}")

    os.makedirs(os.path.dirname(args.out), exist_ok=True)
    with open(args.out, "w", encoding="utf-8", newline="\n") as f:
        f.write("".join(text))


if __name__ == "__main__":
    main()
