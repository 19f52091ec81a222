// Writes one text file safely and fast. The text goes into a large buffer
// that is written in big blocks to a temporary file beside the target; only
// `finish` renames it over the target, so a failure (a full disk, a folder
// that may not be written) never leaves a half-written file in place of a
// good one. A target that exists but is not a regular file (a device such as
// /dev/full, a pipe) cannot be replaced that way and is written directly.
// A symbolic link is followed: the file it points to is replaced.
//
// Errors are sticky: after the first failure further writes are dropped and
// `finish` returns the failure, naming the file, in the model's language.
#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "model/outcome.h"

namespace zentrix::files {

class TextFileOutput {
 public:
  // `pathText` is the path as the model holds it; `romanian` picks the
  // language of the failure messages.
  TextFileOutput(std::string pathText, bool romanian);
  ~TextFileOutput();
  TextFileOutput(const TextFileOutput&) = delete;
  TextFileOutput& operator=(const TextFileOutput&) = delete;

  // Creates the temporary file; false (and `finish` reports why) on failure.
  bool open();

  // Room for `count` more characters; write them, then `advanceTo(end)`.
  char* reserve(std::size_t count);
  void advanceTo(char* end) { used_ = static_cast<std::size_t>(end - buffer_.get()); }

  void write(std::string_view text);
  // Writes a large block straight to the file, after what is buffered.
  void writeBlock(const char* data, std::size_t size);
  void endLine() { write("\r\n"); }
  void line(std::string_view text) {
    write(text);
    endLine();
  }

  // Flushes, closes and puts the file in place; on any failure the target is
  // left as it was and the temporary file is removed.
  model::Outcome finish();
  // Drops everything written so far (for a cancelled write); the target stays.
  void abandon();

  bool failed() const noexcept { return failed_; }

 private:
  void flushBuffer();
  void fail(const char* englishWhat, const char* romanianWhat, int error);

  std::string pathText_;
  bool romanian_;
  std::filesystem::path target_;
  std::filesystem::path temporary_;
  bool direct_ = false;  // writing straight into a non-regular target
  std::FILE* file_ = nullptr;
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;
  std::size_t used_ = 0;
  bool failed_ = false;
  std::string failure_;
};

}  // namespace zentrix::files
