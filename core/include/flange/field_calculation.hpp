// The calculate button's work without the window: the twelve input texts in,
// the volume and weight display texts out.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace flange {

inline constexpr int kInputFieldCount = 12;

struct ResultTexts {
  std::string volume;  // for the volume field, cm3
  std::string weight;  // for the weight field, kg
};

// Texts in field order 1 to 12 (D, d, B, dk, Nb, N, A, C, f, H, h, density),
// exactly as the fields hold them (UTF-8). Keeps no state and never fails.
ResultTexts CalculateFromFieldTexts(const std::array<std::string_view, kInputFieldCount>& texts);

}  // namespace flange
