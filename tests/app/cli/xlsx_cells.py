#!/usr/bin/python3
# Prints every filled cell of the first worksheet as read by openpyxl:
# row TAB column TAB "n" (number) or "s" (text) TAB value, one cell a line.
import sys

import openpyxl

sheet = openpyxl.load_workbook(sys.argv[1]).worksheets[0]
for row in sheet.iter_rows():
    for cell in row:
        if cell.value is None:
            continue
        kind = "n" if isinstance(cell.value, (int, float)) else "s"
        sys.stdout.write(f"{cell.row}\t{cell.column}\t{kind}\t{cell.value}\n")
