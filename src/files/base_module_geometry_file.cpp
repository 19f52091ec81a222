// The Geometry File of the Base module alone, written for a preview before
// (or without) GENERATE.

#include <new>

#include "files/file_headings.h"
#include "files/geometry_file.h"
#include "files/geometry_layout.h"
#include "files/text_file_output.h"
#include "files/writer_checks.h"
#include "model/number_text.h"
#include "structure/blocked_nodes.h"

namespace zentrix::files {

namespace {

using namespace geometry_layout;

constexpr std::string_view kSuffix = "-BaseModule.dat";

void writeHeader(TextFileOutput& out, bool romanian) {
  headings::writeLines(out, headings::kBaseModuleHeader, romanian);
  out.line("//");
}

// The supports of a preview are always the Base 0 nodes 1 to K, whatever the
// expansion and the numbering of the structure.
void writeBlockedNodesLine(TextFileOutput& out, std::int64_t nodesInBase0, int dofPerNode) {
  constexpr std::string_view kFirst = "1   ";
  char* at = copyText(
      out.reserve(kFirst.size() + kMaxIntegerChars + kMaxRestraintChars + kLineEndChars), kFirst);
  at = model::writeIntegerField(at, nodesInBase0, model::digitCount(nodesInBase0));
  at = writeRestraintFlags(at, dofPerNode);
  out.advanceTo(endLine(at));
}

// A single line for every element: area 1. and no type name.
void writeElementData(TextFileOutput& out, bool romanian, std::int64_t elements) {
  writeElementDataHeading(out, romanian);
  constexpr std::string_view kFirst = "1  ";
  constexpr std::string_view kAreaAndAngle = "   1.   0.";
  char* at = copyText(
      out.reserve(kFirst.size() + kMaxIntegerChars + kAreaAndAngle.size() + kLineEndChars), kFirst);
  at = model::writeIntegerField(at, elements, model::digitCount(elements));
  at = copyText(at, kAreaAndAngle);
  out.advanceTo(endLine(at));
}

model::Outcome writeBaseModuleLines(const model::BaseModule& base, const std::string& pathText,
                                    bool romanian, StagedFiles* staged) {
  const std::int64_t nodes = std::max<std::int64_t>(base.baseNodeCount(), 0);
  const std::int64_t elements = base.baseElementCount < 0 ? 0 : base.baseElementCount;
  TextFileOutput out{pathText, romanian, staged};
  if (!out.open()) return out.finish();
  model::ProgressMeter noProgress(nullptr, 0);

  writeHeader(out, romanian);
  writeTitleLine(out, base.problemTitle, "-Modulul de Baza");
  writeSizeLine(out, nodes, elements, base.dofPerNode);
  writeBlockedNodesLine(out, structure::baseModuleBlockedNodes(base).last, base.dofPerNode);
  writeSupportsUnitsAndNodesHeading(out, romanian);
  // Nodes and elements not entered yet (the preview is offered as soon as
  // the counts are positive) are written as zeros, as GENERATE would take them.
  writeNodeLines(out, base.baseCoords, nodes, base.dofPerNode, noProgress);
  writeTopology(out, romanian, base.baseElemStart, base.baseElemEnd, elements, noProgress);
  writeElementData(out, romanian, elements);
  writeMaterialsAndEnd(out, romanian, elements, pathText);
  return out.finish();
}

}  // namespace

std::string baseModuleGeometryPath(std::string_view oldFilePath) {
  // The text before the last point of the whole path, also when that point
  // is in a folder name; the path is kept whole, never cut to a width.
  const auto point = oldFilePath.rfind('.');
  const std::string_view stem =
      point == std::string_view::npos ? std::string_view{} : oldFilePath.substr(0, point);
  return std::string(stem) + std::string(kSuffix);
}

model::Outcome writeBaseModuleGeometryFile(const model::BaseModule& base, std::string_view path,
                                           bool romanian, StagedFiles* staged) {
  const std::string pathText(path);
  const std::int64_t nodes = std::max<std::int64_t>(base.baseNodeCount(), 0);
  if (auto fault = nonFiniteCoordinate(base.baseCoords, nodes, romanian))
    return model::Outcome::failure(*fault);
  try {
    return writeBaseModuleLines(base, pathText, romanian, staged);
  } catch (const std::bad_alloc&) {
    return refusedWrite(pathText, notEnoughMemory(romanian), romanian);
  }
}

}  // namespace zentrix::files
