// The element step: every Base module element gets a kind (1 longitudinal,
// 2 transversal, 3 diagonal, 4 transversal diagonal) from its direction
// relative to the expansion axis; the module elements are copied into every
// module in kind blocks (kind 1 of modules 1 ... m, then kind 2, ...), and the
// Base 0 elements follow once. The Base module elements are taken by
// position: the first kindCount(1) as kind 1, the next as kind 2, and so on,
// the last ones (both ends in Base 0) as the Base 0 elements.
//
// An element's end node moves by N1 per module when it counts as a Base 1
// node; a Base 0 node of module k >= 2 is Base 1 node of module k - 1, so it
// moves by N0 + (k - 2) N1. Expects end nodes in 1 ... N0+N1.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "generation/structure_counts.h"
#include "generation/work_meter.h"
#include "model/model.h"

namespace zentrix::generation {

using KindTable = std::array<std::int32_t, model::kKindCount + 1>;

// Kinds of the Base module elements in their stored order (entry 0 is element 1).
std::vector<std::int32_t> classifyBaseElements(const InputParts& inputs,
                                               const StructureCounts& counts);

// kindCount(k): how many of the first ne - o elements have a kind 1 ... k.
KindTable countKinds(const std::vector<std::int32_t>& kinds, const StructureCounts& counts);

// A copy of a Base module element that would reach beyond the structure's
// nodes, which happens when Base 0 holds more nodes than Base 1.
struct EndNodeBeyond {
  std::int64_t element = 0;  // Base module element
  std::int64_t module = 0;
  std::int64_t node = 0;
};
std::optional<EndNodeBeyond> firstEndNodeBeyond(const InputParts& inputs,
                                                const StructureCounts& counts,
                                                const KindTable& kindCount);

// Writes all `totalElements` end nodes and returns kindEnd (kindEnd(4) + o
// is the total); nullopt when cancelled.
std::optional<KindTable> replicateElements(const InputParts& inputs, const StructureCounts& counts,
                                           const KindTable& kindCount, std::int32_t* start,
                                           std::int32_t* end, WorkMeter& meter);

// Moves the first module's Base 0 nodes to the end of the numbering: node
// n > N0 becomes n - N0, node i <= N0 becomes T - N0 + i; coordinates and
// end nodes change in place. False when cancelled (then partly renumbered).
bool renumberBase0Last(const StructureCounts& counts, model::CoordinateTable& coords,
                       std::int32_t* start, std::int32_t* end, WorkMeter& meter);

// The number a node gets from the renumbering above.
std::int64_t renumberedNode(const StructureCounts& counts, std::int64_t node);

}  // namespace zentrix::generation
