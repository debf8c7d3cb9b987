#!/usr/bin/env python3
"""Derives ZT6's shipped table sources (data/tables/*.csv) from the public data in
data/tables/sources/ and the rules stated in data/tables/SOURCES.md.

Run by hand, not by the build: the build only turns the CSV files into dBASE tables.
After changing a rule or a source file, run

    python3 data/tables/derive_tables.py            # rewrites the nine CSV files
    python3 data/tables/derive_tables.py --check build/zt6
                                                    # also calculates every size

and review the diff (--out DIR writes the files to DIR instead, for comparing them with
the shipped ones). Rows corrected by hand in a CSV file are overwritten by a
new run: carry such corrections into sources/ (or into a rule here) first.

--check runs `zt6 calc` once per size in self-defined mode with the row's
dimensions and total tolerances (TGe as given and doubled, as class "grob"
doubles it) and reports its run messages; it fails when a size gives
"Fehler : Dii < DFe !" or "Fehler : Dee > DFi !" or is refused. The runs carry no
load (TN = 0), so the load safeties ("Seq<1", "Smax<1") are not met; those messages
are counted, not listed.

Standard library only.
"""

import argparse
import csv
import json
import math
import subprocess
import sys
from decimal import ROUND_HALF_EVEN, Decimal
from pathlib import Path

HERE = Path(__file__).resolve().parent
SOURCES = HERE / "sources"
# Where the CSV files are written (and read by --check); --out changes it.
output = HERE

INTERFERENCE = ("Fehler : Dii < DFe !", "Fehler : Dee > DFi !")

# Accuracy grades (ISO 1328-1) of the three deviation tables.
GRADE_SHAFT_FINE = 7
GRADE_SHAFT_COARSE = 9
GRADE_HUB = 8
# Runout: grade, module and the diameter range limits (those of ISO 1328-1).
GRADE_RUNOUT = 8
MODULE_RUNOUT = 2.0
RUNOUT_LIMITS = (5, 20, 50, 125)
# Engaged widths b (mm) of the three F beta columns.
FACE_WIDTHS = (10, 20, 50)
# The hub tip diameter from which the space angle is 55 instead of 60 degrees.
SPACE_ANGLE_SPLIT = 60
# Field 10 of the size table: the source a row was checked against, or that it was not.
PUBLISHED_SOURCE = "DIN5481-05"
UNVERIFIED = "ungeprueft"


def Dec(value):
    return Decimal(str(value))


def RoundToStep(value, step):
    """Nearest multiple of step, halves to the even multiple."""
    step = Dec(step)
    return (Dec(value) / step).quantize(Decimal(1), rounding=ROUND_HALF_EVEN) * step


# ---- ISO 286 -----------------------------------------------------------------

def StandardToleranceIT9(diameter):
    """IT9 in mm by the standard tolerance formula at the diameter itself, unrounded:
    40 i with i = 0.45 D^(1/3) + 0.001 D (µm), as the dimensions dialog proposes it."""
    i = 0.45 * diameter ** (1.0 / 3.0) + 0.001 * diameter
    return 40 * i / 1000


def PinDiameter(D, z):
    """1.15 times half the pitch on a 0.1 mm grid (halves to even)."""
    pitch = math.pi * D / z
    return round(11.5 * (pitch * 0.5)) * 0.1


# ---- ISO 1328-1 (1995 edition formulas) --------------------------------------

def GradeFactor(grade):
    return 2 ** ((grade - 5) / 2)


def Iso1328Round(value):
    """Above 10 µm to whole µm, from 5 to 10 µm to 0.5 µm, below 5 µm to 0.1 µm."""
    if value > 10:
        return RoundToStep(value, 1)
    if value >= 5:
        return RoundToStep(value, "0.5")
    return RoundToStep(value, "0.1")


def ProfileDeviation(m, d, grade):
    return Iso1328Round((3.2 * math.sqrt(m) + 0.22 * math.sqrt(d) + 0.7) * GradeFactor(grade))


def CumulativePitchDeviation(m, d, grade):
    return (0.3 * m + 1.25 * math.sqrt(d) + 7) * GradeFactor(grade)


def HelixDeviation(d, b, grade):
    return Iso1328Round((0.1 * math.sqrt(d) + 0.63 * math.sqrt(b) + 4.2) * GradeFactor(grade))


# ---- sources -----------------------------------------------------------------

def ReadCsv(path):
    with open(path, newline="", encoding="utf-8") as f:
        return list(csv.DictReader(f))


def Disagreement(designation, what, first, second):
    sys.exit(f"derive_tables.py: {designation}: {what} differs between the sources "
             f"({first} and {second}); settle it in sources/ first")


def Sizes():
    """The size rows. d1, d3 and z come from the size list; for the sizes of the published
    shaft table, z, d3 and the pitch diameter must agree with it, and its D, gamma e and
    re max stand. The other sizes take D from the second tabulation of pitch diameters and
    gamma e by the stated rule."""
    published = {row["size"]: row for row in ReadCsv(SOURCES / "din5481_2005_shaft.csv")}
    pitch = {row["designation"]: Dec(row["D_mm"])
             for row in ReadCsv(SOURCES / "din5481_pitch_diameters.csv")}
    sizes = []
    for row in ReadCsv(SOURCES / "din5481_sizes.csv"):
        designation = row["designation"]
        Dii = Dec(row["d1_hub_tip_mm"])
        Dee = Dec(row["d3_shaft_tip_mm"])
        z = int(row["z"])
        if designation not in pitch:
            sys.exit(f"derive_tables.py: {designation} has no pitch diameter")
        size = {
            "designation": designation,
            "Dii": Dii,
            "Dee": Dee,
            "D": pitch[designation],
            "z": z,
            "gamma_e": Dec(55 if Dii >= SPACE_ANGLE_SPLIT else 60),
            "re_max": Dec(0),
            "status": UNVERIFIED,
        }
        shaft = published.pop(designation, None)
        if shaft:
            for what, ours, theirs in (("z", z, int(shaft["z"])),
                                       ("d3", Dee, Dec(shaft["d3_mm"])),
                                       ("D", size["D"], Dec(shaft["D_mm"]))):
                if ours != theirs:
                    Disagreement(designation, what, ours, theirs)
            size.update(gamma_e=Dec(shaft["gamma_e_deg"]), re_max=Dec(shaft["Re_max_mm"]),
                        status=PUBLISHED_SOURCE)
        sizes.append(size)
    if published:
        sys.exit(f"derive_tables.py: published sizes missing from the size list: {list(published)}")
    if len(pitch) != len(sizes):
        sys.exit("derive_tables.py: the pitch diameter list and the size list differ")
    return sizes


# Material number -> (group, former number or designation named by the source).
MATERIAL_GROUPS = {
    "1.0038": (1, "1.0037"),
    "1.0044": (1, ""),
    "1.0045": (1, ""),
    "1.0577": (1, ""),
    "1.1151": (2, ""),
    "1.1181": (2, ""),
    "1.1191": (2, ""),
    "1.1221": (2, ""),
    "1.7218": (3, ""),
    "1.7033": (3, ""),
    "1.7225": (3, ""),
    "1.6582": (3, ""),
    "1.6580": (3, ""),
    "1.8159": (4, ""),
    "1.4301": (5, ""),
    "1.4021": (6, ""),
    "1.0446": (7, "GS-45"),
    "1.6220": (7, ""),
    "1.7131": (9, ""),
    "1.7147": (9, ""),
    "1.6587": (9, ""),
    "5.3106": (15, "GGG-40"),
    "5.3200": (15, "GGG-50"),
    "5.3300": (15, "GGG-60"),
    "5.3400": (15, "GGG-70"),
    "0.6020": (16, "GG-20"),
    "0.6025": (16, "GG-25"),
    "0.6030": (16, "GG-30"),
}

# Condition texts longer than the 35 characters of the table field.
CONDITION_SHORT = {
    "1.4301": "austenitic; annealed",  # minimum Rm 520 stands in its own field
}

# Type, name, shaft fS, hub fS, surface hardened (fH 1.15 on both parts).
MATERIAL_TYPES = [
    (1, "Baustahl", 1.2, 1.5, False),
    (2, "Vergütungsstahl unl.", 1.2, 1.5, False),
    (3, "Vergütungsstahl leg.", 1.2, 1.5, False),
    (4, "Federstahl", 1.2, 1.5, False),
    (5, "Nichtrost. austenit.", 1.2, 1.5, False),
    (6, "Nichtrost. martensit", 1.2, 1.5, False),
    (7, "Stahlguss", 1.2, 1.5, False),
    (8, "Randschichtgehärtet", 1.2, 1.5, True),
    (9, "Einsatzgehärtet", 1.2, 1.5, True),
    (15, "Gusseisen GJS", 1.2, 1.5, False),
    (16, "Gusseisen GJL", 1.2, 2.0, False),
]


# ---- writing -----------------------------------------------------------------

def Fixed(value, decimals):
    return f"{Dec(value).quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_EVEN):f}"


def WriteTable(name, fields, rows):
    """fields: "NAME:T:LEN[:DEC]" texts; rows: lists of value texts."""
    for field in fields:
        assert len(field.split(":")[0]) <= 10, field
    for row in rows:
        assert len(row) == len(fields), (name, row)
        for field, value in zip(fields, row):
            parts = field.split(":")
            assert len(value) <= int(parts[2]), (name, field, value)
    with open(output / f"{name}.csv", "w", newline="", encoding="utf-8") as f:
        writer = csv.writer(f, lineterminator="\n")
        writer.writerow(fields)
        writer.writerows(rows)


def Derive():
    sizes = Sizes()

    WriteTable("din5481",
               ["DESIG:C:10", "DII:N:6:2", "DEE:N:6:2", "D:N:6:2", "Z:N:3:0", "GAMMAE:N:5:1",
                "RIMAX:N:6:3", "REMAX:N:6:3", "PREFIX:C:10", "STATUS:C:10"],
               [[s["designation"], Fixed(s["Dii"], 2), Fixed(s["Dee"], 2), Fixed(s["D"], 2),
                 str(s["z"]), Fixed(s["gamma_e"], 1), Fixed(0, 3), Fixed(s["re_max"], 3), "",
                 s["status"]] for s in sizes])

    tol_rows = []
    for s in sizes:
        D, z = float(s["D"]), s["z"]
        TG = Fixed(StandardToleranceIT9(D), 4)
        DR = Fixed(PinDiameter(D, z), 2)
        tol_rows.append([s["designation"], TG, TG, DR, DR])
    WriteTable("zt6tol", ["DESIG:C:10", "TGI:N:8:4", "TGE:N:8:4", "DRI:N:6:2", "DRE:N:6:2"],
               tol_rows)

    deviation_fields = ["DESIG:C:10", "FALPHA:N:6:1", "FP:N:6:1", "FBETA10:N:6:1",
                        "FBETA20:N:6:1", "FBETA50:N:6:1"]
    for name, grade in (("zt6f1f", GRADE_SHAFT_FINE), ("zt6f1g", GRADE_SHAFT_COARSE),
                        ("zt6f2f", GRADE_HUB)):
        rows = []
        for s in sizes:
            D = float(s["D"])
            m = D / s["z"]
            values = [ProfileDeviation(m, D, grade),
                      Iso1328Round(CumulativePitchDeviation(m, D, grade))]
            values += [HelixDeviation(D, b, grade) for b in FACE_WIDTHS]
            rows.append([s["designation"]] + [Fixed(v, 1) for v in values])
        WriteTable(name, deviation_fields, rows)

    runout_rows = []
    for k, lower in enumerate(RUNOUT_LIMITS):
        if k + 1 < len(RUNOUT_LIMITS):
            upper = RUNOUT_LIMITS[k + 1]
            Fp = CumulativePitchDeviation(MODULE_RUNOUT, upper, GRADE_RUNOUT)
            runout_rows.append([Fixed(lower, 1), Fixed(Iso1328Round(0.8 * Fp), 1)])
        else:
            # Closing limit: its Fr is never read, a larger D gets Fr = 0.
            runout_rows.append([Fixed(lower, 1), Fixed(0, 1)])
    WriteTable("zt6fr", ["DFROM:N:7:1", "FR:N:6:1"], runout_rows)

    material_rows = []
    known_types = {t[0] for t in MATERIAL_TYPES}
    for row in ReadCsv(SOURCES / "materials.csv"):
        number = row["material_number"]
        strength = row["strength_value_for_calc"]
        if not strength:
            continue  # no sourced strength: not shipped
        group, former = MATERIAL_GROUPS[number]
        assert group in known_types, number
        condition = CONDITION_SHORT.get(number, row["condition_as_given"])
        if row["basis"] == "Rm":
            condition += "; Re field holds Rm"  # no yield point
        material_rows.append([number, row["short_name"], former, str(group), row["Rm_Nmm2"],
                              strength, "", "", "", "", "", row["standard"], condition])
    WriteTable("wst1base",
               ["WSTNR:C:9", "NAME:C:18", "ALTNR:C:9", "TYP:N:2:0", "RM:N:5:0", "RE:N:5:0",
                "FELD7:N:5:0", "FELD8:N:8:2", "FELD9:N:8:2", "FELD10:N:8:2", "FELD11:N:8:2",
                "NORM:C:35", "ZUSTAND:C:35"],
               material_rows)

    WriteTable("zt5wstyp",
               ["TYP:N:2:0", "GRUPPE:C:20", "FS3:N:5:2", "FH3:N:5:2", "FSWELLE:N:5:2",
                "FHNABE:N:5:2", "FSNABE:N:5:2", "FHWELLE:N:5:2"],
               [[str(t), name, "", "", Fixed(fs_shaft, 2), Fixed(1.15 if hard else 1.0, 2),
                 Fixed(fs_hub, 2), Fixed(1.15 if hard else 1.0, 2)]
                for t, name, fs_shaft, fs_hub, hard in MATERIAL_TYPES])

    WriteTable("printout",
               ["NAME:C:25", "XSCALE:N:8:3", "YSCALE:N:8:3", "XORIGIN:N:5:0", "YORIGIN:N:5:0",
                "LANDSCAPE:L:1", "MONOCHROM:L:1", "VARIABLE:L:1", "BORDERLINE:L:1"],
               [["A4 quer angepasst", "1.000", "1.000", "0", "0", "T", "T", "T", "F"],
                ["A4 hoch angepasst", "1.000", "1.000", "0", "0", "F", "T", "T", "F"],
                ["A4 quer 1:1 mit Rahmen", "1.000", "1.000", "0", "0", "T", "T", "F", "T"]])
    return sizes


def Check(zt6):
    """Calculates every size row self-defined; returns the number of failing runs."""
    def Table(name):
        with open(output / f"{name}.csv", newline="", encoding="utf-8") as f:
            return list(csv.reader(f))[1:]

    failures = 0
    for size, tol in zip(Table("din5481"), Table("zt6tol")):
        assert size[0] == tol[0], (size[0], tol[0])
        for label, factor in (("fein", 1), ("grob", 2)):
            TGe = Fixed(Dec(tol[2]) * factor, 4)
            settings = {"dimension_source": "2", "table_row": "0", "Dii": size[1],
                        "Dee": size[2], "D": size[3], "z": size[4], "gamma_e": size[5],
                        "ri_max": size[6], "re_max": size[7], "TGi": tol[1], "TGe": TGe,
                        "DRi": tol[3], "DRe": tol[4],
                        # The engaged width the dimensions dialog proposes: 2 D.
                        "l": Fixed(2 * Dec(size[3]), 2)}
            command = [zt6, "calc", "--json"]
            for name, value in settings.items():
                command += ["--set", f"{name}={value}"]
            run = subprocess.run(command, capture_output=True, text=True)
            try:
                result = json.loads(run.stdout)
            except json.JSONDecodeError:
                print(f"{size[0]:8} {label}: zt6 failed ({run.returncode}): {run.stderr.strip()}")
                failures += 1
                continue
            messages = result["messages"]
            bad = [m for m in messages if m in INTERFERENCE or m.startswith("Fatal")]
            if result["fatal"]:
                bad.append("fatal")
            load = [m for m in messages if "Seq<1" in m or "Smax<1" in m]
            others = [m for m in messages if m not in load]
            r = result["results"]
            print(f"{size[0]:8} {label}: Diimin {r['Diimin']:.4f} DFemax {r['DFemax']:.4f} "
                  f"DFimin {r['DFimin']:.4f} Deemax {r['Deemax']:.4f}; "
                  f"{len(load)} load message(s); other messages: {others or 'none'}")
            if bad:
                failures += 1
    return failures


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--check", metavar="ZT6", help="calculate every size with this zt6")
    parser.add_argument("--out", metavar="DIR", type=Path,
                        help="write the CSV files there instead of beside the script")
    args = parser.parse_args()
    global output
    if args.out:
        output = args.out
    Derive()
    if args.check:
        failures = Check(args.check)
        print(f"{failures} failing calculation(s)")
        return 1 if failures else 0
    return 0


if __name__ == "__main__":
    sys.exit(main())
