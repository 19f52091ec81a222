// The generated structure in the formats of the tools engineers already use:
//  - VTU: VTK XML UnstructuredGrid, ASCII, one line cell (VTK_LINE) per
//    element, 0-based connectivity; cell data "element_kind",
//    "type_number", "type_area" and "element_number" (1-based), point data
//    "node_number" (1-based) and "blocked" (1 for a blocked node). ParaView
//    and meshio read it.
//  - MSH: Gmsh MSH 4.1 ASCII; node tags are node numbers, element tags
//    element numbers; one physical group of dimension 1 per element type
//    that has elements, named after the type, and one of dimension 0 named
//    "blocked nodes" whose point elements (tags after the last element)
//    hold the blocked nodes.
//  - DXF: ASCII DXF R12 (AC1009), one LINE per element with 3-D
//    coordinates, on one layer per element type (see `dxfLayerNames`).
// Plane structures get z = 0. Reals are the shortest text that reads back
// to the same single-precision value ("." as the decimal point, whatever
// the locale); lines end with LF.
//
// The blocked nodes are those of the Geometry File, and every element has
// the type the Geometry File gives it (structure/structure_ranges.h). A writer
// refuses, writing nothing, a structure that is not completely generated,
// a coordinate or area that is not finite and an end node outside the
// nodes; it writes safely like every other file (text_file_output.h), with
// the shared progress and cancel.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/text_file_output.h"
#include "model/model.h"
#include "model/outcome.h"
#include "model/progress.h"
#include "structure/structure_parts.h"

namespace zentrix::files {

enum class ExportFormat { kVtu, kMsh, kDxf };

// What an export is written from: the structure's parts, the Geometry
// File's too.
using ExportParts = structure::StructureParts;

inline ExportParts exportParts(const model::Model& model, bool romanian) {
  return structure::structureParts(model, romanian);
}

// One function per format: the path in, the outcome out. The messages are
// in Romanian with `romanian`, else in English.
model::Outcome writeVtuFile(const ExportParts& parts, std::string_view path,
                            model::Progress* progress = nullptr, StagedFiles* staged = nullptr);
model::Outcome writeMshFile(const ExportParts& parts, std::string_view path,
                            model::Progress* progress = nullptr, StagedFiles* staged = nullptr);
model::Outcome writeDxfFile(const ExportParts& parts, std::string_view path,
                            model::Progress* progress = nullptr, StagedFiles* staged = nullptr);
model::Outcome writeExportFile(ExportFormat format, const ExportParts& parts, std::string_view path,
                               model::Progress* progress = nullptr, StagedFiles* staged = nullptr);

// The closing message of a written export, naming the whole path.
std::string exportCreatedMessage(std::string_view path, bool romanian);

// The most bytes the writer of `format` writes for the parts.
std::uint64_t exportFileSizeBound(const ExportParts& parts, ExportFormat format);

// The names of the element types' groups in an MSH file: the type name
// without leading and trailing blanks, control characters as blanks and a
// double quote as a single quote (the file quotes the name); a blank name
// gives "type N"; a name an earlier type already has gets " (type N)".
std::array<std::string, model::kKindCount> mshGroupNames(const model::ElementTypes& types,
                                                         bool romanian);

// The element types' layers in a DXF file. R12 allows letters, digits, "_",
// "-" and "$" in at most 31 characters: every other byte becomes "_" and a
// longer name is cut; a blank name gives "TYPE_N"; a name that equals "0"
// (the layer every drawing has) or an earlier type's layer, ignoring case
// as DXF readers do, gets "_N" at its end.
std::array<std::string, model::kKindCount> dxfLayerNames(const model::ElementTypes& types);

}  // namespace zentrix::files
