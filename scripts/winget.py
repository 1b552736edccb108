#!/usr/bin/env python3
"""Writes the winget manifest set for the installer just built:
    scripts/winget.py BUILD-DIRECTORY
into BUILD-DIRECTORY/winget/: the version, installer and default-locale
files of schema 1.10.0, for <maker without spaces>.<name>. Every value comes
from the build's identity (identity.sh, CMakeCache.txt) and the installer
itself (its SHA-256); scripts/winget-check.py checks the result."""

import hashlib
import json
import re
import sys
from pathlib import Path

SCHEMA = "1.10.0"


def shell_values(path):
    """The NAME='value' lines of a generated shell file."""
    return dict(re.findall(r"^(\w+)='([^']*)'$", path.read_text(encoding="utf-8"), re.M))


def cache_values(path):
    return dict(re.findall(r"^([A-Za-z_]\w*):\w+=(.*)$", path.read_text(encoding="utf-8"), re.M))


def block(value, indent=0):
    """YAML lines for a mapping or a list: scalars written as JSON strings
    (valid YAML, and a version like 1.15 stays text)."""
    pad = " " * indent
    lines = []
    for key, item in (value.items() if isinstance(value, dict) else enumerate(value)):
        lead = f"{pad}{key}:" if isinstance(value, dict) else f"{pad}-"
        if isinstance(item, (dict, list)):
            inner = block(item, indent + 2)
            if isinstance(value, list) and isinstance(item, dict):
                lines += [f"{pad}- {inner[0].lstrip()}", *inner[1:]]
            else:
                lines += [lead, *inner]
        else:
            lines.append(f"{lead} {json.dumps(item, ensure_ascii=False)}")
    return lines


def main():
    build = Path(sys.argv[1])
    identity = shell_values(build / "identity.sh")
    cache = cache_values(build / "CMakeCache.txt")
    name, maker, version = identity["CINDREL_NAME"], identity["CINDREL_MAKER"], identity["CINDREL_VERSION"]
    installer = build / f"{name}-{version}-win64.exe"
    sha256 = hashlib.sha256(installer.read_bytes()).hexdigest().upper()
    package = {"PackageIdentifier": f"{maker.replace(' ', '')}.{name}", "PackageVersion": version}
    url = identity["CINDREL_RELEASES_URL"] + installer.name

    def entry(scope, switch):
        return {"Architecture": "x64", "Scope": scope, "InstallerUrl": url, "InstallerSha256": sha256,
                "InstallerSwitches": {"Custom": switch}}

    manifests = {
        "": ("version", {**package, "DefaultLocale": "en-US", "ManifestType": "version"}),
        ".installer": ("installer", {
            **package,
            "InstallerType": "nullsoft",
            "InstallModes": ["interactive", "silent", "silentWithProgress"],
            "UpgradeBehavior": "install",
            # The Apps entry's key name (Software\...\Uninstall\<name>).
            "ProductCode": name,
            "AppsAndFeaturesEntries": [{"DisplayName": name, "Publisher": maker, "DisplayVersion": version,
                                        "ProductCode": name}],
            # The first entry is the one winget takes when no scope is asked for.
            "Installers": [entry("user", "/CurrentUser"), entry("machine", "/AllUsers")],
            "ManifestType": "installer"}),
        ".locale.en-US": ("defaultLocale", {
            **package,
            "PackageLocale": "en-US",
            "Publisher": maker,
            "PackageName": name,
            "PackageUrl": identity["CINDREL_SITE_URL"],
            "License": "Proprietary",
            "ShortDescription": cache["CMAKE_PROJECT_DESCRIPTION"],
            "Moniker": name.lower(),
            "ManifestType": "defaultLocale"}),
    }
    folder = build / "winget"
    folder.mkdir(exist_ok=True)
    for suffix, (kind, fields) in manifests.items():
        fields["ManifestVersion"] = SCHEMA
        header = f"# yaml-language-server: $schema=https://aka.ms/winget-manifest.{kind}.{SCHEMA}.schema.json\n\n"
        text = header + "\n".join(block(fields)) + "\n"
        (folder / f"{package['PackageIdentifier']}{suffix}.yaml").write_text(text, encoding="utf-8")
    print(folder)


if __name__ == "__main__":
    main()
