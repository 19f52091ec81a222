// GENERATE plus a writer on the truss workload at 10^4, 10^5 and 10^6
// modules, measured side by side with the I/O floor: writing the same number
// of bytes from memory to the same file system in 4 MiB blocks, then a
// rename, as the writers do. Two writers: CREATE (the Geometry File) and
// Save Data (the Zentrix Input File). Each iteration times the work and the
// floor one after the other, so that both meet the same state of the page
// cache. Counters: nodes/s, elements/s, MB/s of the work and of the floor,
// the ratio of the two median times, the peak resident memory against the
// size of the generated structure's own arrays. The output folder is
// ZENTRIX_BENCH_DIR, or the current directory.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "files/geometry_file.h"
#include "files/input_file.h"
#include "generation/generate.h"
#include "io_floor.h"
#include "truss_workload.h"

namespace {

using zentrix::bench::Clock;
using zentrix::bench::median;
using zentrix::bench::outputPath;
using zentrix::bench::peakResidentMegabytes;
using zentrix::bench::secondsSince;
using zentrix::bench::timeIoFloor;

enum class Writer { kGeometryFile, kInputFile };

// Writes the model at `path`; false on failure.
bool write(Writer writer, const zentrix::model::Model& model, const std::string& path) {
  if (writer == Writer::kGeometryFile)
    return zentrix::files::writeGeometryFile(zentrix::files::geometryParts(model, false), path).ok;
  return zentrix::files::writeInputFile(zentrix::files::inputFileParts(model, true, false), path)
      .ok;
}

void generateAndWrite(benchmark::State& state, Writer writer) {
  const auto modules = static_cast<std::int32_t>(state.range(0));
  const std::string path = outputPath("bench-output.dat");
  std::vector<double> workTimes;
  std::vector<double> floorTimes;
  std::uintmax_t bytes = 0;
  double arraysMegabytes = 0;
  std::int64_t nodes = 0;
  std::int64_t elements = 0;
  // One run untimed first: the first use of memory this process has not
  // touched yet costs more (on a virtual machine, much more) than the page
  // cache the runs after it recycle, and the floor must not get the warm
  // pages the work paid for.
  {
    auto model = zentrix::bench::trussWorkload(modules);
    zentrix::generation::measureBaseModule(model);
    if (!zentrix::generation::generateStructure(model, false) || !write(writer, model, path))
      throw std::runtime_error("warm-up failed");
    timeIoFloor(std::filesystem::file_size(path));
    std::filesystem::remove(path);
  }
  for (auto _ : state) {
    auto model = zentrix::bench::trussWorkload(modules);
    const auto start = Clock::now();
    if (zentrix::generation::refusalOf(model, false)) throw std::runtime_error("workload refused");
    zentrix::generation::measureBaseModule(model);
    if (!zentrix::generation::generateStructure(model, false))
      throw std::runtime_error("generate failed");
    if (!write(writer, model, path)) throw std::runtime_error("write failed");
    const double seconds = secondsSince(start);
    state.SetIterationTime(seconds);
    workTimes.push_back(seconds);
    const std::uintmax_t size = std::filesystem::file_size(path);
    std::filesystem::remove(path);
    floorTimes.push_back(timeIoFloor(size));
    bytes += size;
    nodes += model.structure.totalNodes();
    elements += model.structure.totalElements();
    const double arrayBytes =
        static_cast<double>(model.structure.nodeCoords.storage().size()) * 4 +
        static_cast<double>(model.structure.elemStart.count() + model.structure.elemEnd.count() +
                            model.structure.elemKind.count()) *
            4;
    arraysMegabytes = arrayBytes / (1024.0 * 1024.0);
  }
  const double peak = peakResidentMegabytes();
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
  const double runs = static_cast<double>(state.iterations());
  state.counters["nodes/s"] =
      benchmark::Counter(static_cast<double>(nodes) / runs / median(workTimes));
  state.counters["elements/s"] =
      benchmark::Counter(static_cast<double>(elements) / runs / median(workTimes));
  state.counters["MB/s"] =
      benchmark::Counter(static_cast<double>(bytes) / runs / median(workTimes) / 1e6);
  // The machine may be shared: the medians of the work and of the floor are
  // what the ratio compares, so that one disturbed run does not decide it.
  const double fileBytes = static_cast<double>(bytes) / runs;
  state.counters["work_median_ms"] = benchmark::Counter(median(workTimes) * 1e3);
  state.counters["floor_median_ms"] = benchmark::Counter(median(floorTimes) * 1e3);
  state.counters["floor_MB/s"] = benchmark::Counter(fileBytes / median(floorTimes) / 1e6);
  state.counters["ratio_to_floor"] = benchmark::Counter(median(workTimes) / median(floorTimes));
  state.counters["file_MB"] = benchmark::Counter(static_cast<double>(bytes) /
                                                 static_cast<double>(state.iterations()) / 1e6);
  state.counters["arrays_MB"] = benchmark::Counter(arraysMegabytes);
  state.counters["peak_rss_MB"] = benchmark::Counter(peak);
  state.counters["memory_ratio"] = benchmark::Counter(peak / arraysMegabytes);
}

void generateAndCreate(benchmark::State& state) {
  generateAndWrite(state, Writer::kGeometryFile);
}
void generateAndSave(benchmark::State& state) {
  generateAndWrite(state, Writer::kInputFile);
}

// Fixed iterations: a few at the largest size, where one takes a second.
#define ZENTRIX_WORKLOAD_SIZES(function) \
  BENCHMARK(function)                    \
      ->Arg(10'000)                      \
      ->Iterations(40)                   \
      ->Unit(benchmark::kMillisecond)    \
      ->UseManualTime();                 \
  BENCHMARK(function)                    \
      ->Arg(100'000)                     \
      ->Iterations(10)                   \
      ->Unit(benchmark::kMillisecond)    \
      ->UseManualTime();                 \
  BENCHMARK(function)->Arg(1'000'000)->Iterations(5)->Unit(benchmark::kMillisecond)->UseManualTime()

ZENTRIX_WORKLOAD_SIZES(generateAndCreate);
ZENTRIX_WORKLOAD_SIZES(generateAndSave);

}  // namespace

BENCHMARK_MAIN();
