#!/usr/bin/python3
# Prints the cells of an .xlsx workbook as read by openpyxl, in the format of read_xls.py.
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1], read_only=True)
out = ["sheet\t%s" % name for name in book.sheetnames]
sheet = book.worksheets[0]
for r, row in enumerate(sheet.iter_rows(values_only=True)):
    for c, value in enumerate(row):
        if value is None:
            continue
        if isinstance(value, bool):
            out.append("cell\t%d\t%d\t?\t%r" % (r, c, value))
        elif isinstance(value, (int, float)):
            out.append("cell\t%d\t%d\tn\t%r" % (r, c, float(value)))
        else:
            out.append("cell\t%d\t%d\ts\t%s" % (r, c, value))
sys.stdout.buffer.write(("\n".join(out) + "\n").encode("utf-8"))
