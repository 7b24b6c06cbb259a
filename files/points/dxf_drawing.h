// The slope as a drawing for CAD and GIS programs: AutoCAD R12 ASCII DXF (AC1009), the
// version every one of them opens. ASCII, CR LF line ends.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/geometry.h"
#include "files/points/point_list.h"

namespace korvel {

// The drawing of the points and, when `outline` is given, of the quarter they belong to.
// CAD x is easting (the list's Y), CAD y northing (X), z the elevation H for everything.
// Each kind of thing has its own layer, in a LAYER table:
//   STAKE_POINT        a POINT per stake point, at the list's own digits
//   STAKE_NAME         a TEXT of the point's name beside it, sized in proportion to the slope
//   TOE_LINE           a 3D POLYLINE through the points in their order (two points or more)
//   ROAD_CENTRE_POINT  the road centre point O, a POINT and the text "O"
//   ROAD_CENTRE_LINE   a stretch of the road centre line through O along the azimuth, with an
//                      arrowhead at its forward end
//   LONG_AXIS          from O through the quarter's centre to the vertex of the long axis
//   SHORT_AXIS         from the quarter's centre to the end of the short axis
// The header gives $ACADVER, the extents $EXTMIN/$EXTMAX, and $PDMODE/$PDSIZE so points show
// as a circled cross the size of the names.
// Everything is drawn within ±1e300, so that no sum or scale of the drawing overflows: a
// point beyond it refuses the drawing, a line of the outline beyond it is left out.
struct DxfFile {
    std::string bytes;
    std::string error;  // Chinese, empty on success
};
DxfFile encodeDxf(const std::vector<NamedPoint>& points, std::string_view elevation,
                  const std::optional<SlopeOutline>& outline);

}  // namespace korvel
