// The volume model, the material list and the whole road from the twelve
// typed texts to the two shown results, also under a decimal-comma locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "flange/field_calculation.hpp"
#include "flange/flange_model.hpp"
#include "flange/format_result.hpp"
#include "flange/number_reader.hpp"

namespace flange {
namespace {

using Texts = std::array<std::string_view, kInputFieldCount>;
constexpr Texts kWorkedFlange = {"220", "158", "110", "18", "8",  "132",
                                 "115", "20",  "3",   "52", "12", "7.85"};

// The totals worked out independently from the piece formulas (same order of
// operations, circle constant 3.1415926).
TEST(ComputeFlange, Totals) {
  struct Case {
    FlangeDimensions dims;  // D d B dk Nb N A C f H h gamma
    double volume;
    double weight;
  };
  // The worked flange; 2.5 bolt holes (a real multiplier, never made whole);
  // shorter than f + C + h (a negative straight end, not refused); a bore
  // wider than the plate; no straight end, where exchanging N and A keeps the
  // hub; A = N, a cylindrical hub q4 x N^2 x h; the plate alone (78.5398163...
  // with the double nearest to pi); nothing.
  // clang-format off
  const Case cases[] = {
      {{220, 158, 110, 18, 8, 132, 115, 20, 3, 52, 12, 7.85}, 604.75107771295, 4.74729596005},
      {{220, 158, 110, 18, 2.5, 132, 115, 20, 3, 52, 12, 7.85}, 632.74266777895, 4.96702994206},
      {{220, 158, 110, 18, 8, 132, 115, 20, 3, 20, 12, 7.85}, 576.47674431295, 4.52534244286},
      {{220, 158, 300, 18, 8, 132, 115, 20, 3, 52, 12, 7.85}, -2576.73974830705, -20.2274070242},
      {{220, 158, 110, 18, 8, 132, 115, 20, 3, 35, 12, 7.85}, 589.7303380942, 4.62938315404},
      {{220, 158, 110, 18, 8, 115, 132, 20, 3, 35, 12, 7.85}, 589.7303380942, 4.62938315404},
      {{0, 0, 0, 0, 0, 132, 132, 0, 0, 12, 12, 1}, 164.2173283872, 0.1642173283872},
      {{100, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0, 7.85}, 78.539815, 0.61653754775}, {{}, 0, 0}};
  // clang-format on
  for (const Case& c : cases) {
    const FlangeResult r = ComputeFlange(c.dims);
    EXPECT_NEAR(c.volume, r.V, std::abs(c.volume) * 1e-12) << c.volume;
    EXPECT_NEAR(c.weight, r.Wf, std::abs(c.weight) * 1e-11) << c.weight;
  }
  EXPECT_EQ(7.85, MaterialAtPosition(1)->density);
  EXPECT_EQ(7.93, MaterialAtPosition(2)->density);
  for (int nothing : {-1, 0, 3})
    EXPECT_EQ(nullptr, MaterialAtPosition(nothing)) << nothing;
}

// `base` with the fields numbered 1 to 12 replaced.
Texts With(std::initializer_list<std::pair<int, std::string_view>> fields,
           Texts base = kWorkedFlange) {
  for (const auto& [field, text] : fields)
    base[static_cast<std::size_t>(field - 1)] = text;
  return base;
}

TEST(CalculateFromFieldTexts, ShownResults) {
  // Empty fields; the worked flange; the plate alone; a density that is no
  // number; units, blanks and full-width digits; a negative flange; numbers
  // beyond range (1E200 is finite, its square is not; an infinite height makes
  // bore and straight end cancel to not-a-number); a density too small to hold.
  // clang-format off
  const struct { Texts texts; std::string_view volume, weight; } cases[] = {
      {Texts{}, "0.0", "0.0"}, {kWorkedFlange, "604.75", "4.75"},
      {With({{1, "100"}, {8, "10"}, {12, "7.85"}}, {}), "78.54", "0.6165"},
      {With({{12, "不锈钢"}}), "604.75", "0.0"}, {With({{3, "300"}}), "-2576.74", "-20.23"},
      {With({{1, "220mm"}, {2, "  158  "}, {3, "１１０"}, {12, "7.85 t/m3"}}), "604.75", "4.75"},
      {With({{1, "1E400"}}), "溢出", "溢出"}, {With({{1, "1E200"}}), "溢出", "溢出"},
      {With({{12, "1E400"}}), "604.75", "溢出"}, {With({{12, "1E-400"}}), "604.75", "0.0"},
      {With({{9, "-1E400"}, {10, "1E400"}}), "溢出", "溢出"}};
  // clang-format on
  for (const auto& c : cases) {
    const ResultTexts r = CalculateFromFieldTexts(c.texts);
    EXPECT_EQ(c.volume, r.volume) << c.texts[0] << " " << c.texts[2] << " " << c.texts[11];
    EXPECT_EQ(c.weight, r.weight) << c.texts[0] << " " << c.texts[2] << " " << c.texts[11];
  }
}

// The window's toolkit sets the C locale from the environment, so an engineer
// with a German desktop runs the calculator with a decimal comma. de_DE is
// compiled into a folder of this process where the machine lacks it.
TEST(DecimalCommaLocale, ConversionsIgnoreTheLocale) {
  const std::string dir = "/tmp/flange-test-locale-" + std::to_string(::getpid());
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
    std::filesystem::create_directories(dir);
    if (std::system(("localedef -i de_DE -f UTF-8 " + dir + "/de_DE.UTF-8 2>/dev/null").c_str())) {
    }
    ::setenv("LOCPATH", dir.c_str(), 1);
  }
  ASSERT_TRUE(std::setlocale(LC_ALL, "de_DE.UTF-8")) << "install the 'locales' package";
  std::filesystem::remove_all(dir);  // loaded already
  ASSERT_STREQ(",", std::localeconv()->decimal_point);
  EXPECT_EQ(12.5, ParseLeadingNumber(" 12.5"));  // the blank sends it the general way
  EXPECT_EQ(12.0, ParseLeadingNumber(" 12,5"));  // a comma is no decimal point
  EXPECT_EQ("1.5E+15", NumberToText(1.5e15));
  EXPECT_EQ("1.235E+7", FormatResult(kAdaptiveMode, 12345678));
  EXPECT_EQ("604.75", CalculateFromFieldTexts(kWorkedFlange).volume);
}

}  // namespace
}  // namespace flange
