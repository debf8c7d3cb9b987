#!/usr/bin/env python3
"""Reads a DXF file with an independent reader (ezdxf) for the DXF writer tests.

Audits the document and prints one "name count" line each: the layers of the file
(without "Defpoints", which ezdxf adds on loading), the user blocks, the entities per
type of the model space ("ENTITIES TYPE n") and of each user block ("BLOCK name TYPE
n"), and the vertices and non-zero bulges of every polyline.
Audit errors are printed as "error ..." lines and end the script with status 1; a
file ezdxf cannot read ends it with status 2. Repairs the audit makes are not failures:
ezdxf also repairs the polylines in blocks of the R12 files it writes itself.
"""
import sys
from collections import Counter

import ezdxf


def print_counts(prefix, layout):
    for kind, count in sorted(Counter(e.dxftype() for e in layout).items()):
        print(prefix, kind, count)
    for polyline in layout.query("POLYLINE"):
        vertices = list(polyline.vertices)
        bulges = sum(1 for v in vertices if v.dxf.get("bulge", 0) != 0)
        print(prefix, "vertices", len(vertices))
        print(prefix, "bulges", bulges)


try:
    doc = ezdxf.readfile(sys.argv[1])
except (IOError, ezdxf.DXFError) as failure:
    print("unreadable", failure)
    sys.exit(2)

auditor = doc.audit()
for error in auditor.errors:
    print("error", error.message)

print("layers", sum(1 for layer in doc.layers if layer.dxf.name != "Defpoints"))
user_blocks = [b for b in doc.blocks if not b.name.startswith("*")]
print("blocks", len(user_blocks))
print_counts("ENTITIES", doc.modelspace())
for block in user_blocks:
    print_counts("BLOCK " + block.name, block)

sys.exit(1 if auditor.has_errors else 0)
