#include "core/slope_surface.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/angle.h"
#include "core/decimal.h"

namespace korvel {
namespace {

// Vertices are rounded as written: 4 decimals, a grid of 0.1 mm.
constexpr int kPointDecimals = 4;
constexpr double kGrid = 1e-4;

// Whether the plan point lies on the slope: not behind its axes nor beyond its toe.
bool onSlope(const SlopeBody& body, StakePoint p) {
    const SlopePlace place = designHeight(body, p).place;
    return place == SlopePlace::Face || place == SlopePlace::Top;
}

// `p` on the grid of the written digits: the nearest grid point, or where that lies off the
// slope (a vertex on an axis or the toe, rounded outwards), the nearest grid point to `p`
// moved towards the quarter's inside, a tenth of a millimetre and then twice as far each time,
// so that no face of the network leaves the quarter, however narrow its corners.
StakePoint onGrid(const SlopeBody& body, StakePoint p) {
    const auto rounded = [](StakePoint q) {
        return StakePoint{roundFixed(q.x, kPointDecimals), roundFixed(q.y, kPointDecimals)};
    };
    StakePoint q = rounded(p);
    const StakePoint inside = planPointOf(body, {body.a / 4, body.b / 4});
    const double towardsInside = std::hypot(inside.x - p.x, inside.y - p.y);
    for (double step = kGrid; !onSlope(body, q) && step < towardsInside; step *= 2) {
        const double share = step / towardsInside;
        q = rounded({p.x + (inside.x - p.x) * share, p.y + (inside.y - p.y) * share});
    }
    return q;
}

// How a network's vertices are placed: exactly, while the search for its size goes on, or
// rounded as written, once it is found.
enum class Vertices { Exact, Written };

// `p` lifted to the elevation: exactly, or on the grid as written at the slope's height there.
SurfacePoint vertex(const SlopeBody& body, StakePoint p, double elevation, Vertices vertices) {
    if (vertices == Vertices::Exact) {
        return {p.x, p.y, elevation};
    }
    const StakePoint plan = onGrid(body, p);
    return {plan.x, plan.y, roundFixed(designHeight(body, plan).elevation, kPointDecimals)};
}

// Twice the signed area of the triangle in the quarter's frame: 0 when its three places lie on
// one axis.
double turn(FramePlace a, FramePlace b, FramePlace c) {
    return (b.s - a.s) * (c.t - a.t) - (c.s - a.s) * (b.t - a.t);
}

// Twice the signed area of the triangle in plan, east to the right and north up: above 0 when
// counterclockwise.
double turn(const SurfacePoint& a, const SurfacePoint& b, const SurfacePoint& c) {
    return (b.y - a.y) * (c.x - a.x) - (c.y - a.y) * (b.x - a.x);
}

// The network of I cells around and J bands up, without its departure.
SlopeSurface network(const SlopeBody& body, std::size_t across, std::size_t up, Vertices vertices) {
    SlopeSurface surface;
    const bool apex = body.topA == 0 && body.topB == 0;
    const bool flatTop = body.topA > 0 && body.topB > 0;
    // The ends of the quarter exactly on its axes.
    std::vector<std::pair<double, double>> angles(across + 1);
    for (std::size_t i = 0; i <= across; ++i) {
        const double phi = kPi / 2 * static_cast<double>(i) / static_cast<double>(across);
        angles[i] = {i == across ? 0.0 : std::cos(phi), i == 0 ? 0.0 : std::sin(phi)};
    }
    const std::size_t rings = apex ? up : up + 1;
    // Each vertex's place in the frame as well, exact on the axes: the cells that collapse
    // onto an axis are told from them, not from the rounded plan.
    std::vector<FramePlace> places;
    places.reserve(rings * (across + 1) + 1);
    surface.points.reserve(rings * (across + 1) + 1);
    for (std::size_t j = 0; j < rings; ++j) {
        const double z =
            j == up ? body.height : body.height * static_cast<double>(j) / static_cast<double>(up);
        const SemiAxes axes = semiAxesAt(body, z);
        for (const auto& [c, s] : angles) {
            places.push_back({axes.a * c, axes.b * s});
            surface.points.push_back(
                vertex(body, planPointOf(body, places.back()), body.toe + z, vertices));
        }
    }
    const auto at = [across](std::size_t i, std::size_t j) {
        return static_cast<std::uint32_t>(j * (across + 1) + i);
    };
    // A triangle of three places on one axis (where a top line shrunk to a segment meets it)
    // has no area and is left out. The others turn counterclockwise as written: a sliver by the
    // clustered ends of a segment may turn the other way once rounded, and is turned back.
    const auto add = [&](std::uint32_t a, std::uint32_t b, std::uint32_t c) {
        const double written = turn(surface.points[a], surface.points[b], surface.points[c]);
        if (turn(places[a], places[b], places[c]) == 0 || written == 0) {
            return;
        }
        if (written < 0) {
            std::swap(b, c);
        }
        surface.faces.push_back({a, b, c});
    };
    surface.faces.reserve(2 * across * up + across);
    for (std::size_t j = 0; j + 1 < rings; ++j) {
        for (std::size_t i = 0; i < across; ++i) {
            add(at(i, j), at(i + 1, j), at(i + 1, j + 1));
            add(at(i, j), at(i + 1, j + 1), at(i, j + 1));
        }
    }
    if (apex || flatTop) {
        // The apex, or E at the top: a fan from the last ring.
        const auto centre = static_cast<std::uint32_t>(surface.points.size());
        places.push_back({0, 0});
        surface.points.push_back(vertex(body, body.centre, body.top, vertices));
        const std::size_t ring = rings - 1;
        for (std::size_t i = 0; i < across; ++i) {
            add(at(i, ring), at(i + 1, ring), centre);
        }
    }
    return surface;
}

// The largest vertical departure from the slope at the faces' centroids, the centroid's own
// height starting the search for the slope's height there.
double largestDeparture(const SlopeBody& body, const SlopeSurface& surface) {
    double largest = 0;
    for (const SurfaceFace& f : surface.faces) {
        const SurfacePoint& a = surface.points[f[0]];
        const SurfacePoint& b = surface.points[f[1]];
        const SurfacePoint& c = surface.points[f[2]];
        const StakePoint centroid{(a.x + b.x + c.x) / 3, (a.y + b.y + c.y) / 3};
        const double z = (a.z + b.z + c.z) / 3 - body.toe;
        const double slope = heightThrough(body, framePlaceOf(body, centroid), z);
        largest = std::max(largest, std::abs(slope - z));
    }
    return largest;
}

}  // namespace

// The search compares networks of exact vertices; the one found is made again as written
// and, should its rounding have pushed it over, the search goes on.
SlopeSurface slopeSurface(const SlopeBody& body) {
    std::size_t across = 8;
    std::size_t up = 1;
    const auto departure = [&body](std::size_t i, std::size_t j) {
        return largestDeparture(body, network(body, i, j, Vertices::Exact));
    };
    double exact = departure(across, up);
    for (;;) {
        // Coordinates beyond the doubles' reach never come closer.
        if (!std::isfinite(exact)) {
            return {{}, {}, exact, false};
        }
        if (exact <= kSurfaceDeparture) {
            SlopeSurface written = network(body, across, up, Vertices::Written);
            written.departure = largestDeparture(body, written);
            if (written.departure <= kSurfaceDeparture) {
                return written;
            }
        }
        if (4 * across * up > kMostSurfaceFaces) {
            return {{}, {}, exact, false};
        }
        const double around = departure(2 * across, up);
        const double higher = departure(across, 2 * up);
        if (around <= higher) {
            across *= 2;
            exact = around;
        } else {
            up *= 2;
            exact = higher;
        }
    }
}

}  // namespace korvel
