#include "structure/structure_ranges.h"

#include "structure/element_type_blocks.h"

namespace zentrix::structure {

// Where the Base 0 nodes sit depends on whether they were renumbered to the end.
std::int64_t firstBase0ModuleElement(const model::Structure& structure) {
  return structure.kindCount[4] != 0 ? structure.kindCount[4] : structure.kindCount[3];
}

std::vector<ElementRun> elementTypeRuns(const model::Structure& structure,
                                        const model::BaseModule& base) {
  const ElementTypeBlocks blocks = elementTypeBlocks(structure, base);
  std::vector<ElementRun> runs;
  for (int kind = 1; kind <= model::kKindCount; ++kind)
    runs.push_back({blocks.kindEnd[kind - 1] + 1, blocks.kindEnd[kind], kind});
  // The Base 0 elements follow the last kind block, once, in their order.
  std::int64_t number = blocks.lastKindElement;
  for (const int type : blocks.base0Types) {
    ++number;
    runs.push_back({number, number, type});
  }
  return runs;
}

bool structureIsComplete(const model::Structure& structure, const model::BaseModule& base,
                         const model::GeneratedWith& with) {
  if (base.baseElementCount < 0) return false;
  if (structure.totalNodes() > 0 && structure.nodeCoords.columns() < with.dofPerNode) return false;
  if (structure.elemEnd.count() < structure.totalElements()) return false;
  for (std::int64_t s = firstBase0ModuleElement(structure) + 1; s <= base.baseElementCount; ++s) {
    if (s < 1 || s > structure.elemKind.count()) return false;
    if (structure.elemKind(s) < 1 || structure.elemKind(s) > model::kKindCount) return false;
  }
  return true;
}

}  // namespace zentrix::structure
