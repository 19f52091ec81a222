// What the structure view marks: the nodes and elements the model check's
// findings name, on what the view shows. A Base module finding lies on the
// first module's copy of its nodes and elements in a view of the structure;
// a finding about the structure has no place in a view of the Base module.
#pragma once

#include <vector>

#include "drawing/scene.h"
#include "generation/model_check.h"
#include "model/model.h"
#include "ui/dialog_layer.h"

namespace zentrix::ui {

// The marks of `findings` (of a check of `model`) on `subject`.
drawing::Marks marksOf(const std::vector<generation::Finding>& findings, const model::Model& model,
                       ViewSubject subject);

// Checks `model` and marks the findings on `subject` (for the Base module
// only the Base module is checked).
drawing::Marks findingMarks(const model::Model& model, ViewSubject subject);

}  // namespace zentrix::ui
