#!/usr/bin/env python3
"""Per-call cost of zt6.calc() in Python against the same design calculated in-process in
C++ (build/design_calculation_bench), both in this run. Goal: at most 10 us overhead.
Processor time, the least of several repetitions on both sides: on a shared machine the
wall time of a call varies by far more than the overhead.
    python3 bench/python_calc.py BUILD_DIR"""

import json
import os
import subprocess
import sys
import time
import timeit

build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
sys.path.insert(0, os.path.join(build, "python"))
import zt6  # noqa: E402

cxx = json.loads(subprocess.run(
    [os.path.join(build, "design_calculation_bench"), "--benchmark_format=json",
     "--benchmark_repetitions=9"],
    check=True, capture_output=True, text=True).stdout)
scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}
least = {}
for run in cxx["benchmarks"]:
    if run.get("run_type") == "iteration":
        spent = run["cpu_time"] * scale[run["time_unit"]]
        least[run["run_name"]] = min(spent, least.get(run["run_name"], spent))
base = least["BM_CalcSizeAndSet"]
as_json = least["BM_CalcSizeAndSetAsJson"]

assert zt6.calc(size="21x24", set={"l": 30})["inputs"]["l"] == 30
timer = timeit.Timer(lambda: zt6.calc(size="21x24", set={"l": 30}), timer=time.process_time)
number = max(1, int(0.2 / (timer.timeit(10) / 10)))
per_call = [t / number * 1e6 for t in timer.repeat(repeat=9, number=number)]
python = min(per_call)
overhead = python - base
print("\nzt6.calc(size='21x24', set={'l': 30}) per call, against the C++ run of the same design")
print(f"  {base:10.2f} us  C++ DesignCalculator (size, set, run), least of 9")
print(f"  {as_json:10.2f} us  C++ with the JSON text of zt6 calc --json, least of 9")
print(f"  {python:10.2f} us  Python zt6.calc(), least of 9 x {number} calls")
print(f"  overhead {overhead:.2f} us a call (ratio {python / base:.3f})"
      f"  goal <= 10 us: {'met' if overhead <= 10 else 'MISSED'}")
