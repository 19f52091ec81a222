// Models for the file tests, filled by hand: a Base module with awkward
// reals, every expansion type, and optionally a generated structure (made
// up here; the writer only copies it).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/model.h"
#include "model/number_text.h"
#include "model/text.h"
#include "support/run_model.h"

namespace zentrix::testing {

// Reals at the edges of the written number forms.
inline constexpr std::array<float, 12> kAwkwardReals = {
    0.0f,   1.5f,          -2.25f,     0.05f,       1234567.0f, -0.1f,
    1e-30f, 3.4028235e38f, 0.3333333f, 12345678.0f, -9.99999f,  100.0f};

struct SampleShape {
  int dofPerNode = 2;
  int expansionType = model::kPrismatic;
  bool romanian = false;
  bool generated = true;
};

inline zentrix::testing::RunModel sampleModel(const SampleShape& shape) {
  zentrix::testing::RunModel m;
  m.romanian = shape.romanian;
  setStartValues(m);
  m.base.problemTitle = model::say({"Truss bridge, first try", "Pod din zabrele"}, shape.romanian);
  m.base.dofPerNode = shape.dofPerNode;
  m.base.nodesInBase0 = shape.dofPerNode == 3 ? 5 : 3;
  m.base.nodesInBase1 = m.base.nodesInBase0;
  m.base.baseCoords.rebuild(m.base.baseNodeCount(), m.base.dofPerNode);
  std::size_t next = 0;
  for (int node = 1; node <= m.base.baseNodeCount(); ++node)
    for (int axis = 1; axis <= m.base.dofPerNode; ++axis)
      m.base.baseCoords(node, axis) = kAwkwardReals[next++ % kAwkwardReals.size()];

  m.expansion.expansionDirection = shape.expansionType == model::kOneDirectionShrink ? 'x' : 'Y';
  m.expansion.moduleCount = 4;
  m.expansion.moduleLength = 2.5f;
  m.expansion.expansionType = shape.expansionType;
  if (shape.expansionType == model::kPyramidal) {
    m.expansion.pyramidShrinkRatio = 0.8f;
    m.expansion.vertexFoot = {10.0f, -0.75f, shape.dofPerNode == 3 ? 1.0e9f : 0.0f};
  } else if (shape.expansionType == model::kOneDirectionShrink) {
    m.expansion.shrinkRatio = 0.125f;
    m.expansion.shrinkDirection = 'z';
  } else if (shape.expansionType == model::kArch) {
    m.expansion.archKind = model::kParabolicArch;
    m.expansion.halfSpan = 30.0f;
    m.expansion.archHeight = 7.5f;
  }

  m.base.baseElementCount = m.base.nodesInBase0 + 2;
  m.base.baseElemStart.rebuild(m.base.baseElementCount);
  m.base.baseElemEnd.rebuild(m.base.baseElementCount);
  for (int element = 1; element <= m.base.baseElementCount; ++element) {
    m.base.baseElemStart(element) = element;
    m.base.baseElemEnd(element) = element % static_cast<int>(m.base.baseNodeCount()) + 1;
  }
  startNewElementTypes(m);
  m.types.typeArea(3) = 0.0025f;

  if (shape.generated) {
    m.structure.nodeCoords.rebuild(
        m.base.nodesInBase0 + m.expansion.moduleCount * m.base.nodesInBase1, m.base.dofPerNode);
    for (int node = 1; node <= m.structure.totalNodes(); ++node) {
      m.structure.nodeCoords(node, 1) = static_cast<float>(node) * 0.5f;
      m.structure.nodeCoords(node, 2) = node % 2 == 0 ? -1.25f : 0.0f;
      if (m.base.dofPerNode == 3) m.structure.nodeCoords(node, 3) = static_cast<float>(node % 3);
    }
    m.structure.base0ElementCount = 2;
    m.structure.moduleElementCount = m.base.baseElementCount - 2;
    const int totalElements =
        m.structure.base0ElementCount + m.expansion.moduleCount * m.structure.moduleElementCount;
    m.structure.elemStart.rebuild(totalElements);
    m.structure.elemEnd.rebuild(totalElements);
    for (int element = 1; element <= m.structure.totalElements(); ++element) {
      m.structure.elemStart(element) = element;
      m.structure.elemEnd(element) = element % m.structure.totalNodes() + 1;
    }
  }
  return m;
}

}  // namespace zentrix::testing
