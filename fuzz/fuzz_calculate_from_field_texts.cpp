// Arbitrary bytes split into the twelve field texts (at newlines): the
// calculation never fails and both results are display texts.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "flange/field_calculation.hpp"
#include "result_alphabet.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::array<std::string_view, flange::kInputFieldCount> texts{};
  for (std::string_view& text : texts) {
    const std::size_t newline = rest.find('\n');
    text = rest.substr(0, newline);
    if (newline == std::string_view::npos) break;
    rest.remove_prefix(newline + 1);
  }
  const flange::ResultTexts shown = flange::CalculateFromFieldTexts(texts);
  flange::fuzz::Require(flange::fuzz::IsDisplayText(shown.volume));
  flange::fuzz::Require(flange::fuzz::IsDisplayText(shown.weight));
  return 0;
}
