#!/usr/bin/python3
# Renders the slope of a DXF drawing in space with matplotlib, for the README: the surface's
# triangles (3DFACE on SLOPE_SURFACE), the toe line, the layer lines and the top line at their
# elevations, and the stake points, seen from above and aside.
#   scripts/render-slope.py DRAWING.dxf PICTURE.png
import math
import sys

import matplotlib

matplotlib.use("Agg")
import ezdxf
import matplotlib.pyplot as plt
from mpl_toolkits.mplot3d.art3d import Poly3DCollection

doc = ezdxf.readfile(sys.argv[1])
faces, lines, points = [], [], []
for e in doc.modelspace():
    if e.dxftype() == "3DFACE" and e.dxf.layer == "SLOPE_SURFACE":
        faces.append([(v.x, v.y, v.z) for v in (e.dxf.vtx0, e.dxf.vtx1, e.dxf.vtx2)])
    elif e.dxftype() == "POLYLINE" and e.dxf.layer in ("TOE_LINE", "LAYER_LINE", "TOP_LINE"):
        lines.append((e.dxf.layer, [tuple(v.dxf.location) for v in e.vertices]))
    elif e.dxftype() == "POINT" and e.dxf.layer == "STAKE_POINT":
        points.append(tuple(e.dxf.location))

colours = {"TOE_LINE": "#008200", "LAYER_LINE": "#008ca0", "TOP_LINE": "#aa6e00"}
figure = plt.figure(figsize=(7.2, 4.8))
axes = figure.add_subplot(projection="3d")
axes.add_collection3d(Poly3DCollection(faces, facecolor="#dcdcdc", edgecolor="#a8a8a8",
                                       linewidth=0.25, alpha=0.45))
for layer, vertices in lines:
    xs, ys, zs = zip(*vertices)
    axes.plot(xs, ys, zs, color=colours[layer], linewidth=1.6, zorder=5)
if points:
    xs, ys, zs = zip(*points)
    axes.scatter(xs, ys, zs, color="#a000a0", s=7, depthshade=False, zorder=6)
every = [p for face in faces for p in face] + points
for k, name in enumerate("xyz"):
    low, high = min(p[k] for p in every), max(p[k] for p in every)
    getattr(axes, "set_%slim" % name)(low, high)
axes.set_box_aspect([max(p[0] for p in every) - min(p[0] for p in every),
                     max(p[1] for p in every) - min(p[1] for p in every),
                     (max(p[2] for p in every) - min(p[2] for p in every)) * 1.5])
axes.set_xlabel("Y (E)")
axes.set_ylabel("X (N)")
axes.set_zlabel("H")
# Seen from outside the toe: from the top line's middle out through the toe line's.
def middle(layer):
    vertices = [v for name, line in lines if name == layer for v in line]
    return [sum(v[k] for v in vertices) / len(vertices) for k in range(2)]
toe, top = middle("TOE_LINE"), middle("TOP_LINE")
axes.view_init(elev=30, azim=math.degrees(math.atan2(toe[1] - top[1], toe[0] - top[0])) + 25)
figure.savefig(sys.argv[2], dpi=100, facecolor="#ffffff", bbox_inches="tight")
