// The helper thread joins on every way out and brings the work's exception
// back to the joining thread instead of ending the process.
#include "model/helper_thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <stop_token>
#include <string>
#include <thread>
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

// parallelFor: every unit done once, in pieces that meet where they should.
struct Loop {
  std::int64_t count;
  int pieces;
  std::int64_t firstPieceEnd;  // where the calling thread's piece ends
};

class ParallelFor : public ::testing::TestWithParam<Loop> {};

TEST_P(ParallelFor, DoesEveryUnitOnce) {
  const Loop loop = GetParam();
  std::vector<std::atomic<int>> done(static_cast<std::size_t>(loop.count));
  std::atomic<std::int64_t> firstEnd{-1};
  const auto caller = std::this_thread::get_id();
  parallelFor(loop.count, loop.pieces, [&](std::int64_t from, std::int64_t to) {
    if (from == 0) {
      EXPECT_EQ(std::this_thread::get_id(), caller);
      firstEnd = to;
    }
    for (std::int64_t unit = from; unit < to; ++unit) ++done[static_cast<std::size_t>(unit)];
  });
  for (const auto& times : done) EXPECT_EQ(times.load(), 1);
  EXPECT_EQ(firstEnd.load(), loop.firstPieceEnd);
}

INSTANTIATE_TEST_SUITE_P(Pieces, ParallelFor,
                         ::testing::Values(Loop{0, 3, -1}, Loop{1, 4, 1}, Loop{5, 2, 2},
                                           Loop{1001, 2, 500}, Loop{7, 7, 1}, Loop{10, 20, 1},
                                           Loop{100, 9, 11}),
                         [](const ::testing::TestParamInfo<Loop>& loop) {
                           return std::to_string(loop.param.count) + "_in_" +
                                  std::to_string(loop.param.pieces);
                         });

TEST(ParallelFor, AnExceptionOfAnyPieceReachesTheCallerOnceNoneRuns) {
  for (const std::int64_t failing : {0, 1, 3}) {
    std::atomic<int> running{0};
    EXPECT_THROW(parallelFor(4, 4,
                             [&](std::int64_t from, std::int64_t) {
                               ++running;
                               std::this_thread::sleep_for(std::chrono::milliseconds(20));
                               --running;
                               if (from == failing) throw std::runtime_error("piece failed");
                             }),
                 std::runtime_error)
        << "piece " << failing;
    EXPECT_EQ(running.load(), 0);
  }
}

}  // namespace
}  // namespace zentrix::model
