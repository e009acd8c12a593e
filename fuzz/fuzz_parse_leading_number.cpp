// Any bytes a user could paste into a field: reading never fails, never
// reads past the text, never gives "not a number", and text after the number
// never changes it.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "number_text.hpp"
#include "result_alphabet.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = flange::ParseLeadingNumber(text);
  flange::fuzz::Require(!std::isnan(value));

  const double withUnit = flange::ParseLeadingNumber(std::string(text) + "x");
  flange::fuzz::Require(withUnit == value);
  return 0;
}
