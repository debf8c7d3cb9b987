"""Imports DXF files into FreeCAD (run by freecadcmd) for the DXF tests.

freecadcmd passes no arguments to a script: the files come in ZT6_DXF_FILES, one name a
line. Each file is read by FreeCAD's own DXF reader (Import.readDXF) into a new document;
the line "edges N file" counts the edges of every shape it made. Whatever the reader
itself reports on a fault (its "CDxfRead..." lines) appears in the same output.
"""
import os

import FreeCAD
import Import

for name in os.environ.get("ZT6_DXF_FILES", "").splitlines():
    if not name:
        continue
    doc = FreeCAD.newDocument()
    Import.readDXF(name)
    edges = sum(len(o.Shape.Edges) for o in doc.Objects if hasattr(o, "Shape"))
    print("\nedges %d %s" % (edges, name), flush=True)
    FreeCAD.closeDocument(doc.Name)
