// Base modules the generation tests share.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/model.h"
#include "model/number_text.h"
#include "support/cube_topology.h"
#include "support/model_builder.h"
#include "support/run_model.h"

namespace zentrix::generation::testing {

struct Bar {
  std::int32_t start;
  std::int32_t end;
};

inline void setCoordinates(zentrix::testing::RunModel& m,
                           const std::vector<std::vector<float>>& nodes) {
  m.base.baseCoords.rebuild(static_cast<std::int64_t>(nodes.size()), m.base.dofPerNode);
  for (std::size_t i = 0; i < nodes.size(); ++i)
    for (std::size_t c = 0; c < nodes[i].size(); ++c)
      m.base.baseCoords(static_cast<std::int64_t>(i + 1), static_cast<int>(c + 1)) = nodes[i][c];
}

inline void setTopology(zentrix::testing::RunModel& m, const std::vector<Bar>& bars) {
  m.base.baseElementCount = static_cast<std::int32_t>(bars.size());
  m.base.baseElemStart.rebuild(m.base.baseElementCount);
  m.base.baseElemEnd.rebuild(m.base.baseElementCount);
  for (std::size_t i = 0; i < bars.size(); ++i) {
    m.base.baseElemStart(static_cast<std::int64_t>(i + 1)) = bars[i].start;
    m.base.baseElemEnd(static_cast<std::int64_t>(i + 1)) = bars[i].end;
  }
}

// The plane module: nodes 1 (0,0), 2 (0,1) in Base 0, 3 (2,0), 4 (2,1) in
// Base 1, along X with module length 2, elements 1-3, 2-4 (longitudinal),
// 3-4 (transversal), 1-4 (diagonal) and 1-2 (Base 0).
inline zentrix::testing::RunModel planeModule(int modules = 3) {
  return zentrix::testing::buildModel({
      .dofPerNode = 2,
      .nodesInBase0 = 2,
      .nodesInBase1 = 2,
      .nodes = {{0, 0}, {0, 1}, {2, 0}, {2, 1}},
      .elements = {{1, 3}, {2, 4}, {3, 4}, {1, 4}, {1, 2}},
      .lastNodesInBase0 = false,
      .expansion = {.expansionDirection = 'X',
                    .moduleCount = modules,
                    .moduleLength = 2.0f,
                    .expansionType = model::kPrismatic},
  });
}

// A spatial prismatic truss: a square cross-section of side 1 along Z,
// 4 nodes per base, 4 longitudinal bars, 4 transversal bars of the far end,
// 4 diagonals of the sides and one transversal diagonal of the far end.
inline zentrix::testing::RunModel squareTruss(int modules) {
  zentrix::testing::RunModel m;
  setStartValues(m);
  m.base.dofPerNode = 3;
  m.base.nodesInBase0 = 4;
  m.base.nodesInBase1 = 4;
  setCoordinates(
      m, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}});
  std::vector<Bar> bars;
  for (const auto& [start, end] : zentrix::testing::kCubeTopology) bars.push_back({start, end});
  setTopology(m, bars);
  m.expansion.expansionDirection = 'Z';
  m.expansion.moduleCount = modules;
  m.expansion.moduleLength = 1.0f;
  m.expansion.expansionType = model::kPrismatic;
  return m;
}

// Names a parameterised case after its `name` field.
struct ByName {
  template <class Case>
  std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
    return info.param.name;
  }
};

inline std::vector<std::pair<std::int32_t, std::int32_t>> bars(
    const zentrix::testing::RunModel& m) {
  std::vector<std::pair<std::int32_t, std::int32_t>> all;
  for (std::int64_t p = 1; p <= m.structure.totalElements(); ++p)
    all.emplace_back(m.structure.elemStart(p), m.structure.elemEnd(p));
  return all;
}

inline std::vector<float> node(const zentrix::testing::RunModel& m, std::int64_t number) {
  std::vector<float> xyz;
  for (int c = 1; c <= m.structure.nodeCoords.columns(); ++c)
    xyz.push_back(m.structure.nodeCoords(number, c));
  return xyz;
}

}  // namespace zentrix::generation::testing
