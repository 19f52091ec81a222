#include "files/native_path.h"

#include <algorithm>

namespace zentrix::files {

std::filesystem::path nativePath(std::string_view modelPath) {
  std::string text(modelPath);
#if !defined(_WIN32)
  std::replace(text.begin(), text.end(), '\\', '/');
#endif
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string modelPathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace zentrix::files
