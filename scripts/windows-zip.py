#!/usr/bin/env python3
"""Packs the portable build from the files the installer packs:
    scripts/windows-zip.py BUILD-DIRECTORY
writes BUILD-DIRECTORY/<installer name>.zip from CPack's staging tree
of the NSIS installer (the stripped files, as installed), under one folder
named like the zip. The same tree always gives the same bytes: entries in
sorted order, every time SOURCE_DATE_EPOCH (from the build's identity), no
owner or permission bits of the build machine."""

import sys
import time
import zipfile
from pathlib import Path

from identity import identity, staging


def main():
    build = Path(sys.argv[1])
    values = identity(build)
    stem = values["CINDREL_WINDOWS_PACKAGE"]
    staged = staging(build)
    if not staged.is_dir():
        sys.exit(f"windows-zip: no staging tree {staged} (run cpack -G NSIS first)")
    # Zip times are local times without a zone; UTC, as every build machine
    # then agrees. Zip cannot go before 1980.
    stamp = time.gmtime(max(int(values["CINDREL_SOURCE_DATE_EPOCH"]), 315532800))[:6]
    output = build / f"{stem}.zip"
    with zipfile.ZipFile(output, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for path in [staged, *sorted(staged.rglob("*"), key=lambda p: p.relative_to(staged).as_posix())]:
            name = f"{stem}/{path.relative_to(staged).as_posix()}/".replace("/./", "/")
            name = name if path.is_dir() else name.rstrip("/")
            entry = zipfile.ZipInfo(name, stamp)
            entry.create_system = 0  # MS-DOS: attributes only, no Unix mode
            entry.external_attr = 0x10 if path.is_dir() else 0
            if path.is_dir():
                archive.writestr(entry, b"")
            else:
                entry.compress_type = zipfile.ZIP_DEFLATED
                archive.writestr(entry, path.read_bytes(), compresslevel=9)
    print(output)


if __name__ == "__main__":
    main()
