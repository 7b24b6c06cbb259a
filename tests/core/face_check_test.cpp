// The face check: shots placed on the slope at known heights, plus and minus known offsets,
// give their ΔH to the digit; shots exactly on the tolerance are 合格; the top, beyond the toe
// and behind either line are told apart; a true cone against its closed form. The quarter's
// frame is built here from the diagram (right half of the long axis at α + β, the road
// forward at α), not from the program's own directions.
#include "core/face_check.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>

#include "core/angle.h"
#include "core/decimal.h"

namespace korvel {
namespace {

// The worked example of the step mode: a 12.5, b 6, β 60°30′, O (3000, 5000), azimuth
// 45°15′30″, D 4.25, 位置2.
const CalcInput kExample{12.5, 6, 60.3, 3000, 5000, 45.153, 2.5, 4.25};

// A shot named `name` at the frame place (s, t) of 位置2, its plan to the micrometre, at H.
SlopeShot shotAt(const char* name, double s, double t, const std::string& h) {
    const double u = 弧度(45.153) + 弧度(60.3), v = 弧度(45.153);
    const double ex = 3000 + 4.25 * std::cos(u), ey = 5000 + 4.25 * std::sin(u);
    return {name, formatFixed(ex + s * std::cos(u) + t * std::cos(v), 6),
            formatFixed(ey + s * std::sin(u) + t * std::sin(v), 6), h};
}

// A text's number, whatever the locale.
double number(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The slope 100 to 103.5 with the slopes 1:2.1 and 1:1.2.
SlopeBody slope() {
    return slopeBody(kExample, SlopePosition::Position2, {100, 103.5, 2.1, 1.2}).body;
}

// The place on the line at height z, at parameter φ.
std::pair<double, double> onLine(double z, double phi) {
    return {(12.5 - 2.1 * z) * std::cos(phi), (6 - 1.2 * z) * std::sin(phi)};
}

// Shots on lines of known height, the measured H that height plus an offset: ΔH is the
// offset to the tenth of a millimetre, the verdict by the tolerance of 50 mm, a shot exactly
// on it 合格.
TEST(FaceCheck, KnownHeightsGiveTheirOffsets) {
    const struct {
        double z;
        double phi;
        const char* h;
        const char* design;
        const char* delta;
        FaceVerdict verdict;
    } cases[] = {
        {1.2345, 0.3, "101.2345", "101.2345", "0.0", FaceVerdict::Within},
        {1.2345, 0.3, "101.2468", "101.2345", "12.3", FaceVerdict::Within},
        {1.2345, 1.1, "101.1845", "101.2345", "-50.0", FaceVerdict::Within},
        {1.2345, 0.7, "101.2845", "101.2345", "50.0", FaceVerdict::Within},
        {1.2345, 0.7, "101.28455", "101.2345", "50.1", FaceVerdict::High},  // 50.05 rounds up
        {1.2345, 0.7, "101.18445", "101.2345", "-50.1", FaceVerdict::Low},
        {2.5, 0.05, "102.4", "102.5000", "-100.0", FaceVerdict::Low},
        {0.0001, 1.5, "+100.2", "100.0001", "199.9", FaceVerdict::High},
        {3.1, 0.9, "103.1", "103.1000", "0.0", FaceVerdict::Within},
    };
    std::vector<SlopeShot> shots;
    for (const auto& c : cases) {
        const auto [s, t] = onLine(c.z, c.phi);
        shots.push_back(shotAt("P", s, t, c.h));
    }
    const FaceCheck check = checkFace(slope(), shots, Tolerance{});
    ASSERT_EQ(check.rows.size(), std::size(cases));
    for (std::size_t k = 0; k < check.rows.size(); ++k) {
        const auto fields = faceFields(check, check.rows[k]);
        EXPECT_EQ(fields[4], cases[k].design) << k;
        EXPECT_EQ(fields[5], cases[k].delta) << k;
        EXPECT_EQ(check.rows[k].verdict, cases[k].verdict) << k;
    }
    EXPECT_EQ(check.within, 5);
    EXPECT_EQ(check.high, 2);
    EXPECT_EQ(check.low, 2);
    EXPECT_FALSE(check.passed);
    // A tolerance of 200 mm takes them all; of 0.05 mm only the shots on the design.
    EXPECT_TRUE(checkFace(slope(), shots, *toleranceFromText("200")).passed);
    EXPECT_EQ(checkFace(slope(), shots, *toleranceFromText("0.05")).within, 2);
}

// Inside the top line the design is the top; beyond the toe, and behind the long axis or the
// road line, there is none, and behind wins over beyond.
TEST(FaceCheck, TopBeyondTheToeAndBehind) {
    const std::vector<SlopeShot> shots = {
        shotAt("T1", 1, 1, "103.52"),          // the flat top
        shotAt("T2", 0.002, 0.001, "103.49"),  // by E
        shotAt("B1", 12.3, 1.5, "99.9"),       // beyond the toe
        shotAt("B2", 0.01, 6.01, "100"),       // just beyond the end of the short axis
        shotAt("O1", -0.5, 2, "101"),          // behind the road line
        shotAt("O2", 3, -0.01, "101"),         // behind the long axis
        shotAt("O3", -40, -40, "90"),          // behind both, far beyond the toe too
        shotAt("N1", 3, 1, ""),                // no H: no point here
    };
    const FaceCheck check = checkFace(slope(), shots, Tolerance{});
    ASSERT_EQ(check.rows.size(), 7U);
    const std::array<std::string, kFaceColumns> top = faceFields(check, check.rows[0]);
    EXPECT_EQ(top[4], "103.5000");
    EXPECT_EQ(top[5], "20.0");
    EXPECT_EQ(faceFields(check, check.rows[1])[5], "-10.0");
    const FaceVerdict verdicts[] = {
        FaceVerdict::Within,  FaceVerdict::Within,  FaceVerdict::BeyondToe, FaceVerdict::BeyondToe,
        FaceVerdict::Outside, FaceVerdict::Outside, FaceVerdict::Outside};
    for (std::size_t k = 0; k < check.rows.size(); ++k) {
        EXPECT_EQ(check.rows[k].verdict, verdicts[k]) << k;
        if (k >= 2) {
            const auto fields = faceFields(check, check.rows[k]);
            EXPECT_EQ(fields[4] + fields[5], "") << k;
        }
    }
    EXPECT_TRUE(check.passed);
    EXPECT_EQ(faceSummary(check, 2),
              "共2点：合格2点，偏高0点，偏低0点；合格率100.0%；坡脚外2点；坡面外3点；"
              "略过非点行3行");
    EXPECT_EQ(faceSummary(checkFace(slope(), {}, Tolerance{}), 0),
              "共0点：合格0点，偏高0点，偏低0点；合格率—");
}

// A true cone's design against z = H·(1 − √((s/a)² + (t/b)²)), printed to 0.1 mm.
TEST(FaceCheck, ConeAgainstItsClosedForm) {
    const SlopeBody cone = slopeBody(kExample, SlopePosition::Position2, {50, 54, {}, {}}).body;
    std::vector<SlopeShot> shots;
    std::vector<std::string> designs;
    for (double s = 0.25; s < 12.5; s += 1.7) {
        for (double t = 0.1; t < 6; t += 0.9) {
            if (std::hypot(s / 12.5, t / 6) < 0.999) {
                shots.push_back(shotAt("C", s, t, "50"));
                designs.push_back(formatFixed(50 + 4 * (1 - std::hypot(s / 12.5, t / 6)), 4));
            }
        }
    }
    ASSERT_GT(shots.size(), 20U);
    const FaceCheck check = checkFace(cone, shots, Tolerance{});
    int agree = 0;
    for (std::size_t k = 0; k < shots.size(); ++k) {
        // The shot's plan is rounded to the micrometre: at most a unit off at a half.
        const std::string got = faceFields(check, check.rows[k])[4];
        agree += got == designs[k] ? 1 : 0;
        EXPECT_NEAR(number(got), number(designs[k]), 1.5e-4) << k;
    }
    EXPECT_GE(agree, static_cast<int>(shots.size()) - 1);
}

// The texts of a row as the outputs write them: the recorded digits, at least three decimals.
TEST(FaceCheck, RowTexts) {
    const auto [s, t] = onLine(2.5, 0.4);
    SlopeShot shot = shotAt("S-1", s, t, "102.5123");
    // Recorded with one decimal, and a plus.
    const std::string oneDecimal = shot.x.substr(0, shot.x.find('.') + 2);
    shot.x = std::string(1, '+').append(oneDecimal);
    const FaceCheck check = checkFace(slope(), {shot}, Tolerance{});
    const auto fields = faceFields(check, check.rows[0]);
    EXPECT_EQ(fields[0], "S-1");
    EXPECT_EQ(fields[1], shot.x.substr(1) + "00");
    EXPECT_EQ(fields[3], "102.5123");
    EXPECT_EQ(faceCaptions()[5], "ΔH(mm)");
}

}  // namespace
}  // namespace korvel
