// The two lines every large file is made of, shared by the Geometry Files
// and the Zentrix Input File: the node line (number, then coordinates in
// fixed columns) and the topology line (element number, start and end node
// in fields of one width). Written for loops over millions of lines: no
// allocation, the fields of the common sizes take the fast road of
// digit_fields.h, and the compact texts of coordinates that repeat (the
// cross-section of every module) are remembered instead of formatted again.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "model/digit_fields.h"
#include "model/number_text.h"

namespace zentrix::files {

// The texts `Format` gives of the last values seen, by their bits. One per
// formatting thread. Texts are at most 16 characters.
template <char* (*Format)(char*, float)>
class RealTextMemo {
 public:
  // Writes the text of `value`; may store up to 16 characters.
  char* write(char* out, float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    Entry& entry = entries_[(bits ^ (bits >> 11) ^ (bits >> 23)) % kEntries];
    if (entry.length == 0 || entry.bits != bits) {
      char text[model::kMaxEditChars];
      const auto length = static_cast<std::size_t>(Format(text, value) - text);
      std::memcpy(entry.text, text, sizeof entry.text);
      entry.bits = bits;
      entry.length = static_cast<std::uint8_t>(length);
    }
    std::memcpy(out, entry.text, sizeof entry.text);
    return out + entry.length;
  }

 private:
  static constexpr std::uint32_t kEntries = 256;
  struct Entry {
    std::uint32_t bits = 0;
    std::uint32_t length = 0;  // 0: empty (no text is empty)
    char text[16];
  };
  std::array<Entry, kEntries> entries_{};
};

// The compact coordinate texts, exactly `model::writeCompactReal`'s: those
// of finite values have at most 14 characters, the names of the others at
// most 9.
using CompactTextMemo = RealTextMemo<model::writeCompactReal>;

// Columns of a node line: coordinate c (1-based) starts at column
// width + 5 + 16 (c - 1).
inline constexpr int kGapAfterNodeNumber = 4;
inline constexpr int kCoordinateColumnWidth = 16;

// The widths the room of every line is computed from. An integer too wide
// for its field is written whole: at most 20 characters, a 64-bit value and
// its sign. A node has at most three coordinates; the last one's compact
// text is shorter than its column.
inline constexpr std::size_t kMaxIntegerChars = 20;
inline constexpr std::size_t kLineEndChars = 2;
inline constexpr int kMaxCoordinates = 3;
inline constexpr std::size_t kMaxNodeLineChars =
    kMaxIntegerChars + std::size_t{kGapAfterNodeNumber + kMaxCoordinates * kCoordinateColumnWidth} +
    kLineEndChars;
// Element, 3 blanks, start, 2 blanks, end.
inline constexpr std::size_t kMaxTopologyLineChars = 3 * kMaxIntegerChars + 3 + 2 + kLineEndChars;

// Node `node` in `width` columns, then `count` coordinates of `row` (zeros
// when `row` is null) at their columns. No line end.
inline char* writeNodeLine(char* at, std::int64_t node, int width, const float* row, int count,
                           CompactTextMemo& memo) {
  char* const lineStart = at;
  at = model::writeIntegerField(at, node, width);
  for (int axis = 0; axis < count; ++axis) {
    // Absolute columns: compact texts are at most 14 characters, so the
    // next column is always ahead.
    char* const column = lineStart + width + kGapAfterNodeNumber + axis * kCoordinateColumnWidth;
    std::memset(at, ' ', static_cast<std::size_t>(column - at));
    at = memo.write(column, row != nullptr ? row[axis] : 0.0f);
  }
  return at;
}

// Topology lines: element, 3 blanks, start, 2 blanks, end, each in `width`
// columns, then the line end. Numbers too wide for the width are written
// whole.
class TopologyLines {
 public:
  explicit TopologyLines(int width)
      : width_(width), limit_(width >= 1 && width <= 8 ? tenTo(width) : 0) {}

  // Lines of elements first+1 ... last; end nodes beyond the arrays' counts
  // are written as 0.
  char* write(char* at, std::int64_t first, std::int64_t last, const std::int32_t* start,
              std::int64_t starts, const std::int32_t* end, std::int64_t ends) const {
    // The element numbers count up: their digits are the high four, kept
    // while they stay, and the low four from the table.
    std::uint32_t high = ~0u;
    std::uint64_t highWord = 0;
    for (std::int64_t element = first + 1; element <= last; ++element) {
      const std::int64_t from = element <= starts ? start[element - 1] : 0;
      const std::int64_t to = element <= ends ? end[element - 1] : 0;
      // One unsigned comparison each: a negative number fails it too.
      if (static_cast<std::uint64_t>(element) < limit_ &&
          static_cast<std::uint64_t>(from) < limit_ && static_cast<std::uint64_t>(to) < limit_) {
        using namespace model::digit_fields;
        const auto number = static_cast<std::uint32_t>(element);
        std::uint64_t characters;
        if (number >= 10000 && std::endian::native == std::endian::little) {
          if (number / 10000 != high) {
            high = number / 10000;
            highWord = eightCharacters(high * 10000) & 0xffffffffu;
          }
          characters = highWord | std::uint64_t{kDigitQuads[number % 10000]} << 32;
          const std::uint64_t field = fieldWord(characters, width_);
          std::memcpy(at, &field, sizeof field);
          at += width_;
        } else {
          at = model::writeSmallField(at, number, width_);
        }
        std::memcpy(at, "   ", 3);
        at = model::writeSmallField(at + 3, static_cast<std::uint32_t>(from), width_);
        std::memcpy(at, "  ", 2);
        at = model::writeSmallField(at + 2, static_cast<std::uint32_t>(to), width_);
      } else {
        at = model::writeIntegerField(at, element, width_);
        std::memcpy(at, "   ", 3);
        at = model::writeIntegerField(at + 3, from, width_);
        std::memcpy(at, "  ", 2);
        at = model::writeIntegerField(at + 2, to, width_);
      }
      std::memcpy(at, "\r\n", 2);
      at += 2;
    }
    return at;
  }

 private:
  static std::uint64_t tenTo(int power) {
    std::uint64_t value = 1;
    while (power-- > 0) value *= 10;
    return value;
  }

  int width_;
  std::uint64_t limit_;  // fields below it take the fast road; 0: none
};

}  // namespace zentrix::files
