#include "structure/blocked_nodes.h"

#include <algorithm>

namespace zentrix::structure {

// The inputs are the structure's own (see `GeneratedWith`), so the supports
// follow the numbering the nodes really have.
std::vector<NodeRange> blockedNodeRanges(std::int64_t totalNodes,
                                         const model::GeneratedWith& with) {
  const std::int64_t n = totalNodes;
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

std::int64_t blockedNodeCount(std::int64_t totalNodes, const model::GeneratedWith& with) {
  std::vector<NodeRange> inside;
  for (const NodeRange& range : blockedNodeRanges(totalNodes, with)) {
    const NodeRange clipped{std::max<std::int64_t>(range.first, 1),
                            std::min(range.last, totalNodes)};
    if (clipped.first <= clipped.last) inside.push_back(clipped);
  }
  std::sort(inside.begin(), inside.end(),
            [](const NodeRange& a, const NodeRange& b) { return a.first < b.first; });
  std::int64_t count = 0;
  std::int64_t counted = 0;  // the last node counted so far
  for (const NodeRange& range : inside) {
    const std::int64_t first = std::max(range.first, counted + 1);
    if (range.last >= first) count += range.last - first + 1;
    counted = std::max(counted, range.last);
  }
  return count;
}

NodeRange baseModuleBlockedNodes(const model::BaseModule& base) {
  return {1, base.nodesInBase0};
}

}  // namespace zentrix::structure
