// The structure view window driven as a user drives it, offscreen: it draws,
// a drag orbits and changes the picture, a click on an element shows that
// element's facts, the view buttons and the numbers change the drawing,
// and the exports write their files.
#include "ui/qt/structure_view.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "files/input_file.h"
#include "generation/run.h"
#include "picture/qt_picture.h"
#include "ui/finding_marks.h"

namespace zentrix::ui {
namespace {

model::Model generatedExample(const std::string& name, std::int32_t modules = 0) {
  model::Model m;
  model::setStartValues(m, false);
  m.base.lastNodesInBase0 = true;
  EXPECT_TRUE(
      files::loadInputFile(m, std::string(ZENTRIX_EXAMPLES_DIR) + "/" + name + ".dat", false));
  if (modules > 0) m.expansion.moduleCount = modules;
  generation::QuietCaller quiet;
  EXPECT_TRUE(generation::runGenerate(m, false, generation::kYesQuietly, quiet));
  return m;
}

// Pixels that are not the white background.
int drawnPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) ++count;
  return count;
}

class StructureViewTest : public ::testing::Test {
 protected:
  void open(const std::string& example, ViewSubject subject = ViewSubject::Structure) {
    model = generatedExample(example);
    window = std::make_unique<StructureViewWindow>(model, subject, false);
    window->resize(900, 700);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  StructureViewWidget& view() { return window->view(); }
  QPoint drawnPoint(std::int64_t element, float along) {
    const auto& screen = view().screen();
    const auto a = screen[static_cast<std::size_t>(view().source().start(element) - 1)];
    const auto b = screen[static_cast<std::size_t>(view().source().end(element) - 1)];
    return QPoint(static_cast<int>(std::lround(a.x + along * (b.x - a.x))),
                  static_cast<int>(std::lround(a.y + along * (b.y - a.y))));
  }
  void click(const char* button) {
    auto* found = window->findChild<QAbstractButton*>(button);
    ASSERT_NE(found, nullptr) << button;
    QTest::mouseClick(found, Qt::LeftButton);
  }

  model::Model model;
  std::unique_ptr<StructureViewWindow> window;
};

TEST_F(StructureViewTest, DrawsSomethingAndADragOrbitsIt) {
  open("truss-bridge-3d");
  const QImage before = view().image();
  EXPECT_GT(drawnPixels(before), 2000);
  const QPoint from(view().width() / 2, view().height() / 2);
  QTest::mousePress(&view(), Qt::LeftButton, {}, from);
  QTest::mouseMove(&view(), from + QPoint(20, 0));
  QTest::mouseMove(&view(), from + QPoint(80, 30));
  QTest::mouseRelease(&view(), Qt::LeftButton, {}, from + QPoint(80, 30));
  const QImage after = view().image();
  EXPECT_GT(drawnPixels(after), 2000);
  EXPECT_NE(before, after);
  EXPECT_FALSE(view().picked().has_value()) << "a drag is no click";
}

TEST_F(StructureViewTest, ClickOnAnElementShowsItsFacts) {
  open("arch-circular-2d");
  view().repaint();
  int checked = 0;
  for (const std::int64_t element : {1, 5, 20, 37, 49}) {
    const QPoint at = drawnPoint(element, 0.5f);
    QTest::mouseClick(&view(), Qt::LeftButton, {}, at);
    ASSERT_TRUE(view().picked().has_value()) << "element " << element;
    if (view().picked()->what != drawing::Pick::What::Element) continue;  // a node there
    EXPECT_EQ(view().picked()->number, element);
    EXPECT_TRUE(window->statusText().startsWith(QString("Element %1: nodes %2 - %3")
                                                    .arg(element)
                                                    .arg(view().source().start(element))
                                                    .arg(view().source().end(element))))
        << window->statusText().toStdString();
    ++checked;
  }
  EXPECT_GE(checked, 4);
}

TEST_F(StructureViewTest, ClickOnANodeShowsItsCoordinates) {
  open("truss-bridge-3d");
  const auto p = view().screen()[0];
  QTest::mouseClick(&view(), Qt::LeftButton, {},
                    QPoint(static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))));
  ASSERT_TRUE(view().picked().has_value());
  EXPECT_EQ(view().picked()->what, drawing::Pick::What::Node);
  EXPECT_TRUE(window->statusText().startsWith("Node ")) << window->statusText().toStdString();
}

// A clicked element was not highlighted: its casing now shows beside it.
TEST_F(StructureViewTest, ClickedElementIsHighlighted) {
  open("arch-circular-2d");
  view().repaint();
  const std::int64_t element = 20;
  const QPoint middle = drawnPoint(element, 0.5f);
  const QPoint along = drawnPoint(element, 0.6f) - middle;
  // Two pixels across the line from its middle.
  const double length = std::hypot(along.x(), along.y());
  const QPoint beside = middle + QPoint(static_cast<int>(std::lround(-2.0 * along.y() / length)),
                                        static_cast<int>(std::lround(2.0 * along.x() / length)));
  const drawing::Colour casing = drawing::highlightColour();
  EXPECT_NE(view().image().pixel(beside), qRgb(casing.r, casing.g, casing.b));
  QTest::mouseClick(&view(), Qt::LeftButton, {}, middle);
  ASSERT_TRUE(view().picked().has_value());
  ASSERT_EQ(view().picked()->number, element);
  EXPECT_EQ(view().image().pixel(beside), qRgb(casing.r, casing.g, casing.b));
}

TEST_F(StructureViewTest, ViewButtonsAndNumbersChangeTheDrawing) {
  open("truss-bridge-3d");
  const QImage iso = view().image();
  click("xy");
  const QImage xy = view().image();
  EXPECT_NE(iso, xy);
  click("iso");
  EXPECT_EQ(view().image(), iso) << "the standard view comes back exactly";
  auto* numbers = window->findChild<QCheckBox*>("numbers");
  ASSERT_NE(numbers, nullptr);
  QTest::mouseClick(numbers, Qt::LeftButton);
  EXPECT_TRUE(view().options().numbers);
  EXPECT_GT(drawnPixels(view().image()), drawnPixels(iso));
}

TEST_F(StructureViewTest, WheelZoomsAndFitComesBack) {
  open("tower-pyramidal-3d");
  const float scale = view().camera().scale();
  QWheelEvent wheel(QPointF(200, 200), view().mapToGlobal(QPointF(200, 200)), QPoint(),
                    QPoint(0, 240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&view(), &wheel);
  EXPECT_GT(view().camera().scale(), scale * 1.3f);
  click("fit");
  EXPECT_FLOAT_EQ(view().camera().scale(), scale);
}

struct ExportCase {
  const char* name;
  ViewSubject subject;
  std::vector<std::string> formats;
};

class StructureViewExportTest : public StructureViewTest,
                                public ::testing::WithParamInterface<ExportCase> {};

// The Base module offers its pictures; the structure its pictures and the
// exchange formats, each written through its button's writer.
TEST_P(StructureViewExportTest, EveryOfferedFormatWritesItsFile) {
  open("arch-parabolic-2d", GetParam().subject);
  QTemporaryDir folder;
  const auto formats = viewExportFormats(GetParam().subject, false);
  std::vector<std::string> names;
  for (const auto& format : formats) names.push_back(format.name);
  EXPECT_EQ(names, GetParam().formats);
  for (std::size_t i = 0; i < formats.size(); ++i) {
    const std::string path =
        folder.filePath(QString::fromStdString("view." + formats[i].extension)).toStdString();
    ASSERT_NE(window->findChild<QPushButton*>(QString::fromStdString("export" + formats[i].name)),
              nullptr);
    const model::Outcome written = window->exportTo(i, path);
    EXPECT_TRUE(written) << written.message;
    EXPECT_GT(QFileInfo(QString::fromStdString(path)).size(), 100) << formats[i].name;
    EXPECT_TRUE(window->statusText().startsWith("Written: ")) << window->statusText().toStdString();
  }
  const model::Outcome refused =
      window->exportTo(0, folder.filePath("none/view.svg").toStdString());
  EXPECT_FALSE(refused);
  EXPECT_EQ(window->statusText().toStdString(), refused.message);
}

INSTANTIATE_TEST_SUITE_P(
    Subjects, StructureViewExportTest,
    ::testing::Values(
        ExportCase{"BaseModule", ViewSubject::BaseModule, {"SVG", "PNG"}},
        ExportCase{"Structure", ViewSubject::Structure, {"SVG", "PNG", "VTU", "MSH", "DXF"}}),
    [](const auto& test) { return std::string(test.param.name); });

// A duplicate element in the Base module is a finding of the model check;
// the view marks it where it lies: in the Base module's numbering on the
// Base module, on the first module's copy on the structure.
TEST(StructureViewFindings, AreMarkedWhereTheyLie) {
  model::Model m = generatedExample("truss-bridge-3d");
  EXPECT_TRUE(findingMarks(m, ViewSubject::Structure).elements.empty());
  EXPECT_TRUE(findingMarks(m, ViewSubject::BaseModule).elements.empty());
  const std::int64_t copied = m.structure.totalElements();
  m.structure.elemStart.resize(copied + 1);
  m.structure.elemEnd.resize(copied + 1);
  m.structure.elemStart(copied + 1) = m.structure.elemEnd(1);
  m.structure.elemEnd(copied + 1) = m.structure.elemStart(1);
  const drawing::Marks marks = findingMarks(m, ViewSubject::Structure);
  EXPECT_NE(std::find(marks.elements.begin(), marks.elements.end(), copied + 1),
            marks.elements.end());
  EXPECT_TRUE(findingMarks(m, ViewSubject::BaseModule).elements.empty())
      << "a structure finding has no place on the Base module";
}

// A window given the marks of the check after GENERATE shows them as they
// are, without a check of its own.
TEST(StructureViewFindings, GivenMarksAreShownAsGiven) {
  const model::Model m = generatedExample("truss-bridge-3d");
  StructureViewContent content{ViewSubject::Structure, false, {}, nullptr};
  content.marks = std::make_shared<const drawing::Marks>(drawing::Marks{{3}, {7}});
  StructureViewWindow window(m, ViewSubject::Structure, false);
  window.showContent(m, content);
  EXPECT_EQ(window.view().options().marks.nodes, std::vector<std::int64_t>{3});
  EXPECT_EQ(window.view().options().marks.elements, std::vector<std::int64_t>{7});
}

// A camera on the XY plane, the source fitted into it.
drawing::Camera fittedOnXY(const drawing::DrawingSource& source, int width, int height) {
  drawing::Camera camera(width, height);
  camera.setStandardView(drawing::StandardView::XY);
  camera.fit(source);
  return camera;
}

// The plain lines of a moving drawing go straight into the image's pixels:
// each element's middle pixel is in its kind's colour, as the painter's
// lines are.
TEST(PlainLines, EveryElementIsDrawnInItsKindColour) {
  const model::Model m = generatedExample("arch-circular-2d");
  const drawing::DrawingSource source = drawing::drawingSource(m, drawing::Subject::Structure);
  const drawing::Camera camera = fittedOnXY(source, 800, 500);
  std::vector<drawing::ScreenPoint> screen;
  drawing::projectNodes(source, camera, screen);
  drawing::DrawOptions options;
  options.legend = false;
  options.triad = false;
  QImage image(800, 500, QImage::Format_RGB32);
  {
    QPainter painter(&image);
    picture::paintDrawing(source, camera, options, screen, painter, image);
  }
  int matching = 0;
  for (std::int64_t e = 1; e <= source.elementCount(); ++e) {
    const auto a = screen[static_cast<std::size_t>(source.start(e) - 1)];
    const auto b = screen[static_cast<std::size_t>(source.end(e) - 1)];
    const drawing::Colour c = drawing::kindColour(source.kind(e));
    // The pixel the line passes through, or a neighbour of it.
    bool found = false;
    for (int dy = -1; dy <= 1 && !found; ++dy)
      for (int dx = -1; dx <= 1 && !found; ++dx)
        found = image.pixel(static_cast<int>(0.5f * (a.x + b.x)) + dx,
                            static_cast<int>(0.5f * (a.y + b.y)) + dy) == qRgb(c.r, c.g, c.b);
    if (found) ++matching;
  }
  EXPECT_EQ(matching, source.elementCount());
}

TEST(PlainLines, LinesReachingFarOutsideAreClippedNotSkipped) {
  const float coords[] = {-1e6f, 100.0f, 1e6f, 100.0f, 50.0f, -1e7f, 50.0f, 1e7f};
  const std::int32_t start[] = {1, 3};
  const std::int32_t end[] = {2, 4};
  const std::int32_t kinds[] = {1, 2};
  const drawing::DrawingSource source =
      drawing::makeDrawingSource(2, 4, coords, 2, start, end, kinds);
  drawing::Camera camera(200, 200);
  camera.setStandardView(drawing::StandardView::XY);
  camera.zoomAt(1.0f, 0.0f, 0.0f);
  camera.pan(-100.0f, 100.0f);  // model (0, 0) at the top-left corner
  std::vector<drawing::ScreenPoint> screen;
  drawing::projectNodes(source, camera, screen);
  drawing::DrawOptions options;
  options.legend = false;
  options.triad = false;
  QImage image(200, 200, QImage::Format_RGB32);
  {
    QPainter painter(&image);
    picture::paintDrawing(source, camera, options, screen, painter, image);
  }
  const drawing::Colour one = drawing::kindColour(1);
  const drawing::Colour two = drawing::kindColour(2);
  EXPECT_EQ(image.pixel(10, 100), qRgb(one.r, one.g, one.b));
  EXPECT_EQ(image.pixel(190, 100), qRgb(one.r, one.g, one.b));
  EXPECT_EQ(image.pixel(50, 10), qRgb(two.r, two.g, two.b));
  EXPECT_EQ(image.pixel(50, 190), qRgb(two.r, two.g, two.b));
}

int pixelsOf(const QImage& image, drawing::Colour colour, QRect within) {
  int count = 0;
  for (int y = within.top(); y <= within.bottom(); ++y)
    for (int x = within.left(); x <= within.right(); ++x)
      if (image.pixel(x, y) == qRgb(colour.r, colour.g, colour.b)) ++count;
  return count;
}

// From 7,692 modules on the bridge shrank to one line in the Type 4 colour,
// the kind drawn last, and ran over the legend. Its pixels hold every kind:
// they are drawn in the mixed colour, and the legend keeps its ground.
TEST(LongStructure, MergedPixelsClaimNoKindAndLeaveTheLegendClear) {
  const model::Model m = generatedExample("truss-bridge-3d", 7692);
  const drawing::DrawingSource source = drawing::drawingSource(m, drawing::Subject::Structure);
  drawing::Camera camera = fittedOnXY(source, 900, 500);
  std::vector<drawing::ScreenPoint> screen;
  const drawing::DrawOptions options;
  const auto paint = [&] {
    drawing::projectNodes(source, camera, screen);
    QImage image(900, 500, QImage::Format_RGB32);
    QPainter painter(&image);
    picture::paintDrawing(source, camera, options, screen, painter, image);
    return image;
  };
  const QImage whole = paint();
  const QRect all = whole.rect();
  const int mixed = pixelsOf(whole, drawing::mixedColour(), all);
  EXPECT_GT(mixed, 500);
  for (int kind = 1; kind <= model::kKindCount; ++kind)
    EXPECT_LT(pixelsOf(whole, drawing::kindColour(kind), all), mixed / 4) << "Type " << kind;
  // The line moved onto the legend's first line leaves the legend as it is
  // with the structure out of sight.
  camera.pan(0.0f, 14.0f - screen[0].y);
  const QImage over = paint();
  camera.pan(0.0f, 1000.0f);
  const QImage away = paint();
  const QRect legend(0, 0, 60, 40);
  EXPECT_EQ(over.copy(legend), away.copy(legend));
  EXPECT_GT(pixelsOf(over, drawing::mixedColour(), QRect(600, 0, 300, 40)), 100)
      << "the line runs at the legend's height";
}

// A structure of more elements than a moving drawing takes: thinned while
// it moves, whole once it is still.
TEST(StructureViewLarge, DrawsAShareWhileMovingAndEverythingWhenStill) {
  model::Model m;
  m.base.dofPerNode = 3;
  const std::int64_t nodes = 1000;
  const std::int64_t elements = kMovingElementBudget * 2 + 10;
  m.structure.nodeCoords.rebuild(nodes, 3);
  for (std::int64_t n = 1; n <= nodes; ++n) {
    m.structure.nodeCoords(n, 1) = static_cast<float>(n % 10);
    m.structure.nodeCoords(n, 2) = static_cast<float>((n / 10) % 10);
    m.structure.nodeCoords(n, 3) = static_cast<float>(n / 100);
  }
  m.structure.elemStart.rebuild(elements);
  m.structure.elemEnd.rebuild(elements);
  m.structure.elemKind.rebuild(elements);
  for (std::int64_t e = 1; e <= elements; ++e) {
    m.structure.elemStart(e) = static_cast<std::int32_t>(1 + e % nodes);
    m.structure.elemEnd(e) = static_cast<std::int32_t>(1 + (e * 7 + 3) % nodes);
  }
  m.structure.kindEnd = {0, static_cast<std::int32_t>(elements),
                         static_cast<std::int32_t>(elements), static_cast<std::int32_t>(elements),
                         static_cast<std::int32_t>(elements)};
  m.structure.generatedWith = model::GeneratedWith{3, 4, 4, model::kPrismatic, false};
  StructureViewWidget view(m, ViewSubject::Structure, false);
  view.resize(400, 300);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(100, 100));
  QTest::mouseMove(&view, QPoint(140, 120));
  view.repaint();
  EXPECT_EQ(view.lastDrawn().elementStride, 3);
  EXPECT_LE(view.lastDrawn().elements, kMovingElementBudget);
  QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(140, 120));
  view.repaint();
  EXPECT_EQ(view.lastDrawn().elementStride, 1);
}

}  // namespace
}  // namespace zentrix::ui
