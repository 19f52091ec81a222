// The DXF file: ASCII DXF R12 (AC1009), the version every CAD program
// reads. A header with the version, the tables of line types (CONTINUOUS)
// and layers ("0" and one per element type that has elements, each in its
// own colour), then one LINE per element. Group codes are right-aligned in
// three columns, as CAD programs write them.
#include <memory>

#include "files/exported_structure.h"

namespace zentrix::files {

namespace {

using namespace exports;

// AutoCAD colour index of each element type's layer: red, yellow, green, cyan.
constexpr std::array<int, model::kKindCount> kLayerColours = {1, 2, 3, 4};

void writeHeaderAndTables(TextFileOutput& out, const ExportedStructure& s,
                          const std::array<std::string, model::kKindCount>& layers) {
  out.write(
      "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1009\n  0\nENDSEC\n"
      "  0\nSECTION\n  2\nTABLES\n"
      "  0\nTABLE\n  2\nLTYPE\n 70\n1\n"
      "  0\nLTYPE\n  2\nCONTINUOUS\n 70\n0\n  3\nSolid line\n 72\n65\n 73\n0\n 40\n0.0\n"
      "  0\nENDTAB\n");
  std::array<bool, model::kKindCount> used{};
  for (const structure::ElementRun& run : s.runs)
    used[static_cast<std::size_t>(run.type - 1)] = true;
  int count = 1;
  for (const bool inUse : used) count += inUse ? 1 : 0;
  out.write("  0\nTABLE\n  2\nLAYER\n 70\n" + std::to_string(count) + "\n");
  const auto layer = [&out](std::string_view name, int colour) {
    out.write("  0\nLAYER\n  2\n");
    out.write(name);
    out.write("\n 70\n0\n 62\n" + std::to_string(colour) + "\n  6\nCONTINUOUS\n");
  };
  layer("0", 7);
  for (std::size_t type = 0; type < used.size(); ++type)
    if (used[type]) layer(layers[type], kLayerColours[type]);
  out.write("  0\nENDTAB\n  0\nENDSEC\n");
}

// The text of one end of a LINE: " 10", x, " 20", y, " 30", z, each on its
// line; for the second end the codes end in 1 instead of 0. The nodes last
// written, by their number: a kind block goes module by module, so the
// elements that follow one another share their nodes.
class EndTexts {
 public:
  explicit EndTexts(const ExportedStructure& structure) : structure_(structure) {}

  // Writes the end at `node`, `second` for the LINE's end point; may store
  // up to kMaxEndChars characters past `at`.
  char* write(char* at, std::int64_t node, bool second) {
    Entry& entry = entries_[static_cast<std::size_t>(node) % kEntries];
    if (entry.node != node) fill(entry, node);
    std::memcpy(at, entry.text, kMaxEndChars);
    if (second)
      for (const std::uint8_t digit : entry.codeDigits) at[digit] = '1';
    return at + entry.length;
  }

  static constexpr std::size_t kMaxEndChars = 3 * (4 + kMaxRealChars);

 private:
  static constexpr std::size_t kEntries = 1024;
  struct Entry {
    std::int64_t node = 0;  // 0: empty
    std::uint8_t length = 0;
    std::array<std::uint8_t, 3> codeDigits{};  // where the codes' last digits are
    char text[kMaxEndChars + kMaxRealChars];
  };

  void fill(Entry& entry, std::int64_t node) {
    static constexpr const char* kCodes[3] = {" 10\n", " 20\n", " 30\n"};
    char* at = entry.text;
    for (int axis = 0; axis < 3; ++axis) {
      std::memcpy(at, kCodes[axis], 4);
      entry.codeDigits[static_cast<std::size_t>(axis)] =
          static_cast<std::uint8_t>(at - entry.text + 2);
      at = memo_.write(at + 4, structure_.coordinate(node, axis));
      *at++ = '\n';
    }
    entry.node = node;
    entry.length = static_cast<std::uint8_t>(at - entry.text);
  }

  const ExportedStructure& structure_;
  ShortestTextMemo memo_;
  std::array<Entry, kEntries> entries_{};
};

bool writeLines(TextFileOutput& out, const ExportedStructure& s,
                const std::array<std::string, model::kKindCount>& layers,
                model::ProgressMeter& meter) {
  out.write("  0\nSECTION\n  2\nENTITIES\n");
  // Each LINE's text up to its layer name, per type, made once.
  std::array<std::string, model::kKindCount> openings;
  std::size_t longest = 0;
  for (std::size_t type = 0; type < layers.size(); ++type) {
    openings[type] = "  0\nLINE\n  8\n" + layers[type] + "\n";
    longest = std::max(longest, openings[type].size());
  }
  const ExportedStructure* structure = &s;
  const bool complete = writeRecords(
      out, s.elements, longest + 2 * EndTexts::kMaxEndChars,
      [structure, openings](std::int64_t first, std::int64_t last, char* at) {
        const auto ends = std::make_unique<EndTexts>(*structure);
        TypeCursor cursor(structure->runs, first + 1);
        for (std::int64_t e = first; e < last; ++e) {
          at = copyText(at, openings[static_cast<std::size_t>(cursor.typeOf(e + 1) - 1)]);
          at = ends->write(at, structure->start[e], false);
          at = ends->write(at, structure->end[e], true);
        }
        return at;
      },
      meter);
  if (!complete) return false;
  out.write("  0\nENDSEC\n  0\nEOF\n");
  return true;
}

}  // namespace

model::Outcome writeDxfFile(const ExportParts& parts, std::string_view path,
                            model::Progress* progress, StagedFiles* staged) {
  const auto layers = dxfLayerNames(parts.types);
  return exports::writeExport(
      parts, path, progress, staged,
      [&layers](TextFileOutput& out, const ExportedStructure& s, model::Progress* p) {
        model::ProgressMeter meter(p, s.elements);
        writeHeaderAndTables(out, s, layers);
        return writeLines(out, s, layers, meter) && meter.finish();
      });
}

}  // namespace zentrix::files
