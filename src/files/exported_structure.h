// What the three export writers (VTU, MSH, DXF) share: the structure as they
// read it, taken from the model in one place, its checks, the number texts
// and the parallel record loop with the progress.
#pragma once

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/numbered_lines.h"
#include "files/structure_exports.h"
#include "files/text_file_output.h"
#include "model/digit_fields.h"
#include "model/model.h"
#include "model/number_text.h"
#include "model/progress.h"
#include "structure/structure_ranges.h"

namespace zentrix::files::exports {

// Characters of the longest whole number; the room of a real's text, the
// stores of the remembered texts included.
inline constexpr std::size_t kMaxWholeChars = 20;
inline constexpr std::size_t kMaxRealChars = model::kMaxShortestChars + 1;

// The generated structure, its element types and its supports, read-only.
struct ExportedStructure {
  const float* coords = nullptr;  // row-major, `stride` values per node
  int stride = 0;
  int dimensions = 0;  // coordinates per node that are written; the rest are 0
  std::int64_t nodes = 0;
  const std::int32_t* start = nullptr;  // start[e - 1] is element e's start node
  const std::int32_t* end = nullptr;
  std::int64_t elements = 0;
  std::vector<structure::ElementRun> runs;    // non-empty, in order, covering 1..elements
  std::vector<structure::NodeRange> blocked;  // inside 1..nodes, non-empty
  std::array<float, model::kKindCount> typeAreas{};
  bool romanian = false;

  float coordinate(std::int64_t node, int axis) const {
    return axis < dimensions ? coords[(node - 1) * stride + axis] : 0.0f;
  }
  bool isBlocked(std::int64_t node) const {
    for (const structure::NodeRange& range : blocked)
      if (node >= range.first && node <= range.last) return true;
    return false;
  }
  // The blocked nodes, ascending, each once.
  std::vector<std::int64_t> blockedNodes() const;
};

// Nothing when the model can be exported, else why not (the full message).
std::optional<std::string> refusalToExport(const ExportParts& parts);

// The structure of a model that passed `refusalToExport`.
ExportedStructure exportedStructure(const ExportParts& parts);

// Walks the element runs along ascending element numbers.
class TypeCursor {
 public:
  TypeCursor(const std::vector<structure::ElementRun>& runs, std::int64_t firstElement);
  // The type of `element`, which is not below the previous one asked.
  int typeOf(std::int64_t element) {
    while (element > runs_[at_].last) ++at_;
    return runs_[at_].type;
  }

 private:
  const std::vector<structure::ElementRun>& runs_;
  std::size_t at_ = 0;
};

// The shortest texts of the last values seen: a structure repeats its
// cross-section coordinates in every module. One per formatting thread.
using ShortestTextMemo = RealTextMemo<model::writeShortestReal>;

// "x y z" of `node` and the line end.
inline char* writePoint(char* at, ShortestTextMemo& memo, const ExportedStructure& structure,
                        std::int64_t node) {
  for (int axis = 0; axis < 3; ++axis) {
    at = memo.write(at, structure.coordinate(node, axis));
    *at++ = axis < 2 ? ' ' : '\n';
  }
  return at;
}
inline constexpr std::size_t kMaxPointChars = 3 * (kMaxRealChars + 1);

// A whole number without padding. The common ones (below 10^8) take the
// word-wide road of digit_fields.h, which may store up to 16 characters
// past `at`; the others std::to_chars.
inline char* writeWhole(char* at, std::int64_t value) {
  if (value >= 0 && value < model::kSmallFieldLimit) {
    const auto n = static_cast<std::uint32_t>(value);
    const int width = n < 10         ? 1
                      : n < 100      ? 2
                      : n < 1000     ? 3
                      : n < 10000    ? 4
                      : n < 100000   ? 5
                      : n < 1000000  ? 6
                      : n < 10000000 ? 7
                                     : 8;
    return model::writeSmallField(at, n, width);
  }
  return std::to_chars(at, at + kMaxWholeChars, value).ptr;
}
inline char* copyText(char* at, std::string_view text) {
  if (text.empty()) return at;
  std::memcpy(at, text.data(), text.size());
  return at + text.size();
}

// Formats records first..last-1 (0-based) at `out` and returns the end.
using Formatter = std::function<char*(std::int64_t first, std::int64_t last, char* out)>;

// Writes `count` records of at most `maxChars` characters each, on several
// threads, counting them on `meter`. False when cancelled or the output failed.
bool writeRecords(TextFileOutput& out, std::int64_t count, std::size_t maxChars,
                  const Formatter& format, model::ProgressMeter& meter);

// Opens the output, runs `body` and finishes it: a refused model writes
// nothing, a cancel or a failure leaves the old file as it was.
model::Outcome writeExport(
    const ExportParts& parts, std::string_view path, model::Progress* progress, StagedFiles* staged,
    const std::function<bool(TextFileOutput&, const ExportedStructure&, model::Progress*)>& body);

}  // namespace zentrix::files::exports
