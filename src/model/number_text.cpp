#include "model/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "model/digit_fields.h"

namespace zentrix::model {

namespace {

// Copies [text, text+length) right-aligned in `width` columns (whole when wider).
char* rightAligned(char* out, const char* text, int length, int width) {
  for (int pad = width - length; pad > 0; --pad) *out++ = ' ';
  std::memcpy(out, text, static_cast<std::size_t>(length));
  return out + length;
}

int nonFiniteText(char* text, float value) {
  const char* word = std::isnan(value) ? "NaN" : (value < 0 ? "-Infinity" : "Infinity");
  const int length = static_cast<int>(std::strlen(word));
  std::memcpy(text, word, static_cast<std::size_t>(length));
  return length;
}

// The value rounded to `digits` significant digits: its digits and the decimal
// exponent of the first one (value = d.ddd x 10^exponent).
struct RoundedDigits {
  char digits[32];
  int exponent;
  bool negative;
};

RoundedDigits roundToDigits(float value, int digits) {
  RoundedDigits rounded{};
  char text[64];
  // The float widened to double is exact, so this rounds the exact binary value.
  const auto result = std::to_chars(text, text + sizeof text, static_cast<double>(value),
                                    std::chars_format::scientific, digits - 1);
  const char* p = text;
  rounded.negative = *p == '-';
  if (rounded.negative) ++p;
  int count = 0;
  for (; p < result.ptr && *p != 'e'; ++p)
    if (*p != '.') rounded.digits[count++] = *p;
  ++p;  // 'e'
  std::from_chars(*p == '+' ? p + 1 : p, result.ptr, rounded.exponent);
  return rounded;
}

// The general form without its field padding; `fixed` tells which notation.
int generalText(char* text, float value, int digits, bool& fixed) {
  char* t = text;
  if (!std::isfinite(value)) {
    fixed = false;
    return nonFiniteText(text, value);
  }
  if (value == 0.0f) {
    fixed = true;
    *t++ = '0';
    *t++ = '.';
    for (int i = 1; i < digits; ++i) *t++ = '0';
    return static_cast<int>(t - text);
  }
  const RoundedDigits r = roundToDigits(value, digits);
  if (r.negative) *t++ = '-';
  fixed = r.exponent >= -1 && r.exponent < digits;
  if (fixed) {
    if (r.exponent == -1) {
      *t++ = '0';
      *t++ = '.';
      std::memcpy(t, r.digits, static_cast<std::size_t>(digits));
      t += digits;
    } else {
      const int before = r.exponent + 1;
      std::memcpy(t, r.digits, static_cast<std::size_t>(before));
      t += before;
      *t++ = '.';
      std::memcpy(t, r.digits + before, static_cast<std::size_t>(digits - before));
      t += digits - before;
    }
  } else {
    *t++ = '0';
    *t++ = '.';
    std::memcpy(t, r.digits, static_cast<std::size_t>(digits));
    t += digits;
    *t++ = 'E';
    const int exponent = r.exponent + 1;
    *t++ = exponent < 0 ? '-' : '+';
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude >= 100) *t++ = static_cast<char>('0' + magnitude / 100);
    *t++ = static_cast<char>('0' + magnitude / 10 % 10);
    *t++ = static_cast<char>('0' + magnitude % 10);
  }
  return static_cast<int>(t - text);
}

// The compact number text of an unpadded, left-adjusted text, in place.
int compactInPlace(char* text, int length) {
  int exponentAt = length;
  for (int i = 0; i < length; ++i) {
    const char c = text[i];
    if (c == 'E' || c == 'D' || c == 'e' || c == 'd') {
      exponentAt = i;
      break;
    }
  }
  int mantissaLength = std::min(exponentAt, 19);
  const char* point =
      static_cast<const char*>(std::memchr(text, '.', static_cast<std::size_t>(mantissaLength)));
  if (point == nullptr) return length;
  const int pointAt = static_cast<int>(point - text);
  while (mantissaLength - 1 > pointAt && text[mantissaLength - 1] == '0') --mantissaLength;
  // Blanks inside the mantissa's tail are dropped as trailing blanks would be.
  while (mantissaLength > 0 && text[mantissaLength - 1] == ' ') --mantissaLength;
  int exponentLength = std::min(length - exponentAt, 5);
  while (exponentLength > 0 && text[exponentAt + exponentLength - 1] == ' ') --exponentLength;
  std::memmove(text + mantissaLength, text + exponentAt, static_cast<std::size_t>(exponentLength));
  return mantissaLength + exponentLength;
}

// Two decimal digits per table entry: "00" "01" ... "99".
constexpr auto kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (int i = 0; i < 100; ++i) {
    pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
    pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

constexpr std::array<std::uint64_t, 20> kPowersOfTen = [] {
  std::array<std::uint64_t, 20> powers{};
  std::uint64_t power = 1;
  for (auto& entry : powers) {
    entry = power;
    power *= 10;
  }
  return powers;
}();

int decimalLength(std::uint64_t n) {
  int length = 1;
  while (length < 20 && n >= kPowersOfTen[static_cast<std::size_t>(length)]) ++length;
  return length;
}

// Writes the digits of n so that they end just before `end`, two at a time
// (in 32-bit arithmetic once they fit); returns where they start.
char* writeDigitsBackwards(char* end, std::uint64_t n) {
  while (n > 0xffffffffu) {
    const auto pair = static_cast<std::size_t>(n % 100) * 2;
    n /= 100;
    *--end = kDigitPairs[pair + 1];
    *--end = kDigitPairs[pair];
  }
  auto small = static_cast<std::uint32_t>(n);
  while (small >= 100) {
    const auto pair = static_cast<std::size_t>(small % 100) * 2;
    small /= 100;
    *--end = kDigitPairs[pair + 1];
    *--end = kDigitPairs[pair];
  }
  if (small >= 10) {
    const auto pair = static_cast<std::size_t>(small) * 2;
    *--end = kDigitPairs[pair + 1];
    *--end = kDigitPairs[pair];
  } else {
    *--end = static_cast<char>('0' + small);
  }
  return end;
}

// Writes the `length` digits of n (length = decimalLength(n)).
char* writeDecimal(char* out, std::uint64_t n, int length) {
  writeDigitsBackwards(out + length, n);
  return out + length;
}

// Fields of up to 16 columns holding a value below 10^8 take the fast road
// of digit_fields.h.
constexpr int kFastFieldWidth = 16;
constexpr std::int64_t kFastFieldLimit = kSmallFieldLimit;

// The compact G14.7 text of the values it is written for most: those whose
// seven significant digits are written in fixed notation. The float is
// m 2^-s exactly (m < 2^24), so seven digits of it are m 10^(6-E) 2^-s
// rounded, in integers (below 2^48) with the ties to even that the general
// edit uses. Returns nullptr for the other values (0.1 > |x|, |x| >= 10^7
// after rounding, zero and non-finite ones), which take the general road.
char* compactFixedText(char* out, float value) {
  std::uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  const float magnitude = std::fabs(value);
  if (value == 0.0f) {
    std::memcpy(out, "0.", 2);
    return out + 2;
  }
  if (!(magnitude >= 0.1f && magnitude < 1e7f)) return nullptr;  // NaN falls out here too
  const std::uint64_t m = (bits & 0x7fffffu) | 0x800000u;
  const int s = 150 - static_cast<int>((bits >> 23) & 0xffu);  // 0 <= s <= 27 here
  // E, with 10^E <= |x| < 10^(E+1).
  int exponent = 6;
  for (float power = 1e6f; exponent >= 0 && magnitude < power; power /= 10.0f) --exponent;
  std::uint64_t digits = m * kPowersOfTen[static_cast<std::size_t>(6 - exponent)];
  if (s > 0) {
    const std::uint64_t rest = digits & ((std::uint64_t{1} << s) - 1);
    const std::uint64_t half = std::uint64_t{1} << (s - 1);
    digits >>= s;
    if (rest > half || (rest == half && (digits & 1) != 0)) ++digits;
  }
  if (digits == 10'000'000) {  // rounded up to the next power of ten
    digits = 1'000'000;
    if (++exponent == 7) return nullptr;
  }
  // The seven digits, after the leading zero of an eight-digit word.
  char text[8];
  const auto seven = static_cast<std::uint32_t>(digits);
  const std::uint64_t eight = digit_fields::eightDigits(seven);
  std::memcpy(text, &eight, sizeof eight);
  const char* const first = text + 1;
  if ((bits >> 31) != 0) *out++ = '-';
  int kept = 7;
  const int before = exponent >= 0 ? exponent + 1 : 0;
  while (kept > before && first[kept - 1] == '0') --kept;
  if (before == 0) *out++ = '0';
  std::memcpy(out, first, static_cast<std::size_t>(before));
  out += before;
  *out++ = '.';
  std::memcpy(out, first + before, static_cast<std::size_t>(kept - before));
  return out + (kept - before);
}

int clampedWidth(int width) {
  return std::clamp(width, 0, kMaxEditWidth);
}

}  // namespace

char* writeGeneralForm(char* out, float value, int width, int digits) {
  width = clampedWidth(width);
  digits = std::clamp(digits, 1, kMaxEditDigits);
  char text[kMaxEditChars];
  bool fixed = false;
  const int length = generalText(text, value, digits, fixed);
  if (!fixed) return rightAligned(out, text, length, width);
  out = rightAligned(out, text, length, width - 4);
  std::memcpy(out, "    ", 4);
  return out + 4;
}

char* writeFixedForm(char* out, float value, int width, int decimals) {
  width = clampedWidth(width);
  decimals = std::clamp(decimals, 0, kMaxEditDigits);
  char text[kMaxEditChars];
  int length = 0;
  if (!std::isfinite(value)) {
    length = nonFiniteText(text, value);
  } else {
    const auto result = std::to_chars(text, text + sizeof text, static_cast<double>(value),
                                      std::chars_format::fixed, decimals);
    length = static_cast<int>(result.ptr - text);
  }
  return rightAligned(out, text, length, width);
}

char* writeIntegerField(char* out, std::int64_t value, int width) {
  // The common case, a value that fits its field: blanks, then the digits
  // from the field's end.
  if (value >= 0 && value < kFastFieldLimit && width >= 1 && width <= kFastFieldWidth &&
      static_cast<std::uint64_t>(value) < kPowersOfTen[static_cast<std::size_t>(width)])
    return writeSmallField(out, static_cast<std::uint32_t>(value), width);
  if (value >= 0 && width >= 1 && width <= 19 &&
      static_cast<std::uint64_t>(value) < kPowersOfTen[static_cast<std::size_t>(width)]) {
    std::memset(out, ' ', static_cast<std::size_t>(width));
    writeDigitsBackwards(out + width, static_cast<std::uint64_t>(value));
    return out + width;
  }
  width = clampedWidth(width);
  const bool negative = value < 0;
  // The magnitude of the most negative value wraps to itself, which is right as unsigned.
  const std::uint64_t magnitude = negative ? std::uint64_t{0} - static_cast<std::uint64_t>(value)
                                           : static_cast<std::uint64_t>(value);
  const int length = decimalLength(magnitude) + (negative ? 1 : 0);
  for (int pad = width - length; pad > 0; --pad) *out++ = ' ';
  if (negative) *out++ = '-';
  return writeDecimal(out, magnitude, length - (negative ? 1 : 0));
}

char* writeCompactReal(char* out, float value) {
  if (char* end = compactFixedText(out, value)) return end;
  bool fixed = false;
  const int length = generalText(out, value, 7, fixed);
  return out + compactInPlace(out, length);
}

std::string generalForm(float value, int width, int digits) {
  char text[kMaxEditChars];
  return std::string(text, writeGeneralForm(text, value, width, digits));
}

std::string fixedForm(float value, int width, int decimals) {
  char text[kMaxEditChars];
  return std::string(text, writeFixedForm(text, value, width, decimals));
}

std::string integerField(std::int64_t value, int width) {
  char text[kMaxEditChars];
  return std::string(text, writeIntegerField(text, value, width));
}

std::string compactReal(float value) {
  char text[kMaxEditChars];
  return std::string(text, writeCompactReal(text, value));
}

char* writeShortestReal(char* out, float value) {
  return std::to_chars(out, out + kMaxShortestChars, value).ptr;
}

std::string shortestReal(float value) {
  char text[kMaxShortestChars];
  return std::string(text, writeShortestReal(text, value));
}

std::string compactNumberText(std::string_view field) {
  std::string text(trimRight(trimLeft(field)));
  text.resize(static_cast<std::size_t>(compactInPlace(text.data(), static_cast<int>(text.size()))));
  return text;
}

int digitCount(std::int64_t n) {
  int count = n < 0 ? 2 : 1;
  // Work on the negative side so that the most negative value has a magnitude.
  std::int64_t rest = n < 0 ? n : -n;
  while (rest <= -10) {
    rest /= 10;
    ++count;
  }
  return count;
}

int axisNumber(char letter) {
  switch (letter) {
    case 'x':
    case 'X':
      return 1;
    case 'y':
    case 'Y':
      return 2;
    case 'z':
    case 'Z':
      return 3;
    default:
      return 0;
  }
}

char axisLetter(int number) {
  switch (number) {
    case 1:
      return 'X';
    case 2:
      return 'Y';
    case 3:
      return 'Z';
    default:
      return '0';
  }
}

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && isDigit(text[at])) ++at;
  return at;
}

}  // namespace

std::int32_t textToInteger(std::string_view text) {
  text = trimLeft(text);
  std::size_t at = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
  const std::size_t digitsEnd = skipDigits(text, at);
  if (digitsEnd == at) return 0;
  const bool negative = text[0] == '-';
  std::int64_t magnitude = 0;
  for (std::size_t i = at; i < digitsEnd; ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > std::int64_t{1} << 32) break;
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

float textToReal(std::string_view text) {
  text = trimLeft(text);
  std::size_t at = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
  std::size_t end = skipDigits(text, at);
  bool anyDigit = end > at;
  if (end < text.size() && text[end] == '.') {
    const std::size_t fractionEnd = skipDigits(text, end + 1);
    anyDigit = anyDigit || fractionEnd > end + 1;
    end = fractionEnd;
  }
  if (!anyDigit) return 0.0f;
  std::string number(text.substr(0, end));
  if (end < text.size() && std::strchr("EeDd", text[end]) != nullptr) {
    std::size_t exponentAt = end + 1;
    if (exponentAt < text.size() && (text[exponentAt] == '+' || text[exponentAt] == '-'))
      ++exponentAt;
    const std::size_t exponentEnd = skipDigits(text, exponentAt);
    if (exponentEnd > exponentAt) {
      number += 'e';
      number += text.substr(end + 1, exponentEnd - end - 1);
    }
  }
  const char* first = number.data() + (number[0] == '+' ? 1 : 0);
  float value = 0.0f;
  const auto result = std::from_chars(first, number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // from_chars leaves the target alone here: decide overflow or underflow
    // from the double value, or from the exponent's sign beyond double range.
    double wide = 0.0;
    const auto wideResult = std::from_chars(first, number.data() + number.size(), wide);
    const bool large = wideResult.ec == std::errc{} ? std::fabs(wide) >= 1.0
                                                    : number.find("e-") == std::string::npos;
    const float huge = std::numeric_limits<float>::infinity();
    if (large) return number[0] == '-' ? -huge : huge;
    return number[0] == '-' ? -0.0f : 0.0f;
  }
  return value;
}

std::string_view trimRight(std::string_view text) {
  const auto last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

std::string_view trimLeft(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

std::string_view pathInField(std::string_view field) {
  const auto nul = field.find('\0');
  return nul != std::string_view::npos ? field.substr(0, nul) : trimRight(field);
}

std::string_view firstChars(std::string_view text, std::size_t width) {
  return text.substr(0, std::min(width, text.size()));
}

}  // namespace zentrix::model
