// Writing numbers: the 15-digit decimal form every text is made from, and the
// general text form.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "decimal_digits.hpp"
#include "flange/number_writer.hpp"

namespace flange {
namespace {

// The form as "-d.dddddddddddddde+XX", comparable with to_chars.
std::string Spelled(const DecimalDigits& form) {
  std::string text = form.negative ? "-" : "";
  for (int i = 0; i < kSignificantDigits; ++i) {
    text += i < form.count ? form.digits[i] : '0';
    if (i == 0) text += '.';
  }
  const int e = std::abs(form.exponent);
  text += form.exponent < 0 ? "e-" : "e+";
  if (e < 10) text += '0';
  text += std::to_string(e);
  return text;
}

// The independent reference: the standard library's correctly rounded form.
std::string Reference(double v) {
  char text[40];
  const auto written =
      std::to_chars(text, text + sizeof text, v, std::chars_format::scientific, 14);
  return std::string(text, written.ptr);
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
      if (!std::isfinite(v)) continue;
    }
    if (v == 0) continue;  // zero has no digits to compare
    if (i % 3 == 0) v = -v;
    ASSERT_EQ(Reference(v), Spelled(ToDecimalDigits(v))) << v;
  }
  // Exact ties, and the edges of the integer shortcut for 1e-4 to 1e15.
  for (double v : {1000000000000005.0, 1000000000000015.0, 999999999999999.5, 0.5, 1e-4,
                   std::nextafter(1e-4, 0.0), std::nextafter(1e-4, 1.0), 1e15,
                   std::nextafter(1e15, 0.0), 9999999.0, 0.00048828125, 5e-324, 1.7e308}) {
    EXPECT_EQ(Reference(v), Spelled(ToDecimalDigits(v))) << v;
  }
  EXPECT_TRUE(ToDecimalDigits(-0.0).IsZero());
}

TEST(NumberToText, ShortestTextWithFifteenDigits) {
  struct Case {
    double value;
    std::string_view text;
  };
  // Fixed point from 0.0001 to 15 digits, scientific outside; 999999999999999.9
  // rounds up into the next decade.
  // clang-format off
  const Case cases[] = {
      {7.85, "7.85"}, {7.93, "7.93"}, {0.0, "0"}, {-0.0, "0"}, {-2.5, "-2.5"}, {0.1 + 0.2, "0.3"},
      {604.75107771295, "604.75107771295"}, {123456789012345.0, "123456789012345"},
      {1200.0, "1200"}, {1.0 / 3.0, "0.333333333333333"}, {0.0001, "0.0001"},
      {0.00001, "1E-05"}, {1.5e15, "1.5E+15"}, {999999999999999.9, "1E+15"}, {1e300, "1E+300"},
      {-1.23e-100, "-1.23E-100"}, {std::numeric_limits<double>::infinity(), kOverflowText},
      {std::nan(""), kOverflowText}};
  // clang-format on
  for (const Case& c : cases)
    EXPECT_EQ(c.text, NumberToText(c.value)) << c.value;
}

}  // namespace
}  // namespace flange
