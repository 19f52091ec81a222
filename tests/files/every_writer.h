// The three writers behind one face, for the tests that hold for each of
// them (write failures, refusals): how a model is pointed at a file and the
// file written. A writer is pointed at a stem (a path without extension);
// `target` tells the file it then writes.
#pragma once

#include <functional>
#include <string>

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

// A plane truss of `modules` modules, generated: every writer has lines to write.
inline model::Model generatedTruss(int modules = 30) {
  model::Model m;
  model::setStartValues(m);
  model::startNewElementTypes(m);
  m.problemTitle = "Plane truss";
  m.dofPerNode = 2;
  m.nodesInBase0 = 2;
  m.nodesInBase1 = 2;
  m.baseNodeCount = 4;
  m.baseCoords.rebuild(4, 2);
  const float nodes[4][2] = {{0, 0}, {0, 1}, {2, 0}, {2, 1}};
  for (int node = 1; node <= 4; ++node)
    for (int axis = 1; axis <= 2; ++axis) m.baseCoords(node, axis) = nodes[node - 1][axis - 1];
  const int bars[5][2] = {{1, 3}, {2, 4}, {3, 4}, {1, 4}, {1, 2}};
  m.baseElementCount = 5;
  m.baseElemStart.rebuild(5);
  m.baseElemEnd.rebuild(5);
  for (int element = 1; element <= 5; ++element) {
    m.baseElemStart(element) = bars[element - 1][0];
    m.baseElemEnd(element) = bars[element - 1][1];
  }
  m.expansionDirection = 'X';
  m.moduleCount = modules;
  m.moduleLength = 2.0f;
  m.expansionType = model::kPrismatic;
  generation::measureBaseModule(m);
  if (!generation::generateStructure(m)) m.totalNodes = -1;  // every writer refuses it then
  return m;
}

}  // namespace zentrix::testing
