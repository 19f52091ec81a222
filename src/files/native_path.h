// Paths are kept in the model as the user and the files give them, with "\"
// joining the program's own parts. The file system is reached through the
// platform's separators: on Windows the text is used as it is, elsewhere a
// backslash becomes "/".
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zentrix::files {

std::filesystem::path nativePath(std::string_view modelPath);
// The text of a native path as the model keeps it (UTF-8).
std::string modelPathText(const std::filesystem::path& path);

}  // namespace zentrix::files
