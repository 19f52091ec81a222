#include "truss_workload.h"

#include <array>
#include <stdexcept>

#include "generation/run.h"
#include "support/cube_topology.h"

namespace zentrix::bench {

model::Model trussWorkload(std::int32_t moduleCount) {
  model::Model m;
  model::setStartValues(m, false);
  m.base.problemTitle = "Benchmark truss";
  m.base.dofPerNode = 3;
  m.base.nodesInBase0 = 4;
  m.base.nodesInBase1 = 4;
  m.base.baseCoords.rebuild(8, 3);
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
    for (int axis = 1; axis <= 3; ++axis) m.base.baseCoords(node, axis) = nodes[node - 1][axis - 1];
  const auto elements = zentrix::testing::cubeBars(/*withBase0Frame=*/true);
  m.base.baseElementCount = static_cast<std::int32_t>(elements.size());
  m.base.baseElemStart.rebuild(m.base.baseElementCount);
  m.base.baseElemEnd.rebuild(m.base.baseElementCount);
  for (int element = 1; element <= m.base.baseElementCount; ++element) {
    m.base.baseElemStart(element) = elements[element - 1].first;
    m.base.baseElemEnd(element) = elements[element - 1].second;
  }
  m.expansion.expansionDirection = 'X';
  m.expansion.moduleCount = moduleCount;
  m.expansion.moduleLength = 2.0f;
  m.expansion.expansionType = model::kPrismatic;
  model::startNewElementTypes(m, false);
  return m;
}

void generateWorkload(model::Model& model) {
  generation::QuietCaller quiet;
  const model::Outcome generated =
      generation::runGenerate(model, false, generation::kYesQuietly, quiet);
  if (!generated) throw std::runtime_error("generate failed: " + generated.message);
}

}  // namespace zentrix::bench
