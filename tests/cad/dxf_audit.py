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
import sys
from collections import Counter

import ezdxf
from ezdxf import recover


def print_counts(prefix, layout):
    for kind, count in sorted(Counter(e.dxftype() for e in layout).items()):
        print(prefix, kind, count)
    for polyline in layout.query("POLYLINE"):
        vertices = list(polyline.vertices)
        bulges = sum(1 for v in vertices if v.dxf.get("bulge", 0) != 0)
        print(prefix, "vertices", len(vertices))
        print(prefix, "bulges", bulges)


def exploded_edges(entities):
    count = 0
    for entity in entities:
        kind = entity.dxftype()
        if kind in ("INSERT", "POLYLINE"):
            count += exploded_edges(list(entity.virtual_entities()))
        elif kind in ("LINE", "ARC", "CIRCLE"):
            count += 1
    return count


def points(entity):
    kind = entity.dxftype()
    if kind == "LINE":
        return [entity.dxf.start, entity.dxf.end]
    if kind == "CIRCLE":
        c, r = entity.dxf.center, entity.dxf.radius
        return [(c[0] - r, c[1] - r), (c[0] + r, c[1] + r)]
    if kind == "ARC":
        box = entity.construction_tool().bounding_box
        return [box.extmin, box.extmax]
    if kind == "SOLID":
        return [entity.dxf.vtx0, entity.dxf.vtx1, entity.dxf.vtx2, entity.dxf.vtx3]
    if kind == "TEXT":
        x, y = entity.dxf.insert[0], entity.dxf.insert[1]
        h = entity.dxf.height
        w = len(entity.dxf.text) * h * entity.dxf.get("width", 1.0)
        a = math.radians(entity.dxf.get("rotation", 0.0))
        u, v = (math.cos(a), math.sin(a)), (-math.sin(a), math.cos(a))
        return [(x, y), (x + w * u[0], y + w * u[1]), (x + h * v[0], y + h * v[1]),
                (x + w * u[0] + h * v[0], y + w * u[1] + h * v[1])]
    return []


def extents(entities, box):
    for entity in entities:
        if entity.dxftype() in ("INSERT", "POLYLINE"):
            extents(list(entity.virtual_entities()), box)
        for p in points(entity):
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
print("extents: %.6f %.6f %.6f %.6f" % tuple(extents(doc.modelspace(), [math.inf, math.inf, -math.inf, -math.inf])))
for layout in [doc.modelspace()] + user_blocks:
    for text in layout.query("TEXT"):
        print("text:", text.dxf.text)

sys.exit(1 if auditor.has_errors else 0)
