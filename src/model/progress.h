// Progress of long work (GENERATE, the writers on large structures). The
// work calls `advance` now and then with the fraction done; a false answer
// asks it to stop, leaving the model and existing files as they were.
#pragma once

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

}  // namespace zentrix::model
