#!/usr/bin/env bash
# Builds ZT6 and times it against the tools an engineer would use instead, side by side
# in one run, and prints each ratio with its figures (medians of several runs; whole
# processes are timed with hyperfine). Usage: bench/run.sh [--quick]
#   DXF writer, 100,000 LINE entities      vs ezdxf's r12writer          goal >= 10x faster
#                                          vs libdime (C++)              goal >= 3x faster
#   DBF index + find of one key, 100,000   vs ogrinfo -al -q             goal <= 0.1x
#                                          vs shapelib (C), row by row   goal <= 0.5x
#   desktop start to the first drawing     vs a bare Qt window, 1 line   goal <= 1.3x
#   10,000 projects through zt6 calc                                     goal <= 5 s
#   wzt6 /I                                vs zt6 report, and cp         goal <= 1.5x, <= 2x
#   zt6 size (27 sizes and their lengths)  vs one zt6 calc, same design  goal <= 0.1 s
#   zt6 sweep of 100,000 values            vs one zt6 calc, same design  goal <= 2 s
#   zt6.calc() in Python, one design       vs the same run in C++        goal <= 10 us a call
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
runs_scale=1
[ "${1:-}" = "--quick" ] && runs_scale=0

# The build's packages and those only the comparisons need.
scripts/bootstrap.sh hyperfine python3-ezdxf gdal-bin libdime-dev libshp-dev
scripts/build.sh
build="$root/build"
for program in zt6 wzt6 dxf_lines dbf_find dime_lines shp_find; do
  [ -x "$build/$program" ] || { echo "bench: $build/$program was not built" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/cfg" "$work/tmp" "$work/run"
# No settings of the user's: every program starts from its defaults.
export XDG_CONFIG_HOME="$work/cfg" TEMP="$work/tmp"

# runs N: N runs, or 3 with --quick.
runs() { if ((runs_scale)); then echo "$1"; else echo 3; fi; }

# time_them NAME RUNS COMMAND...: hyperfine's medians into $work/NAME.json.
time_them() {
  local name="$1" count="$2"
  shift 2
  hyperfine -N --style none --warmup 2 --runs "$count" --export-json "$work/$name.json" "$@" \
    >"$work/hyperfine.log" 2>&1 || { cat "$work/hyperfine.log" >&2; exit 1; }
}

# report NAME GOAL: the medians of NAME.json and the ratio of the first command to each
# other, with the goal (e.g. "<=0.1"; the first command's time over the other's).
report() {
  /usr/bin/python3 - "$work/$1.json" "$2" "$3" <<'PY'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
title, goal = sys.argv[2], sys.argv[3]
print(f"\n{title}")
for r in results:
    print(f"  {r['median'] * 1000:10.2f} ms  median of {len(r['times'])}  {r['command']}")
first = results[0]
for other in results[1:]:
    ratio = first["median"] / other["median"]
    line = f"  ratio {ratio:.3f}  ({first['median'] * 1000:.2f} ms / {other['median'] * 1000:.2f} ms)"
    if goal:
        op, limit = goal[:2], float(goal[2:])
        met = ratio <= limit if op == "<=" else ratio >= limit
        line += f"  goal {op} {limit:g}: {'met' if met else 'MISSED'}"
    print(line)
PY
}

echo "ZT6 benchmarks on $(nproc) cores, $(date -u '+%Y-%m-%d %H:%M UTC')"

# 1. DXF: the program's writer against ezdxf's r12writer, 100,000 lines each.
time_them dxf "$(runs 10)" "$build/dxf_lines $work/zt6.dxf 100000" \
  "/usr/bin/python3 $root/bench/r12_lines.py $work/ezdxf.dxf 100000"
for f in zt6 ezdxf; do
  lines=$(tr -d '\r' <"$work/$f.dxf" | grep -cx 'LINE')
  [ "$lines" -eq 100000 ] || { echo "bench: $f.dxf holds $lines lines, not 100000" >&2; exit 1; }
done
report dxf "DXF, 100,000 LINE entities: zt6 / ezdxf r12writer (goal: zt6 at least 10x faster)" "<=0.1"

# 1b. The same against libdime, a C++ library, writing the same lines.
time_them dime "$(runs 10)" "$build/dime_lines $work/dime.dxf 100000" \
  "$build/dxf_lines $work/zt6.dxf 100000"
lines=$(tr -d '\r' <"$work/dime.dxf" | grep -cx ' *LINE')
[ "$lines" -eq 100000 ] || { echo "bench: dime.dxf holds $lines lines, not 100000" >&2; exit 1; }
report dime "DXF, 100,000 LINE entities: libdime / zt6 (goal: zt6 at least 3x faster)" ">=3"

# 2. DBF: index and find one key in 100,000 rows against ogrinfo reading the table.
"$build/dbf_find" make "$work/rows.dbf" 100000
found="$("$build/dbf_find" find "$work/rows.dbf" K00054321)"
case "$found" in *"Welle 54321"*) ;; *) echo "bench: dbf_find found \"$found\"" >&2; exit 1 ;; esac
time_them dbf "$(runs 20)" "$build/dbf_find find $work/rows.dbf K00054321" \
  "ogrinfo -al -q $work/rows.dbf"
report dbf "DBF, index + find of one key in 100,000 rows: zt6 / ogrinfo -al -q" "<=0.1"

# 2b. The same against shapelib, a C library, reading the key of each row until it matches.
found="$("$build/shp_find" "$work/rows.dbf" K00054321)"
case "$found" in *"Welle 54321"*) ;; *) echo "bench: shp_find found \"$found\"" >&2; exit 1 ;; esac
time_them shp "$(runs 20)" "$build/dbf_find find $work/rows.dbf K00054321" \
  "$build/shp_find $work/rows.dbf K00054321"
report shp "DBF, find of one key in 100,000 rows: zt6 / shapelib DBFReadStringAttribute" "<=0.5"

# 3. The desktop window from start to its first painted drawing (the Quick sheet of
#    the example), against a bare Qt window painting one line; both offscreen.
if [ -x "$build/bare_qt_window" ] && [ -x "$build/wzt6-desktop" ]; then
  (
    cd "$work/run"
    export QT_QPA_PLATFORM=offscreen ZT6_QUIT_AFTER_FIRST_DRAWING=1
    time_them window "$(runs 20)" "$build/wzt6 $root/data/examples/welle_12x14.zt6" \
      "$build/bare_qt_window"
  )
  report window "Desktop start to the first painted drawing: wzt6 / bare Qt window (offscreen)" "<=1.3"
else
  echo -e "\nDesktop start: skipped, built without Qt"
fi

# 4. 10,000 projects through one zt6 calc (copies of the examples in turn).
/usr/bin/python3 - "$root/data/examples" "$work/projects" <<'PY'
import pathlib, sys
examples = sorted(pathlib.Path(sys.argv[1]).glob("*.zt6"))
out = pathlib.Path(sys.argv[2])
out.mkdir()
for i in range(10000):
    example = examples[i % len(examples)]
    (out / f"{example.stem}_{i}.zt6").write_bytes(example.read_bytes())
PY
time_them projects "$(runs 5)" "$build/zt6 calc $work/projects"
/usr/bin/python3 - "$work/projects.json" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))["results"][0]
m = r["median"]
print("\n10,000 projects through zt6 calc, one JSON line each (goal: <= 5 s)")
print(f"  {m:10.3f} s   median of {len(r['times'])}  ({m / 10000 * 1e6:.0f} us a project)"
      f"  goal <= 5 s: {'met' if m <= 5 else 'MISSED'}")
PY
lines=$("$build/zt6" calc "$work/projects" | wc -l)
[ "$lines" -eq 10000 ] || { echo "bench: zt6 calc printed $lines lines, not 10000" >&2; exit 1; }

# 5. The batch report of wzt6 against zt6 report on the same file, and cp copying it.
cp "$root/data/examples/welle_12x14.zt6" "$work/run/welle.zt6"
(
  cd "$work/run"
  time_them batch "$(runs 200)" "$build/wzt6 welle.zt6 /I /NOGUI" \
    "$build/zt6 report welle.zt6 --format tsv" "cp welle.zt6 copy.zt6"
)
[ -s "$work/run/welle.txt" ] || { echo "bench: wzt6 /I wrote no report" >&2; exit 1; }
report batch "Batch report: wzt6 /I / zt6 report (goal <= 1.5), wzt6 /I / cp" ""
/usr/bin/python3 - "$work/batch.json" <<'PY'
import json, sys
wzt6, report, cp = (r["median"] for r in json.load(open(sys.argv[1]))["results"])
for name, a, b, goal in (("wzt6 /I / zt6 report", wzt6, report, 1.5),
                         ("wzt6 /I / cp", wzt6, cp, 2), ("zt6 report / cp", report, cp, 2)):
    print(f"  {name:22s} {a / b:6.3f}  goal <= {goal:g}: {'met' if a / b <= goal else 'MISSED'}")
PY

# 6. The engineering assistant on a database-mode example, against one zt6 calc of the
#    same design: every size with its shortest length, and a sweep of 100,000 values.
din="$root/data/examples/din5481_17x20.zt6"
"$build/zt6" size "$din" --torque 150 --peak 380 >/dev/null
points=$("$build/zt6" sweep "$din" --vary TN=1:100000:1 --csv | wc -l)
[ "$points" -eq 100001 ] || { echo "bench: zt6 sweep printed $points lines, not 100001" >&2; exit 1; }
time_them assistant "$(runs 20)" "$build/zt6 calc $din --json" \
  "$build/zt6 size $din --torque 150 --peak 380 --json" \
  "$build/zt6 sweep $din --vary TN=1:100000:1 --csv"
/usr/bin/python3 - "$work/assistant.json" <<'PY'
import json, sys
calc, size, sweep = json.load(open(sys.argv[1]))["results"]
print("\nEngineering assistant against one zt6 calc of the same design")
print(f"  {calc['median'] * 1000:10.2f} ms  zt6 calc")
for name, r, goal in (("zt6 size, 27 sizes", size, 0.1), ("zt6 sweep, 100,000 values", sweep, 2)):
    m = r["median"]
    print(f"  {m * 1000:10.2f} ms  {name}: {m / calc['median']:.1f} x zt6 calc"
          f"  goal <= {goal:g} s: {'met' if m <= goal else 'MISSED'}")
PY
# 7. The 3D model: the 120x125 assembly with pins written as STEP, against OpenCASCADE
#    reading the same file back (Google Benchmark, both in one process).
if [ -x "$build/step_bench" ]; then
  "$build/step_bench" --benchmark_repetitions="$(runs 5)" --benchmark_report_aggregates_only=true \
    --benchmark_format=json >"$work/step.json"
  /usr/bin/python3 - "$work/step.json" <<'PY'
import json, sys
medians = {b["run_name"]: b["real_time"] for b in json.load(open(sys.argv[1]))["benchmarks"]
           if b.get("aggregate_name") == "median"}
write, read = medians["BM_WriteAssemblyWithPins"], medians["BM_ReadBackWithOpenCascade"]
print("\nSTEP, 120x125 assembly with pins: written / read back by OpenCASCADE (goal <= 2)")
print(f"  ratio {write / read:.3f}  ({write:.1f} ms / {read:.1f} ms)"
      f"  goal <= 2: {'met' if write / read <= 2 else 'MISSED'}")
PY
else
  echo -e "\nSTEP model: skipped, built without OpenCASCADE"
fi
# 8. The Python module: zt6.calc() per call against the same design in C++ in-process.
if [ -d "$build/python/zt6" ]; then
  /usr/bin/python3 "$root/bench/python_calc.py" "$build"
else
  echo -e "\nPython module: skipped, built without Python or pybind11"
fi
