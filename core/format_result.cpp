#include "format_result.hpp"

#include <cmath>

#include "decimal_form.hpp"
#include "numeric_mask.hpp"

namespace flange {

namespace {

// The magnitude tests of the adaptive display look at the value as its text
// reads back (15 significant digits), so that a value that shows as 1 is
// treated as 1. Reading the text back gives the double nearest to the decimal
// form; since two 15-digit decimals lie far more than a double's precision
// apart, comparing that double with 1, 1e-5 and 9999999 is the same as
// comparing the decimal form's digits, which is what these do.
bool BelowOne(const DecimalForm& t) {
  return t.exponent < 0;
}

bool BelowOneHundredThousandth(const DecimalForm& t) {
  return t.exponent < -5;
}

bool BelowSevenNines(const DecimalForm& t) {
  if (t.exponent != 6)
    return t.exponent < 6;
  // Seven integer digits: below 9999999 unless all seven are nines.
  for (int i = 0; i < 7; ++i) {
    if (i >= t.count || t.digits[i] != '9')
      return true;
  }
  return false;
}

std::string AdaptiveDisplay(double value) {
  const DecimalForm form = ToDecimalForm(value);
  if (form.IsZero())
    return FormatWithMask(form, "0.0");

  if (BelowOne(form)) {
    return BelowOneHundredThousandth(form) ? FormatWithMask(form, "#.###E-##")
                                           : FormatWithMask(form, "0.####");
  }
  if (BelowSevenNines(form)) {
    // At least one fraction digit: when rounding to two places leaves none,
    // show the whole number with ".0".
    std::string twoPlaces = FormatWithMask(form, "#######.##");
    if (twoPlaces != FormatWithMask(form, "#######."))
      return twoPlaces;
    return FormatWithMask(form, "#######.0");
  }
  std::string threePlaces = FormatWithMask(form, "#.###E+##");
  if (threePlaces != FormatWithMask(form, "#.E+##"))
    return threePlaces;
  return FormatWithMask(form, "#.0E+##");
}

}  // namespace

std::string FormatResult(int mode, double value) {
  if (!std::isfinite(value))
    return std::string(kOverflowText);
  switch (mode) {
    case kAdaptiveMode:
      return AdaptiveDisplay(value);
    case kIntegerPartMode:
      return NumberToText(std::floor(value));
    default:
      return FormatWithMask(value, "####################");
  }
}

}  // namespace flange
