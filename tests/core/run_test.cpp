// Whole calculation runs against the worked examples surveyors check by hand, the input
// checks, and the runs that cannot finish as typed.
#include "core/run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/messages.h"

namespace korvel {
namespace {

using Texts = std::array<std::string, 8>;

// a, b, β, X, Y, azimuth, step, D of the step-length example.
const Texts kStepExample = {"12.5", "6", "60.3", "3000", "5000", "45.153", "2.5", "4.25"};
// The same order for the angle example: a=10 b=6 β=60 O=(1000,500) azimuth 0 D=4.
const Texts kAngleExample = {"10", "6", "60", "1000", "500", "0", "15", "4"};

Selection byStepLength(int position) {
    Selection s;
    s.option5 = true;
    s.position[static_cast<std::size_t>(position - 1)] = true;
    return s;
}

Selection byAngle(int position) {
    Selection s;
    s.position[static_cast<std::size_t>(position - 1)] = true;
    return s;
}

Texts with(Texts texts, std::size_t index, std::string value) {
    texts[index] = std::move(value);
    return texts;
}

// A row as the worked examples print it: point number, X and Y to the millimetre.
std::string row(int number, const char* x, const char* y) {
    std::string n = std::to_string(number);
    return std::string(n.size() < 3 ? 3 - n.size() : 0, ' ') + n + "     " + x + "     " + y;
}

TEST(run, stepLengthWorkedExampleInPosition2) {
    const RunResult r = runCalculation(kStepExample, byStepLength(2));
    EXPECT_EQ(r.message, "");
    const std::vector<std::string> expected = {
        row(1, "3003.069", "5008.352"), row(2, "3002.305", "5010.672"),
        row(3, "3001.359", "5012.808"), row(4, "3000.188", "5014.718"),
        row(5, "2998.664", "5016.271"), row(6, "2995.451", "5016.120"),
        row(7, "2995.451", "5016.120"),
    };
    EXPECT_EQ(r.lines, expected);
}

TEST(run, stepLengthWorkedExampleInEveryPosition) {
    struct Ends {
        int position;
        std::string first;
        std::string last;
    };
    const Ends cases[] = {
        {1, row(1, "3005.378", "5000.171"), row(7, "3004.549", "4983.880")},
        {2, row(1, "3003.069", "5008.352"), row(7, "2995.451", "5016.120")},
        {3, row(1, "2994.622", "4999.829"), row(7, "2995.451", "5016.120")},
        {4, row(1, "2996.931", "4991.648"), row(7, "3004.549", "4983.880")},
    };
    for (const auto& c : cases) {
        const RunResult r = runCalculation(kStepExample, byStepLength(c.position));
        ASSERT_EQ(r.lines.size(), 7u) << "position " << c.position;
        EXPECT_EQ(r.lines.front(), c.first) << "position " << c.position;
        EXPECT_EQ(r.lines.back(), c.last) << "position " << c.position;
    }
}

TEST(run, singlePrecisionCounterDecidesTheRowCount) {
    struct CountCase {
        const char* a;
        const char* step;
        std::size_t rows;
    };
    const CountCase cases[] = {
        {"10.1", "0.1", 102},  // last loop point at i = 10.000001907348633, then the vertex
        {"5.3", "0.1", 55},    // last loop point at i = 5.299997329711914
        {"12.5", "2.5", 7},    // the vertex is reached exactly and repeated
        {"-5", "1", 1},        // 0 is beyond the bound: only the closing point
        {"3", "7", 2},         // one point at the short axis, then the vertex
    };
    for (const auto& c : cases) {
        const Texts texts = with(with(kStepExample, 0, c.a), 6, c.step);
        const RunResult r = runCalculation(texts, byStepLength(2));
        EXPECT_EQ(r.lines.size(), c.rows) << "a=" << c.a << " step=" << c.step;
        EXPECT_EQ(r.message, "");
    }
}

TEST(run, angleWorkedExamplesInEveryPosition) {
    const RunResult p2 = runCalculation(kAngleExample, byAngle(2));
    const std::vector<std::string> expected = {
        row(1, "1007.000", "512.124"), row(2, "1009.393", "510.857"), row(3, "1009.717", "507.920"),
        row(4, "1008.933", "505.322"), row(5, "1008.000", "503.464"), row(6, "1008.000", "503.464"),
    };
    EXPECT_EQ(p2.lines, expected);

    const RunResult p1 = runCalculation(kAngleExample, byAngle(1));
    ASSERT_EQ(p1.lines.size(), 10u);
    EXPECT_EQ(p1.lines[0], row(1, "993.000", "487.876"));
    EXPECT_EQ(p1.lines[8], row(9, "1004.000", "496.536"));
    EXPECT_EQ(p1.lines[9], row(10, "1004.000", "496.536"));

    const RunResult p3 = runCalculation(kAngleExample, byAngle(3));
    ASSERT_EQ(p3.lines.size(), 10u);
    EXPECT_EQ(p3.lines[0], row(1, "1007.000", "512.124"));
    EXPECT_EQ(p3.lines[1], row(2, "1004.119", "511.372"));
    EXPECT_EQ(p3.lines[8], row(9, "996.000", "503.464"));
    EXPECT_EQ(p3.lines[9], row(10, "996.000", "503.464"));

    const RunResult p4 = runCalculation(kAngleExample, byAngle(4));
    ASSERT_EQ(p4.lines.size(), 6u);
    EXPECT_EQ(p4.lines[0], row(1, "993.000", "487.876"));
    EXPECT_EQ(p4.lines[1], row(2, "990.607", "489.143"));
    EXPECT_EQ(p4.lines[4], row(5, "992.000", "496.536"));
    EXPECT_EQ(p4.lines[5], row(6, "992.000", "496.536"));
}

TEST(run, roundedZerosKeepTheirSignAndTypedHalvesRoundUp) {
    // O at the origin: the points on the axes come out a hair below zero.
    const RunResult origin =
        runCalculation({"10", "6", "90", "0", "0", "0", "15", "0"}, byAngle(4));
    ASSERT_EQ(origin.lines.size(), 8u);
    EXPECT_EQ(origin.lines[0], row(1, "-0.000", "-10.000"));
    EXPECT_EQ(origin.lines[6], row(7, "-6.000", "-0.000"));
    // -0.0005 + 12.5 is stored as 12.49949999..., whose 15 digits are 12.4995000000000.
    const RunResult typed =
        runCalculation({"12.5", "8", "90", "-0.0005", "100", "90", "10", "0"}, byAngle(1));
    ASSERT_FALSE(typed.lines.empty());
    EXPECT_EQ(typed.lines[0], row(1, "12.500", "100.000"));
}

TEST(run, angleStepIsReadAsDegreesMinutesSeconds) {
    const RunResult step25 = runCalculation(with(kAngleExample, 6, "25"), byAngle(2));
    const std::vector<std::string> expected = {
        row(1, "1007.000", "512.124"),
        row(2, "1009.810", "508.933"),
        row(3, "1008.619", "504.631"),
        row(4, "1008.000", "503.464"),
    };
    EXPECT_EQ(step25.lines, expected);
    // 7.3 is 7 degrees 30 minutes: 0 to 60 degrees by 7.5 is 9 points, and the closing one.
    EXPECT_EQ(runCalculation(with(kAngleExample, 6, "7.3"), byAngle(2)).lines.size(), 10u);
}

TEST(run, singlePrecisionSweepDecidesTheRowCount) {
    const Texts rightAngle = with(kAngleExample, 2, "90");
    EXPECT_EQ(runCalculation(with(rightAngle, 6, "30"), byAngle(2)).lines.size(), 5u);
    // The single-precision sum for 90 degrees overshoots the bound: 0..89 and the closing point.
    EXPECT_EQ(runCalculation(with(rightAngle, 6, "1"), byAngle(2)).lines.size(), 91u);
    EXPECT_EQ(runCalculation(with(rightAngle, 6, "3"), byAngle(2)).lines.size(), 32u);
}

TEST(run, negativeArcGivesOnlyTheClosingPoint) {
    const RunResult r = runCalculation(with(kAngleExample, 2, "200"), byAngle(1));
    EXPECT_EQ(r.lines, std::vector<std::string>{row(1, "1009.759", "501.368")});
    EXPECT_EQ(r.message, "");
}

TEST(run, emptyTextsOneToSevenAreRefused) {
    for (std::size_t k = 0; k < 7; ++k) {
        const RunResult r = runCalculation(with(kStepExample, k, ""), byStepLength(2));
        EXPECT_EQ(r.message, kMessageEmptyInput) << "Text" << k + 1;
        EXPECT_TRUE(r.lines.empty());
    }
    // The empty check comes before the step check.
    const Texts allEmpty{};
    EXPECT_EQ(runCalculation(allEmpty, byAngle(1)).message, kMessageEmptyInput);
}

TEST(run, emptyDistanceReadsAsZero) {
    const RunResult empty = runCalculation(with(kStepExample, 7, ""), byStepLength(2));
    const RunResult zero = runCalculation(with(kStepExample, 7, "0"), byStepLength(2));
    EXPECT_EQ(empty.message, "");
    EXPECT_EQ(empty.lines, zero.lines);
    EXPECT_EQ(empty.lines.size(), 7u);
}

TEST(run, blanksAreNotEmptyButReadAsZero) {
    const RunResult r = runCalculation(with(kStepExample, 3, "   "), byStepLength(2));
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(r.lines.size(), 7u);
    EXPECT_EQ(r.lines[0].substr(0, 13), "  1     3.069");
}

TEST(run, stepMustBeGreaterThanZeroAsRead) {
    for (const char* step : {"0", "-2.5", "abc", "-0", " ", "0.0e5", ",5"}) {
        for (const Selection& s : {byStepLength(2), byAngle(2)}) {
            const RunResult r = runCalculation(with(kStepExample, 6, step), s);
            EXPECT_EQ(r.message, kMessageStepNotPositive) << '"' << step << '"';
            EXPECT_TRUE(r.lines.empty());
        }
    }
}

TEST(run, noPositionGivesNothingAndNoMessage) {
    for (const bool stepMode : {true, false}) {
        Selection none;
        none.option5 = stepMode;
        const RunResult r = runCalculation(kStepExample, none);
        EXPECT_TRUE(r.lines.empty());
        EXPECT_EQ(r.message, "");
    }
}

TEST(run, firstSelectedPositionWinsAndAngleModeIsTheDefault) {
    Selection two;
    two.option5 = true;
    two.position = {false, true, true, true};
    EXPECT_EQ(runCalculation(kStepExample, two).lines,
              runCalculation(kStepExample, byStepLength(2)).lines);
    Selection noMode;
    noMode.position = {false, true, false, false};
    EXPECT_EQ(runCalculation(kAngleExample, noMode).lines.size(), 6u);
}

TEST(run, sameInputsGiveTheSameLinesNumberedFromOne) {
    const RunResult first = runCalculation(kAngleExample, byAngle(3));
    const RunResult second = runCalculation(kAngleExample, byAngle(3));
    EXPECT_EQ(first.lines, second.lines);
    EXPECT_EQ(first.lines[0].substr(0, 3), "  1");
}

TEST(run, rowLimitIsReachedButNotPassed) {
    // 32766 loop points (i = 0 .. 32765) and the vertex: exactly the largest point number.
    const RunResult full =
        runCalculation(with(with(kStepExample, 0, "32765"), 6, "1"), byStepLength(2));
    EXPECT_EQ(full.message, "");
    ASSERT_EQ(full.lines.size(), 32767u);
    EXPECT_EQ(full.lines.back().substr(0, 5), "32767");

    const RunResult over =
        runCalculation(with(with(kStepExample, 0, "32766"), 6, "1"), byStepLength(2));
    EXPECT_EQ(over.message, kMessageTooManyRows);
    EXPECT_TRUE(over.lines.empty());
}

TEST(run, runsThatCannotFinishStopAtTheRowLimit) {
    const Texts stuck[] = {
        with(kStepExample, 6, "1e-50"),                  // rounds to 0 in single precision
        with(with(kStepExample, 0, "1e7"), 6, "0.01"),   // 0.01 no longer moves 2^17
        with(with(kStepExample, 0, "1e6"), 6, "0.001"),  // a billion points
        with(with(kStepExample, 0, "1e300"), 6, "1"),    // every point overflows, too
    };
    for (const Texts& texts : stuck) {
        const RunResult r = runCalculation(texts, byStepLength(1));
        EXPECT_EQ(r.message, kMessageTooManyRows) << texts[0] << " " << texts[6];
        EXPECT_TRUE(r.lines.empty());
    }
    for (const char* step : {"0.0000001", "0.00001", "1e-300"}) {
        const RunResult r = runCalculation(with(kAngleExample, 6, step), byAngle(1));
        EXPECT_EQ(r.message, kMessageTooManyRows) << step;
        EXPECT_TRUE(r.lines.empty());
    }
}

TEST(run, counterPassingTheAxisByRoundingGivesTheVertex) {
    // 0.3f and 10.1f lie above 0.3 and 10.1: the last counter value passes the vertex by
    // that rounding, and its point is the vertex itself, not a failure.
    const RunResult small =
        runCalculation(with(with(kStepExample, 0, "0.3"), 6, "0.1"), byStepLength(2));
    EXPECT_EQ(small.message, "");
    ASSERT_EQ(small.lines.size(), 5u);
    EXPECT_EQ(small.lines[3].substr(3), small.lines[4].substr(3));

    const RunResult single =
        runCalculation(with(with(kStepExample, 0, "10.1"), 6, "10.1"), byStepLength(3));
    EXPECT_EQ(single.message, "");
    ASSERT_EQ(single.lines.size(), 3u);
    EXPECT_EQ(single.lines[1].substr(3), single.lines[2].substr(3));
}

TEST(run, pointsWithoutCoordinatesAreLeftOutAndCounted) {
    // a = 0: the short-axis end divides zero by zero; the vertex is still computed.
    const RunResult flat = runCalculation(with(kStepExample, 0, "0"), byStepLength(2));
    EXPECT_EQ(flat.message, messageSkippedPoints(1));
    EXPECT_EQ(flat.message, "有1个点无法计算，已略去");
    ASSERT_EQ(flat.lines.size(), 1u);
    EXPECT_EQ(flat.lines[0].substr(0, 3), "  1");

    // b = 0 in the angle mode: no radius at t = 0, the other points lie at the centre.
    const RunResult noB = runCalculation(with(kAngleExample, 1, "0"), byAngle(2));
    EXPECT_EQ(noB.message, messageSkippedPoints(1));
    ASSERT_EQ(noB.lines.size(), 5u);
    EXPECT_EQ(noB.lines[0], row(1, "1002.000", "503.464"));

    // An arc angle of 0: β = 0 for positions 2 and 4, β = 180 for 1 and 3.
    for (const auto& [beta, position] : {std::pair{"0", 2}, {"0", 4}, {"180", 1}, {"180", 3}}) {
        const RunResult r = runCalculation(with(kAngleExample, 2, beta), byAngle(position));
        EXPECT_EQ(r.message, messageSkippedPoints(1)) << beta << " " << position;
        EXPECT_EQ(r.lines.size(), 1u);
    }

    // An azimuth of 2^31 degrees or more has no angle: every point is left out.
    const RunResult noAzimuth = runCalculation(with(kAngleExample, 5, "3e9"), byAngle(2));
    EXPECT_EQ(noAzimuth.message, messageSkippedPoints(6));
    EXPECT_TRUE(noAzimuth.lines.empty());

    // Overflowing coordinates.
    const RunResult huge = runCalculation(with(kStepExample, 3, "1e308"), byStepLength(2));
    EXPECT_EQ(huge.message, "");
    EXPECT_EQ(huge.lines.size(), 7u);
    const Texts farAway = with(with(kStepExample, 4, "1.7e308"), 7, "1e308");
    const RunResult over = runCalculation(farAway, byStepLength(2));
    EXPECT_EQ(over.message, messageSkippedPoints(7));
    EXPECT_TRUE(over.lines.empty());
}

}  // namespace
}  // namespace korvel
