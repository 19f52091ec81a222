// The writers alone on a structure generated once (the truss workload at
// 10^5 and 10^6 modules): the Geometry File (CREATE) and the three exports
// (VTU, MSH, DXF), each measured side by side with the I/O floor of its own
// file size (io_floor.h). Each iteration times the writer and then the floor,
// so that both meet the same state of the page cache. Counters: the file
// size, MB/s, the median times of the writer and of the floor and their
// ratio, and the processor time of all threads. The output folder is
// ZENTRIX_BENCH_DIR, or the current directory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "files/geometry_file.h"
#include "files/structure_exports.h"
#include "generation/generate.h"
#include "io_floor.h"
#include "truss_workload.h"

namespace {

using namespace zentrix;
using bench::Clock;

enum class Writer { kGeometryFile, kVtu, kMsh, kDxf };

// The generated workload of each size, made once for every writer.
model::Model& generated(std::int32_t modules) {
  static std::map<std::int32_t, std::unique_ptr<model::Model>> made;
  auto& model = made[modules];
  if (!model) {
    made.clear();  // one size in memory at a time
    auto fresh = std::make_unique<model::Model>(bench::trussWorkload(modules));
    bench::generateWorkload(*fresh);
    made[modules] = std::move(fresh);
    return *made[modules];
  }
  return *model;
}

double processCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

bool write(Writer writer, model::Model& model, const std::string& path) {
  switch (writer) {
    case Writer::kGeometryFile:
      return files::writeGeometryFile(files::geometryParts(model, false), path).ok;
    case Writer::kVtu:
      return files::writeVtuFile(files::exportParts(model, false), path).ok;
    case Writer::kMsh:
      return files::writeMshFile(files::exportParts(model, false), path).ok;
    case Writer::kDxf:
      break;
  }
  return files::writeDxfFile(files::exportParts(model, false), path).ok;
}

void writeStructure(benchmark::State& state, Writer writer) {
  model::Model& model = generated(static_cast<std::int32_t>(state.range(0)));
  const std::string path = bench::outputPath("bench-export.out");
  // One run untimed first, so that the floor does not get the warm pages
  // the first run paid for.
  if (!write(writer, model, path)) throw std::runtime_error("warm-up failed");
  bench::timeIoFloor(std::filesystem::file_size(path));
  std::filesystem::remove(path);
  std::vector<double> workTimes;
  std::vector<double> floorTimes;
  std::uintmax_t size = 0;
  std::vector<double> cpuTimes;
  for (auto _ : state) {
    const double cpuStart = processCpuSeconds();
    const auto start = Clock::now();
    if (!write(writer, model, path)) throw std::runtime_error("write failed");
    const double seconds = bench::secondsSince(start);
    cpuTimes.push_back(processCpuSeconds() - cpuStart);
    state.SetIterationTime(seconds);
    workTimes.push_back(seconds);
    size = std::filesystem::file_size(path);
    std::filesystem::remove(path);
    floorTimes.push_back(bench::timeIoFloor(size));
  }
  const double work = bench::median(workTimes);
  const double floor = bench::median(floorTimes);
  state.SetBytesProcessed(static_cast<std::int64_t>(size) * state.iterations());
  state.counters["file_MB"] = benchmark::Counter(static_cast<double>(size) / 1e6);
  state.counters["MB/s"] = benchmark::Counter(static_cast<double>(size) / work / 1e6);
  state.counters["work_median_ms"] = benchmark::Counter(work * 1e3);
  state.counters["floor_median_ms"] = benchmark::Counter(floor * 1e3);
  state.counters["ratio_to_floor"] = benchmark::Counter(work / floor);
  // The processor time of all threads: what the writer costs whatever else
  // the machine runs.
  state.counters["cpu_median_ms"] = benchmark::Counter(bench::median(cpuTimes) * 1e3);
  state.counters["elements"] =
      benchmark::Counter(static_cast<double>(model.structure.totalElements()));
  state.counters["peak_rss_MB"] = benchmark::Counter(bench::peakResidentMegabytes());
}

void geometryFile(benchmark::State& state) {
  writeStructure(state, Writer::kGeometryFile);
}
void vtuFile(benchmark::State& state) {
  writeStructure(state, Writer::kVtu);
}
void mshFile(benchmark::State& state) {
  writeStructure(state, Writer::kMsh);
}
void dxfFile(benchmark::State& state) {
  writeStructure(state, Writer::kDxf);
}

#define ZENTRIX_EXPORT_SIZES(function) \
  BENCHMARK(function)                  \
      ->Arg(100'000)                   \
      ->Iterations(5)                  \
      ->Unit(benchmark::kMillisecond)  \
      ->UseManualTime();               \
  BENCHMARK(function)->Arg(1'000'000)->Iterations(3)->Unit(benchmark::kMillisecond)->UseManualTime()

ZENTRIX_EXPORT_SIZES(geometryFile);
ZENTRIX_EXPORT_SIZES(vtuFile);
ZENTRIX_EXPORT_SIZES(mshFile);
ZENTRIX_EXPORT_SIZES(dxfFile);

}  // namespace

BENCHMARK_MAIN();
