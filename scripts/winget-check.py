#!/usr/bin/env python3
"""Checks the winget manifest set scripts/winget.py wrote:
    scripts/winget-check.py BUILD-DIRECTORY
the three files of schema 1.10.0 with their required fields, one package
identity across them, the values the installer relies on (type nullsoft,
x64, a user entry first and a machine entry with /AllUsers, the Apps entry's
product code) and the SHA-256 of the installer beside them. Needs PyYAML
(python3-yaml), no network and no schema files."""

import hashlib
import re
import sys
from pathlib import Path

import yaml

SCHEMA = "1.10.0"
IDENTIFIER = re.compile(r'^[^.\s\\/:*?"<>|\x01-\x1f]{1,32}(\.[^.\s\\/:*?"<>|\x01-\x1f]{1,32}){1,7}$')
REQUIRED = {
    "version": ["PackageIdentifier", "PackageVersion", "DefaultLocale", "ManifestType", "ManifestVersion"],
    "installer": ["PackageIdentifier", "PackageVersion", "Installers", "ManifestType", "ManifestVersion"],
    "defaultLocale": ["PackageIdentifier", "PackageVersion", "PackageLocale", "Publisher", "PackageName",
                      "License", "ShortDescription", "ManifestType", "ManifestVersion"],
}
# The text fields' lengths the schema allows.
LENGTHS = {"Publisher": (2, 256), "PackageName": (2, 256), "License": (3, 512), "ShortDescription": (3, 256)}

problems = []


def check(condition, problem):
    if not condition:
        problems.append(problem)


def main():
    build = Path(sys.argv[1])
    manifests = {}
    for path in sorted((build / "winget").glob("*.yaml")):
        manifest = yaml.safe_load(path.read_text(encoding="utf-8"))
        kind = manifest.get("ManifestType") if isinstance(manifest, dict) else None
        check(kind in REQUIRED and kind not in manifests, f"{path.name}: ManifestType {kind!r}")
        manifests[kind] = manifest
        for key in REQUIRED.get(kind, []):
            check(key in manifest, f"{path.name}: no {key}")
        check(all(isinstance(v, str) for k, v in manifest.items() if k not in ("Installers", "InstallModes",
                                                                               "AppsAndFeaturesEntries")),
              f"{path.name}: a value that is not text")
        check(manifest.get("ManifestVersion") == SCHEMA, f"{path.name}: ManifestVersion is not {SCHEMA}")
        suffix = {"version": "", "installer": ".installer",
                  "defaultLocale": f".locale.{manifest.get('PackageLocale')}"}.get(kind, "")
        check(path.name == f"{manifest.get('PackageIdentifier')}{suffix}.yaml",
              f"{path.name}: not named after its identifier")
    check(set(manifests) == set(REQUIRED), f"the set is {sorted(map(str, manifests))}, not {sorted(REQUIRED)}")
    if problems:
        return
    version, installer, locale = manifests["version"], manifests["installer"], manifests["defaultLocale"]
    identity = {(m["PackageIdentifier"], m["PackageVersion"]) for m in manifests.values()}
    check(len(identity) == 1, f"the files name different packages: {identity}")
    check(IDENTIFIER.match(version["PackageIdentifier"]), f"PackageIdentifier {version['PackageIdentifier']!r}")
    check(version["DefaultLocale"] == locale["PackageLocale"], "DefaultLocale is not the locale file's")
    for key, (low, high) in LENGTHS.items():
        check(low <= len(locale[key]) <= high, f"{key} is not {low} to {high} characters")

    name = locale["PackageName"]
    package = build / f"{name}-{version['PackageVersion']}-win64.exe"
    sha256 = hashlib.sha256(package.read_bytes()).hexdigest()
    check(installer.get("InstallerType") == "nullsoft", "InstallerType is not nullsoft")
    check(installer.get("ProductCode") == name, f"ProductCode is not {name}")
    check(any(e.get("ProductCode") == name for e in installer.get("AppsAndFeaturesEntries", [])),
          "no AppsAndFeaturesEntries entry with the product code")
    entries = installer["Installers"]
    check([e.get("Scope") for e in entries] == ["user", "machine"], "the installers are not user, then machine")
    for entry in entries:
        scope = entry.get("Scope")
        check(entry.get("Architecture") == "x64", f"{scope}: Architecture is not x64")
        check(str(entry.get("InstallerSha256", "")).lower() == sha256,
              f"{scope}: InstallerSha256 is not the SHA-256 of {package.name} ({sha256})")
        url = str(entry.get("InstallerUrl", ""))
        check(url.startswith("https://") and url.endswith("/" + package.name),
              f"{scope}: InstallerUrl {url!r} is not https://.../{package.name}")
    check("/AllUsers" in entries[-1].get("InstallerSwitches", {}).get("Custom", ""),
          "the machine entry does not pass /AllUsers")


if __name__ == "__main__":
    main()
    for problem in problems:
        print(f"winget-check: {problem}", file=sys.stderr)
    if problems:
        sys.exit(1)
    print("winget-check: the manifest set is complete and names the installer's SHA-256", file=sys.stderr)
