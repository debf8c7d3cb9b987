"""The engineering assistant in Python (size, identify, sweep) against zt6 size, zt6 identify
and zt6 sweep with --json: the same answers, and the command's messages as exceptions."""

import json
import os

import pytest

import zt6
from conftest import EXAMPLES, run_zt6

WELLE = os.path.join(EXAMPLES, "welle_12x14.zt6")


def cli_json(*args):
    return json.loads(run_zt6(*args, "--json", check=False).stdout)


def first_line_of_refusal(*args):
    done = run_zt6(*args, check=False)
    assert done.returncode == 2 and not done.stdout
    return done.stderr.decode().splitlines()[0]


@pytest.mark.parametrize("file, options, args", [
    (None, {"torque": 100}, ["--torque", "100"]),
    (WELLE, {"torque": 80, "peak": 120.5, "safety": 1.5, "cls": "grob", "max_length": 1.5},
     ["--torque", "80", "--peak", "120.5", "--safety", "1.5", "--class", "grob",
      "--max-length", "1.5"]),
    # No size carries it: no candidates, every row rejected with its reason.
    (None, {"torque": 1e7}, ["--torque", "10000000"]),
], ids=["defaults", "project-and-options", "none-carries"])
def test_size_as_the_command_line(file, options, args):
    result = zt6.size(file, **options)
    assert result == cli_json("size", *([file] if file else []), *args)
    assert len(result["candidates"]) + len(result["rejected"]) == len(zt6.sizes())


@pytest.mark.parametrize("options, args", [
    ({"tip": 23.8, "teeth": 34}, ["--tip", "23.8", "--teeth", "34"]),
    ({"root": 20.5}, ["--root", "20.5"]),
    ({"tip": 21.2, "over_pins": 20.1, "pin": 1.5, "hub": True},
     ["--tip", "21.2", "--over-pins", "20.1", "--pin", "1.5", "--hub"]),
], ids=["tip-teeth", "root", "hub-between-pins"])
def test_identify_as_the_command_line(options, args):
    result = zt6.identify(**options)
    assert result == cli_json("identify", *args)
    assert len(result["candidates"]) == len(zt6.sizes())


@pytest.mark.parametrize("vary, args", [
    ({"l": (10, 20, 2.5)}, ["--vary", "l=10:20:2.5"]),
    ([("l", 10, 20, 5), ("shaft.Re", 300, 400, 100)],
     ["--vary", "l=10:20:5", "--vary", "shaft.Re=300:400:100"]),
], ids=["one-input", "grid"])
def test_sweep_as_the_command_line_and_the_single_calculations(vary, args):
    points = zt6.sweep(WELLE, vary=vary)
    lines = run_zt6("sweep", WELLE, *args, "--json").stdout.decode().splitlines()
    assert points == [json.loads(line) for line in lines]
    names = list(vary) if isinstance(vary, dict) else [axis[0] for axis in vary]
    assert len(points) == (5 if len(names) == 1 else 6)
    # Each point is the calculation of the project with the varied inputs set.
    for point in points:
        assignments = {}
        for name in names:
            part, _, field = name.rpartition(".")
            assignments[name] = (point["inputs"][part] if part else point["inputs"])[field]
        assert point == zt6.calc(WELLE, set=assignments)


@pytest.mark.parametrize("call, args", [
    (lambda: zt6.size(torque=0), ["size", "--torque", "0"]),
    (lambda: zt6.size(torque=5, cls="mittel"), ["size", "--torque", "5", "--class", "mittel"]),
    (lambda: zt6.identify(), ["identify"]),
    (lambda: zt6.identify(tip=14, pin=1.5), ["identify", "--tip", "14", "--pin", "1.5"]),
    (lambda: zt6.sweep(WELLE, vary={"l": (40, 20, 5)}), ["sweep", WELLE, "--vary", "l=40:20:5"]),
    (lambda: zt6.sweep(WELLE, vary={"nonsense": (1, 2, 1)}),
     ["sweep", WELLE, "--vary", "nonsense=1:2:1"]),
    (lambda: zt6.sweep(WELLE, vary=[("l", 1, 2, 1), ("TN", 1, 2, 1), ("KA", 1, 2, 1)]),
     ["sweep", WELLE, "--vary", "l=1:2:1", "--vary", "TN=1:2:1", "--vary", "KA=1:2:1"]),
], ids=["torque-0", "class", "no-measurement", "pin-alone", "from-above-to", "unknown-name",
        "three-inputs"])
def test_bad_input_raises_the_command_lines_message(call, args):
    with pytest.raises(zt6.Error) as refused:
        call()
    assert str(refused.value) == first_line_of_refusal(*args)


@pytest.mark.parametrize("vary", [{"l": (10, 20)}, [("l", 10, 20)], "l=10:20:5", {"l": "10"}])
def test_a_vary_of_another_shape_says_which_it_takes(vary):
    with pytest.raises(zt6.Error, match=r"vary takes \{NAME: \(FROM, TO, STEP\)\}"):
        zt6.sweep(WELLE, vary=vary)


@pytest.mark.parametrize("call", [
    lambda f: zt6.size(f, torque=100),
    lambda f: zt6.sweep(f, vary={"l": (10, 20, 5)}),
], ids=["size", "sweep"])
def test_a_missing_project_is_file_not_found(call, tmp_path):
    missing = str(tmp_path / "missing.zt6")
    with pytest.raises(FileNotFoundError) as refused:
        call(missing)
    assert refused.value.filename == missing
