#include "files/language_settings.h"

#include <cstdio>
#include <optional>

#include "files/native_path.h"
#include "files/platform_files.h"
#include "model/model.h"
#include "model/number_text.h"

namespace zentrix::files {

namespace {

constexpr const char* kEnglishCode = "English";

// "dir" + separator + name, without doubling a separator the folder already
// ends in.
std::string joined(std::string_view folder, std::string_view name) {
  folder = model::trimRight(folder);
  if (folder.empty()) return std::string(name);
  std::string path(folder);
  if (path.back() != '\\' && path.back() != '/') path += kFolderSeparator;
  return path + std::string(name);
}

// Only a regular file counts: a pipe or a device (a FIFO nobody writes,
// /dev/zero) would make the start wait or read for ever.
class SettingsFile {
 public:
  explicit SettingsFile(const std::string& pathText) {
    const auto path = nativePath(pathText);
    int error = 0;
    if (platform::factsOf(path, error).kind != platform::PathKind::kRegular) return;
    open_ = platform::openForReading(path, file_) == 0;
  }
  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;

  // The first or the last line, its first `width` characters without
  // trailing blanks; nothing when the file does not open or holds no line.
  std::optional<std::string> firstLine(std::size_t width) { return line(width, false); }
  std::optional<std::string> lastLine(std::size_t width) { return line(width, true); }

 private:
  // Streams the file, keeping only the start of the line wanted, so that an
  // odd file (a device, a huge file) costs no memory.
  std::optional<std::string> line(std::size_t width, bool last) {
    if (!open_) return std::nullopt;
    std::optional<std::string> found;
    std::string current;
    bool inLine = false;
    char block[4096];
    for (;;) {
      std::size_t count = 0;
      if (file_.read(block, sizeof block, count) != 0 || count == 0) break;
      for (std::size_t i = 0; i < count; ++i) {
        const char c = block[i];
        if (c == '\n') {
          found = finished(current, width);
          inLine = false;
          if (!last) return found;
          continue;
        }
        inLine = true;
        if (current.size() <= width) current += c;  // one more than kept, for a CR to strip
      }
    }
    if (inLine) found = finished(current, width);
    return found;
  }

  static std::string finished(std::string& text, std::size_t width) {
    if (!text.empty() && text.back() == '\r') text.pop_back();
    std::string line(model::trimRight(model::firstChars(text, width)));
    text.clear();
    return line;
  }

  platform::ReadHandle file_;
  bool open_ = false;
};

}  // namespace

std::string lookUpLanguageCode(std::string_view currentDir) {
  if (auto code =
          SettingsFile(joined(currentDir, "language.dat")).firstLine(model::kLanguageCodeWidth))
    return *code;
  const auto workDir =
      SettingsFile(joined(currentDir, "work_dir.dat")).firstLine(model::kPathWidth);
  if (!workDir) return kEnglishCode;
  if (auto code = SettingsFile(joined(*workDir, "Plovik.dat")).lastLine(model::kLanguageCodeWidth))
    return *code;
  return kEnglishCode;
}

bool isRomanianCode(std::string_view languageCode) {
  return !languageCode.empty() && (languageCode.front() == 'r' || languageCode.front() == 'R');
}

}  // namespace zentrix::files
