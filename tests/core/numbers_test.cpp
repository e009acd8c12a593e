// Reading the number a field's text begins with, and writing numbers: the
// 15-digit decimal form every text is made from, and the general text form.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "decimal_digits.hpp"
#include "flange/number_reader.hpp"
#include "flange/number_writer.hpp"

namespace flange {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(ParseLeadingNumber, Readings) {
  // Nothing to read; the longest leading number; an exponent only with digits;
  // blanks before the number; full-width forms from a Chinese input method;
  // beyond the range of a double: infinity above, zero below, with the sign.
  // clang-format off
  const struct { std::string text; double value; } cases[] = {
      {"", 0}, {"   ", 0}, {"mm100", 0}, {".", 0}, {"-", 0}, {"+-5", 0}, {"E5", 0}, {"不锈钢", 0},
      {"&H10", 0}, {"inf", 0}, {"- 5", 0}, {"12.5mm", 12.5}, {"1.5.3", 1.5}, {".5", 0.5},
      {"5.", 5}, {"-.25", -0.25}, {"+7", 7}, {"1 000", 1}, {"010", 10}, {"7.85", 7.85},
      {"1.5E3", 1500}, {"1.5e+3", 1500}, {"1.5E-3mm", 0.0015}, {"1E", 1}, {"1E+", 1}, {"1E-x", 1},
      {"1D2", 1}, {"2E 3", 2}, {" 12.5  ", 12.5}, {"\t\r\n 3", 3}, {"\u3000" "4", 4}, {"１００", 100},
      {"７．８５", 7.85}, {"－１．５Ｅ２", -150}, {"＋1.5ｅ－2", 0.015}, {"1２ｍｍ", 12}, {"\xEF\xBC", 0},
      {"1E400", kInf}, {"-1e400", -kInf}, {"1" + std::string(400, '0'), kInf}, {"1000E306", kInf},
      {"1E99999999999999999999999999", kInf}, {"1E-400", 0}, {"-1E-400", -0.0}, {"0E99999", 0},
      {"0." + std::string(400, '0') + "1", 0}, {"0." + std::string(99, '0') + "1E400", 1e300},
      {"4.94065645841247E-324", 5e-324}};
  // clang-format on
  for (const auto& c : cases) {
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
    ASSERT_EQ(expected, ParseLeadingNumber(' ' + text)) << text;
  }
}

// The 15-digit form as "-d.dddddddddddddde+XX", and the standard library's
// correctly rounded form for comparison.
std::string Spelled(double v) {
  const DecimalDigits form = ToDecimalDigits(v);
  std::string digits(form.digits, form.count);
  digits.resize(kSignificantDigits, '0');
  std::string text(form.negative ? "-" : "");
  text.append(digits, 0, 1).append(".").append(digits, 1);
  text.append(form.exponent < 0 ? "e-" : "e+").append(std::abs(form.exponent) < 10 ? "0" : "");
  return text.append(std::to_string(std::abs(form.exponent)));
}
std::string Reference(double v) {
  char text[40];
  const auto end = std::to_chars(text, text + sizeof text, v, std::chars_format::scientific, 14);
  return std::string(text, end.ptr);
}

TEST(ToDecimalDigits, AgreesWithTheCorrectlyRoundedConversion) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> exponent(-6, 17);
  for (int i = 0; i < 300000; ++i) {
    double v = std::pow(10.0, exponent(random));
    if (i % 2) {  // neighbours of round decimal numbers, where rounding is closest to a tie
      v = std::nextafter(std::round(v * 1000) / 1000, i % 4 == 1 ? 0.0 : 1e300);
    }
    if (i % 5 == 0) {  // any bits at all
      const std::uint64_t bits = random();
      std::memcpy(&v, &bits, sizeof v);
    }
    if (i % 3 == 0) v = -v;
    if (v == 0 || !std::isfinite(v)) continue;
    ASSERT_EQ(Reference(v), Spelled(v)) << v;
  }
  // Exact ties, and the edges of the integer shortcut for 1e-4 to 1e15.
  for (double v : {1000000000000005.0, 1000000000000015.0, 999999999999999.5, 0.5, 1e-4,
                   std::nextafter(1e-4, 0.0), std::nextafter(1e-4, 1.0), 1e15,
                   std::nextafter(1e15, 0.0), 9999999.0, 0.00048828125, 5e-324, 1.7e308}) {
    EXPECT_EQ(Reference(v), Spelled(v)) << v;
  }
}

TEST(NumberToText, ShortestTextWithFifteenDigits) {
  // Fixed point from 0.0001 to 15 digits, scientific outside; 999999999999999.9
  // rounds up into the next decade.
  // clang-format off
  const struct { double value; std::string_view text; } cases[] = {
      {7.85, "7.85"}, {0.0, "0"}, {-0.0, "0"}, {-2.5, "-2.5"}, {0.1 + 0.2, "0.3"},
      {604.75107771295, "604.75107771295"}, {123456789012345.0, "123456789012345"},
      {1200.0, "1200"}, {1.0 / 3.0, "0.333333333333333"}, {0.0001, "0.0001"},
      {0.00001, "1E-05"}, {1.5e15, "1.5E+15"}, {999999999999999.9, "1E+15"}, {1e300, "1E+300"},
      {-1.23e-100, "-1.23E-100"}, {kInf, kOverflowText}, {std::nan(""), kOverflowText}};
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(c.text, NumberToText(c.value)) << c.value;
}

}  // namespace
}  // namespace flange
