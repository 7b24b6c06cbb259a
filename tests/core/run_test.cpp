// Whole calculation runs against the worked examples surveyors check by hand, the row
// counts the single-precision loops give, the input checks, and the runs that cannot finish.
#include "core/run.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/stake_row.h"
#include "worked_examples.h"

namespace korvel {
namespace {

using Texts = std::array<std::string, 8>;

const Texts kStep = test::textsAs<std::string>(test::kStepTexts);
const Texts kAngle = test::textsAs<std::string>(test::kAngleTexts);

// The message texts as the program shows them.
const std::string kEmpty = "输入的数据有空值，不能进行计算!";
const std::string kNotPositive = "间隔数应大于0";
const std::string kTooMany = "计算点数超过32767，请增大间隔";

Texts with(Texts texts, std::initializer_list<std::pair<std::size_t, const char*>> edits) {
    for (const auto& [k, text] : edits)
        texts[k] = text;
    return texts;
}

// "s" for the step-length mode or "a" for the angle mode, then the selected positions.
Selection pick(std::string_view how) {
    Selection s;
    s.option5 = how[0] == 's';
    for (const char c : how.substr(1))
        s.position[static_cast<std::size_t>(c - '1')] = true;
    return s;
}

struct Row {
    int number;
    const char* x;
    const char* y;
};

struct Case {
    Texts texts;
    const char* how;
    std::size_t rows;
    std::string message;
    std::vector<Row> spots = {};  // rows as the worked examples print them
};

TEST(run, workedExamplesRowCountsAndMessages) {
    const std::string skipped1 = "有1个点无法计算，已略去";
    const Case cases[] = {
        {kStep,
         "s2",
         7,
         "",
         {{1, "3003.069", "5008.352"},
          {2, "3002.305", "5010.672"},
          {3, "3001.359", "5012.808"},
          {4, "3000.188", "5014.718"},
          {5, "2998.664", "5016.271"},
          {6, "2995.451", "5016.120"},
          {7, "2995.451", "5016.120"}}},
        {kStep, "s1", 7, "", {{1, "3005.378", "5000.171"}, {7, "3004.549", "4983.880"}}},
        {kStep, "s3", 7, "", {{1, "2994.622", "4999.829"}, {7, "2995.451", "5016.120"}}},
        {kStep, "s4", 7, "", {{1, "2996.931", "4991.648"}, {7, "3004.549", "4983.880"}}},
        // The first selected position wins.
        {kStep, "s234", 7, "", {{1, "3003.069", "5008.352"}}},
        // Blanks are not empty, and read as 0; an empty D reads as 0 too.
        {with(kStep, {{3, "   "}}), "s2", 7, "", {{1, "3.069", "5008.352"}}},
        {with(kStep, {{7, ""}}), "s2", 7, ""},
        {kAngle,
         "a2",
         6,
         "",
         {{1, "1007.000", "512.124"},
          {2, "1009.393", "510.857"},
          {3, "1009.717", "507.920"},
          {4, "1008.933", "505.322"},
          {5, "1008.000", "503.464"},
          {6, "1008.000", "503.464"}}},
        {kAngle,
         "a1",
         10,
         "",
         {{1, "993.000", "487.876"}, {9, "1004.000", "496.536"}, {10, "1004.000", "496.536"}}},
        {kAngle,
         "a3",
         10,
         "",
         {{1, "1007.000", "512.124"},
          {2, "1004.119", "511.372"},
          {9, "996.000", "503.464"},
          {10, "996.000", "503.464"}}},
        {kAngle,
         "a4",
         6,
         "",
         {{1, "993.000", "487.876"},
          {2, "990.607", "489.143"},
          {5, "992.000", "496.536"},
          {6, "992.000", "496.536"}}},
        // The angle step is D.MMSS: 25 degrees, and 5.3 is 5 degrees 30 minutes (0..55).
        {with(kAngle, {{6, "25"}}),
         "a2",
         4,
         "",
         {{1, "1007.000", "512.124"},
          {2, "1009.810", "508.933"},
          {3, "1008.619", "504.631"},
          {4, "1008.000", "503.464"}}},
        {with(kAngle, {{6, "5.3"}}), "a2", 12, ""},
        // O at the origin: the points on the axes come out a hair below zero.
        {{"10", "6", "90", "0", "0", "0", "15", "0"},
         "a4",
         8,
         "",
         {{1, "-0.000", "-10.000"}, {7, "-6.000", "-0.000"}}},
        // -0.0005 + 12.5 is stored as 12.49949999..., whose 15 digits are 12.4995000000000.
        {{"12.5", "8", "90", "-0.0005", "100", "90", "10", "0"},
         "a1",
         11,
         "",
         {{1, "12.500", "100.000"}}},
        // A negative arc: only the closing point.
        {with(kAngle, {{2, "200"}}), "a1", 1, "", {{1, "1009.759", "501.368"}}},
        // The single-precision counter decides the row count.
        {with(kStep, {{0, "10.1"}, {6, "0.1"}}), "s2", 102, ""},  // last i = 10.000001907348633
        {with(kStep, {{0, "5.3"}, {6, "0.1"}}), "s2", 55, ""},    // last i = 5.299997329711914
        {with(kStep, {{0, "-5"}, {6, "1"}}), "s2", 1, ""},
        {with(kStep, {{0, "3"}, {6, "7"}}), "s2", 2, ""},
        {with(kStep, {{0, "3.3"}, {6, "1.1"}}), "s2", 4, ""},  // 3 × 1.1f passes 3.3f
        {with(kAngle, {{2, "90"}, {6, "30"}}), "a2", 5, ""},
        {with(kAngle, {{2, "90"}, {6, "1"}}), "a2", 91, ""},  // the sum overshoots 90 degrees
        {with(kAngle, {{2, "90"}, {6, "3"}}), "a2", 32, ""},
        {with(kAngle, {{2, "20"}, {6, "5"}}), "a2", 6, ""},  // 4 × 5° in single precision
        // 0.3f and 10.1f lie above 0.3 and 10.1: a counter past the vertex by that
        // rounding gives the vertex itself, not a failure.
        {with(kStep, {{0, "0.3"}, {6, "0.1"}}), "s2", 5, ""},
        {with(kStep, {{0, "10.1"}, {6, "10.1"}}), "s3", 3, ""},
        // No position: nothing, and no message.
        {kStep, "s", 0, ""},
        {kStep, "a", 0, ""},
        // 32766 loop points and the vertex reach the largest point number.
        {with(kStep, {{0, "32765"}, {6, "1"}}), "s2", 32767, ""},
        {with(kStep, {{0, "32766"}, {6, "1"}}), "s2", 0, kTooMany},
        // Runs that cannot finish stop at the row limit.
        {with(kStep, {{6, "1e-50"}}), "s1", 0, kTooMany},            // a zero single-precision step
        {with(kStep, {{0, "1e300"}, {6, "1"}}), "s1", 0, kTooMany},  // every point overflows
        {with(kAngle, {{6, "0.00001"}}), "a1", 0, kTooMany},
        // Points without coordinates are left out and counted: a = 0 divides 0 by 0,
        // b = 0 has no radius at t = 0, an arc angle of 0 none at all.
        {with(kStep, {{0, "0"}}), "s2", 1, skipped1},
        {with(kAngle, {{1, "0"}}), "a2", 5, skipped1, {{1, "1002.000", "503.464"}}},
        {with(kAngle, {{2, "0"}}), "a2", 1, skipped1},
        {with(kAngle, {{2, "0"}}), "a4", 1, skipped1},
        {with(kAngle, {{2, "180"}}), "a1", 1, skipped1},
        {with(kAngle, {{2, "180"}}), "a3", 1, skipped1},
        {with(kAngle, {{5, "3e9"}}), "a2", 0, "有6个点无法计算，已略去"},  // no azimuth
        {with(kStep, {{3, "1e308"}}), "s2", 7, ""},
        {with(kStep, {{4, "1.7e308"}, {7, "1e308"}}), "s2", 0, "有7个点无法计算，已略去"},
    };
    for (const Case& c : cases) {
        const RunResult r = runCalculation(c.texts, pick(c.how));
        const std::string what = c.how + (" " + c.texts[0] + " " + c.texts[2] + " " + c.texts[6]);
        EXPECT_EQ(r.message, c.message) << what;
        const RunStatus status = c.message.empty()       ? RunStatus::Rows
                                 : c.message == kTooMany ? RunStatus::Refused
                                                         : RunStatus::RowsWithPointsLeftOut;
        EXPECT_EQ(r.status, status) << what;
        EXPECT_EQ(r.outline.has_value(), status != RunStatus::Refused && c.how[1] != '\0') << what;
        ASSERT_EQ(r.rows.size(), c.rows) << what;
        for (const Row& s : c.spots) {
            EXPECT_EQ(r.rows[static_cast<std::size_t>(s.number - 1)],
                      (StakeRow{s.number, s.x, s.y}))
                << what;
        }
    }
}

TEST(run, refusesEmptyTextsOneToSevenAndStepsNotAboveZero) {
    for (std::size_t k = 0; k < 7; ++k)
        EXPECT_EQ(runCalculation(with(kStep, {{k, ""}}), pick("s2")).message, kEmpty) << k;
    EXPECT_EQ(runCalculation(Texts{}, pick("a1")).message, kEmpty);  // before the step check
    for (const char* step : {"0", "-2.5", "abc", " ", ",5"}) {
        for (const char* how : {"s2", "a2"}) {
            const RunResult r = runCalculation(with(kStep, {{6, step}}), pick(how));
            EXPECT_EQ(r.message, kNotPositive) << '"' << step << '"' << how;
            EXPECT_EQ(r.status, RunStatus::Refused);
            EXPECT_TRUE(r.rows.empty());
        }
    }
}

// The outline a drawing takes from a run: its vertex is where the step mode closes and its
// short-axis end where the angle mode closes, to the digit, in all four positions.
TEST(run, outlineEndsAtTheClosingPointsOfBothModes) {
    for (const char* position : {"1", "2", "3", "4"}) {
        const RunResult step = runCalculation(kStep, pick(std::string("s") + position));
        const RunResult angle = runCalculation(kStep, pick(std::string("a") + position));
        ASSERT_TRUE(step.outline && angle.outline) << position;
        const SlopeOutline& o = *step.outline;
        EXPECT_EQ(makeStakeRow(7, o.vertex.x, o.vertex.y), step.rows.back()) << position;
        EXPECT_EQ(
            makeStakeRow(static_cast<int>(angle.rows.size()), o.shortAxisEnd.x, o.shortAxisEnd.y),
            angle.rows.back())
            << position;
        EXPECT_EQ(o.roadCentre.x, 3000);
        EXPECT_EQ(o.roadCentre.y, 5000);
    }
}

// The fields every point writer takes from a row, and the lines that are not rows.
TEST(run, rowFieldsAsTheListWritesThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"  7     3512.400     -12.050", "7|3512.400|-12.050"},
        {"100     -0.000     5.000", "100|-0.000|5.000"},
        {"32767     1.000     2.000", "32767|1.000|2.000"},
        {" 点号   X   Y", ""},
        {"  7     3512.4     1.000", ""},
        {"  7     1.000     2.000 ", ""},
        {"  7     1.000", ""},
        {"  7     1.0000     2.000", ""},
        {"  7     +1.000     2.000", ""},
        {"  -7     1.000     2.000", ""},
        {"", ""},
    };
    // The lines the list writes, from the numbers of the run.
    const std::pair<StakeRow, const char*> written[] = {
        {makeStakeRow(7, 3512.4, -12.05), "  7     3512.400     -12.050"},
        {makeStakeRow(1000, 0.0625, 1e6), "1000     0.063     1000000.000"},
        {makeStakeRow(6, 2995.4505, 5016.1195), "  6     2995.451     5016.120"},
        {makeStakeRow(1, -1e-16, -10), "  1     -0.000     -10.000"},
        {makeStakeRow(42, 0, 1), " 42     0.000     1.000"},
    };
    for (const auto& [row, line] : written) {
        EXPECT_EQ(stakeRowLine(row), line);
    }
    for (const auto& [line, expected] : cases) {
        const std::optional<StakeRowFields> f = splitStakeRow(line);
        const std::string got =
            f ? std::string(f->number) + "|" + std::string(f->x) + "|" + std::string(f->y) : "";
        EXPECT_EQ(got, expected) << '"' << line << '"';
    }
}

}  // namespace
}  // namespace korvel
