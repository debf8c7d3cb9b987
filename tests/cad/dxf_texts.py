#!/usr/bin/env python3
"""Prints every text a DXF file draws, one a line in UTF-8, inserts exploded.

  dxf_texts.py FILE.dxf

Read with ezdxf, which decodes the texts by the file's $DWGCODEPAGE. Exit status 2 when
the file cannot be read.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from drawing_geometry import exploded  # noqa: E402


def main():
    from ezdxf import recover
    try:
        doc, _ = recover.readfile(sys.argv[1])
    except Exception as error:  # noqa: BLE001 - any reader failure is the answer
        print(f"unreadable: {error}")
        return 2
    for entity in exploded(doc.modelspace()):
        if entity.dxftype() == "TEXT":
            print(entity.dxf.text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
