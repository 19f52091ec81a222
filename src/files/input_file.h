// The Zentrix Input File: the program's own save file (inputs, then a copy of
// the generated structure, the file's own path and a time stamp).
#pragma once

#include "model/model.h"
#include "model/outcome.h"
#include "model/progress.h"

namespace zentrix::files {

// Loads `model.oldFilePath`. The file is read into a scratch record that
// replaces the model's Base module, expansion and element-type fields only
// when the whole read succeeded: a failed load changes nothing. The outcome
// of a failure gives the reason with the file's line number.
model::Outcome loadInputFile(model::Model& model);

// Writes the Zentrix Input File at `model.inputFilePath`. Reports a file it
// cannot create or write; never leaves a half-written file in place of the
// old one; never changes the model.
model::Outcome writeInputFile(const model::Model& model, model::Progress* progress = nullptr);

}  // namespace zentrix::files
