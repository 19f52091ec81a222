#include "generation/physical_memory.h"

#if defined(_WIN32)
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX  // MinGW's C++ library defines it already
#define NOMINMAX
#endif
#include <windows.h>
#elif defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

#include <algorithm>
#include <exception>
#include <fstream>
#include <string>

namespace zentrix::generation {

namespace {

// A memory limit set on the process's control group, which stops the process
// as surely as running out of physical memory does; 0 when none is set.
std::uint64_t controlGroupLimit() {
#if defined(__linux__)
  for (const char* path :
       {"/sys/fs/cgroup/memory.max", "/sys/fs/cgroup/memory/memory.limit_in_bytes"}) {
    std::ifstream file(path);
    std::string text;
    if (!(file >> text) || text.empty() || text == "max") continue;
    try {
      return std::stoull(text);
    } catch (const std::exception&) {
      continue;
    }
  }
#endif
  return 0;
}

std::uint64_t installedMemory() {
#if defined(_WIN32)
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  if (GlobalMemoryStatusEx(&status) == 0) return 0;
  return status.ullTotalPhys;
#elif defined(_SC_PHYS_PAGES) && defined(_SC_PAGESIZE)
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long pageSize = sysconf(_SC_PAGESIZE);
  if (pages <= 0 || pageSize <= 0) return 0;
  return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize);
#else
  return 0;
#endif
}

}  // namespace

std::uint64_t physicalMemoryBytes() {
  const std::uint64_t installed = installedMemory();
  const std::uint64_t limit = controlGroupLimit();
  if (limit == 0) return installed;
  return installed == 0 ? limit : std::min(installed, limit);
}

}  // namespace zentrix::generation
