#include "generation/two_halves.h"

#include <atomic>
#include <system_error>
#include <thread>

namespace zentrix::generation {

namespace {

// Below this many units a second thread costs more than it saves.
constexpr std::int64_t kSmallestSplit = 1 << 16;

}  // namespace

bool runInTwoHalves(std::int64_t count, WorkMeter& meter, const HalfWork& work) {
  const auto here = [&meter](std::int64_t units) { return meter.add(units); };
  if (count < kSmallestSplit) return work(0, count, here);

  const std::int64_t middle = count / 2;
  std::atomic<bool> stop{false};
  std::int64_t helperUnits = 0;
  bool helperComplete = false;
  const auto helper = [&] {
    helperComplete = work(middle, count, [&](std::int64_t units) {
      helperUnits += units;
      return !stop.load(std::memory_order_relaxed);
    });
  };
  std::thread thread;
  try {
    thread = std::thread(helper);
  } catch (const std::system_error&) {
    // No second thread: the second half waits for the first.
  }
  const bool complete = work(0, middle, here);
  if (!complete) stop = true;
  if (thread.joinable()) {
    thread.join();
  } else if (complete) {
    helper();
  }
  if (!complete || !helperComplete) return false;
  return meter.add(helperUnits);
}

}  // namespace zentrix::generation
