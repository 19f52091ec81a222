#include "model/model.h"

#include "model/model_texts.h"
#include "model/number_text.h"

namespace zentrix::model {

void setStartValues(Model& model, bool romanian) {
  model.types.elementKindCount = kKindCount;
  for (int kind = 1; kind <= kKindCount; ++kind)
    model.types.kindNames[kind - 1] = say(texts::kKindNames[kind - 1], romanian);
  model.base.lastNodesInBase0 = true;
}

std::string defaultTypeName(const Model& model, int type, bool romanian) {
  // An arch's chords and struts carry their own names for types 1 and 2.
  if (model.expansion.expansionType == kArch && type == 1) return say(texts::kArchChord, romanian);
  if (model.expansion.expansionType == kArch && type == 2) return say(texts::kArchStrut, romanian);
  return say(texts::kKindNames.at(static_cast<std::size_t>(type - 1)), romanian);
}

bool isDefaultTypeName(int type, std::string_view name, bool romanian) {
  const Model straight;
  Model arch;
  arch.expansion.expansionType = kArch;
  return name == defaultTypeName(straight, type, romanian) ||
         name == defaultTypeName(arch, type, romanian);
}

int Expansion::directionIndex() const {
  return axisNumber(expansionDirection);
}

int Expansion::shrinkDirectionIndex() const {
  return axisNumber(shrinkDirection);
}

GeneratedWith structureInputs(const Model& model) {
  if (model.structure.generatedWith) return *model.structure.generatedWith;
  return {.dofPerNode = model.base.dofPerNode,
          .nodesInBase0 = model.base.nodesInBase0,
          .nodesInBase1 = model.base.nodesInBase1,
          .expansionType = model.expansion.expansionType,
          .lastNodesInBase0 = model.base.lastNodesInBase0};
}

void startNewElementTypes(Model& model, bool romanian) {
  for (int type = 1; type <= kKindCount; ++type) {
    model.types.typeName(type) = defaultTypeName(model, type, romanian);
    model.types.typeArea(type) = static_cast<float>(type);
  }
}

}  // namespace zentrix::model
