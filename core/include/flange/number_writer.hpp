// Writing a number as the text a field shows. The process locale plays no
// part: "." is always the decimal point.
#pragma once

#include <string>
#include <string_view>

namespace flange {

// Shown instead of a number that is infinite or not a number.
inline constexpr std::string_view kOverflowText = "溢出";

// A double as its shortest text with at most 15 significant digits: "7.85",
// "1E-05", "1.5E+15" (scientific below 0.0001 and from 10^15 up). Infinity
// and NaN give kOverflowText.
std::string NumberToText(double value);

}  // namespace flange
