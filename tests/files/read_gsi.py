#!/usr/bin/python3
# Reads Leica GSI files with Total Open Station's parser, a reader nobody here wrote, and
# prints each surveyed point (not stations) as name<TAB>north<TAB>east<TAB>height, the
# coordinates "%.5f" (GSI's finest unit is 0.01 mm). Each file's lines follow "file<TAB>path".
# Usage: read_gsi.py FILE...
import sys

from totalopenstation.formats.leica_gsi import FormatParser

out = []
for path in sys.argv[1:]:
    out.append("file\t%s" % path)
    with open(path, newline="") as f:
        data = f.read()
    for feature in FormatParser(data).points:
        if feature.desc != "PT":
            continue
        g = feature.geometry  # x easting (word 81), y northing (82), z height (83)
        out.append("%s\t%.5f\t%.5f\t%.5f" % (feature.properties["point_name"], g.y, g.x, g.z))
sys.stdout.write("\n".join(out) + "\n")
