#include "generation/structure_counts.h"

#include <algorithm>

namespace zentrix::generation {

StructureCounts countStructure(const InputParts& inputs, int direction) {
  StructureCounts counts;
  counts.base0Nodes = inputs.base.nodesInBase0;
  counts.base1Nodes = inputs.base.nodesInBase1;
  counts.baseNodes = counts.base0Nodes + counts.base1Nodes;
  counts.modules = inputs.expansion.moduleCount;
  counts.baseElements = inputs.base.baseElementCount;
  counts.coordinates = inputs.base.dofPerNode;
  counts.direction = direction;

  const std::int64_t stored =
      std::min(inputs.base.baseElemStart.count(), inputs.base.baseElemEnd.count());
  const std::int64_t readable = std::clamp<std::int64_t>(counts.baseElements, 0, stored);
  const std::int32_t* start = inputs.base.baseElemStart.data();
  const std::int32_t* end = inputs.base.baseElemEnd.data();
  std::int64_t base0 = 0;
  for (std::int64_t i = 0; i < readable; ++i)
    if (start[i] <= counts.base0Nodes && end[i] <= counts.base0Nodes) ++base0;
  // Elements without stored end nodes have the end nodes 0, both in Base 0.
  base0 += std::max<std::int64_t>(counts.baseElements - readable, 0);

  counts.base0Elements = base0;
  counts.moduleElements = counts.baseElements - base0;
  counts.totalNodes = counts.base0Nodes + counts.modules * counts.base1Nodes;
  counts.totalElements = base0 + counts.modules * counts.moduleElements;
  return counts;
}

bool topologyComplete(const InputParts& inputs) {
  return inputs.base.baseElemStart.count() >= inputs.base.baseElementCount &&
         inputs.base.baseElemEnd.count() >= inputs.base.baseElementCount;
}

}  // namespace zentrix::generation
