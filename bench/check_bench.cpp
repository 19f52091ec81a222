// The model check on the generated truss workload (4 nodes per base, 13
// elements per module) at 10^5 and 10^6 modules: the sorts over every node
// and element pair dominate. The structure is generated once per size,
// outside the timing. Counters: elements/s and the findings (0: the
// workload is clean).
#include <benchmark/benchmark.h>

#include <map>

#include "generation/model_check.h"
#include "truss_workload.h"

namespace {

const zentrix::model::Model& generatedTruss(std::int32_t modules) {
  static std::map<std::int32_t, zentrix::model::Model> generated;
  auto found = generated.find(modules);
  if (found != generated.end()) return found->second;
  generated.clear();  // one structure in memory at a time
  zentrix::model::Model model = zentrix::bench::trussWorkload(modules);
  zentrix::bench::generateWorkload(model);
  return generated.emplace(modules, std::move(model)).first->second;
}

void checkTruss(benchmark::State& state) {
  const zentrix::model::Model& model = generatedTruss(static_cast<std::int32_t>(state.range(0)));
  std::int64_t findings = 0;
  for (auto _ : state) {
    const auto found = zentrix::generation::checkModel(model);
    findings = zentrix::generation::findingCount(found);
    benchmark::DoNotOptimize(found.data());
  }
  state.counters["elements/s"] =
      benchmark::Counter(static_cast<double>(model.structure.totalElements()) *
                             static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
  state.counters["findings"] = static_cast<double>(findings);
}

}  // namespace

BENCHMARK(checkTruss)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->ArgName("modules")
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

BENCHMARK_MAIN();
