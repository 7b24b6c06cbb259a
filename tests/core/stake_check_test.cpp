// The stake-out check: offsets from the digits as written, the verdict at the tolerance's
// edge, names matched without their leading zeros, and the summary line.
#include "core/stake_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <random>

#include "pegs.h"

namespace korvel {
namespace {

const Tolerance k50mm{50'000};

using test::pegsOf;

// The texts of each row of the check, the verdict's word last.
std::vector<std::vector<std::string>> rowTexts(const StakeCheck& check) {
    std::vector<std::vector<std::string>> rows;
    for (const CheckRow& row : check.rows) {
        const CheckFields fields = checkFields(check, row);
        rows.emplace_back(fields.begin(), fields.end());
    }
    return rows;
}

// The texts of the one row the check gives for design point P1 at X 5000.000, Y 3000.000
// and its peg: name, design X, Y, measured X, Y, ΔX, ΔY, deviation and verdict.
std::vector<std::string> checkOne(const char* x, const char* y, Tolerance tolerance = k50mm) {
    const StakeCheck check =
        checkStakeOut({{1, "5000.000", "3000.000"}}, "P", pegsOf({{"P1", x, y}}), tolerance);
    EXPECT_EQ(check.rows.size(), 1u);
    return check.rows.empty() ? std::vector<std::string>(kCheckColumns) : rowTexts(check)[0];
}

// Pegs planted off the design point in every direction, on and just past the tolerance.
TEST(StakeCheck, OffsetsAndVerdicts) {
    const auto W = Verdict::Within, B = Verdict::Beyond;
    const struct {
        const char *x, *y, *dx, *dy, *deviation;
        Verdict verdict;
    } cases[] = {
        {"5000.0123", "3000.000", "12.3", "0.0", "12.3", W},    // north
        {"4999.9877", "3000.000", "-12.3", "0.0", "12.3", W},   // south
        {"5000.000", "3000.0456", "0.0", "45.6", "45.6", W},    // east
        {"5000", "2999.9544", "0.0", "-45.6", "45.6", W},       // west
        {"5000.0004", "3000.000", "0.4", "0.0", "0.4", W},      // not 0.39999...
        {"5000.030", "2999.960", "30.0", "-40.0", "50.0", W},   // on the tolerance
        {"4999.950", "3000", "-50.0", "0.0", "50.0", W},        // on it, straight south
        {"4999.9499", "3000", "-50.1", "0.0", "50.1", B},       // 0.1 mm past it
        {"5000.030", "3000.0401", "30.0", "40.1", "50.1", B},   // 50.08 mm
        {"5000.0500001", "3000", "50.0", "0.0", "50.0", W},     // under a micrometre past
        {"5000.0500005", "3000", "50.0", "0.0", "50.0", B},     // a micrometre, rounded up
        {"5000.050", "3000.000001", "50.0", "0.0", "50.0", B},  // a micrometre across
        {"5000.00005", "3000", "0.1", "0.0", "0.1", W},         // halves away from zero
        {"4999.99995", "3000", "-0.1", "0.0", "0.1", W},        //
        {"4999.99996", "3000", "0.0", "0.0", "0.0", W},         // no "-0.0"
        {"5000.000", "3000.000", "0.0", "0.0", "0.0", W},       //
        {"3000.000", "5000.000", "-2000000.0", "2000000.0", "2828427.1", B},  // X, Y swapped
        {"1000000000000", "3000", "—", "—", "—", B},  // past 10^12 m: no comparison
        {"abc", "3000", "—", "—", "—", B},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> row = checkOne(c.x, c.y);
        EXPECT_EQ(row[5] + " " + row[6] + " " + row[7],
                  std::string(c.dx) + " " + c.dy + " " + c.deviation)
            << c.x << " " << c.y;
        EXPECT_EQ(row[8], verdictText(c.verdict)) << c.x << " " << c.y;
    }
    // A tolerance with decimals is exact too: 12.5 mm holds 12.500 and not 12.501.
    EXPECT_EQ(checkOne("5000.0125", "3000", {12'500})[8], "合格");
    EXPECT_EQ(checkOne("5000.012501", "3000", {12'500})[8], "超限");
    // The row itself holds the offsets in micrometres, exactly.
    const auto offsets = [](const char* x, const char* y) {
        return checkStakeOut({{1, "5000.000", "3000.000"}}, "P", pegsOf({{"P1", x, y, ""}}), k50mm)
            .rows.at(0)
            .offsets;
    };
    EXPECT_EQ(offsets("5000.0004", "3000"), (Offsets{400, 0, 400}));
    EXPECT_EQ(offsets("5000.030", "2999.960"), (Offsets{30'000, -40'000, 50'000}));
    EXPECT_EQ(offsets("5000.050", "3000.000001"), (Offsets{50'000, 1, 50'000}));
    EXPECT_EQ(offsets("4999.9999994", "3000"), (Offsets{-1, 0, 1}));
    EXPECT_EQ(offsets("1000000000000", "3000"), std::nullopt);
    EXPECT_EQ(checkOne("5000.1", "-0", k50mm),
              (std::vector<std::string>{"P1", "5000.000", "3000.000", "5000.100", "-0.000", "100.0",
                                        "-3000000.0", "3000000.0", "超限"}));
}

// Offsets drawn at random in micrometres: the texts lie within half a tenth of a millimetre
// of the true values, and the verdict agrees with std::hypot wherever a double can tell.
TEST(StakeCheck, OffsetsAgreeWithHypot) {
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<std::int64_t> offset(-80'000, 80'000);
    const auto value = [](const std::string& text) {
        double v = 0;
        std::from_chars(text.data(), text.data() + text.size(), v);
        return v;
    };
    for (int k = 0; k < 5000; ++k) {
        const std::int64_t dx = offset(random), dy = offset(random);
        const auto coordinate = [](std::int64_t base, std::int64_t um) {
            const std::int64_t v = base * 1'000'000 + um;
            return std::to_string(v / 1'000'000) + "." +
                   std::to_string(1'000'000 + v % 1'000'000).substr(1);
        };
        const std::vector<std::string> row =
            checkOne(coordinate(5000, dx).c_str(), coordinate(3000, dy).c_str());
        const double exact = std::hypot(dx / 1000.0, dy / 1000.0);
        EXPECT_NEAR(value(row[5]), dx / 1000.0, 0.05 + 1e-9);
        EXPECT_NEAR(value(row[6]), dy / 1000.0, 0.05 + 1e-9);
        EXPECT_NEAR(value(row[7]), exact, 0.05 + 1e-9);
        if (std::abs(exact - 50.0) > 1e-6) {
            EXPECT_EQ(row[8], exact < 50.0 ? "合格" : "超限") << dx << " " << dy;
        }
    }
}

// Missing, extra and repeated names; leading zeros do not count, the design goes by number.
TEST(StakeCheck, MatchesByName) {
    const std::vector<StakeRow> design = {
        {3, "10.000", "20.000"}, {1, "10.000", "20.000"}, {2, "10.000", "20.000"}};
    const FieldPoints pegs = pegsOf({
        {"9", "1.000", "2.0"},                 // no design point
        {"0000000000000001", "10.001", "20"},  // GSI's zero-filled 1
        {"03", "10.5", "20"},                  // 3, first taken at 500 mm
        {"0", "0", "0"},                       // no design point
        {"3", "10.002", "20.000"},             // 3 again: this one counts
    });
    const StakeCheck check = checkStakeOut(design, "", pegs, k50mm);
    const std::vector<std::vector<std::string>> expected = {
        {"1", "10.000", "20.000", "10.001", "20.000", "1.0", "0.0", "1.0", "合格"},
        {"2", "10.000", "20.000", "", "", "", "", "", "未测"},
        {"3", "10.000", "20.000", "10.002", "20.000", "2.0", "0.0", "2.0", "合格"},
        {"9", "", "", "1.000", "2.000", "", "", "", "无设计点"},
        {"0", "", "", "0.000", "0.000", "", "", "", "无设计点"},
    };
    EXPECT_EQ(rowTexts(check), expected);
    EXPECT_EQ(std::vector<int>({check.designPoints, check.within, check.beyond, check.notMeasured,
                                check.noDesign}),
              std::vector<int>({3, 2, 0, 1, 2}));
    EXPECT_FALSE(check.passed);
    // With a prefix the zeros in front of the number are inside the name and count.
    const StakeCheck prefixed =
        checkStakeOut({{7, "1.000", "1.000"}}, "L2-", pegsOf({{"L2-007", "1", "1"}}), k50mm);
    EXPECT_EQ(prefixed.rows[0].verdict, Verdict::NotMeasured);
    EXPECT_TRUE(
        checkStakeOut({{7, "1.000", "1.000"}}, "L2-", pegsOf({{"L2-7", "1", "1"}}), k50mm).passed);
    // Pegs measured in an order of their own, and rows out of order, give the same check.
    const StakeCheck shuffled = checkStakeOut({design[2], design[0], design[1]}, "",
                                              pegsOf({{"3", "10.002", "20.000"},
                                                      {"0", "0", "0"},
                                                      {"9", "1.000", "2.0"},
                                                      {"0000000000000001", "10.001", "20"}}),
                                              k50mm);
    EXPECT_EQ(rowTexts(shuffled)[0], expected[0]);
    EXPECT_EQ(rowTexts(shuffled)[2], expected[2]);
}

// The summary line as worked examples: counts, the rate, and the notes shown when not zero.
TEST(StakeCheck, Summary) {
    const struct {
        int design, within, beyond, notMeasured, noDesign, passedOver, repeats;
        const char* text;
    } cases[] = {
        {7, 5, 1, 1, 0, 0, 0, "共7点：合格5点，超限1点，未测1点；合格率83.3%"},
        {3, 0, 0, 3, 0, 0, 0, "共3点：合格0点，超限0点，未测3点；合格率—"},
        {8, 7, 1, 0, 0, 0, 0, "共8点：合格7点，超限1点，未测0点；合格率87.5%"},
        {3, 2, 1, 0, 2, 4, 1,
         "共3点：合格2点，超限1点，未测0点；合格率66.7%；无设计点2个；略过非点行4行；重复点名1个"},
        {1000, 999, 1, 0, 0, 0, 2,
         "共1000点：合格999点，超限1点，未测0点；合格率99.9%；重复点名2个"},
        {2000, 1999, 1, 0, 0, 1, 0,
         "共2000点：合格1999点，超限1点，未测0点；合格率100.0%；略过非点行1行"},  // 99.95
        {0, 0, 0, 0, 1, 0, 0, "共0点：合格0点，超限0点，未测0点；合格率—；无设计点1个"},
    };
    for (const auto& c : cases) {
        StakeCheck check;
        check.designPoints = c.design;
        check.within = c.within;
        check.beyond = c.beyond;
        check.notMeasured = c.notMeasured;
        check.noDesign = c.noDesign;
        EXPECT_EQ(checkSummary(check, c.passedOver, c.repeats), c.text);
    }
}

}  // namespace
}  // namespace korvel
