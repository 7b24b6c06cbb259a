// The drawing of the slope on the sheet's first page: the DXF file's drawing painted to fit
// its box, east to the right and north up, with a north arrow and a scale bar.
#pragma once

#include <QFont>
#include <QRectF>

#include "files/drawing/drawing.h"

class QPainter;

namespace korvel {

// How drawing places map onto the page: paper = origin + (place - low) x scale, with the
// page's y growing downwards, so north goes up.
struct PictureScale {
    double scale = 1;  // points per drawing unit (metre)
    double originX = 0;
    double originY = 0;  // the page y of `low`'s northing
    double lowEast = 0;
    double lowNorth = 0;
};

// The scale that fits the drawing's box (`low` to `high`) into `area` keeping its aspect,
// centred; a drawing without width or height takes its other side, one without either one
// metre to the area's smaller side.
//   low (0, 0), high (100, 50), area 200 x 200 at (0, 0) -> scale 2, the drawing 200 x 100
//   centred: originX 0, originY 150
PictureScale fitPicture(const Drawing& drawing, const QRectF& area);

// Paints `drawing` into `box` (its border, the caption "示意图", the drawing, the north arrow
// at the top right and the scale bar at the bottom left), clipped to the box. Names that
// would cover a name already painted are left out, so that a long list stays legible.
void paintSlopePicture(QPainter& painter, const QRectF& box, const Drawing& drawing,
                       const QFont& font);

}  // namespace korvel
