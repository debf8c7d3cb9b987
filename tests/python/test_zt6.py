"""The Python module against the zt6 command line: the same numbers, reports and drawings,
and the program's messages as exceptions."""

import json
import os
import shutil
import subprocess
import sys

import pytest

import zt6
from conftest import EXAMPLE_FILES, run_zt6


def same_as_command_line(made, *args, decode=None):
    """made() equals the bytes zt6 writes with these arguments (decoded, if asked) of a run
    just before or just after it: reports and IGES files carry the time to the minute."""
    def cli():
        out = run_zt6(*args).stdout
        return out.decode(decode) if decode else out
    before = cli()
    value = made()
    return value == before or value == cli()


def member_order(value):
    """The names of a result's members in order, those of the dicts inside too."""
    if not isinstance(value, dict):
        return None
    return [(name, member_order(member)) for name, member in value.items()]


def cli_calc(*args):
    return json.loads(run_zt6("calc", *args, "--json", check=False).stdout)


@pytest.mark.parametrize("example", EXAMPLE_FILES, ids=os.path.basename)
def test_calc_of_every_example_equals_the_command_line(example):
    expected = cli_calc(example)
    if expected["fatal"]:
        with pytest.raises(zt6.Error) as refused:
            zt6.calc(example)
        assert str(refused.value) == "\n".join(expected["messages"])
    else:
        result = zt6.calc(example)
        assert result == expected
        assert member_order(result) == member_order(expected)


@pytest.mark.parametrize("size, cls, assignments", [
    ("12x14", None, {}),
    ("21x24", "grob", {"l": 30, "shaft.Re": 300, "TN": 150.5}),
    ("120x125", "fein", {"KA": 1.25}),
])
def test_size_class_and_set_as_the_command_line(size, cls, assignments):
    args = ["--size", size] + (["--class", cls] if cls else [])
    for name, value in assignments.items():
        args += ["--set", f"{name}={value}"]
    result = zt6.calc(size=size, cls=cls, set=assignments)
    assert result == cli_calc(*args)
    for name, value in assignments.items():
        part, _, field = name.rpartition(".")
        assert (result["inputs"][part] if part else result["inputs"])[field] == value


def test_sizes_are_the_rows_calc_takes_by_name():
    rows = zt6.sizes()
    assert len(rows) == 27
    assert [row["D"] for row in rows] == sorted(row["D"] for row in rows)
    for row in rows:
        inputs = zt6.calc(size=row["designation"])["inputs"]
        assert inputs["designation"] == row["designation"]
        assert (inputs["z"], inputs["D"], inputs["Dee"], inputs["Dii"], inputs["gamma_e"]) == (
            row["z"], row["D"], row["Dee"], row["Dii"], row["gamma_e"])
        # A row without a tip radius leaves the run to compute one.
        assert row["re_max"] in (0, inputs["re_max"])
        assert row["source"] in ("DIN5481-05", "ungeprueft")


def test_an_unknown_size_is_an_error_naming_the_known_ones():
    cli = run_zt6("calc", "--size", "99x1", check=False)
    with pytest.raises(zt6.Error) as refused:
        zt6.calc(size="99x1")
    assert isinstance(refused.value, ValueError)
    assert str(refused.value) == cli.stderr.decode().strip()
    assert '"99x1"' in str(refused.value) and "12x14" in str(refused.value)


@pytest.mark.parametrize("assignment, problem", [
    ({"nope": 1}, 'unknown name "nope"'),
    ({"MReV": 1}, '"MReV" is a result and cannot be set'),
    ({"z": "many"}, 'bad value "many" for z'),
])
def test_a_refused_assignment_is_the_command_lines_message(assignment, problem):
    (name, value), = assignment.items()
    cli = run_zt6("calc", "--size", "12x14", "--set", f"{name}={value}", check=False)
    with pytest.raises(zt6.Error) as refused:
        zt6.calc(size="12x14", set=assignment)
    assert str(refused.value) == cli.stderr.decode().strip()
    assert problem in str(refused.value)


def test_a_fatal_run_raises_with_its_message_and_others_come_back_in_the_dict():
    # The tip diameter of the hub above that of the shaft leaves no tooth.
    fatal = cli_calc("--size", "12x14", "--set", "Dii=15")
    assert fatal["fatal"]
    with pytest.raises(zt6.Error) as refused:
        zt6.calc(size="12x14", set={"Dii": 15})
    assert str(refused.value) == "\n".join(fatal["messages"])
    assert zt6.calc(size="12x14")["fatal"] is False


@pytest.mark.parametrize("call", [
    lambda f: zt6.calc(f),
    lambda f: zt6.report(f),
    lambda f: zt6.drawing(f, 1),
    lambda f: zt6.Design.open(f),
], ids=["calc", "report", "drawing", "Design.open"])
def test_a_missing_file_is_file_not_found(call, tmp_path):
    missing = str(tmp_path / "missing.zt6")
    with pytest.raises(FileNotFoundError) as refused:
        call(missing)
    assert refused.value.filename == missing


def test_a_file_that_is_no_project_is_an_error(tmp_path):
    garbage = tmp_path / "garbage.zt6"
    garbage.write_bytes(b"\x00\x01 not a project\n" * 50)
    cli = run_zt6("calc", str(garbage), check=False)
    with pytest.raises(zt6.Error) as refused:
        zt6.calc(garbage)
    assert str(refused.value) == cli.stderr.decode().strip()


def test_calc_many_keeps_the_order_with_one_thread_or_two(tmp_path):
    files = EXAMPLE_FILES * 3 + [str(tmp_path / "missing.zt6")]
    one = zt6.calc_many(files, jobs=1)
    two = zt6.calc_many(files, jobs=2)
    assert one == two
    assert [line["file"] for line in one] == files
    cli = [json.loads(line) for line in
           run_zt6("calc", *files, "--jobs", "2", check=False).stdout.splitlines()]
    assert one == cli
    assert one[-1]["exit"] == 1 and "error" in one[-1] and "results" not in one[-1]


def test_calc_many_releases_the_interpreter_while_it_works():
    import threading
    ticks = []
    stop = threading.Event()

    def ticker():
        while not stop.is_set():
            ticks.append(1)
            stop.wait(0.001)

    thread = threading.Thread(target=ticker)
    thread.start()
    before = len(ticks)
    zt6.calc_many(EXAMPLE_FILES * 400, jobs=1)
    stop.set()
    thread.join()
    assert len(ticks) - before > 5


def test_fit_as_the_command_line():
    limits = zt6.fit(12, "A11")
    text = run_zt6("fit", "12", "A11").stdout.decode()
    assert f"lower limit: {limits['lower']:.4f} mm" in text
    assert f"upper limit: {limits['upper']:.4f} mm" in text
    assert f"upper deviation: +{limits['upper_deviation']:g} µm" in text
    assert limits["message"] == ""
    cli = run_zt6("fit", "12", "Q99", check=False)
    with pytest.raises(zt6.Error) as refused:
        zt6.fit(12, "Q99")
    assert str(refused.value) == cli.stderr.decode().strip()


@pytest.mark.parametrize("form", ["text", "tsv", "html"])
@pytest.mark.parametrize("language", [1, 2])
def test_reports_are_the_command_lines_bytes(form, language):
    encoding = "cp1252" if form == "html" else "utf-8"
    for example in EXAMPLE_FILES:
        cli = run_zt6("report", example, "--format", form, "--language", str(language),
                      check=False)
        if cli.returncode != 0:
            with pytest.raises(zt6.Error):
                zt6.report(example, format=form, language=language)
            continue
        assert isinstance(zt6.report(example, format=form, language=language), str)
        assert same_as_command_line(
            lambda: zt6.report(example, format=form, language=language),
            "report", example, "--format", form, "--language", str(language),
            decode=encoding), example
    assert same_as_command_line(
        lambda: zt6.report(size="15x17", set={"l": 20}, format=form, language=language),
        "report", "--size", "15x17", "--set", "l=20", "--format", form,
        "--language", str(language), decode=encoding)


@pytest.mark.parametrize("form", ["svg", "dxf", "igs", "txt"])
def test_drawings_are_the_command_lines_bytes(form):
    example = next(f for f in EXAMPLE_FILES if f.endswith("welle_12x14.zt6"))
    decode = "utf-8" if form == "svg" else None
    for n in (1, 5, 8, 9, 14, 17):
        assert same_as_command_line(
            lambda: zt6.drawing(example, n, format=form),
            "cad", example, "--drawing", str(n), "--format", form, "--language", "1",
            decode=decode), n
    assert isinstance(zt6.drawing(example, 9), str)
    assert isinstance(zt6.drawing(example, 9, format="dxf"), bytes)
    assert same_as_command_line(
        lambda: zt6.drawing(None, 9, size="21x24", set={"l": 30}, format=form, language=2),
        "cad", "--size", "21x24", "--set", "l=30", "--drawing", "9", "--format", form,
        "--language", "2", decode=decode)


@pytest.mark.parametrize("call, problem", [
    (lambda: zt6.drawing(None, 1), "needs a project file or a size"),
    (lambda: zt6.drawing(None, 18, size="12x14"), "1..17"),
    (lambda: zt6.drawing(None, 1, size="12x14", format="pdf"), 'unknown format "pdf"'),
    (lambda: zt6.report(size="12x14", format="xlsx"), 'unknown format "xlsx"'),
    (lambda: zt6.report(size="12x14", language=3), "1 (German) or 2 (English)"),
    (lambda: zt6.calc(size="12x14", cls="mittel"), 'unknown class "mittel"'),
])
def test_refused_arguments_say_why(call, problem):
    with pytest.raises(zt6.Error, match=problem.replace("(", r"\(").replace(")", r"\)")):
        call()


def test_design_inputs_calc_save_and_open(tmp_path):
    design = zt6.Design(size="21x24", cls="grob")
    design.l = 30
    design.shaft.Re = 300
    assert design.l == 30 and design["shaft.Re"] == 300
    assert design.Dii == zt6.calc(size="21x24")["inputs"]["Dii"]
    result = design.calc()
    assert result == zt6.calc(size="21x24", cls="grob", set={"l": 30, "shaft.Re": 300})
    with pytest.raises(AttributeError):
        design.MReV = 1
    with pytest.raises(AttributeError):
        design.nonsense

    saved = tmp_path / "saved.zt6"
    design.save(saved)
    assert zt6.Design.open(saved).calc() == result
    assert cli_calc(str(saved)) == result

    # A project keeps what the design does not change: its documentation records.
    # Short names in the working folder: the change list's header names the file.
    example = next(f for f in EXAMPLE_FILES if f.endswith("getriebe_mit_aenderungen.zt6"))
    shutil.copy(example, "original.zt6")
    changed = zt6.Design.open("original.zt6")
    changed.l = changed.l + 1
    changed.save("changed.zt6")
    changes = run_zt6("report", "changed.zt6", "--changes").stdout.splitlines()
    original = run_zt6("report", "original.zt6", "--changes").stdout.splitlines()
    assert len(original) > 10
    assert changes == [line.replace(b"original.zt6", b"changed.zt6 ") for line in original]


def test_design_shows_in_a_notebook():
    design = zt6.Design(size="12x14", l=20)
    table = design._repr_html_()
    results = design.calc()["results"]
    assert table.startswith("<table>") and "<caption>12x14</caption>" in table
    assert f"<td>MReV</td><td>{results['MReV']:.6g}</td>" in table
    assert f"<td>shaft.Seq</td><td>{results['shaft']['Seq']:.6g}</td>" in table
    assert table.count("<tr>") == 1 + sum(
        len(v) if isinstance(v, dict) else 1 for v in results.values())
    assert design._repr_svg_() == zt6.drawing(None, 9, size="12x14", set={"l": 20})
    fatal = zt6.Design(size="12x14", Dii=15)
    assert "zt6.Error" in fatal._repr_html_() and fatal._repr_svg_() is None


def test_every_function_has_a_docstring():
    for name in zt6.__all__:
        assert getattr(zt6, name).__doc__, name
    for name in ("calc", "save", "open", "report", "drawing"):
        assert getattr(zt6.Design, name).__doc__, name


def test_the_example_script_prints_the_safeties_of_each_hub_length():
    script = os.path.join(os.environ["ZT6_SOURCE_DIR"], "examples", "hub_length.py")
    done = subprocess.run([sys.executable, script], capture_output=True, check=True, text=True)
    lines = done.stdout.splitlines()
    assert len(lines) > 5
    first = lines[1].split()
    results = zt6.calc(size="21x24", set={"TN": 100, "Tmax": 200, "shaft.Re": 590, "hub.Re": 355,
                                          "l": float(first[0])})["results"]
    assert results["shaft"]["Seq"] > 1
    assert [float(v) for v in first[1:]] == pytest.approx(
        [results["shaft"]["Seq"], results["shaft"]["Smax"], results["hub"]["Seq"],
         results["hub"]["Smax"]], abs=0.005)
