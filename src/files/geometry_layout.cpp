#include "files/geometry_layout.h"

#include <cmath>

#include "files/time_stamp.h"
#include "model/model.h"
#include "model/number_text.h"

namespace zentrix::files::geometry_layout {

namespace {

std::int32_t entryOrZero(const model::OneBasedArray<std::int32_t>& values, std::int64_t number) {
  return number <= values.count() ? values(number) : 0;
}

}  // namespace

void writeTitleLine(TextFileOutput& out, std::string_view title, std::string_view suffix) {
  const std::string_view kept = model::firstChars(title, model::kTitleWidth);
  char* at = out.reserve(model::kTitleWidth + suffix.size() + 2);
  at = copyText(at, kept);
  for (std::size_t pad = kept.size(); pad < model::kTitleWidth; ++pad) *at++ = ' ';
  at = copyText(at, suffix);
  out.advanceTo(endLine(at));
}

void writeSizeLine(TextFileOutput& out, std::int64_t nodes, std::int64_t elements, int dofPerNode) {
  char* at = out.reserve(kLineRoom);
  at = model::writeIntegerField(at, nodes, model::digitCount(nodes));
  at = copyText(at, "   ");
  at = model::writeIntegerField(at, elements, model::digitCount(elements));
  at = copyText(at, "   ");
  at = model::writeIntegerField(at, dofPerNode, 1);
  at = copyText(at, "   1   0");
  out.advanceTo(endLine(at));
}

char* writeRestraintFlags(char* at, int dofPerNode) {
  const int flags = dofPerNode == 2 ? 2 : 3;
  for (int flag = 0; flag < flags; ++flag) at = copyText(at, "   1");
  return at;
}

void writeSupportsUnitsAndNodesHeading(TextFileOutput& out, bool romanian) {
  out.line(romanian ? "Reazeme_Elastice:Nici_unul" : "Elastic_Supports:None");
  out.line(romanian ? "Unitati_de_baza:" : "Basic_Units:");
  out.line("m");
  out.line("cm2");
  out.line("kN");
  out.line(romanian ? "Nod&Coordonate:" : "Node&Coordinates:");
}

bool writeNodeLines(TextFileOutput& out, const model::CoordinateTable& coords, std::int64_t count,
                    int dofPerNode, ProgressTicker& ticker) {
  const int nodeWidth = model::digitCount(count);
  const int columns = dofPerNode < coords.columns() ? dofPerNode : coords.columns();
  for (std::int64_t node = 1; node <= count; ++node) {
    char* const lineStart = out.reserve(kLineRoom);
    char* at = model::writeIntegerField(lineStart, node, nodeWidth);
    for (int axis = 1; axis <= dofPerNode; ++axis) {
      // Absolute columns: compact texts are at most 14 characters, so the
      // next column is always ahead.
      char* const column = lineStart + nodeWidth + 4 + 16 * (axis - 1);
      while (at < column) *at++ = ' ';
      const bool stored = node <= coords.rows() && axis <= columns;
      at = model::writeCompactReal(at, stored ? coords(node, axis) : 0.0f);
    }
    out.advanceTo(endLine(at));
    if (!ticker.tick()) return false;
  }
  return true;
}

bool writeTopology(TextFileOutput& out, bool romanian,
                   const model::OneBasedArray<std::int32_t>& start,
                   const model::OneBasedArray<std::int32_t>& end, std::int64_t count,
                   ProgressTicker& ticker) {
  out.line(romanian ? "Nod&Topologie:" : "Node&Topology:");
  const int width = model::digitCount(count);
  for (std::int64_t element = 1; element <= count; ++element) {
    char* at = out.reserve(kLineRoom);
    at = model::writeIntegerField(at, element, width);
    at = copyText(at, "   ");
    at = model::writeIntegerField(at, entryOrZero(start, element), width);
    at = copyText(at, "  ");
    at = model::writeIntegerField(at, entryOrZero(end, element), width);
    out.advanceTo(endLine(at));
    if (!ticker.tick()) return false;
  }
  return true;
}

void writeElementDataHeading(TextFileOutput& out, bool romanian) {
  out.line(romanian ? "Date_Elemente:" : "Element_Data:");
}

void writeMaterialsAndEnd(TextFileOutput& out, bool romanian, std::int64_t elements,
                          std::string_view pathText) {
  out.line(romanian ? "Materiale:" : "Materials:");
  char* at = out.reserve(kLineRoom);
  at = copyText(at, "1   ");
  at = model::writeIntegerField(at, elements, model::digitCount(elements));
  at = copyText(at, "   0   2.1E4   21.   21.   0.   0.");
  out.advanceTo(endLine(at));
  out.write(romanian ? "Sfarsit de fisier: " : "End of File: ");
  out.line(pathText);
  out.line(timeStampLine());
}

std::optional<std::string> nonFiniteCoordinate(const model::CoordinateTable& coords,
                                               std::int64_t count, bool romanian) {
  const std::int64_t rows = count < coords.rows() ? count : coords.rows();
  const int columns = coords.columns();
  const float* values = coords.data();
  for (std::int64_t index = 0; index < rows * columns; ++index) {
    if (std::isfinite(values[index])) continue;
    const std::string node = std::to_string(index / columns + 1);
    const char axis = model::axisLetter(static_cast<int>(index % columns) + 1);
    const bool nan = std::isnan(values[index]);
    if (romanian)
      return std::string("Coordonata ") + axis + " a nodului " + node + " este " +
             (nan ? "nedefinita (NaN)" : "infinita") + ": fisierul nu a fost scris.";
    return std::string("The ") + axis + " coordinate of node " + node + " is " +
           (nan ? "not a number (NaN)" : "infinite") + ": the file was not written.";
  }
  return std::nullopt;
}

std::string cancelledMessage(std::string_view pathText, bool romanian) {
  if (romanian)
    return "Scrierea fisierului \"" + std::string(pathText) +
           "\" a fost anulata; fisierul existent a ramas neschimbat.";
  return "Writing the file \"" + std::string(pathText) +
         "\" was cancelled; an existing file of that name is unchanged.";
}

}  // namespace zentrix::files::geometry_layout
