"""The build's identity for the Python scripts: BUILD/identity.sh, which CMake
writes from scripts/identity.sh.in, read as the shell reads its
NAME='value' lines, and the Windows packages' paths made from it."""

import re
from pathlib import Path


def identity(build):
    text = (Path(build) / "identity.sh").read_text(encoding="utf-8")
    return dict(re.findall(r"^(\w+)='([^']*)'$", text, re.M))


def installer(build):
    """The Windows installer cpack writes into the build folder."""
    return Path(build) / f"{identity(build)['CINDREL_WINDOWS_PACKAGE']}.exe"


def staging(build):
    """CPack's staging tree of the installer: the files as installed."""
    return Path(build) / identity(build)["CINDREL_WINDOWS_STAGING"]
