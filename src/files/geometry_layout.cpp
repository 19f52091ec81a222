#include "files/geometry_layout.h"

#include <algorithm>

#include "files/file_headings.h"
#include "files/numbered_lines.h"
#include "files/ordered_chunks.h"
#include "files/time_stamp.h"
#include "model/model.h"
#include "model/number_text.h"
#include "model/printable_text.h"

namespace zentrix::files::geometry_layout {

void writeTitleLine(TextFileOutput& out, std::string_view title, std::string_view suffix) {
  // Control characters would break the line; a UTF-8 character is never split.
  std::string shown(model::firstWholeChars(title, model::kTitleWidth));
  model::blankControls(shown);
  const std::string_view kept = shown;
  char* at = out.reserve(model::kTitleWidth + suffix.size() + kLineEndChars);
  at = copyText(at, kept);
  for (std::size_t pad = kept.size(); pad < model::kTitleWidth; ++pad) *at++ = ' ';
  at = copyText(at, suffix);
  out.advanceTo(endLine(at));
}

void writeSizeLine(TextFileOutput& out, std::int64_t nodes, std::int64_t elements, int dofPerNode) {
  constexpr std::string_view kGap = "   ";
  constexpr std::string_view kConstants = "   1   0";
  char* at =
      out.reserve(3 * kMaxIntegerChars + 2 * kGap.size() + kConstants.size() + kLineEndChars);
  at = model::writeIntegerField(at, nodes, model::digitCount(nodes));
  at = copyText(at, kGap);
  at = model::writeIntegerField(at, elements, model::digitCount(elements));
  at = copyText(at, kGap);
  at = model::writeIntegerField(at, dofPerNode, 1);
  at = copyText(at, kConstants);
  out.advanceTo(endLine(at));
}

char* writeRestraintFlags(char* at, int dofPerNode) {
  const int flags = dofPerNode == 2 ? 2 : 3;
  for (int flag = 0; flag < flags; ++flag) at = copyText(at, kRestraintFlag);
  return at;
}

void writeSupportsUnitsAndNodesHeading(TextFileOutput& out, bool romanian) {
  out.line(model::say(headings::kElasticSupports, romanian));
  out.line(model::say(headings::kBasicUnits, romanian));
  out.line("m");
  out.line("cm2");
  out.line("kN");
  out.line(model::say(headings::kNodeCoordinates, romanian));
}

bool writeNodeLines(TextFileOutput& out, const model::CoordinateTable& coords, std::int64_t count,
                    int dofPerNode, model::ProgressMeter& meter) {
  const int nodeWidth = model::digitCount(count);
  // A node has at most three coordinates, whatever a broken count says.
  dofPerNode = std::clamp(dofPerNode, 0, 3);
  const int columns = dofPerNode < coords.columns() ? dofPerNode : coords.columns();
  const std::int64_t storedRows = coords.rows();
  const int stride = coords.columns();
  const float* const values = coords.data();
  const auto format = [=](std::int64_t first, std::int64_t last, char* at) {
    CompactTextMemo memo;
    for (std::int64_t node = first + 1; node <= last; ++node) {
      // Rows and columns the table does not hold are written as zeros.
      if (node <= storedRows && columns == dofPerNode) {
        at = writeNodeLine(at, node, nodeWidth, values + (node - 1) * stride, dofPerNode, memo);
      } else {
        float row[3] = {0.0f, 0.0f, 0.0f};
        for (int axis = 0; axis < columns && node <= storedRows; ++axis)
          row[axis] = values[(node - 1) * stride + axis];
        at = writeNodeLine(at, node, nodeWidth, row, dofPerNode, memo);
      }
      at = endLine(at);
    }
    return at;
  };
  std::int64_t reported = 0;
  return writeRecordsInOrder(out, count, kMaxNodeLineChars, format, [&](std::int64_t done) {
    const bool goOn = meter.add(done - reported);
    reported = done;
    return goOn;
  });
}

bool writeTopology(TextFileOutput& out, bool romanian,
                   const model::OneBasedArray<std::int32_t>& start,
                   const model::OneBasedArray<std::int32_t>& end, std::int64_t count,
                   model::ProgressMeter& meter) {
  out.line(model::say(headings::kNodeTopology, romanian));
  const int width = model::digitCount(count);
  const std::int64_t starts = start.count();
  const std::int64_t ends = end.count();
  const std::int32_t* const startOf = start.data();
  const std::int32_t* const endOf = end.data();
  const TopologyLines lines(width);
  const auto format = [=](std::int64_t first, std::int64_t last, char* at) {
    return lines.write(at, first, last, startOf, starts, endOf, ends);
  };
  std::int64_t reported = 0;
  return writeRecordsInOrder(out, count, kMaxTopologyLineChars, format, [&](std::int64_t done) {
    const bool goOn = meter.add(done - reported);
    reported = done;
    return goOn;
  });
}

void writeElementDataHeading(TextFileOutput& out, bool romanian) {
  out.line(model::say(headings::kElementData, romanian));
}

void writeMaterialsAndEnd(TextFileOutput& out, bool romanian, std::int64_t elements,
                          std::string_view pathText) {
  out.line(model::say(headings::kMaterials, romanian));
  constexpr std::string_view kFirst = "1   ";
  constexpr std::string_view kProperties = "   0   2.1E4   21.   21.   0.   0.";
  char* at = out.reserve(kFirst.size() + kMaxIntegerChars + kProperties.size() + kLineEndChars);
  at = copyText(at, kFirst);
  at = model::writeIntegerField(at, elements, model::digitCount(elements));
  at = copyText(at, kProperties);
  out.advanceTo(endLine(at));
  out.write(model::say(headings::kEndOfFile, romanian));
  out.line(pathText);
  out.line(timeStampLine());
}

}  // namespace zentrix::files::geometry_layout
