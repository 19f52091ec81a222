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
#include "support/model_builder.h"
#include "support/run_model.h"

namespace zentrix::testing {

struct Writer {
  const char* name;
  std::function<std::string(const std::string& stem)> target;
  std::function<model::Outcome(zentrix::testing::RunModel&, const std::string& stem)> write;
};

inline const Writer kEveryWriter[] = {
    {"InputFile", [](const std::string& stem) { return stem + ".dat"; },
     [](zentrix::testing::RunModel& m, const std::string& stem) {
       m.inputFilePath = stem + ".dat";
       return writeInputFile(m);
     }},
    {"GeometryFile", [](const std::string& stem) { return stem + ".geo"; },
     [](zentrix::testing::RunModel& m, const std::string& stem) {
       m.geometryFilePath = stem + ".geo";
       return writeGeometryFile(m);
     }},
    {"BaseModuleGeometryFile", [](const std::string& stem) { return stem + "-BaseModule.dat"; },
     [](zentrix::testing::RunModel& m, const std::string& stem) {
       m.oldFilePath = stem + ".dat";
       return writeBaseModuleGeometryFile(m);
     }},
};

// A prismatic structure along X whose Base module has `nodes` (Base 0 first,
// then as many in Base 1) and `bars`, generated with `modules` modules.
inline zentrix::testing::RunModel generatedPrism(const std::vector<std::vector<float>>& nodes,
                                                 const std::vector<EndNodes>& bars, int modules) {
  const auto perBase = static_cast<std::int32_t>(nodes.size() / 2);
  zentrix::testing::RunModel m = buildModel({
      .problemTitle = "Prism",
      .dofPerNode = static_cast<std::int32_t>(nodes.front().size()),
      .nodesInBase0 = perBase,
      .nodesInBase1 = perBase,
      .nodes = nodes,
      .elements = bars,
      .expansion = {.expansionDirection = 'X',
                    .moduleCount = modules,
                    .moduleLength = 2.0f,
                    .expansionType = model::kPrismatic},
  });
  generation::measureBaseModule(m);
  // A failed GENERATE leaves no structure, which the tests then notice.
  generateStructure(m);
  return m;
}

// A plane truss of `modules` modules, generated: every writer has lines to write.
inline zentrix::testing::RunModel generatedTruss(int modules = 30) {
  return generatedPrism({{0, 0}, {0, 1}, {2, 0}, {2, 1}}, {{1, 3}, {2, 4}, {3, 4}, {1, 4}, {1, 2}},
                        modules);
}

}  // namespace zentrix::testing
