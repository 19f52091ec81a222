#include "generation/element_kinds.h"

#include <algorithm>

#include "generation/two_halves.h"

namespace zentrix::generation {

namespace {

using model::Model;

constexpr int kLongitudinal = 1;
constexpr int kTransversal = 2;
constexpr int kDiagonal = 3;
constexpr int kTransversalDiagonal = 4;

bool nonZero(float difference) {
  return !(difference == 0.0f);
}  // a NaN is not 0

// Differences of one element along the expansion axis and the two others.
struct Direction {
  float axial;
  float transverse1;
  float transverse2;
};

Direction directionOf(const InputParts& inputs, const StructureCounts& counts, std::int64_t a,
                      std::int64_t b) {
  const int stride = inputs.base.baseCoords.columns();
  const float* from = inputs.base.baseCoords.data() + (a - 1) * stride;
  const float* to = inputs.base.baseCoords.data() + (b - 1) * stride;
  // An axis the structure does not have (Z in 2-D) contributes no difference.
  const auto difference = [&](int axis) {
    return axis <= counts.coordinates ? to[axis - 1] - from[axis - 1] : 0.0f;
  };
  const int d = counts.direction;
  // X is followed by Y and Z, Y by Z and X, Z by X and Y.
  return {difference(d), difference(d % 3 + 1), difference((d + 1) % 3 + 1)};
}

int passOneKind(const Direction& dir, std::int64_t a, std::int64_t b, std::int64_t n0) {
  const bool t1 = nonZero(dir.transverse1);
  const bool t2 = nonZero(dir.transverse2);
  if (!t1 && !t2) return kLongitudinal;
  if (nonZero(dir.axial)) return kDiagonal;
  if (t1 && t2) return kTransversalDiagonal;
  // Only a bar touching the first module's far end counts as transversal;
  // the search runs over N0+1 ... 2 N0, as Base 1 faces Base 0 node by node.
  const auto inFarEnd = [n0](std::int64_t node) { return node > n0 && node <= 2 * n0; };
  return inFarEnd(a) || inFarEnd(b) ? kTransversal : kTransversalDiagonal;
}

// How an element's two end nodes move from module to module.
enum class EndShift : std::uint8_t {
  kBothBase1,   // transversal bars of the far end
  kStartBase0,  // from the module's Base 0 to its Base 1
  kEndBase0,    // a diagonal stored from its Base 1 end
};

int blockOf(const KindTable& kindCount, std::int64_t element) {
  int kind = 1;
  while (kind < model::kKindCount && element > kindCount[static_cast<std::size_t>(kind)]) ++kind;
  return kind;
}

EndShift endShiftOf(int blockKind, std::int32_t start, std::int64_t n0) {
  if (blockKind == kLongitudinal) return EndShift::kStartBase0;
  if (blockKind == kDiagonal) return start <= n0 ? EndShift::kStartBase0 : EndShift::kEndBase0;
  return EndShift::kBothBase1;
}

// Node shifts of module k >= 2.
struct ModuleShift {
  std::int64_t base0;  // N0 + (k - 2) N1
  std::int64_t base1;  // (k - 1) N1
};

ModuleShift shiftOfModule(const StructureCounts& counts, std::int64_t k) {
  return {counts.base0Nodes + (k - 2) * counts.base1Nodes, (k - 1) * counts.base1Nodes};
}

std::int64_t startShift(EndShift shift, const ModuleShift& m) {
  return shift == EndShift::kStartBase0 ? m.base0 : m.base1;
}
std::int64_t endShift(EndShift shift, const ModuleShift& m) {
  return shift == EndShift::kEndBase0 ? m.base0 : m.base1;
}

}  // namespace

std::vector<std::int32_t> classifyBaseElements(const InputParts& inputs,
                                               const StructureCounts& counts) {
  const std::int64_t ne = counts.baseElements;
  std::vector<std::int32_t> kinds(static_cast<std::size_t>(ne), 0);
  const std::int32_t* start = inputs.base.baseElemStart.data();
  const std::int32_t* end = inputs.base.baseElemEnd.data();
  for (std::int64_t i = 0; i < ne; ++i) {
    const Direction dir = directionOf(inputs, counts, start[i], end[i]);
    kinds[static_cast<std::size_t>(i)] = passOneKind(dir, start[i], end[i], counts.base0Nodes);
  }
  // The last o elements are taken as the Base 0 elements: bars of a cross-section.
  for (std::int64_t i = ne - counts.base0Elements; i < ne; ++i) {
    const Direction dir = directionOf(inputs, counts, start[i], end[i]);
    const bool oblique = nonZero(dir.transverse1) && nonZero(dir.transverse2);
    kinds[static_cast<std::size_t>(i)] = oblique ? kTransversalDiagonal : kTransversal;
  }
  return kinds;
}

KindTable countKinds(const std::vector<std::int32_t>& kinds, const StructureCounts& counts) {
  KindTable kindCount{};
  const std::int64_t moduleElements = counts.baseElements - counts.base0Elements;
  for (std::int64_t i = 0; i < moduleElements; ++i) {
    const std::int32_t kind = kinds[static_cast<std::size_t>(i)];
    if (kind < 1) continue;
    for (int k = kind; k <= model::kKindCount; ++k) ++kindCount[static_cast<std::size_t>(k)];
  }
  return kindCount;
}

std::optional<EndNodeBeyond> firstEndNodeBeyond(const InputParts& inputs,
                                                const StructureCounts& counts,
                                                const KindTable& kindCount) {
  // Shifts grow with the module, so the last module reaches farthest.
  if (counts.modules < 2) return std::nullopt;
  const ModuleShift last = shiftOfModule(counts, counts.modules);
  const std::int32_t* start = inputs.base.baseElemStart.data();
  const std::int32_t* end = inputs.base.baseElemEnd.data();
  for (std::int64_t j = 1; j <= kindCount[model::kKindCount]; ++j) {
    const EndShift shift = endShiftOf(blockOf(kindCount, j), start[j - 1], counts.base0Nodes);
    const std::int64_t far =
        std::max(start[j - 1] + startShift(shift, last), end[j - 1] + endShift(shift, last));
    if (far > counts.totalNodes) return EndNodeBeyond{j, counts.modules, far};
  }
  return std::nullopt;
}

std::optional<KindTable> replicateElements(const InputParts& inputs, const StructureCounts& counts,
                                           const KindTable& kindCount, std::int32_t* start,
                                           std::int32_t* end, WorkMeter& meter) {
  const std::int32_t* baseStart = inputs.base.baseElemStart.data();
  const std::int32_t* baseEnd = inputs.base.baseElemEnd.data();
  std::vector<EndShift> shifts(static_cast<std::size_t>(kindCount[model::kKindCount]));
  for (std::int64_t j = 1; j <= kindCount[model::kKindCount]; ++j)
    shifts[static_cast<std::size_t>(j - 1)] =
        endShiftOf(blockOf(kindCount, j), baseStart[j - 1], counts.base0Nodes);

  // Each kind block holds that kind's elements of module 1, then of module
  // 2, and so on: where module k's copies go follows from the block sizes.
  KindTable kindEnd{};
  std::array<std::int64_t, model::kKindCount + 1> firstOfKind{};
  for (int kind = 1; kind <= model::kKindCount; ++kind) {
    const std::int64_t width =
        kindCount[static_cast<std::size_t>(kind)] - kindCount[static_cast<std::size_t>(kind - 1)];
    firstOfKind[static_cast<std::size_t>(kind)] = kindEnd[static_cast<std::size_t>(kind - 1)];
    kindEnd[static_cast<std::size_t>(kind)] = static_cast<std::int32_t>(
        kindEnd[static_cast<std::size_t>(kind - 1)] + counts.modules * width);
  }
  for (int kind = 1; kind <= model::kKindCount; ++kind) {
    // Module 1's copies are the Base module elements themselves.
    const std::int64_t first = kindCount[static_cast<std::size_t>(kind - 1)];
    const std::int64_t width = kindCount[static_cast<std::size_t>(kind)] - first;
    const std::int64_t position = firstOfKind[static_cast<std::size_t>(kind)];
    std::copy_n(baseStart + first, width, start + position);
    std::copy_n(baseEnd + first, width, end + position);
  }
  // Modules 2 ... m, numbered 0 ... m - 2 here, on two threads.
  // The work is told in steps of a few thousand modules.
  constexpr std::int64_t kModulesPerStep = 4096;
  const auto copies = [&](std::int64_t from, std::int64_t to, const WorkStep& step) {
    for (int kind = 1; kind <= model::kKindCount; ++kind) {
      const std::int64_t first = kindCount[static_cast<std::size_t>(kind - 1)];
      const std::int64_t width = kindCount[static_cast<std::size_t>(kind)] - first;
      for (std::int64_t stepFrom = from + 2; stepFrom <= to + 1; stepFrom += kModulesPerStep) {
        const std::int64_t stepTo = std::min(stepFrom + kModulesPerStep - 1, to + 1);
        for (std::int64_t k = stepFrom; k <= stepTo; ++k) {
          const ModuleShift moduleShift = shiftOfModule(counts, k);
          std::int64_t position = firstOfKind[static_cast<std::size_t>(kind)] + (k - 1) * width;
          for (std::int64_t j = first; j < first + width; ++j, ++position) {
            const EndShift shift = shifts[static_cast<std::size_t>(j)];
            start[position] =
                static_cast<std::int32_t>(baseStart[j] + startShift(shift, moduleShift));
            end[position] = static_cast<std::int32_t>(baseEnd[j] + endShift(shift, moduleShift));
          }
        }
        if (!step(width * (stepTo - stepFrom + 1))) return false;
      }
    }
    return true;
  };
  if (!runInTwoHalves(counts.modules - 1, meter, copies)) return std::nullopt;
  // The Base 0 elements exist once, in the first module's Base 0.
  const std::int64_t moduleElements = kindCount[model::kKindCount];
  const std::int64_t base0 = counts.baseElements - moduleElements;
  const std::int64_t position = kindEnd[model::kKindCount];
  std::copy_n(baseStart + moduleElements, base0, start + position);
  std::copy_n(baseEnd + moduleElements, base0, end + position);
  if (!meter.add(base0)) return std::nullopt;
  return kindEnd;
}

std::int64_t renumberedNode(const StructureCounts& counts, std::int64_t node) {
  return node > counts.base0Nodes ? node - counts.base0Nodes
                                  : node + counts.totalNodes - counts.base0Nodes;
}

bool renumberBase0Last(const StructureCounts& counts, model::CoordinateTable& coords,
                       std::int32_t* start, std::int32_t* end, WorkMeter& meter) {
  float* rows = coords.data();
  std::rotate(rows, rows + counts.base0Nodes * counts.coordinates,
              rows + counts.totalNodes * counts.coordinates);
  if (!meter.add(counts.totalNodes)) return false;

  const auto n0 = static_cast<std::int32_t>(counts.base0Nodes);
  const auto rest = static_cast<std::int32_t>(counts.totalNodes - counts.base0Nodes);
  const auto map = [n0, rest](std::int32_t q) { return q > n0 ? q - n0 : q + rest; };
  constexpr std::int64_t kChunk = WorkMeter::kUnitsPerReport;
  return runInTwoHalves(counts.totalElements, meter,
                        [&](std::int64_t from, std::int64_t to, const WorkStep& step) {
                          for (std::int64_t chunk = from; chunk < to; chunk += kChunk) {
                            const std::int64_t last = std::min(chunk + kChunk, to);
                            for (std::int64_t p = chunk; p < last; ++p) {
                              start[p] = map(start[p]);
                              end[p] = map(end[p]);
                            }
                            if (!step(last - chunk)) return false;
                          }
                          return true;
                        });
}

}  // namespace zentrix::generation
