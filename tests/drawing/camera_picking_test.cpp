// The camera (standard views, fit, zoom, orbit) and picking: what is drawn
// at a point is what a click there picks.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "drawing/camera.h"
#include "drawing/scene.h"
#include "drawing_models.h"
#include "support/golden_file.h"
#include "support/run_model.h"

namespace zentrix::drawing {
namespace {

using testing::loadedExample;

struct ViewCase {
  std::string name;
  StandardView view;
  // Screen direction (right, up) of the model's X, Y and Z axes.
  std::array<std::array<float, 2>, 3> axes;
};

class StandardViews : public ::testing::TestWithParam<ViewCase> {};

TEST_P(StandardViews, ShowEachAxisWhereEngineersExpectIt) {
  Camera camera(200, 200);
  camera.setStandardView(GetParam().view);
  for (int axis = 0; axis < 3; ++axis) {
    const Point3 unitAxis{axis == 0 ? 1.0f : 0.0f, axis == 1 ? 1.0f : 0.0f,
                          axis == 2 ? 1.0f : 0.0f};
    const ScreenPoint origin = camera.project({});
    const ScreenPoint tip = camera.project(unitAxis);
    const auto expected = GetParam().axes[static_cast<std::size_t>(axis)];
    EXPECT_NEAR(tip.x - origin.x, expected[0], 1e-4f) << "axis " << axis + 1;
    EXPECT_NEAR(origin.y - tip.y, expected[1], 1e-4f) << "axis " << axis + 1;
  }
}

const float kR2 = 1.0f / std::sqrt(2.0f);
const float kR6 = 1.0f / std::sqrt(6.0f);

INSTANTIATE_TEST_SUITE_P(
    Camera, StandardViews,
    ::testing::Values(ViewCase{"xy", StandardView::XY, {{{1, 0}, {0, 1}, {0, 0}}}},
                      ViewCase{"xz", StandardView::XZ, {{{1, 0}, {0, 0}, {0, 1}}}},
                      ViewCase{"yz", StandardView::YZ, {{{0, 0}, {1, 0}, {0, 1}}}},
                      ViewCase{
                          "iso", StandardView::Iso, {{{kR2, -kR6}, {kR2, kR6}, {0, 2 * kR6}}}}),
    [](const auto& test) { return test.param.name; });

class ExampleCamera : public ::testing::TestWithParam<std::string> {};

TEST_P(ExampleCamera, FitShowsEveryNodeInsideTheViewport) {
  const zentrix::testing::RunModel m = loadedExample(GetParam());
  const DrawingSource source = drawingSource(m, Subject::Structure);
  for (const StandardView view :
       {StandardView::Iso, StandardView::XY, StandardView::XZ, StandardView::YZ}) {
    Camera camera(640, 480);
    camera.setStandardView(view);
    camera.fit(source);
    std::vector<ScreenPoint> screen;
    projectNodes(source, camera, screen);
    for (const ScreenPoint p : screen) {
      ASSERT_GE(p.x, 0.0f);
      ASSERT_LE(p.x, 640.0f);
      ASSERT_GE(p.y, 0.0f);
      ASSERT_LE(p.y, 480.0f);
    }
  }
}

TEST_P(ExampleCamera, PickingAnElementAtItsDrawnPositionReturnsIt) {
  const zentrix::testing::RunModel m = loadedExample(GetParam());
  const DrawingSource source = drawingSource(m, Subject::Structure);
  Camera camera(1600, 1200);
  camera.setStandardView(openingView(source));
  camera.fit(source);
  std::vector<ScreenPoint> screen;
  projectNodes(source, camera, screen);
  int checked = 0;
  for (std::int64_t e = 1; e <= source.elementCount(); ++e) {
    const ScreenPoint a = screen[static_cast<std::size_t>(source.start(e) - 1)];
    const ScreenPoint b = screen[static_cast<std::size_t>(source.end(e) - 1)];
    const ScreenPoint at{a.x + 0.3f * (b.x - a.x), a.y + 0.3f * (b.y - a.y)};
    const auto pick = pickAt(source, screen, at, 1.0f);
    ASSERT_TRUE(pick.has_value()) << "element " << e;
    if (pick->what == Pick::What::Node) continue;  // a node drawn at that point
    // Another element may be drawn through the same point (a view along a
    // plane): then it is one drawn there too.
    if (pick->number != e) {
      const ScreenPoint c = screen[static_cast<std::size_t>(source.start(pick->number) - 1)];
      const ScreenPoint d = screen[static_cast<std::size_t>(source.end(pick->number) - 1)];
      const float cross = (d.x - c.x) * (at.y - c.y) - (d.y - c.y) * (at.x - c.x);
      EXPECT_LT(std::fabs(cross) / std::hypot(d.x - c.x, d.y - c.y), 1.0f) << "element " << e;
      continue;
    }
    ++checked;
  }
  EXPECT_GT(checked, source.elementCount() / 2);
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleCamera, ::testing::ValuesIn(testing::exampleNames()),
                         [](const auto& test) { return testing::identifierOf(test.param); });

TEST(Camera, ZoomKeepsThePointUnderTheCursor) {
  Camera camera(300, 200);
  camera.setStandardView(StandardView::XY);
  const Point3 p{3.0f, -2.0f, 0.0f};
  camera.pan(17.0f, -5.0f);
  const ScreenPoint before = camera.project(p);
  camera.zoomAt(2.5f, before.x, before.y);
  const ScreenPoint after = camera.project(p);
  EXPECT_NEAR(after.x, before.x, 1e-3f);
  EXPECT_NEAR(after.y, before.y, 1e-3f);
  EXPECT_FLOAT_EQ(camera.scale(), 2.5f);
  camera.zoomAt(0.0f, 0.0f, 0.0f);
  camera.zoomAt(std::nanf(""), 0.0f, 0.0f);
  EXPECT_FLOAT_EQ(camera.scale(), 2.5f) << "a zero or NaN factor is ignored";
}

TEST(Camera, OrbitTurnsTheViewAndKeepsItsAxesOrthonormal) {
  Camera camera(300, 200);
  camera.setStandardView(StandardView::Iso);
  camera.zoomAt(100.0f, 150.0f, 100.0f);
  const ScreenPoint before = camera.project({1.0f, 2.0f, 3.0f});
  camera.orbit(30.0f, -10.0f);
  const ScreenPoint after = camera.project({1.0f, 2.0f, 3.0f});
  EXPECT_GT(std::hypot(after.x - before.x, after.y - before.y), 10.0f);
  for (int i = 0; i < 1000; ++i) camera.orbit(7.0f, -3.0f);
  const Axes& a = camera.axes();
  auto dot = [](Point3 u, Point3 v) { return u.x * v.x + u.y * v.y + u.z * v.z; };
  EXPECT_NEAR(dot(a.right, a.right), 1.0f, 1e-5f);
  EXPECT_NEAR(dot(a.up, a.up), 1.0f, 1e-5f);
  EXPECT_NEAR(dot(a.right, a.up), 0.0f, 1e-5f);
  EXPECT_NEAR(dot(a.right, a.out), 0.0f, 1e-5f);
}

TEST(Camera, FitOfNothingOrOnePointStaysFinite) {
  zentrix::testing::RunModel empty;
  const DrawingSource none = drawingSource(empty, Subject::Structure);
  Camera camera(100, 100);
  camera.fit(none);
  EXPECT_FLOAT_EQ(camera.scale(), 1.0f);
  const float one[] = {5.0f, 5.0f, 5.0f};
  const DrawingSource single = makeDrawingSource(3, 1, one, 0, nullptr, nullptr, nullptr);
  camera.fit(single);
  const ScreenPoint p = camera.project({5.0f, 5.0f, 5.0f});
  EXPECT_FLOAT_EQ(p.x, 50.0f);
  EXPECT_FLOAT_EQ(p.y, 50.0f);
}

// Two crossing bars and a lone node, seen from above.
struct PickCase {
  std::string name;
  ScreenPoint at;
  std::optional<Pick> expected;
};

class Picking : public ::testing::TestWithParam<PickCase> {};

TEST_P(Picking, FindsTheNodeFirstThenTheNearestElement) {
  // Nodes at pixels (10,10), (110,10), (10,110), (110,110), (200,200).
  const float coords[] = {10, 10, 110, 10, 10, 110, 110, 110, 200, 200};
  const std::int32_t start[] = {1, 2, 1};
  const std::int32_t end[] = {4, 3, 2};
  const DrawingSource source = makeDrawingSource(2, 5, coords, 3, start, end, nullptr);
  std::vector<ScreenPoint> screen;
  for (int n = 0; n < 5; ++n) screen.push_back({coords[2 * n], coords[2 * n + 1]});
  EXPECT_EQ(pickAt(source, screen, GetParam().at), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Drawing, Picking,
    ::testing::Values(
        PickCase{"on_a_node", {111, 12}, Pick{Pick::What::Node, 2}},
        PickCase{"on_a_lone_node", {203, 197}, Pick{Pick::What::Node, 5}},
        PickCase{"along_the_first_diagonal", {30, 31}, Pick{Pick::What::Element, 1}},
        PickCase{"along_the_second_diagonal", {90, 32}, Pick{Pick::What::Element, 2}},
        PickCase{"near_the_top_bar", {60, 14}, Pick{Pick::What::Element, 3}},
        PickCase{"where_they_cross_the_first_wins", {60, 60}, Pick{Pick::What::Element, 1}},
        PickCase{"beyond_the_radius", {60, 17}, std::nullopt},
        PickCase{"past_the_end_of_a_bar", {118, 118}, std::nullopt}),
    [](const auto& test) { return test.param.name; });

TEST(Facts, ElementAndNodeAreDescribedInBothLanguages) {
  const float coords[] = {0, 0, 0, 3, 4, 0};
  const std::int32_t start[] = {1};
  const std::int32_t end[] = {2};
  const std::int32_t kinds[] = {3};
  const DrawingSource source = makeDrawingSource(3, 2, coords, 1, start, end, kinds);
  EXPECT_EQ(describePick(source, {Pick::What::Element, 1}, false),
            "Element 1: nodes 1 - 2, Diagonal, type \"\", area 0, length 5");
  EXPECT_EQ(describePick(source, {Pick::What::Node, 2}, true), "Nod 2: (3, 4, 0)");
}

TEST(Facts, ExampleElementCarriesItsTypeNameAreaAndBlockedNode) {
  const zentrix::testing::RunModel m = loadedExample("truss-bridge-3d");
  const DrawingSource source = drawingSource(m, Subject::Structure);
  const ElementFacts first = elementFacts(source, 1);
  EXPECT_EQ(first.kind, 1);
  EXPECT_EQ(first.typeName, std::string(model::trimLeft(model::trimRight(m.types.typeName(1)))));
  EXPECT_FALSE(first.typeName.empty());
  EXPECT_NE(first.typeName.front(), ' ') << "a loaded name's leading blank is not shown";
  EXPECT_FLOAT_EQ(first.area, m.types.typeArea(1));
  EXPECT_GT(first.length, 0.0f);
  const auto blocked = structure::blockedNodeRanges(m.structure, model::structureInputs(m)).front();
  EXPECT_TRUE(nodeFacts(source, blocked.first).blocked);
  EXPECT_NE(describePick(source, {Pick::What::Node, blocked.first}, false).find("(blocked)"),
            std::string::npos);
}

}  // namespace
}  // namespace zentrix::drawing
