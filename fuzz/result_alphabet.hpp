// What a shown result may look like: a number in the display alphabet, or the
// overflow text. Anything else on screen would be a fault.
#pragma once

#include <cstdlib>
#include <string_view>

#include "flange/number_writer.hpp"

namespace flange::fuzz {

inline bool IsDisplayText(std::string_view text) {
  if (text == kOverflowText) return true;
  if (text.empty()) return false;
  return text.find_first_not_of("0123456789.E+-") == std::string_view::npos;
}

inline void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace flange::fuzz
