// Structures at the limits of the counts: totals at and just beyond 32 bits,
// and requests far beyond the memory (10^8 modules of a truss). Each is
// refused with a message before anything is allocated, never a crash or a
// hang; the memory limit is given explicitly, so no test depends on the
// memory of the computer it runs on or allocates more than a few bytes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "files/input_file.h"
#include "generation/generate.h"
#include "generation/generation_fixtures.h"
#include "support/run_model.h"

namespace zentrix::generation {
namespace {

using testing::ByName;
using ::testing::HasSubstr;
using testing::planeModule;
using testing::setCoordinates;
using testing::setTopology;
using testing::squareTruss;

constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;

// One node per base and `moduleBars` bars 1-2 per module: N0 + m nodes and
// moduleBars * m elements.
zentrix::testing::RunModel thinModule(std::int32_t modules, int moduleBars) {
  zentrix::testing::RunModel m = planeModule(modules);
  m.base.nodesInBase0 = 1;
  m.base.nodesInBase1 = 1;
  setCoordinates(m, {{0, 0}, {2, 0}});
  setTopology(m, std::vector<testing::Bar>(static_cast<std::size_t>(moduleBars), {1, 2}));
  return m;
}

struct LimitCase {
  const char* name;
  std::function<zentrix::testing::RunModel()> build;
  const char* message;  // a part of the refusal
};

class LimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(LimitTest, IsRefusedWithAMessageAndNothingIsBuilt) {
  zentrix::testing::RunModel m = GetParam().build();
  measureBaseModule(m);
  const model::Outcome outcome = generateStructure(m, nullptr, 4 * kGiB);
  EXPECT_FALSE(outcome);
  EXPECT_THAT(outcome.message, HasSubstr(GetParam().message));
  EXPECT_EQ(m.structure.totalNodes(), 0);
  EXPECT_TRUE(m.structure.nodeCoords.empty());
  EXPECT_TRUE(m.structure.elemStart.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Counts, LimitTest,
    ::testing::Values(
        // 1 + 2147483646 nodes: the largest count fits, the memory does not.
        LimitCase{"LargestNodeCountReachesTheMemoryCheck", [] { return thinModule(2147483646, 1); },
                  "The structure of 2147483647 nodes and 2147483646 elements needs 40960 MB"},
        LimitCase{"OneNodeBeyond32Bits", [] { return thinModule(2147483647, 1); },
                  "would have 2147483648 nodes, more than 2147483647"},
        LimitCase{"LargestElementCountReachesTheMemoryCheck",
                  [] { return thinModule(1073741823, 2); },
                  "The structure of 1073741824 nodes and 2147483646 elements needs"},
        LimitCase{"OneElementBeyond32Bits", [] { return thinModule(1073741824, 2); },
                  "would have 2147483648 elements, more than 2147483647"},
        LimitCase{"ElementTotalOverflowingFarBeyond32Bits",
                  [] { return thinModule(2000000000, 13); }, "would have 26000000000 elements"},
        LimitCase{"HundredMillionModulesOfATruss", [] { return squareTruss(100'000'000); },
                  "The structure of 400000004 nodes and 1300000000 elements needs 19455 MB of "
                  "memory, more than this computer can give (4096 MB): use fewer modules."}),
    ByName());

// The road a user takes: a saved file asks for 10^8 modules; it loads (the
// count is a number like any other) and GENERATE refuses it.
TEST(Limits, HundredMillionModulesFromAFileAreRefusedByGenerate) {
  const std::string text =
      "Tower\r\n3 4 4\r\nCoordinates:\r\n"
      "1 0 0 0\r\n2 1 0 0\r\n3 1 1 0\r\n4 0 1 0\r\n5 0 0 1\r\n6 1 0 1\r\n7 1 1 1\r\n8 0 1 1\r\n"
      "Expansion:\r\nZ\r\n100000000 1. 1\r\nTopology:\r\n4\r\n"
      "1 1 5\r\n2 2 6\r\n3 5 6\r\n4 1 6\r\n1\r\n Chord\r\n1.\r\n";
  zentrix::testing::RunModel m;
  setStartValues(m);
  const model::Outcome loaded = loadInputText(m, text, "tower.dat");
  ASSERT_TRUE(loaded) << loaded.message;
  EXPECT_EQ(m.expansion.moduleCount, 100'000'000);
  ASSERT_TRUE(refusalOf(m, 4 * kGiB).has_value());
  EXPECT_THAT(*refusalOf(m, 4 * kGiB), HasSubstr("400000004 nodes and 400000000 elements"));
  measureBaseModule(m);
  EXPECT_FALSE(generateStructure(m, nullptr, 4 * kGiB));
  EXPECT_EQ(m.structure.totalNodes(), 0);
}

}  // namespace
}  // namespace zentrix::generation
