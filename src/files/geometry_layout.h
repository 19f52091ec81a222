// The pieces the two Geometry Files share (the whole structure's and the Base
// module's): fixed texts in both languages, the size, node, topology and
// material lines and the closing lines. Everything is formatted straight into
// a TextFileOutput's buffer, a line at a time, so that millions of lines cost
// no allocation. Numbers too wide for their field are written whole.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "files/numbered_lines.h"
#include "files/text_file_output.h"
#include "model/one_based.h"
#include "model/progress.h"

namespace zentrix::files::geometry_layout {

// One restraint flag; a node has at most three.
inline constexpr std::string_view kRestraintFlag = "   1";
inline constexpr std::size_t kMaxRestraintChars =
    std::size_t{kMaxCoordinates} * kRestraintFlag.size();

// Copies `text` to `at` and returns the end; the caller reserved the room.
inline char* copyText(char* at, std::string_view text) {
  if (text.empty()) return at;  // an empty view may hold no pointer at all
  std::memcpy(at, text.data(), text.size());
  return at + text.size();
}
inline char* endLine(char* at) {
  return copyText(at, "\r\n");
}

// The title field: the first 80 characters, blank-padded to 80, then `suffix`.
void writeTitleLine(TextFileOutput& out, std::string_view title, std::string_view suffix = {});

// N, E, degrees of freedom, then the constants 1 and 0.
void writeSizeLine(TextFileOutput& out, std::int64_t nodes, std::int64_t elements, int dofPerNode);

// "   1" per degree of freedom: two for a plane structure, three otherwise.
char* writeRestraintFlags(char* at, int dofPerNode);

// From the elastic supports line to the nodes heading.
void writeSupportsUnitsAndNodesHeading(TextFileOutput& out, bool romanian);

// Node i: its number in `nodeWidth` columns, then coordinate c at column
// nodeWidth + 5 + 16 (c - 1), for at most three coordinates. Rows and
// columns beyond `coords` are written with zeros.
// The lines of a large structure are formatted on several threads (see
// ordered_chunks.h). False when cancelled or when the output failed.
bool writeNodeLines(TextFileOutput& out, const model::CoordinateTable& coords, std::int64_t count,
                    int dofPerNode, model::ProgressMeter& meter);

// The topology heading and one line per element: number, 3 blanks, start,
// 2 blanks, end, all in `width` columns. Entries beyond the arrays read 0.
// Formatted like the node lines; false when cancelled or the output failed.
bool writeTopology(TextFileOutput& out, bool romanian,
                   const model::OneBasedArray<std::int32_t>& start,
                   const model::OneBasedArray<std::int32_t>& end, std::int64_t count,
                   model::ProgressMeter& meter);

void writeElementDataHeading(TextFileOutput& out, bool romanian);

// The materials heading, the one default material, the end line naming
// `pathText` and the date line.
void writeMaterialsAndEnd(TextFileOutput& out, bool romanian, std::int64_t elements,
                          std::string_view pathText);

}  // namespace zentrix::files::geometry_layout
