// The ELEMENT TYPES dialog (template 108): names and cross-section areas of
// the four element types. Values are stored as the user types.
#pragma once

#include "model/model.h"
#include "ui/dialog_layer.h"

namespace zentrix::ui {

void runElementTypesDialog(model::Model& model, DialogHost& host);

}  // namespace zentrix::ui
