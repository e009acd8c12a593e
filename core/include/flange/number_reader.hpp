// Reading the number a field's text begins with. The process locale plays no
// part: "." is always the decimal point.
#pragma once

#include <string_view>

namespace flange {

// Reads the number that a field's text begins with, as the calculator always
// has: leading blanks (space, tab, LF, CR, ideographic space) are skipped, then
// the longest leading decimal number is read: optional sign, digits with at
// most one ".", optional exponent "E"/"e" with optional sign and digits.
// Full-width digits, point, signs and E typed by a Chinese input method read
// as their ASCII forms. Text that does not begin with a number gives 0.
// Numbers beyond the range of a double give +/-infinity, too small ones 0.
// Never fails. The text is UTF-8.
double ParseLeadingNumber(std::string_view text);

}  // namespace flange
