#include "generation/two_halves.h"

#include <stop_token>

#include "model/helper_thread.h"

namespace zentrix::generation {

namespace {

// Below this many units a second thread costs more than it saves.
constexpr std::int64_t kSmallestSplit = 1 << 16;

}  // namespace

bool runInTwoHalves(std::int64_t count, WorkMeter& meter, const HalfWork& work) {
  const auto here = [&meter](std::int64_t units) { return meter.add(units); };
  if (count < kSmallestSplit) return work(0, count, here);

  const std::int64_t middle = count / 2;
  std::int64_t helperUnits = 0;
  bool helperComplete = false;
  const auto secondHalf = [&](const std::stop_token& stop) {
    helperComplete = work(middle, count, [&](std::int64_t units) {
      helperUnits += units;
      return !stop.stop_requested();
    });
  };
  // Without a second thread the second half waits for the first.
  model::HelperThread helper(secondHalf);
  const bool complete = work(0, middle, here);
  if (!complete) helper.requestStop();
  if (helper.started()) {
    helper.join();
  } else if (complete) {
    secondHalf(std::stop_token{});
  }
  if (!complete || !helperComplete) return false;
  return meter.add(helperUnits);
}

}  // namespace zentrix::generation
