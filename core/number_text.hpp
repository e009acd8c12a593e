// Conversions between the texts of the fields and numbers. None of them looks
// at the process locale: "." is always the decimal point.
#pragma once

#include <string>
#include <string_view>

namespace flange {

// Shown instead of a number that is infinite or not a number.
inline constexpr std::string_view kOverflowText = "溢出";

// Reads the number that a field's text begins with, as the calculator always
// has: leading blanks (space, tab, LF, CR, ideographic space) are skipped, then
// the longest leading decimal number is read: optional sign, digits with at
// most one ".", optional exponent "E"/"e" with optional sign and digits.
// Full-width digits, point, signs and E typed by a Chinese input method read
// as their ASCII forms. Text that does not begin with a number gives 0.
// Numbers beyond the range of a double give +/-infinity, too small ones 0.
// Never fails. The text is UTF-8.
double ParseLeadingNumber(std::string_view text);

// A double as its shortest text with at most 15 significant digits: "7.85",
// "1E-05", "1.5E+15" (scientific where %.15G would choose it). Infinity and
// NaN give kOverflowText.
std::string NumberToText(double value);

}  // namespace flange
