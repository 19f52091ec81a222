// The one way the core runs work on a second thread (GENERATE's halves and
// allocations, the writers' formatting). A helper is always joined, on every
// way out of its owner's scope, an exception included, and an exception the
// work throws is carried back to the thread that joins it instead of ending
// the process.
//
// Where no thread can be had, `started()` is false and nothing ran: the
// caller does the work itself.
#pragma once

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

}  // namespace zentrix::model
