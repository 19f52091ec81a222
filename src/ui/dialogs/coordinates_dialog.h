// The Coordinates dialog (template 103): the user types the coordinates of
// the Base module nodes one node at a time; every APPLY (the button, or Enter
// in the text box) writes straight into `baseCoords`, so OK and Cancel both
// keep what was applied, and moves on to the next node. The node list shows
// each node's coordinates beside its number.
//
// On opening, `baseCoords` grows to the current counts (rows
// `baseNodeCount()`, columns `dofPerNode`) and never shrinks: values beyond a
// lowered count stay hidden and come back when the count is raised again. A text that cannot be
// read as the node's coordinates, or APPLY with no node chosen, is reported in a "Dialog2 Message"
// box and changes nothing.
#pragma once

#include "model/model.h"
#include "ui/dialog_layer.h"
#include "ui/session.h"

namespace zentrix::ui {

struct CoordinatesControls {
  static constexpr int kTemplate = 103;
  static constexpr ControlId kNodeList = 1029;
  static constexpr ControlId kEmptyButton = 1043;
  static constexpr ControlId kCoordinatesEdit = 1030;
  static constexpr ControlId kApplyButton = 1031;
  static constexpr ControlId kPrompt = 1047;
  static constexpr ControlId kProcessedList = 1032;
};

void runCoordinatesDialog(model::Model& model, const Session& session, DialogHost& host);

}  // namespace zentrix::ui
