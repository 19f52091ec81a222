#include "files/blocked_nodes.h"

namespace zentrix::files {

// The inputs are the structure's own (see `GeneratedWith`), so the supports
// follow the numbering the nodes really have.
std::vector<NodeRange> blockedNodeRanges(const model::Structure& structure,
                                         const model::GeneratedWith& with) {
  const std::int64_t n = structure.totalNodes();
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

NodeRange baseModuleBlockedNodes(const model::BaseModule& base) {
  return {1, base.nodesInBase0};
}

}  // namespace zentrix::files
