// Progress of long work (GENERATE, the writers on large structures). The
// work calls `advance` now and then with the fraction done; a false answer
// asks it to stop, leaving the model and existing files as they were.
#pragma once

#include <cstdint>

namespace zentrix::model {

class Progress {
 public:
  virtual ~Progress() = default;
  // fraction in [0, 1]; returns false when the user cancelled.
  virtual bool advance(double fraction) = 0;
};

// For callers that need no progress: never cancels.
class NoProgress final : public Progress {
 public:
  bool advance(double) override { return true; }
};

// The one progress throttle of the core: counts units of work (a node
// placed, a line written) against their total and tells a Progress the
// fraction done, at most once per `unitsPerReport` units (0: at every
// count), so a loop may count each step and stay simple. Once the progress
// has said stop, every call says so without asking again. A null progress
// never cancels.
class ProgressMeter {
 public:
  ProgressMeter(Progress* progress, std::int64_t totalUnits, std::int64_t unitsPerReport = 0)
      : progress_(progress),
        totalUnits_(totalUnits > 0 ? totalUnits : 1),
        unitsPerReport_(unitsPerReport),
        nextReport_(unitsPerReport) {}

  // Adds `units` done; false once the user has cancelled.
  bool add(std::int64_t units) {
    done_ += units;
    if (done_ < nextReport_) return !cancelled_;
    return report();
  }

  // Tells the progress where the work stands now; false once cancelled.
  bool report() {
    nextReport_ = done_ + unitsPerReport_;
    if (cancelled_ || progress_ == nullptr) return !cancelled_;
    const double fraction = static_cast<double>(done_) / static_cast<double>(totalUnits_);
    cancelled_ = !progress_->advance(fraction < 1.0 ? fraction : 1.0);
    return !cancelled_;
  }

  // The work is complete: tells the progress 100% (the total may be an
  // estimate the work does not reach); false once cancelled.
  bool finish() {
    if (done_ < totalUnits_) done_ = totalUnits_;
    return report();
  }

  bool cancelled() const noexcept { return cancelled_; }

 private:
  Progress* progress_;
  std::int64_t totalUnits_;
  std::int64_t unitsPerReport_;
  std::int64_t done_ = 0;
  std::int64_t nextReport_;
  bool cancelled_ = false;
};

}  // namespace zentrix::model
