// The quantities of one quarter of the slope (工程量), for measurement and payment: the fill
// between toe and top, the face to be pitched, and the lengths of the toe and top lines.
#pragma once

#include <string>
#include <vector>

#include "core/slope_body.h"

namespace korvel {

struct SlopeQuantities {
    double fillVolume = 0;  // 锥坡填方, m³: the quarter's plan area integrated over the height
    double faceArea = 0;    // 坡面面积, m²: the sloping face from the toe to the top line
    double toeLength = 0;   // 坡脚线长, m: the toe line in plan
    double topLength = 0;   // 坡顶线长, m: the top line in plan
};

// The quantities of `body`. The fill is exact: the plan area (π/4)·a(z)·b(z)·sin β integrated,
// (π/4)·sin β·[a·b·H − (a·n + b·m)·H²/2 + m·n·H³/3], with the program's π. The face and the
// lines depend on the quarter's angle F at E and are integrated numerically to a relative
// error far below 10⁻⁶.
//   a true cone: fill π·a·b·H·sin β/12
//   β = 90°, a ≥ b, a true cone: face (a/2)·√(b² + H²)·E(k), k² = (1 − b²/a²)/(1 + b²/H²)
//   a top line shrunk to a segment of length L: topLength L; to the apex: topLength 0
SlopeQuantities slopeQuantities(const SlopeBody& body);

// The length in plan of the quarter's line with semi-axes a and b (either may be 0) meeting at
// the angle `arc`.
//   (5, 5, π/2) -> 7.853981... (a quarter circle)     (0, 3, any) -> 3
double quarterLineLength(double a, double b, double arc);

// One quantity as printed: its caption, its value with 3 decimals and its unit.
struct QuantityText {
    std::string caption;  // "锥坡填方"
    std::string value;    // "1234.567"
    std::string unit;     // "m³"
};

// The four quantities in the order 锥坡填方, 坡面面积, 坡脚线长, 坡顶线长, units m³, m², m, m.
std::vector<QuantityText> quantityTexts(const SlopeQuantities& quantities);

// The quantities a line each: the caption, blanks, the value right-aligned with the others, a
// blank and the unit; each line ended by `lineEnd`.
//   "锥坡填方  523.599 m³\n坡面面积  301.012 m²\n坡脚线长   25.345 m\n坡顶线长    0.000 m\n"
std::string quantityLines(const SlopeQuantities& quantities, std::string_view lineEnd);

}  // namespace korvel
