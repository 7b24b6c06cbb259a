#!/usr/bin/python3
# Reads point files back with readers nobody here wrote and prints what each reader found,
# one line per point: reader<TAB>name<TAB>north<TAB>east<TAB>height, coordinates "%.3f".
#   gsi        Total Open Station's Leica GSI parser
#   dat, csv   Python's csv module (N,,E,N,H and P,N,E,Z,D)
#   xml        Python's xml.etree, CgPoint "N E Z" in the LandXML 1.2 namespace
#   dxf        ezdxf: each STAKE_POINT POINT with the STAKE_NAME TEXT written after it
#   toe        ezdxf: the vertices of the TOE_LINE polyline (no names)
#   ogr        GDAL's ogrinfo: the POINT Z features on layer STAKE_POINT (no names)
#   line       ezdxf: the vertices of the LAYER_LINE and TOP_LINE polylines, the layer as name
# and for a drawing "layers<TAB>reader<TAB>name,name,...", the layers ezdxf and ogrinfo see.
# A surface is printed a triangle a line, "face<TAB>N E Z<TAB>N E Z<TAB>N E Z" with the
# file's own digits: LandXML's TIN faces (after "surface<TAB>name<TAB>surfType<TAB>points
# <TAB>faces"), the drawing's 3DFACE entities on SLOPE_SURFACE.
# A reader's complaint (ezdxf's audit, a bad line) is printed as "error<TAB>text" and
# makes the exit status 1. Each file's lines follow a line "file<TAB>path".
# Usage: read_points.py FILE...
import csv
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

out, failed = [], False


def point(reader, name, north, east, height):
    out.append("%s\t%s\t%.3f\t%.3f\t%.3f" % (reader, name, north, east, height))


def error(text):
    global failed
    failed = True
    out.append("error\t%s" % text)


def read_gsi(path):
    from totalopenstation.formats.leica_gsi import FormatParser
    with open(path, newline="") as f:
        data = f.read()
    for feature in FormatParser(data).points:
        g = feature.geometry  # x easting (word 81), y northing (82), z height (83)
        point("gsi", feature.properties["point_name"], g.y, g.x, g.z)


def read_delimited(path, reader):
    with open(path, newline="") as f:
        for row in csv.reader(f):
            if reader == "dat":  # name, code, E, N, H
                point("dat", row[0], float(row[3]), float(row[2]), float(row[4]))
            else:  # P, N, E, Z, D
                if len(row) != 5 or row[4] != "":
                    error("csv row %r" % row)
                point("csv", row[0], float(row[1]), float(row[2]), float(row[3]))


def read_landxml(path):
    ns = {"l": "http://www.landxml.org/schema/LandXML-1.2"}
    root = ET.parse(path).getroot()
    if root.tag != "{%s}LandXML" % ns["l"] or root.get("version") != "1.2":
        error("root %s %s" % (root.tag, root.get("version")))
    if root.find("l:Units/l:Metric", ns).get("linearUnit") != "meter":
        error("linear unit")
    if root.find("l:Application", ns).get("name") != "Korvel":
        error("application")
    if not re.fullmatch(r"\d{4}-\d\d-\d\d", root.get("date") or "") or not re.fullmatch(
        r"\d\d:\d\d:\d\d", root.get("time") or ""
    ):
        error("stamp %s %s" % (root.get("date"), root.get("time")))
    for p in root.findall("l:CgPoints/l:CgPoint", ns):
        n, e, z = (float(v) for v in p.text.split())
        point("xml", p.get("name"), n, e, z)
    for surface in root.findall("l:Surfaces/l:Surface", ns):
        definition = surface.find("l:Definition", ns)
        pnts = {p.get("id"): p.text.split() for p in definition.findall("l:Pnts/l:P", ns)}
        faces = definition.findall("l:Faces/l:F", ns)
        out.append("surface\t%s\t%s\t%d\t%d" % (surface.get("name"), definition.get("surfType"),
                                                 len(pnts), len(faces)))
        for f in faces:
            out.append("face\t" + "\t".join(" ".join(pnts[i]) for i in f.text.split()))


def read_dxf(path):
    import ezdxf
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    for e in auditor.errors + auditor.fixes:
        error("audit: %s" % (e.message,))
    if doc.dxfversion != "AC1009":
        error("version %s" % doc.dxfversion)
    entities = list(doc.modelspace())
    for k, e in enumerate(entities):
        if e.dxftype() == "POINT" and e.dxf.layer == "STAKE_POINT":
            label = entities[k + 1] if k + 1 < len(entities) else None
            if label is None or label.dxftype() != "TEXT" or label.dxf.layer != "STAKE_NAME":
                error("no name after point %d" % k)
                continue
            x, y, z = e.dxf.location
            point("dxf", label.dxf.text, y, x, z)
        elif e.dxftype() == "POLYLINE" and e.dxf.layer == "TOE_LINE":
            for v in e.vertices:
                x, y, z = v.dxf.location
                point("toe", "", y, x, z)
        elif e.dxftype() == "POLYLINE" and e.dxf.layer in ("LAYER_LINE", "TOP_LINE"):
            for v in e.vertices:
                x, y, z = v.dxf.location
                point("line", e.dxf.layer, y, x, z)
        elif e.dxftype() == "3DFACE":
            corners = [e.dxf.vtx0, e.dxf.vtx1, e.dxf.vtx2, e.dxf.vtx3]
            if e.dxf.layer != "SLOPE_SURFACE" or corners[3] != corners[2]:
                error("3DFACE %d on %s is no triangle" % (k, e.dxf.layer))
            out.append("face\t" + "\t".join("%r %r %r" % (c.y, c.x, c.z) for c in corners[:3]))
    out.append("layers\tdxf\t%s" % ",".join(sorted(l.dxf.name for l in doc.layers)))
    result = subprocess.run(["ogrinfo", "-ro", "-al", "-q", path], capture_output=True,
                            text=True)
    if result.returncode != 0:
        error("ogrinfo: %s" % result.stderr.strip())
    layers, layer = set(), None
    for line in result.stdout.splitlines():
        m = re.match(r"\s*Layer \(String\) = (.*)$", line)
        if m:
            layer = m.group(1)
            layers.add(layer)
        m = re.match(r"\s*POINT Z \((\S+) (\S+) (\S+)\)", line)
        if m and layer == "STAKE_POINT":
            point("ogr", "", float(m.group(2)), float(m.group(1)), float(m.group(3)))
    out.append("layers\togr\t%s" % ",".join(sorted(layers)))


for path in sys.argv[1:]:
    out.append("file\t%s" % path)
    ending = path.lower().rsplit(".", 1)[-1]
    try:
        {"gsi": read_gsi, "xml": read_landxml, "dxf": read_dxf}.get(
            ending, lambda p: read_delimited(p, ending))(path)
    except Exception as e:  # a reader that gives up is a finding, not a crash
        error("%s: %s: %r" % (path, type(e).__name__, e))
sys.stdout.write("\n".join(out) + "\n")
sys.exit(1 if failed else 0)
