// Decimal texts as surveyors' files and forms write them, read and compared exactly: a
// coordinate's digits as recorded, its value in whole micrometres, millimetres with one
// decimal, and the tolerance typed in millimetres. Both checks of measured points work on the
// digits, never through binary floating point.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvel {

// The tolerance 允许偏差, exactly, in micrometres: what the surveyor types in millimetres,
// with up to three decimals. 50 mm unless typed otherwise.
struct Tolerance {
    std::int64_t micrometres = 50'000;

    bool operator==(const Tolerance&) const = default;
};

// The largest tolerance, 10 m: beyond that the check says nothing about a peg.
inline constexpr std::int64_t kMaxToleranceMicrometres = 10'000'000;

// The tolerance typed in millimetres: digits with at most one "." and at most three
// decimals, blanks around it allowed, more than 0 and at most 10000.
//   "50" -> 50000 µm    "12.5" -> 12500    " 0.001 " -> 1    "10000" -> 10000000
// Illegal (nothing): "", "0", "0.000", "-5", "+5", "10000.001", "0.0001", "1e2", "12,5",
// "5 mm".
std::optional<Tolerance> toleranceFromText(std::string_view typed);

// The tolerance in millimetres without trailing zeros, as a sheet prints it.
//   50000 -> "50"    12500 -> "12.5"    1 -> "0.001"
std::string toleranceText(Tolerance tolerance);

// A field of a point file as a coordinate text, when it is a decimal number: an optional
// sign, digits and at most one ".", at least one digit. Only the form changes: a "+" is
// dropped, a missing 0 before the point filled in, a point with no digit after it dropped;
// the digits stay as written.
//   "5000.0004" -> "5000.0004"   "+12.5" -> "12.5"   "-.5" -> "-0.5"   "12." -> "12"
//   "-0.000" -> "-0.000"         "007" -> "007"
// Illegal (nothing): "", ".", "-", "1e3", "12,5", " 1", "1.2.3", "0x1F", "inf".
std::optional<std::string> decimalText(std::string_view field);

// The text decimalText gives, without a copy where it can: `field` itself when it is in
// that form already, else a view of `rewritten`, which then holds it; nothing when `field`
// is no decimal number. For a reader of thousands of fields that are mostly plain.
//   "5000.0004" -> "5000.0004" (field)    "+12.5" -> "12.5" (rewritten)    "1e3" -> nothing
std::optional<std::string_view> decimalTextView(std::string_view field, std::string& rewritten);

// A coordinate text shown with the decimals it was recorded with, at least three.
//   "5000.1" -> "5000.100"   "5000" -> "5000.000"   "5000.0004" -> "5000.0004"
//   "-12.5" -> "-12.500"
// A text that is no decimal number is returned as it is.
std::string recordedDecimals(std::string_view text);

// A decimal text read in one pass: whether it is a decimal number at all (an optional sign,
// digits and at most one "." with at least one digit), its parts as written (views into the
// text), and its value in whole micrometres, decimals past the sixth rounded half away from
// zero, when it is below 10^12 m.
//   "-12.0504" -> {valid, negative, "12", "0504", -12050400}
//   "5000.0000005" -> {valid, ..., 5000000001}     "1e3", "", "." -> not valid
//   "1234567890123.5" -> valid, no micrometres
struct DecimalParts {
    bool valid = false;
    bool negative = false;
    std::string_view whole;
    std::string_view fraction;
    std::optional<std::int64_t> micrometres;
};
DecimalParts readDecimal(std::string_view text);

// The value of a decimal text in whole micrometres, as readDecimal gives it; nothing for a text
// that is no decimal number or lies 10^12 m or more from 0.
//   "152.3456" -> 152345600    "-0.0000005" -> -1    "abc" -> nothing
std::optional<std::int64_t> decimalMicrometres(std::string_view text);

// Micrometres as millimetres with one decimal, halves away from zero, no sign on what rounds
// to 0.
//   1250 -> "1.3"    -1249 -> "-1.2"    -40 -> "0.0"    -50 -> "-0.1"    0 -> "0.0"
std::string millimetresText(std::int64_t micrometres);

// A text without the zeros in front of it, a text of zeros only being "0": how a run of
// digits is read, and how a point's name is matched ("007" is point 7). A view into `text`
// (or of a constant "0").
//   "007" -> "7"   "0000000000000007" -> "7"   "000" -> "0"   "" -> ""   "70" -> "70"
//   "L2-007" -> "L2-007"   "0.5" -> ".5"
std::string_view withoutLeadingZeros(std::string_view text);

// A decimal text, a "+" in front allowed, as the nearest double, read in the C way whatever the
// locale: a coordinate of a file or of the list, for its place in plan. 0 for a text that is
// no decimal (which a caller has refused before).
//   "5000.0004" -> 5000.0004   "+12.5" -> 12.5   "-.5" -> -0.5   "" -> 0   "1,5" -> 1
double decimalValue(std::string_view text);

// A share as a percentage with one decimal, halves away from zero; `whole` over 0.
//   (5, 6) -> "83.3"    (1, 8) -> "12.5"    (7, 7) -> "100.0"
std::string percentText(int part, int whole);

}  // namespace korvel
