// GENERATE plus CREATE on the truss workload at 10^4, 10^5 and 10^6 modules,
// measured side by side with the I/O floor: writing the same number of bytes
// from memory to the same file system in the same 4 MiB blocks. Counters:
// nodes/s, elements/s, MB/s, the ratio to the floor, and the peak resident
// memory against the size of the generated structure's own arrays. The
// output folder is ZENTRIX_BENCH_DIR, or the current directory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "files/geometry_file.h"
#include "generation/generate.h"
#include "truss_workload.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string outputPath(const char* name) {
  const char* folder = std::getenv("ZENTRIX_BENCH_DIR");
  return (std::filesystem::path(folder != nullptr ? folder : ".") / name).string();
}

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Writes `bytes` bytes in 4 MiB blocks from memory, as the writers do, and
// puts the file in place with a rename, as they do.
double timeIoFloor(std::uintmax_t bytes) {
  static std::vector<char> block(std::size_t{4} << 20, 'x');
  const std::string path = outputPath("bench-floor.tmp");
  const auto start = Clock::now();
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) throw std::runtime_error("cannot create " + path);
  for (std::uintmax_t left = bytes; left > 0;) {
    const std::size_t chunk = left < block.size() ? static_cast<std::size_t>(left) : block.size();
    std::fwrite(block.data(), 1, chunk, file);
    left -= chunk;
  }
  std::fclose(file);
  std::filesystem::rename(path, outputPath("bench-floor.dat"));
  const double seconds = secondsSince(start);
  std::filesystem::remove(outputPath("bench-floor.dat"));
  return seconds;
}

double peakResidentMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

void generateAndCreate(benchmark::State& state) {
  const auto modules = static_cast<std::int32_t>(state.range(0));
  const std::string path = outputPath("bench-geometry.dat");
  double workSeconds = 0;
  double floorSeconds = 0;
  std::uintmax_t bytes = 0;
  double arraysMegabytes = 0;
  std::int64_t nodes = 0;
  std::int64_t elements = 0;
  for (auto _ : state) {
    auto model = zentrix::bench::trussWorkload(modules);
    model.geometryFilePath = path;
    const auto start = Clock::now();
    if (zentrix::generation::refusalOf(model)) throw std::runtime_error("workload refused");
    zentrix::generation::measureBaseModule(model);
    if (!zentrix::generation::generateStructure(model)) throw std::runtime_error("generate failed");
    if (!zentrix::files::writeGeometryFile(model)) throw std::runtime_error("create failed");
    const double seconds = secondsSince(start);
    state.SetIterationTime(seconds);
    workSeconds += seconds;
    const std::uintmax_t size = std::filesystem::file_size(path);
    std::filesystem::remove(path);
    floorSeconds += timeIoFloor(size);
    bytes += size;
    nodes += model.totalNodes;
    elements += model.totalElements;
    arraysMegabytes = (static_cast<double>(model.totalNodes) * model.dofPerNode * 4 +
                       static_cast<double>(model.totalElements) * 3 * 4) /
                      (1024.0 * 1024.0);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
  state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(nodes) / workSeconds);
  state.counters["elements/s"] = benchmark::Counter(static_cast<double>(elements) / workSeconds);
  state.counters["MB/s"] = benchmark::Counter(static_cast<double>(bytes) / workSeconds / 1e6);
  state.counters["floor_MB/s"] = benchmark::Counter(static_cast<double>(bytes) / floorSeconds / 1e6);
  state.counters["ratio_to_floor"] = benchmark::Counter(workSeconds / floorSeconds);
  state.counters["file_MB"] = benchmark::Counter(static_cast<double>(bytes) / state.iterations() / 1e6);
  state.counters["arrays_MB"] = benchmark::Counter(arraysMegabytes);
  state.counters["peak_rss_MB"] = benchmark::Counter(peakResidentMegabytes());
  state.counters["memory_ratio"] = benchmark::Counter(peakResidentMegabytes() / arraysMegabytes);
}

}  // namespace

BENCHMARK(generateAndCreate)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

BENCHMARK_MAIN();
