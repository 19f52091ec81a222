// The Coordinates dialog (template 103): the user types the coordinates of
// the Base module nodes one node at a time; every APPLY writes straight into
// `baseCoords`, so OK and Cancel both keep what was applied.
#pragma once

#include "model/model.h"
#include "ui/dialog_layer.h"

namespace zentrix::input {

void runCoordinatesDialog(model::Model& model, ui::DialogHost& host);

}  // namespace zentrix::input
