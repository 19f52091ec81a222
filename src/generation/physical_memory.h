// How much memory this computer has, so that a structure too large for it is
// refused with a message instead of the process being stopped by the system
// half-way through filling its arrays.
#pragma once

#include <cstdint>

namespace zentrix::generation {

// The computer's physical memory in bytes, or the memory limit of the
// process's control group when that is lower; 0 when the platform does not say.
std::uint64_t physicalMemoryBytes();

}  // namespace zentrix::generation
