// The Geometry File the analysis program reads, for the whole structure and
// for the Base module alone (previews).
#pragma once

#include <string>
#include <string_view>

#include "model/model.h"
#include "model/outcome.h"
#include "model/progress.h"

namespace zentrix::files {

// Writes the Geometry File of the generated structure at
// `model.geometryFilePath`. Reports a file it cannot create or write (the old
// file stays intact); the caller shows `geometryCreatedMessage` on success.
model::Outcome writeGeometryFile(const model::Model& model, model::Progress* progress = nullptr);

// The closing message ("Created File: ..."), in the model's language, with
// the whole path.
std::string geometryCreatedMessage(const model::Model& model);

// The Base-module Geometry File's path for an Old File path: the text before
// the last "." followed by "-BaseModule.dat".
std::string baseModuleGeometryPath(std::string_view oldFilePath);

// Sets `model.baseGeometryPath` from `model.oldFilePath` and writes the Base
// module alone there.
model::Outcome writeBaseModuleGeometryFile(model::Model& model);

}  // namespace zentrix::files
