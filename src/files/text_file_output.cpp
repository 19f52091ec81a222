#include "files/text_file_output.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <system_error>

#include "files/native_path.h"

namespace zentrix::files {

namespace {

constexpr std::size_t kBlockSize = std::size_t{4} << 20;

std::filesystem::path resolvedTarget(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) {
    const auto resolved = std::filesystem::canonical(path, error);
    if (!error) return resolved;
  }
  return path;
}

std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
  static std::atomic<unsigned> counter{0};
  const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
  std::filesystem::path temporary = target;
  temporary += ".tmp-" + std::to_string(static_cast<unsigned long long>(tick) % 1000000007ULL) +
               "-" + std::to_string(counter++);
  return temporary;
}

std::FILE* openForWriting(const std::filesystem::path& path, bool exclusive) {
#if defined(_WIN32)
  return _wfopen(path.c_str(), exclusive ? L"wbx" : L"wb");
#else
  return std::fopen(path.c_str(), exclusive ? "wbx" : "wb");
#endif
}

}  // namespace

TextFileOutput::TextFileOutput(std::string pathText, bool romanian)
    : pathText_(std::move(pathText)), romanian_(romanian) {}

TextFileOutput::~TextFileOutput() {
  abandon();
}

void TextFileOutput::fail(const char* englishWhat, const char* romanianWhat, int error) {
  if (failed_) return;
  failed_ = true;
  const std::string reason = std::generic_category().message(error);
  failure_ =
      std::string(romanian_ ? romanianWhat : englishWhat) + " \"" + pathText_ + "\": " + reason;
}

bool TextFileOutput::open() {
  // Not filled with zeros: pages the text never reaches are never touched.
  buffer_.reset(new char[kBlockSize + 4096]);
  capacity_ = kBlockSize + 4096;
  used_ = 0;
  target_ = resolvedTarget(nativePath(pathText_));
  std::error_code error;
  const auto status = std::filesystem::status(target_, error);
  direct_ = std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
  if (std::filesystem::is_directory(status)) {
    fail("Cannot create the file", "Nu se poate crea fisierul", EISDIR);
    return false;
  }
  errno = 0;
  if (direct_) {
    file_ = openForWriting(target_, false);
  } else {
    for (int attempt = 0; attempt < 8 && file_ == nullptr; ++attempt) {
      temporary_ = temporaryBeside(target_);
      file_ = openForWriting(temporary_, true);
      if (file_ == nullptr && errno != EEXIST) break;
    }
  }
  if (file_ == nullptr) {
    temporary_.clear();
    fail("Cannot create the file", "Nu se poate crea fisierul", errno != 0 ? errno : EACCES);
    return false;
  }
  return true;
}

char* TextFileOutput::reserve(std::size_t count) {
  if (used_ + count > capacity_) {
    flushBuffer();
    if (count > capacity_) {
      buffer_.reset(new char[count]);
      capacity_ = count;
    }
  }
  return buffer_.get() + used_;
}

void TextFileOutput::write(std::string_view text) {
  // An empty view may have no data at all, which memcpy must not be given.
  if (text.empty()) return;
  char* at = reserve(text.size());
  std::memcpy(at, text.data(), text.size());
  used_ += text.size();
}

void TextFileOutput::writeBlock(const char* data, std::size_t size) {
  flushBuffer();
  if (file_ == nullptr || failed_ || size == 0) return;
  errno = 0;
  if (std::fwrite(data, 1, size, file_) != size)
    fail("Cannot write the file", "Nu se poate scrie fisierul", errno != 0 ? errno : EIO);
}

void TextFileOutput::flushBuffer() {
  if (used_ == 0) return;
  if (file_ != nullptr && !failed_) {
    errno = 0;
    if (std::fwrite(buffer_.get(), 1, used_, file_) != used_)
      fail("Cannot write the file", "Nu se poate scrie fisierul", errno != 0 ? errno : EIO);
  }
  used_ = 0;
}

model::Outcome TextFileOutput::finish() {
  if (file_ == nullptr && !failed_)
    fail("Cannot create the file", "Nu se poate crea fisierul", EBADF);
  if (used_ > 0) flushBuffer();
  if (file_ != nullptr) {
    errno = 0;
    if (std::fflush(file_) != 0)
      fail("Cannot write the file", "Nu se poate scrie fisierul", errno != 0 ? errno : EIO);
    errno = 0;
    if (std::fclose(file_) != 0)
      fail("Cannot write the file", "Nu se poate scrie fisierul", errno != 0 ? errno : EIO);
    file_ = nullptr;
  }
  if (!failed_ && !direct_) {
    std::error_code error;
    // Keep the permissions of the file being replaced.
    const auto old = std::filesystem::status(target_, error);
    if (!error && std::filesystem::exists(old))
      std::filesystem::permissions(temporary_, old.permissions(), error);
    error.clear();
    std::filesystem::rename(temporary_, target_, error);
    if (error) {
      fail("Cannot write the file", "Nu se poate scrie fisierul", error.value());
    } else {
      temporary_.clear();
    }
  }
  abandon();
  return failed_ ? model::Outcome::failure(failure_) : model::Outcome::success();
}

void TextFileOutput::abandon() {
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (!temporary_.empty()) {
    std::error_code error;
    std::filesystem::remove(temporary_, error);
    temporary_.clear();
  }
  used_ = 0;
}

}  // namespace zentrix::files
