// Models for the drawing tests: the bundled examples loaded and generated
// as the desktop program does, and a small plane truss built by hand.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/input_file.h"
#include "model/model.h"
#include "support/run_model.h"

namespace zentrix::testing {

inline const std::vector<std::string>& exampleNames() {
  static const std::vector<std::string> names = {"truss-bridge-3d", "tower-pyramidal-3d",
                                                 "arch-circular-2d", "arch-parabolic-2d"};
  return names;
}

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
    const model::Outcome generated = runGenerate(m);
    EXPECT_TRUE(generated) << generated.message;
  }
  return m;
}

}  // namespace zentrix::testing
