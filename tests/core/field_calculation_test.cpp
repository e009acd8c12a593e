// The whole road from the twelve typed texts to the two shown results.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "flange/field_calculation.hpp"

namespace flange {
namespace {

using Texts = std::array<std::string_view, kInputFieldCount>;

constexpr Texts kWorkedFlange = {"220", "158", "110", "18", "8",  "132",
                                 "115", "20",  "3",   "52", "12", "7.85"};

// `base` with the fields numbered 1 to 12 replaced.
Texts With(Texts base, std::initializer_list<std::pair<int, std::string_view>> fields) {
  for (const auto& [field, text] : fields)
    base[static_cast<std::size_t>(field - 1)] = text;
  return base;
}

TEST(CalculateFromFieldTexts, ShownResults) {
  struct Case {
    Texts texts;
    std::string_view volume;
    std::string_view weight;
  };
  // Empty fields; the worked flange; the plate alone; a density that is no
  // number; units, blanks and full-width digits; a negative flange; numbers
  // beyond range (1E200 is finite, its square is not; an infinite height makes
  // bore and straight end cancel to not-a-number); a density too small to hold.
  const Case cases[] = {
      {Texts{}, "0.0", "0.0"},
      {kWorkedFlange, "604.75", "4.75"},
      {With({}, {{1, "100"}, {8, "10"}, {12, "7.85"}}), "78.54", "0.6165"},
      {With(kWorkedFlange, {{12, "不锈钢"}}), "604.75", "0.0"},
      {With(kWorkedFlange, {{1, "220mm"}, {2, "  158  "}, {3, "１１０"}, {12, "7.85 t/m3"}}),
       "604.75", "4.75"},
      {With(kWorkedFlange, {{3, "300"}}), "-2576.74", "-20.23"},
      {With(kWorkedFlange, {{1, "1E400"}}), "溢出", "溢出"},
      {With(kWorkedFlange, {{1, "1E200"}}), "溢出", "溢出"},
      {With(kWorkedFlange, {{12, "1E400"}}), "604.75", "溢出"},
      {With(kWorkedFlange, {{9, "-1E400"}, {10, "1E400"}}), "溢出", "溢出"},
      {With(kWorkedFlange, {{12, "1E-400"}}), "604.75", "0.0"}};
  for (const Case& c : cases) {
    const ResultTexts r = CalculateFromFieldTexts(c.texts);
    EXPECT_EQ(c.volume, r.volume) << c.texts[0] << " " << c.texts[2] << " " << c.texts[11];
    EXPECT_EQ(c.weight, r.weight) << c.texts[0] << " " << c.texts[2] << " " << c.texts[11];
  }
}

}  // namespace
}  // namespace flange
