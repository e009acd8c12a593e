#include "numeric_mask.hpp"

#include <algorithm>

namespace flange {

namespace {

// The fraction digits for the places below `firstPlace`, one per placeholder,
// less the trailing zeros that stand under "#" placeholders. So "0#" prints
// one fraction digit at least and a second one only when it is not zero.
void PutFraction(TextOut& out, std::string_view placeholders, const DecimalDigits& r,
                 int firstPlace) {
  int length = static_cast<int>(placeholders.size());
  while (length > 0 && placeholders[length - 1] == '#' && r.At(firstPlace - length) == '0') {
    --length;
  }
  for (int j = 1; j <= length; ++j)
    out.Put(r.At(firstPlace - j));
}

}  // namespace

void NumericMask::FormatFixed(TextOut& out, const DecimalDigits& value) const {
  const int fractionPlaces = static_cast<int>(fractionPart_.size());
  // Keep every digit whose place is 10^-fractionPlaces or larger.
  const DecimalDigits r = value.RoundedTo(value.exponent + fractionPlaces + 1);

  const int significantIntegerDigits = r.count > 0 && r.exponent >= 0 ? r.exponent + 1 : 0;
  const int integerDigits = std::max(significantIntegerDigits, minimumIntegerDigits_);
  for (int place = integerDigits - 1; place >= 0; --place)
    out.Put(r.At(place));
  if (hasPoint_) out.Put('.');
  PutFraction(out, fractionPart_, r, 0);
}

void NumericMask::FormatScientific(TextOut& out, const DecimalDigits& value) const {
  // One digit before the point, rounded to the fraction placeholders.
  const DecimalDigits r = value.RoundedTo(1 + static_cast<int>(fractionPart_.size()));
  const bool zero = r.IsZero();
  const int exponent = zero ? 0 : r.exponent;

  if (!zero) {
    out.Put(r.digits[0]);
  } else if (minimumIntegerDigits_ > 0) {
    out.Put('0');
  }
  if (hasPoint_) out.Put('.');
  PutFraction(out, fractionPart_, r, exponent);
  out.PutExponent(exponent, alwaysSignExponent_, minimumExponentDigits_);
}

std::string NumericMask::Format(const DecimalDigits& value) const {
  TextOut out;
  if (value.negative) out.Put('-');
  if (scientific_) {
    FormatScientific(out, value);
  } else {
    FormatFixed(out, value);
  }
  return out.Text();
}

}  // namespace flange
