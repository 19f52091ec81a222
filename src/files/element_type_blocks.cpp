#include "files/element_type_blocks.h"

namespace zentrix::files {

ElementTypeBlocks elementTypeBlocks(const model::Model& model) {
  ElementTypeBlocks blocks;
  for (int kind = 0; kind <= model::kKindCount; ++kind)
    blocks.kindEnd[static_cast<std::size_t>(kind)] = model.kindEnd[static_cast<std::size_t>(kind)];
  // An empty last kind block leaves kindEnd(4) at 0 in a structure of one
  // module less; the Base 0 elements then follow the kind-3 block.
  const std::int64_t firstBase0 = model.kindCount[4] != 0 ? model.kindCount[4] : model.kindCount[3];
  blocks.lastKindElement = model.kindEnd[4] != 0 ? model.kindEnd[4] : model.kindEnd[3];
  for (std::int64_t s = firstBase0 + 1; s <= model.baseElementCount; ++s) {
    const bool known = s >= 1 && s <= model.elemKind.count() && model.elemKind(s) >= 1 &&
                       model.elemKind(s) <= model::kKindCount;
    blocks.base0Types.push_back(known ? model.elemKind(s) : 0);
  }
  return blocks;
}

}  // namespace zentrix::files
