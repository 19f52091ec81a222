#include "files/exported_structure.h"

#include <algorithm>
#include <cctype>
#include <new>

#include "files/export_texts.h"
#include "files/file_texts.h"
#include "files/ordered_chunks.h"
#include "files/writer_checks.h"
#include "model/number_text.h"
#include "model/printable_text.h"

namespace zentrix::files {

namespace exports {

namespace {

// The runs with elements must cover 1..elements in order: anything else is
// a structure some caller built by hand, which the files must not guess at.
bool runsCoverTheElements(const std::vector<structure::ElementRun>& runs, std::int64_t elements) {
  std::int64_t next = 1;
  for (const structure::ElementRun& run : runs) {
    if (run.last < run.first) continue;
    if (run.first != next) return false;
    next = run.last + 1;
  }
  return next == elements + 1;
}

std::optional<std::string> endNodeOutOfRange(const ExportParts& parts) {
  const std::int64_t nodes = parts.structure.totalNodes();
  const std::int32_t* starts = parts.structure.elemStart.data();
  const std::int32_t* ends = parts.structure.elemEnd.data();
  for (std::int64_t e = 0; e < parts.structure.totalElements(); ++e) {
    for (const std::int32_t node : {starts[e], ends[e]}) {
      if (node >= 1 && node <= nodes) continue;
      return model::say(texts::kEndNodeOutOfRange, parts.romanian,
                        {std::to_string(e + 1), std::to_string(node), std::to_string(nodes)}) +
             model::say(texts::kNotWritten, parts.romanian);
    }
  }
  return std::nullopt;
}

}  // namespace

std::vector<std::int64_t> ExportedStructure::blockedNodes() const {
  std::vector<std::int64_t> list;
  for (const structure::NodeRange& range : blocked)
    for (std::int64_t node = range.first; node <= range.last; ++node) list.push_back(node);
  std::sort(list.begin(), list.end());
  list.erase(std::unique(list.begin(), list.end()), list.end());
  return list;
}

std::optional<std::string> refusalToExport(const ExportParts& parts) {
  if (!structure::structureIsComplete(parts.structure, parts.base, parts.with) ||
      !runsCoverTheElements(structure::elementTypeRuns(parts.structure, parts.base),
                            parts.structure.totalElements()))
    return model::say(texts::kNotGenerated, parts.romanian);
  if (auto fault = nonFiniteCoordinate(parts.structure.nodeCoords, parts.structure.totalNodes(),
                                       parts.romanian))
    return fault;
  if (auto fault = nonFiniteArea(parts.types, parts.romanian)) return fault;
  return endNodeOutOfRange(parts);
}

ExportedStructure exportedStructure(const ExportParts& parts) {
  ExportedStructure structure;
  structure.coords = parts.structure.nodeCoords.data();
  structure.stride = parts.structure.nodeCoords.columns();
  structure.dimensions = std::clamp(parts.with.dofPerNode, 0, 3);
  structure.nodes = parts.structure.totalNodes();
  structure.start = parts.structure.elemStart.data();
  structure.end = parts.structure.elemEnd.data();
  structure.elements = parts.structure.totalElements();
  for (const structure::ElementRun& run : structure::elementTypeRuns(parts.structure, parts.base))
    if (run.last >= run.first) structure.runs.push_back(run);
  for (const structure::NodeRange& range :
       structure::blockedNodeRanges(parts.structure, parts.with)) {
    const structure::NodeRange inside{std::max<std::int64_t>(range.first, 1),
                                      std::min<std::int64_t>(range.last, structure.nodes)};
    if (inside.last >= inside.first) structure.blocked.push_back(inside);
  }
  for (int type = 1; type <= model::kKindCount; ++type)
    structure.typeAreas[static_cast<std::size_t>(type - 1)] = parts.types.typeArea(type);
  structure.romanian = parts.romanian;
  return structure;
}

TypeCursor::TypeCursor(const std::vector<structure::ElementRun>& runs, std::int64_t firstElement)
    : runs_(runs) {
  const auto run = std::lower_bound(
      runs.begin(), runs.end(), firstElement,
      [](const structure::ElementRun& r, std::int64_t element) { return r.last < element; });
  at_ = static_cast<std::size_t>(run - runs.begin());
}

bool writeRecords(TextFileOutput& out, std::int64_t count, std::size_t maxChars,
                  const Formatter& format, model::ProgressMeter& meter) {
  std::int64_t reported = 0;
  return writeRecordsInOrder(out, count, maxChars, format, [&](std::int64_t done) {
    const bool goOn = meter.add(done - reported);
    reported = done;
    return goOn;
  });
}

model::Outcome writeExport(
    const ExportParts& parts, std::string_view path, model::Progress* progress, StagedFiles* staged,
    const std::function<bool(TextFileOutput&, const ExportedStructure&, model::Progress*)>& body) {
  if (auto refusal = refusalToExport(parts)) return model::Outcome::failure(*refusal);
  try {
    const ExportedStructure structure = exportedStructure(parts);
    TextFileOutput out{std::string(path), parts.romanian, staged};
    if (!out.open()) return out.finish();
    if (!body(out, structure, progress)) {
      if (out.failed()) return out.finish();
      out.abandon();
      return out.cancelled();
    }
    return out.finish();
  } catch (const std::bad_alloc&) {
    return refusedWrite(path, notEnoughMemory(parts.romanian), parts.romanian);
  }
}

}  // namespace exports

namespace {

// A type name as one line of a file shows it.
std::string shownTypeName(const model::ElementTypes& types, int type) {
  std::string name(model::trimLeft(model::trimRight(types.typeName(type))));
  model::blankControls(name);
  return name;
}

std::string lowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::array<std::string, model::kKindCount> mshGroupNames(const model::ElementTypes& types,
                                                         bool romanian) {
  std::array<std::string, model::kKindCount> names;
  for (int type = 1; type <= model::kKindCount; ++type) {
    std::string name = shownTypeName(types, type);
    std::replace(name.begin(), name.end(), '"', '\'');
    const std::string number = std::to_string(type);
    if (name.empty()) name = model::say(texts::kUnnamedType, romanian, {number});
    const auto earlier = names.begin() + (type - 1);
    if (std::find(names.begin(), earlier, name) != earlier)
      name += " (" + model::say(texts::kUnnamedType, romanian, {number}) + ")";
    names[static_cast<std::size_t>(type - 1)] = name;
  }
  return names;
}

std::array<std::string, model::kKindCount> dxfLayerNames(const model::ElementTypes& types) {
  constexpr std::size_t kMaxLayerChars = 31;
  std::array<std::string, model::kKindCount> names;
  std::vector<std::string> taken = {"0"};  // lower case
  for (int type = 1; type <= model::kKindCount; ++type) {
    std::string name = shownTypeName(types, type);
    for (char& c : name) {
      const auto byte = static_cast<unsigned char>(c);
      if (byte >= 0x80 || !(std::isalnum(byte) || c == '_' || c == '-' || c == '$')) c = '_';
    }
    const std::string number = std::to_string(type);
    if (name.empty()) name = "TYPE_" + number;
    if (name.size() > kMaxLayerChars) name.resize(kMaxLayerChars);
    if (std::find(taken.begin(), taken.end(), lowerCase(name)) != taken.end())
      name = name.substr(0, kMaxLayerChars - 1 - number.size()) + "_" + number;
    taken.push_back(lowerCase(name));
    names[static_cast<std::size_t>(type - 1)] = name;
  }
  return names;
}

model::Outcome writeExportFile(ExportFormat format, const ExportParts& parts, std::string_view path,
                               model::Progress* progress, StagedFiles* staged) {
  switch (format) {
    case ExportFormat::kVtu:
      return writeVtuFile(parts, path, progress, staged);
    case ExportFormat::kMsh:
      return writeMshFile(parts, path, progress, staged);
    case ExportFormat::kDxf:
      break;
  }
  return writeDxfFile(parts, path, progress, staged);
}

std::string exportCreatedMessage(std::string_view path, bool romanian) {
  return model::say(texts::kStructureExported, romanian, {model::quotedText(path)});
}

std::uint64_t exportFileSizeBound(const ExportParts& parts, ExportFormat format) {
  constexpr std::uint64_t kFixedPart = 16384;
  const auto nodes =
      static_cast<std::uint64_t>(std::max<std::int64_t>(parts.structure.totalNodes(), 0));
  const auto elements =
      static_cast<std::uint64_t>(std::max<std::int64_t>(parts.structure.totalElements(), 0));
  const std::uint64_t whole = exports::kMaxWholeChars + 1;
  const std::uint64_t real = exports::kMaxRealChars + 1;
  const auto blockedBound =
      static_cast<std::uint64_t>(2 * std::max<std::int64_t>(parts.with.nodesInBase0, 0));
  switch (format) {
    case ExportFormat::kVtu:
      // Points, node numbers, flags; connectivity, offsets, types, the four cell arrays.
      return kFixedPart + nodes * (3 * real + whole + 2) + elements * (6 * whole + 4 + real);
    case ExportFormat::kMsh:
      // A node's tag and coordinates, an element's line; a blocked node has
      // an entity, a node block and a point element of its own as well.
      return kFixedPart + model::kKindCount * 256 + nodes * (2 * whole + 3 * real) +
             elements * 3 * whole + blockedBound * 256;
    case ExportFormat::kDxf:
      break;
  }
  // A LINE: its group codes, the layer and six coordinates.
  return kFixedPart + model::kKindCount * 128 + elements * (9 * 4 + 5 + 32 + 6 * real);
}

}  // namespace zentrix::files
