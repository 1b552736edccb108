#!/usr/bin/env python3
"""Writes the winget manifest set for the installer just built:
    scripts/winget.py BUILD-DIRECTORY
into BUILD-DIRECTORY/winget/: the version, installer and default-locale
files of the schema scripts/winget-check.py holds the rules of, for
<maker without spaces>.<name>. Every value comes from the build's identity
(identity.sh, CMakeCache.txt) and the installer itself (its SHA-256)."""

import hashlib
import importlib.util
import json
import re
import sys
from pathlib import Path

from identity import identity, installer

# The manifests are written in the schema version whose rules the check holds.
_spec = importlib.util.spec_from_file_location("winget_check", Path(__file__).with_name("winget-check.py"))
_check = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(_check)
SCHEMA = _check.SCHEMA


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
    values = identity(build)
    cache = cache_values(build / "CMakeCache.txt")
    name, maker, version = values["CINDREL_NAME"], values["CINDREL_MAKER"], values["CINDREL_VERSION"]
    package_file = installer(build)
    sha256 = hashlib.sha256(package_file.read_bytes()).hexdigest().upper()
    package = {"PackageIdentifier": f"{maker.replace(' ', '')}.{name}", "PackageVersion": version}
    url = values["CINDREL_RELEASES_URL"] + package_file.name
    # What a console runs: cindrel.exe, or its console twin cindrel.com.
    command = name.lower()

    def entry(scope, switch, **more):
        return {"Architecture": "x64", "Scope": scope, "InstallerUrl": url, "InstallerSha256": sha256,
                "InstallerSwitches": {"Custom": switch}, "Commands": [command], **more}

    manifests = {
        "": ("version", {**package, "DefaultLocale": "en-US", "ManifestType": "version"}),
        ".installer": ("installer", {
            **package,
            "InstallerType": "nullsoft",
            "MinimumOSVersion": values["CINDREL_WINDOWS_MINIMUM"],
            "InstallModes": ["interactive", "silent", "silentWithProgress"],
            "UpgradeBehavior": "install",
            # The Apps entry's key name (Software\...\Uninstall\<name>).
            "ProductCode": name,
            "AppsAndFeaturesEntries": [{"DisplayName": name, "Publisher": maker, "DisplayVersion": version,
                                        "ProductCode": name}],
            # The first entry is the one winget takes when no scope is asked
            # for. For all users the installer, started without administrator
            # rights, asks for them itself and starts again elevated.
            "Installers": [entry("user", "/CurrentUser"),
                           entry("machine", "/AllUsers", ElevationRequirement="elevatesSelf")],
            "ManifestType": "installer"}),
        ".locale.en-US": ("defaultLocale", {
            **package,
            "PackageLocale": "en-US",
            "Publisher": maker,
            "PackageName": name,
            "PackageUrl": values["CINDREL_SITE_URL"],
            "License": "Proprietary",
            "ShortDescription": cache["CMAKE_PROJECT_DESCRIPTION"],
            "Moniker": command,
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
