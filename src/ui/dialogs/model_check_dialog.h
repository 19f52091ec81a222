// The MODEL CHECK dialog (template 109): what the model check found in the
// structure GENERATE has just built, one finding per entry of a read-only
// list, in the session's language, with a heading that counts them. The user
// reads it and closes it with OK (or Escape); it changes nothing.
//
// After GENERATE the main dialog shows it only when there is something to
// read: a clean model gets no extra window.
#pragma once

#include <vector>

#include "generation/model_check.h"
#include "model/model.h"
#include "ui/dialog_layer.h"

namespace zentrix::ui {

struct ModelCheckControls {
  static constexpr int kTemplate = 109;
  static constexpr ControlId kHeading = 1091;
  static constexpr ControlId kFindings = 1092;
};

void runModelCheckDialog(const std::vector<generation::Finding>& findings, bool romanian,
                         DialogHost& host);

// Checks the model and shows the dialog, in Romanian with `romanian`, when
// there are findings; returns the findings.
std::vector<generation::Finding> showModelCheckFindings(const model::Model& model, bool romanian,
                                                        DialogHost& host);

}  // namespace zentrix::ui
