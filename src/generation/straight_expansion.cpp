#include "generation/straight_expansion.h"

#include <cstdint>
#include <vector>

namespace zentrix::generation {

namespace {

using model::CoordinateTable;
using model::Model;

// Base module node `node` (1-based), row of the Base module's table.
const float* baseRow(const InputParts& inputs, std::int64_t node) {
  return inputs.base.baseCoords.data() + (node - 1) * inputs.base.baseCoords.columns();
}

// The Base module nodes lying off Base 0 along the expansion axis, in node
// order: the nodes every module copies. A convention-following Base module
// gives N0+1 ... N0+N1. Slots beyond the nodes found stay 0; nodes beyond
// N1 slots are left out, since every module has room for N1 nodes only.
std::vector<std::int64_t> farEndNodes(const InputParts& inputs, const StructureCounts& counts) {
  std::vector<std::int64_t> farEnd(static_cast<std::size_t>(counts.base1Nodes), 0);
  std::size_t found = 0;
  const int axis = counts.direction - 1;
  for (std::int64_t node = 1; node <= counts.baseNodes && found < farEnd.size(); ++node) {
    const float along = baseRow(inputs, node)[axis];
    if (!(along == 0.0f)) farEnd[found++] = node;  // a NaN counts as off Base 0
  }
  return farEnd;
}

bool replicateModules(const InputParts& inputs, const StructureCounts& counts,
                      CoordinateTable& coords, WorkMeter& meter) {
  const std::vector<std::int64_t> farEnd = farEndNodes(inputs, counts);
  const int columns = counts.coordinates;
  const int axis = counts.direction - 1;
  const float length = inputs.expansion.moduleLength;
  float* out = coords.data();
  for (std::int64_t k = 2; k <= counts.modules; ++k) {
    const float shift = static_cast<float>(k - 1) * length;
    float* row = out + (counts.base0Nodes + (k - 1) * counts.base1Nodes) * columns;
    for (const std::int64_t node : farEnd) {
      if (node != 0) {
        const float* from = baseRow(inputs, node);
        for (int c = 0; c < columns; ++c) row[c] = from[c];
        row[axis] = from[axis] + shift;
      }
      row += columns;
    }
    if (!meter.add(counts.base1Nodes)) return false;
  }
  return true;
}

// Every module moves its far end a further (1 - r) of the Base 1 node's
// distance from the vertex foot towards it: a straight taper.
bool taperToVertexFoot(const InputParts& inputs, const StructureCounts& counts,
                       CoordinateTable& coords, WorkMeter& meter) {
  const int columns = counts.coordinates;
  const int axis = counts.direction - 1;
  const float keep = 1.0f - inputs.expansion.pyramidShrinkRatio;
  const std::int64_t far = counts.base1Nodes;
  std::vector<float> step(static_cast<std::size_t>(far * columns), 0.0f);
  for (std::int64_t j = 1; j <= far; ++j) {
    const float* base = baseRow(inputs, counts.base0Nodes + j);
    for (int c = 0; c < columns; ++c)
      if (c != axis)
        step[static_cast<std::size_t>((j - 1) * columns + c)] =
            (inputs.expansion.vertexFoot[static_cast<std::size_t>(c)] - base[c]) * keep;
  }
  float* out = coords.data();
  for (std::int64_t k = 1; k <= counts.modules; ++k) {
    const float times = static_cast<float>(k);
    float* row = out + (counts.base0Nodes + (k - 1) * counts.base1Nodes) * columns;
    const float* stepRow = step.data();
    for (std::int64_t j = 1; j <= far; ++j) {
      const float* base = baseRow(inputs, counts.base0Nodes + j);
      for (int c = 0; c < columns; ++c)
        if (c != axis) row[c] = stepRow[c] * times + base[c];
      row += columns;
      stepRow += columns;
    }
    if (!meter.add(far)) return false;
  }
  return true;
}

// Module k scales its far end's coordinate along the shrink axis by
// 1 - k (1 - s), about the coordinate origin.
bool shrinkAlongOneAxis(const InputParts& inputs, const StructureCounts& counts,
                        CoordinateTable& coords, WorkMeter& meter) {
  const int columns = counts.coordinates;
  const int axis = inputs.expansion.shrinkDirectionIndex() - 1;
  const float loss = 1.0f - inputs.expansion.shrinkRatio;
  float* out = coords.data();
  for (std::int64_t k = 1; k <= counts.modules; ++k) {
    const float factor = static_cast<float>(k) * loss;
    float* value = out + (counts.base0Nodes + (k - 1) * counts.base1Nodes) * columns + axis;
    for (std::int64_t j = 1; j <= counts.base1Nodes; ++j, value += columns) {
      const float x = *value;
      *value = x - factor * x;
    }
    if (!meter.add(counts.base1Nodes)) return false;
  }
  return true;
}

}  // namespace

void copyBaseModule(const InputParts& inputs, const StructureCounts& counts,
                    CoordinateTable& coords) {
  const int columns = counts.coordinates;
  float* row = coords.data();
  for (std::int64_t node = 1; node <= counts.baseNodes; ++node, row += columns) {
    const float* from = baseRow(inputs, node);
    for (int c = 0; c < columns; ++c) row[c] = from[c];
  }
}

bool expandStraight(const InputParts& inputs, const StructureCounts& counts,
                    CoordinateTable& coords, WorkMeter& meter) {
  if (!replicateModules(inputs, counts, coords, meter)) return false;
  if (counts.base1Nodes == 0) return true;
  if (inputs.expansion.expansionType == model::kPyramidal)
    return taperToVertexFoot(inputs, counts, coords, meter);
  if (inputs.expansion.expansionType == model::kOneDirectionShrink)
    return shrinkAlongOneAxis(inputs, counts, coords, meter);
  return true;
}

}  // namespace zentrix::generation
