#!/usr/bin/env python3
"""Checks a multi-file winget manifest against the rules of its schema:
    scripts/winget-check.py MANIFEST-FOLDER INSTALLER
The rules below are those of winget's JSON schemas of version 1.10.0
(manifest.version, .installer and .defaultLocale), written down here on
their own, with winget's rules across the files (one identity, the default
locale's file, the file names, an installer type for every entry, no two
entries alike), the switches the installer takes for each scope, and the
SHA-256 and file name of INSTALLER, the file that ships. Needs PyYAML
(python3-yaml), no network and no schema files."""

import hashlib
import re
import sys
from pathlib import Path

import yaml

SCHEMA = "1.10.0"

# One rule a field: its type, and optionally its pattern, its length (or
# number of items) from..to, its allowed values, and for a list the rule of
# its items, for a mapping the rules of its fields.
TEXT, LIST, MAP = str, list, dict


def rule(kind, pattern=None, length=None, values=None, items=None, fields=None, required=()):
    return {"kind": kind, "pattern": pattern, "length": length, "values": values, "items": items,
            "fields": fields, "required": required}


NUMBER = r"(0|[1-9][0-9]{0,3}|[1-5][0-9]{4}|6[0-4][0-9]{3}|65[0-4][0-9]{2}|655[0-2][0-9]|6553[0-5])"
IDENTIFIER = rule(TEXT, r'^[^.\s\\/:*?"<>|\x01-\x1f]{1,32}(\.[^.\s\\/:*?"<>|\x01-\x1f]{1,32}){1,7}$', (1, 128))
VERSION = rule(TEXT, r'^[^\\/:*?"<>|\x01-\x1f]+$', (1, 128))
LOCALE = rule(TEXT, r"^([a-zA-Z]{2,3}|[iI]-[a-zA-Z]+|[xX]-[a-zA-Z]{1,8})(-[a-zA-Z]{1,8})*$", (1, 20))
URL = rule(TEXT, r"^([Hh][Tt][Tt][Pp][Ss]?)://.+$", (1, 2048))
SHA256 = rule(TEXT, r"^[A-Fa-f0-9]{64}$")
PRODUCT_CODE = rule(TEXT, length=(1, 255))
INSTALLER_TYPES = ["msix", "msi", "appx", "exe", "zip", "inno", "nullsoft", "wix", "burn", "pwa", "portable",
                   "advinstExe", "advinstMsi"]
MANIFEST = {
    "PackageIdentifier": IDENTIFIER,
    "PackageVersion": VERSION,
    "ManifestVersion": rule(TEXT, rf"^{NUMBER}(\.{NUMBER}){{2}}$"),
}
# The fields an installer entry may hold, which the installer manifest may
# also hold once for all its entries.
INSTALLER_FIELDS = {
    "InstallerLocale": LOCALE,
    "Platform": rule(LIST, length=(0, 2), items=rule(TEXT, values=["Windows.Desktop", "Windows.Universal"])),
    "MinimumOSVersion": rule(TEXT, rf"^{NUMBER}(\.{NUMBER}){{0,3}}$"),
    "InstallerType": rule(TEXT, values=INSTALLER_TYPES),
    "Scope": rule(TEXT, values=["user", "machine"]),
    "InstallModes": rule(LIST, length=(0, 3),
                         items=rule(TEXT, values=["interactive", "silent", "silentWithProgress"])),
    "InstallerSwitches": rule(MAP, fields={
        **{name: rule(TEXT, length=(1, 512))
           for name in ("Silent", "SilentWithProgress", "Interactive", "InstallLocation", "Log", "Upgrade", "Repair")},
        "Custom": rule(TEXT, length=(1, 2048))}),
    "UpgradeBehavior": rule(TEXT, values=["install", "uninstallPrevious", "deny"]),
    "Commands": rule(LIST, length=(0, 16), items=rule(TEXT, length=(1, 40))),
    "ProductCode": PRODUCT_CODE,
    "AppsAndFeaturesEntries": rule(LIST, length=(0, 128), items=rule(MAP, fields={
        "DisplayName": rule(TEXT, length=(1, 256)),
        "Publisher": rule(TEXT, length=(1, 256)),
        "DisplayVersion": rule(TEXT, length=(1, 128)),
        "ProductCode": PRODUCT_CODE,
        "UpgradeCode": PRODUCT_CODE,
        "InstallerType": rule(TEXT, values=INSTALLER_TYPES)})),
    "ElevationRequirement": rule(TEXT, values=["elevationRequired", "elevationProhibited", "elevatesSelf"]),
    "ReleaseDate": rule(TEXT, r"^\d{4}-\d{2}-\d{2}$"),
}
ENTRY = rule(MAP, fields={
    **INSTALLER_FIELDS,
    "Architecture": rule(TEXT, values=["x86", "x64", "arm", "arm64", "neutral"]),
    "InstallerUrl": URL,
    "InstallerSha256": SHA256,
    "SignatureSha256": SHA256,
}, required=("Architecture", "InstallerUrl", "InstallerSha256"))
TAG = rule(TEXT, length=(1, 40))
RULES = {
    "version": rule(MAP, fields={**MANIFEST, "DefaultLocale": LOCALE, "ManifestType": rule(TEXT, values=["version"])},
                    required=("PackageIdentifier", "PackageVersion", "DefaultLocale", "ManifestType",
                              "ManifestVersion")),
    "installer": rule(MAP, fields={
        **MANIFEST, **INSTALLER_FIELDS,
        "Channel": rule(TEXT, length=(1, 16)),
        "Installers": rule(LIST, length=(1, 1024), items=ENTRY),
        "ManifestType": rule(TEXT, values=["installer"]),
    }, required=("PackageIdentifier", "PackageVersion", "Installers", "ManifestType", "ManifestVersion")),
    "defaultLocale": rule(MAP, fields={
        **MANIFEST,
        "PackageLocale": LOCALE,
        "Publisher": rule(TEXT, length=(2, 256)),
        "PublisherUrl": URL,
        "PublisherSupportUrl": URL,
        "PrivacyUrl": URL,
        "Author": rule(TEXT, length=(2, 256)),
        "PackageName": rule(TEXT, length=(2, 256)),
        "PackageUrl": URL,
        "License": rule(TEXT, length=(3, 512)),
        "LicenseUrl": URL,
        "Copyright": rule(TEXT, length=(3, 512)),
        "CopyrightUrl": URL,
        "ShortDescription": rule(TEXT, length=(3, 256)),
        "Description": rule(TEXT, length=(3, 10000)),
        "Moniker": TAG,
        "Tags": rule(LIST, length=(0, 16), items=TAG),
        "ReleaseNotes": rule(TEXT, length=(1, 10000)),
        "ReleaseNotesUrl": URL,
        "ManifestType": rule(TEXT, values=["defaultLocale"]),
    }, required=("PackageIdentifier", "PackageVersion", "PackageLocale", "Publisher", "PackageName", "License",
                 "ShortDescription", "ManifestType", "ManifestVersion")),
}
# The installer's own command line for each scope (docs/windows.md), and how
# it comes by administrator rights for all users: it asks for them itself.
SCOPES = {"user": ("/CurrentUser", None), "machine": ("/AllUsers", "elevatesSelf")}

problems = []


def check(condition, problem):
    if not condition:
        problems.append(problem)
    return condition


def validate(value, spec, where):
    """The value against its rule; each breach is a problem named by where."""
    kind = spec["kind"]
    if not check(isinstance(value, kind), f"{where}: {value!r} is not {kind.__name__}"):
        return
    if spec["length"]:
        low, high = spec["length"]
        check(low <= len(value) <= high, f"{where}: length {len(value)} is not {low} to {high}")
    if spec["pattern"]:
        check(re.search(spec["pattern"], value), f"{where}: {value!r} does not match {spec['pattern']}")
    if spec["values"]:
        check(value in spec["values"], f"{where}: {value!r} is not one of {', '.join(spec['values'])}")
    if kind is LIST:
        check(len({repr(item) for item in value}) == len(value), f"{where}: items repeat")
        for index, item in enumerate(value):
            validate(item, spec["items"], f"{where}[{index}]")
    if kind is MAP:
        for key in spec["required"]:
            check(key in value, f"{where}: no {key}")
        for key, item in value.items():
            if check(key in spec["fields"], f"{where}: unknown field {key}"):
                validate(item, spec["fields"][key], f"{where}.{key}")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    folder, package = Path(sys.argv[1]), Path(sys.argv[2])
    manifests = {}
    for path in sorted(folder.glob("*.yaml")):
        manifest = yaml.safe_load(path.read_text(encoding="utf-8"))
        kind = manifest.get("ManifestType") if isinstance(manifest, dict) else None
        if not check(kind in RULES and kind not in manifests, f"{path.name}: ManifestType {kind!r}"):
            continue
        manifests[kind] = manifest
        validate(manifest, RULES[kind], path.name)
        check(manifest.get("ManifestVersion") == SCHEMA, f"{path.name}: ManifestVersion is not {SCHEMA}")
        suffix = {"version": "", "installer": ".installer",
                  "defaultLocale": f".locale.{manifest.get('PackageLocale')}"}[kind]
        check(path.name == f"{manifest.get('PackageIdentifier')}{suffix}.yaml",
              f"{path.name}: not named after its identifier")
    if not check(set(manifests) == set(RULES), f"the set is {sorted(manifests)}, not {sorted(RULES)}") or problems:
        return
    version, installer, locale = manifests["version"], manifests["installer"], manifests["defaultLocale"]
    identity = {(m["PackageIdentifier"], m["PackageVersion"]) for m in manifests.values()}
    check(len(identity) == 1, f"the files name different packages: {sorted(identity)}")
    check(version["DefaultLocale"] == locale["PackageLocale"], "DefaultLocale is not the locale file's")

    sha256 = hashlib.sha256(package.read_bytes()).hexdigest()
    seen = set()
    for entry in installer["Installers"]:
        scope = entry.get("Scope", installer.get("Scope"))
        check("InstallerType" in entry or "InstallerType" in installer, f"{scope}: no InstallerType")
        alike = (entry["Architecture"], scope, entry.get("InstallerLocale"), entry.get("InstallerType"))
        check(alike not in seen, f"two installer entries for {alike}")
        seen.add(alike)
        check(entry["InstallerSha256"].lower() == sha256,
              f"{scope}: InstallerSha256 is not the SHA-256 of {package.name} ({sha256})")
        check(entry["InstallerUrl"].endswith("/" + package.name), f"{scope}: InstallerUrl does not name {package.name}")
        if check(scope in SCOPES, f"an installer entry for scope {scope!r}"):
            switch, elevation = SCOPES[scope]
            check(switch in entry.get("InstallerSwitches", {}).get("Custom", "").split(),
                  f"{scope}: the installer is not given {switch}")
            check(entry.get("ElevationRequirement", installer.get("ElevationRequirement")) == elevation,
                  f"{scope}: ElevationRequirement is not {elevation}")


if __name__ == "__main__":
    main()
    for problem in problems:
        print(f"winget-check: {problem}", file=sys.stderr)
    if problems:
        sys.exit(1)
    print(f"winget-check: the manifest set keeps the rules of schema {SCHEMA} and names the installer's SHA-256",
          file=sys.stderr)
