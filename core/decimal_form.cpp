#include "decimal_form.hpp"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace flange {

namespace {

// Reads to_chars' scientific output "-d.dddde+XX": sign and exponent into the
// form, the digits into `all`; returns how many digits there are.
int ReadScientific(const char* text, const char* end, DecimalForm& form, char (&all)[20]) {
  const char* p = text;
  if (*p == '-') {
    form.negative = true;
    ++p;
  }
  const char* e = end - 3;  // the exponent has two or three digits
  while (*e != 'e')
    --e;
  all[0] = *p;
  int count = 1;
  if (e - p > 1) {  // digits after the point
    std::memcpy(all + 1, p + 2, static_cast<std::size_t>(e - p - 2));
    count += static_cast<int>(e - p - 2);
  }
  int exponent = 0;
  for (const char* q = e + 2; q < end; ++q)
    exponent = exponent * 10 + (*q - '0');
  form.exponent = e[1] == '-' ? -exponent : exponent;
  return count;
}

void Keep(DecimalForm& form, const char* digits, int count) {
  while (count > 1 && digits[count - 1] == '0')
    --count;
  for (int i = 0; i < count; ++i)
    form.digits[i] = digits[i];
  form.count = count;
}

// The value rounded to 15 significant digits from its exact binary value.
DecimalForm ExactForm(double value) {
  DecimalForm form;
  char text[40];
  const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific,
                                     kSignificantDigits - 1);
  char digits[20];
  ReadScientific(text, written.ptr, form, digits);
  Keep(form, digits, kSignificantDigits);
  return form;
}

}  // namespace

DecimalForm ToDecimalForm(double value) {
  DecimalForm form;
  if (value == 0) return form;
  if (std::abs(value) < std::numeric_limits<double>::min()) return ExactForm(value);

  // The shortest text that reads back as the value is found fast. When it has
  // 15 digits or fewer it is the 15-digit rounding of the value itself (for a
  // normal double two 15-digit decimals lie more than four units of its last
  // place apart, and the shortest text lies within half a unit; subnormals
  // have too few bits for that and take the exact way). When it is longer,
  // rounding it to 15 digits rounds the value the same way, because no
  // rounding midpoint can lie between the value and its shortest text (that
  // midpoint would be a shorter or nearer text), unless the text is itself
  // the midpoint: then the exact digits decide.
  char text[40];
  auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
  char digits[20];
  const int count = ReadScientific(text, written.ptr, form, digits);
  if (count <= kSignificantDigits) {
    Keep(form, digits, count);
    return form;
  }
  const bool midpoint = count == kSignificantDigits + 1 && digits[kSignificantDigits] == '5';
  if (midpoint) return ExactForm(value);
  // Round half up on the first dropped digit, carrying as far as needed.
  if (digits[kSignificantDigits] >= '5') {
    int i = kSignificantDigits - 1;
    while (i >= 0 && digits[i] == '9')
      digits[i--] = '0';
    if (i >= 0) {
      ++digits[i];
    } else {
      digits[0] = '1';  // 9.99...9 became 10.00...0
      ++form.exponent;
    }
  }
  Keep(form, digits, kSignificantDigits);
  return form;
}

}  // namespace flange
