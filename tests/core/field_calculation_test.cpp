// The whole road from the twelve typed texts to the two shown results.
#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "field_calculation.hpp"

namespace flange {
namespace {

using Texts = std::array<std::string_view, kInputFieldCount>;

constexpr Texts kWorkedFlange = {"220", "158", "110", "18", "8",  "132",
                                 "115", "20",  "3",   "52", "12", "7.85"};

TEST(CalculateFromFieldTexts, EmptyFieldsGiveZeroResults) {
  const ResultTexts r = CalculateFromFieldTexts(Texts{});
  EXPECT_EQ("0.0", r.volume);
  EXPECT_EQ("0.0", r.weight);
}

TEST(CalculateFromFieldTexts, WorkedFlange) {
  const ResultTexts r = CalculateFromFieldTexts(kWorkedFlange);
  EXPECT_EQ("604.75", r.volume);
  EXPECT_EQ("4.75", r.weight);
}

TEST(CalculateFromFieldTexts, PlateOnlyWeightBelowOneKilogram) {
  Texts t{};
  t[0] = "100";
  t[7] = "10";
  t[11] = "7.85";
  const ResultTexts r = CalculateFromFieldTexts(t);
  EXPECT_EQ("78.54", r.volume);
  EXPECT_EQ("0.6165", r.weight);
}

TEST(CalculateFromFieldTexts, NonNumericDensityZeroesOnlyTheWeight) {
  Texts t = kWorkedFlange;
  t[11] = "不锈钢";
  const ResultTexts r = CalculateFromFieldTexts(t);
  EXPECT_EQ("604.75", r.volume);
  EXPECT_EQ("0.0", r.weight);
}

TEST(CalculateFromFieldTexts, FieldsAreReadAsTyped) {
  Texts t = kWorkedFlange;
  t[0] = "220mm";
  t[1] = "  158  ";
  t[2] = "１１０";  // typed with a Chinese input method
  t[11] = "7.85 t/m3";
  const ResultTexts r = CalculateFromFieldTexts(t);
  EXPECT_EQ("604.75", r.volume);
  EXPECT_EQ("4.75", r.weight);
}

TEST(CalculateFromFieldTexts, NegativeResultsAreShownNotRefused) {
  Texts t = kWorkedFlange;
  t[2] = "300";  // a bore wider than the plate
  const ResultTexts r = CalculateFromFieldTexts(t);
  EXPECT_EQ('-', r.volume.front());
  EXPECT_EQ('-', r.weight.front());
}

TEST(CalculateFromFieldTexts, NumbersBeyondRangeShowOverflow) {
  Texts t = kWorkedFlange;
  t[0] = "1E400";
  ResultTexts r = CalculateFromFieldTexts(t);
  EXPECT_EQ("溢出", r.volume);
  EXPECT_EQ("溢出", r.weight);

  t = kWorkedFlange;
  t[0] = "1E200";  // finite, but its square is not
  r = CalculateFromFieldTexts(t);
  EXPECT_EQ("溢出", r.volume);

  t = kWorkedFlange;
  t[11] = "1E400";  // only the weight overflows
  r = CalculateFromFieldTexts(t);
  EXPECT_EQ("604.75", r.volume);
  EXPECT_EQ("溢出", r.weight);

  t = kWorkedFlange;
  t[9] = "1E400";  // infinite height: bore and straight end cancel to NaN
  t[8] = "-1E400";
  r = CalculateFromFieldTexts(t);
  EXPECT_EQ("溢出", r.volume);
}

TEST(CalculateFromFieldTexts, UnderflowReadsAsZero) {
  Texts t = kWorkedFlange;
  t[11] = "1E-400";
  EXPECT_EQ("0.0", CalculateFromFieldTexts(t).weight);
}

}  // namespace
}  // namespace flange
