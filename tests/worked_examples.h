// The two worked examples every suite starts from, as the eight box texts Text1..Text8
// (a, b, β, X, Y, azimuth, step, D), in the string type each suite takes.
#pragma once

#include <array>

namespace korvel::test {

// Step mode, 位置2: 7 rows, from (3003.069, 5008.352) to the vertex (2995.451, 5016.120).
inline constexpr std::array<const char*, 8> kStepTexts = {"12.5", "6",      "60.3", "3000",
                                                          "5000", "45.153", "2.5",  "4.25"};
// Angle mode: a=10 b=6 β=60 O=(1000, 500) azimuth 0, 15° a step, D=4.
inline constexpr std::array<const char*, 8> kAngleTexts = {"10",  "6", "60", "1000",
                                                           "500", "0", "15", "4"};

// The texts as an array of `String` (std::string, QString): Text1..Text8.
template <typename String>
std::array<String, 8> textsAs(const std::array<const char*, 8>& texts) {
    std::array<String, 8> out;
    for (std::size_t k = 0; k < texts.size(); ++k) {
        out[k] = String(texts[k]);
    }
    return out;
}

// The texts as a list of `List` (QStringList), as a command line takes them.
template <typename List>
List textsAsList(const std::array<const char*, 8>& texts) {
    List out;
    for (const char* text : texts) {
        out << text;
    }
    return out;
}

}  // namespace korvel::test
