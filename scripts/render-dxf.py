#!/usr/bin/python3
# Renders a DXF drawing to a PNG picture with ezdxf's drawing add-on (matplotlib), on white,
# for the README: scripts/render-dxf.py DRAWING.dxf PICTURE.png
import sys

import matplotlib

matplotlib.use("Agg")
import ezdxf
import matplotlib.pyplot as plt
from ezdxf.addons.drawing import Frontend, RenderContext
from ezdxf.addons.drawing.config import Configuration
from ezdxf.addons.drawing.matplotlib import MatplotlibBackend
from ezdxf.addons.drawing.properties import LayoutProperties

doc = ezdxf.readfile(sys.argv[1])
model = doc.modelspace()
on_white = LayoutProperties.from_layout(model)
on_white.set_colors("#ffffff")
figure = plt.figure(figsize=(6.4, 4.8))
axes = figure.add_axes([0, 0, 1, 1])
# Points drawn as the drawing's header says ($PDMODE, $PDSIZE), as CAD programs draw them.
from_header = Configuration.defaults().with_changes(pdsize=None, pdmode=None)
Frontend(RenderContext(doc), MatplotlibBackend(axes), config=from_header).draw_layout(
    model, finalize=True, layout_properties=on_white)
figure.savefig(sys.argv[2], dpi=100, facecolor="#ffffff")
