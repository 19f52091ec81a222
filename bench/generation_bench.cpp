// GENERATE alone on the truss workload (4 nodes per base, 13 elements per
// module), with and without moving Base 0 to the end of the numbering, at
// 10^5 and 10^6 modules. Counters: nodes/s and elements/s.
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "generation/generate.h"
#include "truss_workload.h"

namespace {

void generateTruss(benchmark::State& state) {
  const auto modules = static_cast<std::int32_t>(state.range(0));
  const bool renumber = state.range(1) != 0;
  std::int64_t nodes = 0;
  std::int64_t elements = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto model = zentrix::bench::trussWorkload(modules);
    model.base.lastNodesInBase0 = renumber;
    state.ResumeTiming();
    if (!zentrix::generation::generateStructure(model, false))
      throw std::runtime_error("generate failed");
    nodes += model.structure.totalNodes();
    elements += model.structure.totalElements();
    state.PauseTiming();
    model = {};  // the release of the arrays is not GENERATE's work
    state.ResumeTiming();
  }
  state.counters["nodes/s"] =
      benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
  state.counters["elements/s"] =
      benchmark::Counter(static_cast<double>(elements), benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(generateTruss)
    ->ArgsProduct({{100'000, 1'000'000}, {0, 1}})
    ->ArgNames({"modules", "renumber"})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
