#!/usr/bin/env python3
"""Writes N LINE entities (default 100,000) with ezdxf's r12writer, the same lines as
bench/dxf_lines: the baseline of bench/run.sh.  r12_lines.py OUT.dxf [N]"""
import sys

from ezdxf.addons import r12writer

count = int(sys.argv[2]) if len(sys.argv) > 2 else 100000
with r12writer(sys.argv[1]) as dxf:
    for i in range(count):
        x = float(i % 1000)
        y = float(i // 1000)
        dxf.add_line((x, y), (x + 0.5, y + 0.25), layer="1")
