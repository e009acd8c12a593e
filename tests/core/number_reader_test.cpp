// Reading the number a field's text begins with.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "flange/number_reader.hpp"

namespace flange {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(ParseLeadingNumber, Readings) {
  struct Case {
    std::string text;
    double value;
  };
  // Nothing to read; the longest leading number; an exponent only with digits;
  // blanks before the number; full-width forms from a Chinese input method;
  // beyond the range of a double: infinity above, zero below, with the sign.
  // clang-format off
  const Case cases[] = {
      {"", 0}, {"   ", 0}, {"mm100", 0}, {".", 0}, {"-", 0}, {"+-5", 0}, {"E5", 0}, {"不锈钢", 0},
      {"&H10", 0}, {"inf", 0}, {"- 5", 0}, {"12.5mm", 12.5}, {"1.5.3", 1.5}, {".5", 0.5},
      {"5.", 5}, {"-.25", -0.25}, {"+7", 7}, {"1 000", 1}, {"010", 10}, {"7.85", 7.85},
      {"1.5E3", 1500}, {"1.5e+3", 1500}, {"1.5E-3mm", 0.0015}, {"1E", 1}, {"1E+", 1},
      {"1E-x", 1}, {"1D2", 1}, {"2E 3", 2}, {" 12.5  ", 12.5}, {"\t\r\n 3", 3},
      {"\u3000" "4", 4}, {"１００", 100}, {"７．８５", 7.85}, {"－１．５Ｅ２", -150},
      {"＋1.5ｅ－2", 0.015}, {"1２ｍｍ", 12}, {"\xEF\xBC", 0}, {"1E400", kInf},
      {"-1e400", -kInf}, {"1" + std::string(400, '0'), kInf}, {"1000E306", kInf},
      {"1E99999999999999999999999999", kInf}, {"1E-400", 0}, {"-1E-400", -0.0},
      {"0." + std::string(400, '0') + "1", 0}, {"0E99999", 0},
      {"0." + std::string(99, '0') + "1E400", 1e300}, {"4.94065645841247E-324", 5e-324}};
  // clang-format on
  for (const Case& c : cases) {
    const double value = ParseLeadingNumber(c.text);
    EXPECT_EQ(c.value, value) << c.text;
    EXPECT_EQ(std::signbit(c.value), std::signbit(value)) << c.text;
  }
}

// Plain numbers of up to 15 digits take a short way; longer ones, and the
// same digits after a blank, the general one. Both must give the correctly
// rounded double.
TEST(ParseLeadingNumber, PlainNumbersReadExactly) {
  std::mt19937_64 random(3);
  for (int i = 0; i < 200000; ++i) {
    // 1 to 20 digits, a point before any of them or after the last.
    const int length = 1 + static_cast<int>(random() % 20);
    const int point = static_cast<int>(random() % (length + 1));
    std::string text;
    for (int j = 0; j < length; ++j) {
      if (j == point) text += '.';
      text += static_cast<char>('0' + random() % 10);
    }
    if (point == length && i % 2) text += '.';
    double expected = 0;
    std::from_chars(text.data(), text.data() + text.size(), expected);
    ASSERT_EQ(expected, ParseLeadingNumber(text)) << text;
    const std::string blanked = ' ' + text;
    ASSERT_EQ(expected, ParseLeadingNumber(blanked)) << text;
  }
}

}  // namespace
}  // namespace flange
