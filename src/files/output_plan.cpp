#include "files/output_plan.h"

#include <algorithm>
#include <map>
#include <system_error>

#include "files/file_texts.h"
#include "files/native_path.h"
#include "files/platform_files.h"
#include "model/number_text.h"
#include "model/printable_text.h"

namespace zentrix::files {

namespace {

namespace fs = std::filesystem;

// Headers, headings, the title and the few fixed lines of any file.
constexpr std::uint64_t kFixedPart = 8192;

// The path from the root, with the links of its existing folders resolved.
fs::path absoluteNormal(const fs::path& given) {
  // A link to a file not there yet names the file it will create.
  const fs::path path = platform::linkedTarget(given);
  fs::path absolute = path;
  int ignored = 0;
  if (path.is_relative())
    if (const auto current = platform::currentFolder(ignored)) absolute = *current / path;
  std::error_code error;
  const fs::path resolved = fs::weakly_canonical(absolute, error);
  return (error ? absolute : resolved).lexically_normal();
}

std::uint64_t counted(std::int64_t count) {
  return count > 0 ? static_cast<std::uint64_t>(count) : 0;
}

// A node line: number, gap, coordinates at 16 columns, the last one at
// most 14 characters, the line end and an empty line of a group.
std::uint64_t nodeLineBound(std::int64_t nodes, int dofPerNode) {
  const auto width = static_cast<std::uint64_t>(model::digitCount(nodes));
  const auto columns = static_cast<std::uint64_t>(dofPerNode > 1 ? dofPerNode - 1 : 0);
  return width + 4 + 16 * columns + 14 + 4;
}

// An element line: three numbers with their blanks, the line end and an
// empty line of a group.
std::uint64_t elementLineBound(std::int64_t elements, std::int64_t nodes) {
  const auto width =
      static_cast<std::uint64_t>(model::digitCount(elements > nodes ? elements : nodes));
  return 3 * (width + 3) + 4;
}

// Needs are rounded up, free space down, so the figures never look enough.
std::string megabytes(std::uint64_t bytes, bool roundUp) {
  const std::uint64_t whole = (bytes + (roundUp ? 999999 : 0)) / 1000000;
  return std::to_string(whole) + " MB";
}

}  // namespace

bool namesSameFile(std::string_view first, std::string_view second) {
  const fs::path a = nativePath(first);
  const fs::path b = nativePath(second);
  int errorA = 0;
  int errorB = 0;
  const platform::PathFacts factsA = platform::factsOf(a, errorA);
  const platform::PathFacts factsB = platform::factsOf(b, errorB);
  const auto isDevice = [](const platform::PathFacts& facts) {
    return facts.kind == platform::PathKind::kDevice || facts.kind == platform::PathKind::kPipe;
  };
  if (isDevice(factsA) || isDevice(factsB) || platform::isSystemDeviceName(a) ||
      platform::isSystemDeviceName(b))
    return false;
  if (factsA.identity && factsB.identity) return *factsA.identity == *factsB.identity;
  return absoluteNormal(a) == absoluteNormal(b);
}

std::uint64_t geometryFileSizeBound(const model::Model& m, std::size_t pathLength) {
  const std::int64_t nodes = m.structure.totalNodes();
  const std::int64_t elements = m.structure.totalElements();
  const std::uint64_t typeLine =
      2 * static_cast<std::uint64_t>(model::digitCount(elements)) + 40 + model::kTypeNameWidth;
  return kFixedPart + pathLength + counted(nodes) * nodeLineBound(nodes, m.base.dofPerNode) +
         counted(elements) * elementLineBound(elements, nodes) +
         (counted(m.base.baseElementCount) + model::kKindCount) * typeLine;
}

// An element record of the Zentrix Input File: three free-form integers of
// 12 columns (wider numbers are written whole), the line end and an empty
// line of a group.
std::uint64_t elementRecordBound(std::int64_t elements, std::int64_t nodes) {
  const auto width = static_cast<std::uint64_t>(
      std::max(model::digitCount(elements > nodes ? elements : nodes) + 1, 12));
  return 3 * width + 4;
}

std::uint64_t inputFileSizeBound(const model::Model& m, std::size_t pathLength) {
  const std::int64_t baseNodes = m.base.baseNodeCount();
  const std::uint64_t baseNodeLine = nodeLineBound(baseNodes, 3) + 24;
  const std::uint64_t baseElementLine = elementRecordBound(m.base.baseElementCount, baseNodes);
  return kFixedPart + pathLength + model::kKindCount * (model::kTypeNameWidth + 40) +
         counted(baseNodes) * baseNodeLine + counted(m.base.baseElementCount) * baseElementLine +
         counted(m.structure.totalNodes()) *
             nodeLineBound(m.structure.totalNodes(), m.base.dofPerNode) +
         counted(m.structure.totalElements()) *
             elementRecordBound(m.structure.totalElements(), m.structure.totalNodes());
}

std::uint64_t baseModuleFileSizeBound(const model::Model& m, std::size_t pathLength) {
  const std::int64_t baseNodes = m.base.baseNodeCount();
  return kFixedPart + pathLength +
         counted(baseNodes) * nodeLineBound(baseNodes, m.base.dofPerNode) +
         counted(m.base.baseElementCount) * elementLineBound(m.base.baseElementCount, baseNodes);
}

std::optional<std::string> spaceShortage(const std::vector<PlannedOutput>& outputs, bool romanian) {
  struct Need {
    std::uint64_t bytes = 0;
    std::uint64_t available = 0;
    std::string firstPath;
  };
  std::map<std::string, Need> needs;
  for (const PlannedOutput& output : outputs) {
    const fs::path path = nativePath(output.pathText);
    int error = 0;
    const auto facts = platform::factsOf(path, error);
    if (facts.kind == platform::PathKind::kDevice || facts.kind == platform::PathKind::kPipe ||
        platform::isSystemDeviceName(path))
      continue;
    fs::path folder = path.parent_path();
    if (folder.empty()) folder = ".";
    const auto space = platform::freeSpaceOf(folder);
    if (!space) continue;  // the write itself will say what is wrong with the folder
    Need& need = needs[space->volume];
    if (need.firstPath.empty()) need.firstPath = output.pathText;
    need.bytes += output.sizeBound;
    need.available = space->available;
  }
  for (const auto& [volume, need] : needs) {
    if (need.bytes <= need.available) continue;
    return model::say(texts::kSpaceShortage, romanian,
                      {model::quotedText(need.firstPath), megabytes(need.bytes, true),
                       megabytes(need.available, false)});
  }
  return std::nullopt;
}

}  // namespace zentrix::files
