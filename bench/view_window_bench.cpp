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
#include "ui/finding_marks.h"
#include "ui/qt/qt_dialog_host.h"
#include "ui/qt/structure_view.h"

namespace {

using namespace zentrix;

double cpuSeconds() {
  return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// Seconds (wall, CPU) from the window's construction to its first drawing,
// the median of three.
std::pair<double, double> opening(const model::Model& m, const ui::StructureViewContent& content) {
  std::vector<std::pair<double, double>> times;
  for (int run = 0; run < 3; ++run) {
    ui::QtDialogHost host;
    QElapsedTimer wall;
    const double cpu = cpuSeconds();
    wall.start();
    ui::StructureViewWindow window(m, content, false, host);
    window.resize(1280, 860);
    window.show();
    while (window.view().lastDrawn().elements == 0)
      QApplication::processEvents(QEventLoop::AllEvents, 10);
    times.emplace_back(static_cast<double>(wall.nsecsElapsed()) * 1e-9, cpuSeconds() - cpu);
  }
  std::sort(times.begin(), times.end());
  return times[1];
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  for (const std::int32_t modules : {7692, 1000000}) {
    model::Model m = bench::trussWorkload(modules);
    bench::generateWorkload(m);
    QElapsedTimer check;
    check.start();
    const auto findings = generation::checkModel(m);
    const double checkSeconds = static_cast<double>(check.nsecsElapsed()) * 1e-9;
    ui::StructureViewContent checked{ui::ViewSubject::Structure, false, {}, nullptr};
    checked.marks = std::make_shared<const drawing::Marks>(
        ui::marksOf(findings, m, ui::ViewSubject::Structure));
    const auto afterGenerate = opening(m, checked);
    const auto onItsOwn = opening(m, {ui::ViewSubject::Structure, false, {}, nullptr});
    std::printf(
        "%d modules, %lld elements: opens in %.3f s (CPU %.3f s) after GENERATE's check, "
        "%.3f s (CPU %.3f s) checking itself; the model check %.3f s (%zu marks)\n",
        modules, static_cast<long long>(m.structure.totalElements()), afterGenerate.first,
        afterGenerate.second, onItsOwn.first, onItsOwn.second, checkSeconds,
        checked.marks->nodes.size() + checked.marks->elements.size());
  }
  return 0;
}
