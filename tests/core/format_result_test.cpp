// The display text of results: every branch of the adaptive mode the window
// shows, the mask language under it, and the two other modes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <string_view>

#include "decimal_digits.hpp"
#include "flange/format_result.hpp"
#include "flange/number_reader.hpp"
#include "numeric_mask.hpp"

namespace flange {
namespace {

using Limits = std::numeric_limits<double>;

std::string WithMask(double v, std::string_view mask) {
  return NumericMask(mask).Format(ToDecimalDigits(v));
}

TEST(FormatResult, Displays) {
  // Every branch of the adaptive display (mode 2); its magnitude tests on the
  // value as its 15 digits read back ("0.####" still rounds 0.99999999999999
  // up); a mantissa that carries into the exponent; overflow; the integer
  // part (mode 1) and the whole number (any other mode).
  // clang-format off
  const struct { int mode; double value; std::string_view text; } cases[] = {
      {2, 0, "0.0"}, {2, 1, "1.0"}, {2, 123, "123.0"}, {2, 123.456, "123.46"}, {2, 123.5, "123.5"},
      {2, -123, "-123.0"}, {2, 9999998.994, "9999998.99"}, {2, 9999998.996, "9999999.0"},
      {2, 9999999, "1.0E+7"}, {2, 12345678, "1.235E+7"}, {2, 20000000, "2.0E+7"}, {2, 0.5, "0.5"},
      {2, 0.123456, "0.1235"}, {2, 0.00001, "0."}, {2, 0.0000015, "1.5E-6"}, {2, 0.000002, "2.E-6"},
      {2, std::nextafter(1.0, 0.0), "1.0"}, {2, 0.99999999999999, "1."},
      {2, 0.00000999999999999, "1.E-5"}, {2, std::nextafter(0.00001, 0.0), "0."},
      {2, std::nextafter(9999999.0, 0.0), "1.0E+7"}, {2, 9999998.99999999, "9999999.0"},
      {2, -9999999, "-1.0E+7"}, {2, -0.000002, "-2.E-6"}, {2, -0.0, "0.0"},
      {2, Limits::max(), "1.798E+308"}, {2, Limits::denorm_min(), "4.941E-324"},
      {2, 9.9999e99, "1.0E+100"}, {2, Limits::infinity(), "溢出"}, {2, -Limits::infinity(), "溢出"},
      {2, std::nan(""), "溢出"}, {1, 3.99, "3"}, {1, -3.5, "-4"}, {1, 1e20, "1E+20"},
      {1, std::nan(""), "溢出"}, {0, 1234.5, "1235"}, {-1, -604.75, "-605"},
      {3, 1e20, "100000000000000000000"}, {7, Limits::infinity(), "溢出"}};
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(c.text, FormatResult(c.mode, c.value)) << c.mode << " " << c.value;
}

TEST(NumericMask, RoundsTheFifteenDigitFormAtTheLastPlaceholder) {
  // 2.675 is 2.67499999... as a double but 2.675 in 15 digits; "#" prints no
  // leading zero; "E-" signs only negative exponents.
  // clang-format off
  const struct { std::string_view mask; double value; std::string_view text; } cases[] = {
      {"#######.##", 2.675, "2.68"}, {"#######.##", -2.675, "-2.68"}, {"0.####", 0.00015, "0.0002"},
      {"0.####", 0.99995, "1."}, {"#######.##", 0.5, ".5"}, {"#######.", 0.5, "1."},
      {"#######.", 123456789.0, "123456789."}, {"0.0", 0.05, "0.1"}, {"#.###E+##", 9.9996, "1.E+1"},
      {"#.0E+##", 12345678.0, "1.2E+7"}, {"#.###E-##", 1500000.0, "1.5E6"},
      {"#.###E+##", 1.5e123, "1.5E+123"}, {"#.###E-##", -2.5e-300, "-2.5E-300"},
      {"0.00E+00", 0.0, "0.00E+00"}};
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(c.text, WithMask(c.value, c.mask)) << c.mask << " " << c.value;
}

// The adaptive display step by step as the masks define it: the magnitude
// tests on the value as its text reads back, and each fallback mask tried only
// when the first mask shows no fraction digit.
std::string AdaptiveByDefinition(double v) {
  const double t = ParseLeadingNumber(NumberToText(v));
  if (t == 0) return WithMask(v, "0.0");
  const double a = std::abs(t);
  if (a < 1.0) return a < 1e-5 ? WithMask(v, "#.###E-##") : WithMask(v, "0.####");
  if (a < 9999999.0) {
    const std::string first = WithMask(v, "#######.##");
    return first != WithMask(v, "#######.") ? first : WithMask(v, "#######.0");
  }
  const std::string first = WithMask(v, "#.###E+##");
  return first != WithMask(v, "#.E+##") ? first : WithMask(v, "#.0E+##");
}

TEST(FormatResult, AdaptiveAgreesWithTheMaskByMaskDefinition) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> exponent(-12, 14);
  std::uniform_int_distribution<int> places(0, 6);
  for (int i = 0; i < 100000; ++i) {
    double v = std::pow(10.0, exponent(random));
    if (i % 2) v = std::round(v * std::pow(10.0, places(random))) / std::pow(10.0, places(random));
    if (i % 3 == 0) v = -v;
    ASSERT_EQ(AdaptiveByDefinition(v), FormatResult(kAdaptiveMode, v)) << v;
  }
  for (double edge : {1.0, 1e-5, 9999999.0, 0.5, 10.0, 999.995, 9.9995e7}) {
    for (double v : {std::nextafter(edge, 0.0), edge, std::nextafter(edge, 2 * edge)})
      EXPECT_EQ(AdaptiveByDefinition(v), FormatResult(kAdaptiveMode, v)) << v;
  }
}

// Reading a shown result back gives the value to within half a unit of the
// last place shown, after the value's rounding to fifteen digits.
TEST(FormatResult, AdaptiveReadsBackWithinHalfAUnitOfTheLastPlace) {
  std::mt19937_64 random(20261206);
  std::uniform_real_distribution<double> exponent(-300, 300);
  std::uniform_real_distribution<double> mantissa(1, 10);
  for (int i = 0; i < 200000; ++i) {
    double v = mantissa(random) * std::pow(10.0, std::floor(exponent(random)));
    if (i % 2) {  // any bits at all
      const std::uint64_t bits = random();
      std::memcpy(&v, &bits, sizeof v);
      if (!std::isfinite(v) || std::abs(v) > 1e300 || std::abs(v) < 1e-300) continue;
    }
    if (i % 3 == 0) v = -v;
    const std::string shown = FormatResult(kAdaptiveMode, v);
    ASSERT_EQ(std::string::npos, shown.find_first_not_of("0123456789.E+-")) << shown;

    // The place of the last digit shown.
    const std::size_t e = shown.find('E');
    const std::string mantissaText = shown.substr(0, e);
    int lastPlace = -static_cast<int>(mantissaText.size() - mantissaText.find('.') - 1);
    if (e != std::string::npos)
      lastPlace += static_cast<int>(ParseLeadingNumber(shown.substr(e + 1)));

    const long double rounded = ParseLeadingNumber(NumberToText(v));
    const long double back = ParseLeadingNumber(shown);
    const long double halfUnit = 0.5L * std::pow(10.0L, lastPlace);
    const long double slack = 4 * Limits::epsilon() * std::abs(rounded);
    ASSERT_LE(std::abs(back - rounded), halfUnit + slack) << v << " shown as " << shown;
  }
}

}  // namespace
}  // namespace flange
