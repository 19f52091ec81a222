#include "structure/element_type_blocks.h"

#include "structure/structure_ranges.h"

namespace zentrix::structure {

ElementTypeBlocks elementTypeBlocks(const model::Structure& structure,
                                    const model::BaseModule& base) {
  ElementTypeBlocks blocks;
  for (int kind = 0; kind <= model::kKindCount; ++kind)
    blocks.kindEnd[static_cast<std::size_t>(kind)] =
        structure.kindEnd[static_cast<std::size_t>(kind)];
  // An empty last kind block leaves kindEnd(4) at 0 in a structure of one
  // module less; the Base 0 elements then follow the kind-3 block.
  const std::int64_t firstBase0 = firstBase0ModuleElement(structure);
  blocks.lastKindElement = structure.kindEnd[4] != 0 ? structure.kindEnd[4] : structure.kindEnd[3];
  for (std::int64_t s = firstBase0 + 1; s <= base.baseElementCount; ++s) {
    const bool known = s >= 1 && s <= structure.elemKind.count() && structure.elemKind(s) >= 1 &&
                       structure.elemKind(s) <= model::kKindCount;
    blocks.base0Types.push_back(known ? structure.elemKind(s) : 0);
  }
  return blocks;
}

}  // namespace zentrix::structure
