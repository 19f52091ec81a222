// What every writer checks before it creates its file: reals that are not
// finite (NaN, an infinity) must never reach a written file silently, since
// the analysis program would read them as numbers or stop on them. A writer
// refuses the model instead, naming the value; nothing is created, the old
// file stays as it was.
//
// Messages: `Cannot write the file "<path>": <what> = NaN (not a finite
// number)`, in the model's language, where <what> names the value as the
// user knows it ("node 5 coordinate 2", "the area of element type 3").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/model.h"
#include "model/outcome.h"

namespace zentrix::files {

// A refused write: `Cannot write the file "<path>": <reason>`.
model::Outcome refusedWrite(const model::Model& model, std::string_view path,
                            const std::string& reason);

// The reason of a write that could not have its buffer: "not enough memory".
std::string notEnoughMemory(const model::Model& model);

// "NaN", "Infinity" or "-Infinity".
std::string nonFiniteText(float value);

// The first coordinate of nodes 1..rows, columns 1..columns of `table` that
// is not finite, named as "node n coordinate c" (with `baseModule`, "Base
// module node n coordinate c"); nullopt when all are finite.
std::optional<std::string> nonFiniteCoordinate(const model::Model& model,
                                               const model::CoordinateTable& table,
                                               std::int64_t rows, int columns, bool baseModule);

// The first of the areas of element types 1..count that is not finite.
std::optional<std::string> nonFiniteArea(const model::Model& model, int count);

// The first expansion parameter the Zentrix Input File saves (module length
// and those of the model's expansion type) that is not finite.
std::optional<std::string> nonFiniteExpansionValue(const model::Model& model);

}  // namespace zentrix::files
