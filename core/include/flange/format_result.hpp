// The display text of a result.
#pragma once

#include <string>

#include "flange/number_writer.hpp"

namespace flange {

// Display modes of FormatResult. The window uses kAdaptiveMode only.
inline constexpr int kIntegerPartMode = 1;
inline constexpr int kAdaptiveMode = 2;

// Mode 2: fixed point with at least one fraction digit for ordinary
// magnitudes, scientific for very small and very large ones.
// Mode 1: the largest whole number not above the value.
// Any other mode: the value rounded to a whole number without a point.
// A value that is infinite or not a number gives kOverflowText in every mode.
std::string FormatResult(int mode, double value);

}  // namespace flange
