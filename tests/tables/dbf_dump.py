#!/usr/bin/python3
"""Dumps a dBASE table with an independent reader (dbfread) for the table tests.

Output, tab-separated: one "FIELD name type length decimals" line per field, then
one "RECORD" line per present record with the values: texts as read, numbers in
repr(), truth values as T/F, empty values as "<none>". Deleted records are counted
on a last "DELETED n" line.
"""
import sys

from dbfread import DBF


def show(value):
    if value is None:
        return "<none>"
    if isinstance(value, bool):
        return "T" if value else "F"
    if isinstance(value, (int, float)):
        return repr(value)
    return str(value)


table = DBF(sys.argv[1], load=True, char_decode_errors="strict")
for field in table.fields:
    print("\t".join(["FIELD", field.name, field.type, str(field.length), str(field.decimal_count)]))
for record in table.records:
    print("\t".join(["RECORD"] + [show(value) for value in record.values()]))
print("\t".join(["DELETED", str(len(table.deleted))]))
