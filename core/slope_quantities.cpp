#include "core/slope_quantities.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/angle.h"
#include "core/decimal.h"

namespace korvel {
namespace {

// The Gauss–Kronrod pair of 7 and 15 points on [-1, 1]: the Kronrod nodes and weights, the
// Gauss weights of the odd nodes (the 7-point rule's).
constexpr std::array<double, 8> kNodes = {
    0.991455371120812639206854697526329, 0.949107912342758524526189684047851,
    0.864864423359769072789712788640926, 0.741531185599394439863864773280788,
    0.586087235467691130294144845693013, 0.405845151377397166906606412076961,
    0.207784955007898467600689403773245, 0.000000000000000000000000000000000};
constexpr std::array<double, 8> kKronrod = {
    0.022935322010529224963732008058970, 0.063092092629978553290700663189204,
    0.104790010322250183839876322541518, 0.140653259715525918745189590510238,
    0.169004726639267902826583426598550, 0.190350578064785409913256402421014,
    0.204432940075298892414161999234649, 0.209482141084727828012999174891714};
constexpr std::array<double, 4> kGauss = {
    0.129484966168869693270611432679082, 0.279705391489276667901467771423780,
    0.381830050505118944950369775488975, 0.417959183673469387755102040816327};

// ∫ f over [low, high], halving each interval until the 7- and 15-point rules agree within
// its share of `tolerance`; the integrands here are smooth, so few halvings are needed.
template <typename F>
double integrate(const F& f, double low, double high, double tolerance, int depth = 0) {
    const double half = (high - low) / 2;
    const double middle = low + half;
    double kronrod = kKronrod[7] * f(middle);
    double gauss = kGauss[3] * f(middle);
    for (std::size_t k = 0; k < 7; ++k) {
        const double pair = f(middle - half * kNodes[k]) + f(middle + half * kNodes[k]);
        kronrod += kKronrod[k] * pair;
        if (k % 2 == 1) {
            gauss += kGauss[k / 2] * pair;
        }
    }
    kronrod *= half;
    gauss *= half;
    if (std::abs(kronrod - gauss) <= tolerance || depth >= 24 || !std::isfinite(kronrod)) {
        return kronrod;
    }
    return integrate(f, low, middle, tolerance / 2, depth + 1) +
           integrate(f, middle, high, tolerance / 2, depth + 1);
}

constexpr double kQuarterTurn = kPi / 2;
// The integrals are carried to this share of the quantity's size, far below the 3 decimals
// printed.
constexpr double kRelativeTolerance = 1e-11;

// The face's area element at (φ, z): |∂P/∂φ × ∂P/∂z| for P = E + a(z)·cos φ·u + b(z)·sin φ·v
// lifted to z, worked out in a plan frame where u = (1, 0) and v = (cos F, sin F).
double faceElement(const SlopeBody& body, double phi, double z) {
    const SemiAxes axes = semiAxesAt(body, z);
    const double cosF = std::cos(body.arc);
    const double sinF = std::sin(body.arc);
    const double c = std::cos(phi);
    const double s = std::sin(phi);
    const double alongX = -axes.a * s + axes.b * c * cosF;  // ∂P/∂φ, its z part 0
    const double alongY = axes.b * c * sinF;
    const double upX = -body.m * c - body.n * s * cosF;  // ∂P/∂z, its z part 1
    const double upY = -body.n * s * sinF;
    const double across = alongX * upY - alongY * upX;
    return std::sqrt(alongX * alongX + alongY * alongY + across * across);
}

}  // namespace

double quarterLineLength(double a, double b, double arc) {
    const double cosF = std::cos(arc);
    const auto speed = [&](double phi) {
        const double c = std::cos(phi);
        const double s = std::sin(phi);
        return std::sqrt(std::max(0.0, a * a * s * s + b * b * c * c - 2 * a * b * s * c * cosF));
    };
    return integrate(speed, 0, kQuarterTurn, kRelativeTolerance * (a + b));
}

SlopeQuantities slopeQuantities(const SlopeBody& body) {
    const double a = body.a, b = body.b, m = body.m, n = body.n, h = body.height;
    SlopeQuantities q;
    q.fillVolume = kPi / 4 * std::sin(body.arc) *
                   (a * b * h - (a * n + b * m) * h * h / 2 + m * n * h * h * h / 3);
    // Over z the element is the root of a quadratic, smooth up to the apex at most.
    const double size = (a + b) * (a + b + h);
    const double tolerance = kRelativeTolerance * size;
    q.faceArea = integrate(
        [&](double phi) {
            return integrate([&](double z) { return faceElement(body, phi, z); }, 0, h,
                             tolerance / kQuarterTurn);
        },
        0, kQuarterTurn, tolerance);
    q.toeLength = quarterLineLength(a, b, body.arc);
    q.topLength = quarterLineLength(body.topA, body.topB, body.arc);
    return q;
}

std::vector<QuantityText> quantityTexts(const SlopeQuantities& q) {
    return {{"锥坡填方", formatFixed(q.fillVolume, 3), "m³"},
            {"坡面面积", formatFixed(q.faceArea, 3), "m²"},
            {"坡脚线长", formatFixed(q.toeLength, 3), "m"},
            {"坡顶线长", formatFixed(q.topLength, 3), "m"}};
}

std::string quantityLines(const SlopeQuantities& quantities, std::string_view lineEnd) {
    const std::vector<QuantityText> texts = quantityTexts(quantities);
    std::size_t widest = 0;
    for (const QuantityText& t : texts) {
        widest = std::max(widest, t.value.size());
    }
    std::string lines;
    for (const QuantityText& t : texts) {
        lines.append(t.caption).append(2 + widest - t.value.size(), ' ');
        lines.append(t.value).append(" ").append(t.unit).append(lineEnd);
    }
    return lines;
}

}  // namespace korvel
