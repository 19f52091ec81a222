#include "generation/structure_counts.h"

#include <algorithm>

namespace zentrix::generation {

StructureCounts countStructure(const model::Model& model, int direction) {
  StructureCounts counts;
  counts.base0Nodes = model.base.nodesInBase0;
  counts.base1Nodes = model.base.nodesInBase1;
  counts.baseNodes = counts.base0Nodes + counts.base1Nodes;
  counts.modules = model.expansion.moduleCount;
  counts.baseElements = model.base.baseElementCount;
  counts.coordinates = model.base.dofPerNode;
  counts.direction = direction;

  const std::int64_t stored =
      std::min(model.base.baseElemStart.count(), model.base.baseElemEnd.count());
  const std::int64_t readable = std::clamp<std::int64_t>(counts.baseElements, 0, stored);
  const std::int32_t* start = model.base.baseElemStart.data();
  const std::int32_t* end = model.base.baseElemEnd.data();
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

bool topologyComplete(const model::Model& model) {
  return model.base.baseElemStart.count() >= model.base.baseElementCount &&
         model.base.baseElemEnd.count() >= model.base.baseElementCount;
}

}  // namespace zentrix::generation
