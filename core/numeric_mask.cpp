#include "numeric_mask.hpp"

#include <algorithm>
#include <charconv>

namespace flange {

namespace {

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
  if (keep < 0 || form.IsZero()) return r;  // rounds to zero
  r.count = std::min(keep, form.count);
  std::copy(form.digits, form.digits + r.count, r.digits);
  if (keep >= form.count || form.digits[keep] < '5') return r;

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
    std::copy_backward(r.digits, r.digits + r.count, r.digits + r.count + 1);
    r.digits[0] = '1';
    ++r.count;
    ++r.exponent;
  }
  return r;
}

}  // namespace

// Output of at most a sign, 309 integer digits, a point, fraction digits and an
// exponent: a fixed buffer, so formatting allocates nothing but the result.
class NumericMask::Writer {
 public:
  void Put(char c) {
    if (size_ < sizeof text_) text_[size_++] = c;
  }
  void Put(const char* begin, const char* end) {
    for (; begin < end; ++begin)
      Put(*begin);
  }
  std::string Text() const { return std::string(text_, size_); }

 private:
  char text_[512];
  std::size_t size_ = 0;
};

namespace {

// The fraction digits for the places below `firstPlace`, one per placeholder,
// less the trailing zeros that stand under "#" placeholders.
template <typename Writer>
void PutFraction(Writer& out, std::string_view placeholders, const RoundedDigits& r,
                 int firstPlace) {
  int length = static_cast<int>(placeholders.size());
  while (length > 0 && placeholders[length - 1] == '#' && r.At(firstPlace - length) == '0') {
    --length;
  }
  for (int j = 1; j <= length; ++j)
    out.Put(r.At(firstPlace - j));
}

}  // namespace

void NumericMask::FormatFixed(Writer& out, const DecimalForm& value) const {
  const int fractionPlaces = static_cast<int>(fractionPart_.size());
  // Keep every digit whose place is 10^-fractionPlaces or larger.
  const RoundedDigits r = RoundToSignificant(value, value.exponent + fractionPlaces + 1);

  const int significantIntegerDigits = r.count > 0 && r.exponent >= 0 ? r.exponent + 1 : 0;
  const int integerDigits = std::max(significantIntegerDigits, minimumIntegerDigits_);
  for (int place = integerDigits - 1; place >= 0; --place)
    out.Put(r.At(place));
  if (hasPoint_) out.Put('.');
  PutFraction(out, fractionPart_, r, 0);
}

void NumericMask::FormatScientific(Writer& out, const DecimalForm& value) const {
  // One digit before the point, rounded to the fraction placeholders.
  const RoundedDigits r = RoundToSignificant(value, 1 + static_cast<int>(fractionPart_.size()));
  const bool zero = r.count == 0;
  const int exponent = zero ? 0 : r.exponent;

  if (!zero) {
    out.Put(r.digits[0]);
  } else if (minimumIntegerDigits_ > 0) {
    out.Put('0');
  }
  if (hasPoint_) out.Put('.');
  PutFraction(out, fractionPart_, r, exponent);

  out.Put('E');
  if (exponent < 0) {
    out.Put('-');
  } else if (alwaysSignExponent_) {
    out.Put('+');
  }
  char digits[16];
  const auto written =
      std::to_chars(digits, digits + sizeof digits, exponent < 0 ? -exponent : exponent);
  for (int pad = minimumExponentDigits_ - static_cast<int>(written.ptr - digits); pad > 0; --pad) {
    out.Put('0');
  }
  out.Put(digits, written.ptr);
}

std::string NumericMask::Format(const DecimalForm& value) const {
  Writer out;
  if (value.negative) out.Put('-');
  if (scientific_) {
    FormatScientific(out, value);
  } else {
    FormatFixed(out, value);
  }
  return out.Text();
}

std::string NumericMask::Format(double value) const {
  return Format(ToDecimalForm(value));
}

std::string FormatWithMask(double value, std::string_view mask) {
  return NumericMask(mask).Format(value);
}

}  // namespace flange
