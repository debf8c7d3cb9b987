#!/usr/bin/env python3
"""Per-call cost of zt6.calc() in Python against the same design calculated in C++ in the
same process, in this run. Goal: at most 10 us overhead a call.
The C++ run (zt6._core._calculate_repeatedly: the calculator calc() uses, called in a C++
loop) and the Python calls take turns in short batches, and each side's processor time is
summed over all its batches: on a shared machine the load changes from second to second,
and both sides then carry the same share of it. The stand-alone C++ benchmark
(build/design_calculation_bench) is shown beside, with and without the JSON text.
    python3 bench/python_calc.py BUILD_DIR"""

import json
import os
import subprocess
import sys
import time

build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
sys.path.insert(0, os.path.join(build, "python"))
import zt6  # noqa: E402
from zt6 import _core  # noqa: E402

SIZE, SET = "21x24", {"l": 30}
BATCH, BATCHES = 20, 150

assert zt6.calc(size=SIZE, set=SET)["inputs"]["l"] == 30


def cxx_batch():
    start = time.process_time()
    _core._calculate_repeatedly(SIZE, SET, BATCH)
    return time.process_time() - start


def python_batch():
    calc = zt6.calc
    start = time.process_time()
    for _ in range(BATCH):
        calc(size=SIZE, set=SET)
    return time.process_time() - start


cxx_batch(), python_batch()  # warm both
cxx_total = python_total = 0.0
cxx_least = python_least = float("inf")
for turn in range(BATCHES):
    # Who goes first alternates too: neither side always follows the other's work.
    first, second = (cxx_batch, python_batch) if turn % 2 == 0 else (python_batch, cxx_batch)
    spent = {first: first(), second: second()}
    cxx_total += spent[cxx_batch]
    python_total += spent[python_batch]
    cxx_least = min(cxx_least, spent[cxx_batch])
    python_least = min(python_least, spent[python_batch])
calls = BATCH * BATCHES
cxx = cxx_total / calls * 1e6
python = python_total / calls * 1e6
overhead = python - cxx

standalone = json.loads(subprocess.run(
    [os.path.join(build, "design_calculation_bench"), "--benchmark_format=json",
     "--benchmark_min_time=0.2"],
    check=True, capture_output=True, text=True).stdout)
scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}
alone = {run["run_name"]: run["cpu_time"] * scale[run["time_unit"]]
         for run in standalone["benchmarks"] if run.get("run_type") == "iteration"}

print(f"\nzt6.calc(size='{SIZE}', set={SET}) per call, against the C++ run of the same design")
print(f"  {cxx:10.2f} us  C++ in the same process, mean of {calls} calls"
      f" (least batch {cxx_least / BATCH * 1e6:.2f} us)")
print(f"  {python:10.2f} us  Python zt6.calc(), mean of {calls} calls, taking turns"
      f" (least batch {python_least / BATCH * 1e6:.2f} us)")
print(f"  {alone['BM_CalcSizeAndSet']:10.2f} us  C++ alone (design_calculation_bench), for comparison")
print(f"  {alone['BM_CalcSizeAndSetAsJson']:10.2f} us  C++ alone with the JSON text of zt6 calc --json")
print(f"  overhead {overhead:.2f} us a call (ratio {python / cxx:.3f})"
      f"  goal <= 10 us: {'met' if overhead <= 10 else 'MISSED'}")
