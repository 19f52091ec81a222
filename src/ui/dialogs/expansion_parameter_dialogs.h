// The parameter dialogs of the non-prismatic expansion types: pyramid
// frustum (template 105), one-direction shrink (106), symmetric arch (107).
// Values are stored as the user types; Cancel keeps them. Number boxes are
// read as the longest leading number (none gives 0, no message).
//
// The fields show the model's values only when an Old File is loaded;
// otherwise they open empty while the model keeps what was typed before.
// The pyramid's vertex foot text is read after the dialog closes; a text that
// does not hold `dofPerNode` numbers is reported in a "Dialog4 Message" box.
#pragma once

#include "model/model.h"
#include "ui/dialog_layer.h"
#include "ui/session.h"

namespace zentrix::ui {

struct PyramidControls {
  static constexpr int kTemplate = 105;
  static constexpr ControlId kShrinkRatioEdit = 1039;
  static constexpr ControlId kVertexFootEdit = 1040;
  static constexpr ControlId kHint = 1047;
};

struct ShrinkControls {
  static constexpr int kTemplate = 106;
  static constexpr ControlId kShrinkRatioEdit = 1042;
  static constexpr ControlId kDirectionList = 1051;
};

struct ArchControls {
  static constexpr int kTemplate = 107;
  static constexpr ControlId kHalfSpanEdit = 1058;
  static constexpr ControlId kHeightEdit = 1057;
  static constexpr ControlId kKindList = 1059;
};

void runPyramidDialog(model::Model& model, Session& session, DialogHost& host);
void runShrinkDialog(model::Model& model, Session& session, DialogHost& host);
void runArchDialog(model::Model& model, Session& session, DialogHost& host);

}  // namespace zentrix::ui
