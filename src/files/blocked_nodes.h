// The supports the Geometry Files write as "Blocked Nodes": which node
// numbers are blocked, derived from the inputs a structure was generated
// with. The writers and the structure's drawing take them from here, so a
// picture marks exactly the nodes the file blocks.
#pragma once

#include <cstdint>
#include <vector>

#include "model/model.h"

namespace zentrix::files {

// Nodes first ... last, both 1-based and included.
struct NodeRange {
  std::int64_t first = 0;
  std::int64_t last = 0;
  friend bool operator==(const NodeRange&, const NodeRange&) = default;
};

// The blocked ranges of the generated structure: the first module's Base 0
// and, for an arch, the last section as well, where the renumbering of the
// Base 0 nodes put them. One range, or two for an arch.
std::vector<NodeRange> blockedNodeRanges(const model::Structure& structure,
                                         const model::GeneratedWith& with);

// The Base module's supports: its Base 0 nodes 1 to K, whatever the
// expansion.
NodeRange baseModuleBlockedNodes(const model::BaseModule& base);

}  // namespace zentrix::files
