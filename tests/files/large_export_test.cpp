// The exports of a large structure, which the writers format on several
// threads in chunks with remembered number texts, read back value by value
// against the model: every coordinate (awkward ones mixed in) reads back to
// the same float, every element has its end nodes and type, whichever chunk
// it fell in.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "files/awkward_coordinates.h"
#include "files/structure_exports.h"
#include "generation/generate.h"
#include "generation/generation_fixtures.h"
#include "structure/structure_ranges.h"
#include "support/portable.h"
#include "support/run_model.h"
#include "support/scratch_folder.h"

namespace zentrix::files {
namespace {

using zentrix::testing::readBytes;
using zentrix::testing::ScratchFolder;

// A spatial truss of `modules` modules with two bars wholly in Base 0,
// generated, with coordinates of every form.
zentrix::testing::RunModel largeStructure(int modules) {
  zentrix::testing::RunModel m = generation::testing::squareTruss(modules);
  std::vector<generation::testing::Bar> bars;
  for (std::int64_t e = 1; e <= m.base.baseElementCount; ++e)
    bars.push_back({m.base.baseElemStart(e), m.base.baseElemEnd(e)});
  bars.push_back({1, 2});
  bars.push_back({1, 3});
  generation::testing::setTopology(m, bars);
  startNewElementTypes(m);
  generation::measureBaseModule(m);
  EXPECT_TRUE(generateStructure(m));
  testing::mixInAwkwardCoordinates(m);
  return m;
}

// Reads whitespace-separated values one after the other.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}
  void skipTo(std::string_view marker) {
    at_ = text_.find(marker, at_);
    at_ = text_.find('\n', at_) + 1;
  }
  std::string_view word() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n')) ++at_;
    const std::size_t from = at_;
    while (at_ < text_.size() && text_[at_] != ' ' && text_[at_] != '\n') ++at_;
    return text_.substr(from, at_ - from);
  }
  std::int64_t whole() {
    const std::string_view w = word();
    std::int64_t value = -1;
    std::from_chars(w.data(), w.data() + w.size(), value);
    return value;
  }
  float real() {
    const std::string_view w = word();
    float value = -1;
    std::from_chars(w.data(), w.data() + w.size(), value);
    return value;
  }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

bool same(float a, float b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

std::vector<int> typesOf(const zentrix::testing::RunModel& m) {
  std::vector<int> types(static_cast<std::size_t>(m.structure.totalElements()) + 1, 0);
  for (const structure::ElementRun& run : structure::elementTypeRuns(m.structure, m.base))
    for (std::int64_t e = run.first; e <= run.last; ++e)
      types[static_cast<std::size_t>(e)] = run.type;
  return types;
}

class LargeExportTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    structure_ = new zentrix::testing::RunModel(largeStructure(30000));
  }
  static void TearDownTestSuite() { delete structure_; }
  static const zentrix::testing::RunModel& m() { return *structure_; }
  ScratchFolder folder_;

 private:
  static zentrix::testing::RunModel* structure_;
};

zentrix::testing::RunModel* LargeExportTest::structure_ = nullptr;

TEST_F(LargeExportTest, VtuReadsBackValueByValue) {
  ASSERT_GT(m().structure.totalElements(), 390000);
  ASSERT_TRUE(writeVtuFile(zentrix::testing::exportParts(m()), folder_.file("s.vtu")));
  const std::string text = readBytes(folder_.file("s.vtu"));
  const std::vector<int> types = typesOf(m());
  Reader points(text);
  points.skipTo("Name=\"Points\"");
  for (std::int64_t node = 1; node <= m().structure.totalNodes(); ++node)
    for (int axis = 1; axis <= 3; ++axis)
      ASSERT_TRUE(same(points.real(), m().structure.nodeCoords(node, axis))) << node << " " << axis;
  Reader cells(text);
  cells.skipTo("Name=\"connectivity\"");
  for (std::int64_t e = 1; e <= m().structure.totalElements(); ++e) {
    ASSERT_EQ(cells.whole(), m().structure.elemStart(e) - 1) << e;
    ASSERT_EQ(cells.whole(), m().structure.elemEnd(e) - 1) << e;
  }
  Reader typeNumbers(text);
  typeNumbers.skipTo("Name=\"type_number\"");
  Reader numbers(text);
  numbers.skipTo("Name=\"element_number\"");
  Reader offsets(text);
  offsets.skipTo("Name=\"offsets\"");
  for (std::int64_t e = 1; e <= m().structure.totalElements(); ++e) {
    ASSERT_EQ(typeNumbers.whole(), types[static_cast<std::size_t>(e)]) << e;
    ASSERT_EQ(numbers.whole(), e);
    ASSERT_EQ(offsets.whole(), 2 * e);
  }
}

TEST_F(LargeExportTest, MshReadsBackValueByValue) {
  ASSERT_TRUE(writeMshFile(zentrix::testing::exportParts(m()), folder_.file("s.msh")));
  const std::string text = readBytes(folder_.file("s.msh"));
  Reader nodes(text);
  nodes.skipTo("$Nodes");
  const std::int64_t blocks = nodes.whole();
  ASSERT_EQ(nodes.whole(), m().structure.totalNodes());
  nodes.whole();
  nodes.whole();
  std::vector<bool> seen(static_cast<std::size_t>(m().structure.totalNodes()) + 1, false);
  for (std::int64_t block = 0; block < blocks; ++block) {
    nodes.whole();
    nodes.whole();
    nodes.whole();
    const std::int64_t count = nodes.whole();
    std::vector<std::int64_t> tags;
    for (std::int64_t i = 0; i < count; ++i) tags.push_back(nodes.whole());
    for (const std::int64_t tag : tags) {
      ASSERT_FALSE(seen[static_cast<std::size_t>(tag)]) << tag;
      seen[static_cast<std::size_t>(tag)] = true;
      for (int axis = 1; axis <= 3; ++axis)
        ASSERT_TRUE(same(nodes.real(), m().structure.nodeCoords(tag, axis))) << tag;
    }
  }
  Reader elements(text);
  elements.skipTo("$Elements");
  const std::int64_t elementBlocks = elements.whole();
  EXPECT_EQ(elements.whole(), m().structure.totalElements() + 4) << "and a point per blocked node";
  EXPECT_EQ(elements.whole(), 1);
  EXPECT_EQ(elements.whole(), m().structure.totalElements() + 4);
  const std::vector<int> types = typesOf(m());
  std::int64_t lines = 0;
  for (std::int64_t block = 0; block < elementBlocks; ++block) {
    const std::int64_t dim = elements.whole();
    const std::int64_t tag = elements.whole();
    elements.whole();
    const std::int64_t count = elements.whole();
    for (std::int64_t i = 0; i < count; ++i) {
      const std::int64_t e = elements.whole();
      if (dim == 0) {
        elements.whole();
        continue;
      }
      ++lines;
      ASSERT_EQ(types[static_cast<std::size_t>(e)], tag) << e;
      ASSERT_EQ(elements.whole(), m().structure.elemStart(e));
      ASSERT_EQ(elements.whole(), m().structure.elemEnd(e));
    }
  }
  EXPECT_EQ(lines, m().structure.totalElements());
}

TEST_F(LargeExportTest, DxfReadsBackValueByValue) {
  ASSERT_TRUE(writeDxfFile(zentrix::testing::exportParts(m()), folder_.file("s.dxf")));
  const std::string text = readBytes(folder_.file("s.dxf"));
  const auto layers = dxfLayerNames(m().types);
  const std::vector<int> types = typesOf(m());
  Reader lines(text);
  lines.skipTo("ENTITIES");
  for (std::int64_t e = 1; e <= m().structure.totalElements(); ++e) {
    ASSERT_EQ(lines.word(), "0");
    ASSERT_EQ(lines.word(), "LINE");
    ASSERT_EQ(lines.word(), "8");
    ASSERT_EQ(lines.word(),
              layers[static_cast<std::size_t>(types[static_cast<std::size_t>(e)] - 1)]);
    for (const std::int64_t node : {m().structure.elemStart(e), m().structure.elemEnd(e)}) {
      for (int axis = 1; axis <= 3; ++axis) {
        lines.word();
        ASSERT_TRUE(same(lines.real(), m().structure.nodeCoords(node, axis))) << e;
      }
    }
  }
  EXPECT_EQ(lines.word(), "0");
  EXPECT_EQ(lines.word(), "ENDSEC");
}

}  // namespace
}  // namespace zentrix::files
