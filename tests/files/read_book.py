#!/usr/bin/python3
# Prints the cells of a workbook as read by xlrd (.xls) or openpyxl (.xlsx), one line each:
#   sheet<TAB>name                          every worksheet, in order
#   cell<TAB>row<TAB>col<TAB>n<TAB>value    a number (repr, round-trips exactly)
#   cell<TAB>row<TAB>col<TAB>s<TAB>text     a text; "?" and its repr for any other kind
# Empty cells are not printed. Rows and columns count from 0; first sheet only.
import sys

path = sys.argv[1]
if path.lower().endswith(".xlsx"):
    import openpyxl
    book = openpyxl.load_workbook(path, read_only=True)
    names, rows = book.sheetnames, book.worksheets[0].iter_rows(values_only=True)
else:
    import xlrd
    book = xlrd.open_workbook(path)
    plain, empty = (xlrd.XL_CELL_NUMBER, xlrd.XL_CELL_TEXT), (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK)
    names = [s.name for s in book.sheets()]
    rows = [[c.value if c.ctype in plain else None if c.ctype in empty else ("?", c.value)
             for c in row] for row in book.sheets()[0].get_rows()]
out = ["sheet\t%s" % name for name in names]
for r, row in enumerate(rows):
    for c, v in enumerate(row):
        if isinstance(v, str):
            out.append("cell\t%d\t%d\ts\t%s" % (r, c, v))
        elif isinstance(v, (int, float)) and not isinstance(v, bool):
            out.append("cell\t%d\t%d\tn\t%r" % (r, c, float(v)))
        elif v is not None:
            out.append("cell\t%d\t%d\t?\t%r" % (r, c, v))
sys.stdout.buffer.write(("\n".join(out) + "\n").encode("utf-8"))
