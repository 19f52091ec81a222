// The supports the Geometry Files write as "Blocked Nodes": which node
// numbers are blocked, derived from the inputs a structure was generated
// with. The writers, the exports, the model check and the structure's
// drawing take them from here, so a picture and a check count exactly the
// nodes the file blocks.
#pragma once

#include <cstdint>
#include <vector>

#include "model/model.h"

namespace zentrix::structure {

// Nodes first ... last, both 1-based and included.
struct NodeRange {
  std::int64_t first = 0;
  std::int64_t last = 0;
  friend bool operator==(const NodeRange&, const NodeRange&) = default;
};

// The blocked ranges of the generated structure: the first module's Base 0
// and, for an arch, the last section as well, where the renumbering of the
// Base 0 nodes put them. One range, or two for an arch.
std::vector<NodeRange> blockedNodeRanges(std::int64_t totalNodes, const model::GeneratedWith& with);
inline std::vector<NodeRange> blockedNodeRanges(const model::Structure& structure,
                                                const model::GeneratedWith& with) {
  return blockedNodeRanges(structure.totalNodes(), with);
}

// The nodes of 1 ... totalNodes the ranges block, each counted once.
std::int64_t blockedNodeCount(std::int64_t totalNodes, const model::GeneratedWith& with);

// The Base module's supports: its Base 0 nodes 1 to K, whatever the
// expansion.
NodeRange baseModuleBlockedNodes(const model::BaseModule& base);

}  // namespace zentrix::structure
