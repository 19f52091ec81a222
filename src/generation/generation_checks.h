// What the generation refuses to work with, and the messages of the ways a
// run can end without a new structure. Every message is in the model's
// language and says what to change; nothing here changes the model.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "generation/structure_counts.h"
#include "model/model.h"

namespace zentrix::generation {

// The first reason why `model` cannot be generated with `direction` as the
// expansion axis, or nullopt. `memoryLimit` bounds the bytes the previous and
// the new structure may take together (0: no bound).
std::optional<std::string> inputRefusal(const model::Model& model, bool romanian, int direction,
                                        std::uint64_t memoryLimit);

// Bytes the generation allocates for a structure of these counts.
std::uint64_t bytesToGenerate(const StructureCounts& counts);

std::string cancelledMessage(bool romanian);
std::string outOfMemoryMessage(bool romanian, const StructureCounts& counts);
// `node` in the numbering the user sees (after any renumbering), `axis` 1 ... 3.
std::string nonFiniteCoordinateMessage(bool romanian, std::int64_t node, int axis);

}  // namespace zentrix::generation
