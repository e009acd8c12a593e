#include "decimal_form.hpp"

#include <charconv>
#include <cstdint>
#include <cstring>

namespace flange {

namespace {

__extension__ using Uint128 = unsigned __int128;

constexpr std::uint64_t kPowersOfTen[] = {1ULL,
                                          10ULL,
                                          100ULL,
                                          1000ULL,
                                          10000ULL,
                                          100000ULL,
                                          1000000ULL,
                                          10000000ULL,
                                          100000000ULL,
                                          1000000000ULL,
                                          10000000000ULL,
                                          100000000000ULL,
                                          1000000000000ULL,
                                          10000000000000ULL,
                                          100000000000000ULL,
                                          1000000000000000ULL,
                                          10000000000000000ULL,
                                          100000000000000000ULL,
                                          1000000000000000000ULL,
                                          10000000000000000000ULL};

constexpr std::uint64_t kSmallestFifteenDigits = kPowersOfTen[kSignificantDigits - 1];
constexpr std::uint64_t kBeyondFifteenDigits = kPowersOfTen[kSignificantDigits];

// Keeps the digits up to the last non-zero one.
void DropTrailingZeros(DecimalForm& form) {
  while (form.count > 1 && form.digits[form.count - 1] == '0')
    --form.count;
}

// Stores the 15-digit integer `digits` (10^14 <= digits < 10^15) as the
// form's digits, without trailing zeros.
void StoreDigits(std::uint64_t digits, DecimalForm& form) {
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
// tie, as to_chars does). Returns false for other magnitudes.
bool FastForm(double value, DecimalForm& form) {
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

// Any other finite value, from to_chars' correctly rounded "-d.dddde+XX".
DecimalForm GeneralForm(double value) {
  DecimalForm form;
  char text[40];
  const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific,
                                     kSignificantDigits - 1);
  const char* p = text;
  if (*p == '-') {
    form.negative = true;
    ++p;
  }
  const char* e = written.ptr - 3;  // the exponent has two or three digits
  while (*e != 'e')
    --e;
  form.digits[0] = *p;
  std::memcpy(form.digits + 1, p + 2, kSignificantDigits - 1);
  form.count = kSignificantDigits;
  DropTrailingZeros(form);
  int exponent = 0;
  for (const char* q = e + 2; q < written.ptr; ++q)
    exponent = exponent * 10 + (*q - '0');
  form.exponent = e[1] == '-' ? -exponent : exponent;
  return form;
}

}  // namespace

DecimalForm ToDecimalForm(double value) {
  DecimalForm form;
  if (value == 0) return form;
  if (FastForm(value, form)) return form;
  return GeneralForm(value);
}

}  // namespace flange
