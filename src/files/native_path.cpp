#include "files/native_path.h"

#include <algorithm>

#include "files/platform_files.h"

namespace zentrix::files {

std::filesystem::path nativePath(std::string_view modelPath) {
  std::string text(modelPath);
#if !defined(_WIN32)
  std::replace(text.begin(), text.end(), '\\', '/');
#endif
  return platform::pathFromUtf8(text);
}

std::string modelPathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace zentrix::files
