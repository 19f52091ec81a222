// A large structure, whose element copies and renumbering are split across
// two threads, is the structure the small one predicts: module 1 to 3 are
// those of a three-module run, and every later module repeats the one
// before it shifted by the N1 nodes a module adds, with or without moving
// Base 0 to the end of the numbering.
#include <gtest/gtest.h>

#include <cstdint>

#include "generation/generate.h"
#include "generation/generation_fixtures.h"
#include "support/run_model.h"

namespace zentrix::generation {
namespace {

using testing::squareTruss;

constexpr std::int32_t kModules = 150'000;  // far more copies than one thread is given

TEST(LargeGeneration, EveryModuleRepeatsThePreviousOneShifted) {
  for (const bool renumber : {false, true}) {
    zentrix::testing::RunModel small = squareTruss(3);
    small.base.lastNodesInBase0 = renumber;
    ASSERT_TRUE(generateStructure(small));
    zentrix::testing::RunModel large = squareTruss(kModules);
    large.base.lastNodesInBase0 = renumber;
    ASSERT_TRUE(generateStructure(large));
    ASSERT_EQ(large.structure.totalElements(), 13 * kModules);

    const std::int32_t n0 = renumber ? 4 : 0;  // the renumbering moves every later node down
    int mismatches = 0;
    for (int kind = 1; kind <= model::kKindCount; ++kind) {
      const std::int64_t width =
          small.structure.kindCount[kind] - small.structure.kindCount[kind - 1];
      for (std::int64_t j = 1; j <= width; ++j) {
        const auto at = [&](const zentrix::testing::RunModel& m, std::int64_t module) {
          return m.structure.kindEnd[kind - 1] + (module - 1) * width + j;
        };
        // Modules 1 to 3 as the small run numbers them; node numbers of the
        // small run's last Base 0 differ only where the renumbering put it.
        for (std::int64_t module = 1; module <= 3; ++module) {
          for (const bool first : {true, false}) {
            const auto& ends = [&](const zentrix::testing::RunModel& m) -> const auto& {
              return first ? m.structure.elemStart : m.structure.elemEnd;
            };
            std::int64_t expected = ends(small)(at(small, module));
            if (renumber && expected > small.structure.totalNodes() - n0)
              expected += large.structure.totalNodes() - small.structure.totalNodes();
            if (ends(large)(at(large, module)) != expected && ++mismatches <= 5)
              ADD_FAILURE() << "kind " << kind << " module " << module << " element " << j;
          }
        }
        for (std::int64_t module = 4; module <= kModules; ++module) {
          const std::int64_t here = at(large, module);
          const std::int64_t before = at(large, module - 1);
          if ((large.structure.elemStart(here) != large.structure.elemStart(before) + 4 ||
               large.structure.elemEnd(here) != large.structure.elemEnd(before) + 4) &&
              ++mismatches <= 5)
            ADD_FAILURE() << "kind " << kind << " module " << module << " element " << j;
        }
      }
    }
    EXPECT_EQ(mismatches, 0) << (renumber ? "renumbered" : "in order");
    EXPECT_EQ(large.structure.kindEnd[model::kKindCount], large.structure.totalElements());
  }
}

}  // namespace
}  // namespace zentrix::generation
