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
  if (t.exponent != 6) return t.exponent < 6;
  // Seven integer digits: below 9999999 unless all seven are nines.
  for (int i = 0; i < 7; ++i) {
    if (i >= t.count || t.digits[i] != '9') return true;
  }
  return false;
}

// The display masks.
constexpr NumericMask kZero("0.0");
constexpr NumericMask kVerySmall("#.###E-##");
constexpr NumericMask kSmall("0.####");
constexpr NumericMask kFixedTwoPlaces("#######.##");
constexpr NumericMask kLargeThreePlaces("#.###E+##");
constexpr NumericMask kWholeNumber("####################");

std::string AdaptiveDisplay(double value) {
  const DecimalForm form = ToDecimalForm(value);
  if (form.IsZero()) return kZero.Format(form);

  if (BelowOne(form)) {
    return BelowOneHundredThousandth(form) ? kVerySmall.Format(form) : kSmall.Format(form);
  }
  // Ordinary and large values show at least one fraction digit. Where the
  // rounding to the fraction places of the first mask leaves no fraction digit
  // (its text equals that of the same mask without fraction places, "123." or
  // "2.E+7"), the fallback mask with one "0" place gives the same digits with
  // ".0": a value within half a hundredth (or thousandth) of its rounded
  // figure is within half a tenth of it too.
  if (BelowSevenNines(form)) {
    std::string twoPlaces = kFixedTwoPlaces.Format(form);   // "#######.##"
    if (twoPlaces.back() == '.') twoPlaces.push_back('0');  // "#######.0"
    return twoPlaces;
  }
  std::string threePlaces = kLargeThreePlaces.Format(form);  // "#.###E+##"
  const std::size_t exponent = threePlaces.find('E');
  if (threePlaces[exponent - 1] == '.') threePlaces.insert(exponent, 1, '0');  // "#.0E+##"
  return threePlaces;
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
      return kWholeNumber.Format(value);
  }
}

}  // namespace flange
