// GENERATE from start to end, as the desktop program and the command line
// both run it: the refusal check, the Base module measurement, the module
// length warning and its answer, then the generation with progress and
// cancel. The core shows nothing: the caller answers the warning (a Yes/No
// box, a command-line switch) and shows the progress, and gets back how the
// run ended with the message to show.
//
// A refusal, a declined warning or a cancel leaves the previous structure as
// it was; `measured.baseModuleLength` is measured also when the user then
// declines.
#pragma once

#include <functional>
#include <string>

#include "model/line_sink.h"
#include "model/model.h"
#include "model/outcome.h"
#include "model/progress.h"

namespace zentrix::generation {

class GenerateCaller {
 public:
  virtual ~GenerateCaller() = default;
  // The module length differs from the Base module's; `warning` says so.
  // True goes on (the "Yes" answer).
  virtual bool goOnDespite(const std::string& warning) = 0;
  // Runs `work` while the progress is shown; the progress is gone again
  // when this returns, so that no message is covered by it.
  virtual model::Outcome withProgress(
      const std::function<model::Outcome(model::Progress&)>& work) = 0;
};

enum class GenerateEnd { Done, Refused, Declined, Cancelled };

struct GenerateResult {
  GenerateEnd end = GenerateEnd::Done;
  // Why nothing was generated (Refused, Cancelled), in the language asked for.
  std::string message;
};

// The parabolic arch's precision lines go to `console` (none when empty).
// The messages are in Romanian with `romanian`, else in English.
GenerateResult runGenerate(model::Model& model, bool romanian, GenerateCaller& caller,
                           const model::LineSink& console = {});

}  // namespace zentrix::generation
