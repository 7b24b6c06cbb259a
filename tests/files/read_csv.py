#!/usr/bin/python3
# Reads a .csv back with Python's csv module and prints what it found as JSON:
#   {"bom": the file starts with the UTF-8 byte-order mark,
#    "crlf": every line ends CR LF,
#    "rows": the records, each a list of fields}
# Usage: read_csv.py FILE
import csv
import json
import sys

with open(sys.argv[1], "rb") as f:
    data = f.read()
text = data.decode("utf-8-sig")
lines = text.split("\n")[:-1]
with open(sys.argv[1], newline="", encoding="utf-8-sig") as f:
    rows = list(csv.reader(f))
sys.stdout.write(json.dumps({
    "bom": data.startswith(b"\xef\xbb\xbf"),
    "crlf": text.endswith("\r\n") and all(line.endswith("\r") for line in lines),
    "rows": rows,
}, ensure_ascii=True))
