// GENERATE: expands the Base module into the whole structure (node
// coordinates, element end nodes, element kinds) in the model.
//
// The road, which runGenerate (generation/run.h) takes for the desktop
// program and the command line alike:
//   1. `refusalOf(model)`: inputs the generation cannot work with get a
//      message in the language asked for; nothing changes.
//   2. `measureBaseModule(model)`: sets `measured.baseModuleLength` (also
//      when the user then declines).
//   3. when `!moduleLengthMatches(model)`, ask with `moduleLengthWarning`
//      (title "Zentrix Message", Yes/No); only Yes goes on.
//   4. `generateStructure(model)`: `generate` builds a new structure from the
//      input parts and the model takes it whole only when it is complete; a
//      refusal or a cancel leaves the previous structure as it was.
//
// Refused: a module count below 1; negative node or element counts; node or
// element totals beyond 32 bits; dofPerNode other than 2 or 3; no expansion
// direction, or Z in 2-D; Base module coordinates or topology missing, short
// or not finite; end nodes outside the Base module's nodes; copies that
// would reach beyond the structure's nodes (Base 0 larger than Base 1);
// non-finite expansion parameters; an unset or invalid shrink direction; an
// arch with l or h equal to 0; a structure that would not fit in memory; a
// coordinate that would come out non-finite.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/line_sink.h"
#include "model/model.h"
#include "model/outcome.h"
#include "model/progress.h"

namespace zentrix::generation {

// The bytes the previous and the new structure may take together by default:
// three quarters of this computer's memory (no bound when it is unknown).
std::uint64_t defaultMemoryLimit();

// Texts the user reads come in Romanian with `romanian`, else in English.
std::optional<std::string> refusalOf(const model::Model& model, bool romanian,
                                     std::uint64_t memoryLimit = defaultMemoryLimit());
void measureBaseModule(model::Model& model);
bool moduleLengthMatches(const model::Model& model);
std::string moduleLengthWarning(const model::Model& model, bool romanian);
// What `generate` hands back: the complete structure on success (empty
// otherwise), and what the model's inputs learn from building it.
struct Generation {
  model::Outcome outcome;
  model::Structure structure;
  float moduleDepth = 0.0f;  // an arch's module depth, measured on the Base module
};

// Builds the structure of the model's input parts without changing the
// model; the same checks and progress as `generateStructure`.
Generation generate(const model::Model& model, bool romanian, model::Progress* progress,
                    std::uint64_t memoryLimit, const model::LineSink& console = {});

// The model takes a successful generation whole: the structure and an
// arch's module depth; its inputs then match its structure.
void takeGenerated(model::Model& model, Generation&& generated);

// `generate`, then `takeGenerated` on success.
// Checks everything
// `refusalOf` checks, and calls `progress->advance` about once per million
// nodes or elements; a false answer cancels (an outcome of kind
// kCancelled). The parabolic arch's precision lines go to `console` (none
// when it is empty).
model::Outcome generateStructure(model::Model& model, bool romanian,
                                 model::Progress* progress = nullptr,
                                 std::uint64_t memoryLimit = defaultMemoryLimit(),
                                 const model::LineSink& console = {});

}  // namespace zentrix::generation
