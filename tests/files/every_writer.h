// The three writers behind one face, for the tests that hold for each of
// them (write failures, refusals): how a model is pointed at a file and the
// file written. A writer is pointed at a stem (a path without extension);
// `target` tells the file it then writes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "files/geometry_file.h"
#include "files/input_file.h"
#include "generation/generate.h"
#include "model/model.h"

namespace zentrix::testing {

struct Writer {
  const char* name;
  std::function<std::string(const std::string& stem)> target;
  std::function<model::Outcome(model::Model&, const std::string& stem)> write;
};

inline const Writer kEveryWriter[] = {
    {"InputFile", [](const std::string& stem) { return stem + ".dat"; },
     [](model::Model& m, const std::string& stem) {
       m.inputFilePath = stem + ".dat";
       return files::writeInputFile(m);
     }},
    {"GeometryFile", [](const std::string& stem) { return stem + ".geo"; },
     [](model::Model& m, const std::string& stem) {
       m.geometryFilePath = stem + ".geo";
       return files::writeGeometryFile(m);
     }},
    {"BaseModuleGeometryFile", [](const std::string& stem) { return stem + "-BaseModule.dat"; },
     [](model::Model& m, const std::string& stem) {
       m.oldFilePath = stem + ".dat";
       return files::writeBaseModuleGeometryFile(m);
     }},
};

struct Bar {
  std::int32_t start;
  std::int32_t end;
};

// A prismatic structure along X whose Base module has `nodes` (Base 0 first,
// then as many in Base 1) and `bars`, generated with `modules` modules.
inline model::Model generatedPrism(const std::vector<std::vector<float>>& nodes,
                                   const std::vector<Bar>& bars, int modules) {
  model::Model m;
  model::setStartValues(m);
  model::startNewElementTypes(m);
  m.base.problemTitle = "Prism";
  m.base.dofPerNode = static_cast<std::int32_t>(nodes.front().size());
  m.base.nodesInBase0 = static_cast<std::int32_t>(nodes.size() / 2);
  m.base.nodesInBase1 = m.base.nodesInBase0;
  m.base.baseNodeCount = static_cast<std::int32_t>(nodes.size());
  m.base.baseCoords.rebuild(m.base.baseNodeCount, m.base.dofPerNode);
  for (std::int64_t node = 1; node <= m.base.baseNodeCount; ++node)
    for (int axis = 1; axis <= m.base.dofPerNode; ++axis)
      m.base.baseCoords(node, axis) = nodes[static_cast<std::size_t>(node - 1)][axis - 1];
  m.base.baseElementCount = static_cast<std::int32_t>(bars.size());
  m.base.baseElemStart.rebuild(m.base.baseElementCount);
  m.base.baseElemEnd.rebuild(m.base.baseElementCount);
  for (std::int64_t element = 1; element <= m.base.baseElementCount; ++element) {
    m.base.baseElemStart(element) = bars[static_cast<std::size_t>(element - 1)].start;
    m.base.baseElemEnd(element) = bars[static_cast<std::size_t>(element - 1)].end;
  }
  m.expansion.expansionDirection = 'X';
  m.expansion.moduleCount = modules;
  m.expansion.moduleLength = 2.0f;
  m.expansion.expansionType = model::kPrismatic;
  generation::measureBaseModule(m);
  // A failed GENERATE leaves no structure, which the tests then notice.
  generation::generateStructure(m);
  return m;
}

// A plane truss of `modules` modules, generated: every writer has lines to write.
inline model::Model generatedTruss(int modules = 30) {
  return generatedPrism({{0, 0}, {0, 1}, {2, 0}, {2, 1}}, {{1, 3}, {2, 4}, {3, 4}, {1, 4}, {1, 2}},
                        modules);
}

}  // namespace zentrix::testing
