#!/usr/bin/env python3
"""Checks a report page with Python's own HTML parser: every table closed and none
nested, rows only inside tables, cells only inside rows. Prints one JSON object with
the problems found and the number of rows by their number of cells."""
import json
import sys
from html.parser import HTMLParser


class Structure(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.problems = []
        self.open = []          # elements of the table structure now open
        self.rows = {}          # cells per row -> rows
        self.heading_rows = 0
        self.cells = 0
        self.centered = False
        self.charset = None
        self.texts = []

    def handle_starttag(self, tag, attrs):
        if tag == "meta":
            self.charset = dict(attrs).get("charset")
        if tag == "table":
            if "table" in self.open:
                self.problems.append("nested table")
            self.open.append("table")
        elif tag == "tr":
            if not self.open or self.open[-1] != "table":
                self.problems.append("row outside a table")
            self.open.append("tr")
            self.cells = 0
            self.centered = False
        elif tag == "td":
            if not self.open or self.open[-1] != "tr":
                self.problems.append("cell outside a row")
            self.open.append("td")
            self.cells += 1
        elif tag == "center":
            self.centered = True

    def handle_endtag(self, tag):
        if tag not in ("table", "tr", "td"):
            return
        if not self.open or self.open[-1] != tag:
            self.problems.append("unexpected </%s>" % tag)
            return
        self.open.pop()
        if tag == "tr":
            if self.centered:
                self.heading_rows += 1
            else:
                self.rows[self.cells] = self.rows.get(self.cells, 0) + 1

    def handle_data(self, data):
        if data.strip():
            self.texts.append(data.strip())


def main():
    with open(sys.argv[1], "rb") as f:
        text = f.read().decode("cp1252")
    parser = Structure()
    parser.feed(text)
    parser.close()
    if parser.open:
        parser.problems.append("still open at the end: " + ",".join(parser.open))
    print(json.dumps({"problems": parser.problems,
                      "rows": {str(k): v for k, v in sorted(parser.rows.items())},
                      "heading_rows": parser.heading_rows,
                      "charset": parser.charset,
                      "texts": parser.texts}, ensure_ascii=True))


if __name__ == "__main__":
    main()
