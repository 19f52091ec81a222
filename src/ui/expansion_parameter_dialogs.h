// The parameter dialogs of the non-prismatic expansion types: pyramid
// frustum (template 105), one-direction shrink (106), symmetric arch (107).
// Values are stored as the user types; Cancel keeps them.
#pragma once

#include "model/model.h"
#include "ui/dialog_layer.h"

namespace zentrix::ui {

void runPyramidDialog(model::Model& model, DialogHost& host);
void runShrinkDialog(model::Model& model, DialogHost& host);
void runArchDialog(model::Model& model, DialogHost& host);

}  // namespace zentrix::ui
