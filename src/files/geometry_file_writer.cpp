// The Geometry File of the generated structure.
#include <new>
#include <optional>

#include "files/file_headings.h"
#include "files/file_texts.h"
#include "files/geometry_file.h"
#include "files/geometry_layout.h"
#include "files/structure_ranges.h"
#include "files/text_file_output.h"
#include "files/writer_checks.h"
#include "model/number_text.h"
#include "model/printable_text.h"

namespace zentrix::files {

namespace {

using namespace geometry_layout;

// The path as the file and the message quote it: up to a NUL character when
// the text holds one, else without trailing blanks.
std::string_view geometryPathText(const model::Model& model) {
  const std::string_view path = model.geometryFilePath;
  const auto nul = path.find('\0');
  return nul != std::string_view::npos ? path.substr(0, nul) : model::trimRight(path);
}

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

// The supported ranges, where the numbering of the structure puts them.
void writeBlockedNodes(TextFileOutput& out, const model::Model& model, int nodeWidth) {
  const int dofPerNode = model::structureInputs(model).dofPerNode;
  for (const NodeRange& range : blockedNodeRanges(model))
    writeBlockedNodesLine(out, range.first, range.last, nodeWidth, dofPerNode);
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
void writeElementData(TextFileOutput& out, const model::Model& model, int elementWidth) {
  writeElementDataHeading(out, model.romanian);
  for (const ElementRun& run : elementTypeRuns(model))
    writeKindLine(out, run.first, run.last, elementWidth, model.typeArea(run.type),
                  model.typeName(run.type));
}

std::optional<std::string> refusalToWrite(const model::Model& model) {
  if (!structureIsComplete(model)) return model::say(texts::kNotGenerated, model.romanian);
  if (auto fault = nonFiniteCoordinate(model.nodeCoords, model.totalNodes, model.romanian))
    return fault;
  return nonFiniteArea(model);
}

// Writes the file of a model that passed the checks.
model::Outcome writeGeometryLines(const model::Model& model, std::string_view pathText,
                                  model::Progress* progress, StagedFiles* staged) {
  TextFileOutput out{std::string(pathText), model.romanian, staged};
  if (!out.open()) return out.finish();

  const int nodeWidth = model::digitCount(model.totalNodes);
  const int elementWidth = model::digitCount(model.totalElements);
  model::ProgressMeter meter(progress, std::int64_t{model.totalNodes} + model.totalElements);

  headings::writeLines(out, headings::kGeometryHeader, model.romanian);
  out.line("//");
  writeTitleLine(out, model.problemTitle);
  const int dofPerNode = model::structureInputs(model).dofPerNode;
  writeSizeLine(out, model.totalNodes, model.totalElements, dofPerNode);
  writeBlockedNodes(out, model, nodeWidth);
  writeSupportsUnitsAndNodesHeading(out, model.romanian);
  const bool complete =
      writeNodeLines(out, model.nodeCoords, model.totalNodes, dofPerNode, meter) &&
      writeTopology(out, model.romanian, model.elemStart, model.elemEnd, model.totalElements,
                    meter);
  if (!complete) {
    if (out.failed()) return out.finish();
    out.abandon();
    return out.cancelled();
  }
  writeElementData(out, model, elementWidth);
  writeMaterialsAndEnd(out, model.romanian, model.totalElements, pathText);
  if (!meter.finish()) {
    out.abandon();
    return out.cancelled();
  }
  return out.finish();
}

}  // namespace

model::Outcome writeGeometryFile(const model::Model& model, model::Progress* progress,
                                 StagedFiles* staged) {
  const std::string_view pathText = geometryPathText(model);
  if (auto refusal = refusalToWrite(model)) return model::Outcome::failure(*refusal);
  try {
    return writeGeometryLines(model, pathText, progress, staged);
  } catch (const std::bad_alloc&) {
    return refusedWrite(model, pathText, notEnoughMemory(model));
  }
}

std::string geometryCreatedMessage(const model::Model& model) {
  // The whole path, however long: a cut path would name another file.
  return model::say(texts::kGeometryCreated, model.romanian,
                    {model::escapedControls(geometryPathText(model))});
}

}  // namespace zentrix::files
