#!/usr/bin/env python3
"""Reads a DXF file with an independent reader (ezdxf) for the DXF writer tests.

Reads the file the way ezdxf recovers files of unknown origin, which takes the text
encoding from the HEADER, and audits it. Prints one "name count" line each: the layers
of the file (without "Defpoints", which ezdxf adds on loading), the user blocks, the
entities per type of the model space ("ENTITIES TYPE n") and of each user block
("BLOCK name TYPE n"), the vertices and non-zero bulges of every polyline, and the
lines, arcs and circles of the model space with every insert and polyline exploded
("exploded edges n"). Every TEXT value, decoded, is printed as "text: value" (UTF-8).
"limits: x1 y1 x2 y2" are the sheet limits of the HEADER, "extents: x1 y1 x2 y2" the
box of everything the model space draws, inserts exploded, a text taken as wide as
the drawing assumes (characters x height x width factor) and as high as its height.
Audit errors, among them texts that do not decode, are printed as "error ..." lines
and end the script with status 1; a file ezdxf cannot read ends it with status 2.
Repairs the audit makes are not failures: ezdxf also repairs the polylines in blocks
of the R12 files it writes itself.
"""
import math
import os
import sys
from collections import Counter

import ezdxf
from ezdxf import recover

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from drawing_geometry import dxf_points, exploded  # noqa: E402


def print_counts(prefix, layout):
    for kind, count in sorted(Counter(e.dxftype() for e in layout).items()):
        print(prefix, kind, count)
    for polyline in layout.query("POLYLINE"):
        vertices = list(polyline.vertices)
        bulges = sum(1 for v in vertices if v.dxf.get("bulge", 0) != 0)
        print(prefix, "vertices", len(vertices))
        print(prefix, "bulges", bulges)


def exploded_edges(entities):
    return sum(1 for e in exploded(entities) if e.dxftype() in ("LINE", "ARC", "CIRCLE"))


def extents(entities):
    box = [math.inf, math.inf, -math.inf, -math.inf]
    for entity in exploded(entities):
        for p in dxf_points(entity):
            box[0], box[1] = min(box[0], p[0]), min(box[1], p[1])
            box[2], box[3] = max(box[2], p[0]), max(box[3], p[1])
    return box


sys.stdout.reconfigure(encoding="utf-8", errors="backslashreplace")
try:
    doc, auditor = recover.readfile(sys.argv[1])
except (IOError, ezdxf.DXFError) as failure:
    print("unreadable", failure)
    sys.exit(2)

for error in auditor.errors:
    print("error", error.message)

print("layers", sum(1 for layer in doc.layers if layer.dxf.name != "Defpoints"))
user_blocks = [b for b in doc.blocks if not b.name.startswith("*")]
print("blocks", len(user_blocks))
print_counts("ENTITIES", doc.modelspace())
for block in user_blocks:
    print_counts("BLOCK " + block.name, block)
print("exploded edges", exploded_edges(doc.modelspace()))
limits = doc.header.get("$LIMMIN", (0, 0))[:2] + doc.header.get("$LIMMAX", (0, 0))[:2]
print("limits: %.6f %.6f %.6f %.6f" % tuple(limits))
print("extents: %.6f %.6f %.6f %.6f" % tuple(extents(doc.modelspace())))
for layout in [doc.modelspace()] + user_blocks:
    for text in layout.query("TEXT"):
        print("text:", text.dxf.text)

sys.exit(1 if auditor.has_errors else 0)
