#include "io_floor.h"

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace zentrix::bench {

std::string outputPath(const char* name) {
  const char* folder = std::getenv("ZENTRIX_BENCH_DIR");
  return (std::filesystem::path(folder != nullptr ? folder : ".") / name).string();
}

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

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

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double peakResidentMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

}  // namespace zentrix::bench
