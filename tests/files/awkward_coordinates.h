// Coordinates of every written form for the tests of large structures:
// every seventh node gets a random Y between -20 km and 20 km and a Z from
// a few awkward values (zeros of both signs, tiny, huge, just below a
// rounding step), which repeat as the cross-sections of real structures do.
#pragma once

#include <cstdint>
#include <random>

#include "model/model.h"
#include "support/run_model.h"

namespace zentrix::testing {

inline void mixInAwkwardCoordinates(zentrix::testing::RunModel& m) {
  std::mt19937 random(11);
  std::uniform_real_distribution<float> metres(-2e4f, 2e4f);
  const float forms[] = {0.0f, -0.0f, 0.05f, 1e-30f, 12345678.0f, 9999999.5f, 0.099999994f, -7.25f};
  for (std::int64_t node = 1; node <= m.structure.totalNodes(); node += 7) {
    m.structure.nodeCoords(node, 2) = metres(random);
    m.structure.nodeCoords(node, 3) = forms[node % 8];
  }
}

}  // namespace zentrix::testing
