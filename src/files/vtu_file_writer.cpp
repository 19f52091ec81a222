// The VTU file: VTK XML UnstructuredGrid, ASCII. Each data array holds one
// value (or one point, or one cell's two nodes) per line, so the file reads
// as easily as it is written.
#include "files/exported_structure.h"

namespace zentrix::files {

namespace {

using namespace exports;

constexpr int kVtkLine = 3;

void writeHeader(TextFileOutput& out, const ExportedStructure& structure) {
  out.write(
      "<?xml version=\"1.0\"?>\n"
      "<VTKFile type=\"UnstructuredGrid\" version=\"1.0\" byte_order=\"LittleEndian\" "
      "header_type=\"UInt64\">\n"
      "  <UnstructuredGrid>\n");
  out.write("    <Piece NumberOfPoints=\"" + std::to_string(structure.nodes) +
            "\" NumberOfCells=\"" + std::to_string(structure.elements) + "\">\n");
}

void openArray(TextFileOutput& out, std::string_view type, std::string_view name,
               int components = 1) {
  out.write("        <DataArray type=\"");
  out.write(type);
  out.write("\" Name=\"");
  out.write(name);
  if (components != 1) out.write("\" NumberOfComponents=\"" + std::to_string(components));
  out.write("\" format=\"ascii\">\n");
}

void closeArray(TextFileOutput& out) {
  out.write("        </DataArray>\n");
}

// One whole number per record and line: `value(record)` for records 0..count-1.
template <class Value>
bool writeWholeNumbers(TextFileOutput& out, std::int64_t count, Value value,
                       model::ProgressMeter& meter) {
  return writeRecords(
      out, count, kMaxWholeChars + 1,
      [=](std::int64_t first, std::int64_t last, char* at) {
        for (std::int64_t record = first; record < last; ++record) {
          at = writeWhole(at, value(record));
          *at++ = '\n';
        }
        return at;
      },
      meter);
}

bool writePointData(TextFileOutput& out, const ExportedStructure& s, model::ProgressMeter& meter) {
  out.write("      <PointData Scalars=\"node_number\">\n");
  openArray(out, "Int32", "node_number");
  if (!writeWholeNumbers(
          out, s.nodes, [](std::int64_t i) { return i + 1; }, meter))
    return false;
  closeArray(out);
  openArray(out, "UInt8", "blocked");
  const ExportedStructure* structure = &s;
  if (!writeWholeNumbers(
          out, s.nodes, [structure](std::int64_t i) { return structure->isBlocked(i + 1) ? 1 : 0; },
          meter))
    return false;
  closeArray(out);
  out.write("      </PointData>\n");
  return true;
}

// The element's type, for elements first+1..last of one chunk.
template <class Write>
char* forEachType(const ExportedStructure& s, std::int64_t first, std::int64_t last, char* at,
                  Write write) {
  TypeCursor cursor(s.runs, first + 1);
  for (std::int64_t element = first + 1; element <= last; ++element)
    at = write(at, cursor.typeOf(element));
  return at;
}

bool writeCellData(TextFileOutput& out, const ExportedStructure& s, model::ProgressMeter& meter) {
  const ExportedStructure* structure = &s;
  const auto typeNumbers = [structure](std::int64_t first, std::int64_t last, char* at) {
    return forEachType(*structure, first, last, at, [](char* to, int type) {
      to = writeWhole(to, type);
      *to++ = '\n';
      return to;
    });
  };
  out.write("      <CellData Scalars=\"element_kind\">\n");
  // Type k belongs to kind k, and an element of Base 0 has the type of its kind.
  openArray(out, "Int32", "element_kind");
  if (!writeRecords(out, s.elements, kMaxWholeChars + 1, typeNumbers, meter)) return false;
  closeArray(out);
  openArray(out, "Int32", "type_number");
  if (!writeRecords(out, s.elements, kMaxWholeChars + 1, typeNumbers, meter)) return false;
  closeArray(out);
  openArray(out, "Float32", "type_area");
  std::array<std::string, model::kKindCount> areas;
  for (std::size_t type = 0; type < areas.size(); ++type)
    areas[type] = model::shortestReal(s.typeAreas[type]) + "\n";
  const auto areaTexts = [structure, areas](std::int64_t first, std::int64_t last, char* at) {
    return forEachType(*structure, first, last, at, [&areas](char* to, int type) {
      return copyText(to, areas[static_cast<std::size_t>(type - 1)]);
    });
  };
  if (!writeRecords(out, s.elements, kMaxRealChars + 1, areaTexts, meter)) return false;
  closeArray(out);
  openArray(out, "Int32", "element_number");
  if (!writeWholeNumbers(
          out, s.elements, [](std::int64_t e) { return e + 1; }, meter))
    return false;
  closeArray(out);
  out.write("      </CellData>\n");
  return true;
}

bool writePoints(TextFileOutput& out, const ExportedStructure& s, model::ProgressMeter& meter) {
  out.write("      <Points>\n");
  openArray(out, "Float32", "Points", 3);
  const ExportedStructure* structure = &s;
  const bool complete = writeRecords(
      out, s.nodes, kMaxPointChars,
      [structure](std::int64_t first, std::int64_t last, char* at) {
        ShortestTextMemo memo;
        for (std::int64_t node = first + 1; node <= last; ++node)
          at = writePoint(at, memo, *structure, node);
        return at;
      },
      meter);
  if (!complete) return false;
  closeArray(out);
  out.write("      </Points>\n");
  return true;
}

bool writeCells(TextFileOutput& out, const ExportedStructure& s, model::ProgressMeter& meter) {
  out.write("      <Cells>\n");
  openArray(out, "Int64", "connectivity");
  const ExportedStructure* structure = &s;
  const bool connected = writeRecords(
      out, s.elements, 2 * kMaxWholeChars + 2,
      [structure](std::int64_t first, std::int64_t last, char* at) {
        for (std::int64_t e = first; e < last; ++e) {
          at = writeWhole(at, std::int64_t{structure->start[e]} - 1);
          *at++ = ' ';
          at = writeWhole(at, std::int64_t{structure->end[e]} - 1);
          *at++ = '\n';
        }
        return at;
      },
      meter);
  if (!connected) return false;
  closeArray(out);
  openArray(out, "Int64", "offsets");
  if (!writeWholeNumbers(
          out, s.elements, [](std::int64_t e) { return 2 * (e + 1); }, meter))
    return false;
  closeArray(out);
  openArray(out, "UInt8", "types");
  if (!writeWholeNumbers(
          out, s.elements, [](std::int64_t) { return kVtkLine; }, meter))
    return false;
  closeArray(out);
  out.write("      </Cells>\n");
  return true;
}

bool writeVtu(TextFileOutput& out, const ExportedStructure& s, model::Progress* progress) {
  model::ProgressMeter meter(progress, 3 * s.nodes + 7 * s.elements);
  writeHeader(out, s);
  if (!writePointData(out, s, meter) || !writeCellData(out, s, meter) ||
      !writePoints(out, s, meter) || !writeCells(out, s, meter))
    return false;
  out.write(
      "    </Piece>\n"
      "  </UnstructuredGrid>\n"
      "</VTKFile>\n");
  return meter.finish();
}

}  // namespace

model::Outcome writeVtuFile(const ExportParts& parts, std::string_view path,
                            model::Progress* progress, StagedFiles* staged) {
  return exports::writeExport(parts, path, progress, staged, writeVtu);
}

}  // namespace zentrix::files
