#!/usr/bin/env python3
"""Per-call cost of zt6.calc() in Python against the same design calculated in-process in
C++ (build/design_calculation_bench), both in this run. Goal: at most 10 us overhead.
Processor time, the least of several rounds on both sides. The rounds take turns, one of
C++ then one of Python: the machine's load changes over seconds, and figures taken under
different load would show its change as overhead.
    python3 bench/python_calc.py BUILD_DIR [ROUNDS]"""

import json
import os
import subprocess
import sys
import time
import timeit

build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 9
sys.path.insert(0, os.path.join(build, "python"))
import zt6  # noqa: E402

SCALE = {"ns": 1e-3, "us": 1.0, "ms": 1e3}


def cxx_round():
    """Microseconds a call of both C++ benchmarks, one repetition each."""
    out = json.loads(subprocess.run(
        [os.path.join(build, "design_calculation_bench"), "--benchmark_format=json",
         "--benchmark_min_time=0.2"],
        check=True, capture_output=True, text=True).stdout)
    return {run["run_name"]: run["cpu_time"] * SCALE[run["time_unit"]]
            for run in out["benchmarks"] if run.get("run_type") == "iteration"}


assert zt6.calc(size="21x24", set={"l": 30})["inputs"]["l"] == 30
timer = timeit.Timer(lambda: zt6.calc(size="21x24", set={"l": 30}), timer=time.process_time)
number = max(1, int(0.2 / (timer.timeit(10) / 10)))

base, as_json, python, overheads = [], [], [], []
for _ in range(rounds):
    cxx = cxx_round()
    base.append(cxx["BM_CalcSizeAndSet"])
    as_json.append(cxx["BM_CalcSizeAndSetAsJson"])
    python.append(timer.timeit(number) / number * 1e6)
    overheads.append(python[-1] - base[-1])

overhead = min(python) - min(base)
print("\nzt6.calc(size='21x24', set={'l': 30}) per call, against the C++ run of the same design")
print(f"  {min(base):10.2f} us  C++ DesignCalculator (size, set, run), least of {rounds}")
print(f"  {min(as_json):10.2f} us  C++ with the JSON text of zt6 calc --json, least of {rounds}")
print(f"  {min(python):10.2f} us  Python zt6.calc(), least of {rounds} x {number} calls")
print(f"  overhead {overhead:.2f} us a call (ratio {min(python) / min(base):.3f});"
      f" round by round {', '.join(f'{o:.1f}' for o in overheads)} us"
      f"  goal <= 10 us: {'met' if overhead <= 10 else 'MISSED'}")
