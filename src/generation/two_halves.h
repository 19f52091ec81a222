// The long loops of GENERATE (copying the elements into every module,
// renumbering them) run on two threads: the second half of the loop on a
// helper thread, the first on the calling thread. Only the calling thread
// tells the caller's progress (often a window, which one thread must drive);
// the helper's work is counted in when it has finished, so the progress is
// asked the same number of times whatever the timing, and a cancel there
// stops the helper too. Without a second thread the calling one does both
// halves.
#pragma once

#include <cstdint>
#include <functional>

#include "generation/work_meter.h"

namespace zentrix::generation {

// Told the units just done; false asks the work to stop.
using WorkStep = std::function<bool(std::int64_t units)>;
// Does the work of [from, to), calling `step` now and then; false when it
// stopped because `step` said so.
using HalfWork = std::function<bool(std::int64_t from, std::int64_t to, const WorkStep& step)>;

// Runs `work` over [0, count) in two halves; false when cancelled.
bool runInTwoHalves(std::int64_t count, WorkMeter& meter, const HalfWork& work);

}  // namespace zentrix::generation
