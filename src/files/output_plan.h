// What a run that writes several files checks before it writes any: that no
// two of them name one file, that none names the input it was loaded from
// (when that is not allowed), and that their disks have room for them. The
// sizes are bounds computed from the counts: a writer never writes more.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/model.h"

namespace zentrix::files {

// True when the two paths name one regular file: the same file where both
// exist (also through links), else the same path once made absolute and
// normal. Devices and pipes never count as the same file.
bool namesSameFile(std::string_view first, std::string_view second);

// The most bytes each writer writes for the model (and a path of
// `pathLength` bytes in the file's end line).
std::uint64_t geometryFileSizeBound(const model::Model& model, std::size_t pathLength);
std::uint64_t inputFileSizeBound(const model::Model& model, std::size_t pathLength);
std::uint64_t baseModuleFileSizeBound(const model::Model& model, std::size_t pathLength);

struct PlannedOutput {
  std::string pathText;
  std::uint64_t sizeBound = 0;
};

// Nothing when the file systems of the outputs have room for all of them
// together (their temporary files exist beside the old files until the
// end); else the message, with the figures, in the language asked for.
std::optional<std::string> spaceShortage(const std::vector<PlannedOutput>& outputs, bool romanian);

}  // namespace zentrix::files
