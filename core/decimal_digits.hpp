// The decimal digits every number the calculator writes is made from: a
// finite double rounded to 15 significant digits, as the general text form
// shows it, then rounded further to the places a display mask keeps. Also the
// powers of ten and the output buffer that writing numbers shares.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace flange {

inline constexpr int kSignificantDigits = 15;

// 10^0 to 10^19, every power of ten a 64-bit integer holds; the doubles made
// from them are exact as far as 10^22.
inline constexpr std::uint64_t kPowersOfTen[] = {1ULL,
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

// A decimal number: value = d1.d2d3... x 10^exponent.
struct DecimalDigits {
  bool negative = false;
  // Significant digits, the first not '0', no trailing zeros; none for zero.
  // One place more than 15 for a rounding that carries into a new first digit.
  char digits[kSignificantDigits + 1] = {};
  int count = 0;
  int exponent = 0;

  bool IsZero() const { return count == 0; }

  // The digit at place 10^place, '0' outside the stored digits.
  char At(int place) const {
    const int index = exponent - place;
    return index >= 0 && index < count ? digits[index] : '0';
  }

  // The first `keep` significant digits, rounded half away from zero on the
  // first dropped digit (the digits are exact, so a dropped part of at least
  // one half starts with 5 or more). Keeping none or fewer rounds to zero or
  // to a 1 one place above the first digit.
  DecimalDigits RoundedTo(int keep) const;
};

// A finite value correctly rounded to 15 significant digits (half to even on
// an exact tie).
DecimalDigits ToDecimalDigits(double value);

// Text of at most a sign, 309 integer digits, a point, fraction digits and an
// exponent, built in a fixed buffer so that writing a number allocates nothing
// but the resulting string.
class TextOut {
 public:
  void Put(char c) {
    if (size_ < sizeof text_) text_[size_++] = c;
  }
  void Put(const char* begin, const char* end) {
    for (; begin < end; ++begin)
      Put(*begin);
  }
  // "E", the exponent's sign ("-" always, "+" when `signPositive`), and its
  // digits padded with leading zeros to `minimumDigits`.
  void PutExponent(int exponent, bool signPositive, int minimumDigits);

  std::string Text() const { return std::string(text_, size_); }

 private:
  char text_[512];
  std::size_t size_ = 0;
};

}  // namespace flange
