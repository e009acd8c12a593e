#include "decimal_digits.hpp"

#include <algorithm>
#include <charconv>
#include <cstring>

#include <fmt/compile.h>

namespace flange {

namespace {

__extension__ using Uint128 = unsigned __int128;

constexpr std::uint64_t kSmallestFifteenDigits = kPowersOfTen[kSignificantDigits - 1];
constexpr std::uint64_t kBeyondFifteenDigits = kPowersOfTen[kSignificantDigits];

void DropTrailingZeros(DecimalDigits& form) {
  while (form.count > 1 && form.digits[form.count - 1] == '0')
    --form.count;
}

// Stores the 15-digit integer `digits` (10^14 <= digits < 10^15) as the
// form's digits, without trailing zeros.
void StoreDigits(std::uint64_t digits, DecimalDigits& form) {
  for (int i = kSignificantDigits - 1; i >= 0; --i) {
    form.digits[i] = static_cast<char>('0' + digits % 10);
    digits /= 10;
  }
  form.count = kSignificantDigits;
  DropTrailingZeros(form);
}

// The magnitudes that results usually have, 1e-4 <= |value| < 1e15, rounded
// to 15 significant digits exactly in integer arithmetic: the double is
// mantissa x 2^-shift, so value x 10^k is (mantissa x 10^k) / 2^shift, whose
// quotient and remainder give the rounded digits (half to even on an exact
// tie). Returns false for other magnitudes.
bool FastForm(double value, DecimalDigits& form) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  const int biasedExponent = static_cast<int>((bits >> 52) & 0x7FF);
  // 2^-14 < 1e-4 and 1e15 < 2^50: leading-bit exponents -14 to 49.
  const int leadingBit = biasedExponent - 1023;
  if (leadingBit < -14 || leadingBit > 49) return false;
  if (leadingBit == -14 && (value < 0 ? -value : value) < 1e-4) return false;
  const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int shift = 52 - leadingBit;  // 3 to 66

  // floor(leadingBit x log10(2)) is the decimal exponent or one below it.
  int exponent = (leadingBit * 78913) >> 18;
  for (;;) {
    const int k = kSignificantDigits - 1 - exponent;  // 0 to 19
    if (k < 0) return false;
    const Uint128 scaled = Uint128{mantissa} * kPowersOfTen[k];
    auto digits = static_cast<std::uint64_t>(scaled >> shift);
    const Uint128 remainder = scaled - (Uint128{digits} << shift);
    const Uint128 half = Uint128{1} << (shift - 1);
    if (remainder > half || (remainder == half && (digits & 1) != 0)) ++digits;
    if (digits >= kBeyondFifteenDigits) {
      ++exponent;  // the estimate was one low, or rounding reached the next power
      continue;
    }
    if (digits < kSmallestFifteenDigits) return false;  // cannot happen; be safe
    form.negative = value < 0;
    form.exponent = exponent;
    StoreDigits(digits, form);
    return true;
  }
}

// Any other finite value, from the correctly rounded "-d.dddde+XX" of fmt,
// which, unlike printf, never looks at the locale.
DecimalDigits GeneralForm(double value) {
  DecimalDigits form;
  char text[40];
  const char* const end = fmt::format_to(text, FMT_COMPILE("{:.14e}"), value);
  const char* p = text;
  if (*p == '-') {
    form.negative = true;
    ++p;
  }
  form.digits[0] = *p;
  std::memcpy(form.digits + 1, p + 2, kSignificantDigits - 1);
  form.count = kSignificantDigits;
  DropTrailingZeros(form);
  const char* const letter = p + kSignificantDigits + 1;  // "e+XX" or "e-XXX"
  int exponent = 0;
  for (const char* q = letter + 2; q < end; ++q)
    exponent = exponent * 10 + (*q - '0');
  form.exponent = letter[1] == '-' ? -exponent : exponent;
  return form;
}

}  // namespace

DecimalDigits ToDecimalDigits(double value) {
  DecimalDigits form;
  if (value == 0) return form;
  if (FastForm(value, form)) return form;
  return GeneralForm(value);
}

DecimalDigits DecimalDigits::RoundedTo(int keep) const {
  DecimalDigits r;
  r.negative = negative;
  r.exponent = exponent;
  if (keep < 0 || IsZero()) return r;  // rounds to zero
  r.count = std::min(keep, count);
  std::copy(digits, digits + r.count, r.digits);
  if (keep >= count || digits[keep] < '5') return r;

  int i = keep - 1;
  while (i >= 0 && r.digits[i] == '9') {
    r.digits[i] = '0';
    --i;
  }
  if (i >= 0) {
    ++r.digits[i];
  } else {
    // 9...9 (or nothing, when keep is 0) carried into a new first digit:
    // 10...0 one place higher.
    std::copy_backward(r.digits, r.digits + r.count, r.digits + r.count + 1);
    r.digits[0] = '1';
    ++r.count;
    ++r.exponent;
  }
  return r;
}

void TextOut::PutExponent(int exponent, bool signPositive, int minimumDigits) {
  Put('E');
  if (exponent < 0) {
    Put('-');
  } else if (signPositive) {
    Put('+');
  }
  char digits[16];
  const auto written =
      std::to_chars(digits, digits + sizeof digits, exponent < 0 ? -exponent : exponent);
  for (int pad = minimumDigits - static_cast<int>(written.ptr - digits); pad > 0; --pad)
    Put('0');
  Put(digits, written.ptr);
}

}  // namespace flange
