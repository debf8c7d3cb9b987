#!/usr/bin/env python3
"""Writes src/calc/iso286_tables.cpp from the ISO 286 CSV files beside this script.

The CSV files list fundamental deviations on the fine range grid; each position is held
on the grid it uses, so the script checks that the fine rows inside one range agree, that
rows split only by grade class agree, and that values the program derives by rule (h, H,
k and K outside their tabled grades, delta flags) match the files. Any mismatch stops it.

Usage: make_iso286_tables.py [OUTPUT]   (default: ../../src/calc/iso286_tables.cpp)
"""

import csv
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_OUTPUT = os.path.join(HERE, "..", "..", "src", "calc", "iso286_tables.cpp")

MAIN = [3, 6, 10, 18, 30, 50, 80, 120, 180, 250, 315, 400, 500, 630, 800, 1000, 1250, 1600,
        2000, 2500, 3150]
INTERMEDIATE = [3, 6, 10, 18, 30, 40, 50, 65, 80, 100, 120, 140, 160, 180, 200, 225, 250, 280,
                315, 355, 400, 450, 500, 560, 630, 710, 800, 900, 1000, 1120, 1250, 1400, 1600,
                1800, 2000, 2240, 2500, 2800, 3150]
FULL = sorted(INTERMEDIATE + [14, 24])
SCHEMES = {"Main": MAIN, "Intermediate": INTERMEDIATE, "Full": FULL}

# Grid per position; cd, ef, fg are held only as far as ZT6 accepts them (10 mm).
SHAFT_SCHEME = {
    **{p: "Intermediate" for p in ["a", "b", "c", "r", "s"]},
    **{p: "Main" for p in ["cd", "ef", "fg", "d", "e", "f", "g", "m", "n", "p"]},
    **{p: "Full" for p in ["t", "u", "v", "x", "y", "z", "za", "zb", "zc"]},
}
HOLE_SCHEME = {p.upper(): s for p, s in SHAFT_SCHEME.items()}
HOLE_SCHEME.update({"K": "Main"})
UP_TO_10 = {"cd", "ef", "fg", "CD", "EF", "FG"}
DELTA_GRADES = {"K": 8, "M": 8, "N": 8}  # highest grade with delta; P … ZC: 7


class DataError(Exception):
    pass


def number(text, where):
    try:
        return float(text)
    except ValueError:
        raise DataError(f"{where}: not a number: {text!r}")


def read_rows(name):
    with open(os.path.join(HERE, name), newline="", encoding="utf-8") as f:
        return list(csv.DictReader(f))


def collapse(position, cells, scheme, limit=None):
    """cells: {(over, upto): value} on the fine grid -> (firstRange, [values]) on scheme."""
    grid = SCHEMES[scheme]
    if limit is not None:
        cells = {k: v for k, v in cells.items() if k[1] <= limit}
    if not cells:
        raise DataError(f"{position}: no values")
    lo = min(k[0] for k in cells)
    hi = max(k[1] for k in cells)
    bounds = [0] + grid
    if lo not in bounds or hi not in bounds:
        raise DataError(f"{position}: rows {lo}..{hi} do not fit the {scheme} grid")
    first = bounds.index(lo)
    values = []
    for i in range(first, bounds.index(hi)):
        r_lo, r_hi = bounds[i], bounds[i + 1]
        inside = sorted(k for k in cells if r_lo <= k[0] and k[1] <= r_hi)
        covered = r_lo
        for over, upto in inside:
            if over != covered:
                raise DataError(f"{position}: gap in range {r_lo}..{r_hi}")
            covered = upto
        if covered != r_hi:
            raise DataError(f"{position}: range {r_lo}..{r_hi} not covered")
        found = {cells[k] for k in inside}
        if len(found) != 1:
            raise DataError(f"{position}: range {r_lo}..{r_hi} holds differing values {found}")
        values.append(found.pop())
    return first, values


def put(cells, row, where):
    key = (int(row["over_mm"]), int(row["upto_mm"]))
    value = number(row["value_um"], where)
    if key in cells and cells[key] != value:
        raise DataError(f"{where}: {key} is {cells[key]} and {value}")
    cells[key] = value


def range_of(row):
    return int(row["over_mm"]), int(row["upto_mm"])


def shaft_tables(rows):
    general, graded = {}, []
    by_position = {}
    for i, row in enumerate(rows, start=2):
        by_position.setdefault(row["position"], []).append((i, row))
    for position, items in by_position.items():
        where = f"shaft {position}"
        if position == "js":
            continue  # +-IT/2, a rule
        if position == "h":
            if any(number(r["value_um"], where) != 0 for _, r in items):
                raise DataError("shaft h must be 0")
            continue
        if position == "j":
            for grades, lo, hi in (("5,6", 5, 6), ("7", 7, 7), ("8", 8, 8)):
                cells = {}
                for i, r in items:
                    if r["grades"] == grades:
                        put(cells, r, f"{where} line {i}")
                first, values = collapse("j" + grades, cells, "Main")
                graded.append(("j", lo, hi, "Main", first, values))
            continue
        if position == "k":
            cells = {}
            for i, r in items:
                if r["grades"] == "4-7":
                    put(cells, r, f"{where} line {i}")
                elif number(r["value_um"], where) != 0:
                    raise DataError(f"{where} line {i}: k outside grades 4-7 must be 0")
            first, values = collapse("k", cells, "Main")
            graded.append(("k", 4, 7, "Main", first, values))
            continue
        cells = {}
        for i, r in items:
            if r["grades"] != "all":
                raise DataError(f"{where} line {i}: unexpected grades {r['grades']}")
            put(cells, r, f"{where} line {i}")
        scheme = SHAFT_SCHEME[position]
        first, values = collapse(position, cells, scheme, 10 if position in UP_TO_10 else None)
        general[position] = (scheme, first, values)
    return general, graded


def hole_tables(rows):
    general, graded = {}, []
    by_position = {}
    for i, row in enumerate(rows, start=2):
        by_position.setdefault(row["position"], []).append((i, row))
    for position, items in by_position.items():
        where = f"hole {position}"
        if position == "JS":
            continue
        if position == "H":
            if any(number(r["value_um"], where) != 0 for _, r in items):
                raise DataError("hole H must be 0")
            continue
        if position == "J":
            for grade in (6, 7, 8):
                cells = {}
                for i, r in items:
                    if r["grades"] == str(grade):
                        put(cells, r, f"{where} line {i}")
                first, values = collapse(f"J{grade}", cells, "Main")
                graded.append(("J", grade, grade, "Main", first, values))
            continue
        top = DELTA_GRADES.get(position, 7)
        cells, special_m, over8_n = {}, {}, {}
        for i, r in items:
            line = f"{where} line {i}"
            g = r["grades"]
            over, upto = range_of(r)
            adds = r["add_delta"] == "1"
            if g == "all":
                if adds:
                    raise DataError(f"{line}: delta flagged outside the delta grades")
                put(cells, r, line)
            elif g == f"<={top}":
                # Delta is added for 3 < size <= 500; in the first range it is 0.
                if adds != (over >= 3) or upto > 500:
                    raise DataError(f"{line}: delta flag does not follow the rule")
                put(cells, r, line)
            elif g == f">{top}":
                if adds:
                    raise DataError(f"{line}: delta flagged above grade {top}")
                if position == "K":
                    if number(r["value_um"], line) != 0:
                        raise DataError(f"{line}: K above grade 8 must be 0")
                elif position == "N":
                    put(over8_n, r, line)
                else:
                    put(cells, r, line)
            elif position == "M" and g == "6":
                put(special_m, r, line)
            else:
                raise DataError(f"{line}: unexpected grades {g}")
        scheme = HOLE_SCHEME.get(position)
        if scheme is None:
            raise DataError(f"{where}: unknown position")
        first, values = collapse(position, cells, scheme, 10 if position in UP_TO_10 else None)
        general[position] = (scheme, first, values)
        if over8_n:
            first, values = collapse("N9-11", over8_n, "Main")
            graded.append(("N", 9, 11, "Main", first, values))
        if special_m:
            first, values = collapse("M6", special_m, "Main")
            graded.append(("M", 6, 6, "Main", first, values))
    return general, graded


def read_it():
    rows = read_rows("iso286_it.csv")
    table = []
    for i, r in enumerate(rows):
        if (int(r["over_mm"]), int(r["upto_mm"])) != (([0] + MAIN)[i], MAIN[i]):
            raise DataError(f"iso286_it.csv line {i + 2}: range is not main range {i + 1}")
        table.append([number(r[f"IT{g}"], f"IT{g}") for g in range(1, 19)])
    if len(table) != len(MAIN):
        raise DataError("iso286_it.csv: wrong number of ranges")
    return table


def read_delta():
    rows = read_rows("iso286_hole_delta.csv")
    table = []
    for i, r in enumerate(rows):
        if (int(r["over_mm"]), int(r["upto_mm"])) != (([0] + MAIN)[i], MAIN[i]):
            raise DataError(f"iso286_hole_delta.csv line {i + 2}: range is not main range {i + 1}")
        table.append([number(r[f"delta{g}"], f"delta{g}") for g in range(3, 9)])
    if len(table) != 13:
        raise DataError("iso286_hole_delta.csv: expected the 13 ranges up to 500 mm")
    if any(table[0]):
        raise DataError("iso286_hole_delta.csv: delta up to 3 mm must be 0")
    return table


def literal(v):
    return str(int(v)) if v == int(v) else repr(v)


def array_lines(values, indent="    ", per_line=10):
    parts = [literal(v) for v in values]
    return [indent + ", ".join(parts[i:i + per_line]) + "," for i in range(0, len(parts), per_line)]


def identifier(position, lo=None, hi=None):
    kind = "Hole" if position[0].isupper() else "Shaft"
    name = f"k{kind}{position.capitalize()}"
    if lo is not None:
        name += f"Grade{lo}" if lo == hi else f"Grades{lo}To{hi}"
    return name


def emit(it, delta, shaft, shaft_graded, hole, hole_graded):
    out = ["// Generated by data/iso286/make_iso286_tables.py from data/iso286/*.csv; edit the",
           "// CSV files and run the script instead of editing this file.",
           "",
           '#include "calc/iso286_tables.h"',
           "",
           "namespace zt6::iso286 {",
           "namespace {",
           ""]
    rows, graded_rows = [], []
    for general in (shaft, hole):
        for position, (scheme, first, values) in general.items():
            name = identifier(position)
            out.append(f"constexpr double {name}[] = {{")
            out += array_lines(values)
            out.append("};")
            rows.append(f'    {{"{position}", RangeScheme::{scheme}, {first}, {name}}},')
    for position, lo, hi, scheme, first, values in shaft_graded + hole_graded:
        name = identifier(position, lo, hi)
        out.append(f"constexpr double {name}[] = {{")
        out += array_lines(values)
        out.append("};")
        graded_rows.append(
            f'    {{"{position}", {lo}, {hi}, RangeScheme::{scheme}, {first}, {name}}},')
    out += ["",
            f"constexpr std::array<DeviationRow, {len(rows)}> kDeviationRows = {{{{"]
    out += rows
    out += ["}};", "",
            f"constexpr std::array<GradedRow, {len(graded_rows)}> kGradedRows = {{{{"]
    out += graded_rows
    out += ["}};", "", "constexpr StandardToleranceTable kStandardTolerances = {{"]
    for row in it:
        out.append("    {" + ", ".join(literal(v) for v in row[:9]) + ",")
        out.append("     " + ", ".join(literal(v) for v in row[9:]) + "},")
    out += ["}};", "", "constexpr DeltaTable kDeltas = {{"]
    for row in delta:
        out.append("    {" + ", ".join(literal(v) for v in row) + "},")
    out += ["}};",
            "",
            "}  // namespace",
            "",
            "std::span<const int> RangeLimits(RangeScheme scheme) {",
            "  switch (scheme) {",
            "    case RangeScheme::Main:",
            "      return kMainLimits;",
            "    case RangeScheme::Intermediate:",
            "      return kIntermediateLimits;",
            "    case RangeScheme::Full:",
            "      return kFullLimits;",
            "  }",
            "  return kMainLimits;",
            "}",
            "",
            "const StandardToleranceTable& StandardTolerances() { return kStandardTolerances; }",
            "const DeltaTable& Deltas() { return kDeltas; }",
            "std::span<const DeviationRow> DeviationRows() { return kDeviationRows; }",
            "std::span<const GradedRow> GradedRows() { return kGradedRows; }",
            "",
            "}  // namespace zt6::iso286",
            ""]
    return "\n".join(out)


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_OUTPUT
    try:
        it = read_it()
        delta = read_delta()
        shaft, shaft_graded = shaft_tables(read_rows("iso286_shaft_dev.csv"))
        hole, hole_graded = hole_tables(read_rows("iso286_hole_dev.csv"))
    except DataError as e:
        sys.exit(f"make_iso286_tables: {e}")
    text = emit(it, delta, shaft, shaft_graded, hole, hole_graded)
    with open(output, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


if __name__ == "__main__":
    main()
