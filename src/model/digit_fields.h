// Integer fields for the writers' hot loops, which format millions of them:
// a value below 10^8 right-aligned in a field of up to 16 columns, built
// from a table of four-digit groups and stored as whole machine words. The
// characters are those of `writeIntegerField` (number_text.h), which takes
// this road itself when it can; a loop that knows its fields fit calls it
// directly and saves the checks.
//
// Room: the stores may leave up to 16 characters past `out` (blanks or
// digits beyond the field), which the caller's next characters overwrite;
// the caller has room for kMaxEditChars there, as for every edit.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace zentrix::model {

inline constexpr std::uint32_t kSmallFieldLimit = 100'000'000;

namespace digit_fields {

// Four decimal digits per entry, as the bytes of a 32-bit word in memory
// order: entry 1234 is "1234". 40 KB, of which a run touches what it uses.
inline constexpr auto kDigitQuads = [] {
  std::array<std::uint32_t, 10000> quads{};
  for (std::uint32_t i = 0; i < 10000; ++i) {
    const std::uint32_t digits[4] = {i / 1000, i / 100 % 10, i / 10 % 10, i % 10};
    for (int d = 0; d < 4; ++d) {
      const int byte = std::endian::native == std::endian::little ? d : 3 - d;
      quads[i] |= (0x30u + digits[d]) << (8 * byte);
    }
  }
  return quads;
}();

inline constexpr std::uint64_t kEightZeros = 0x3030303030303030u;
inline constexpr std::uint64_t kEightBlanks = 0x2020202020202020u;

// n < 10^8 as its eight digits, leading zeros included, in one word whose
// bytes in memory are the characters in order: "00001234".
inline std::uint64_t eightDigits(std::uint32_t n) {
  const std::uint64_t high = kDigitQuads[n / 10000];
  const std::uint64_t low = kDigitQuads[n % 10000];
  return std::endian::native == std::endian::little ? high | low << 32 : high << 32 | low;
}

// The same with the leading zeros turned into blanks: "    1234".
// Little-endian words only.
inline std::uint64_t eightCharacters(std::uint32_t n) {
  const std::uint64_t digits = eightDigits(n);
  if (n == 0) return (kEightBlanks >> 8) | (std::uint64_t{'0'} << 56);
  // The first character that is not '0' is the lowest byte that differs from it.
  const int leadingZeros = std::countr_zero(digits ^ kEightZeros) / 8;
  const std::uint64_t blanks = (std::uint64_t{1} << (8 * leadingZeros)) - 1;
  return (digits & ~blanks) | (kEightBlanks & blanks);
}

// The word of eightCharacters shifted for a field of `width` columns (1 to
// 8): its first `width` bytes are the field.
inline std::uint64_t fieldWord(std::uint64_t characters, int width) {
  return characters >> (8 * (8 - width));
}

}  // namespace digit_fields

// Writes `value` (below 10^8 and below 10^width) right-aligned in `width`
// columns (1 to 16); returns the field's end.
inline char* writeSmallField(char* out, std::uint32_t value, int width) {
  using namespace digit_fields;
  if constexpr (std::endian::native != std::endian::little) {
    std::memset(out, ' ', static_cast<std::size_t>(width));
    char* at = out + width;
    do {
      *--at = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value != 0);
    return out + width;
  }
  const std::uint64_t field = eightCharacters(value);
  if (width <= 8) {
    const std::uint64_t shifted = fieldWord(field, width);
    std::memcpy(out, &shifted, sizeof shifted);
  } else {
    std::memcpy(out, &kEightBlanks, sizeof kEightBlanks);
    std::memcpy(out + width - 8, &field, sizeof field);
  }
  return out + width;
}

}  // namespace zentrix::model
