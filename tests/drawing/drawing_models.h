// Models for the drawing tests: the bundled examples loaded and generated
// as the desktop program does, and a small plane truss built by hand.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/input_file.h"
#include "generation/generate_sequence.h"
#include "model/model.h"
#include "support/run_model.h"

namespace zentrix::testing {

inline const std::vector<std::string>& exampleNames() {
  static const std::vector<std::string> names = {"truss-bridge-3d", "tower-pyramidal-3d",
                                                 "arch-circular-2d", "arch-parabolic-2d"};
  return names;
}

class YesToEverything final : public generation::GenerateCaller {
 public:
  bool goOnDespite(const std::string&) override { return true; }
  model::Outcome withProgress(
      const std::function<model::Outcome(model::Progress&)>& work) override {
    model::NoProgress progress;
    return work(progress);
  }
};

// The example loaded; generated unless `generate` is false.
inline zentrix::testing::RunModel loadedExample(const std::string& name, bool generate = true) {
  zentrix::testing::RunModel m;
  setStartValues(m);
  m.base.lastNodesInBase0 = true;
  m.oldFilePath = std::string(ZENTRIX_EXAMPLES_DIR) + "/" + name + ".dat";
  m.inputFilePath = m.oldFilePath;
  m.oldFileLoaded = true;
  const model::Outcome loaded = loadInputFile(m);
  EXPECT_TRUE(loaded) << loaded.message;
  if (generate) {
    YesToEverything caller;
    const auto generated = runGenerate(m, caller);
    EXPECT_EQ(generated.end, generation::GenerateEnd::Done) << generated.message;
  }
  return m;
}

}  // namespace zentrix::testing
