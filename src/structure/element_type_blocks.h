// The element type of every element of a generated structure, as the
// Geometry File's element data gives it: the elements come in one block per
// kind (type k is kind k), then the Base 0 elements, written once, each with
// the type of its Base module element. Writers and drawings take the types
// from here, so every file and picture agrees with the Geometry File.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/model.h"

namespace zentrix::structure {

struct ElementTypeBlocks {
  // kindEnd(k): the last element of the kind-k block (entry 0 is 0).
  std::array<std::int64_t, model::kKindCount + 1> kindEnd{};
  // The last element of the kind blocks; the Base 0 elements follow.
  std::int64_t lastKindElement = 0;
  // The type of element lastKindElement + i at entry i - 1.
  std::vector<std::int32_t> base0Types;

  // 1 ... 4, or 0 for a number in no block.
  int typeOf(std::int64_t element) const {
    for (int kind = 1; kind <= model::kKindCount; ++kind)
      if (element > kindEnd[static_cast<std::size_t>(kind - 1)] &&
          element <= kindEnd[static_cast<std::size_t>(kind)])
        return kind;
    const std::int64_t i = element - lastKindElement;
    if (i >= 1 && i <= static_cast<std::int64_t>(base0Types.size()))
      return base0Types[static_cast<std::size_t>(i - 1)];
    return 0;
  }
};

// The blocks of the model's generated structure. A Base 0 element whose
// Base module kind is missing or out of 1 ... 4 gets type 0.
ElementTypeBlocks elementTypeBlocks(const model::Structure& structure,
                                    const model::BaseModule& base);

}  // namespace zentrix::structure
