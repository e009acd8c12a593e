// Any bytes a user could paste into a field: reading never fails, never
// reads past the text, never gives "not a number", and neither text after
// the number nor a blank before it changes it (the blank also sends plain
// numbers through the general reader instead of the short one).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "flange/number_reader.hpp"
#include "result_alphabet.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = flange::ParseLeadingNumber(text);
  flange::fuzz::Require(!std::isnan(value));

  std::string withUnitText(text);
  withUnitText += 'x';
  const double withUnit = flange::ParseLeadingNumber(withUnitText);
  flange::fuzz::Require(withUnit == value);

  std::string blanked = " ";
  blanked += text;
  const double afterBlank = flange::ParseLeadingNumber(blanked);
  flange::fuzz::Require(afterBlank == value || (std::isnan(afterBlank) && std::isnan(value)));
  return 0;
}
