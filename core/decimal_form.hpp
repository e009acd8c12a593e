// A finite double as the decimal number the calculator works with: its value
// rounded to 15 significant digits. Display text is made from these digits, so
// every shown number agrees with the 15 digits of the general conversion.
#pragma once

namespace flange {

inline constexpr int kSignificantDigits = 15;

struct DecimalForm {
  bool negative = false;
  // Significant digits '1'..'9' first, no trailing zeros; empty for zero.
  char digits[kSignificantDigits] = {};
  int count = 0;
  // Decimal exponent of the first digit: value = d1.d2d3... x 10^exponent.
  int exponent = 0;

  bool IsZero() const { return count == 0; }
};

// Requires a finite value.
DecimalForm ToDecimalForm(double value);

}  // namespace flange
