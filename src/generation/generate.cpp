#include "generation/generate.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <stdexcept>

#include "generation/arch_geometry.h"
#include "generation/element_kinds.h"
#include "generation/generation_checks.h"
#include "generation/generation_texts.h"
#include "generation/physical_memory.h"
#include "generation/straight_expansion.h"
#include "generation/structure_counts.h"
#include "generation/work_meter.h"
#include "model/helper_thread.h"
#include "model/number_text.h"

namespace zentrix::generation {

namespace {

using model::Model;
using model::Outcome;

// The structure being built, taken over by the model only when complete.
struct Scratch {
  model::CoordinateTable nodeCoords;
  model::OneBasedArray<std::int32_t> elemStart;
  model::OneBasedArray<std::int32_t> elemEnd;
  model::OneBasedArray<std::int32_t> elemKind;
  KindTable kindCount{};
  KindTable kindEnd{};
  float moduleDepth = 0.0f;
};

// The first coordinate that is not finite, as (node, axis); node 0 when none.
std::pair<std::int64_t, int> firstNonFinite(const model::CoordinateTable& coords) {
  const float* values = coords.data();
  const std::int64_t count = coords.rows() * coords.columns();
  // NaN and the infinities have all exponent bits set; testing the bits
  // lets the compiler scan millions of coordinates a vector at a time.
  std::uint32_t special = 0;
  for (std::int64_t i = 0; i < count; ++i) {
    std::uint32_t bits;
    std::memcpy(&bits, values + i, sizeof bits);
    special |= static_cast<std::uint32_t>((bits & 0x7f800000u) == 0x7f800000u);
  }
  if (special == 0) return {0, 0};
  for (std::int64_t i = 0; i < count; ++i)
    if (!std::isfinite(values[i]))
      return {i / coords.columns() + 1, static_cast<int>(i % coords.columns()) + 1};
  return {0, 0};
}

// Allocates the end node arrays (every entry 0) on a second thread while the
// calling one places the nodes: filling hundreds of megabytes is mostly the
// system handing out pages, which two threads do side by side. `wait` returns
// when they are there and passes on a failure to allocate them. Without a
// second thread it does the work itself.
class EndNodeArrays {
 public:
  EndNodeArrays(Scratch& scratch, std::int64_t count)
      : scratch_(scratch), count_(count), helper_([this] { allocate(); }) {
    if (!helper_.started()) allocate();
  }

  void wait() { helper_.join(); }

 private:
  void allocate() {
    scratch_.elemStart.rebuild(count_);
    scratch_.elemEnd.rebuild(count_);
  }

  Scratch& scratch_;
  std::int64_t count_;
  model::HelperThread helper_;  // last: it starts once the rest is set
};

bool placeNodes(const Model& model, const StructureCounts& counts, Scratch& s, WorkMeter& meter,
                const model::LineSink& console) {
  s.nodeCoords.rebuild(counts.totalNodes, counts.coordinates);
  copyBaseModule(model, counts, s.nodeCoords);
  if (model.expansion.expansionType != model::kArch)
    return expandStraight(model, counts, s.nodeCoords, meter);
  s.moduleDepth = baseModuleDepth(s.nodeCoords, counts);
  return placeArchNodes(model, counts, s.moduleDepth, s.nodeCoords, meter, console);
}

bool buildElements(const Model& model, const StructureCounts& counts, Scratch& s,
                   WorkMeter& meter) {
  const std::vector<std::int32_t> kinds = classifyBaseElements(model, counts);
  s.kindCount = countKinds(kinds, counts);
  const auto kindEnd =
      replicateElements(model, counts, s.kindCount, s.elemStart.data(), s.elemEnd.data(), meter);
  if (!kindEnd) return false;
  s.kindEnd = *kindEnd;
  // Only the Base module's own elements carry their computed kind.
  std::copy(kinds.begin(), kinds.end(), s.elemKind.data());
  return true;
}

void takeOver(Model& model, const StructureCounts& counts, Scratch& s) {
  model.base.baseNodeCount = static_cast<std::int32_t>(counts.baseNodes);
  model.structure.nodeCoords = std::move(s.nodeCoords);
  model.structure.base0ElementCount = static_cast<std::int32_t>(counts.base0Elements);
  model.structure.moduleElementCount = static_cast<std::int32_t>(counts.moduleElements);
  model.structure.elemStart = std::move(s.elemStart);
  model.structure.elemEnd = std::move(s.elemEnd);
  model.structure.elemKind = std::move(s.elemKind);
  model.structure.kindCount = s.kindCount;
  model.structure.kindEnd = s.kindEnd;
  if (model.expansion.expansionType == model::kArch) model.expansion.moduleDepth = s.moduleDepth;
  model.structure.generatedWith =
      model::GeneratedWith{.dofPerNode = model.base.dofPerNode,
                           .nodesInBase0 = model.base.nodesInBase0,
                           .nodesInBase1 = model.base.nodesInBase1,
                           .expansionType = model.expansion.expansionType,
                           .lastNodesInBase0 = model.base.lastNodesInBase0};
  model.inputsChangedSinceGenerate = false;
}

Outcome build(Model& model, const StructureCounts& counts, model::Progress* progress,
              const model::LineSink& console) {
  const bool renumber = model.base.lastNodesInBase0;
  const std::int64_t units = 2 * counts.totalNodes + counts.totalElements +
                             (renumber ? counts.totalNodes + counts.totalElements : 0);
  WorkMeter meter(progress, units);
  const Outcome cancelled = Outcome::failure(cancelledMessage(model));
  if (!meter.report()) return cancelled;

  Scratch scratch;
  EndNodeArrays endNodes(scratch, counts.totalElements);
  if (!placeNodes(model, counts, scratch, meter, console)) return cancelled;
  if (const auto [node, axis] = firstNonFinite(scratch.nodeCoords); node != 0)
    return Outcome::failure(
        nonFiniteCoordinateMessage(model, renumber ? renumberedNode(counts, node) : node, axis));
  scratch.elemKind.rebuild(counts.totalElements);
  if (!meter.add(counts.totalNodes)) return cancelled;

  endNodes.wait();
  if (!buildElements(model, counts, scratch, meter)) return cancelled;
  if (renumber && !renumberBase0Last(counts, scratch.nodeCoords, scratch.elemStart.data(),
                                     scratch.elemEnd.data(), meter))
    return cancelled;
  if (!meter.finish()) return cancelled;
  takeOver(model, counts, scratch);
  return Outcome::success();
}

}  // namespace

std::uint64_t defaultMemoryLimit() {
  return physicalMemoryBytes() / 4 * 3;
}

std::optional<std::string> refusalOf(const Model& model) {
  return refusalOf(model, defaultMemoryLimit());
}

std::optional<std::string> refusalOf(const Model& model, std::uint64_t memoryLimit) {
  // Asked before the Base module is measured, so the direction comes from its letter.
  return inputRefusal(model, model::axisNumber(model.expansion.expansionDirection), memoryLimit);
}

void measureBaseModule(Model& model) {
  const int direction = model::axisNumber(model.expansion.expansionDirection);
  model.expansion.directionIndex = direction;
  const model::CoordinateTable& base = model.base.baseCoords;
  const std::int64_t nodes = std::clamp<std::int64_t>(
      static_cast<std::int64_t>(model.base.nodesInBase0) + model.base.nodesInBase1, 0, base.rows());
  float length = 0.0f;
  if (direction >= 1 && direction <= model.base.dofPerNode && direction <= base.columns())
    for (std::int64_t node = 1; node <= nodes; ++node)
      length = std::max(length, std::fabs(base(node, direction)));
  model.expansion.baseModuleLength = length;
}

bool moduleLengthMatches(const Model& model) {
  return model.expansion.moduleLength == model.expansion.baseModuleLength;
}

std::string moduleLengthWarning(const Model& model) {
  const auto shown = [](float value) {
    return model::compactNumberText(model::fixedForm(value, 12, 4));
  };
  return model::say(texts::kModuleLengthWarning, model.romanian,
                    {shown(model.expansion.baseModuleLength), shown(model.expansion.moduleLength)});
}

Outcome generateStructure(Model& model, model::Progress* progress, const model::LineSink& console) {
  return generateStructure(model, progress, defaultMemoryLimit(), console);
}

Outcome generateStructure(Model& model, model::Progress* progress, std::uint64_t memoryLimit,
                          const model::LineSink& console) {
  if (auto refusal = inputRefusal(model, model.expansion.directionIndex, memoryLimit))
    return Outcome::failure(*refusal);
  const StructureCounts counts = countStructure(model, model.expansion.directionIndex);
  try {
    return build(model, counts, progress, console);
  } catch (const std::bad_alloc&) {
    return Outcome::failure(outOfMemoryMessage(model, counts));
  } catch (const std::length_error&) {
    return Outcome::failure(outOfMemoryMessage(model, counts));
  }
}

}  // namespace zentrix::generation
