// GENERATE: expands the Base module into the whole structure (node
// coordinates, element end nodes, element kinds) in the model.
//
// The road, as the desktop program and the command line take it:
//   1. `refusalOf(model)`: inputs the generation cannot work with get a
//      message in the model's language; nothing changes.
//   2. `measureBaseModule(model)`: sets `directionIndex` and
//      `baseModuleLength` (also when the user then declines).
//   3. when `!moduleLengthMatches(model)`, ask with `moduleLengthWarning`
//      (title "Zentrix Message", Yes/No); only Yes goes on.
//   4. `generateStructure(model)`: builds the structure into scratch arrays
//      and takes them over only when complete; a refusal or a cancel leaves
//      the previous structure as it was.
#pragma once

#include <optional>
#include <string>

#include "model/model.h"
#include "model/outcome.h"
#include "model/progress.h"

namespace zentrix::generation {

std::optional<std::string> refusalOf(const model::Model& model);
void measureBaseModule(model::Model& model);
bool moduleLengthMatches(const model::Model& model);
std::string moduleLengthWarning(const model::Model& model);
model::Outcome generateStructure(model::Model& model, model::Progress* progress = nullptr);

}  // namespace zentrix::generation
