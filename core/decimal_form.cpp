#include "decimal_form.hpp"

#include <charconv>

namespace flange {

DecimalForm ToDecimalForm(double value) {
  DecimalForm form;
  if (value == 0) {
    return form;
  }
  // to_chars rounds the exact binary value correctly to 15 significant digits
  // and never looks at the locale: "-d.ddddddddddddddde+XX".
  char text[40];
  const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific,
                                     kSignificantDigits - 1);
  const char* p = text;
  if (*p == '-') {
    form.negative = true;
    ++p;
  }
  form.digits[form.count++] = *p++;
  ++p;  // the point
  while (*p != 'e') {
    form.digits[form.count++] = *p++;
  }
  while (form.count > 1 && form.digits[form.count - 1] == '0') {
    --form.count;
  }
  ++p;  // the 'e'
  const bool negativeExponent = *p == '-';
  ++p;
  int exponent = 0;
  for (; p < written.ptr; ++p) {
    exponent = exponent * 10 + (*p - '0');
  }
  form.exponent = negativeExponent ? -exponent : exponent;
  return form;
}

}  // namespace flange
