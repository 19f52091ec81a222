// Every writer behind one face, for the properties that hold for each of
// them (write failures, a cancel, memory, refusals, the size bound): how a
// model is pointed at a file and the file written. A writer is pointed at a
// stem (a path without extension); `target` tells the file it then writes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "files/geometry_file.h"
#include "files/input_file.h"
#include "files/output_plan.h"
#include "files/structure_exports.h"
#include "generation/generate.h"
#include "model/model.h"
#include "model/progress.h"
#include "support/model_builder.h"
#include "support/run_model.h"

namespace zentrix::testing {

struct Writer {
  const char* name;
  std::function<std::string(const std::string& stem)> target;
  // Writes with `progress` (may be null; a writer without progress ignores it).
  std::function<model::Outcome(zentrix::testing::RunModel&, const std::string& stem,
                               model::Progress* progress)>
      writeShowing;
  // The most bytes the free-space check plans for the file at `target`.
  std::function<std::uint64_t(const zentrix::testing::RunModel&, const std::string& target)>
      sizeBound;
  bool reportsProgress = true;
  // The bound stays within twice the file (the exports' bounds are looser).
  bool closeSizeBound = true;

  model::Outcome write(zentrix::testing::RunModel& m, const std::string& stem) const {
    return writeShowing(m, stem, nullptr);
  }
};

// Records the fractions reported; answers `answers` of them, then cancels.
class CancellingProgress final : public model::Progress {
 public:
  explicit CancellingProgress(int answers) : left_(answers) {}
  bool advance(double fraction) override {
    fractions.push_back(fraction);
    return left_-- > 0;
  }
  std::vector<double> fractions;

 private:
  int left_;
};

inline Writer exportWriter(const char* name, const char* extension, files::ExportFormat format) {
  return {name,
          [extension](const std::string& stem) { return stem + extension; },
          [extension, format](zentrix::testing::RunModel& m, const std::string& stem,
                              model::Progress* progress) {
            return files::writeExportFile(format, exportParts(m), stem + extension, progress);
          },
          [format](const zentrix::testing::RunModel& m, const std::string&) {
            return files::exportFileSizeBound(exportParts(m), format);
          },
          true,
          false};
}

inline const Writer kEveryWriter[] = {
    {"InputFile", [](const std::string& stem) { return stem + ".dat"; },
     [](zentrix::testing::RunModel& m, const std::string& stem, model::Progress* progress) {
       m.inputFilePath = stem + ".dat";
       return writeInputFile(m, progress);
     },
     [](const zentrix::testing::RunModel& m, const std::string& target) {
       return files::inputFileSizeBound(m, target.size());
     }},
    {"GeometryFile", [](const std::string& stem) { return stem + ".geo"; },
     [](zentrix::testing::RunModel& m, const std::string& stem, model::Progress* progress) {
       m.geometryFilePath = stem + ".geo";
       return writeGeometryFile(m, progress);
     },
     [](const zentrix::testing::RunModel& m, const std::string& target) {
       return files::geometryFileSizeBound(m, target.size());
     }},
    {"BaseModuleGeometryFile", [](const std::string& stem) { return stem + "-BaseModule.dat"; },
     [](zentrix::testing::RunModel& m, const std::string& stem, model::Progress*) {
       m.oldFilePath = stem + ".dat";
       return writeBaseModuleGeometryFile(m);
     },
     [](const zentrix::testing::RunModel& m, const std::string& target) {
       return files::baseModuleFileSizeBound(m, target.size());
     },
     false},
    exportWriter("Vtu", ".vtu", files::ExportFormat::kVtu),
    exportWriter("Msh", ".msh", files::ExportFormat::kMsh),
    exportWriter("Dxf", ".dxf", files::ExportFormat::kDxf),
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
