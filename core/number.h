// Reading a number from what the surveyor typed into a text box.
#pragma once

#include <string_view>

namespace korvel {

// Reads the leading number of `text` and never fails.
// Blanks, tabs and line feeds anywhere in the text are skipped; from the left an optional
// sign, digits with at most one decimal point "." and an optional exponent (E or e, an
// optional sign, digits) are taken; reading stops at the first character that cannot
// continue the number. "." is the decimal point whatever the locale.
//   "12.5m" -> 12.5     " 1 2 . 5" -> 12.5    "-3e2" -> -300    ".5" -> 0.5
//   "1,5"   -> 1        "abc"      -> 0       ""     -> 0       "1e" -> 1
//   "1e999" -> +inf     "-1e999"   -> -inf    "1e-999" -> 0
double readLeadingNumber(std::string_view text);

}  // namespace korvel
