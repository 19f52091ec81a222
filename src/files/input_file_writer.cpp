// Saving the Zentrix Input File ("Save Data"): the inputs, which the reader
// loads back, then a copy of the generated structure, the file's own path
// and the time stamp. The generated part can run to millions of lines, so
// its records are formatted straight into the output buffer.
#include <algorithm>
#include <array>
#include <cstdint>
#include <new>
#include <optional>
#include <string>
#include <string_view>

#include "files/file_headings.h"
#include "files/file_texts.h"
#include "files/input_file.h"
#include "files/numbered_lines.h"
#include "files/ordered_chunks.h"
#include "files/text_file_output.h"
#include "files/time_stamp.h"
#include "files/writer_checks.h"
#include "model/free_form.h"
#include "model/number_text.h"
#include "model/printable_text.h"

namespace zentrix::files {

namespace {

using model::FreeFormRecord;
using model::Outcome;

// The longest records with an empty line after them: node records are the
// node lines of the Geometry File (numbered_lines.h), element records three
// free-form integers.
constexpr std::size_t kMaxNodeRecordChars = kMaxNodeLineChars + kLineEndChars;
constexpr std::size_t kMaxElementRecordChars = 3 * kMaxIntegerChars + 2 * kLineEndChars;

char* writeLineEnd(char* out) {
  *out++ = '\r';
  *out++ = '\n';
  return out;
}

char* writeElementRecord(char* out, std::int64_t element, std::int32_t start, std::int32_t end) {
  out = model::writeFreeFormInteger(out, element);
  out = model::writeFreeFormInteger(out, start);
  return model::writeFreeFormInteger(out, end);
}

// A direction letter as a free-form text value reads back as itself only if
// it is not a blank, a separator or a quote; those are written quoted.
std::string letterValue(char letter) {
  if (letter == '\0') letter = ' ';
  if (std::string_view(" \t\r\n,/'\"").find(letter) == std::string_view::npos)
    return std::string(1, letter);
  if (letter == '\'') return "''''";
  return std::string("'") + letter + "'";
}

// A title or a name as one line of the file: control characters, which
// would end or break the line, become blanks.
std::string lineText(std::string_view text) {
  std::string line(model::trimRight(text));
  model::blankControls(line);
  return line;
}

// The model's tables must be at least as large as the counts that walk
// them; anything else is a fault of the caller, reported instead of read
// out of bounds.
bool tablesMatchCounts(const InputFileParts& m) {
  const std::int64_t nodes = m.base.baseNodeCount();
  const bool base =
      m.base.dofPerNode >= 0 && m.base.dofPerNode <= kMaxCoordinates && m.base.nodesInBase0 >= 0 &&
      m.base.nodesInBase1 >= 0 && m.base.baseCoords.rows() >= nodes &&
      (nodes == 0 || m.base.baseCoords.columns() >= m.base.dofPerNode) &&
      m.base.baseElementCount >= 0 && m.base.baseElemStart.count() >= m.base.baseElementCount &&
      m.base.baseElemEnd.count() >= m.base.baseElementCount && m.types.elementKindCount >= 0 &&
      m.types.elementKindCount <= model::kKindCount;
  const bool generated = m.structure.nodeCoords.columns() <= kMaxCoordinates &&
                         m.structure.elemEnd.count() >= m.structure.totalElements();
  return base && generated;
}

class InputFileWriter {
 public:
  InputFileWriter(const InputFileParts& parts, std::string path, model::Progress* progress,
                  StagedFiles* staged)
      : parts_(parts),
        path_(std::move(path)),
        meter_(progress, totalRecords()),
        out_(path_, parts.romanian, staged) {}

  Outcome write() {
    if (!out_.open()) return out_.finish();
    writeInputPart();
    if (!cancelled_) writeGeneratedPart();
    if (cancelled_) {
      out_.abandon();
      return out_.cancelled();
    }
    out_.write(heading(headings::kEndOfFile));
    out_.line(path_);
    out_.line(timeStampLine());
    return out_.finish();
  }

 private:
  const char* heading(const model::Text& text) const { return model::say(text, parts_.romanian); }

  void writeInputPart() {
    headings::writeLines(out_, headings::kInputFileHeader, parts_.romanian);
    out_.line(lineText(parts_.base.problemTitle));
    out_.line(FreeFormRecord()
                  .integer(parts_.base.dofPerNode)
                  .integer(parts_.base.nodesInBase0)
                  .integer(parts_.base.nodesInBase1)
                  .str());
    out_.line(heading(headings::kCoordinates));
    const std::int64_t nodes = parts_.base.baseNodeCount();
    writeNodes(parts_.base.baseCoords, nodes, parts_.base.dofPerNode, 0);
    if (cancelled_) return;
    writeExpansion();
    out_.line(heading(headings::kTopology));
    out_.line(FreeFormRecord().integer(parts_.base.baseElementCount).str());
    writeElements(parts_.base.baseElemStart, parts_.base.baseElemEnd, parts_.base.baseElementCount,
                  0);
    if (cancelled_) return;
    out_.line(FreeFormRecord().integer(parts_.types.elementKindCount).str());
    for (int type = 1; type <= parts_.types.elementKindCount; ++type) {
      out_.line(typeNameLine(parts_.types.typeName(type)));
      out_.line(FreeFormRecord().real(parts_.types.typeArea(type)).str());
    }
    out_.line(heading(headings::kEndOfInput));
  }

  // A type name is a text value, which the blank before it marks. A name
  // loaded from a file already begins with that blank and is written as it
  // stands; only a name without one (typed in the dialog) gets it.
  static std::string typeNameLine(std::string_view name) {
    const std::string text = lineText(name);
    if (!text.empty() && text.front() == ' ') return text;
    return FreeFormRecord().text(text).str();
  }

  void writeExpansion() {
    out_.line(heading(headings::kExpansion));
    out_.line(letterValue(parts_.expansion.expansionDirection));
    out_.line(FreeFormRecord()
                  .integer(parts_.expansion.moduleCount)
                  .real(parts_.expansion.moduleLength)
                  .integer(parts_.expansion.expansionType)
                  .str());
    switch (parts_.expansion.expansionType) {
      case model::kPyramidal: {
        out_.line(FreeFormRecord().real(parts_.expansion.pyramidShrinkRatio).str());
        FreeFormRecord foot;
        for (int axis = 1; axis <= parts_.base.dofPerNode; ++axis)
          foot.real(parts_.expansion.vertexFootCoordinate(axis));
        out_.line(foot.str());
        break;
      }
      case model::kOneDirectionShrink:
        out_.line(FreeFormRecord()
                      .real(parts_.expansion.shrinkRatio)
                      .text(letterValue(parts_.expansion.shrinkDirection))
                      .str());
        break;
      case model::kArch:
        out_.line(FreeFormRecord()
                      .integer(parts_.expansion.archKind)
                      .real(parts_.expansion.halfSpan)
                      .real(parts_.expansion.archHeight)
                      .str());
        break;
      default:
        break;
    }
  }

  // A structure the inputs no longer generate is not theirs to carry: its
  // section stays empty, as for a model never generated.
  std::int64_t generatedNodes() const {
    return !parts_.structureBelongsToInputs ? 0 : parts_.structure.totalNodes();
  }
  std::int64_t generatedElements() const {
    return !parts_.structureBelongsToInputs ? 0 : parts_.structure.totalElements();
  }

  // The Base node count of the inputs the structure was generated with.
  std::int64_t structureBaseNodes() const {
    const auto& with = parts_.structure.generatedWith;
    return with ? with->baseNodeCount() : parts_.base.baseNodeCount();
  }

  // The structure as the last GENERATE left it, with its own coordinate count.
  void writeGeneratedPart() {
    out_.endLine();
    out_.line(FreeFormRecord().text(heading(headings::kGeneratedData)).str());
    out_.line(FreeFormRecord().text(heading(headings::kCoordinates)).str());
    writeNodes(parts_.structure.nodeCoords, generatedNodes(), parts_.structure.nodeCoords.columns(),
               structureBaseNodes());
    if (cancelled_) return;
    out_.endLine();
    out_.line(FreeFormRecord().text(heading(headings::kElementEnds)).str());
    writeElements(parts_.structure.elemStart, parts_.structure.elemEnd, generatedElements(),
                  parts_.base.baseElementCount);
  }

  // Nodes 1..count of the table, `columns` coordinates each; an empty line
  // after every multiple of `groupSize` (none when it is not positive).
  void writeNodes(const model::CoordinateTable& table, std::int64_t count, int columns,
                  std::int64_t groupSize) {
    const int digits = model::digitCount(count);
    const float* const rows = table.data();
    const int stride = table.columns();
    writeRecords(count, kMaxNodeRecordChars, [=](std::int64_t first, std::int64_t last, char* at) {
      CompactTextMemo memo;
      const float* row = rows + first * stride;
      for (std::int64_t node = first + 1; node <= last; ++node, row += stride) {
        at = writeLineEnd(writeNodeLine(at, node, digits, row, columns, memo));
        if (groupSize > 0 && node % groupSize == 0) at = writeLineEnd(at);
      }
      return at;
    });
  }

  void writeElements(const model::OneBasedArray<std::int32_t>& starts,
                     const model::OneBasedArray<std::int32_t>& ends, std::int64_t count,
                     std::int64_t groupSize) {
    const std::int32_t* const start = starts.data();
    const std::int32_t* const end = ends.data();
    writeRecords(
        count, kMaxElementRecordChars, [=](std::int64_t first, std::int64_t last, char* at) {
          for (std::int64_t element = first + 1; element <= last; ++element) {
            at =
                writeLineEnd(writeElementRecord(at, element, start[element - 1], end[element - 1]));
            if (groupSize > 0 && element % groupSize == 0) at = writeLineEnd(at);
          }
          return at;
        });
  }

  // Every record of the file, and one more: the progress reaches 100%
  // only when the file is in place.
  std::int64_t totalRecords() const {
    const std::int64_t baseNodes = parts_.base.baseNodeCount();
    return baseNodes + parts_.base.baseElementCount + generatedNodes() + generatedElements() + 1;
  }

  // Writes `count` records, reporting progress between chunks. A failed
  // output stops the run; `finish` then says why.
  void writeRecords(std::int64_t count, std::size_t maxRecordChars, const RecordFormatter& format) {
    std::int64_t reported = 0;
    const bool complete =
        writeRecordsInOrder(out_, count, maxRecordChars, format, [&](std::int64_t written) {
          const bool goOn = meter_.add(written - reported);
          reported = written;
          return goOn;
        });
    if (!complete && !out_.failed()) cancelled_ = true;
  }

  const InputFileParts& parts_;
  std::string path_;
  model::ProgressMeter meter_;
  TextFileOutput out_;
  bool cancelled_ = false;
};

// Why the parts cannot be saved as they are, or nullopt.
std::optional<std::string> refusalOf(const InputFileParts& m, const std::string& path) {
  if (!tablesMatchCounts(m))
    return refusedWrite(path, model::say(texts::kTablesDoNotMatch, m.romanian), m.romanian).message;
  const std::int64_t baseNodes = m.base.baseNodeCount();
  if (auto value = nonFiniteCoordinate(m.base.baseCoords, baseNodes, m.romanian, true))
    return value;
  if (auto value = nonFiniteExpansionValue(m.expansion, m.base.dofPerNode, m.romanian))
    return value;
  if (auto value = nonFiniteArea(m.types, m.romanian, m.types.elementKindCount)) return value;
  return nonFiniteCoordinate(m.structure.nodeCoords, m.structure.totalNodes(), m.romanian);
}

}  // namespace

model::Outcome writeInputFile(const InputFileParts& parts, std::string_view path,
                              model::Progress* progress, StagedFiles* staged) {
  std::string pathText(path);
  if (auto refusal = refusalOf(parts, pathText)) return Outcome::failure(std::move(*refusal));
  try {
    return InputFileWriter(parts, pathText, progress, staged).write();
  } catch (const std::bad_alloc&) {
    return refusedWrite(pathText, notEnoughMemory(parts.romanian), parts.romanian);
  }
}

InputFileParts inputFileParts(const model::Model& model, bool structureBelongsToInputs,
                              bool romanian) {
  return InputFileParts{.base = model.base,
                        .expansion = model.expansion,
                        .types = model.types,
                        .structure = model.structure,
                        .structureBelongsToInputs = structureBelongsToInputs,
                        .romanian = romanian};
}

}  // namespace zentrix::files
