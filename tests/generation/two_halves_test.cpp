// GENERATE's two-thread loops: a throw in either half reaches the caller
// (it used to end the process when it came from the helper half, or when
// the calling half threw while the helper still ran), and a cancel in the
// calling half stops the helper half too.
#include "generation/two_halves.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <thread>

namespace zentrix::generation {
namespace {

constexpr std::int64_t kCount = 1 << 20;  // large enough to be split

struct ThrowingHalf {
  std::string name;
  bool throwInFirstHalf;
};

class TwoHalvesThrow : public ::testing::TestWithParam<ThrowingHalf> {};

TEST_P(TwoHalvesThrow, ExceptionReachesTheCaller) {
  WorkMeter meter(nullptr, kCount);
  const bool first = GetParam().throwInFirstHalf;
  const auto work = [&](std::int64_t from, std::int64_t to, const WorkStep& step) {
    if ((from == 0) == first) throw std::runtime_error("half failed");
    for (std::int64_t at = from; at < to; at += 1024)
      if (!step(1024)) return false;
    return true;
  };
  EXPECT_THROW(runInTwoHalves(kCount, meter, work), std::runtime_error);
}

INSTANTIATE_TEST_SUITE_P(EitherHalf, TwoHalvesThrow,
                         ::testing::Values(ThrowingHalf{"CallingHalf", true},
                                           ThrowingHalf{"HelperHalf", false}),
                         [](const auto& half) { return half.param.name; });

TEST(TwoHalves, CancelInTheCallingHalfStopsTheHelperHalf) {
  class CancelAtOnce final : public model::Progress {
   public:
    bool advance(double) override { return false; }
  } cancel;
  WorkMeter meter(&cancel, kCount);
  std::atomic<bool> callingHalfCancelled{false};
  std::atomic<std::int64_t> helperSteps{0};
  const auto work = [&](std::int64_t from, std::int64_t to, const WorkStep& step) {
    if (from == 0) {
      const bool goOn = step(WorkMeter::kUnitsPerReport);  // asks, and is cancelled
      callingHalfCancelled = true;
      return goOn;
    }
    // The helper half steps only once the cancel has been seen, so the
    // verdict does not hang on which thread the scheduler runs first.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!callingHalfCancelled && std::chrono::steady_clock::now() < giveUp)
      std::this_thread::yield();
    for (std::int64_t at = from; at < to; ++at) {
      ++helperSteps;
      if (!step(1)) return false;
    }
    return true;
  };
  EXPECT_FALSE(runInTwoHalves(kCount, meter, work));
  EXPECT_LT(helperSteps.load(), kCount / 2);
}

}  // namespace
}  // namespace zentrix::generation
