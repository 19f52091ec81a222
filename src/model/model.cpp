#include "model/model.h"

#include "model/model_texts.h"

namespace zentrix::model {

void setStartValues(Model& model) {
  model.processCount = 0;
  model.elementKindCount = kKindCount;
  for (int kind = 1; kind <= kKindCount; ++kind)
    model.kindNames[kind - 1] = say(texts::kKindNames[kind - 1], model.romanian);
  model.lastNodesInBase0 = true;
}

std::string defaultTypeName(const Model& model, int type) {
  // An arch's chords and struts carry their own names for types 1 and 2.
  if (model.expansionType == kArch && type == 1) return say(texts::kArchChord, model.romanian);
  if (model.expansionType == kArch && type == 2) return say(texts::kArchStrut, model.romanian);
  return say(texts::kKindNames.at(static_cast<std::size_t>(type - 1)), model.romanian);
}

bool isDefaultTypeName(const Model& model, int type, std::string_view name) {
  Model straight;
  straight.romanian = model.romanian;
  Model arch = straight;
  arch.expansionType = kArch;
  return name == defaultTypeName(straight, type) || name == defaultTypeName(arch, type);
}

GeneratedWith structureInputs(const Model& model) {
  if (model.generatedWith) return *model.generatedWith;
  return {.dofPerNode = model.dofPerNode,
          .nodesInBase0 = model.nodesInBase0,
          .nodesInBase1 = model.nodesInBase1,
          .expansionType = model.expansionType,
          .lastNodesInBase0 = model.lastNodesInBase0};
}

void startNewElementTypes(Model& model) {
  for (int type = 1; type <= kKindCount; ++type) {
    model.typeName(type) = defaultTypeName(model, type);
    model.typeArea(type) = static_cast<float>(type);
  }
}

}  // namespace zentrix::model
