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
bool runsCoverTheElements(const std::vector<ElementRun>& runs, std::int64_t elements) {
  std::int64_t next = 1;
  for (const ElementRun& run : runs) {
    if (run.last < run.first) continue;
    if (run.first != next) return false;
    next = run.last + 1;
  }
  return next == elements + 1;
}

std::optional<std::string> endNodeOutOfRange(const model::Model& model) {
  const std::int64_t nodes = model.structure.totalNodes();
  const std::int32_t* starts = model.structure.elemStart.data();
  const std::int32_t* ends = model.structure.elemEnd.data();
  for (std::int64_t e = 0; e < model.structure.totalElements(); ++e) {
    for (const std::int32_t node : {starts[e], ends[e]}) {
      if (node >= 1 && node <= nodes) continue;
      return model::say(texts::kEndNodeOutOfRange, model.romanian,
                        {std::to_string(e + 1), std::to_string(node), std::to_string(nodes)}) +
             model::say(texts::kNotWritten, model.romanian);
    }
  }
  return std::nullopt;
}

}  // namespace

std::vector<std::int64_t> ExportedStructure::blockedNodes() const {
  std::vector<std::int64_t> list;
  for (const NodeRange& range : blocked)
    for (std::int64_t node = range.first; node <= range.last; ++node) list.push_back(node);
  std::sort(list.begin(), list.end());
  list.erase(std::unique(list.begin(), list.end()), list.end());
  return list;
}

std::optional<std::string> refusalToExport(const model::Model& model) {
  if (!structureIsComplete(model.structure, model.base, model::structureInputs(model)) ||
      !runsCoverTheElements(elementTypeRuns(model.structure, model.base),
                            model.structure.totalElements()))
    return model::say(texts::kNotGenerated, model.romanian);
  if (auto fault = nonFiniteCoordinate(model.structure.nodeCoords, model.structure.totalNodes(),
                                       model.romanian))
    return fault;
  if (auto fault = nonFiniteArea(model.types, model.romanian)) return fault;
  return endNodeOutOfRange(model);
}

ExportedStructure exportedStructure(const model::Model& model) {
  ExportedStructure structure;
  structure.coords = model.structure.nodeCoords.data();
  structure.stride = model.structure.nodeCoords.columns();
  structure.dimensions = std::clamp(model::structureInputs(model).dofPerNode, 0, 3);
  structure.nodes = model.structure.totalNodes();
  structure.start = model.structure.elemStart.data();
  structure.end = model.structure.elemEnd.data();
  structure.elements = model.structure.totalElements();
  for (const ElementRun& run : elementTypeRuns(model.structure, model.base))
    if (run.last >= run.first) structure.runs.push_back(run);
  for (const NodeRange& range : blockedNodeRanges(model.structure, model::structureInputs(model))) {
    const NodeRange inside{std::max<std::int64_t>(range.first, 1),
                           std::min<std::int64_t>(range.last, structure.nodes)};
    if (inside.last >= inside.first) structure.blocked.push_back(inside);
  }
  for (int type = 1; type <= model::kKindCount; ++type)
    structure.typeAreas[static_cast<std::size_t>(type - 1)] = model.types.typeArea(type);
  structure.romanian = model.romanian;
  return structure;
}

TypeCursor::TypeCursor(const std::vector<ElementRun>& runs, std::int64_t firstElement)
    : runs_(runs) {
  const auto run =
      std::lower_bound(runs.begin(), runs.end(), firstElement,
                       [](const ElementRun& r, std::int64_t element) { return r.last < element; });
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
    const model::Model& model, std::string_view path, model::Progress* progress,
    StagedFiles* staged,
    const std::function<bool(TextFileOutput&, const ExportedStructure&, model::Progress*)>& body) {
  if (auto refusal = refusalToExport(model)) return model::Outcome::failure(*refusal);
  try {
    const ExportedStructure structure = exportedStructure(model);
    TextFileOutput out{std::string(path), model.romanian, staged};
    if (!out.open()) return out.finish();
    if (!body(out, structure, progress)) {
      if (out.failed()) return out.finish();
      out.abandon();
      return out.cancelled();
    }
    return out.finish();
  } catch (const std::bad_alloc&) {
    return refusedWrite(path, notEnoughMemory(model.romanian), model.romanian);
  }
}

}  // namespace exports

namespace {

// A type name as one line of a file shows it.
std::string shownTypeName(const model::Model& model, int type) {
  std::string name(model::trimLeft(model::trimRight(model.types.typeName(type))));
  model::blankControls(name);
  return name;
}

std::string lowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::array<std::string, model::kKindCount> mshGroupNames(const model::Model& model) {
  std::array<std::string, model::kKindCount> names;
  for (int type = 1; type <= model::kKindCount; ++type) {
    std::string name = shownTypeName(model, type);
    std::replace(name.begin(), name.end(), '"', '\'');
    const std::string number = std::to_string(type);
    if (name.empty()) name = model::say(texts::kUnnamedType, model.romanian, {number});
    const auto earlier = names.begin() + (type - 1);
    if (std::find(names.begin(), earlier, name) != earlier)
      name += " (" + model::say(texts::kUnnamedType, model.romanian, {number}) + ")";
    names[static_cast<std::size_t>(type - 1)] = name;
  }
  return names;
}

std::array<std::string, model::kKindCount> dxfLayerNames(const model::Model& model) {
  constexpr std::size_t kMaxLayerChars = 31;
  std::array<std::string, model::kKindCount> names;
  std::vector<std::string> taken = {"0"};  // lower case
  for (int type = 1; type <= model::kKindCount; ++type) {
    std::string name = shownTypeName(model, type);
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

model::Outcome writeExportFile(ExportFormat format, const model::Model& model,
                               std::string_view path, model::Progress* progress,
                               StagedFiles* staged) {
  switch (format) {
    case ExportFormat::kVtu:
      return writeVtuFile(model, path, progress, staged);
    case ExportFormat::kMsh:
      return writeMshFile(model, path, progress, staged);
    case ExportFormat::kDxf:
      break;
  }
  return writeDxfFile(model, path, progress, staged);
}

std::string exportCreatedMessage(std::string_view path, bool romanian) {
  std::string quoted(1, '"');
  quoted += model::escapedControls(path);
  quoted += '"';
  return model::say(texts::kStructureExported, romanian, {quoted});
}

std::uint64_t exportFileSizeBound(const model::Model& model, ExportFormat format) {
  constexpr std::uint64_t kFixedPart = 16384;
  const auto nodes =
      static_cast<std::uint64_t>(std::max<std::int64_t>(model.structure.totalNodes(), 0));
  const auto elements =
      static_cast<std::uint64_t>(std::max<std::int64_t>(model.structure.totalElements(), 0));
  const std::uint64_t whole = exports::kMaxWholeChars + 1;
  const std::uint64_t real = exports::kMaxRealChars + 1;
  const auto blockedBound = static_cast<std::uint64_t>(
      2 * std::max<std::int64_t>(model::structureInputs(model).nodesInBase0, 0));
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
