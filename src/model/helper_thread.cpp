#include "model/helper_thread.h"

#include <algorithm>
#include <system_error>
#include <utility>
#include <vector>

namespace zentrix::model {

HelperThread::HelperThread(std::function<void(std::stop_token)> work) {
  std::exception_ptr* const failure = failure_.get();
  try {
    thread_ = std::jthread([failure, work = std::move(work)](std::stop_token stop) {
      try {
        work(std::move(stop));
      } catch (...) {
        *failure = std::current_exception();
      }
    });
  } catch (const std::system_error&) {
    // No thread to be had: `started()` says so and the caller does the work.
  }
}

HelperThread::HelperThread(std::function<void()> work)
    : HelperThread([work = std::move(work)](std::stop_token) { work(); }) {}

void HelperThread::join() {
  if (thread_.joinable()) {
    thread_.join();
    joined_ = true;
  }
  if (failure_ && *failure_) std::rethrow_exception(std::exchange(*failure_, nullptr));
}

int loopThreads(std::int64_t units, std::int64_t perThread) {
  const auto cores = static_cast<std::int64_t>(std::thread::hardware_concurrency());
  const std::int64_t most = std::clamp<std::int64_t>(cores, 1, kMaxLoopThreads);
  return static_cast<int>(
      std::clamp<std::int64_t>(units / std::max<std::int64_t>(perThread, 1), 1, most));
}

void parallelFor(std::int64_t count, int pieces,
                 const std::function<void(std::int64_t from, std::int64_t to)>& work) {
  if (count <= 0) return;
  const std::int64_t parts = std::clamp<std::int64_t>(pieces, 1, count);
  const auto from = [&](std::int64_t part) { return part * count / parts; };
  const std::int64_t helpersWanted = loopThreads(parts, 1) - 1;
  std::vector<HelperThread> helpers;
  std::vector<std::int64_t> onThisThread;
  for (std::int64_t part = 1; part < parts; ++part) {
    if (static_cast<std::int64_t>(helpers.size()) < helpersWanted) {
      HelperThread helper(
          [&work, first = from(part), last = from(part + 1)] { work(first, last); });
      if (helper.started()) {
        helpers.push_back(std::move(helper));
        continue;
      }
    }
    onThisThread.push_back(part);
  }
  std::exception_ptr failure;
  try {
    work(0, from(1));
    for (const std::int64_t part : onThisThread) work(from(part), from(part + 1));
  } catch (...) {
    failure = std::current_exception();
  }
  for (HelperThread& helper : helpers) {
    try {
      helper.join();
    } catch (...) {
      if (!failure) failure = std::current_exception();
    }
  }
  if (failure) std::rethrow_exception(failure);
}

}  // namespace zentrix::model
