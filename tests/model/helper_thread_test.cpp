// The helper thread joins on every way out and brings the work's exception
// back to the joining thread instead of ending the process.
#include "model/helper_thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <stop_token>
#include <vector>

namespace zentrix::model {
namespace {

TEST(HelperThread, JoinRethrowsWhatTheWorkThrewOnce) {
  HelperThread helper([] { throw std::runtime_error("lost disk"); });
  ASSERT_TRUE(helper.started());
  EXPECT_THROW(helper.join(), std::runtime_error);
  EXPECT_NO_THROW(helper.join());
}

TEST(HelperThread, ThrowingWorkWithoutJoinDoesNotEndTheProcess) {
  {
    HelperThread helper([] { throw std::runtime_error("dropped"); });
  }
  SUCCEED();
}

TEST(HelperThread, LeavingTheScopeEarlyAsksTheWorkToStop) {
  std::atomic<bool> sawStop{false};
  try {
    HelperThread helper([&](const std::stop_token& stop) {
      while (!stop.stop_requested()) std::this_thread::yield();
      sawStop = true;
    });
    throw std::logic_error("owner failed");
  } catch (const std::logic_error&) {
  }
  EXPECT_TRUE(sawStop);
}

TEST(HelperThread, MovedHelpersStillCarryTheirException) {
  std::vector<HelperThread> helpers;
  for (int i = 0; i < 8; ++i)
    helpers.emplace_back([i] {
      if (i == 5) throw std::runtime_error("fifth");
    });
  int thrown = 0;
  for (auto& helper : helpers) {
    try {
      helper.join();
    } catch (const std::runtime_error&) {
      ++thrown;
    }
  }
  EXPECT_EQ(thrown, 1);
}

}  // namespace
}  // namespace zentrix::model
