#include "flange/format_result.hpp"

#include <cmath>

#include "decimal_digits.hpp"
#include "flange/number_writer.hpp"
#include "numeric_mask.hpp"

namespace flange {

namespace {

// The magnitude tests of the adaptive display look at the value as its text
// reads back (15 significant digits), so that a value that shows as 1 is
// treated as 1. Reading the text back gives the double nearest to the decimal
// form; since two 15-digit decimals lie far more than a double's precision
// apart, comparing that double with 1, 1e-5 and 9999999 is the same as
// comparing the decimal form's digits, which is what these do.
bool BelowOne(const DecimalDigits& t) {
  return t.exponent < 0;
}

bool BelowOneHundredThousandth(const DecimalDigits& t) {
  return t.exponent < -5;
}

bool BelowSevenNines(const DecimalDigits& t) {
  if (t.exponent != 6) return t.exponent < 6;
  // Seven integer digits: below 9999999 unless all seven are nines.
  for (int i = 0; i < 7; ++i) {
    if (i >= t.count || t.digits[i] != '9') return true;
  }
  return false;
}

// The display masks. Ordinary and large values show at least one fraction
// digit: the display is that of "#######.##" (or "#.###E+##"), and where the
// rounding to its places leaves no fraction digit, that of "#######.0" (or
// "#.0E+##"). The "0" in the first fraction place does both at once: a value
// within half a hundredth (or thousandth) of its rounded figure is within
// half a tenth of it too, so the digits are the same.
constexpr NumericMask kZero("0.0");
constexpr NumericMask kVerySmall("#.###E-##");
constexpr NumericMask kSmall("0.####");
constexpr NumericMask kFixed("#######.0#");
constexpr NumericMask kLarge("#.0##E+##");
constexpr NumericMask kWholeNumber("####################");

std::string AdaptiveDisplay(double value) {
  const DecimalDigits form = ToDecimalDigits(value);
  if (form.IsZero()) return kZero.Format(form);
  if (BelowOne(form)) {
    return BelowOneHundredThousandth(form) ? kVerySmall.Format(form) : kSmall.Format(form);
  }
  return BelowSevenNines(form) ? kFixed.Format(form) : kLarge.Format(form);
}

}  // namespace

std::string FormatResult(int mode, double value) {
  if (!std::isfinite(value)) return std::string(kOverflowText);
  switch (mode) {
    case kAdaptiveMode:
      return AdaptiveDisplay(value);
    case kIntegerPartMode:
      return NumberToText(std::floor(value));
    default:
      return kWholeNumber.Format(ToDecimalDigits(value));
  }
}

}  // namespace flange
