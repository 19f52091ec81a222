// The Geometry File of the generated structure.
#include <new>
#include <optional>

#include "files/file_headings.h"
#include "files/file_texts.h"
#include "files/geometry_file.h"
#include "files/geometry_layout.h"
#include "files/text_file_output.h"
#include "files/writer_checks.h"
#include "model/number_text.h"
#include "model/printable_text.h"
#include "structure/blocked_nodes.h"
#include "structure/element_type_blocks.h"
#include "structure/structure_ranges.h"

namespace zentrix::files {

namespace {

using namespace geometry_layout;

void writeBlockedNodesLine(TextFileOutput& out, std::int64_t first, std::int64_t last,
                           int nodeWidth, int dofPerNode) {
  constexpr std::string_view kGap = "   ";
  char* at = out.reserve(2 * kMaxIntegerChars + kGap.size() + kMaxRestraintChars + kLineEndChars);
  at = model::writeIntegerField(at, first, nodeWidth);
  at = copyText(at, kGap);
  at = model::writeIntegerField(at, last, nodeWidth);
  at = writeRestraintFlags(at, dofPerNode);
  out.advanceTo(endLine(at));
}

// The supported ranges (structure/blocked_nodes.h).
void writeBlockedNodes(TextFileOutput& out, const model::Structure& structure,
                       const model::GeneratedWith& with, int nodeWidth) {
  for (const structure::NodeRange& range : structure::blockedNodeRanges(structure, with))
    writeBlockedNodesLine(out, range.first, range.last, nodeWidth, with.dofPerNode);
}

// Elements first..last, the area of the type in the general form G12.4, and
// the type's name when it has one.
void writeKindLine(TextFileOutput& out, std::int64_t first, std::int64_t last, int elementWidth,
                   float area, std::string_view name) {
  std::string shown(model::trimRight(model::firstWholeChars(name, model::kTypeNameWidth)));
  model::blankControls(shown);
  const std::string_view kept = shown;
  constexpr std::string_view kGap = "  ";
  constexpr int kAreaWidth = 12;
  constexpr std::string_view kAfterArea = "   0.";
  char* at = out.reserve(2 * kMaxIntegerChars + 3 * kGap.size() + kAreaWidth + kAfterArea.size() +
                         kept.size() + kLineEndChars);
  at = model::writeIntegerField(at, first, elementWidth);
  at = copyText(at, kGap);
  at = model::writeIntegerField(at, last, elementWidth);
  at = copyText(at, kGap);
  at = model::writeGeneralForm(at, area, kAreaWidth, 4);
  at = copyText(at, kAfterArea);
  if (!kept.empty()) at = copyText(copyText(at, kGap), kept);
  out.advanceTo(endLine(at));
}

// One line per element kind, then one line for each element that lies wholly
// in Base 0 (written once, after every kind block), with its own type.
void writeElementData(TextFileOutput& out, const GeometryParts& parts, int elementWidth) {
  writeElementDataHeading(out, parts.romanian);
  for (int kind = 1; kind <= model::kKindCount; ++kind)
    writeKindLine(out, std::int64_t{parts.structure.kindEnd[kind - 1]} + 1,
                  parts.structure.kindEnd[kind], elementWidth, parts.types.typeArea(kind),
                  parts.types.typeName(kind));
  const structure::ElementTypeBlocks blocks =
      structure::elementTypeBlocks(parts.structure, parts.base);
  std::int64_t number = blocks.lastKindElement;
  for (const int type : blocks.base0Types) {
    ++number;
    writeKindLine(out, number, number, elementWidth, parts.types.typeArea(type),
                  parts.types.typeName(type));
  }
}

std::optional<std::string> refusalToWrite(const GeometryParts& parts) {
  if (!structure::structureIsComplete(parts.structure, parts.base, parts.with))
    return model::say(texts::kNotGenerated, parts.romanian);
  if (auto fault = nonFiniteCoordinate(parts.structure.nodeCoords, parts.structure.totalNodes(),
                                       parts.romanian))
    return fault;
  return nonFiniteArea(parts.types, parts.romanian);
}

// Writes the file of parts that passed the checks.
model::Outcome writeGeometryLines(const GeometryParts& parts, std::string_view pathText,
                                  model::Progress* progress, StagedFiles* staged) {
  const model::Structure& structure = parts.structure;
  const bool romanian = parts.romanian;
  TextFileOutput out{std::string(pathText), romanian, staged};
  if (!out.open()) return out.finish();

  const int nodeWidth = model::digitCount(structure.totalNodes());
  const int elementWidth = model::digitCount(structure.totalElements());
  model::ProgressMeter meter(progress,
                             std::int64_t{structure.totalNodes()} + structure.totalElements());

  headings::writeLines(out, headings::kGeometryHeader, romanian);
  out.line("//");
  writeTitleLine(out, parts.base.problemTitle);
  const int dofPerNode = parts.with.dofPerNode;
  writeSizeLine(out, structure.totalNodes(), structure.totalElements(), dofPerNode);
  writeBlockedNodes(out, structure, parts.with, nodeWidth);
  writeSupportsUnitsAndNodesHeading(out, romanian);
  const bool complete =
      writeNodeLines(out, structure.nodeCoords, structure.totalNodes(), dofPerNode, meter) &&
      writeTopology(out, romanian, structure.elemStart, structure.elemEnd,
                    structure.totalElements(), meter);
  if (!complete) {
    if (out.failed()) return out.finish();
    out.abandon();
    return out.cancelled();
  }
  writeElementData(out, parts, elementWidth);
  writeMaterialsAndEnd(out, romanian, structure.totalElements(), pathText);
  if (!meter.finish()) {
    out.abandon();
    return out.cancelled();
  }
  return out.finish();
}

}  // namespace

model::Outcome writeGeometryFile(const GeometryParts& parts, std::string_view path,
                                 model::Progress* progress, StagedFiles* staged) {
  if (auto refusal = refusalToWrite(parts)) return model::Outcome::failure(*refusal);
  try {
    return writeGeometryLines(parts, path, progress, staged);
  } catch (const std::bad_alloc&) {
    return refusedWrite(path, notEnoughMemory(parts.romanian), parts.romanian);
  }
}

std::string geometryCreatedMessage(std::string_view geometryFilePath, bool romanian) {
  // The whole path, however long: a cut path would name another file.
  return model::say(texts::kGeometryCreated, romanian, {model::escapedControls(geometryFilePath)});
}

}  // namespace zentrix::files
