// Reading the number a field's text begins with, and writing a number as the
// general text form.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "number_text.hpp"

namespace flange {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(ParseLeadingNumber, EmptyOrNonNumericTextIsZero) {
  EXPECT_EQ(0.0, ParseLeadingNumber(""));
  EXPECT_EQ(0.0, ParseLeadingNumber("   "));
  EXPECT_EQ(0.0, ParseLeadingNumber("mm100"));
  EXPECT_EQ(0.0, ParseLeadingNumber("."));
  EXPECT_EQ(0.0, ParseLeadingNumber("-"));
  EXPECT_EQ(0.0, ParseLeadingNumber("+-5"));
  EXPECT_EQ(0.0, ParseLeadingNumber("E5"));
  EXPECT_EQ(0.0, ParseLeadingNumber("不锈钢"));
}

TEST(ParseLeadingNumber, ReadsTheLongestLeadingNumber) {
  EXPECT_EQ(12.5, ParseLeadingNumber("12.5mm"));
  EXPECT_EQ(100.0, ParseLeadingNumber("100mm"));
  EXPECT_EQ(1.5, ParseLeadingNumber("1.5.3"));  // at most one point
  EXPECT_EQ(0.5, ParseLeadingNumber(".5"));
  EXPECT_EQ(5.0, ParseLeadingNumber("5."));
  EXPECT_EQ(-0.25, ParseLeadingNumber("-.25"));
  EXPECT_EQ(7.0, ParseLeadingNumber("+7"));
  EXPECT_EQ(1.0, ParseLeadingNumber("1 000"));  // a blank ends the number
  EXPECT_EQ(0.0, ParseLeadingNumber("&H10"));   // no hexadecimal
  EXPECT_EQ(10.0, ParseLeadingNumber("010"));   // no octal
  EXPECT_EQ(7.85, ParseLeadingNumber("7.85"));
}

TEST(ParseLeadingNumber, ExponentNeedsDigits) {
  EXPECT_EQ(1500.0, ParseLeadingNumber("1.5E3"));
  EXPECT_EQ(1500.0, ParseLeadingNumber("1.5e+3"));
  EXPECT_EQ(0.0015, ParseLeadingNumber("1.5E-3mm"));
  EXPECT_EQ(1.0, ParseLeadingNumber("1E"));
  EXPECT_EQ(1.0, ParseLeadingNumber("1E+"));
  EXPECT_EQ(1.0, ParseLeadingNumber("1E-x"));
  EXPECT_EQ(1.0, ParseLeadingNumber("1D2"));  // only E is an exponent letter
  EXPECT_EQ(2.0, ParseLeadingNumber("2E 3"));
}

TEST(ParseLeadingNumber, PlainNumbersReadExactlyAsAnyOtherText) {
  // Plain numbers take a short way; a leading blank sends the same digits
  // the general way. Both must give the correctly rounded double.
  std::mt19937_64 random(3);
  for (int i = 0; i < 100000; ++i) {
    const std::string digits = std::to_string(random() % 1000000000000000ULL);
    const std::size_t point = random() % (digits.size() + 1);
    std::string text = digits.substr(0, point);
    if (point < digits.size()) text.append(".").append(digits, point);
    double expected = 0;
    std::from_chars(text.data(), text.data() + text.size(), expected);
    ASSERT_EQ(expected, ParseLeadingNumber(text)) << text;
    const std::string blanked = ' ' + text;
    ASSERT_EQ(expected, ParseLeadingNumber(blanked)) << text;
  }
  EXPECT_EQ(0.1, ParseLeadingNumber("0.1"));
  EXPECT_EQ(123456789012345.6, ParseLeadingNumber("123456789012345.6"));  // 16 digits
  EXPECT_EQ(0.000000000000000000000001, ParseLeadingNumber("0.000000000000000000000001"));
}

TEST(ParseLeadingNumber, SkipsLeadingBlanks) {
  EXPECT_EQ(12.5, ParseLeadingNumber(" 12.5  "));
  EXPECT_EQ(3.0, ParseLeadingNumber("\t\r\n 3"));
  EXPECT_EQ(4.0, ParseLeadingNumber("\xE3\x80\x80"
                                    "4"));    // ideographic space
  EXPECT_EQ(0.0, ParseLeadingNumber("- 5"));  // blank after the sign ends it
}

TEST(ParseLeadingNumber, ReadsFullWidthFormsAsAscii) {
  EXPECT_EQ(100.0, ParseLeadingNumber("１００"));
  EXPECT_EQ(7.85, ParseLeadingNumber("７．８５"));
  EXPECT_EQ(-150.0, ParseLeadingNumber("－１．５Ｅ２"));
  EXPECT_EQ(0.015, ParseLeadingNumber("＋1.5ｅ－2"));
  EXPECT_EQ(12.0, ParseLeadingNumber("1２ｍｍ"));  // mixed widths, full-width letters end it
  EXPECT_EQ(0.0, ParseLeadingNumber("\xEF\xBC"));  // cut-off UTF-8 sequence
}

TEST(ParseLeadingNumber, BeyondTheRangeOfADouble) {
  EXPECT_EQ(kInf, ParseLeadingNumber("1E400"));
  EXPECT_EQ(-kInf, ParseLeadingNumber("-1e400"));
  EXPECT_EQ(kInf, ParseLeadingNumber("1" + std::string(400, '0')));
  EXPECT_EQ(kInf, ParseLeadingNumber("1000E306"));
  EXPECT_EQ(kInf, ParseLeadingNumber("1E99999999999999999999999999"));
  const double underflow = ParseLeadingNumber("1E-400");
  EXPECT_EQ(0.0, underflow);
  EXPECT_TRUE(std::signbit(ParseLeadingNumber("-1E-400")));
  EXPECT_EQ(0.0, ParseLeadingNumber("0." + std::string(400, '0') + "1"));
  EXPECT_EQ(0.0, ParseLeadingNumber("0E99999"));
  EXPECT_EQ(1e300, ParseLeadingNumber("0." + std::string(99, '0') + "1E400"));
  EXPECT_EQ(5e-324, ParseLeadingNumber("4.94065645841247E-324"));  // subnormal, still readable
}

TEST(NumberToText, ShortestTextWithFifteenDigits) {
  EXPECT_EQ("7.85", NumberToText(7.85));
  EXPECT_EQ("7.93", NumberToText(7.93));
  EXPECT_EQ("0", NumberToText(0.0));
  EXPECT_EQ("0", NumberToText(-0.0));
  EXPECT_EQ("-2.5", NumberToText(-2.5));
  EXPECT_EQ("0.3", NumberToText(0.1 + 0.2));
  EXPECT_EQ("604.75107771295", NumberToText(604.75107771295));
  EXPECT_EQ("123456789012345", NumberToText(123456789012345.0));
  EXPECT_EQ("0.333333333333333", NumberToText(1.0 / 3.0));
  EXPECT_EQ("0.0001", NumberToText(0.0001));
}

TEST(NumberToText, ScientificWhereTheGeneralFormChoosesIt) {
  EXPECT_EQ("1E-05", NumberToText(0.00001));
  EXPECT_EQ("1.5E+15", NumberToText(1.5e15));
  EXPECT_EQ("1E+15", NumberToText(1e15));
  EXPECT_EQ("1E+300", NumberToText(1e300));
  EXPECT_EQ("-1.23E-100", NumberToText(-1.23e-100));
  EXPECT_EQ("1E+15", NumberToText(999999999999999.9));  // rounds up into the next decade
}

TEST(NumberToText, NotANumberShowsOverflow) {
  EXPECT_EQ(kOverflowText, NumberToText(kInf));
  EXPECT_EQ(kOverflowText, NumberToText(std::nan("")));
}

TEST(NumberToText, ReadsBackToTheSameFifteenDigits) {
  for (double v : {7.85, 1e-7, 123.456, 9999999.0, 2.5e-300, 1.5e308}) {
    const double back = ParseLeadingNumber(NumberToText(v));
    EXPECT_EQ(NumberToText(v), NumberToText(back)) << v;
  }
}

}  // namespace
}  // namespace flange
