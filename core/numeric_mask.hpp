// The small numeric mask language of the result display: "0" always prints a
// digit, "#" prints a digit only when significant, "." is always printed, and
// "E-"/"E+" followed by placeholders selects scientific notation.
#pragma once

#include <string>
#include <string_view>

#include "decimal_form.hpp"

namespace flange {

// Formats a finite value under a mask. The value's 15-significant-digit
// decimal form is rounded half away from zero at the mask's last placeholder.
std::string FormatWithMask(double value, std::string_view mask);

// The same, from a decimal form already made (saves converting twice when a
// caller tries several masks on one value).
std::string FormatWithMask(const DecimalForm& value, std::string_view mask);

}  // namespace flange
