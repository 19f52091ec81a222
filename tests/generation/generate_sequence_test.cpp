#include "generation/generate_sequence.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "generation_fixtures.h"
#include "support/run_model.h"

namespace zentrix::generation {
namespace {

// Answers the warning as told, and records what it was asked and shown.
class ScriptedCaller final : public GenerateCaller {
 public:
  ScriptedCaller(bool yes, bool cancel) : yes_(yes), cancel_(cancel) {}
  bool goOnDespite(const std::string& warning) override {
    warning_ = warning;
    return yes_;
  }
  model::Outcome withProgress(
      const std::function<model::Outcome(model::Progress&)>& work) override {
    ++progressShown_;
    Answer answer(cancel_);
    return work(answer);
  }
  const std::string& warning() const { return warning_; }
  int progressShown() const { return progressShown_; }

 private:
  struct Answer final : model::Progress {
    explicit Answer(bool cancelled) : cancel(cancelled) {}
    bool advance(double) override { return !cancel; }
    bool cancel;
  };
  bool yes_;
  bool cancel_;
  std::string warning_;
  int progressShown_ = 0;
};

struct SequenceCase {
  std::string name;
  std::function<void(zentrix::testing::RunModel&)> change;
  bool yes;
  bool cancel;
  GenerateEnd end;
  bool warned;
  int progressShown;
  std::string messageStart;
  std::int32_t totalNodes;  // after the run, from 0 before it
};

void PrintTo(const SequenceCase& c, std::ostream* out) {
  *out << c.name;
}

class GenerateSequence : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(GenerateSequence, EndsAsTheCallerAnswers) {
  const SequenceCase& c = GetParam();
  zentrix::testing::RunModel m = testing::planeModule(3);
  c.change(m);
  ScriptedCaller caller(c.yes, c.cancel);
  const GenerateResult result = runGenerate(m, caller);
  EXPECT_EQ(result.end, c.end);
  EXPECT_EQ(!caller.warning().empty(), c.warned);
  EXPECT_EQ(caller.progressShown(), c.progressShown);
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
        SequenceCase{"MatchingLengthAsksNothing", keep, false, false, GenerateEnd::Done, false, 1,
                     "", 8},
        SequenceCase{"RefusalAsksAndShowsNothing",
                     [](zentrix::testing::RunModel& m) { m.expansion.moduleCount = 0; }, true,
                     false, GenerateEnd::Refused, false, 0, "The \"Number of Modules\" must", 0},
        SequenceCase{"NoToTheWarningGeneratesNothing", longerModule, false, false,
                     GenerateEnd::Declined, true, 0, "", 0},
        SequenceCase{"YesToTheWarningGenerates", longerModule, true, false, GenerateEnd::Done, true,
                     1, "", 8},
        SequenceCase{"CancelIsNotARefusal", keep, false, true, GenerateEnd::Cancelled, false, 1,
                     "GENERATE was cancelled", 0},
        SequenceCase{"FailureDuringTheWorkIsARefusal",
                     [](zentrix::testing::RunModel& m) { m.expansion.moduleLength = 3e38f; }, true,
                     false, GenerateEnd::Refused, true, 1, "Node 7 would get a coordinate X", 0}),
    testing::ByName());

TEST(GenerateSequenceMeasure, DeclinedWarningStillMeasuresTheBaseModule) {
  zentrix::testing::RunModel m = testing::planeModule(3);
  longerModule(m);
  ScriptedCaller caller(false, false);
  ASSERT_EQ(runGenerate(m, caller).end, GenerateEnd::Declined);
  EXPECT_EQ(m.expansion.directionIndex(), 1);
  EXPECT_EQ(m.measured.baseModuleLength, 2.0f);
}

}  // namespace
}  // namespace zentrix::generation
