// What every writer and drawing of the generated structure reads: the
// structure with the inputs it was generated with (`GeneratedWith`, never
// inputs changed since), the Base module its element kinds are read with,
// the element types, and the language of the messages and names.
#pragma once

#include "model/model.h"

namespace zentrix::structure {

struct StructureParts {
  const model::BaseModule& base;
  const model::ElementTypes& types;
  const model::Structure& structure;
  model::GeneratedWith with;
  bool romanian = false;
};

// The parts of `model`, with the structure's inputs (`structureInputs`).
inline StructureParts structureParts(const model::Model& model, bool romanian) {
  return StructureParts{.base = model.base,
                        .types = model.types,
                        .structure = model.structure,
                        .with = model::structureInputs(model),
                        .romanian = romanian};
}

}  // namespace zentrix::structure
