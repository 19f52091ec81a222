// Progress of one generation, counted in units of work (a node placed, an
// element written). Asks the caller's Progress about once per million units,
// so the loops stay simple and a cancel is noticed within a few milliseconds.
#pragma once

#include <cstdint>

#include "model/progress.h"

namespace zentrix::generation {

class WorkMeter : public model::ProgressMeter {
 public:
  static constexpr std::int64_t kUnitsPerReport = 1'000'000;

  // A null `progress` never cancels.
  WorkMeter(model::Progress* progress, std::int64_t totalUnits)
      : ProgressMeter(progress, totalUnits, kUnitsPerReport) {}
};

}  // namespace zentrix::generation
