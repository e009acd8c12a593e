// Speed of the calculation core: the calculate button's work, the adaptive
// result display and the field reader.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "flange/field_calculation.hpp"
#include "flange/format_result.hpp"
#include "flange/number_reader.hpp"
#include "flange/number_writer.hpp"

namespace {

void BM_CalculateFromFieldTexts_WorkedFlange(benchmark::State& state) {
  const std::array<std::string_view, flange::kInputFieldCount> texts = {
      "220", "158", "110", "18", "8", "132", "115", "20", "3", "52", "12", "7.85"};
  for (auto _ : state) {
    benchmark::DoNotOptimize(flange::CalculateFromFieldTexts(texts));
  }
}
BENCHMARK(BM_CalculateFromFieldTexts_WorkedFlange);

// Values spread evenly in magnitude from 1e-9 to 1e12, both signs: every
// branch of the adaptive display.
std::vector<double> SpreadValues() {
  std::mt19937_64 random(42);
  std::uniform_real_distribution<double> exponent(-9, 12);
  std::vector<double> values(4096);
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i] = std::pow(10.0, exponent(random)) * (i % 5 == 0 ? -1 : 1);
  }
  return values;
}

void BM_FormatResult_Adaptive(benchmark::State& state) {
  const std::vector<double> values = SpreadValues();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(flange::FormatResult(flange::kAdaptiveMode, values[i]));
    i = (i + 1) % values.size();
  }
}
BENCHMARK(BM_FormatResult_Adaptive);

void BM_ParseLeadingNumber(benchmark::State& state) {
  const std::array<std::string_view, 6> texts = {"220",    "7.85",   "604.75107771295",
                                                 "１００", "12.5mm", "1.5E-3"};
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(flange::ParseLeadingNumber(texts[i]));
    i = (i + 1) % texts.size();
  }
}
BENCHMARK(BM_ParseLeadingNumber);

void BM_NumberToText(benchmark::State& state) {
  const std::vector<double> values = SpreadValues();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(flange::NumberToText(values[i]));
    i = (i + 1) % values.size();
  }
}
BENCHMARK(BM_NumberToText);

}  // namespace

BENCHMARK_MAIN();
