#include "generation/two_halves.h"

#include <atomic>
#include <exception>

#include "model/helper_thread.h"

namespace zentrix::generation {

namespace {

// Below this many units a second thread costs more than it saves.
constexpr std::int64_t kSmallestSplit = 1 << 16;

}  // namespace

bool runInTwoHalves(std::int64_t count, WorkMeter& meter, const HalfWork& work) {
  const auto here = [&meter](std::int64_t units) { return meter.add(units); };
  if (count < kSmallestSplit) return work(0, count, here);

  std::atomic<bool> stopped{false};
  bool complete = false;
  std::int64_t helperUnits = 0;
  bool helperComplete = false;
  const auto firstHalf = [&](std::int64_t from, std::int64_t to) {
    try {
      complete = work(from, to, here);
    } catch (...) {
      stopped = true;
      throw;
    }
    if (!complete) stopped = true;
  };
  const auto secondHalf = [&](std::int64_t from, std::int64_t to) {
    if (stopped) return;
    helperComplete = work(from, to, [&](std::int64_t units) {
      helperUnits += units;
      return !stopped;
    });
  };
  // Without a second thread the second half waits for the first.
  model::parallelFor(count, 2, [&](std::int64_t from, std::int64_t to) {
    if (from == 0) {
      firstHalf(from, to);
    } else {
      secondHalf(from, to);
    }
  });
  if (!complete || !helperComplete) return false;
  return meter.add(helperUnits);
}

}  // namespace zentrix::generation
