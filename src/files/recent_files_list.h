// The list of the model files loaded or saved last, kept between runs in
// the user's own settings folder: one path a line, the newest first. A list
// that cannot be read is an empty one; the folder is made when the list is
// first written, through the one safe write.
#pragma once

#include <string>
#include <vector>

#include "model/outcome.h"

namespace zentrix::files {

// The paths in the list file, at most `count`, blank lines left out.
std::vector<std::string> readRecentFiles(const std::string& listPath, std::size_t count);

// Writes the list in place of `listPath`, making its folder when needed.
model::Outcome writeRecentFiles(const std::string& listPath, const std::vector<std::string>& paths,
                                bool romanian);

}  // namespace zentrix::files
