// The display text of results: the adaptive mode the window shows, the mask
// language under it, and the two other modes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "format_result.hpp"
#include "number_text.hpp"
#include "numeric_mask.hpp"

namespace flange {
namespace {

std::string Adaptive(double v) {
  return FormatResult(kAdaptiveMode, v);
}

TEST(AdaptiveDisplay, EveryMagnitudeBranch) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {0, "0.0"},
      {1, "1.0"},
      {123, "123.0"},
      {123.456, "123.46"},
      {123.5, "123.5"},
      {-123, "-123.0"},
      {9999998.994, "9999998.99"},
      {9999998.996, "9999999.0"},
      {9999999, "1.0E+7"},
      {12345678, "1.235E+7"},
      {20000000, "2.0E+7"},
      {0.5, "0.5"},
      {0.123456, "0.1235"},
      {0.00001, "0."},
      {0.0000015, "1.5E-6"},
      {0.000002, "2.E-6"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.text, Adaptive(c.value)) << c.value;
}

TEST(AdaptiveDisplay, ThresholdsLookAtTheValueAsItsTextReadsBack) {
  // Just below 1, but 1 in fifteen digits: shown as a whole number.
  EXPECT_EQ("1.0", Adaptive(std::nextafter(1.0, 0.0)));
  EXPECT_EQ("1.0", Adaptive(0.9999999999999999));
  EXPECT_EQ("1.", Adaptive(0.99999999999999));  // still below 1: "0.####" rounds up
  EXPECT_EQ("1.E-5", Adaptive(0.00000999999999999));
  EXPECT_EQ("0.", Adaptive(std::nextafter(0.00001, 0.0)));        // reads back as 1E-05
  EXPECT_EQ("1.0E+7", Adaptive(std::nextafter(9999999.0, 0.0)));  // reads back as 9999999
  EXPECT_EQ("9999999.0", Adaptive(9999998.99999999));
  EXPECT_EQ("-1.0E+7", Adaptive(-9999999));
  EXPECT_EQ("-0.5", Adaptive(-0.5));
  EXPECT_EQ("-2.E-6", Adaptive(-0.000002));
  EXPECT_EQ("0.0", Adaptive(-0.0));
}

TEST(AdaptiveDisplay, ExtremeMagnitudes) {
  EXPECT_EQ("1.798E+308", Adaptive(std::numeric_limits<double>::max()));
  EXPECT_EQ("4.941E-324", Adaptive(std::numeric_limits<double>::denorm_min()));
  EXPECT_EQ("1.0E+100", Adaptive(1e100));
  EXPECT_EQ("9.999E+99", Adaptive(9.999e99));
  EXPECT_EQ("1.0E+100", Adaptive(9.9999e99));  // mantissa carries into the exponent
}

TEST(AdaptiveDisplay, NonFiniteResultsShowOverflow) {
  EXPECT_EQ("溢出", Adaptive(std::numeric_limits<double>::infinity()));
  EXPECT_EQ("溢出", Adaptive(-std::numeric_limits<double>::infinity()));
  EXPECT_EQ("溢出", Adaptive(std::nan("")));
  EXPECT_EQ("溢出", FormatResult(kIntegerPartMode, std::nan("")));
  EXPECT_EQ("溢出", FormatResult(7, std::numeric_limits<double>::infinity()));
}

TEST(NumericMask, RoundsTheFifteenDigitFormHalfAwayFromZero) {
  EXPECT_EQ("2.68", FormatWithMask(2.675, "#######.##"));  // the double is 2.67499999...
  EXPECT_EQ("-2.68", FormatWithMask(-2.675, "#######.##"));
  EXPECT_EQ("0.0001", FormatWithMask(0.00012345, "0.####"));
  EXPECT_EQ("0.0002", FormatWithMask(0.00015, "0.####"));
  EXPECT_EQ("1.", FormatWithMask(0.99995, "0.####"));
  EXPECT_EQ("10.", FormatWithMask(9.995, "#######.##"));
  EXPECT_EQ("1.E+1", FormatWithMask(9.9996, "#.###E+##"));
}

TEST(NumericMask, PlaceholdersAndPoint) {
  EXPECT_EQ("0.0", FormatWithMask(0.0, "0.0"));
  EXPECT_EQ("0.", FormatWithMask(0.0, "0.####"));
  EXPECT_EQ(".5", FormatWithMask(0.5, "#######.##"));  // "#" prints no leading zero
  EXPECT_EQ("123.", FormatWithMask(123.0, "#######."));
  EXPECT_EQ("123.0", FormatWithMask(123.0, "#######.0"));
  EXPECT_EQ("123.1", FormatWithMask(123.1, "#######.##"));
  EXPECT_EQ("123456789.", FormatWithMask(123456789.0, "#######."));  // more digits than places
  EXPECT_EQ("1.5", FormatWithMask(1.5, "0.0"));
  EXPECT_EQ("0.1", FormatWithMask(0.05, "0.0"));
}

TEST(NumericMask, ScientificMasks) {
  EXPECT_EQ("1.235E+7", FormatWithMask(12345678.0, "#.###E+##"));
  EXPECT_EQ("1.E+7", FormatWithMask(12345678.0, "#.E+##"));
  EXPECT_EQ("1.2E+7", FormatWithMask(12345678.0, "#.0E+##"));
  EXPECT_EQ("1.5E-6", FormatWithMask(0.0000015, "#.###E-##"));
  EXPECT_EQ("1.5E6", FormatWithMask(1500000.0, "#.###E-##"));  // "E-" signs only negatives
  EXPECT_EQ("1.5E+123", FormatWithMask(1.5e123, "#.###E+##"));
  EXPECT_EQ("-2.5E-300", FormatWithMask(-2.5e-300, "#.###E-##"));
}

TEST(OtherModes, IntegerPartAndWholeNumber) {
  EXPECT_EQ("3", FormatResult(kIntegerPartMode, 3.99));
  EXPECT_EQ("-4", FormatResult(kIntegerPartMode, -3.5));
  EXPECT_EQ("1E+20", FormatResult(kIntegerPartMode, 1e20));
  EXPECT_EQ("1235", FormatResult(0, 1234.5));
  EXPECT_EQ("605", FormatResult(3, 604.75));
  EXPECT_EQ("-605", FormatResult(-1, -604.75));
  EXPECT_EQ("100000000000000000000", FormatResult(3, 1e20));
}

// The adaptive display step by step as the masks define it: the magnitude
// tests on the value as its text reads back, and each fallback mask tried only
// when the first mask shows no fraction digit.
std::string AdaptiveByDefinition(double v) {
  const double t = ParseLeadingNumber(NumberToText(v));
  if (t == 0) return FormatWithMask(v, "0.0");
  const double a = std::abs(t);
  if (a < 1.0) return a < 1e-5 ? FormatWithMask(v, "#.###E-##") : FormatWithMask(v, "0.####");
  if (a < 9999999.0) {
    const std::string first = FormatWithMask(v, "#######.##");
    return first != FormatWithMask(v, "#######.") ? first : FormatWithMask(v, "#######.0");
  }
  const std::string first = FormatWithMask(v, "#.###E+##");
  return first != FormatWithMask(v, "#.E+##") ? first : FormatWithMask(v, "#.0E+##");
}

TEST(AdaptiveDisplay, AgreesWithTheMaskByMaskDefinition) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> exponent(-12, 14);
  std::uniform_int_distribution<int> places(0, 6);
  for (int i = 0; i < 100000; ++i) {
    double v = std::pow(10.0, exponent(random));
    if (i % 2) v = std::round(v * std::pow(10.0, places(random))) / std::pow(10.0, places(random));
    if (i % 3 == 0) v = -v;
    ASSERT_EQ(AdaptiveByDefinition(v), Adaptive(v)) << v;
  }
  for (double edge : {1.0, 1e-5, 9999999.0, 0.5, 10.0, 999.995, 9.9995e7}) {
    for (double v : {std::nextafter(edge, 0.0), edge, std::nextafter(edge, 2 * edge)}) {
      EXPECT_EQ(AdaptiveByDefinition(v), Adaptive(v)) << v;
    }
  }
}

// Reading a shown result back gives the value to within half a unit of the
// last place shown, after the value's rounding to fifteen digits.
TEST(AdaptiveDisplay, ReadsBackWithinHalfAUnitOfTheLastPlace) {
  std::mt19937_64 random(20261206);
  std::uniform_real_distribution<double> exponent(-300, 300);
  std::uniform_real_distribution<double> mantissa(1, 10);
  int checked = 0;
  for (int i = 0; i < 200000; ++i) {
    double v;
    if (i % 2 == 0) {
      v = mantissa(random) * std::pow(10.0, std::floor(exponent(random)));
    } else {
      const std::uint64_t bits = random();
      std::memcpy(&v, &bits, sizeof v);
      if (!std::isfinite(v) || std::abs(v) > 1e300 || std::abs(v) < 1e-300) continue;
    }
    if (i % 3 == 0) v = -v;
    const std::string shown = Adaptive(v);
    ASSERT_EQ(std::string::npos, shown.find_first_not_of("0123456789.E+-")) << shown;

    // The place of the last digit shown.
    const std::size_t e = shown.find('E');
    const std::string mantissaText = shown.substr(0, e);
    const std::size_t point = mantissaText.find('.');
    const int fractionDigits = static_cast<int>(mantissaText.size() - point - 1);
    int lastPlace = -fractionDigits;
    if (e != std::string::npos)
      lastPlace += static_cast<int>(ParseLeadingNumber(shown.substr(e + 1)));

    const long double rounded = ParseLeadingNumber(NumberToText(v));
    const long double back = ParseLeadingNumber(shown);
    const long double halfUnit = 0.5L * std::pow(10.0L, lastPlace);
    const long double slack = 4 * std::numeric_limits<double>::epsilon() * std::abs(rounded);
    ASSERT_LE(std::abs(back - rounded), halfUnit + slack) << v << " shown as " << shown;
    ++checked;
  }
  EXPECT_GT(checked, 150000);
}

}  // namespace
}  // namespace flange
