#include "flange/number_reader.hpp"

#include <cstdint>
#include <string>
#include <system_error>

#include <fast_float/fast_float.h>

#include "decimal_digits.hpp"

namespace flange {

namespace {

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

// Characters that can continue a number: digits, point, exponent letter and
// signs.
bool IsNumberChar(char c) {
  return IsDigit(c) || c == '.' || c == 'E' || c == 'e' || c == '+' || c == '-';
}

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
      if (++count > kSignificantDigits) return false;  // 15 digits stay below 2^53
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
  value = static_cast<double>(digits) / static_cast<double>(kPowersOfTen[fractionDigits]);
  return true;
}

// Any other text: blanks skipped, then a sign, then the longest number that
// the characters up to the first one that cannot continue a number hold.
// fast_float reads that as from_chars would, correctly rounded, and gives
// +/-infinity beyond the range of a double and 0 below it, whatever the
// locale.
double ReadGeneralNumber(const char* p, const char* end) {
  while (p < end) {
    const auto first = static_cast<unsigned char>(*p);
    if (first > ' ' && first != 0xE3) break;  // the usual case: no blank at all
    const int blank = BlankLength(p, end);
    if (blank == 0) break;
    p += blank;
  }
  if (p == end) return 0.0;

  NumberChar ch = ReadNumberChar(p, end);
  bool negative = false;
  if (ch.ascii == '+' || ch.ascii == '-') {
    negative = ch.ascii == '-';
    p += ch.length;
    if (p == end) return 0.0;
    ch = ReadNumberChar(p, end);
  }
  // A digit or a point must come first: no second sign, no letters (fast_float
  // would read "inf" and "nan").
  if (!IsDigit(ch.ascii) && ch.ascii != '.') return 0.0;

  const char* runEnd = p;
  bool fullWidth = false;
  for (; runEnd < end; runEnd += ch.length) {
    ch = ReadNumberChar(runEnd, end);
    if (!IsNumberChar(ch.ascii)) break;
    fullWidth |= ch.length > 1;
  }
  std::string folded;
  if (fullWidth) {
    for (const char* q = p; q < runEnd; q += ch.length) {
      ch = ReadNumberChar(q, runEnd);
      folded.push_back(ch.ascii);
    }
    p = folded.data();
    runEnd = p + folded.size();
  }
  double value = 0.0;
  if (fast_float::from_chars(p, runEnd, value).ec != std::errc()) return 0.0;  // "." alone
  return negative ? -value : value;
}

}  // namespace

double ParseLeadingNumber(std::string_view text) {
  double value = 0.0;
  if (ReadPlainNumber(text, value)) return value;
  return ReadGeneralNumber(text.data(), text.data() + text.size());
}

}  // namespace flange
