// One way through the core for every front end (the desktop program, each
// zentrix-cli command, the tests and the benchmarks): load a Zentrix Input
// File, run GENERATE under a policy for the module-length question, then
// plan, stage and put in place the files asked for. The core shows nothing:
// the front end's `GenerateCaller` answers the question when the policy says
// to ask, shows the progress and the lines meant for a person, and gets back
// an `Outcome` whose kind says how the run ended (ok, refused, declined,
// cancelled, or a file that could not be read or written), with the message
// in the language asked for.
//
// GENERATE, step by step: the refusal check (nothing changes); the Base
// module measurement (`directionIndex`, `baseModuleLength`, kept also when
// the answer is No); the module-length question when the lengths differ;
// the generation under the progress. A refusal, a No or a cancel leaves the
// previous structure as it was.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "files/structure_exports.h"
#include "files/text_file_output.h"
#include "model/model.h"
#include "model/outcome.h"
#include "model/progress.h"

namespace zentrix::generation {

// How the module-length question ("Zentrix Message", Yes/No) is answered:
// asked of the person, or answered beforehand (a command-line switch, a
// test, a benchmark), with the warning still shown or not.
struct LengthPolicy {
  enum class Answer { kYes, kNo, kAsk };
  Answer answer = Answer::kAsk;
  bool warningShown = false;  // an answer given beforehand still shows the warning
};
inline constexpr LengthPolicy kAskTheLength{LengthPolicy::Answer::kAsk, true};
inline constexpr LengthPolicy kYesQuietly{LengthPolicy::Answer::kYes, false};
inline constexpr LengthPolicy kYesWithTheWarning{LengthPolicy::Answer::kYes, true};
inline constexpr LengthPolicy kNoWithTheWarning{LengthPolicy::Answer::kNo, true};

// The task the progress of GENERATE is named by.
inline constexpr std::string_view kGenerateTask = "GENERATE";

// The front end's side of a run.
class GenerateCaller {
 public:
  virtual ~GenerateCaller() = default;
  // Asked only under `Answer::kAsk`: the module length differs from the
  // Base module's, `warning` says so. True goes on (the "Yes" answer).
  virtual bool goOnDespite(const std::string& warning) = 0;
  // A line for the person (without its line end): a warning answered
  // beforehand, the parabolic arch's precision lines.
  virtual void note(std::string_view line) = 0;
  // Runs `work` while the progress of `task` (kGenerateTask, or the task a
  // write names) is shown; gone again when this returns, so that no
  // message is covered by it.
  virtual model::Outcome withProgress(
      std::string_view task, const std::function<model::Outcome(model::Progress&)>& work) = 0;
};

// The caller that shows nothing and never cancels: the question is never
// asked (`Answer::kAsk` goes on), notes go to `notes` (dropped when empty).
class QuietCaller final : public GenerateCaller {
 public:
  explicit QuietCaller(std::function<void(std::string_view)> notes = {})
      : notes_(std::move(notes)) {}
  bool goOnDespite(const std::string&) override { return true; }
  void note(std::string_view line) override {
    if (notes_) notes_(line);
  }
  model::Outcome withProgress(
      std::string_view, const std::function<model::Outcome(model::Progress&)>& work) override {
    model::NoProgress progress;
    return work(progress);
  }

 private:
  std::function<void(std::string_view)> notes_;
};

// Loads the Zentrix Input File at `path` into `model` as "Old File" does;
// on failure `model` is as it was.
model::Outcome loadModel(model::Model& model, std::string_view path, bool romanian);

// GENERATE from start to end: kOk, kRefused (with the reason), kDeclined
// (no message) or kCancelled (with the message).
model::Outcome runGenerate(model::Model& model, bool romanian, LengthPolicy policy,
                           GenerateCaller& caller);

// One file a run writes: where, the most bytes its writer writes there,
// the progress task it is shown under, and the writer.
struct PlannedWrite {
  std::string path;
  std::uint64_t sizeBound = 0;
  std::string task;
  std::function<model::Outcome(model::Progress&, files::StagedFiles&)> write;
};

// The writers of a run, each with its own size bound, `task` the path.
PlannedWrite geometryFileWrite(const model::Model& model, std::string path, bool romanian);
PlannedWrite inputFileWrite(const model::Model& model, std::string path, bool withStructure,
                            bool romanian);
PlannedWrite baseModuleWrite(const model::Model& model, std::string path, bool romanian);
PlannedWrite exportWrite(const model::Model& model, files::ExportFormat format, std::string path,
                         bool romanian);

// Checks that the disks have room for every write together, writes each
// beside its target under its progress, then puts them all in place: a
// shortage, a failure or a cancel on the way leaves every target as it was.
// The writes read the model they were made from, which must outlive them.
model::Outcome writeFiles(const std::vector<PlannedWrite>& writes, bool romanian,
                          GenerateCaller& caller);

}  // namespace zentrix::generation
