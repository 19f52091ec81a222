// Writes one text file safely and fast: the one way every file of both
// programs is written. The text goes into a large buffer that is written in
// big blocks to a temporary file beside the target, private to this user
// from its first byte (platform_files.h); only `finish` puts it in place of
// the target, synced to the disk before and after, with the mode (and where
// allowed the owner) of the file it replaces. So a failure (a full disk, a
// folder that may not be written, a cancel, a signal) never leaves a
// half-written file in place of a good one.
//
// Targets that are not regular files are never replaced: a device, a
// terminal, a standard stream (/dev/stdout, which may be a redirected file)
// or a pipe is written through directly, and a pipe nobody reads is refused
// at once. A folder and a read-only file are refused. A symbolic link is
// followed: the file it points to is replaced (or created, for a link to
// nothing yet).
//
// With `StagedFiles`, `finish` leaves the finished file beside its target,
// and `StagedFiles::commit` puts every staged file in place together: a run
// that writes several files replaces either all of them or none.
//
// Errors are sticky: after the first failure further writes are dropped and
// `finish` returns the failure, naming the file, in the language asked for.
#pragma once

#include <cassert>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "files/platform_files.h"
#include "model/number_text.h"
#include "model/outcome.h"

namespace zentrix::files {

// Finished files waiting to be put in place together. Dropped without
// `commit`, it removes them and every target stays as it was.
class StagedFiles {
 public:
  StagedFiles() = default;
  ~StagedFiles();
  StagedFiles(const StagedFiles&) = delete;
  StagedFiles& operator=(const StagedFiles&) = delete;

  // Puts every staged file in place. Before the first rename every file is
  // written, synced, given its mode and named, every target is checked, and
  // each old file is kept under a second name; signals wait from there on.
  // A failure before the first rename changes nothing; one after it puts
  // the old files back, and the message says so (or names the file that
  // could not be, and where its old content is).
  model::Outcome commit();
  // Removes every staged file.
  void discard();
  std::size_t size() const noexcept { return entries_.size(); }

 private:
  friend class TextFileOutput;
  struct Entry {
    platform::Temporary temporary;
    std::filesystem::path target;
    std::string pathText;
    bool romanian = false;
    std::filesystem::path kept;  // the old file's second name, while kept
    bool placed = false;         // renamed over the target
  };
  model::Outcome readied();
  model::Outcome putAllInPlace();
  model::Outcome failedAt(const Entry& entry, int error, std::string_view after) const;
  model::Outcome undoneAt(const Entry& entry, int error);
  std::string putBackPlaced();
  void dropKept();
  std::vector<Entry> entries_;
};

class TextFileOutput {
 public:
  // `pathText` is the path as the model holds it; `romanian` picks the
  // language of the failure messages; with `staged`, `finish` stages the
  // file instead of putting it in place.
  TextFileOutput(std::string pathText, bool romanian, StagedFiles* staged = nullptr);
  ~TextFileOutput();
  TextFileOutput(const TextFileOutput&) = delete;
  TextFileOutput& operator=(const TextFileOutput&) = delete;

  // Creates the temporary file; false (and `finish` reports why) on failure.
  bool open();

  // The characters the fast number edits may store past the end of what
  // they write (whole machine words), which the next characters overwrite.
  // `reserve` adds them itself; a caller reserves only what it writes.
  static constexpr std::size_t kStoreSlack = model::kMaxEditChars;

  // Room for `count` more characters, with the store slack after them;
  // write at most `count`, then `advanceTo(end)`, which asserts that `end`
  // stays inside what was reserved.
  char* reserve(std::size_t count);
  void advanceTo(char* end) {
    assert(end >= buffer_.get() + used_ && end <= buffer_.get() + reservedEnd_);
    used_ = static_cast<std::size_t>(end - buffer_.get());
  }

  void write(std::string_view text);
  // Writes a large block straight to the file, after what is buffered.
  void writeBlock(const char* data, std::size_t size);
  void endLine() { write("\r\n"); }
  void line(std::string_view text) {
    write(text);
    endLine();
  }

  // Flushes, closes and puts the file in place (or stages it); on any
  // failure the target is left as it was and the temporary file is removed.
  model::Outcome finish();
  // Drops everything written so far (for a cancelled write); the target stays.
  void abandon();
  // The message of a cancelled write, the same for every writer.
  model::Outcome cancelled() const;

  bool failed() const noexcept { return failed_; }

 private:
  void flushBuffer();
  void writeOut(const char* data, std::size_t size);
  void failCreating(int error);
  void failWriting(int error);
  void fail(std::string message);

  std::string pathText_;
  bool romanian_;
  StagedFiles* staged_;
  std::filesystem::path target_;
  bool direct_ = false;  // writing straight into a non-regular target
  platform::WriteHandle directFile_;
  platform::Temporary temporary_;
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;
  std::size_t used_ = 0;
  std::size_t reservedEnd_ = 0;  // used_ plus the last reserved count
  bool failed_ = false;
  std::string failure_;
};

}  // namespace zentrix::files
