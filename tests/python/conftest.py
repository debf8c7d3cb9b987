"""Every test runs with a home, a configuration folder, a temporary folder and a working
folder of its own, so no zt6.cfg of the user's or of another test reaches the module or
the zt6 program it is compared with."""

import os
import subprocess

import pytest

ZT6 = os.environ["ZT6_ZT6_EXE"]
EXAMPLES = os.path.join(os.environ["ZT6_DATA_DIR"], "examples")
EXAMPLE_FILES = sorted(
    os.path.join(EXAMPLES, name) for name in os.listdir(EXAMPLES) if name.endswith(".zt6"))


@pytest.fixture(autouse=True)
def isolated(tmp_path, monkeypatch):
    home = tmp_path / "home"
    (home / ".config").mkdir(parents=True)
    (tmp_path / "tmp").mkdir()
    (tmp_path / "run").mkdir()
    monkeypatch.setenv("HOME", str(home))
    monkeypatch.setenv("XDG_CONFIG_HOME", str(home / ".config"))
    monkeypatch.setenv("TEMP", str(tmp_path / "tmp"))
    monkeypatch.chdir(tmp_path / "run")
    return tmp_path / "run"


def run_zt6(*args, check=True):
    """zt6 with these arguments in the test's folders: its standard output as bytes."""
    done = subprocess.run([ZT6, *args], capture_output=True, check=False)
    if check and done.returncode != 0:
        raise AssertionError(f"zt6 {' '.join(args)}: exit {done.returncode}: {done.stderr!r}")
    return done
