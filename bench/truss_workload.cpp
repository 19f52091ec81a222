#include "truss_workload.h"

#include <array>

#include "support/cube_topology.h"

namespace zentrix::bench {

model::Model trussWorkload(std::int32_t moduleCount) {
  model::Model m;
  m.romanian = false;
  model::setStartValues(m);
  m.problemTitle = "Benchmark truss";
  m.dofPerNode = 3;
  m.nodesInBase0 = 4;
  m.nodesInBase1 = 4;
  m.baseNodeCount = 8;
  m.baseCoords.rebuild(8, 3);
  // Base 0 at x = 0, Base 1 at x = 2; a 1.5 x 1.2 cross-section.
  const std::array<std::array<float, 3>, 8> nodes = {{{0, 0, 0},
                                                      {0, 1.5f, 0},
                                                      {0, 1.5f, 1.2f},
                                                      {0, 0, 1.2f},
                                                      {2, 0, 0},
                                                      {2, 1.5f, 0},
                                                      {2, 1.5f, 1.2f},
                                                      {2, 0, 1.2f}}};
  for (int node = 1; node <= 8; ++node)
    for (int axis = 1; axis <= 3; ++axis) m.baseCoords(node, axis) = nodes[node - 1][axis - 1];
  const auto elements = zentrix::testing::cubeBars(/*withBase0Frame=*/true);
  m.baseElementCount = static_cast<std::int32_t>(elements.size());
  m.baseElemStart.rebuild(m.baseElementCount);
  m.baseElemEnd.rebuild(m.baseElementCount);
  for (int element = 1; element <= m.baseElementCount; ++element) {
    m.baseElemStart(element) = elements[element - 1].first;
    m.baseElemEnd(element) = elements[element - 1].second;
  }
  m.expansionDirection = 'X';
  m.directionIndex = 1;
  m.moduleCount = moduleCount;
  m.moduleLength = 2.0f;
  m.expansionType = model::kPrismatic;
  model::startNewElementTypes(m);
  return m;
}

}  // namespace zentrix::bench
