#include "generation/generation_checks.h"

#include <cmath>
#include <limits>

#include "generation/element_kinds.h"
#include "generation/generation_texts.h"
#include "model/field_labels.h"
#include "model/number_text.h"

namespace zentrix::generation {

namespace {

using model::Model;
using model::say;
using model::Text;
namespace labels = model::labels;

constexpr std::int64_t kLargestCount = std::numeric_limits<std::int32_t>::max();

std::string number(std::int64_t n) {
  return std::to_string(n);
}
std::string axisText(int axis) {
  return std::string(1, model::axisLetter(axis));
}

// `field` names the count as the main dialog shows it.
std::optional<std::string> negativeCount(bool romanian, const Text& field, std::int32_t value) {
  if (value >= 0) return std::nullopt;
  return say(texts::kNegativeCount, romanian, {say(field, romanian), number(value)});
}

std::optional<std::string> countRefusal(const Model& model, bool romanian) {
  if (model.base.dofPerNode != 2 && model.base.dofPerNode != 3)
    return say(texts::kDofPerNode, romanian, {number(model.base.dofPerNode)});
  if (auto refusal = negativeCount(romanian, labels::kNodesInBase0, model.base.nodesInBase0))
    return refusal;
  if (auto refusal = negativeCount(romanian, labels::kNodesInBase1, model.base.nodesInBase1))
    return refusal;
  if (auto refusal = negativeCount(romanian, labels::kElementCount, model.base.baseElementCount))
    return refusal;
  if (model.base.nodesInBase0 > model.base.nodesInBase1)
    return say(texts::kBase0LargerThanBase1, romanian,
               {number(model.base.nodesInBase0), number(model.base.nodesInBase1)});
  if (model.expansion.moduleCount < 1)
    return say(texts::kTooFewModules, romanian, {number(model.expansion.moduleCount)});
  return std::nullopt;
}

std::optional<std::string> directionRefusal(const Model& model, bool romanian, int direction) {
  if (direction < 1 || direction > 3) return say(texts::kNoDirection, romanian);
  if (direction > model.base.dofPerNode) return say(texts::kPlaneAlongZ, romanian);
  return std::nullopt;
}

std::optional<std::string> coordinatesRefusal(const Model& model, bool romanian,
                                              const StructureCounts& counts) {
  const model::CoordinateTable& base = model.base.baseCoords;
  if (base.rows() < counts.baseNodes)
    return say(texts::kShortCoordinates, romanian, {number(base.rows()), number(counts.baseNodes)});
  if (counts.baseNodes > 0 && base.columns() < counts.coordinates)
    return say(texts::kNarrowCoordinates, romanian,
               {number(base.columns()), number(counts.coordinates)});
  for (std::int64_t node = 1; node <= counts.baseNodes; ++node)
    for (int axis = 1; axis <= counts.coordinates; ++axis)
      if (!std::isfinite(base(node, axis)))
        return say(texts::kNonFiniteBaseCoordinate, romanian, {axisText(axis), number(node)});
  return std::nullopt;
}

std::optional<std::string> topologyRefusal(const Model& model, bool romanian,
                                           const StructureCounts& counts) {
  const std::int64_t ne = counts.baseElements;
  if (!topologyComplete(model)) {
    const std::int64_t held =
        std::min(model.base.baseElemStart.count(), model.base.baseElemEnd.count());
    if (held == 0) return say(texts::kNoTopology, romanian, {number(ne)});
    return say(texts::kShortTopology, romanian, {number(held), number(ne)});
  }
  for (std::int64_t element = 1; element <= ne; ++element) {
    for (const std::int32_t node :
         {model.base.baseElemStart(element), model.base.baseElemEnd(element)}) {
      if (node >= 1 && node <= counts.baseNodes) continue;
      return say(texts::kEndNodeOutside, romanian,
                 {number(element), number(node), number(counts.baseNodes)});
    }
  }
  return std::nullopt;
}

// `field` names the field as its dialog shows it.
std::optional<std::string> notFinite(bool romanian, const std::string& field, float value) {
  if (std::isfinite(value)) return std::nullopt;
  return say(texts::kNotFinite, romanian, {field});
}
std::optional<std::string> notFinite(bool romanian, const Text& field, float value) {
  return notFinite(romanian, say(field, romanian), value);
}

// The letters a shrink may take: the structure's axes other than the expansion's.
std::string shrinkChoices(const Model& model, bool romanian, int direction) {
  std::string choices;
  for (int axis = 1; axis <= model.base.dofPerNode; ++axis) {
    if (axis == direction) continue;
    if (!choices.empty()) choices += say(texts::kOr, romanian);
    choices += model::axisLetter(axis);
  }
  return choices;
}

std::optional<std::string> straightRefusal(const Model& model, bool romanian, int direction) {
  if (auto refusal = notFinite(romanian, labels::kModuleLength, model.expansion.moduleLength))
    return refusal;
  if (model.expansion.expansionType == model::kPyramidal) {
    if (auto refusal =
            notFinite(romanian, labels::kShrinkRatio, model.expansion.pyramidShrinkRatio))
      return refusal;
    for (int axis = 1; axis <= model.base.dofPerNode; ++axis)
      if (auto refusal =
              notFinite(romanian, say(labels::kVertexFootCoordinate, romanian, {axisText(axis)}),
                        model.expansion.vertexFootCoordinate(axis)))
        return refusal;
  }
  if (model.expansion.expansionType == model::kOneDirectionShrink) {
    const int t = model.expansion.shrinkDirectionIndex();
    if (t < 1 || t > model.base.dofPerNode || t == direction)
      return say(texts::kNoShrinkDirection, romanian, {shrinkChoices(model, romanian, direction)});
    if (auto refusal = notFinite(romanian, labels::kShrinkRatio, model.expansion.shrinkRatio))
      return refusal;
  }
  return std::nullopt;
}

std::optional<std::string> archRefusal(const Model& model, bool romanian) {
  // Any other arch kind draws no arch, so its parameters do not matter.
  if (model.expansion.archKind != model::kCircularArch &&
      model.expansion.archKind != model::kParabolicArch)
    return std::nullopt;
  if (auto refusal = notFinite(romanian, labels::kHalfSpan, model.expansion.halfSpan))
    return refusal;
  if (auto refusal = notFinite(romanian, labels::kArchHeight, model.expansion.archHeight))
    return refusal;
  if (model.expansion.halfSpan == 0.0f || model.expansion.archHeight == 0.0f)
    return say(texts::kFlatArch, romanian);
  return std::nullopt;
}

std::optional<std::string> totalsRefusal(bool romanian, const StructureCounts& counts) {
  const auto tooMany = [&](std::int64_t total, const Text& what) {
    return say(texts::kTooMany, romanian,
               {number(total), say(what, romanian), number(kLargestCount)});
  };
  if (counts.totalNodes > kLargestCount) return tooMany(counts.totalNodes, texts::kNodes);
  if (counts.totalElements > kLargestCount) return tooMany(counts.totalElements, texts::kElements);
  return std::nullopt;
}

std::optional<std::string> numberingRefusal(const Model& model, bool romanian,
                                            const StructureCounts& counts) {
  const KindTable kindCount = countKinds(classifyBaseElements(model, counts), counts);
  const auto beyond = firstEndNodeBeyond(model, counts, kindCount);
  if (!beyond) return std::nullopt;
  return say(texts::kCopyBeyondNodes, romanian,
             {number(beyond->element), number(beyond->module), number(beyond->node),
              number(counts.totalNodes)});
}

std::uint64_t bytesHeld(const Model& model) {
  return sizeof(float) * model.structure.nodeCoords.storage().capacity() +
         sizeof(std::int32_t) * (model.structure.elemStart.storage().capacity() +
                                 model.structure.elemEnd.storage().capacity() +
                                 model.structure.elemKind.storage().capacity());
}

std::string megabytes(std::uint64_t bytes) {
  return number(static_cast<std::int64_t>((bytes + (1u << 20) - 1) >> 20));
}

std::optional<std::string> memoryRefusal(const Model& model, bool romanian,
                                         const StructureCounts& counts, std::uint64_t memoryLimit) {
  if (memoryLimit == 0) return std::nullopt;
  const std::uint64_t needed = bytesToGenerate(counts);
  if (needed + bytesHeld(model) <= memoryLimit) return std::nullopt;
  return say(texts::kMoreThanTheMemory, romanian,
             {number(counts.totalNodes), number(counts.totalElements), megabytes(needed),
              megabytes(memoryLimit)});
}

}  // namespace

std::uint64_t bytesToGenerate(const StructureCounts& counts) {
  const auto nodes = static_cast<std::uint64_t>(counts.totalNodes);
  const auto elements = static_cast<std::uint64_t>(counts.totalElements);
  const auto coordinates = static_cast<std::uint64_t>(counts.coordinates);
  // Coordinates; start, end and kind of every element; the far-end list and
  // the taper steps of one module.
  return sizeof(float) * nodes * coordinates + 3 * sizeof(std::int32_t) * elements +
         (sizeof(std::int64_t) + sizeof(float) * coordinates) *
             static_cast<std::uint64_t>(counts.base1Nodes);
}

std::optional<std::string> inputRefusal(const Model& model, bool romanian, int direction,
                                        std::uint64_t memoryLimit) {
  if (auto refusal = countRefusal(model, romanian)) return refusal;
  if (auto refusal = directionRefusal(model, romanian, direction)) return refusal;
  const StructureCounts counts = countStructure(model, direction);
  if (auto refusal = coordinatesRefusal(model, romanian, counts)) return refusal;
  if (auto refusal = topologyRefusal(model, romanian, counts)) return refusal;
  if (model.expansion.expansionType == model::kArch) {
    if (auto refusal = archRefusal(model, romanian)) return refusal;
  } else if (auto refusal = straightRefusal(model, romanian, direction)) {
    return refusal;
  }
  if (auto refusal = totalsRefusal(romanian, counts)) return refusal;
  if (auto refusal = numberingRefusal(model, romanian, counts)) return refusal;
  return memoryRefusal(model, romanian, counts, memoryLimit);
}

std::string cancelledMessage(bool romanian) {
  return say(texts::kCancelled, romanian);
}

std::string outOfMemoryMessage(bool romanian, const StructureCounts& counts) {
  return say(texts::kOutOfMemory, romanian,
             {number(counts.totalNodes), number(counts.totalElements)});
}

std::string nonFiniteCoordinateMessage(bool romanian, std::int64_t node, int axis) {
  return say(texts::kNonFiniteCoordinate, romanian, {number(node), axisText(axis)});
}

}  // namespace zentrix::generation
