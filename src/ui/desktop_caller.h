// The desktop program's side of the core's run (generation/run.h): the
// module-length question as a Yes/No box titled "Zentrix Message", each task
// under a progress window (GENERATE as "Generating...", a write under the
// label its task gives), the lines for a person on the standard error.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "generation/run.h"
#include "model/outcome.h"
#include "model/progress.h"
#include "ui/dialog_layer.h"

namespace zentrix::ui {

class DesktopCaller final : public generation::GenerateCaller {
 public:
  DesktopCaller(DialogHost& host, bool romanian) : host_(host), romanian_(romanian) {}

  bool goOnDespite(const std::string& warning) override;
  void note(std::string_view line) override;
  model::Outcome withProgress(std::string_view task,
                              const std::function<model::Outcome(model::Progress&)>& work) override;

 private:
  DialogHost& host_;
  bool romanian_;
};

// Writes `write` under a progress window labelled `label`: true when it was
// written; a failure is shown in a message box titled `messageTitle`, a
// cancel needs no message.
bool writtenWithProgress(DialogHost& host, generation::PlannedWrite write, std::string label,
                         std::string_view messageTitle, bool romanian);

}  // namespace zentrix::ui
