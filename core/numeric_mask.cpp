#include "numeric_mask.hpp"

#include <algorithm>
#include <charconv>

namespace flange {

namespace {

// A mask taken apart: the placeholders before and after the point, and for a
// scientific mask the exponent's sign rule and placeholders.
struct Mask {
  std::string_view integerPart;
  bool hasPoint = false;
  std::string_view fractionPart;
  bool scientific = false;
  bool alwaysSignExponent = false;  // "E+" rather than "E-"
  std::string_view exponentPart;
};

Mask ParseMask(std::string_view text) {
  Mask mask;
  std::string_view number = text;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if ((text[i] == 'E' || text[i] == 'e') && (text[i + 1] == '+' || text[i + 1] == '-')) {
      mask.scientific = true;
      mask.alwaysSignExponent = text[i + 1] == '+';
      mask.exponentPart = text.substr(i + 2);
      number = text.substr(0, i);
      break;
    }
  }
  const std::size_t point = number.find('.');
  if (point == std::string_view::npos) {
    mask.integerPart = number;
  } else {
    mask.hasPoint = true;
    mask.integerPart = number.substr(0, point);
    mask.fractionPart = number.substr(point + 1);
  }
  return mask;
}

// How many digits a run of placeholders prints at least: every place from the
// first "0" onwards.
int MinimumDigits(std::string_view placeholders) {
  const std::size_t firstZero = placeholders.find('0');
  return firstZero == std::string_view::npos ? 0
                                             : static_cast<int>(placeholders.size() - firstZero);
}

// Digits of a decimal number after rounding, with the exponent of the first.
// Room for 15 digits plus one carried into a new leading place.
struct RoundedDigits {
  char digits[kSignificantDigits + 1] = {};
  int count = 0;
  int exponent = 0;

  // The digit at place 10^place, '0' outside the stored digits.
  char At(int place) const {
    const int index = exponent - place;
    return index >= 0 && index < count ? digits[index] : '0';
  }
};

// Keeps the first `keep` significant digits of `form`, rounding half away
// from zero on the first dropped digit (the decimal form is exact, so a
// dropped part of at least one half starts with 5 or more).
RoundedDigits RoundToSignificant(const DecimalForm& form, int keep) {
  RoundedDigits r;
  r.exponent = form.exponent;
  if (keep < 0 || form.IsZero())
    return r;  // rounds to zero
  if (keep >= form.count) {
    r.count = form.count;
    for (int i = 0; i < form.count; ++i)
      r.digits[i] = form.digits[i];
    return r;
  }
  const bool roundUp = form.digits[keep] >= '5';
  r.count = keep;
  for (int i = 0; i < keep; ++i)
    r.digits[i] = form.digits[i];
  if (!roundUp)
    return r;
  int i = keep - 1;
  while (i >= 0 && r.digits[i] == '9') {
    r.digits[i] = '0';
    --i;
  }
  if (i >= 0) {
    ++r.digits[i];
  } else {
    // 9...9 (or nothing, when keep is 0) carried into a new leading digit:
    // 10...0 one place higher.
    for (int j = r.count; j > 0; --j)
      r.digits[j] = r.digits[j - 1];
    r.digits[0] = '1';
    ++r.count;
    ++r.exponent;
  }
  return r;
}

// The fraction digits for places 10^-1 .. 10^-n, less the trailing zeros that
// stand under "#" placeholders.
void AppendFraction(std::string& out, std::string_view placeholders, const RoundedDigits& r,
                    int firstPlace) {
  int length = static_cast<int>(placeholders.size());
  while (length > 0 && placeholders[length - 1] == '#' && r.At(firstPlace - length) == '0') {
    --length;
  }
  for (int j = 1; j <= length; ++j)
    out.push_back(r.At(firstPlace - j));
}

void FormatFixed(std::string& out, const DecimalForm& form, const Mask& mask) {
  const int fractionPlaces = static_cast<int>(mask.fractionPart.size());
  // Keep every digit whose place is 10^-fractionPlaces or larger.
  const RoundedDigits r = RoundToSignificant(form, form.exponent + fractionPlaces + 1);

  const int significantIntegerDigits = r.count > 0 && r.exponent >= 0 ? r.exponent + 1 : 0;
  const int integerDigits = std::max(significantIntegerDigits, MinimumDigits(mask.integerPart));
  for (int place = integerDigits - 1; place >= 0; --place)
    out.push_back(r.At(place));
  if (mask.hasPoint)
    out.push_back('.');
  AppendFraction(out, mask.fractionPart, r, 0);
}

void FormatScientific(std::string& out, const DecimalForm& form, const Mask& mask) {
  const int fractionPlaces = static_cast<int>(mask.fractionPart.size());
  const RoundedDigits r = RoundToSignificant(form, 1 + fractionPlaces);
  const bool zero = r.count == 0;
  const int exponent = zero ? 0 : r.exponent;

  // One digit before the point; zero prints only under a "0" placeholder.
  if (!zero || MinimumDigits(mask.integerPart) > 0)
    out.push_back(zero ? '0' : r.digits[0]);
  if (mask.hasPoint)
    out.push_back('.');
  AppendFraction(out, mask.fractionPart, r, exponent);

  out.push_back('E');
  if (exponent < 0) {
    out.push_back('-');
  } else if (mask.alwaysSignExponent) {
    out.push_back('+');
  }
  char digits[16];
  const auto written =
      std::to_chars(digits, digits + sizeof digits, exponent < 0 ? -exponent : exponent);
  const int length = static_cast<int>(written.ptr - digits);
  for (int pad = MinimumDigits(mask.exponentPart) - length; pad > 0; --pad)
    out.push_back('0');
  out.append(digits, written.ptr);
}

}  // namespace

std::string FormatWithMask(const DecimalForm& value, std::string_view maskText) {
  const Mask mask = ParseMask(maskText);
  std::string out;
  if (value.negative)
    out.push_back('-');
  if (mask.scientific) {
    FormatScientific(out, value, mask);
  } else {
    FormatFixed(out, value, mask);
  }
  return out;
}

std::string FormatWithMask(double value, std::string_view mask) {
  return FormatWithMask(ToDecimalForm(value), mask);
}

}  // namespace flange
