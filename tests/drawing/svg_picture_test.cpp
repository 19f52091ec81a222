// The SVG pictures: one line per element in its type's colour, the blocked
// nodes, the marks, the numbers only when asked, and one small picture kept
// byte for byte.
#include "drawing/svg_picture.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "drawing_models.h"
#include "structure/blocked_nodes.h"
#include "structure/element_type_blocks.h"
#include "support/golden_file.h"
#include "support/run_model.h"

namespace zentrix::drawing {
namespace {

using testing::loadedExample;

// Every match of `pattern`'s first group, in order.
std::vector<std::string> captures(const std::string& text, const std::string& pattern) {
  std::vector<std::string> found;
  const std::regex re(pattern);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator();
       ++it)
    found.push_back((*it)[1].str());
  return found;
}

std::size_t occurrences(const std::string& text, const std::string& what) {
  std::size_t count = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

std::string pictureOf(const zentrix::testing::RunModel& m, Subject subject,
                      DrawOptions options = {}) {
  const DrawingSource source = drawingSource(m, subject);
  Camera camera(1000, 700);
  camera.setStandardView(openingView(source));
  camera.fit(source);
  return svgPicture(source, camera, options);
}

class ExamplePicture : public ::testing::TestWithParam<std::string> {};

TEST_P(ExamplePicture, HasOneLineInItsTypeColourPerElement) {
  const zentrix::testing::RunModel m = loadedExample(GetParam());
  const std::string svg = pictureOf(m, Subject::Structure);
  const auto strokes =
      captures(svg, "<line class=\"element kind\\d\"[^>]* stroke=\"(#[0-9a-f]{6})\"");
  ASSERT_EQ(static_cast<std::int64_t>(strokes.size()), m.structure.totalElements());
  const structure::ElementTypeBlocks blocks = structure::elementTypeBlocks(m.structure, m.base);
  for (std::int64_t e = 1; e <= m.structure.totalElements(); ++e)
    ASSERT_EQ(strokes[static_cast<std::size_t>(e - 1)], hexColour(kindColour(blocks.typeOf(e))))
        << "element " << e;
  for (int type = 1; type <= 4; ++type)
    EXPECT_NE(svg.find(hexColour(kindColour(type))), std::string::npos) << "type " << type;
}

TEST_P(ExamplePicture, MarksEveryBlockedNodeOfTheGeometryFile) {
  const zentrix::testing::RunModel m = loadedExample(GetParam());
  std::int64_t blocked = 0;
  for (const structure::NodeRange& range :
       structure::blockedNodeRanges(m.structure, model::structureInputs(m)))
    blocked += range.last - range.first + 1;
  const std::string svg = pictureOf(m, Subject::Structure);
  // The legend's key is one square more.
  EXPECT_EQ(static_cast<std::int64_t>(occurrences(svg, "<rect class=\"blocked\"")), blocked + 1);
}

TEST_P(ExamplePicture, WritesNumbersOnlyWhenAsked) {
  const zentrix::testing::RunModel m = loadedExample(GetParam());
  const std::string plain = pictureOf(m, Subject::Structure);
  DrawOptions withNumbers;
  withNumbers.numbers = true;
  const std::string numbered = pictureOf(m, Subject::Structure, withNumbers);
  const std::size_t fixedTexts = occurrences(plain, "<text");
  // Fit leaves every node and every element's middle inside the picture.
  EXPECT_EQ(occurrences(numbered, "<text"),
            fixedTexts +
                static_cast<std::size_t>(m.structure.totalNodes() + m.structure.totalElements()));
  EXPECT_EQ(captures(plain, ">(\\d+)</text>").size(), 0u);
  const auto numbers = captures(numbered, ">(\\d+)</text>");
  ASSERT_FALSE(numbers.empty());
  EXPECT_EQ(numbers.front(), "1");
  EXPECT_EQ(numbers.back(), std::to_string(m.structure.totalElements()));
}

TEST_P(ExamplePicture, BaseModuleHasItsOwnElementsOnly) {
  const zentrix::testing::RunModel m = loadedExample(GetParam(), false);
  const std::string svg = pictureOf(m, Subject::BaseModule);
  EXPECT_EQ(static_cast<std::int64_t>(occurrences(svg, "<line class=\"element")),
            m.base.baseElementCount);
  EXPECT_EQ(occurrences(svg, "kind0"), 0u) << "the Base module's kinds come from its axis";
}

INSTANTIATE_TEST_SUITE_P(Examples, ExamplePicture, ::testing::ValuesIn(testing::exampleNames()),
                         [](const auto& test) { return testing::identifierOf(test.param); });

// The plane truss of three modules: nodes 1 (0,0), 2 (0,1), 3 (2,0), 4 (2,1)
// and their copies, elements in kind blocks, one Base 0 element.
zentrix::testing::RunModel smallPlaneTruss() {
  zentrix::testing::RunModel m;
  m.base.problemTitle = "Small <plane> truss & co";
  m.base.dofPerNode = 2;
  m.base.nodesInBase0 = 2;
  m.base.nodesInBase1 = 2;
  m.base.baseElementCount = 5;
  m.structure.nodeCoords.rebuild(8, 2);
  for (int n = 1; n <= 8; ++n) {
    m.structure.nodeCoords(n, 1) = static_cast<float>(2 * ((n - 1) / 2));
    m.structure.nodeCoords(n, 2) = static_cast<float>((n - 1) % 2);
  }
  const std::vector<std::pair<int, int>> ends = {{1, 3}, {2, 4}, {3, 5}, {4, 6}, {5, 7},
                                                 {6, 8}, {3, 4}, {5, 6}, {7, 8}, {1, 4},
                                                 {3, 6}, {5, 8}, {1, 2}};
  const auto elementCount = static_cast<std::int32_t>(ends.size());
  m.structure.elemStart.rebuild(elementCount);
  m.structure.elemEnd.rebuild(elementCount);
  m.structure.elemKind.rebuild(elementCount);
  for (std::size_t i = 0; i < ends.size(); ++i) {
    m.structure.elemStart(static_cast<std::int64_t>(i + 1)) = ends[i].first;
    m.structure.elemEnd(static_cast<std::int64_t>(i + 1)) = ends[i].second;
  }
  const int baseKinds[] = {1, 1, 2, 3, 2};
  for (int i = 1; i <= 5; ++i) m.structure.elemKind(i) = baseKinds[i - 1];
  m.structure.kindCount = {0, 2, 3, 4, 4};
  m.structure.kindEnd = {0, 6, 9, 12, 12};
  m.types.elementKindCount = 4;
  m.types.typeNames = {"Chord", "Post", "Diagonal", ""};
  m.types.typeAreas = {12.5f, 4.0f, 3.25f, 1.0f};
  m.structure.generatedWith = model::GeneratedWith{2, 2, 2, model::kPrismatic, false};
  return m;
}

struct UnfinishedBaseModule {
  std::string name;
  std::function<void(zentrix::testing::RunModel&)> change;
};

class BaseModuleBeingEntered : public ::testing::TestWithParam<UnfinishedBaseModule> {};

// The Base module is drawn while the user still types it: whatever is not
// entered yet is left out or drawn without a kind, never read.
TEST_P(BaseModuleBeingEntered, IsDrawnWithoutReadingPastItsArrays) {
  zentrix::testing::RunModel m = loadedExample("truss-bridge-3d", false);
  GetParam().change(m);
  const std::string svg = pictureOf(m, Subject::BaseModule);
  EXPECT_NE(svg.find("</svg>"), std::string::npos);
  EXPECT_EQ(occurrences(svg, "kind1"), 0u) << "no kinds without a complete Base module";
}

INSTANTIATE_TEST_SUITE_P(
    Drawing, BaseModuleBeingEntered,
    ::testing::Values(
        UnfinishedBaseModule{"end_node_not_entered",
                             [](zentrix::testing::RunModel& m) { m.base.baseElemEnd(3) = 0; }},
        UnfinishedBaseModule{"end_node_beyond_the_nodes",
                             [](zentrix::testing::RunModel& m) {
                               m.base.baseElemStart(2) =
                                   static_cast<std::int32_t>(m.base.baseNodeCount()) + 1;
                             }},
        UnfinishedBaseModule{"more_elements_than_entered",
                             [](zentrix::testing::RunModel& m) { m.base.baseElementCount += 3; }},
        UnfinishedBaseModule{"axis_z_of_a_plane_model",
                             [](zentrix::testing::RunModel& m) {
                               m.base.dofPerNode = 2;
                               m.expansion.expansionDirection = 'Z';
                             }},
        UnfinishedBaseModule{
            "coordinates_not_entered",
            [](zentrix::testing::RunModel& m) { m.base.baseCoords.rebuild(0, 0); }}),
    [](const auto& test) { return test.param.name; });

TEST(SvgPicture, SmallPlaneTrussMatchesItsGoldenPicture) {
  const zentrix::testing::RunModel m = smallPlaneTruss();
  DrawOptions options;
  options.numbers = true;
  options.marks.elements = {10};
  options.marks.nodes = {5, 99};
  EXPECT_TRUE(testing::matchesGolden(pictureOf(m, Subject::Structure, options),
                                     "pictures/small-plane-truss.svg"));
}

TEST(SvgPicture, BaseZeroElementTakesTheTypeOfItsBaseModuleElement) {
  const zentrix::testing::RunModel m = smallPlaneTruss();
  const auto kinds = captures(pictureOf(m, Subject::Structure), "class=\"element kind(\\d)\"");
  ASSERT_EQ(kinds.size(), 13u);
  EXPECT_EQ(kinds[12], "2");
  EXPECT_EQ(kinds[9], "3");
}

TEST(SvgPicture, MarksAreDrawnInTheWarningColourAndUnknownNumbersIgnored) {
  const zentrix::testing::RunModel m = smallPlaneTruss();
  DrawOptions options;
  options.marks.elements = {2, 7, 0, 500};
  options.marks.nodes = {1, 0, -3, 9};
  const std::string svg = pictureOf(m, Subject::Structure, options);
  EXPECT_EQ(occurrences(svg, "stroke=\"" + hexColour(findingColour()) + "\" stroke-width=\"3.00\""),
            2u);
  EXPECT_EQ(occurrences(svg, "<circle class=\"finding\""), 1u);
}

TEST(SvgPicture, ElementWithEndNodeBeyondTheNodesIsLeftOut) {
  zentrix::testing::RunModel m = smallPlaneTruss();
  m.structure.elemEnd(3) = 9;
  m.structure.elemStart(4) = 0;
  const std::string svg = pictureOf(m, Subject::Structure);
  EXPECT_EQ(occurrences(svg, "<line class=\"element"), 11u);
}

TEST(SvgPicture, TitleAndNamesAreEscaped) {
  const std::string svg = pictureOf(smallPlaneTruss(), Subject::Structure);
  EXPECT_NE(svg.find("<title>Small &lt;plane&gt; truss &amp; co</title>"), std::string::npos);
}

TEST(SvgPicture, UnnamedTypeIsShownWithItsKindName) {
  const std::string svg = pictureOf(smallPlaneTruss(), Subject::Structure);
  EXPECT_NE(svg.find(">Chord  A = 12.5</text>"), std::string::npos);
  EXPECT_NE(svg.find(">Diagonal  A = 3.25</text>"), std::string::npos);
  EXPECT_NE(svg.find(">Transversal Diagonal  A = 1</text>"), std::string::npos) << svg;
}

TEST(SvgPicture, BudgetDrawsEveryNthElement) {
  const zentrix::testing::RunModel m = smallPlaneTruss();
  const DrawingSource source = drawingSource(m, Subject::Structure);
  Camera camera(400, 300);
  camera.fit(source);
  DrawOptions options;
  options.elementBudget = 5;
  const std::string svg = svgPicture(source, camera, options);
  // 13 elements, at most 5: every third (1, 4, 7, 10, 13).
  EXPECT_EQ(occurrences(svg, "<line class=\"element"), 5u);
}

}  // namespace
}  // namespace zentrix::drawing

namespace zentrix::drawing {
namespace {

// Counts what a drawing asks of its canvas.
class CountingCanvas final : public Canvas {
 public:
  void background(Colour) override {}
  void line(std::int64_t, int kind, ScreenPoint, ScreenPoint, Colour, float) override {
    ++lines[static_cast<std::size_t>(kind)];
  }
  void square(ScreenPoint, float, Colour) override {}
  void ring(ScreenPoint, float, Colour) override {}
  void stroke(ScreenPoint, ScreenPoint, Colour, float) override {}
  void text(ScreenPoint, std::string_view, Colour, float, TextAnchor) override {}
  std::array<int, 5> lines{};
};

// 3,000 elements between nodes a thousandth of a unit apart, in two kinds,
// on a long structure: all of them fall within a pixel or two.
struct TinyStructure {
  TinyStructure() {
    for (int n = 0; n < 1001; ++n)
      coords.insert(coords.end(), {0.001f * static_cast<float>(n), 0.0f});
    coords.insert(coords.end(), {1000.0f, 0.0f});  // far away: the fit makes the rest tiny
    for (int e = 0; e < 3000; ++e) {
      start.push_back(1 + e % 1000);
      end.push_back(2 + e % 1000);
      kinds.push_back(e < 1500 ? 1 : 2);
    }
    start.push_back(1);
    end.push_back(1002);
    kinds.push_back(3);
  }
  std::vector<float> coords;
  std::vector<std::int32_t> start, end, kinds;
};

// The pixels hold elements of both kinds: they are drawn once, in the
// mixed colour, and claim neither kind.
TEST(TinyElements, ViewDrawsEachPixelOnceButSvgKeepsEveryOne) {
  const TinyStructure tiny;
  const DrawingSource source = makeDrawingSource(
      2, 1002, tiny.coords.data(), 3001, tiny.start.data(), tiny.end.data(), tiny.kinds.data());
  Camera camera(500, 300);
  camera.setStandardView(StandardView::XY);
  camera.fit(source);
  std::vector<ScreenPoint> screen;
  projectNodes(source, camera, screen);
  CountingCanvas merged;
  DrawOptions options;
  options.legend = false;
  options.triad = false;
  draw(source, camera, options, screen, merged);
  EXPECT_GE(merged.lines[0], 1);
  EXPECT_LE(merged.lines[0], 4);
  EXPECT_EQ(merged.lines[1], 0);
  EXPECT_EQ(merged.lines[2], 0);
  EXPECT_EQ(merged.lines[3], 1) << "a long element is always drawn";
  const std::string svg = svgPicture(source, camera, options);
  EXPECT_EQ(occurrences(svg, "<line class=\"element"), 3001u);
}

}  // namespace
}  // namespace zentrix::drawing
