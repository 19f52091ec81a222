#include "model/helper_thread.h"

#include <system_error>
#include <utility>

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

}  // namespace zentrix::model
