#include "files/text_file_output.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include "files/file_texts.h"
#include "files/native_path.h"
#include "files/system_error_text.h"
#include "model/printable_text.h"

namespace zentrix::files {

namespace {

constexpr std::size_t kBlockSize = std::size_t{4} << 20;

}  // namespace

StagedFiles::~StagedFiles() {
  discard();
}

model::Outcome StagedFiles::commit() {
  model::Outcome outcome = readied();
  if (outcome) outcome = putAllInPlace();
  discard();
  return outcome;
}

model::Outcome StagedFiles::failedAt(const Entry& entry, int error, std::string_view after) const {
  std::string message = cannotWrite(
      entry.pathText, failureReason(error, entry.target, entry.romanian), entry.romanian);
  if (entries_.size() > 1) message.append("\n").append(after);
  return model::Outcome::ioFailure(std::move(message));
}

// Everything but the renames: afterwards nothing is left that may fail
// for a reason the program could have seen.
model::Outcome StagedFiles::readied() {
  for (Entry& entry : entries_) {
    int error = platform::finishTemporary(entry.temporary, entry.target);
    if (error == 0) error = platform::checkReplaceable(entry.target);
    if (error != 0)
      return failedAt(entry, error, model::say(texts::kNoFileChanged, entry.romanian));
  }
  return model::Outcome::success();
}

model::Outcome StagedFiles::putAllInPlace() {
  if (entries_.empty()) return model::Outcome::success();
  const bool romanian = entries_.front().romanian;
  const platform::HeldStopSignals held;
  if (held.stopPending())
    return model::Outcome::cancelled(writeCancelled(entries_.front().pathText, romanian));
  // One rename replaces one file whole; several need the old ones kept.
  if (entries_.size() > 1) {
    for (Entry& entry : entries_) {
      if (const int error = platform::keepOld(entry.target, entry.kept); error != 0) {
        dropKept();
        return failedAt(entry, error, model::say(texts::kNoFileChanged, romanian));
      }
    }
  }
  // The renames follow each other closely; the folders are synced after.
  for (Entry& entry : entries_) {
    if (const int error = platform::putInPlace(entry.temporary, entry.target); error != 0)
      return undoneAt(entry, error);
    entry.placed = true;
  }
  for (const Entry& entry : entries_)
    if (const int error = platform::syncFolderOf(entry.target); error != 0)
      return undoneAt(entry, error);
  dropKept();
  return model::Outcome::success();
}

// A failure after the first rename: the old files go back.
model::Outcome StagedFiles::undoneAt(const Entry& entry, int error) {
  model::Outcome outcome = failedAt(entry, error, putBackPlaced());
  dropKept();
  return outcome;
}

// Puts back the old files of the targets already replaced; what happened,
// one line each.
std::string StagedFiles::putBackPlaced() {
  std::string lines;
  bool allBack = true;
  for (Entry& entry : entries_) {
    if (!entry.placed || entries_.size() == 1) continue;
    const int error = platform::putBack(entry.kept, entry.target);
    const std::string path = model::quotedText(entry.pathText);
    if (error == 0) {
      lines += model::say(texts::kPutBack, entry.romanian, {path}) + "\n";
    } else if (entry.kept.empty()) {
      lines += model::say(texts::kNewFileLeft, entry.romanian,
                          {path, systemErrorText(error, entry.romanian)}) +
               "\n";
    } else {
      lines += model::say(texts::kNotPutBack, entry.romanian,
                          {path, systemErrorText(error, entry.romanian),
                           model::quotedText(modelPathText(entry.kept))}) +
               "\n";
    }
    allBack = allBack && error == 0;
    entry.kept.clear();  // put back, or left for the user
  }
  const bool romanian = entries_.front().romanian;
  return lines + model::say(allBack ? texts::kNoFileChanged : texts::kOthersAsTheyWere, romanian);
}

void StagedFiles::dropKept() {
  for (Entry& entry : entries_) {
    platform::dropKept(entry.kept);
    entry.kept.clear();
  }
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
      target_ = platform::linkedTarget(target_);
      if (error = platform::checkReplaceable(target_); error != 0) {
        failWriting(error);
        return false;
      }
      error = platform::createTemporaryBeside(target_, temporary_);
      break;
    case platform::PathKind::kMissing:
      target_ = platform::linkedTarget(target_);
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
    staged_->entries_.push_back({std::move(temporary_), target_, pathText_, romanian_, {}, false});
    temporary_ = {};
  } else if (!failed_) {
    if (int error = platform::replaceWithTemporary(temporary_, target_); error != 0)
      failWriting(error);
  }
  abandon();
  return failed_ ? model::Outcome::ioFailure(failure_) : model::Outcome::success();
}

model::Outcome TextFileOutput::cancelled() const {
  return model::Outcome::cancelled(writeCancelled(pathText_, romanian_));
}

void TextFileOutput::abandon() {
  directFile_.close();
  platform::discardTemporary(temporary_);
  used_ = 0;
  reservedEnd_ = 0;
}

}  // namespace zentrix::files
