#include "files/structure_ranges.h"

namespace zentrix::files {

// Where the Base 0 nodes sit depends on whether they were renumbered to the end.
std::vector<NodeRange> blockedNodeRanges(const model::Model& model) {
  const model::GeneratedWith with = model::structureInputs(model);
  const std::int64_t n = model.totalNodes;
  const std::int64_t k = with.nodesInBase0;
  const bool arch = with.expansionType == model::kArch;
  std::vector<NodeRange> ranges;
  if (with.lastNodesInBase0) {
    ranges.push_back({n - k + 1, n});
    if (arch) ranges.push_back({n - 2 * k + 1, n - k});
  } else {
    ranges.push_back({1, k});
    if (arch) ranges.push_back({n - k + 1, n});
  }
  return ranges;
}

std::int64_t firstBase0ModuleElement(const model::Model& model) {
  return model.kindCount[4] != 0 ? model.kindCount[4] : model.kindCount[3];
}

std::vector<ElementRun> elementTypeRuns(const model::Model& model) {
  std::vector<ElementRun> runs;
  for (int kind = 1; kind <= model::kKindCount; ++kind)
    runs.push_back({std::int64_t{model.kindEnd[kind - 1]} + 1, model.kindEnd[kind], kind});
  // The Base 0 elements follow the last kind block, once, in their order.
  const std::int64_t lastKindElement = model.kindEnd[4] != 0 ? model.kindEnd[4] : model.kindEnd[3];
  std::int64_t number = lastKindElement;
  for (std::int64_t s = firstBase0ModuleElement(model) + 1; s <= model.baseElementCount; ++s) {
    ++number;
    runs.push_back({number, number, model.elemKind(s)});
  }
  return runs;
}

bool structureIsComplete(const model::Model& model) {
  if (model.totalNodes < 0 || model.totalElements < 0 || model.baseElementCount < 0) return false;
  if (model.nodeCoords.rows() < model.totalNodes) return false;
  if (model.totalNodes > 0 && model.nodeCoords.columns() < model::structureInputs(model).dofPerNode)
    return false;
  if (model.elemStart.count() < model.totalElements || model.elemEnd.count() < model.totalElements)
    return false;
  for (std::int64_t s = firstBase0ModuleElement(model) + 1; s <= model.baseElementCount; ++s) {
    if (s < 1 || s > model.elemKind.count()) return false;
    if (model.elemKind(s) < 1 || model.elemKind(s) > model::kKindCount) return false;
  }
  return true;
}

}  // namespace zentrix::files
