// Any double in any display mode: no crash, and mode 2 shows only the result
// alphabet or the overflow text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "flange/format_result.hpp"
#include "flange/number_reader.hpp"
#include "flange/number_writer.hpp"
#include "result_alphabet.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < sizeof(double)) return 0;
  double value;
  std::memcpy(&value, data, sizeof value);
  const int mode = size > sizeof(double) ? static_cast<std::int8_t>(data[sizeof(double)]) : 2;

  const std::string shown = flange::FormatResult(mode, value);
  if (mode == flange::kAdaptiveMode) {
    flange::fuzz::Require(flange::fuzz::IsDisplayText(shown));
    flange::fuzz::Require((shown == flange::kOverflowText) == !std::isfinite(value));
  }
  // The general text of any finite value reads back to the same text.
  if (std::isfinite(value)) {
    const std::string text = flange::NumberToText(value);
    const double back = flange::ParseLeadingNumber(text);
    flange::fuzz::Require(!std::isfinite(back) || flange::NumberToText(back) == text);
  }
  return 0;
}
