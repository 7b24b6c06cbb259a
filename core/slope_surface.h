// The design surface of the slope as a triangulated irregular network (TIN), for field
// controllers that show cut and fill against it and for drawings: the face from the toe to the
// top line, and the flat top inside the top line.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/slope_body.h"

namespace korvel {

// A vertex: X northing, Y easting and elevation, each rounded to 0.1 mm as files write them.
// Its plan point lies on the slope as rounded (designHeight finds it on the face or the top),
// and its elevation is the slope's there.
struct SurfacePoint {
    double x = 0;
    double y = 0;
    double z = 0;
};

// A triangle: three indices into the vertices, counterclockwise seen from above with east to
// the right and north up.
using SurfaceFace = std::array<std::uint32_t, 3>;

// The largest vertical departure of a face from the true surface, at its centroid, that the
// network is refined to: a millimetre inside the 5 mm promised, for the rounding of files.
inline constexpr double kSurfaceDeparture = 0.004;

// The most faces a network may have, some 15 MB of LandXML; a surveyor's slope needs a few
// thousand. One that needs more (a giant, or the cusp where a top line shrunk to a segment
// ends, on a steep narrow slope) is not triangulated.
inline constexpr std::size_t kMostSurfaceFaces = std::size_t{1} << 18;

struct SlopeSurface {
    std::vector<SurfacePoint> points;
    std::vector<SurfaceFace> faces;
    double departure = 0;  // the largest vertical departure at a centroid, metres
    bool complete = true;  // false: kMostSurfaceFaces faces were not enough; no faces then
};

// The network of `body`. Rings of vertices on the slope's lines at heights H·j/J, each at the
// parameter angles φ = 90°·i/I of E + a(z)·cos φ·u + b(z)·sin φ·v, joined ring to ring by two
// triangles a cell (one at the apex), and the top line's ring fanned to E at Ht. I and J are
// doubled, whichever of them lowers the departure more, until no centroid departs more than
// kSurfaceDeparture. Every vertex lies in the quarter, so no face leaves it.
//   a true cone: its rulings are straight and meet at the apex, so J stays 1
SlopeSurface slopeSurface(const SlopeBody& body);

}  // namespace korvel
