// Progress of one generation, counted in units of work (a node placed, an
// element written). Asks the caller's Progress about once per million units,
// so the loops stay simple and a cancel is noticed within a few milliseconds.
#pragma once

#include <cstdint>

#include "model/progress.h"

namespace zentrix::generation {

class WorkMeter {
 public:
  static constexpr std::int64_t kUnitsPerReport = 1'000'000;

  // A null `progress` never cancels.
  WorkMeter(model::Progress* progress, std::int64_t totalUnits)
      : progress_(progress), totalUnits_(totalUnits > 0 ? totalUnits : 1) {}

  // Adds `units` done; false once the user has cancelled.
  bool add(std::int64_t units) {
    done_ += units;
    if (done_ < nextReport_) return !cancelled_;
    return report();
  }

  // Tells the progress where the work stands now; false once cancelled.
  bool report() {
    nextReport_ = done_ + kUnitsPerReport;
    if (cancelled_ || progress_ == nullptr) return !cancelled_;
    const double fraction = static_cast<double>(done_) / static_cast<double>(totalUnits_);
    cancelled_ = !progress_->advance(fraction < 1.0 ? fraction : 1.0);
    return !cancelled_;
  }

  // The work is complete: tells the progress 100% (the unit total is an
  // estimate that some expansion types do not reach); false once cancelled.
  bool finish() {
    if (done_ < totalUnits_) done_ = totalUnits_;
    return report();
  }

  bool cancelled() const noexcept { return cancelled_; }

 private:
  model::Progress* progress_;
  std::int64_t totalUnits_;
  std::int64_t done_ = 0;
  std::int64_t nextReport_ = kUnitsPerReport;
  bool cancelled_ = false;
};

}  // namespace zentrix::generation
