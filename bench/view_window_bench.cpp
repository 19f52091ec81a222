// The structure view window as the user opens it, on a real display (run
// it under Xvfb: scripts/run-benchmarks.sh does): from the click to the
// first whole drawing on screen, on the benchmark truss at 7,692 and 10^6
// modules. It counts what the drawing benchmark leaves out: the model
// check whose findings the view marks, the window and its first paint.
// Prints the median of three openings, wall and CPU time.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

#include "truss_workload.h"
#include "ui/qt/structure_view.h"

namespace {

using namespace zentrix;

double cpuSeconds() {
  return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// Seconds (wall, CPU) from the window's construction to its first drawing.
std::pair<double, double> openOnce(const model::Model& m) {
  QElapsedTimer wall;
  const double cpu = cpuSeconds();
  wall.start();
  ui::StructureViewWindow window(m, ui::ViewSubject::Structure, false);
  window.resize(1280, 860);
  window.show();
  while (window.view().lastDrawn().elements == 0)
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  return {static_cast<double>(wall.nsecsElapsed()) * 1e-9, cpuSeconds() - cpu};
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  for (const std::int32_t modules : {7692, 1000000}) {
    model::Model m = bench::trussWorkload(modules);
    bench::generateWorkload(m);
    std::vector<std::pair<double, double>> times;
    for (int run = 0; run < 3; ++run) times.push_back(openOnce(m));
    std::sort(times.begin(), times.end());
    QElapsedTimer check;
    check.start();
    const auto marks = ui::findingMarks(m, ui::ViewSubject::Structure);
    const double checkSeconds = static_cast<double>(check.nsecsElapsed()) * 1e-9;
    std::printf(
        "%d modules, %lld elements: opens in %.3f s (CPU %.3f s), of which the model "
        "check %.3f s (%zu marks)\n",
        modules, static_cast<long long>(m.structure.totalElements()), times[1].first,
        times[1].second, checkSeconds, marks.nodes.size() + marks.elements.size());
  }
  return 0;
}
