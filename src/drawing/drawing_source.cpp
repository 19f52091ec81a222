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
  names = model.typeNames;
  areas = model.typeAreas;
  count = std::clamp(model.elementKindCount, 0, model::kKindCount);
}

// Whether the Base module holds what the classification reads: every end
// node a node with coordinates, and the axis one of the model's. A Base
// module being entered may hold 0 or a number typed too large.
bool classifiable(const model::Model& model) {
  if (model.dofPerNode != 2 && model.dofPerNode != 3) return false;
  if (model.directionIndex < 1 || model.directionIndex > model.dofPerNode) return false;
  if (model.baseCoords.columns() < model.dofPerNode) return false;
  if (!generation::topologyComplete(model) || model.baseElementCount < 1) return false;
  const std::int64_t nodes = std::min<std::int64_t>(model.baseNodeCount, model.baseCoords.rows());
  for (std::int64_t e = 1; e <= model.baseElementCount; ++e)
    for (const std::int32_t node : {model.baseElemStart(e), model.baseElemEnd(e)})
      if (node < 1 || node > nodes) return false;
  return true;
}

// The kinds GENERATE would give the Base module elements; none while the
// Base module cannot be classified yet.
std::vector<std::int32_t> baseModuleKinds(const model::Model& model) {
  if (!classifiable(model)) return {};
  return generation::classifyBaseElements(model,
                                          generation::countStructure(model, model.directionIndex));
}

}  // namespace

DrawingSource drawingSource(const model::Model& model, Subject subject) {
  DrawingSource source;
  source.subject_ = subject;
  source.title_ = model.problemTitle;
  takeElementTypes(model, source.typeNames_, source.typeAreas_, source.typeCount_);
  if (subject == Subject::Structure) {
    const model::GeneratedWith with = model::structureInputs(model);
    source.columns_ = model.nodeCoords.columns();
    source.dimensions_ = with.dofPerNode == 2 ? 2 : 3;
    source.nodeCount_ = atMost(model.totalNodes, model.nodeCoords.rows());
    source.coords_ = model.nodeCoords.data();
    source.elementCount_ =
        atMost(model.totalElements, std::min(model.elemStart.count(), model.elemEnd.count()));
    source.start_ = model.elemStart.data();
    source.end_ = model.elemEnd.data();
    source.blocks_ = files::elementTypeBlocks(model);
    source.typedByBlocks_ = true;
    if (source.nodeCount_ > 0) source.blocked_ = files::blockedNodeRanges(model);
  } else {
    source.columns_ = model.baseCoords.columns();
    source.dimensions_ = model.dofPerNode == 2 ? 2 : 3;
    source.nodeCount_ = atMost(model.baseNodeCount, model.baseCoords.rows());
    source.coords_ = model.baseCoords.data();
    source.elementCount_ = atMost(model.baseElementCount,
                                  std::min(model.baseElemStart.count(), model.baseElemEnd.count()));
    source.start_ = model.baseElemStart.data();
    source.end_ = model.baseElemEnd.data();
    source.ownKinds_ = baseModuleKinds(model);
    if (static_cast<std::int64_t>(source.ownKinds_.size()) >= source.elementCount_ &&
        !source.ownKinds_.empty())
      source.kinds_ = source.ownKinds_.data();
    source.blocked_ = {files::baseModuleBlockedNodes(model)};
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
