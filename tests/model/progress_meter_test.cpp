// The one progress throttle: which fractions the progress is told for a
// run of counts, and that a cancel is kept without asking again.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "model/progress.h"

namespace zentrix::model {
namespace {

class RecordingProgress final : public Progress {
 public:
  explicit RecordingProgress(int cancelAtCall) : cancelAtCall_(cancelAtCall) {}
  bool advance(double fraction) override {
    told.push_back(fraction);
    return static_cast<int>(told.size()) != cancelAtCall_;
  }
  std::vector<double> told;

 private:
  int cancelAtCall_;
};

struct MeterCase {
  std::string name;
  std::int64_t total;
  std::int64_t unitsPerReport;
  std::vector<std::int64_t> adds;  // then finish
  int cancelAtCall;                // 0: never
  std::vector<double> told;
  bool finished;  // what finish answers
};

class ProgressMeterRun : public ::testing::TestWithParam<MeterCase> {};

TEST_P(ProgressMeterRun, TellsTheseFractions) {
  const MeterCase& c = GetParam();
  RecordingProgress progress(c.cancelAtCall);
  ProgressMeter meter(&progress, c.total, c.unitsPerReport);
  for (const std::int64_t units : c.adds) meter.add(units);
  EXPECT_EQ(meter.finish(), c.finished);
  EXPECT_EQ(progress.told, c.told);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ProgressMeterRun,
    ::testing::Values(
        MeterCase{"EveryCount", 4, 0, {1, 1, 2}, 0, {0.25, 0.5, 1.0, 1.0}, true},
        MeterCase{"ThrottledToEveryTenUnits", 40, 10, {4, 4, 4, 20, 1}, 0, {0.3, 0.8, 1.0}, true},
        MeterCase{"OvershootIsToldAsWhole", 2, 0, {3}, 0, {1.0, 1.0}, true},
        MeterCase{"EmptyTotalCountsAsOne", 0, 0, {}, 0, {1.0}, true},
        MeterCase{"CancelIsKeptWithoutAskingAgain", 10, 0, {1, 1, 1}, 2, {0.1, 0.2}, false}),
    [](const auto& run) { return run.param.name; });

}  // namespace
}  // namespace zentrix::model
