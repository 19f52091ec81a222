// The program's version as both programs show it (--version, the desktop
// program's title): the project's version from CMake and, when the build
// came from a git checkout, the commit it was built from.
#pragma once

#include <string>
#include <string_view>

namespace zentrix::model {

// "1.0.0".
std::string_view programVersion();

// The short git commit hash, empty when the build did not come from git.
std::string_view buildCommit();

// "PROGRAM 1.0.0 (git 0123456789ab)", or "PROGRAM 1.0.0" without a commit.
std::string versionLine(std::string_view program);

}  // namespace zentrix::model
