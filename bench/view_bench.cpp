// The structure view's speed on the benchmark truss: opening (the source,
// the fit and the first whole drawing) and one orbit frame, drawn offscreen
// into an image of 1280 x 800 pixels as the view window draws itself, at
// about 10^5 elements (7,692 modules) and 1.3 x 10^7 (10^6 modules). The
// orbit frame is measured whole and thinned as the view draws while the
// model moves. Frames per second are reported as the `fps` counter.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <map>
#include <memory>
#include <vector>

#include "drawing/camera.h"
#include "drawing/drawing_source.h"
#include "drawing/scene.h"
#include "picture/qt_picture.h"
#include "truss_workload.h"

namespace {

using namespace zentrix;

constexpr int kWidth = 1280;
constexpr int kHeight = 800;

// One generated structure per size, kept for every benchmark of that size.
const model::Model& generated(std::int32_t modules) {
  static std::map<std::int32_t, std::unique_ptr<model::Model>> structures;
  auto& slot = structures[modules];
  if (!slot) {
    structures.clear();  // one large structure in memory at a time
    auto m = std::make_unique<model::Model>(bench::trussWorkload(modules));
    bench::generateWorkload(*m);
    return *(structures[modules] = std::move(m));
  }
  return *slot;
}

// As the view paints: antialiased when still and not too large, plain
// while the model moves.
drawing::DrawnCounts paint(const drawing::DrawingSource& source, const drawing::Camera& camera,
                           const drawing::DrawOptions& options,
                           std::vector<drawing::ScreenPoint>& screen, QImage& image,
                           bool moving = false) {
  drawing::projectNodes(source, camera, screen);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing,
                        !moving && source.elementCount() <= drawing::kAntialiasedElements);
  return picture::paintDrawing(source, camera, options, screen, painter, image);
}

void viewOpen(benchmark::State& state) {
  const model::Model& m = generated(static_cast<std::int32_t>(state.range(0)));
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  std::vector<drawing::ScreenPoint> screen;
  std::int64_t elements = 0;
  for (auto _ : state) {
    const drawing::DrawingSource source = drawing::drawingSource(m, drawing::Subject::Structure);
    drawing::Camera camera(kWidth, kHeight);
    camera.setStandardView(drawing::openingView(source));
    camera.fit(source);
    std::vector<drawing::ScreenPoint>().swap(screen);  // a first drawing allocates
    elements = paint(source, camera, {}, screen, image).elements;
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["elements"] = static_cast<double>(m.structure.totalElements());
  state.counters["drawn"] = static_cast<double>(elements);
}

void orbitFrame(benchmark::State& state, std::int64_t budget) {
  const model::Model& m = generated(static_cast<std::int32_t>(state.range(0)));
  const drawing::DrawingSource source = drawing::drawingSource(m, drawing::Subject::Structure);
  drawing::Camera camera(kWidth, kHeight);
  camera.setStandardView(drawing::openingView(source));
  camera.fit(source);
  drawing::DrawOptions options;
  options.elementBudget = budget;
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  std::vector<drawing::ScreenPoint> screen;
  paint(source, camera, options, screen, image);
  std::int64_t drawn = 0;
  for (auto _ : state) {
    camera.orbit(4.0f, 1.0f);
    drawn = paint(source, camera, options, screen, image, true).elements;
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["elements"] = static_cast<double>(m.structure.totalElements());
  state.counters["drawn"] = static_cast<double>(drawn);
  state.counters["fps"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void orbitWhole(benchmark::State& state) {
  orbitFrame(state, 0);
}
void orbitMoving(benchmark::State& state) {
  orbitFrame(state, drawing::kMovingElementBudget);
}

// The hardest 10^5 elements for a view: a cubic lattice of 30 x 30 x 30
// nodes with its edges and one face diagonal per square in each plane
// (about 100,000 elements), every one of them several pixels long.
struct Lattice {
  static constexpr int kSide = 30;
  Lattice() {
    auto number = [](int i, int j, int k) { return 1 + i + kSide * (j + kSide * k); };
    for (int k = 0; k < kSide; ++k)
      for (int j = 0; j < kSide; ++j)
        for (int i = 0; i < kSide; ++i)
          coords.insert(coords.end(),
                        {static_cast<float>(i), static_cast<float>(j), static_cast<float>(k)});
    auto bar = [&](int a, int b, int kind) {
      start.push_back(a);
      end.push_back(b);
      kinds.push_back(kind);
    };
    for (int k = 0; k < kSide; ++k)
      for (int j = 0; j < kSide; ++j)
        for (int i = 0; i < kSide; ++i) {
          const int n = number(i, j, k);
          if (i + 1 < kSide) bar(n, number(i + 1, j, k), 1);
          if (j + 1 < kSide) bar(n, number(i, j + 1, k), 2);
          if (k + 1 < kSide) bar(n, number(i, j, k + 1), 2);
          if (i + 1 < kSide && j + 1 < kSide) bar(n, number(i + 1, j + 1, k), 3);
        }
  }
  drawing::DrawingSource source() const {
    return drawing::makeDrawingSource(3, static_cast<std::int64_t>(coords.size() / 3),
                                      coords.data(), static_cast<std::int64_t>(start.size()),
                                      start.data(), end.data(), kinds.data());
  }
  std::vector<float> coords;
  std::vector<std::int32_t> start, end, kinds;
};

void latticeOrbit(benchmark::State& state) {
  static const Lattice lattice;
  const drawing::DrawingSource source = lattice.source();
  drawing::Camera camera(kWidth, kHeight);
  camera.setStandardView(drawing::StandardView::Iso);
  camera.fit(source);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  std::vector<drawing::ScreenPoint> screen;
  const bool moving = state.range(0) != 0;
  drawing::DrawOptions options;
  if (moving) options.elementBudget = drawing::kMovingElementBudget;
  std::int64_t drawn = 0;
  for (auto _ : state) {
    camera.orbit(4.0f, 1.0f);
    drawn = paint(source, camera, options, screen, image, moving).elements;
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["elements"] = static_cast<double>(source.elementCount());
  state.counters["drawn"] = static_cast<double>(drawn);
  state.counters["fps"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
// 0: a still frame (antialiased), 1: a frame while orbiting.
BENCHMARK(latticeOrbit)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// A click: the node or element under the cursor, searched among all.
void pickAtCentre(benchmark::State& state) {
  const model::Model& m = generated(static_cast<std::int32_t>(state.range(0)));
  const drawing::DrawingSource source = drawing::drawingSource(m, drawing::Subject::Structure);
  drawing::Camera camera(kWidth, kHeight);
  camera.setStandardView(drawing::openingView(source));
  camera.fit(source);
  std::vector<drawing::ScreenPoint> screen;
  drawing::projectNodes(source, camera, screen);
  for (auto _ : state)
    benchmark::DoNotOptimize(drawing::pickAt(source, screen, {kWidth / 2.0f, kHeight / 2.0f}));
  state.counters["elements"] = static_cast<double>(m.structure.totalElements());
}

BENCHMARK(viewOpen)->Arg(7692)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(orbitWhole)->Arg(7692)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(orbitMoving)->Arg(7692)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(pickAtCentre)->Arg(7692)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  // Fonts (the legend) need a GUI application; no display is used.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  char name[] = "zentrix_view_bench";
  char* qtArgv[] = {name, nullptr};
  QGuiApplication application(qtArgc, qtArgv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
