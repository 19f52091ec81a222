#include "drawing/drawing_source.h"

#include <algorithm>

#include "generation/element_kinds.h"
#include "generation/structure_counts.h"

namespace zentrix::drawing {

namespace {

std::int64_t atMost(std::int64_t count, std::int64_t available) {
  return std::clamp<std::int64_t>(count, 0, available);
}

void takeElementTypes(const model::Model& model, std::array<std::string, model::kKindCount>& names,
                      std::array<float, model::kKindCount>& areas, int& count) {
  names = model.types.typeNames;
  areas = model.types.typeAreas;
  count = std::clamp(model.types.elementKindCount, 0, model::kKindCount);
}

// Whether the Base module holds what the classification reads: every end
// node a node with coordinates, and the axis one of the model's. A Base
// module being entered may hold 0 or a number typed too large.
bool classifiable(const model::Model& model) {
  if (model.base.dofPerNode != 2 && model.base.dofPerNode != 3) return false;
  const int direction = model.expansion.directionIndex();
  if (direction < 1 || direction > model.base.dofPerNode) return false;
  if (model.base.baseCoords.columns() < model.base.dofPerNode) return false;
  if (!generation::topologyComplete(model) || model.base.baseElementCount < 1) return false;
  const std::int64_t nodes =
      std::min<std::int64_t>(model.base.baseNodeCount(), model.base.baseCoords.rows());
  for (std::int64_t e = 1; e <= model.base.baseElementCount; ++e)
    for (const std::int32_t node : {model.base.baseElemStart(e), model.base.baseElemEnd(e)})
      if (node < 1 || node > nodes) return false;
  return true;
}

// The kinds GENERATE would give the Base module elements; none while the
// Base module cannot be classified yet.
std::vector<std::int32_t> baseModuleKinds(const model::Model& model) {
  if (!classifiable(model)) return {};
  return generation::classifyBaseElements(
      model, generation::countStructure(model, model.expansion.directionIndex()));
}

}  // namespace

DrawingSource drawingSource(const model::Model& model, Subject subject) {
  DrawingSource source;
  source.subject_ = subject;
  source.title_ = model.base.problemTitle;
  takeElementTypes(model, source.typeNames_, source.typeAreas_, source.typeCount_);
  if (subject == Subject::Structure) {
    const model::GeneratedWith with = model::structureInputs(model);
    source.columns_ = model.structure.nodeCoords.columns();
    source.dimensions_ = with.dofPerNode == 2 ? 2 : 3;
    source.nodeCount_ = atMost(model.structure.totalNodes(), model.structure.nodeCoords.rows());
    source.coords_ = model.structure.nodeCoords.data();
    source.elementCount_ =
        atMost(model.structure.totalElements(),
               std::min(model.structure.elemStart.count(), model.structure.elemEnd.count()));
    source.start_ = model.structure.elemStart.data();
    source.end_ = model.structure.elemEnd.data();
    source.blocks_ = structure::elementTypeBlocks(model.structure, model.base);
    source.typedByBlocks_ = true;
    if (source.nodeCount_ > 0)
      source.blocked_ = structure::blockedNodeRanges(model.structure, with);
  } else {
    source.columns_ = model.base.baseCoords.columns();
    source.dimensions_ = model.base.dofPerNode == 2 ? 2 : 3;
    source.nodeCount_ = atMost(model.base.baseNodeCount(), model.base.baseCoords.rows());
    source.coords_ = model.base.baseCoords.data();
    source.elementCount_ =
        atMost(model.base.baseElementCount,
               std::min(model.base.baseElemStart.count(), model.base.baseElemEnd.count()));
    source.start_ = model.base.baseElemStart.data();
    source.end_ = model.base.baseElemEnd.data();
    source.ownKinds_ = baseModuleKinds(model);
    if (static_cast<std::int64_t>(source.ownKinds_.size()) >= source.elementCount_ &&
        !source.ownKinds_.empty())
      source.kinds_ = source.ownKinds_.data();
    source.blocked_ = {structure::baseModuleBlockedNodes(model.base)};
  }
  return source;
}

DrawingSource makeDrawingSource(int columns, std::int64_t nodeCount, const float* coords,
                                std::int64_t elementCount, const std::int32_t* start,
                                const std::int32_t* end, const std::int32_t* kinds) {
  DrawingSource source;
  source.columns_ = columns;
  source.dimensions_ = columns == 2 ? 2 : 3;
  source.nodeCount_ = nodeCount;
  source.coords_ = coords;
  source.elementCount_ = elementCount;
  source.start_ = start;
  source.end_ = end;
  source.kinds_ = kinds;
  return source;
}

}  // namespace zentrix::drawing
