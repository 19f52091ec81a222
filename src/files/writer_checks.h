// What every writer checks before it creates its file: reals that are not
// finite (NaN, an infinity) must never reach a written file silently, since
// the analysis program would read them as numbers or stop on them. A writer
// refuses the model instead, naming the value; nothing is created and an
// older file of that name stays as it was. The messages, in the model's
// language, all end with ": the file was not written.", for example
// "The Y coordinate of node 7 is not a number (NaN): the file was not written."
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/model.h"
#include "model/outcome.h"

namespace zentrix::files {

// A refused write: `Cannot write the file "<path>": <reason>`.
model::Outcome refusedWrite(std::string_view path, const std::string& reason, bool romanian);

// The reason of a write that could not have its buffer: "not enough memory".
std::string notEnoughMemory(bool romanian);

// The first coordinate of nodes 1..count of `coords` (all its columns) that
// is not finite; `baseModule` names the node as a Base module node.
std::optional<std::string> nonFiniteCoordinate(const model::CoordinateTable& coords,
                                               std::int64_t count, bool romanian,
                                               bool baseModule = false);

// The first of the areas of element types 1..count that is not finite,
// named with its type's name.
std::optional<std::string> nonFiniteArea(const model::ElementTypes& types, bool romanian,
                                         int count = model::kKindCount);

// The first expansion parameter the Zentrix Input File saves (the module
// length and those of the model's expansion type) that is not finite.
std::optional<std::string> nonFiniteExpansionValue(const model::Expansion& expansion,
                                                   int dofPerNode, bool romanian);

}  // namespace zentrix::files
