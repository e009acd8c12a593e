#include "flange/number_writer.hpp"

#include <cmath>

#include "decimal_digits.hpp"

namespace flange {

std::string NumberToText(double value) {
  if (!std::isfinite(value)) return std::string(kOverflowText);
  const DecimalDigits form = ToDecimalDigits(value);
  if (form.IsZero()) return "0";

  TextOut out;
  if (form.negative) out.Put('-');
  const char* const digits = form.digits;
  const int e = form.exponent;
  if (e < -4 || e >= kSignificantDigits) {
    out.Put(digits[0]);
    if (form.count > 1) {
      out.Put('.');
      out.Put(digits + 1, digits + form.count);
    }
    out.PutExponent(e, true, 2);
  } else if (e < 0) {
    out.Put('0');
    out.Put('.');
    for (int place = -1; place > e; --place)
      out.Put('0');
    out.Put(digits, digits + form.count);
  } else {
    // Whole digits as far as the units place, then the fraction if any.
    for (int place = e; place >= 0; --place)
      out.Put(form.At(place));
    if (form.count > e + 1) {
      out.Put('.');
      out.Put(digits + e + 1, digits + form.count);
    }
  }
  return out.Text();
}

}  // namespace flange
