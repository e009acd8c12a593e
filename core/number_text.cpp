#include "number_text.hpp"

#include <charconv>
#include <cmath>
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

NumberChar ReadNumberChar(const char* p, const char* end) {
  const auto c = static_cast<unsigned char>(*p);
  if (c < 0x80) {
    return {static_cast<char>(c), 1};
  }
  // Full-width forms U+FF0B..U+FF45 are EF BC xx / EF BD xx in UTF-8.
  if (c == 0xEF && end - p >= 3) {
    const auto c1 = static_cast<unsigned char>(p[1]);
    const auto c2 = static_cast<unsigned char>(p[2]);
    if (c1 == 0xBC) {
      if (c2 >= 0x90 && c2 <= 0x99)
        return {static_cast<char>('0' + (c2 - 0x90)), 3};  // ０..９
      if (c2 == 0x8E)
        return {'.', 3};  // ．
      if (c2 == 0x8B)
        return {'+', 3};  // ＋
      if (c2 == 0x8D)
        return {'-', 3};  // －
      if (c2 == 0xA5)
        return {'E', 3};  // Ｅ
    } else if (c1 == 0xBD && c2 == 0x85) {
      return {'e', 3};  // ｅ
    }
  }
  return {'\0', 1};
}

// Length of the blank at p, or 0: space, tab, LF, CR, ideographic space.
int BlankLength(const char* p, const char* end) {
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

// The leading number found in a text, as plain ASCII ready for from_chars
// (no leading '+'), and where its first significant digit stands.
class LeadingNumber {
 public:
  explicit LeadingNumber(std::string_view text) { Scan(text.data(), text.data() + text.size()); }

  bool Found() const { return mantissaDigits_ > 0; }
  bool Negative() const { return negative_; }
  std::string_view Ascii() const { return ascii_; }

  // Decimal exponent of the first non-zero digit, saturated; only its sign
  // matters, to tell an overflow from an underflow.
  long long MagnitudeExponent() const {
    const long long position =
        firstNonZeroIntegerPlace_ >= 0 ? firstNonZeroIntegerPlace_ : -1 - fractionZeros_;
    return position + exponent_;
  }

 private:
  void Append(char c) { ascii_.push_back(c); }

  void Scan(const char* p, const char* end) {
    while (p < end) {
      const int blank = BlankLength(p, end);
      if (blank == 0)
        break;
      p += blank;
    }
    if (p == end)
      return;

    NumberChar ch = ReadNumberChar(p, end);
    if (ch.ascii == '+' || ch.ascii == '-') {
      negative_ = ch.ascii == '-';
      if (negative_)
        Append('-');
      p += ch.length;
    }

    bool seenPoint = false;
    bool seenNonZero = false;
    long long integerDigitsAfterFirst = -1;  // integer digits from the first non-zero one
    for (; p < end; p += ch.length) {
      ch = ReadNumberChar(p, end);
      if (IsDigit(ch.ascii)) {
        ++mantissaDigits_;
        if (!seenPoint) {
          if (seenNonZero || ch.ascii != '0') {
            seenNonZero = true;
            if (integerDigitsAfterFirst < kSaturation)
              ++integerDigitsAfterFirst;
          }
        } else if (!seenNonZero) {
          if (ch.ascii == '0') {
            if (fractionZeros_ < kSaturation)
              ++fractionZeros_;
          } else {
            seenNonZero = true;
          }
        }
        Append(ch.ascii);
      } else if (ch.ascii == '.' && !seenPoint) {
        seenPoint = true;
        Append('.');
      } else {
        break;
      }
    }
    firstNonZeroIntegerPlace_ = integerDigitsAfterFirst;
    if (mantissaDigits_ == 0 || p == end)
      return;

    // An exponent counts only when at least one digit follows the letter.
    ch = ReadNumberChar(p, end);
    if (ch.ascii != 'E' && ch.ascii != 'e')
      return;
    const char* q = p + ch.length;
    bool negativeExponent = false;
    if (q < end) {
      const NumberChar sign = ReadNumberChar(q, end);
      if (sign.ascii == '+' || sign.ascii == '-') {
        negativeExponent = sign.ascii == '-';
        q += sign.length;
      }
    }
    if (q >= end || !IsDigit(ReadNumberChar(q, end).ascii))
      return;
    Append('e');
    if (negativeExponent)
      Append('-');
    long long exponent = 0;
    for (; q < end; q += ch.length) {
      ch = ReadNumberChar(q, end);
      if (!IsDigit(ch.ascii))
        break;
      if (exponent < kSaturation)
        exponent = exponent * 10 + (ch.ascii - '0');
      Append(ch.ascii);
    }
    exponent_ = negativeExponent ? -exponent : exponent;
  }

  static constexpr long long kSaturation = 1'000'000'000'000LL;

  std::string ascii_;
  bool negative_ = false;
  long long mantissaDigits_ = 0;
  long long firstNonZeroIntegerPlace_ = -1;  // -1: no non-zero integer digit
  long long fractionZeros_ = 0;              // zeros between the point and the first non-zero digit
  long long exponent_ = 0;
};

// ---- Writing ---------------------------------------------------------------

void AppendExponent(std::string& out, int exponent) {
  out.push_back('E');
  out.push_back(exponent < 0 ? '-' : '+');
  const int magnitude = exponent < 0 ? -exponent : exponent;
  if (magnitude < 10)
    out.push_back('0');
  char digits[8];
  const auto written = std::to_chars(digits, digits + sizeof digits, magnitude);
  out.append(digits, written.ptr);
}

}  // namespace

double ParseLeadingNumber(std::string_view text) {
  const LeadingNumber number(text);
  if (!number.Found())
    return 0.0;
  const std::string_view ascii = number.Ascii();
  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  (void)ptr;
  if (ec == std::errc::result_out_of_range) {
    // Beyond the range of a double: infinity for an overflow, zero for an
    // underflow, with the number's sign.
    const double magnitude =
        number.MagnitudeExponent() >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return number.Negative() ? -magnitude : magnitude;
  }
  return value;
}

std::string NumberToText(double value) {
  if (!std::isfinite(value))
    return std::string(kOverflowText);
  const DecimalForm form = ToDecimalForm(value);
  if (form.IsZero())
    return "0";

  std::string out;
  if (form.negative)
    out.push_back('-');
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
