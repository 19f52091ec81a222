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

inline model::Model sampleModel(const SampleShape& shape) {
  model::Model m;
  m.romanian = shape.romanian;
  model::setStartValues(m);
  m.problemTitle = model::say({"Truss bridge, first try", "Pod din zabrele"}, shape.romanian);
  m.dofPerNode = shape.dofPerNode;
  m.nodesInBase0 = shape.dofPerNode == 3 ? 5 : 3;
  m.nodesInBase1 = m.nodesInBase0;
  m.baseNodeCount = m.nodesInBase0 + m.nodesInBase1;
  m.baseCoords.rebuild(m.baseNodeCount, m.dofPerNode);
  std::size_t next = 0;
  for (int node = 1; node <= m.baseNodeCount; ++node)
    for (int axis = 1; axis <= m.dofPerNode; ++axis)
      m.baseCoords(node, axis) = kAwkwardReals[next++ % kAwkwardReals.size()];

  m.expansionDirection = shape.expansionType == model::kOneDirectionShrink ? 'x' : 'Y';
  m.directionIndex = model::axisNumber(m.expansionDirection);
  m.moduleCount = 4;
  m.moduleLength = 2.5f;
  m.expansionType = shape.expansionType;
  m.loadedExpansionType = shape.expansionType;
  if (shape.expansionType == model::kPyramidal) {
    m.pyramidShrinkRatio = 0.8f;
    m.vertexFoot = {10.0f, -0.75f, shape.dofPerNode == 3 ? 1.0e9f : 0.0f};
  } else if (shape.expansionType == model::kOneDirectionShrink) {
    m.shrinkRatio = 0.125f;
    m.shrinkDirection = 'z';
    m.shrinkDirectionIndex = 3;
  } else if (shape.expansionType == model::kArch) {
    m.archKind = model::kParabolicArch;
    m.halfSpan = 30.0f;
    m.archHeight = 7.5f;
  }

  m.baseElementCount = m.nodesInBase0 + 2;
  m.baseElemStart.rebuild(m.baseElementCount);
  m.baseElemEnd.rebuild(m.baseElementCount);
  for (int element = 1; element <= m.baseElementCount; ++element) {
    m.baseElemStart(element) = element;
    m.baseElemEnd(element) = element % m.baseNodeCount + 1;
  }
  model::startNewElementTypes(m);
  m.typeArea(3) = 0.0025f;

  if (shape.generated) {
    m.totalNodes = m.nodesInBase0 + m.moduleCount * m.nodesInBase1;
    m.nodeCoords.rebuild(m.totalNodes, m.dofPerNode);
    for (int node = 1; node <= m.totalNodes; ++node) {
      m.nodeCoords(node, 1) = static_cast<float>(node) * 0.5f;
      m.nodeCoords(node, 2) = node % 2 == 0 ? -1.25f : 0.0f;
      if (m.dofPerNode == 3) m.nodeCoords(node, 3) = static_cast<float>(node % 3);
    }
    m.base0ElementCount = 2;
    m.moduleElementCount = m.baseElementCount - 2;
    m.totalElements = m.base0ElementCount + m.moduleCount * m.moduleElementCount;
    m.elemStart.rebuild(m.totalElements);
    m.elemEnd.rebuild(m.totalElements);
    for (int element = 1; element <= m.totalElements; ++element) {
      m.elemStart(element) = element;
      m.elemEnd(element) = element % m.totalNodes + 1;
    }
  }
  return m;
}

}  // namespace zentrix::testing
