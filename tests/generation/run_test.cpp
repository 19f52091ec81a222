// The core's run as every front end takes it: the module-length policy, the
// progress, and the kind of the outcome (a cancel told from a refusal by the
// outcome alone), for GENERATE and for the writes.
#include "generation/run.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "generation_fixtures.h"
#include "support/golden_file.h"
#include "support/run_model.h"

namespace zentrix::generation {
namespace {

using Kind = model::Outcome::Kind;

// Answers the question as told, cancels when told, and records what it was
// asked, told and shown.
class ScriptedCaller final : public GenerateCaller {
 public:
  ScriptedCaller(bool yes, bool cancel) : yes_(yes), cancel_(cancel) {}
  bool goOnDespite(const std::string& warning) override {
    asked = warning;
    return yes_;
  }
  void note(std::string_view line) override { notes.emplace_back(line); }
  model::Outcome withProgress(
      std::string_view task, const std::function<model::Outcome(model::Progress&)>& work) override {
    tasks.emplace_back(task);
    Answer answer(cancel_);
    return work(answer);
  }
  std::string asked;
  std::vector<std::string> notes;
  std::vector<std::string> tasks;

 private:
  struct Answer final : model::Progress {
    explicit Answer(bool cancelled) : cancel(cancelled) {}
    bool advance(double) override { return !cancel; }
    bool cancel;
  };
  bool yes_;
  bool cancel_;
};

struct SequenceCase {
  std::string name;
  std::function<void(zentrix::testing::RunModel&)> change;
  LengthPolicy policy;
  bool yes;
  bool cancel;
  Kind end;
  bool asked;
  bool noted;
  int progressShown;
  std::string messageStart;
  std::int32_t totalNodes;  // after the run, from 0 before it
};

void PrintTo(const SequenceCase& c, std::ostream* out) {
  *out << c.name;
}

class GenerateSequence : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(GenerateSequence, EndsAsThePolicyAndTheCallerSay) {
  const SequenceCase& c = GetParam();
  zentrix::testing::RunModel m = testing::planeModule(3);
  c.change(m);
  ScriptedCaller caller(c.yes, c.cancel);
  const model::Outcome result = runGenerate(m, caller, c.policy);
  EXPECT_EQ(result.kind, c.end);
  EXPECT_EQ(result.ok, c.end == Kind::kOk);
  EXPECT_EQ(!caller.asked.empty(), c.asked);
  EXPECT_EQ(!caller.notes.empty(), c.noted);
  EXPECT_EQ(caller.tasks, std::vector<std::string>(c.progressShown, "GENERATE"));
  EXPECT_EQ(result.message.substr(0, c.messageStart.size()), c.messageStart);
  EXPECT_EQ(m.structure.totalNodes(), c.totalNodes);
}

void keep(zentrix::testing::RunModel&) {}
void longerModule(zentrix::testing::RunModel& m) {
  m.expansion.moduleLength = 2.5f;
}

INSTANTIATE_TEST_SUITE_P(
    Answers, GenerateSequence,
    ::testing::Values(
        SequenceCase{"MatchingLengthAsksNothing", keep, kAskTheLength, false, false, Kind::kOk,
                     false, false, 1, "", 8},
        SequenceCase{"RefusalAsksAndShowsNothing",
                     [](zentrix::testing::RunModel& m) { m.expansion.moduleCount = 0; },
                     kAskTheLength, true, false, Kind::kRefused, false, false, 0,
                     "The \"Number of Modules\" must", 0},
        SequenceCase{"NoToTheWarningGeneratesNothing", longerModule, kAskTheLength, false, false,
                     Kind::kDeclined, true, false, 0, "", 0},
        SequenceCase{"YesToTheWarningGenerates", longerModule, kAskTheLength, true, false,
                     Kind::kOk, true, false, 1, "", 8},
        SequenceCase{"CancelIsNotARefusal", keep, kAskTheLength, false, true, Kind::kCancelled,
                     false, false, 1, "GENERATE was cancelled", 0},
        SequenceCase{"FailureDuringTheWorkIsARefusal",
                     [](zentrix::testing::RunModel& m) { m.expansion.moduleLength = 3e38f; },
                     kAskTheLength, true, false, Kind::kRefused, true, false, 1,
                     "Node 7 would get a coordinate X", 0},
        SequenceCase{"YesBeforehandAsksNothing", longerModule, kYesQuietly, false, false, Kind::kOk,
                     false, false, 1, "", 8},
        SequenceCase{"YesBeforehandCanStillShowTheWarning", longerModule, kYesWithTheWarning, false,
                     false, Kind::kOk, false, true, 1, "", 8},
        SequenceCase{"NoBeforehandShowsTheWarningAndDeclines", longerModule, kNoWithTheWarning,
                     true, false, Kind::kDeclined, false, true, 0, "", 0}),
    testing::ByName());

TEST(GenerateSequenceMeasure, DeclinedWarningStillMeasuresTheBaseModule) {
  zentrix::testing::RunModel m = testing::planeModule(3);
  longerModule(m);
  ScriptedCaller caller(false, false);
  ASSERT_EQ(runGenerate(m, caller).kind, Kind::kDeclined);
  EXPECT_EQ(m.expansion.directionIndex(), 1);
  EXPECT_EQ(m.measured.baseModuleLength, 2.0f);
}

using RunWrites = zentrix::testing::ScratchFolderTest;

// Each write under its own progress task; a cancel on the way is a cancel,
// and leaves every target as it was.
TEST_F(RunWrites, CancelIsACancelAndLeavesEveryTarget) {
  zentrix::testing::RunModel m = testing::planeModule(3);
  ASSERT_TRUE(runGenerate(m));
  zentrix::testing::writeBytes("a.geo", "old\n");
  const std::vector<PlannedWrite> writes = {geometryFileWrite(m, "a.geo", false),
                                            baseModuleWrite(m, "b.dat", false)};
  for (const bool cancel : {true, false}) {
    ScriptedCaller caller(true, cancel);
    const model::Outcome written = writeFiles(writes, false, caller);
    EXPECT_EQ(written.kind, cancel ? Kind::kCancelled : Kind::kOk) << written.message;
    const std::vector<std::string> tasks =
        cancel ? std::vector<std::string>{"a.geo"} : std::vector<std::string>{"a.geo", "b.dat"};
    EXPECT_EQ(caller.tasks, tasks);
    EXPECT_EQ(zentrix::testing::readBytes("a.geo") == "old\n", cancel);
    EXPECT_EQ(folderListing(), cancel ? "a.geo " : "a.geo b.dat ");
  }
}

}  // namespace
}  // namespace zentrix::generation
