#include "files/text_file_output.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include "files/file_texts.h"
#include "files/native_path.h"
#include "files/system_error_text.h"

namespace zentrix::files {

namespace {

constexpr std::size_t kBlockSize = std::size_t{4} << 20;

// A link is followed to the file it names, which is the one replaced.
std::filesystem::path resolvedTarget(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) {
    const auto resolved = std::filesystem::canonical(path, error);
    if (!error) return resolved;
  }
  return path;
}

}  // namespace

StagedFiles::~StagedFiles() {
  discard();
}

model::Outcome StagedFiles::commit() {
  model::Outcome outcome = model::Outcome::success();
  for (Entry& entry : entries_) {
    const int error = platform::replaceWithTemporary(entry.temporary, entry.target);
    if (error != 0) {
      outcome = model::Outcome::failure(cannotWrite(
          entry.pathText, failureReason(error, entry.target, entry.romanian), entry.romanian));
      break;
    }
  }
  discard();
  return outcome;
}

void StagedFiles::discard() {
  for (Entry& entry : entries_) platform::discardTemporary(entry.temporary);
  entries_.clear();
}

TextFileOutput::TextFileOutput(std::string pathText, bool romanian, StagedFiles* staged)
    : pathText_(std::move(pathText)), romanian_(romanian), staged_(staged) {}

TextFileOutput::~TextFileOutput() {
  abandon();
}

void TextFileOutput::fail(std::string message) {
  if (failed_) return;
  failed_ = true;
  failure_ = std::move(message);
}

void TextFileOutput::failCreating(int error) {
  fail(cannotCreate(pathText_, failureReason(error, target_, romanian_), romanian_));
}

void TextFileOutput::failWriting(int error) {
  fail(cannotWrite(pathText_, failureReason(error, target_, romanian_), romanian_));
}

bool TextFileOutput::open() {
  // Not filled with zeros: pages the text never reaches are never touched.
  capacity_ = kBlockSize + kStoreSlack;
  buffer_.reset(new char[capacity_]);
  used_ = 0;
  reservedEnd_ = 0;
  target_ = nativePath(pathText_);
  if (pathText_.empty()) {
    fail(cannotCreate(pathText_, model::say(texts::kNoFileName, romanian_), romanian_));
    return false;
  }
  int error = 0;
  platform::PathFacts facts;
  if (platform::isSystemDeviceName(target_)) {
    facts.kind = platform::PathKind::kDevice;
  } else {
    facts = platform::factsOf(target_, error);
  }
  if (error != 0) {
    failCreating(error);
    return false;
  }
  switch (facts.kind) {
    case platform::PathKind::kFolder:
      failCreating(EISDIR);
      return false;
    case platform::PathKind::kDevice:
    case platform::PathKind::kPipe:
      direct_ = true;
      error = platform::openDirect(target_, facts.kind, directFile_);
      break;
    case platform::PathKind::kRegular:
      if (facts.readOnly) {
        fail(cannotWrite(pathText_, model::say(texts::kReadOnly, romanian_), romanian_));
        return false;
      }
      [[fallthrough]];
    case platform::PathKind::kMissing:
      target_ = resolvedTarget(target_);
      error = platform::createTemporaryBeside(target_, temporary_);
      break;
  }
  if (error != 0) {
    failCreating(error);
    return false;
  }
  return true;
}

char* TextFileOutput::reserve(std::size_t count) {
  const std::size_t room = count + kStoreSlack;
  if (used_ + room > capacity_) {
    flushBuffer();
    if (room > capacity_) {
      buffer_.reset(new char[room]);
      capacity_ = room;
    }
  }
  reservedEnd_ = used_ + count;
  return buffer_.get() + used_;
}

void TextFileOutput::write(std::string_view text) {
  // An empty view may have no data at all, which memcpy must not be given.
  if (text.empty()) return;
  char* at = reserve(text.size());
  std::memcpy(at, text.data(), text.size());
  advanceTo(at + text.size());
}

void TextFileOutput::writeOut(const char* data, std::size_t size) {
  if (failed_ || size == 0) return;
  platform::WriteHandle& file = direct_ ? directFile_ : temporary_.file;
  if (!file.isOpen()) return;
  if (const int error = file.write(data, size); error != 0) failWriting(error);
}

void TextFileOutput::writeBlock(const char* data, std::size_t size) {
  flushBuffer();
  writeOut(data, size);
}

void TextFileOutput::flushBuffer() {
  reservedEnd_ = 0;
  if (used_ == 0) return;
  writeOut(buffer_.get(), used_);
  used_ = 0;
}

model::Outcome TextFileOutput::finish() {
  const bool opened = direct_ ? directFile_.isOpen() : temporary_.file.isOpen();
  if (!opened && !failed_) failCreating(EBADF);
  flushBuffer();
  if (!failed_ && direct_) {
    if (int error = directFile_.sync(); error != 0) failWriting(error);
    if (int error = directFile_.close(); error != 0) failWriting(error);
  } else if (!failed_ && staged_ != nullptr) {
    staged_->entries_.push_back({std::move(temporary_), target_, pathText_, romanian_});
    temporary_ = {};
  } else if (!failed_) {
    if (int error = platform::replaceWithTemporary(temporary_, target_); error != 0)
      failWriting(error);
  }
  abandon();
  return failed_ ? model::Outcome::failure(failure_) : model::Outcome::success();
}

model::Outcome TextFileOutput::cancelled() const {
  return model::Outcome::failure(writeCancelled(pathText_, romanian_));
}

void TextFileOutput::abandon() {
  directFile_.close();
  platform::discardTemporary(temporary_);
  used_ = 0;
  reservedEnd_ = 0;
}

}  // namespace zentrix::files
