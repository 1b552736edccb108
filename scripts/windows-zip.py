#!/usr/bin/env python3
"""Packs the portable build from the files the installer packs:
    scripts/windows-zip.py BUILD-DIRECTORY
writes BUILD-DIRECTORY/<name>-<version>-win64.zip from CPack's staging tree
of the NSIS installer (the stripped files, as installed), under one folder
named like the zip. The same tree always gives the same bytes: entries in
sorted order, every time SOURCE_DATE_EPOCH (from the build's identity), no
owner or permission bits of the build machine."""

import re
import sys
import time
import zipfile
from pathlib import Path


def main():
    build = Path(sys.argv[1])
    identity = dict(re.findall(r"^(\w+)='([^']*)'$", (build / "identity.sh").read_text(encoding="utf-8"), re.M))
    stem = f"{identity['CINDREL_NAME']}-{identity['CINDREL_VERSION']}-win64"
    staging = build / "_CPack_Packages" / "win64" / "NSIS" / stem
    if not staging.is_dir():
        sys.exit(f"windows-zip: no staging tree {staging} (run cpack -G NSIS first)")
    # Zip times are local times without a zone; UTC, as every build machine
    # then agrees. Zip cannot go before 1980.
    stamp = time.gmtime(max(int(identity["CINDREL_SOURCE_DATE_EPOCH"]), 315532800))[:6]
    output = build / f"{stem}.zip"
    with zipfile.ZipFile(output, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for path in [staging, *sorted(staging.rglob("*"), key=lambda p: p.relative_to(staging).as_posix())]:
            name = f"{stem}/{path.relative_to(staging).as_posix()}/".replace("/./", "/")
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
