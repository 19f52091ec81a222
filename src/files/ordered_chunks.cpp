#include "files/ordered_chunks.h"

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

#include "model/helper_thread.h"

namespace zentrix::files {

namespace {

// Room for about 4 MiB of text per chunk: large writes, few hand-overs.
constexpr std::size_t kChunkBytes = std::size_t{4} << 20;

// The chunks of one run and the buffers they are formatted into. Chunk c
// goes into slot c % slots, which is free again once chunk c - slots has
// been written.
class ChunkPipeline {
 public:
  ChunkPipeline(std::int64_t count, std::size_t maxRecordChars, int threads,
                const RecordFormatter& format)
      : count_(count), format_(format) {
    recordsPerChunk_ =
        std::max<std::int64_t>(1, static_cast<std::int64_t>(kChunkBytes / maxRecordChars));
    chunkCount_ = (count + recordsPerChunk_ - 1) / recordsPerChunk_;
    const auto slots = static_cast<std::size_t>(2 * threads);
    // Not filled with zeros: only what the text reaches is ever touched.
    // The store slack, as in the output's own buffer, after the last record.
    const std::size_t bufferSize =
        static_cast<std::size_t>(recordsPerChunk_) * maxRecordChars + TextFileOutput::kStoreSlack;
    for (std::size_t slot = 0; slot < slots; ++slot) buffers_.emplace_back(new char[bufferSize]);
    ready_.assign(slots, -1);
    sizes_.assign(slots, 0);
  }

  // A helper thread: formats chunks until none is left or the run stops.
  // When formatting throws, the run stops (the chunk it held would never be
  // ready) and the exception goes on to the thread that joins this one.
  void help() {
    try {
      std::unique_lock lock(mutex_);
      for (;;) {
        changed_.wait(lock, [this] { return stopped_ || !claimable() || slotFree(); });
        if (stopped_ || !claimable()) return;
        formatNext(lock);
      }
    } catch (...) {
      stop();
      throw;
    }
  }

  // The calling thread: writes the chunks in order, formats when it would
  // otherwise wait. False when cancelled or the output failed.
  bool drive(TextFileOutput& out, const RecordsWritten& written) {
    std::unique_lock lock(mutex_);
    while (nextToWrite_ < chunkCount_ && !stopped_) {
      const std::size_t slot = slotOf(nextToWrite_);
      if (ready_[slot] == nextToWrite_) {
        lock.unlock();
        out.writeBlock(buffers_[slot].get(), sizes_[slot]);
        const std::int64_t done = std::min(count_, (nextToWrite_ + 1) * recordsPerChunk_);
        const bool goOn = !out.failed() && written(done);
        lock.lock();
        ready_[slot] = -1;
        ++nextToWrite_;
        changed_.notify_all();
        if (!goOn) {
          stopped_ = true;
          changed_.notify_all();
          return false;
        }
      } else if (claimable() && slotFree()) {
        formatNext(lock);
      } else {
        changed_.wait(lock);
      }
    }
    return !stopped_;
  }

  void stop() {
    const std::lock_guard lock(mutex_);
    stopped_ = true;
    changed_.notify_all();
  }

 private:
  std::size_t slotOf(std::int64_t chunk) const {
    return static_cast<std::size_t>(chunk % static_cast<std::int64_t>(buffers_.size()));
  }
  bool claimable() const { return nextToClaim_ < chunkCount_; }
  bool slotFree() const {
    return nextToClaim_ < nextToWrite_ + static_cast<std::int64_t>(buffers_.size());
  }

  // Claims the next chunk, formats it without the lock, marks it ready.
  void formatNext(std::unique_lock<std::mutex>& lock) {
    const std::int64_t chunk = nextToClaim_++;
    const std::size_t slot = slotOf(chunk);
    lock.unlock();
    const std::int64_t first = chunk * recordsPerChunk_;
    const std::int64_t last = std::min(count_, first + recordsPerChunk_);
    char* const begin = buffers_[slot].get();
    const char* const end = format_(first, last, begin);
    lock.lock();
    sizes_[slot] = static_cast<std::size_t>(end - begin);
    ready_[slot] = chunk;
    changed_.notify_all();
  }

  const std::int64_t count_;
  const RecordFormatter& format_;
  std::int64_t recordsPerChunk_ = 1;
  std::int64_t chunkCount_ = 0;
  std::vector<std::unique_ptr<char[]>> buffers_;
  std::vector<std::int64_t> ready_;  // the chunk each slot holds, -1 for none
  std::vector<std::size_t> sizes_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::int64_t nextToClaim_ = 0;
  std::int64_t nextToWrite_ = 0;
  bool stopped_ = false;
};

}  // namespace

bool writeRecordsInOrder(TextFileOutput& out, std::int64_t count, std::size_t maxRecordChars,
                         const RecordFormatter& format, const RecordsWritten& written) {
  if (count <= 0) return true;
  const auto perChunk =
      std::max<std::int64_t>(1, static_cast<std::int64_t>(kChunkBytes / maxRecordChars));
  if (count <= perChunk) {
    // One chunk: straight into the output's own buffer.
    char* const begin = out.reserve(static_cast<std::size_t>(count) * maxRecordChars);
    out.advanceTo(format(0, count, begin));
    return !out.failed() && written(count);
  }
  // One thread per chunk at most; piece 0, the calling thread, writes.
  const int threads = model::loopThreads((count + perChunk - 1) / perChunk, 1);
  ChunkPipeline pipeline(count, maxRecordChars, threads, format);
  bool complete = false;
  model::parallelFor(threads, threads, [&](std::int64_t from, std::int64_t) {
    if (from > 0) return pipeline.help();
    // The helpers are told to stop on every way out, an exception included,
    // before they are waited for.
    try {
      complete = pipeline.drive(out, written);
    } catch (...) {
      pipeline.stop();
      throw;
    }
    pipeline.stop();
  });
  return complete;
}

}  // namespace zentrix::files
