// The inputs of one run and the directions of the four slope positions.
#pragma once

#include <functional>

namespace korvel {

// The eight numbers of one run, as read from Text1 to Text8. Lengths share the user's
// unit; beta, azimuth (and step in the angle mode) are D.MMSS angles.
struct CalcInput {
    double a = 0;        // long semi-axis of the ellipse
    double b = 0;        // short semi-axis
    double beta = 0;     // intersection angle β between road and long axis, D.MMSS
    double centreX = 0;  // road centre point O, northing
    double centreY = 0;  // road centre point O, easting
    double azimuth = 0;  // azimuth of the road's forward direction at O, D.MMSS
    double step = 0;     // fixed step: a length, or a D.MMSS angle in the angle mode
    double d = 0;        // distance of the ellipse's centre from O along the long axis
};

// The quarter of the ellipse laid out: 位置1 to 位置4, clockwise from the upper left of
// the window's diagram.
enum class SlopePosition { Position1, Position2, Position3, Position4 };

// One stake-out point: X northing, Y easting.
struct StakePoint {
    double x = 0;
    double y = 0;
};

// Receives the points of a generator one by one; returns false to stop it at once.
using PointSink = std::function<bool(StakePoint)>;

// The two azimuths (radians, clockwise from north) of a quarter: thetaU along the long
// axis, where a and D are laid off, and thetaV along the road, where b is laid off.
struct AxisDirections {
    double thetaU = 0;
    double thetaV = 0;
};

// The long-axis and road directions of `position` for road azimuth alpha and
// intersection angle beta, both in radians. The right half of the long axis is
// beta + alpha, the left half alpha - (π - beta), combined in exactly that order.
AxisDirections axisDirections(SlopePosition position, double alpha, double beta);

// The arc angle F of a quarter, radians: the angle at its centre between the long-axis half and
// the road half, π − β for 位置1 and 位置3, β for 位置2 and 位置4.
double quarterAngle(SlopePosition position, double beta);

// The lines of the quarter laid out, for a drawing of it (X northing, Y easting): the road
// centre point O and the road's forward azimuth, the quarter's centre C at D from O along
// the long axis, the vertex of the long axis at a from C, and the end of the short axis at b
// from C along the road. The vertex is the step-length mode's closing point and the end of
// the short axis the angle mode's, computed the same way.
struct SlopeOutline {
    StakePoint roadCentre;
    double roadAzimuth = 0;  // radians, clockwise from north
    StakePoint centre;
    StakePoint vertex;
    StakePoint shortAxisEnd;
};

// The outline of `position` for the inputs of a run.
SlopeOutline slopeOutline(const CalcInput& input, SlopePosition position);

// `value` rounded to single precision the IEEE way, with overflow going to infinity.
// The point loops count in single precision, as the program always has.
float toSingle(double value);

}  // namespace korvel
