// The small numeric mask language of the result display: "0" always prints a
// digit, "#" prints a digit only when significant (no leading zeros, no
// trailing fraction zeros), "." is always printed, and "E-"/"E+" followed by
// placeholders selects scientific notation ("E-" signs only negative
// exponents, "E+" always signs).
#pragma once

#include <string>
#include <string_view>

#include "decimal_digits.hpp"

namespace flange {

class NumericMask {
 public:
  // Masks are product literals, so they are taken apart at compile time.
  constexpr explicit NumericMask(std::string_view text) {
    std::string_view number = text;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
      if ((text[i] == 'E' || text[i] == 'e') && (text[i + 1] == '+' || text[i + 1] == '-')) {
        scientific_ = true;
        alwaysSignExponent_ = text[i + 1] == '+';
        exponentPart_ = text.substr(i + 2);
        number = text.substr(0, i);
        break;
      }
    }
    const std::size_t point = number.find('.');
    integerPart_ = number.substr(0, point);
    if (point != std::string_view::npos) {
      hasPoint_ = true;
      fractionPart_ = number.substr(point + 1);
    }
    minimumIntegerDigits_ = MinimumDigits(integerPart_);
    minimumExponentDigits_ = MinimumDigits(exponentPart_);
  }

  // Formats a finite value's 15-significant-digit form, rounded half away
  // from zero at the mask's last placeholder. A negative value gets "-".
  std::string Format(const DecimalDigits& value) const;

 private:
  std::string_view integerPart_;
  bool hasPoint_ = false;
  std::string_view fractionPart_;
  bool scientific_ = false;
  bool alwaysSignExponent_ = false;
  std::string_view exponentPart_;
  int minimumIntegerDigits_ = 0;
  int minimumExponentDigits_ = 0;

  // How many digits a run of placeholders prints at least: every place from
  // the first "0" onwards.
  static constexpr int MinimumDigits(std::string_view placeholders) {
    const std::size_t firstZero = placeholders.find('0');
    return firstZero == std::string_view::npos ? 0
                                               : static_cast<int>(placeholders.size() - firstZero);
  }

  void FormatFixed(TextOut& out, const DecimalDigits& value) const;
  void FormatScientific(TextOut& out, const DecimalDigits& value) const;
};

}  // namespace flange
