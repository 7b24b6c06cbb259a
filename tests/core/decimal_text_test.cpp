// The decimal texts both checks read and write, as tables of worked examples with their
// digits, legal and illegal, and the micrometres and millimetres against other routes to the
// same digits: the C library's formatting and hand-made texts of known values.
#include "core/decimal_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>

namespace korvel {
namespace {

// What readDecimal gives, in one line: "valid - 12 0504 -12050400"; "none" for micrometres
// out of reach, "invalid" for no decimal number.
std::string readAsText(std::string_view text) {
    const DecimalParts read = readDecimal(text);
    if (!read.valid) {
        return "invalid";
    }
    return std::string("valid ") + (read.negative ? "-" : "+") + " " + std::string(read.whole) +
           "|" + std::string(read.fraction) + " " +
           (read.micrometres ? std::to_string(*read.micrometres) : "none");
}

TEST(DecimalText, ReadDecimal) {
    const std::pair<const char*, const char*> cases[] = {
        {"-12.0504", "valid - 12|0504 -12050400"},
        {"5000.0004", "valid + 5000|0004 5000000400"},
        {"+7", "valid + 7| 7000000"},
        {".5", "valid + |5 500000"},
        {"-.5", "valid - |5 -500000"},
        {"12.", "valid + 12| 12000000"},
        {"-0.000", "valid - 0|000 0"},
        {"5000.0000005", "valid + 5000|0000005 5000000001"},    // the 7th decimal rounds up
        {"5000.00000049", "valid + 5000|00000049 5000000000"},  // only the 7th counts
        {"-0.0000005", "valid - 0|0000005 -1"},                 // half away from zero
        {"0.9999995", "valid + 0|9999995 1000000"},             // carried into the metre
        {"0000000000001234.5", "valid + 0000000000001234|5 1234500000"},  // zeros in front
        {"999999999999.999999", "valid + 999999999999|999999 999999999999999999"},
        {"1000000000000", "valid + 1000000000000| none"},  // 10^12 m: out of reach
        {"-1234567890123.5", "valid - 1234567890123|5 none"},
        {"", "invalid"},
        {".", "invalid"},
        {"-", "invalid"},
        {"+", "invalid"},
        {"-.", "invalid"},
        {"1e3", "invalid"},
        {"12,5", "invalid"},
        {" 1", "invalid"},
        {"1 ", "invalid"},
        {"1.2.3", "invalid"},
        {"--1", "invalid"},
        {"1-", "invalid"},
        {"0x1F", "invalid"},
        {"inf", "invalid"},
    };
    for (const auto& [text, read] : cases) {
        EXPECT_EQ(readAsText(text), read) << text;
    }
}

TEST(DecimalText, DecimalMicrometres) {
    const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
        {"152.3456", 152'345'600},
        {"-0.0000005", -1},
        {"0.0000004", 0},
        {"3512345.678", 3'512'345'678'000},
        {"999999999999.9999995", 1'000'000'000'000'000'000},
        {"1000000000000", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, micrometres] : cases) {
        EXPECT_EQ(decimalMicrometres(text), micrometres) << text;
    }
}

// Values made in whole micrometres and in tenths of one, written out by hand: read back, the
// micrometres are the value, and the tenths rounded half away from zero.
TEST(DecimalText, MicrometresOfMadeTexts) {
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<std::int64_t> value(-999'999'999'999'999'999,
                                                      999'999'999'999'999'999);
    const auto written = [](std::int64_t units, int decimals) {
        const std::int64_t scale = decimals == 6 ? 1'000'000 : 10'000'000;
        const std::uint64_t magnitude = units < 0 ? 0 - static_cast<std::uint64_t>(units) : units;
        std::string text = units < 0 ? "-" : "";
        text += std::to_string(magnitude / scale);
        text += '.';
        text += std::to_string(magnitude % scale + scale).substr(1);
        return text;
    };
    for (int k = 0; k < 20000; ++k) {
        const std::int64_t micrometres = value(random);
        ASSERT_EQ(decimalMicrometres(written(micrometres, 6)), micrometres)
            << written(micrometres, 6);
        const std::int64_t tenths = value(random) / 10 * 10 + k % 10;  // 7 decimals, below 10^11 m
        const std::int64_t rounded = (std::abs(tenths) + 5) / 10 * (tenths < 0 ? -1 : 1);
        ASSERT_EQ(decimalMicrometres(written(tenths, 7)), rounded) << written(tenths, 7);
    }
}

TEST(DecimalText, MillimetresText) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {1250, "1.3"},
        {-1249, "-1.2"},
        {-40, "0.0"},
        {-50, "-0.1"},
        {0, "0.0"},
        {49, "0.0"},
        {50, "0.1"},
        {400, "0.4"},
        {123'456'789, "123456.8"},
        {-2'000'000'000, "-2000000.0"},
        {2'828'427'124, "2828427.1"},
        {2'000'000'000'000'000'000, "2000000000000000.0"},
    };
    for (const auto& [micrometres, text] : cases) {
        EXPECT_EQ(millimetresText(micrometres), text) << micrometres;
    }
}

// Against the C++ library: the micrometres in hundreds rounded by llround (halves of a hundred
// are exact in a double), written by to_chars with one decimal, whatever the locale.
TEST(DecimalText, MillimetresAgreeWithToChars) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::int64_t> value(-1'000'000'000'000, 1'000'000'000'000);
    for (int k = 0; k < 20000; ++k) {
        const std::int64_t micrometres = k < 2000 ? (k - 1000) * 50 : value(random);
        const long long tenths = std::llround(std::abs(micrometres) / 100.0);
        char digits[40];
        const auto written = std::to_chars(digits, digits + sizeof digits, tenths / 10.0,
                                           std::chars_format::fixed, 1);
        std::string expected = micrometres < 0 && tenths != 0 ? "-" : "";
        expected.append(digits, written.ptr);
        ASSERT_EQ(millimetresText(micrometres), expected) << micrometres;
    }
}

TEST(DecimalText, PercentText) {
    const struct {
        int part, whole;
        const char* text;
    } cases[] = {
        {5, 6, "83.3"},          {1, 8, "12.5"},         {7, 7, "100.0"},  {1, 3, "33.3"},
        {2, 3, "66.7"},          {0, 5, "0.0"},          {1, 2000, "0.1"},  // 0.05: up
        {1, 2001, "0.0"},        {1999, 2000, "100.0"},                     // 99.95: up
        {32766, 32767, "100.0"}, {16383, 32767, "50.0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(percentText(c.part, c.whole), c.text) << c.part << "/" << c.whole;
    }
}

TEST(DecimalText, Tolerance) {
    const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
        {"50", 50'000},
        {"12.5", 12'500},
        {" 0.001 ", 1},
        {"10000", 10'000'000},
        {"007.250", 7'250},
        {"\t30\t", 30'000},
        {"0000000000050", 50'000},
        {"1.", 1'000},
        {".5", 500},
        {"", {}},
        {"  ", {}},
        {"0", {}},
        {"0.000", {}},
        {"-5", {}},
        {"+5", {}},
        {"10000.001", {}},
        {"0.0001", {}},
        {"1e2", {}},
        {"12,5", {}},
        {"5 mm", {}},
        {"99999999999", {}},
        {"100000", {}},
    };
    for (const auto& [typed, micrometres] : cases) {
        const std::optional<Tolerance> t = toleranceFromText(typed);
        EXPECT_EQ(t ? std::optional(t->micrometres) : std::nullopt, micrometres) << typed;
    }
    const std::pair<std::int64_t, const char*> texts[] = {
        {50'000, "50"}, {12'500, "12.5"}, {1, "0.001"}, {10'000'000, "10000"}, {7'250, "7.25"},
    };
    for (const auto& [micrometres, text] : texts) {
        EXPECT_EQ(toleranceText({micrometres}), text) << micrometres;
        EXPECT_EQ(toleranceFromText(text), Tolerance{micrometres}) << text;
    }
    EXPECT_EQ(Tolerance{}.micrometres, 50'000);
}

TEST(DecimalText, DecimalTextAndRecordedDecimals) {
    const struct {
        const char* field;
        const char* text;      // decimalText, nullptr for none
        const char* recorded;  // recordedDecimals
    } cases[] = {
        {"5000.0004", "5000.0004", "5000.0004"},
        {"5000.1", "5000.1", "5000.100"},
        {"5000", "5000", "5000.000"},
        {"-12.5", "-12.5", "-12.500"},
        {"+12.5", "12.5", "12.500"},
        {"-.5", "-0.5", "-0.500"},
        {"12.", "12", "12.000"},
        {"-0.000", "-0.000", "-0.000"},
        {"007", "007", "007.000"},
        {"", nullptr, ""},
        {".", nullptr, "."},
        {"-", nullptr, "-"},
        {"1e3", nullptr, "1e3"},
        {"12,5", nullptr, "12,5"},
        {" 1", nullptr, " 1"},
        {"1.2.3", nullptr, "1.2.3"},
        {"0x1F", nullptr, "0x1F"},
        {"inf", nullptr, "inf"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decimalText(c.field).value_or("(none)"), c.text ? c.text : "(none)") << c.field;
        EXPECT_EQ(recordedDecimals(c.field), c.recorded) << c.field;
        std::string rewritten;
        const std::optional<std::string_view> view = decimalTextView(c.field, rewritten);
        EXPECT_EQ(view.value_or("(none)"), c.text ? c.text : "(none)") << c.field;
        // A field in that form already is given back itself, not a copy.
        if (view && *view == c.field) {
            EXPECT_EQ(view->data(), c.field);
        }
    }
}

TEST(DecimalText, WithoutLeadingZeros) {
    const std::pair<const char*, const char*> cases[] = {
        {"007", "7"}, {"0000000000000007", "7"}, {"000", "0"}, {"0", "0"},    {"", ""},
        {"70", "70"}, {"L2-007", "L2-007"},      {"00A", "A"}, {"0.5", ".5"}, {"0007008", "7008"},
    };
    for (const auto& [text, without] : cases) {
        EXPECT_EQ(withoutLeadingZeros(text), without) << text;
    }
}

// The nearest double whatever the locale (the suite runs under a comma-decimal one too); a
// "+" as GSI and CASS write it.
TEST(DecimalText, DecimalValue) {
    const std::pair<const char*, double> cases[] = {
        {"5000.0004", 5000.0004},
        {"+12.5", 12.5},
        {"-.5", -0.5},
        {"-3003.069", -3003.069},
        {"12.", 12.0},
        {"", 0.0},
        {"1,5", 1.0},
        {"0.1", 0.1},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(decimalValue(text), value) << text;
    }
}

}  // namespace
}  // namespace korvel
