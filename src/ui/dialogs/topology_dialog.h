// The Topology dialog (template 104): the two end nodes of each Base module
// element, one element at a time; every APPLY (the button, or Enter in the
// text box) writes straight into `baseElemStart` and `baseElemEnd`, so OK and
// Cancel keep what was applied, and moves on to the next element. The
// element list shows each element's end nodes beside its number.
//
// On opening, the two arrays grow to `baseElementCount` entries and never
// shrink: entries beyond a lowered count stay hidden and come back when the
// count is raised again. Problems are reported in a
// "Dialog3 Message" box: no element chosen, a text that does not read as two
// integers (a first value read before the failing one stays stored), or an
// end node 0 or outside the Base module's nodes 1 to N0 + N1 (the values
// stay stored, the element is not marked).
#pragma once

#include "model/model.h"
#include "ui/dialog_layer.h"
#include "ui/session.h"

namespace zentrix::ui {

struct TopologyControls {
  static constexpr int kTemplate = 104;
  static constexpr ControlId kElementList = 1033;
  static constexpr ControlId kEmptyButton = 1044;
  static constexpr ControlId kEndNodesEdit = 1035;
  static constexpr ControlId kApplyButton = 1036;
  static constexpr ControlId kProcessedList = 1037;
};

void runTopologyDialog(model::Model& model, const Session& session, DialogHost& host);

}  // namespace zentrix::ui
