// The digits of the decimal numbers surveyors type and files hold.
#pragma once

namespace korvel {

// Whether `c` is one of the ASCII digits 0 to 9, whatever the locale counts as a digit.
//   '0' -> true    '9' -> true    'a' -> false    '.' -> false    '\xd9' -> false
constexpr bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace korvel
