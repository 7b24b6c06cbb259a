#!/usr/bin/python3
# Prints the cells of an .xls workbook as read by xlrd, one line each:
#   sheet<TAB>name            for every worksheet, in order
#   cell<TAB>row<TAB>col<TAB>n<TAB>value   a number (repr, round-trips exactly)
#   cell<TAB>row<TAB>col<TAB>s<TAB>text    a text
# Empty and blank cells are not printed. Rows and columns count from 0.
import sys

import xlrd

book = xlrd.open_workbook(sys.argv[1])
out = []
for sheet in book.sheets():
    out.append("sheet\t%s" % sheet.name)
for sheet in book.sheets()[:1]:
    for r in range(sheet.nrows):
        for c, cell in enumerate(sheet.row(r)):
            if cell.ctype == xlrd.XL_CELL_NUMBER:
                out.append("cell\t%d\t%d\tn\t%r" % (r, c, cell.value))
            elif cell.ctype == xlrd.XL_CELL_TEXT:
                out.append("cell\t%d\t%d\ts\t%s" % (r, c, cell.value))
            elif cell.ctype not in (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK):
                out.append("cell\t%d\t%d\t?\t%r" % (r, c, cell.value))
sys.stdout.buffer.write(("\n".join(out) + "\n").encode("utf-8"))
