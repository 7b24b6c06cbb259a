#include "core/number.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "core/decimal_digit.h"

namespace korvel {
namespace {

// The characters the reading skips wherever they stand.
bool isSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// Walks the text with the skipped characters taken out.
class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) { skip(); }
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    void advance() {
        ++pos_;
        skip();
    }

  private:
    void skip() {
        while (pos_ < text_.size() && isSkipped(text_[pos_]))
            ++pos_;
    }
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Exponents beyond this are far outside double range either way; capping keeps the
// exponent's own digits from overflowing an int.
constexpr long kExponentCap = 100000;

}  // namespace

double readLeadingNumber(std::string_view text) {
    Cursor cur(text);
    bool negative = false;
    if (cur.peek() == '+' || cur.peek() == '-') {
        negative = cur.peek() == '-';
        cur.advance();
    }

    // Mantissa digits, without leading zeros, and the power of ten they need.
    std::string digits;
    long decimalShift = 0;
    bool anyDigit = false;
    bool seenPoint = false;
    for (;;) {
        const char c = cur.peek();
        if (isDecimalDigit(c)) {
            anyDigit = true;
            if (c != '0' || !digits.empty()) {
                digits.push_back(c);
            }
            if (seenPoint)
                --decimalShift;
            cur.advance();
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
            cur.advance();
        } else {
            break;
        }
    }
    if (!anyDigit || digits.empty())
        return 0.0;

    // Exponent: only taken when at least one digit follows the letter and its sign.
    long exponent = 0;
    if (cur.peek() == 'E' || cur.peek() == 'e') {
        Cursor look = cur;
        look.advance();
        bool expNegative = false;
        if (look.peek() == '+' || look.peek() == '-') {
            expNegative = look.peek() == '-';
            look.advance();
        }
        if (isDecimalDigit(look.peek())) {
            while (isDecimalDigit(look.peek())) {
                if (exponent < kExponentCap)
                    exponent = exponent * 10 + (look.peek() - '0');
                look.advance();
            }
            if (expNegative)
                exponent = -exponent;
        }
    }

    // The value is 0.digits × 10^(digits.size() + decimalShift + exponent); decide the
    // far ends here so that from_chars only ever sees a short, in-range exponent.
    const long magnitude = static_cast<long>(digits.size()) + decimalShift + exponent;
    const double sign = negative ? -1.0 : 1.0;
    if (magnitude > 400)
        return sign * std::numeric_limits<double>::infinity();
    if (magnitude < -400)
        return sign * 0.0;

    digits.insert(0, "0.");
    digits += 'e';
    digits += std::to_string(magnitude);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec == std::errc::result_out_of_range) {
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return sign * value;
}

}  // namespace korvel
