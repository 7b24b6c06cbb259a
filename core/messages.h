// The texts of the message boxes a calculation run can show.
#pragma once

#include <string>
#include <string_view>

namespace korvel {

// One of Text1 to Text7 is the empty string.
inline constexpr std::string_view kMessageEmptyInput = "输入的数据有空值，不能进行计算!";
// The step, as read, is not greater than zero.
inline constexpr std::string_view kMessageStepNotPositive = "间隔数应大于0";
// The run would need more rows than the 16-bit point numbers can count.
inline constexpr std::string_view kMessageTooManyRows = "计算点数超过32767，请增大间隔";

// Some points had no finite coordinates and were left out: "有N个点无法计算，已略去".
std::string messageSkippedPoints(long long count);

// The largest point number, and so the most rows one run may produce.
inline constexpr int kMaxRows = 32767;

}  // namespace korvel
