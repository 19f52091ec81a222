// Number edits and the small text helpers every dialog, reader and writer
// shares. Digits come from std::to_chars / std::from_chars or from integer
// arithmetic: nothing here depends on the locale, and the `write*` forms
// never allocate, so the file writers can format millions of values straight
// into a large buffer. The writers' hot edits (integer fields, the compact
// coordinate text in fixed notation) take an integer road of their own that
// gives the same characters as the general one.
//
// Edits (w = width, d = significant digits or decimals):
//  - general form Gw.d: the exact binary value of the single-precision real
//    rounded to d significant digits; fixed notation with d-k decimals (k the
//    digits before the point) right-aligned in w-4 columns plus 4 blanks when
//    the rounded value is 0 or 0.1 <= |x| < 10^d, else "0.ddddE+ee"
//    right-aligned in w columns;
//  - fixed form Fw.d: d decimals, right-aligned in w columns;
//  - integer field Iw: right-aligned in w columns.
// A value too wide for its field is written whole, widening the field: never
// asterisks, never cut digits. Every edit takes any w and d and clamps them
// to what the edits are made for: w to 0..kMaxEditWidth (a negative width is
// no padding), significant digits to 1..kMaxEditDigits and decimals to
// 0..kMaxEditDigits (a float holds no more); so no request, however large,
// writes more than kMaxEditChars. NaN and infinities are written as "NaN",
// "Infinity" and "-Infinity" (callers that must not write them check first).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zentrix::model {

inline constexpr int kMaxEditWidth = 64;
inline constexpr int kMaxEditDigits = 17;
// Upper bound of the characters any edit below writes (widths and digits
// clamped as above). The `write*` forms need that much room at `out`: the
// fast ones store whole machine words and may leave characters past the
// edit's end, which the caller's next characters overwrite.
inline constexpr int kMaxEditChars = 96;

char* writeGeneralForm(char* out, float value, int width, int digits);
char* writeFixedForm(char* out, float value, int width, int decimals);
char* writeIntegerField(char* out, std::int64_t value, int width);
// The compact coordinate text: G14.7 shortened by the compact number text.
char* writeCompactReal(char* out, float value);

std::string generalForm(float value, int width, int digits);
std::string fixedForm(float value, int width, int decimals);
std::string integerField(std::int64_t value, int width);
std::string compactReal(float value);

// The shortest text that reads back to the same single-precision value, in
// fixed or exponent notation whichever is shorter (std::to_chars): "2.5",
// "0.1", "1e-05", "12345678", "-1.1754944e-38". At most kMaxShortestChars
// characters; the exports write their reals so.
inline constexpr int kMaxShortestChars = 15;
char* writeShortestReal(char* out, float value);
std::string shortestReal(float value);

// The compact number text of a formatted field: left-adjusted, trailing zeros
// after the decimal point dropped (the point stays), exponent part (from the
// first E, D, e or d, at most 5 characters) kept. Returned without trailing
// blanks. A text without a point is only left-adjusted.
std::string compactNumberText(std::string_view field);

// Characters of n written in decimal, a minus sign included; 1 for 0.
int digitCount(std::int64_t n);

// "x"/"X" 1, "y"/"Y" 2, "z"/"Z" 3, anything else 0.
int axisNumber(char letter);
// 1 "X", 2 "Y", 3 "Z", anything else "0".
char axisLetter(int number);

// Text to number, as the edit boxes are read on every change: leading blanks
// skipped, an optional sign, digits (for reals a point and an E or D
// exponent), stop at the first other character; no leading number gives 0.
// Integers beyond 32 bits are clamped; reals beyond single precision give an
// infinity, which the generation refuses.
std::int32_t textToInteger(std::string_view text);
float textToReal(std::string_view text);

// The meaningful value of a fixed-width text.
std::string_view trimRight(std::string_view text);
std::string_view trimLeft(std::string_view text);
// The path a path field holds: up to its first NUL character, or when it
// holds none, without trailing blanks. For the desktop program's fields;
// the writers and the reader take a path exactly as they are given it.
std::string_view pathInField(std::string_view field);
// The first `width` characters of a text (a field cut to its width).
std::string_view firstChars(std::string_view text, std::size_t width);

}  // namespace zentrix::model
