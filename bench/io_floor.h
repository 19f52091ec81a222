// What the writer benchmarks share: where their files go (ZENTRIX_BENCH_DIR,
// or the current directory), the I/O floor they are measured against
// (writing the same number of bytes from memory in 4 MiB blocks, then a
// rename, as the writers do), medians and the peak memory.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace zentrix::bench {

using Clock = std::chrono::steady_clock;

std::string outputPath(const char* name);
double secondsSince(Clock::time_point start);
double timeIoFloor(std::uintmax_t bytes);
double median(std::vector<double> values);
double peakResidentMegabytes();

}  // namespace zentrix::bench
