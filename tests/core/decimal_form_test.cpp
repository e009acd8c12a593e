// The 15-digit decimal form every display text is made from. Ordinary
// magnitudes take an integer shortcut; it must give exactly the digits of the
// correctly rounded conversion.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

#include "decimal_form.hpp"

namespace flange {
namespace {

// The form as "-d.dddddddddddddde+XX", comparable with to_chars.
std::string Spelled(const DecimalForm& form) {
  std::string digits(form.digits, form.digits + form.count);
  digits.resize(kSignificantDigits, '0');
  std::string text = form.negative ? "-" : "";
  text += digits.substr(0, 1) + "." + digits.substr(1) + "e";
  const int e = form.exponent;
  text += e < 0 ? "-" : "+";
  if (std::abs(e) < 10) text += "0";
  text += std::to_string(std::abs(e));
  return text;
}

std::string Reference(double v) {
  char text[40];
  const auto written =
      std::to_chars(text, text + sizeof text, v, std::chars_format::scientific, 14);
  return std::string(text, written.ptr);
}

TEST(DecimalForm, AgreesWithTheCorrectlyRoundedConversion) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> exponent(-6, 17);
  for (int i = 0; i < 300000; ++i) {
    double v = std::pow(10.0, exponent(random));
    if (i % 2) {  // neighbours of round decimal numbers, where rounding is closest to a tie
      v = std::nextafter(std::round(v * 1000) / 1000, i % 4 == 1 ? 0.0 : 1e300);
    }
    if (v == 0) continue;  // zero has no digits to compare
    if (i % 3 == 0) v = -v;
    ASSERT_EQ(Reference(v), Spelled(ToDecimalForm(v))) << v;
  }
}

TEST(DecimalForm, ExactTiesAndEdgesOfTheShortcut) {
  for (double v : {1000000000000005.0, 1000000000000015.0, 999999999999999.5, 0.5, 1e-4,
                   std::nextafter(1e-4, 0.0), std::nextafter(1e-4, 1.0), 1e15,
                   std::nextafter(1e15, 0.0), 9999999.0, 0.00048828125, 5e-324, 1.7e308}) {
    EXPECT_EQ(Reference(v), Spelled(ToDecimalForm(v))) << v;
  }
  EXPECT_TRUE(ToDecimalForm(0.0).IsZero());
  EXPECT_TRUE(ToDecimalForm(-0.0).IsZero());
}

}  // namespace
}  // namespace flange
