// The Topology dialog (template 104): the two end nodes of each Base module
// element, one element at a time; every APPLY writes straight into
// `baseElemStart` and `baseElemEnd`.
#pragma once

#include "model/model.h"
#include "ui/dialog_layer.h"

namespace zentrix::input {

void runTopologyDialog(model::Model& model, ui::DialogHost& host);

}  // namespace zentrix::input
