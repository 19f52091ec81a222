// Models for tests, built from named values instead of field by field:
//
//   const model::Model m = testing::buildModel({
//       .dofPerNode = 2,
//       .nodesInBase0 = 2,
//       .nodesInBase1 = 2,
//       .nodes = {{0, 0}, {0, 1}, {2, 0}, {2, 1}},
//       .elements = {{1, 3}, {2, 4}, {3, 4}, {1, 4}, {1, 2}},
//       .expansion = {.expansionDirection = 'X', .moduleCount = 3, .moduleLength = 2.0f,
//                     .expansionType = model::kPrismatic},
//   });
//
// Counts come from the lists (node and element counts), the direction index
// from the direction letter, and the element types are those of a new model
// unless given.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/model.h"
#include "model/number_text.h"
#include "support/run_model.h"

namespace zentrix::testing {

// One element of the Base module: its two end nodes.
struct EndNodes {
  std::int32_t start = 0;
  std::int32_t end = 0;
};

struct ModelDescription {
  bool romanian = false;
  std::string problemTitle{};
  std::int32_t dofPerNode = 2;
  std::int32_t nodesInBase0 = 0;
  std::int32_t nodesInBase1 = 0;
  std::vector<std::vector<float>> nodes{};  // node k is nodes[k - 1]
  std::vector<EndNodes> elements{};         // element k is elements[k - 1]
  bool lastNodesInBase0 = true;             // as in a new model
  model::Expansion expansion{};
  std::optional<model::ElementTypes> types{};  // a new model's when not given
};

inline RunModel buildModel(const ModelDescription& described) {
  RunModel m;
  m.romanian = described.romanian;
  setStartValues(m);
  m.base.problemTitle = described.problemTitle;
  m.base.dofPerNode = described.dofPerNode;
  m.base.nodesInBase0 = described.nodesInBase0;
  m.base.nodesInBase1 = described.nodesInBase1;
  m.base.lastNodesInBase0 = described.lastNodesInBase0;
  const auto nodes = static_cast<std::int64_t>(described.nodes.size());
  m.base.baseCoords.rebuild(nodes, m.base.dofPerNode);
  for (std::int64_t node = 1; node <= nodes; ++node) {
    const std::vector<float>& xyz = described.nodes[static_cast<std::size_t>(node - 1)];
    for (int axis = 1; axis <= m.base.dofPerNode && axis <= static_cast<int>(xyz.size()); ++axis)
      m.base.baseCoords(node, axis) = xyz[static_cast<std::size_t>(axis - 1)];
  }
  m.base.baseElementCount = static_cast<std::int32_t>(described.elements.size());
  m.base.baseElemStart.rebuild(m.base.baseElementCount);
  m.base.baseElemEnd.rebuild(m.base.baseElementCount);
  for (std::int64_t element = 1; element <= m.base.baseElementCount; ++element) {
    const EndNodes& ends = described.elements[static_cast<std::size_t>(element - 1)];
    m.base.baseElemStart(element) = ends.start;
    m.base.baseElemEnd(element) = ends.end;
  }
  m.expansion = described.expansion;
  if (described.types) {
    m.types = *described.types;
  } else {
    startNewElementTypes(m);
  }
  return m;
}

}  // namespace zentrix::testing
