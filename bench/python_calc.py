#!/usr/bin/env python3
"""Per-call cost of zt6.calc() in Python against the same design calculated in-process in
C++ (build/design_calculation_bench), both in this run. Goal: at most 10 us overhead.
    python3 bench/python_calc.py BUILD_DIR"""

import json
import os
import statistics
import subprocess
import sys
import timeit

build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
sys.path.insert(0, os.path.join(build, "python"))
import zt6  # noqa: E402

cxx = json.loads(subprocess.run(
    [os.path.join(build, "design_calculation_bench"), "--benchmark_format=json",
     "--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true"],
    check=True, capture_output=True, text=True).stdout)
medians = {b["run_name"]: b["real_time"] for b in cxx["benchmarks"]
           if b.get("aggregate_name") == "median"}
units = {b["run_name"]: b["time_unit"] for b in cxx["benchmarks"]}
scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}
base = medians["BM_CalcSizeAndSet"] * scale[units["BM_CalcSizeAndSet"]]
as_json = medians["BM_CalcSizeAndSetAsJson"] * scale[units["BM_CalcSizeAndSetAsJson"]]

assert zt6.calc(size="21x24", set={"l": 30})["inputs"]["l"] == 30
timer = timeit.Timer(lambda: zt6.calc(size="21x24", set={"l": 30}))
number = max(1, int(0.2 / (timer.timeit(10) / 10)))
per_call = [t / number * 1e6 for t in timer.repeat(repeat=7, number=number)]
python = statistics.median(per_call)
overhead = python - base
print("\nzt6.calc(size='21x24', set={'l': 30}) per call, against the C++ run of the same design")
print(f"  {base:10.2f} us  C++ DesignCalculator (size, set, run), median of 5")
print(f"  {as_json:10.2f} us  C++ with the JSON text of zt6 calc --json, median of 5")
print(f"  {python:10.2f} us  Python zt6.calc(), median of 7 x {number} calls")
print(f"  overhead {overhead:.2f} us a call (ratio {python / base:.3f})"
      f"  goal <= 10 us: {'met' if overhead <= 10 else 'MISSED'}")
