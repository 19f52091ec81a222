// Paths are kept in the model as the user and the files give them, and are
// used as they are: on Linux and macOS a backslash is a character of a name
// like any other, on Windows it separates folders as "/" does. The program
// joins its own parts (the uir and Doc folders, the programs it starts) with
// kFolderSeparator, the platform's own.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zentrix::files {

#if defined(_WIN32)
inline constexpr char kFolderSeparator = '\\';
#else
inline constexpr char kFolderSeparator = '/';
#endif

std::filesystem::path nativePath(std::string_view modelPath);
// The text of a native path as the model keeps it (UTF-8).
std::string modelPathText(const std::filesystem::path& path);

}  // namespace zentrix::files
