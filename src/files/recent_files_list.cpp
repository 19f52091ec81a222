#include "files/recent_files_list.h"

#include <system_error>

#include "files/native_path.h"
#include "files/platform_files.h"
#include "files/text_file_output.h"
#include "model/number_text.h"

namespace zentrix::files {

namespace {

// A list of a few paths: a longer file is not one of ours.
constexpr std::size_t kMostBytes = 64 * 1024;

std::string contentOf(const std::string& listPath) {
  const auto path = nativePath(listPath);
  int error = 0;
  if (platform::factsOf(path, error).kind != platform::PathKind::kRegular) return {};
  platform::ReadHandle file;
  if (platform::openForReading(path, file) != 0) return {};
  std::string content;
  char block[4096];
  std::size_t got = 0;
  while (content.size() < kMostBytes && file.read(block, sizeof block, got) == 0 && got > 0)
    content.append(block, got);
  return content;
}

}  // namespace

std::vector<std::string> readRecentFiles(const std::string& listPath, std::size_t count) {
  const std::string content = contentOf(listPath);
  std::vector<std::string> paths;
  std::size_t start = 0;
  while (start < content.size() && paths.size() < count) {
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string_view line = std::string_view(content).substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = model::trimRight(line);
    if (!line.empty()) paths.emplace_back(line);
    start = end + 1;
  }
  return paths;
}

model::Outcome writeRecentFiles(const std::string& listPath, const std::vector<std::string>& paths,
                                bool romanian) {
  std::error_code ignored;
  std::filesystem::create_directories(nativePath(listPath).parent_path(), ignored);
  TextFileOutput output(listPath, romanian);
  if (output.open())
    for (const std::string& path : paths) output.line(path);
  return output.finish();
}

}  // namespace zentrix::files
