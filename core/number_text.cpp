#include "number_text.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

#include "decimal_form.hpp"

namespace flange {

namespace {

// ---- Reading ---------------------------------------------------------------

// One character of the text as seen by the number reader: the ASCII character
// it stands for (full-width forms from a Chinese input method fold to ASCII),
// or '\0' for anything that cannot be part of a number; and its length in
// bytes.
struct NumberChar {
  char ascii;
  int length;
};

inline NumberChar ReadNumberChar(const char* p, const char* end) {
  const auto c = static_cast<unsigned char>(*p);
  if (c < 0x80) {
    return {static_cast<char>(c), 1};
  }
  // Full-width forms U+FF0B..U+FF45 are EF BC xx / EF BD xx in UTF-8.
  if (c == 0xEF && end - p >= 3) {
    const auto c1 = static_cast<unsigned char>(p[1]);
    const auto c2 = static_cast<unsigned char>(p[2]);
    if (c1 == 0xBC) {
      if (c2 >= 0x90 && c2 <= 0x99) return {static_cast<char>('0' + (c2 - 0x90)), 3};  // ０..９
      if (c2 == 0x8E) return {'.', 3};                                                 // ．
      if (c2 == 0x8B) return {'+', 3};                                                 // ＋
      if (c2 == 0x8D) return {'-', 3};                                                 // －
      if (c2 == 0xA5) return {'E', 3};                                                 // Ｅ
    } else if (c1 == 0xBD && c2 == 0x85) {
      return {'e', 3};  // ｅ
    }
  }
  return {'\0', 1};
}

// Length of the blank at p, or 0: space, tab, LF, CR, ideographic space.
inline int BlankLength(const char* p, const char* end) {
  switch (*p) {
    case ' ':
    case '\t':
    case '\n':
    case '\r':
      return 1;
    default:
      break;
  }
  if (end - p >= 3 && static_cast<unsigned char>(p[0]) == 0xE3 &&
      static_cast<unsigned char>(p[1]) == 0x80 && static_cast<unsigned char>(p[2]) == 0x80) {
    return 3;
  }
  return 0;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Where the leading number of a text lies: [begin, end) holds an optional
// "-", the mantissa and an exponent that has digits (a leading "+" is left
// out, as from_chars wants). `fullWidth` tells that some of its characters
// are full-width forms, so it must be folded to ASCII before reading.
struct NumberSpan {
  const char* begin = nullptr;
  const char* end = nullptr;
  bool negative = false;
  bool fullWidth = false;
  bool found = false;  // at least one mantissa digit
};

NumberSpan FindLeadingNumber(const char* p, const char* end) {
  NumberSpan span;
  while (p < end) {
    const auto first = static_cast<unsigned char>(*p);
    if (first > ' ' && first != 0xE3) break;  // the usual case: no blank at all
    const int blank = BlankLength(p, end);
    if (blank == 0) break;
    p += blank;
  }
  if (p == end) return span;

  NumberChar ch = ReadNumberChar(p, end);
  span.begin = p;
  if (ch.ascii == '+' || ch.ascii == '-') {
    span.negative = ch.ascii == '-';
    span.fullWidth = ch.length > 1;
    p += ch.length;
    if (!span.negative) span.begin = p;
  }

  bool seenPoint = false;
  for (; p < end; p += ch.length) {
    ch = ReadNumberChar(p, end);
    if (IsDigit(ch.ascii)) {
      span.found = true;
    } else if (ch.ascii == '.' && !seenPoint) {
      seenPoint = true;
    } else {
      break;
    }
    span.fullWidth |= ch.length > 1;
  }
  span.end = p;
  if (!span.found || p == end) return span;

  // An exponent counts only when at least one digit follows the letter.
  ch = ReadNumberChar(p, end);
  if (ch.ascii != 'E' && ch.ascii != 'e') return span;
  bool exponentFullWidth = ch.length > 1;
  const char* q = p + ch.length;
  if (q < end) {
    const NumberChar sign = ReadNumberChar(q, end);
    if (sign.ascii == '+' || sign.ascii == '-') {
      exponentFullWidth |= sign.length > 1;
      q += sign.length;
    }
  }
  const char* digitsStart = q;
  for (; q < end; q += ch.length) {
    ch = ReadNumberChar(q, end);
    if (!IsDigit(ch.ascii)) break;
    exponentFullWidth |= ch.length > 1;
  }
  if (q == digitsStart) return span;
  span.end = q;
  span.fullWidth |= exponentFullWidth;
  return span;
}

// The span in plain ASCII.
std::string FoldToAscii(const NumberSpan& span) {
  std::string ascii;
  for (const char* p = span.begin; p < span.end;) {
    const NumberChar ch = ReadNumberChar(p, span.end);
    ascii.push_back(ch.ascii);
    p += ch.length;
  }
  return ascii;
}

// Decimal exponent of the first non-zero digit of an ASCII number, saturated;
// only its sign matters, to tell an overflow from an underflow.
long long MagnitudeExponent(std::string_view ascii) {
  constexpr long long kSaturation = 1'000'000'000'000LL;
  const std::size_t letter = ascii.find_first_of("eE");
  const std::string_view mantissa = ascii.substr(0, letter);

  long long place = 0;
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return 0;  // all zeros: never out of range
  if (first < point) {
    place = static_cast<long long>(std::min<std::size_t>(point - first - 1, kSaturation));
  } else {
    place = -static_cast<long long>(std::min<std::size_t>(first - point, kSaturation));
  }

  long long exponent = 0;
  if (letter != std::string_view::npos) {
    std::string_view digits = ascii.substr(letter + 1);
    const bool negative = digits.front() == '-';
    if (digits.front() == '-' || digits.front() == '+') digits.remove_prefix(1);
    for (const char c : digits) {
      if (exponent < kSaturation) exponent = exponent * 10 + (c - '0');
    }
    if (negative) exponent = -exponent;
  }
  return place + exponent;
}

// ---- Writing ---------------------------------------------------------------

void AppendExponent(std::string& out, int exponent) {
  out.push_back('E');
  out.push_back(exponent < 0 ? '-' : '+');
  const int magnitude = exponent < 0 ? -exponent : exponent;
  if (magnitude < 10) out.push_back('0');
  char digits[8];
  const auto written = std::to_chars(digits, digits + sizeof digits, magnitude);
  out.append(digits, written.ptr);
}

// Exactly representable powers of ten, as far as 15 fraction digits need.
constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// Most fields hold nothing but a plain number: ASCII digits with at most one
// point. Such a text is read here in one short loop; any other text (blanks,
// signs, exponents, units, full-width forms, long or tiny numbers) returns
// false and is left to the general reader.
bool ReadPlainNumber(std::string_view text, double& value) {
  std::uint64_t digits = 0;
  int count = 0;
  int fractionDigits = 0;
  bool seenPoint = false;
  for (const char c : text) {
    const auto digit = static_cast<unsigned>(c - '0');
    if (digit < 10) {
      if (++count > 15) return false;  // 15 digits stay below 2^53
      digits = digits * 10 + digit;
      fractionDigits += seenPoint;
    } else if (c == '.' && !seenPoint) {
      seenPoint = true;
    } else {
      return false;
    }
  }
  if (count == 0) return false;
  // One division of two exact doubles, rounded correctly.
  value = static_cast<double>(digits) / kPowersOfTen[fractionDigits];
  return true;
}

}  // namespace

double ParseLeadingNumber(std::string_view text) {
  double value = 0.0;
  if (ReadPlainNumber(text, value)) return value;

  const NumberSpan span = FindLeadingNumber(text.data(), text.data() + text.size());
  if (!span.found) return 0.0;

  std::string folded;
  std::string_view ascii(span.begin, static_cast<std::size_t>(span.end - span.begin));
  if (span.fullWidth) {
    folded = FoldToAscii(span);
    ascii = folded;
  }
  const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Beyond the range of a double: infinity for an overflow, zero for an
    // underflow, with the number's sign.
    const double magnitude =
        MagnitudeExponent(ascii) >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return span.negative ? -magnitude : magnitude;
  }
  return value;
}

std::string NumberToText(double value) {
  if (!std::isfinite(value)) return std::string(kOverflowText);
  const DecimalForm form = ToDecimalForm(value);
  if (form.IsZero()) return "0";

  std::string out;
  if (form.negative) out.push_back('-');
  const int e = form.exponent;
  if (e < -4 || e >= kSignificantDigits) {
    out.push_back(form.digits[0]);
    if (form.count > 1) {
      out.push_back('.');
      out.append(form.digits + 1, form.digits + form.count);
    }
    AppendExponent(out, e);
  } else if (e < 0) {
    out.append("0.");
    out.append(static_cast<std::size_t>(-e - 1), '0');
    out.append(form.digits, form.digits + form.count);
  } else {
    const int integerDigits = e + 1;
    if (form.count <= integerDigits) {
      out.append(form.digits, form.digits + form.count);
      out.append(static_cast<std::size_t>(integerDigits - form.count), '0');
    } else {
      out.append(form.digits, form.digits + integerDigits);
      out.push_back('.');
      out.append(form.digits + integerDigits, form.digits + form.count);
    }
  }
  return out;
}

}  // namespace flange
