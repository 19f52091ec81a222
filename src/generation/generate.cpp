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
  EndNodeArrays(model::Structure& built, std::int64_t count)
      : built_(built), count_(count), helper_([this] { allocate(); }) {
    if (!helper_.started()) allocate();
  }

  void wait() { helper_.join(); }

 private:
  void allocate() {
    built_.elemStart.rebuild(count_);
    built_.elemEnd.rebuild(count_);
  }

  model::Structure& built_;
  std::int64_t count_;
  model::HelperThread helper_;  // last: it starts once the rest is set
};

bool placeNodes(const Model& model, const StructureCounts& counts, Generation& g, WorkMeter& meter,
                const model::LineSink& console) {
  model::Structure& s = g.structure;
  s.nodeCoords.rebuild(counts.totalNodes, counts.coordinates);
  copyBaseModule(model, counts, s.nodeCoords);
  if (model.expansion.expansionType != model::kArch)
    return expandStraight(model, counts, s.nodeCoords, meter);
  g.moduleDepth = baseModuleDepth(s.nodeCoords, counts);
  return placeArchNodes(model, counts, g.moduleDepth, s.nodeCoords, meter, console);
}

bool buildElements(const Model& model, const StructureCounts& counts, model::Structure& s,
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

// Builds the structure; false when the work was cancelled. A structure that
// comes out with a non-finite coordinate is refused in `g.outcome`.
bool build(const Model& model, bool romanian, const StructureCounts& counts,
           model::Progress* progress, const model::LineSink& console, Generation& g) {
  const bool renumber = model.base.lastNodesInBase0;
  const std::int64_t units = 2 * counts.totalNodes + counts.totalElements +
                             (renumber ? counts.totalNodes + counts.totalElements : 0);
  WorkMeter meter(progress, units);
  if (!meter.report()) return false;

  model::Structure& s = g.structure;
  EndNodeArrays endNodes(s, counts.totalElements);
  if (!placeNodes(model, counts, g, meter, console)) return false;
  if (const auto [node, axis] = firstNonFinite(s.nodeCoords); node != 0) {
    g.outcome = Outcome::failure(
        nonFiniteCoordinateMessage(romanian, renumber ? renumberedNode(counts, node) : node, axis));
    return true;
  }
  s.elemKind.rebuild(counts.totalElements);
  if (!meter.add(counts.totalNodes)) return false;

  endNodes.wait();
  if (!buildElements(model, counts, s, meter)) return false;
  if (renumber &&
      !renumberBase0Last(counts, s.nodeCoords, s.elemStart.data(), s.elemEnd.data(), meter))
    return false;
  if (!meter.finish()) return false;
  s.base0ElementCount = static_cast<std::int32_t>(counts.base0Elements);
  s.moduleElementCount = static_cast<std::int32_t>(counts.moduleElements);
  s.generatedWith = model::GeneratedWith{.dofPerNode = model.base.dofPerNode,
                                         .nodesInBase0 = model.base.nodesInBase0,
                                         .nodesInBase1 = model.base.nodesInBase1,
                                         .expansionType = model.expansion.expansionType,
                                         .lastNodesInBase0 = model.base.lastNodesInBase0};
  return true;
}

}  // namespace

std::uint64_t defaultMemoryLimit() {
  return physicalMemoryBytes() / 4 * 3;
}

std::optional<std::string> refusalOf(const Model& model, bool romanian, std::uint64_t memoryLimit) {
  return inputRefusal(model, romanian, model.expansion.directionIndex(), memoryLimit);
}

void measureBaseModule(Model& model) {
  const int direction = model.expansion.directionIndex();
  const model::CoordinateTable& base = model.base.baseCoords;
  const std::int64_t nodes = std::clamp<std::int64_t>(model.base.baseNodeCount(), 0, base.rows());
  float length = 0.0f;
  if (direction >= 1 && direction <= model.base.dofPerNode && direction <= base.columns())
    for (std::int64_t node = 1; node <= nodes; ++node)
      length = std::max(length, std::fabs(base(node, direction)));
  model.measured.baseModuleLength = length;
}

bool moduleLengthMatches(const Model& model) {
  return model.expansion.moduleLength == model.measured.baseModuleLength;
}

std::string moduleLengthWarning(const Model& model, bool romanian) {
  const auto shown = [](float value) {
    return model::compactNumberText(model::fixedForm(value, 12, 4));
  };
  return model::say(texts::kModuleLengthWarning, romanian,
                    {shown(model.measured.baseModuleLength), shown(model.expansion.moduleLength)});
}

Generation generate(const Model& model, bool romanian, model::Progress* progress,
                    std::uint64_t memoryLimit, const model::LineSink& console) {
  Generation g;
  if (auto refusal = inputRefusal(model, romanian, model.expansion.directionIndex(), memoryLimit)) {
    g.outcome = Outcome::failure(*refusal);
    return g;
  }
  const StructureCounts counts = countStructure(model, model.expansion.directionIndex());
  try {
    if (!build(model, romanian, counts, progress, console, g))
      g.outcome = Outcome::cancelled(cancelledMessage(romanian));
  } catch (const std::bad_alloc&) {
    g.outcome = Outcome::failure(outOfMemoryMessage(romanian, counts));
  } catch (const std::length_error&) {
    g.outcome = Outcome::failure(outOfMemoryMessage(romanian, counts));
  }
  // A structure that is not complete is never handed on.
  if (!g.outcome) g.structure = model::Structure{};
  return g;
}

void takeGenerated(Model& model, Generation&& generated) {
  model.structure = std::move(generated.structure);
  if (model.expansion.expansionType == model::kArch)
    model.measured.moduleDepth = generated.moduleDepth;
}

Outcome generateStructure(Model& model, bool romanian, model::Progress* progress,
                          std::uint64_t memoryLimit, const model::LineSink& console) {
  Generation generated = generate(model, romanian, progress, memoryLimit, console);
  if (!generated.outcome) return generated.outcome;
  takeGenerated(model, std::move(generated));
  return Outcome::success();
}

}  // namespace zentrix::generation
