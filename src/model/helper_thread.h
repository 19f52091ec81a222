// The one way the core and the drawings run work on other threads: one
// helper (GENERATE's allocations), or a loop cut in pieces (`parallelFor`:
// GENERATE's halves, the writers' formatting, the camera's projection). A
// helper is always joined, on every way out of its owner's scope, an
// exception included, and an exception the work throws is carried back to
// the thread that joins it instead of ending the process.
//
// Where no thread can be had, `started()` is false and nothing ran: the
// caller does the work itself (`parallelFor` does it for its caller).
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <stop_token>
#include <thread>

namespace zentrix::model {

class HelperThread {
 public:
  // Starts `work` on a new thread; its token says when the owner asks it to
  // stop (`requestStop`, or the owner leaving its scope early).
  explicit HelperThread(std::function<void(std::stop_token)> work);
  explicit HelperThread(std::function<void()> work);
  // Asks the work to stop and waits for it; an exception it threw is dropped
  // (the owner is already leaving, by an exception of its own or without a
  // `join`).
  ~HelperThread() = default;
  HelperThread(HelperThread&&) noexcept = default;
  HelperThread& operator=(HelperThread&&) = delete;
  HelperThread(const HelperThread&) = delete;
  HelperThread& operator=(const HelperThread&) = delete;

  bool started() const noexcept { return thread_.joinable() || joined_; }
  void requestStop() noexcept { thread_.request_stop(); }
  // Waits for the work to end, then rethrows what it threw. Once is enough;
  // later calls do nothing.
  void join();

 private:
  // On the heap, so that a moved helper's thread still finds it; declared
  // before the thread, so that it outlives the joined thread.
  std::unique_ptr<std::exception_ptr> failure_ = std::make_unique<std::exception_ptr>();
  bool joined_ = false;
  std::jthread thread_;
};

// At most this many threads work on one loop, the calling one included.
inline constexpr int kMaxLoopThreads = 4;

// The threads worth using for `units` of work: one per `perThread` units, at
// least one, at most the cores and `kMaxLoopThreads`.
int loopThreads(std::int64_t units, std::int64_t perThread);

// Does `work(from, to)` over [0, count) cut into `pieces` ranges of about
// the same size, in order (fewer when count is smaller; two pieces meet at
// count / 2). Piece 1 is [0, ...) and runs on the calling
// thread; the others run at once on helper threads, as many as
// `loopThreads` allows, and any piece without a thread of its own runs on
// the calling thread after its own piece, in order, unless a piece there
// threw. Returns when no piece runs any more; then rethrows the first
// exception a piece threw (the calling thread's first). Never throws for
// want of a thread. A piece that must stop the others when it fails tells
// them so itself.
void parallelFor(std::int64_t count, int pieces,
                 const std::function<void(std::int64_t from, std::int64_t to)>& work);

}  // namespace zentrix::model
