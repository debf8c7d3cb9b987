#!/usr/bin/env python3
"""Finds texts that run through a line of the drawing: into the next column of a table,
through a table's border or a rule of the title block.

  text_overlaps.py FILE.dxf|FILE.svg ...

For each file prints "file: NAME", one "overlap: ..." line per text that a line runs
through, and "overlaps N". A DXF file is read with ezdxf, inserts exploded, every text
as wide as the drawing assumes for its CAD font (characters x height x width factor)
and as high as its height. An SVG file is the screen's picture: every text as long as
its textLength (times its horizontal scale), which the renderer fits the glyphs into,
and as high as the capitals of its font size; lines and texts are in pixels there. Exit status 2 when a file
cannot be read.
"""
import math
import os
import re
import sys
import xml.etree.ElementTree as ElementTree

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from drawing_geometry import crosses, dxf_text_box, exploded, text_box  # noqa: E402

CAP_HEIGHT = 0.72  # of the em, for a sans-serif face


def dxf_items(path):
    from ezdxf import recover
    doc, _ = recover.readfile(path)
    entities = list(exploded(doc.modelspace()))
    texts = [(e.dxf.text, dxf_text_box(e)) for e in entities if e.dxftype() == "TEXT"]
    lines = [((e.dxf.start[0], e.dxf.start[1]), (e.dxf.end[0], e.dxf.end[1]))
             for e in entities if e.dxftype() == "LINE"]
    return texts, lines, 0.01


def svg_items(path):
    root = ElementTree.parse(path).getroot()
    texts, lines = [], []
    for element in root.iter():
        tag = element.tag.rsplit("}", 1)[-1]
        if tag == "line":
            x1, y1, x2, y2 = (float(element.get(k)) for k in ("x1", "y1", "x2", "y2"))
            lines.append(((x1, -y1), (x2, -y2)))  # y upwards, as in the drawing
        elif tag == "text" and element.get("textLength"):
            transform = element.get("transform", "")
            tx, ty = (float(v) for v in re.search(r"translate\(([-\d.]+) ([-\d.]+)\)",
                                                   transform).groups())
            turned = re.search(r"rotate\(([-\d.]+)\)", transform)
            angle = float(turned.group(1)) if turned else 0.0  # SVG: clockwise on screen
            scaled = re.search(r"scale\(([-\d.]+)", transform)
            scale = float(scaled.group(1)) if scaled else 1.0
            size = float(element.get("font-size"))
            baseline = float(element.get("y", "0"))
            a = math.radians(angle)
            ox, oy = tx - baseline * math.sin(a), ty + baseline * math.cos(a)
            length = float(element.get("textLength")) * scale
            box = text_box(ox, -oy, -angle, length, CAP_HEIGHT * size)
            texts.append((element.text or "", box))
    return texts, lines, 1.0


def main():
    sys.stdout.reconfigure(encoding="utf-8", errors="backslashreplace")
    status = 0
    for path in sys.argv[1:]:
        print("file:", path)
        try:
            texts, lines, tolerance = (svg_items if path.endswith(".svg") else dxf_items)(path)
        except Exception as failure:  # any reader failure is reported, not raised
            print("unreadable:", failure)
            status = 2
            continue
        overlaps = 0
        for text, box in texts:
            for start, end in lines:
                if crosses(box, start, end, tolerance):
                    overlaps += 1
                    print("overlap: '%s' at %.2f %.2f through line %.2f %.2f - %.2f %.2f"
                          % (text, box[0], box[1], start[0], start[1], end[0], end[1]))
                    break
        print("overlaps", overlaps)
    return status


sys.exit(main())
