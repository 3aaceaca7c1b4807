import os
import sys

import pytest

sys.path.insert(0, os.path.dirname(__file__))
from wineprefix import WinePrefix  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.environ.get("BX_BUILD", os.path.join(ROOT, "build"))


@pytest.fixture
def build():
    return BUILD


@pytest.fixture
def prefix(tmp_path):
    """A fresh Wine prefix for one scenario, copied from the template."""
    wine = WinePrefix(os.path.join(BUILD, "wine", "template"), str(tmp_path))
    yield wine
    wine.kill()


@pytest.fixture
def package():
    """The assembled demo package (scripts/assemble-package.sh)."""
    path = os.path.join(BUILD, "package")
    if not os.path.exists(os.path.join(path, "InstallWizard.exe")):
        pytest.fail("no assembled package at %s: run scripts/assemble-package.sh" % path)
    return path
