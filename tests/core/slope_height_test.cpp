// The slope in height: its refusals, the layer lines on their ellipses, the quantities against
// the closed forms of a cone, the design elevation against points placed on known lines, and the
// triangulated surface against the model at every vertex and centroid. The quarter's frame is
// built here from the diagram (right half of the long axis at α + β, the road forward at α), not
// from the program's own directions.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <map>
#include <numbers>
#include <random>

#include "core/angle.h"
#include "core/run.h"
#include "core/slope_body.h"
#include "core/slope_layers.h"
#include "core/slope_quantities.h"
#include "core/slope_surface.h"

namespace korvel {
namespace {

// The worked example of the step mode: a 12.5, b 6, β 60°30′, O (3000, 5000), azimuth
// 45°15′30″, step 2.5, D 4.25.
const CalcInput kExample{12.5, 6, 60.3, 3000, 5000, 45.153, 2.5, 4.25};

// The quarter's frame from the diagram: E, the unit vectors u and v, radians throughout.
struct Frame {
    double ex, ey, ux, uy, vx, vy;
};

Frame frameOf(const CalcInput& in, int quarter, double betaRadians, double alphaRadians) {
    const double u = alphaRadians + betaRadians + (quarter == 1 || quarter == 4 ? M_PI : 0);
    const double v = alphaRadians + (quarter >= 3 ? M_PI : 0);
    return {in.centreX + in.d * std::cos(u),
            in.centreY + in.d * std::sin(u),
            std::cos(u),
            std::sin(u),
            std::cos(v),
            std::sin(v)};
}

// (s, t) of a plan point in the frame: p − E = s·u + t·v.
std::pair<double, double> stOf(const Frame& f, double x, double y) {
    const double dx = x - f.ex, dy = y - f.ey;
    const double det = f.ux * f.vy - f.uy * f.vx;
    return {(dx * f.vy - dy * f.vx) / det, (f.ux * dy - f.uy * dx) / det};
}

// A row's "0.000" digits as a number, whatever the locale.
double number(const std::string& digits) {
    double value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

SlopeBody bodyOf(const CalcInput& in, SlopePosition position, SlopeHeights heights) {
    const SlopeBodyResult r = slopeBody(in, position, heights);
    EXPECT_EQ(r.fault, HeightFault::None);
    return r.body;
}

TEST(SlopeBody, RefusalsAsCodes) {
    const auto with = [](double a, double b, double beta) {
        CalcInput in = kExample;
        in.a = a;
        in.b = b;
        in.beta = beta;
        return in;
    };
    const struct {
        CalcInput input;
        SlopeHeights heights;
        HeightFault fault;
    } cases[] = {
        {kExample, {100, 104, {}, {}}, HeightFault::None},
        {kExample, {100, 104, 2.0, 1.0}, HeightFault::None},
        {kExample, {100, 104, 3.125, {}}, HeightFault::None},  // the long axis to the apex
        {kExample, {100, 104, 4.0, 1.0}, HeightFault::SlopesDoNotFit},
        {kExample, {100, 104, 1.0, 1.6}, HeightFault::SlopesDoNotFit},
        {kExample, {100, 100, {}, {}}, HeightFault::TopNotAboveToe},
        {kExample, {100, 99.5, {}, {}}, HeightFault::TopNotAboveToe},
        {kExample, {100, INFINITY, {}, {}}, HeightFault::TopNotAboveToe},
        {kExample, {100, 104, 0.0, 1.0}, HeightFault::SlopeNotPositive},
        {kExample, {100, 104, 1.0, -1.0}, HeightFault::SlopeNotPositive},
        {kExample, {100, 104, NAN, 1.0}, HeightFault::SlopeNotPositive},
        {with(0, 6, 60.3), {100, 104, {}, {}}, HeightFault::NoQuarter},
        {with(12.5, 0, 60.3), {100, 104, {}, {}}, HeightFault::NoQuarter},
        {with(-12.5, 6, 60.3), {100, 104, {}, {}}, HeightFault::NoQuarter},
        {with(12.5, 6, 0), {100, 104, {}, {}}, HeightFault::NoQuarter},
        {with(12.5, 6, 180), {100, 104, {}, {}}, HeightFault::NoQuarter},
        {with(12.5, 6, 200), {100, 104, {}, {}}, HeightFault::NoQuarter},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(slopeBody(c.input, SlopePosition::Position2, c.heights).fault, c.fault)
            << c.input.a << " " << c.input.b << " " << c.input.beta << " " << c.heights.top;
    }
}

TEST(SlopeBody, TopSemiAxesOfTheWorkedExample) {
    const SlopeBody cone = bodyOf(kExample, SlopePosition::Position2, {100, 104, {}, {}});
    EXPECT_DOUBLE_EQ(cone.m, 3.125);
    EXPECT_DOUBLE_EQ(cone.n, 1.5);
    EXPECT_EQ(cone.topA, 0.0);  // a − (a/H)·H snapped to 0
    EXPECT_EQ(cone.topB, 0.0);
    const SlopeBody cut = bodyOf(kExample, SlopePosition::Position2, {100, 104, 2.0, 1.0});
    EXPECT_DOUBLE_EQ(cut.topA, 4.5);
    EXPECT_DOUBLE_EQ(cut.topB, 2.0);
    // A slope whose rounding lands a hair below 0 at the top still fits.
    CalcInput odd = kExample;
    odd.a = 0.3;
    EXPECT_EQ(slopeBody(odd, SlopePosition::Position1, {0.1, 0.7, {}, {}}).fault,
              HeightFault::None);
}

TEST(SlopeLayers, HeightsOfTheLines) {
    const SlopeBody body = bodyOf(kExample, SlopePosition::Position2, {100, 104, 2.0, 1.0});
    const struct {
        std::optional<double> thickness;
        std::vector<double> heights;
    } cases[] = {
        {1.5, {1.5, 3, 4}},
        {2.0, {2, 4}},          // the line at 4 is the top line
        {1.9998, {1.9998, 4}},  // 3.9996 lies within half a millimetre of the top
        {1.99974, {1.99974, 3.99948, 4}},
        {5.0, {4}},
        {{}, {4}},
    };
    for (const auto& c : cases) {
        const std::vector<double> got = lineHeights(body, c.thickness, 32767);
        ASSERT_EQ(got.size(), c.heights.size()) << c.thickness.value_or(0);
        for (std::size_t k = 0; k < got.size(); ++k) {
            EXPECT_NEAR(got[k], c.heights[k], 1e-12);
        }
    }
    EXPECT_TRUE(lineHeights(body, 0.001, 3000).empty());  // 4000 lines and the top
    EXPECT_EQ(lineHeights(body, 0.001, 4000).size(), 4000U);
}

// Every point of every layer line, carried back into the diagram's frame, lies on the ellipse
// with that line's semi-axes, in both modes and all four positions.
TEST(SlopeLayers, LinesLieOnTheirEllipses) {
    std::mt19937_64 rng(20261207);
    std::uniform_real_distribution<double> axis(2, 60), slope(0.3, 2.5), unit(0, 1);
    for (int n = 0; n < 60; ++n) {
        CalcInput in = kExample;
        in.a = axis(rng);
        in.b = axis(rng);
        in.beta = std::floor(10 + 160 * unit(rng));
        in.azimuth = std::floor(360 * unit(rng));
        const bool stepMode = n % 2 == 0;
        in.step = stepMode ? in.a / 17 : 4.3;
        const double h = std::min(in.a / 2.6, in.b / 2.6) * (0.2 + unit(rng));
        const SlopeHeights heights{50, 50 + h, std::min(0.95 * in.a / h, 2.5 * unit(rng) + 0.1),
                                   std::min(0.95 * in.b / h, 2.5 * unit(rng) + 0.1)};
        for (const int quarter : {1, 2, 3, 4}) {
            const auto position = static_cast<SlopePosition>(quarter - 1);
            const SlopeBody body = bodyOf(in, position, heights);
            const Frame f = frameOf(in, quarter, in.beta * M_PI / 180, in.azimuth * M_PI / 180);
            for (const double z : lineHeights(body, h / 3.7, 32767)) {
                const double a = in.a - body.m * z, b = in.b - body.n * z;
                const GeneratedRows rows = slopeLineRows(in, position, stepMode, body, z, 32767);
                ASSERT_FALSE(rows.rows.empty());
                ASSERT_EQ(rows.skipped, 0);
                // The rows' rounding to the millimetre, grown by the oblique frame.
                const double rounding = 1e-3 / std::sin(in.beta * M_PI / 180);
                for (const StakeRow& row : rows.rows) {
                    const auto [s, t] = stOf(f, number(row.x), number(row.y));
                    EXPECT_NEAR(std::hypot(s / a, t / b), 1, rounding / std::min(a, b))
                        << "line at z " << z << ", point " << row.number;
                    EXPECT_GT(s, -rounding);
                    EXPECT_GT(t, -rounding);
                }
            }
        }
    }
}

// The toe run itself, fed the toe's semi-axes, is the run the list shows.
TEST(SlopeLayers, TheLineAtTheToeIsTheRun) {
    const SlopeBody body = bodyOf(kExample, SlopePosition::Position2, {0, 4, {}, {}});
    const GeneratedRows toe = slopeLineRows(kExample, SlopePosition::Position2, true, body, 0, 100);
    const GeneratedRows run = generateRows(kExample, SlopePosition::Position2, true);
    EXPECT_EQ(toe.rows, run.rows);
}

// A top line shrunk to a segment is its two ends, in the mode's order; to the apex, E.
TEST(SlopeLayers, TopLineAsASegmentOrTheApex) {
    const auto rowsAt = [](SlopeHeights heights, bool stepMode) {
        const SlopeBody body = bodyOf(kExample, SlopePosition::Position2, heights);
        return slopeLineRows(kExample, SlopePosition::Position2, stepMode, body, body.height, 100)
            .rows;
    };
    const double beta = 弧度(60.3), alpha = 弧度(45.153);
    const Frame f = frameOf(kExample, 2, beta, alpha);
    const auto place = [&](double s, double t) {
        return std::pair{f.ex + s * f.ux + t * f.vx, f.ey + s * f.uy + t * f.vy};
    };
    const auto expectAt = [](const StakeRow& row, std::pair<double, double> p) {
        EXPECT_NEAR(number(row.x), p.first, 6e-4);
        EXPECT_NEAR(number(row.y), p.second, 6e-4);
    };
    // The cone: one row at E.
    for (const bool step : {true, false}) {
        const std::vector<StakeRow> apex = rowsAt({0, 4, {}, {}}, step);
        ASSERT_EQ(apex.size(), 1U);
        expectAt(apex[0], place(0, 0));
    }
    // The long axis reaches the apex height first: a segment along the road, 2 long.
    const std::vector<StakeRow> byStep = rowsAt({0, 4, {}, 1.0}, true);
    ASSERT_EQ(byStep.size(), 2U);
    expectAt(byStep[0], place(0, 2));
    expectAt(byStep[1], place(0, 0));
    const std::vector<StakeRow> byAngle = rowsAt({0, 4, {}, 1.0}, false);
    ASSERT_EQ(byAngle.size(), 2U);
    expectAt(byAngle[0], place(0, 0));
    expectAt(byAngle[1], place(0, 2));
    EXPECT_EQ(byAngle[1].number, 2);
}

// A true cone's fill and face against their closed forms, β = 90° so that the face has one.
TEST(SlopeQuantities, ConeAgainstClosedForms) {
    const struct {
        double a, b, h;
    } cones[] = {{12.5, 6, 4}, {20, 20, 8}, {30, 3, 12}, {8, 7.5, 0.5}, {100, 40, 30}};
    for (const auto& c : cones) {
        CalcInput in = kExample;
        in.a = c.a;
        in.b = c.b;
        in.beta = 90;
        const SlopeBody body = bodyOf(in, SlopePosition::Position1, {10, 10 + c.h, {}, {}});
        const SlopeQuantities q = slopeQuantities(body);
        EXPECT_NEAR(q.fillVolume, std::numbers::pi * c.a * c.b * c.h / 12, 1e-9 * q.fillVolume);
        const double k = std::sqrt((1 - c.b * c.b / (c.a * c.a)) / (1 + c.b * c.b / (c.h * c.h)));
        const double face = c.a / 2 * std::sqrt(c.b * c.b + c.h * c.h) * std::comp_ellint_2(k);
        EXPECT_NEAR(q.faceArea, face, 1e-6 * face) << c.a << " " << c.b << " " << c.h;
        // A quarter of the ellipse's perimeter: a·E(e), e² = 1 − b²/a².
        EXPECT_NEAR(q.toeLength, c.a * std::comp_ellint_2(std::sqrt(1 - c.b * c.b / (c.a * c.a))),
                    1e-7);
        EXPECT_EQ(q.topLength, 0.0);
    }
}

// The area of a triangle in space.
double triangleArea(const std::array<double, 3>& p, const std::array<double, 3>& q,
                    const std::array<double, 3>& r) {
    const double ux = q[0] - p[0], uy = q[1] - p[1], uz = q[2] - p[2];
    const double vx = r[0] - p[0], vy = r[1] - p[1], vz = r[2] - p[2];
    return std::hypot(uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx) / 2;
}

// An oblique quarter with slopes that do not make a cone: the fill against the plan areas of
// its lines summed over thin layers, the face against a fine mesh of the model built here, the
// lines against dense polylines.
TEST(SlopeQuantities, ObliqueSlopeAgainstFineSums) {
    for (const int quarter : {1, 2}) {
        const auto position = static_cast<SlopePosition>(quarter - 1);
        const SlopeBody body = bodyOf(kExample, position, {100, 103.5, 2.1, 1.2});
        const SlopeQuantities q = slopeQuantities(body);
        const double beta = 弧度(60.3), alpha = 弧度(45.153);
        const Frame f = frameOf(kExample, quarter, beta, alpha);
        const double arc = quarter == 1 ? M_PI - beta : beta;
        constexpr int kSteps = 1500;
        // Midpoint sums: the plan area of each thin layer, and the mesh of the face.
        double fill = 0, face = 0, toe = 0, top = 0;
        const double h = 3.5;
        const auto at = [&](double phi, double z) {
            const double a = 12.5 - 2.1 * z, b = 6 - 1.2 * z;
            const double s = a * std::cos(phi), t = b * std::sin(phi);
            return std::array<double, 3>{f.ex + s * f.ux + t * f.vx, f.ey + s * f.uy + t * f.vy, z};
        };
        for (int k = 0; k < kSteps; ++k) {
            const double z = (k + 0.5) * h / kSteps;
            fill += M_PI / 4 * (12.5 - 2.1 * z) * (6 - 1.2 * z) * std::sin(arc) * h / kSteps;
        }
        for (int i = 0; i < kSteps; ++i) {
            const double p0 = M_PI / 2 * i / kSteps, p1 = M_PI / 2 * (i + 1) / kSteps;
            const auto len = [&](double z) {
                const auto a = at(p0, z), b = at(p1, z);
                return std::hypot(a[0] - b[0], a[1] - b[1]);
            };
            toe += len(0);
            top += len(h);
            for (int j = 0; j < 200; ++j) {
                const double z0 = h * j / 200, z1 = h * (j + 1) / 200;
                face += triangleArea(at(p0, z0), at(p1, z0), at(p1, z1)) +
                        triangleArea(at(p0, z0), at(p1, z1), at(p0, z1));
            }
        }
        EXPECT_NEAR(q.fillVolume, fill, 1e-5 * fill);
        EXPECT_NEAR(q.faceArea, face, 1e-4 * face);  // 0.01%
        EXPECT_NEAR(q.toeLength, toe, 1e-3);
        EXPECT_NEAR(q.topLength, top, 1e-3);
    }
}

TEST(SlopeQuantities, PrintedLines) {
    const SlopeQuantities q{523.5988, 301.01249, 25.3449, 0};
    EXPECT_EQ(quantityLines(q, "\n"),
              "锥坡填方  523.599 m³\n坡面面积  301.012 m²\n坡脚线长   25.345 m\n"
              "坡顶线长    0.000 m\n");
    EXPECT_NEAR(quarterLineLength(5, 5, M_PI / 2), 5 * M_PI / 2, 1e-12);
    EXPECT_NEAR(quarterLineLength(0, 3, 1.1), 3, 1e-12);
}

// Points placed on known lines come back at those lines' elevations; a cone's match the
// closed form; the places off the face are told apart.
TEST(DesignHeight, PlacesOnKnownLines) {
    for (const int quarter : {1, 2, 3, 4}) {
        const auto position = static_cast<SlopePosition>(quarter - 1);
        const Frame f = frameOf(kExample, quarter, 弧度(60.3), 弧度(45.153));
        const auto plan = [&](double s, double t) {
            return StakePoint{f.ex + s * f.ux + t * f.vx, f.ey + s * f.uy + t * f.vy};
        };
        const SlopeBody body = bodyOf(kExample, position, {100, 103.5, 2.1, 1.2});
        for (double z = 0; z < 3.5; z += 0.37) {
            for (double phi = 0; phi <= M_PI / 2; phi += 0.1) {
                const double a = 12.5 - 2.1 * z, b = 6 - 1.2 * z;
                const DesignHeight d =
                    designHeight(body, plan(a * std::cos(phi), b * std::sin(phi)));
                EXPECT_EQ(d.place, z == 0 && phi == 0 ? d.place : SlopePlace::Face);
                EXPECT_NEAR(d.elevation, 100 + z, 1e-9);
            }
        }
        const SlopeBody cone = bodyOf(kExample, position, {100, 104, {}, {}});
        for (const auto& [s, t] : {std::pair{3.0, 1.0}, {10.0, 0.5}, {0.2, 5.5}, {6, 3}}) {
            const double z = 4 * (1 - std::hypot(s / 12.5, t / 6));
            EXPECT_NEAR(designHeight(cone, plan(s, t)).elevation, 100 + z, 1e-9);
        }
        const struct {
            double s, t;
            SlopePlace place;
            double elevation;
        } places[] = {
            {-0.01, 1, SlopePlace::Outside, 0},   {1, -0.01, SlopePlace::Outside, 0},
            {-20, -20, SlopePlace::Outside, 0},   {12.4, 1, SlopePlace::BeyondToe, 0},
            {0, 6.001, SlopePlace::BeyondToe, 0}, {0, 0, SlopePlace::Top, 103.5},
            {5.1, 0, SlopePlace::Top, 103.5},     {1, 1, SlopePlace::Top, 103.5},
            {12.5, 0, SlopePlace::Face, 100},
        };
        for (const auto& p : places) {
            const DesignHeight d = designHeight(body, plan(p.s, p.t));
            EXPECT_EQ(d.place, p.place) << p.s << " " << p.t;
            EXPECT_NEAR(d.elevation, p.elevation, 1e-9) << p.s << " " << p.t;
        }
    }
}

// A top line shrunk to a segment: on it is the top, beside it the face.
TEST(DesignHeight, OnATopSegment) {
    const SlopeBody body = bodyOf(kExample, SlopePosition::Position2, {0, 4, {}, 1.0});
    const double beta = 弧度(60.3), alpha = 弧度(45.153);
    const Frame f = frameOf(kExample, 2, beta, alpha);
    const StakePoint onIt{f.ex + 1.5 * f.vx, f.ey + 1.5 * f.vy};
    EXPECT_EQ(designHeight(body, onIt).place, SlopePlace::Top);
    const FramePlace exact = framePlaceOf(body, onIt);
    EXPECT_NEAR(exact.s, 0, 1e-9);
    const DesignHeight beside = designHeight(body, {onIt.x + 0.01 * f.ux, onIt.y + 0.01 * f.uy});
    EXPECT_EQ(beside.place, SlopePlace::Face);
    EXPECT_NEAR(beside.elevation, 4, 0.01);
}

// The triangulated surface: every vertex on the slope at its height within its rounding, every
// centroid within 5 mm, every vertex in the quarter, every face counterclockwise, every inner edge
// shared by two faces, and the faces' plan areas adding up to the quarter's.
TEST(SlopeSurface, AgainstTheModel) {
    const struct {
        SlopeHeights heights;
        int quarter;
    } cases[] = {
        {{100, 104, {}, {}}, 2},      // a cone: the apex
        {{100, 103.5, 2.1, 1.2}, 1},  // a flat top, slopes of their own
        {{100, 104, 2.0, 1.5}, 3},    // a top line shrunk to a segment along the long axis
        {{0, 2, 0.5, 0.7}, 4},        // a low, gentle slope
        {{0, 10, 1.25, 0.6}, 2},      // steep, the faces twisted
    };
    for (const auto& c : cases) {
        const auto position = static_cast<SlopePosition>(c.quarter - 1);
        const SlopeBody body = bodyOf(kExample, position, c.heights);
        const SlopeSurface surface = slopeSurface(body);
        ASSERT_TRUE(surface.complete);
        EXPECT_LE(surface.departure, kSurfaceDeparture);
        const Frame f = frameOf(kExample, c.quarter, 弧度(60.3), 弧度(45.153));
        for (const SurfacePoint& p : surface.points) {
            const auto [s, t] = stOf(f, p.x, p.y);
            EXPECT_GT(s, -1e-4);
            EXPECT_GT(t, -1e-4);
            EXPECT_LE(std::hypot(s / 12.5, t / 6), 1 + 1e-5);
            // On the slope as rounded, at its height there to the rounding of the digits.
            const DesignHeight d = designHeight(body, {p.x, p.y});
            EXPECT_TRUE(d.place == SlopePlace::Face || d.place == SlopePlace::Top);
            EXPECT_NEAR(p.z, d.elevation, 5e-5 + 1e-9);
        }
        std::map<std::pair<std::uint32_t, std::uint32_t>, int> edges;
        double planArea = 0;
        for (const SurfaceFace& face : surface.faces) {
            const SurfacePoint &a = surface.points[face[0]], &b = surface.points[face[1]],
                               &p = surface.points[face[2]];
            const double turn = (b.y - a.y) * (p.x - a.x) - (p.y - a.y) * (b.x - a.x);
            EXPECT_GE(turn, 0);
            planArea += turn / 2;
            const StakePoint centroid{(a.x + b.x + p.x) / 3, (a.y + b.y + p.y) / 3};
            EXPECT_NEAR((a.z + b.z + p.z) / 3, designHeight(body, centroid).elevation, 0.005);
            for (int k = 0; k < 3; ++k) {
                const auto from = face[k], to = face[(k + 1) % 3];
                ++edges[{std::min(from, to), std::max(from, to)}];
            }
        }
        for (const auto& [edge, faces] : edges) {
            EXPECT_LE(faces, 2);
        }
        const double quarterArea = M_PI / 4 * 12.5 * 6 * std::sin(弧度(60.3));
        EXPECT_NEAR(planArea, quarterArea, 0.01 * quarterArea);
    }
}

}  // namespace
}  // namespace korvel
