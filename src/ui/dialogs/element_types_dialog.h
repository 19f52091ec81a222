// The ELEMENT TYPES dialog (template 108): names and cross-section areas of
// the four element types. Values are stored as the user types; Cancel keeps
// them. Areas are read as the longest leading number (none gives 0); OK is
// refused, with a message naming the box, while an area box in use holds
// no number.
//
// A name that was loaded or typed is shown and kept. A blank name takes the
// default of the language and expansion type, and so does (without a loaded
// Old File) a default of another expansion type; defaults are stored at
// once, so that the names shown are the names a save or CREATE writes.
#pragma once

#include <array>

#include "model/model.h"
#include "ui/dialog_layer.h"
#include "ui/session.h"

namespace zentrix::ui {

struct ElementTypesControls {
  static constexpr int kTemplate = 108;
  // Entry k is the edit of type k + 1.
  static constexpr std::array<ControlId, model::kKindCount> kNameEdits = {1061, 1062, 1063, 1067};
  static constexpr std::array<ControlId, model::kKindCount> kAreaEdits = {1064, 1065, 1066, 1068};
};

void runElementTypesDialog(model::Model& model, const Session& session, DialogHost& host);

}  // namespace zentrix::ui
