#include "generation/model_check.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <initializer_list>
#include <string_view>
#include <unordered_map>

#include "generation/check_texts.h"
#include "generation/element_kinds.h"
#include "generation/radix_sort.h"
#include "generation/structure_counts.h"
#include "model/model_texts.h"
#include "model/number_text.h"
#include "structure/blocked_nodes.h"

namespace zentrix::generation {

namespace {

using model::Model;
using model::Text;

constexpr std::size_t kFindingKinds = static_cast<std::size_t>(FindingKind::kNonPositiveArea) + 1;

std::string number(std::int64_t value) {
  return std::to_string(value);
}
std::string number(float value) {
  return model::compactReal(value);
}

// Collects findings, listing at most kListedPerKind of each kind and
// counting the rest. Callers ask `listing` first, so that texts are only
// made for findings that are listed.
class FindingList {
 public:
  bool listing(FindingKind kind) const { return listed_[index(kind)] < kListedPerKind; }

  // `words(romanian)` makes the text in one language; it is only called for
  // a finding that is listed.
  template <class Words>
  void add(FindingKind kind, Numbering numbering, std::vector<std::int64_t> nodes,
           std::vector<std::int64_t> elements, const Words& words) {
    if (!listing(kind)) {
      ++notListed_[index(kind)];
      return;
    }
    ++listed_[index(kind)];
    findings_.push_back({.kind = kind,
                         .numbering = numbering,
                         .nodes = std::move(nodes),
                         .elements = std::move(elements),
                         .english = words(false),
                         .romanian = words(true)});
  }
  // Findings counted without a text of their own, beyond the listed ones.
  void countMore(FindingKind kind, std::int64_t count) { notListed_[index(kind)] += count; }

  std::vector<Finding> take() {
    // Each capped kind is closed by its count, right after its last listed finding.
    std::vector<Finding> all;
    all.reserve(findings_.size() + kFindingKinds);
    for (std::size_t i = 0; i < findings_.size(); ++i) {
      all.push_back(std::move(findings_[i]));
      const FindingKind kind = all.back().kind;
      const bool lastOfKind = i + 1 == findings_.size() || findings_[i + 1].kind != kind;
      const std::int64_t more = notListed_[index(kind)];
      if (lastOfKind && more > 0) {
        const std::string count = number(more);
        all.push_back({.kind = kind,
                       .numbering = all.back().numbering,
                       .nodes = {},
                       .elements = {},
                       .english = model::say(texts::kMoreNotListed, false, {count}),
                       .romanian = model::say(texts::kMoreNotListed, true, {count}),
                       .notListed = more});
        notListed_[index(kind)] = 0;
      }
    }
    return all;
  }

 private:
  static std::size_t index(FindingKind kind) { return static_cast<std::size_t>(kind); }

  std::vector<Finding> findings_;
  std::array<std::size_t, kFindingKinds> listed_{};
  std::array<std::int64_t, kFindingKinds> notListed_{};
};

// The diagonal of the bounding box of the first `rows` rows of `coords`.
double boxDiagonal(const model::CoordinateTable& coords, std::int64_t rows, int columns,
                   int* widestAxis = nullptr) {
  columns = std::min(columns, 3);
  if (rows <= 0 || columns <= 0) return 0.0;
  std::array<double, 3> low{}, high{};
  for (int c = 0; c < columns; ++c) low[c] = high[c] = coords(1, c + 1);
  const float* row = coords.data();
  const int stride = coords.columns();
  for (std::int64_t node = 0; node < rows; ++node, row += stride)
    for (int c = 0; c < columns; ++c) {
      low[c] = std::min<double>(low[c], row[c]);
      high[c] = std::max<double>(high[c], row[c]);
    }
  double sum = 0.0;
  int widest = 0;
  for (int c = 0; c < columns; ++c) {
    sum += (high[c] - low[c]) * (high[c] - low[c]);
    if (high[c] - low[c] > high[widest] - low[widest]) widest = c;
  }
  if (widestAxis != nullptr) *widestAxis = widest;
  return std::sqrt(sum);
}

std::string pointText(const float* row, int columns) {
  std::string text;
  for (int c = 0; c < columns; ++c) {
    if (c > 0) text += ", ";
    text += number(row[c]);
  }
  return text;
}

// ---- The Base module ----

// What the Base module checks read: the Base module, the expansion and the
// element types' names, all taken here (the kind classification, shared with
// GENERATE, reads the model itself).
struct BaseModuleView {
  const Model& model;
  std::int64_t n0 = 0;
  std::int64_t n1 = 0;
  int dof = 0;
  int direction = 0;
  bool arch = false;
  float moduleLength = 0.0f;

  explicit BaseModuleView(const Model& m)
      : model(m),
        n0(m.base.nodesInBase0),
        n1(m.base.nodesInBase1),
        dof(m.base.dofPerNode),
        direction(m.expansion.directionIndex()),
        arch(m.expansion.expansionType == model::kArch),
        moduleLength(m.expansion.moduleLength) {}

  bool coordinatesComplete() const {
    return (dof == 2 || dof == 3) && n0 >= 0 && n1 >= 0 &&
           model.base.baseCoords.rows() >= n0 + n1 && model.base.baseCoords.columns() >= dof;
  }
  float coordinate(std::int64_t node, int axis) const { return model.base.baseCoords(node, axis); }
  const float* row(std::int64_t node) const {
    return model.base.baseCoords.data() + (node - 1) * model.base.baseCoords.columns();
  }
  const model::CoordinateTable& coordinates() const { return model.base.baseCoords; }

  std::int64_t elementCount() const { return model.base.baseElementCount; }
  bool topologyComplete() const { return generation::topologyComplete(model); }
  std::int32_t start(std::int64_t element) const { return model.base.baseElemStart(element); }
  std::int32_t end(std::int64_t element) const { return model.base.baseElemEnd(element); }
  // The name of element type `type`, as the user sees it: without the
  // blank a loaded name keeps; empty when it has none.
  std::string typeName(int type) const {
    return std::string(model::trimLeft(model::trimRight(model.types.typeName(type))));
  }
};

void checkBaseNodeCounts(const BaseModuleView& base, FindingList& list) {
  if (base.n0 == base.n1) return;
  list.add(FindingKind::kBaseNodeCounts, Numbering::kBaseModule, {}, {}, [&](bool romanian) {
    return model::say(texts::kBaseNodeCounts, romanian, {number(base.n0), number(base.n1)});
  });
}

void checkAreas(const BaseModuleView& base, FindingList& list) {
  const int types = std::clamp(base.model.types.elementKindCount, 0, model::kKindCount);
  for (int type = 1; type <= types; ++type) {
    const float area = base.model.types.typeArea(type);
    if (area > 0.0f) continue;
    list.add(FindingKind::kNonPositiveArea, Numbering::kBaseModule, {}, {}, [&](bool romanian) {
      return model::say(texts::kNonPositiveArea, romanian,
                        {number(std::int64_t{type}), base.typeName(type), number(area)});
    });
  }
}

// Straight types: the generation copies the nodes off 0 along the axis, and
// moves module k's copies by (k - 1) L; the taper and the shrink it applies
// itself, to the Base 1 nodes as typed.
void checkStraightCorrespondence(const BaseModuleView& base, FindingList& list) {
  const int d = base.direction;
  if (d < 1 || d > base.dof) return;
  const std::string axis(1, model::axisLetter(d));
  const double scale = std::max<double>(
      boxDiagonal(base.coordinates(), base.n0 + base.n1, base.dof), std::fabs(base.moduleLength));
  const double tolerance = kCorrespondenceTolerance * scale;
  for (std::int64_t j = 1; j <= base.n0; ++j) {
    const float along = base.coordinate(j, d);
    if (along == 0.0f) continue;
    list.add(FindingKind::kBase0NodeOffPlane, Numbering::kBaseModule, {j}, {}, [&](bool romanian) {
      return model::say(texts::kBase0NodeOffPlane, romanian, {number(j), number(along), axis});
    });
  }
  const std::int64_t pairs = std::min(base.n0, base.n1);
  for (std::int64_t j = 1; j <= pairs; ++j) {
    std::array<float, 3> expected{};
    bool matches = true;
    for (int c = 1; c <= base.dof; ++c) {
      expected[c - 1] = base.coordinate(j, c) + (c == d ? base.moduleLength : 0.0f);
      const double gap = std::fabs(static_cast<double>(base.coordinate(base.n0 + j, c)) -
                                   static_cast<double>(expected[c - 1]));
      if (!(gap <= tolerance)) matches = false;
    }
    if (matches) continue;
    list.add(FindingKind::kBase1NodeMismatch, Numbering::kBaseModule, {base.n0 + j, j}, {},
             [&](bool romanian) {
               return model::say(texts::kBase1NodeMoved, romanian,
                                 {number(base.n0 + j), number(j), number(base.moduleLength), axis,
                                  pointText(base.row(base.n0 + j), base.dof),
                                  pointText(expected.data(), base.dof)});
             });
  }
}

// The arch places a node by its chord (last coordinate 0 or not) and, in
// 3-D, keeps its Y.
void checkArchCorrespondence(const BaseModuleView& base, FindingList& list) {
  const int last = base.dof;
  const double tolerance =
      kCorrespondenceTolerance * boxDiagonal(base.coordinates(), base.n0 + base.n1, base.dof);
  const auto chord = [&](std::int64_t node) -> const Text& {
    return base.coordinate(node, last) != 0.0f ? texts::kArchLine : texts::kInnerChord;
  };
  const std::int64_t pairs = std::min(base.n0, base.n1);
  for (std::int64_t j = 1; j <= pairs; ++j) {
    const std::int64_t far = base.n0 + j;
    if (&chord(far) != &chord(j)) {
      list.add(FindingKind::kBase1NodeMismatch, Numbering::kBaseModule, {far, j}, {},
               [&](bool romanian) {
                 return model::say(texts::kBase1NodeOtherChord, romanian,
                                   {number(far), model::say(chord(far), romanian), number(j),
                                    model::say(chord(j), romanian)});
               });
      continue;
    }
    if (base.dof == 3 && !(std::fabs(static_cast<double>(base.coordinate(far, 2)) -
                                     static_cast<double>(base.coordinate(j, 2))) <= tolerance))
      list.add(FindingKind::kBase1NodeMismatch, Numbering::kBaseModule, {far, j}, {},
               [&](bool romanian) {
                 return model::say(texts::kBase1NodeOtherY, romanian,
                                   {number(far), number(base.coordinate(far, 2)), number(j),
                                    number(base.coordinate(j, 2))});
               });
  }
}

// The kind of the block a module element's position puts it in.
int kindOfPlace(const KindTable& kindCount, std::int64_t element) {
  int kind = 1;
  while (kind < model::kKindCount && element > kindCount[static_cast<std::size_t>(kind)]) ++kind;
  return kind;
}

// The replication takes the first kindCount(1) elements as kind 1, and so
// on, and the last o as the Base 0 elements, whatever they are.
void checkKindOrder(const BaseModuleView& base, FindingList& list) {
  if (base.direction < 1 || base.direction > base.dof || !base.topologyComplete()) return;
  const std::int64_t elements = base.elementCount();
  if (elements < 0) return;
  const auto inBase = [&](std::int32_t node) { return node >= 1 && node <= base.n0 + base.n1; };
  for (std::int64_t i = 1; i <= elements; ++i)
    if (!inBase(base.start(i)) || !inBase(base.end(i))) return;
  const StructureCounts counts = countStructure(base.model, base.direction);
  const std::vector<std::int32_t> kinds = classifyBaseElements(base.model, counts);
  const KindTable kindCount = countKinds(kinds, counts);
  const std::string base0Elements = number(counts.base0Elements);
  const auto inBase0 = [&](std::int64_t i) {
    return base.start(i) <= base.n0 && base.end(i) <= base.n0;
  };
  for (std::int64_t i = 1; i <= counts.moduleElements; ++i) {
    if (inBase0(i)) {
      list.add(FindingKind::kElementKindOrder, Numbering::kBaseModule, {}, {i}, [&](bool romanian) {
        return model::say(texts::kBase0ElementTooEarly, romanian, {number(i), base0Elements});
      });
      continue;
    }
    const int kind = kinds[static_cast<std::size_t>(i - 1)];
    const int place = kindOfPlace(kindCount, i);
    if (kind == place || kind < 1 || kind > model::kKindCount) continue;
    list.add(FindingKind::kElementKindOrder, Numbering::kBaseModule, {}, {i}, [&](bool romanian) {
      const auto kindName = [&](int k) {
        return model::say(model::texts::kKindNames[static_cast<std::size_t>(k - 1)], romanian);
      };
      // An element type without a name is known by its kind.
      const std::string named = base.typeName(place);
      const std::string typeName = named.empty() ? kindName(place) : named;
      return model::say(texts::kElementOutOfKindOrder, romanian,
                        {number(i), kindName(kind), kindName(place), typeName});
    });
  }
  for (std::int64_t i = counts.moduleElements + 1; i <= elements; ++i) {
    if (inBase0(i)) continue;
    list.add(FindingKind::kElementKindOrder, Numbering::kBaseModule, {}, {i}, [&](bool romanian) {
      return model::say(texts::kModuleElementTooLate, romanian, {number(i), base0Elements});
    });
  }
}

// ---- The generated structure ----

// What the structure checks read: the structure and the inputs it was
// generated with, all taken here.
struct StructureView {
  std::int64_t nodes = 0;
  std::int64_t elements = 0;
  int dof = 0;
  model::GeneratedWith with;
  const model::CoordinateTable& coords;
  const std::int32_t* start = nullptr;
  const std::int32_t* end = nullptr;

  explicit StructureView(const Model& m)
      : with(model::structureInputs(m)), coords(m.structure.nodeCoords) {
    nodes = std::clamp<std::int64_t>(m.structure.totalNodes(), 0, m.structure.nodeCoords.rows());
    elements = std::clamp<std::int64_t>(
        m.structure.totalElements(), 0,
        std::min(m.structure.elemStart.count(), m.structure.elemEnd.count()));
    dof = std::min(with.dofPerNode == 2 ? 2 : 3, m.structure.nodeCoords.columns());
    start = m.structure.elemStart.data();
    end = m.structure.elemEnd.data();
  }

  bool inRange(std::int64_t node) const { return node >= 1 && node <= nodes; }
  // Element p (1-based) with both end nodes among the nodes.
  bool valid(std::int64_t p) const { return inRange(start[p - 1]) && inRange(end[p - 1]); }
  const float* row(std::int64_t node) const {
    return coords.data() + (node - 1) * coords.columns();
  }
  double squaredDistance(std::int64_t a, std::int64_t b) const {
    const float* from = row(a);
    const float* to = row(b);
    double sum = 0.0;
    for (int c = 0; c < dof; ++c) {
      const double gap = static_cast<double>(to[c]) - static_cast<double>(from[c]);
      sum += gap * gap;
    }
    return sum;
  }
};

void checkEndNodes(const StructureView& s, FindingList& list) {
  for (std::int64_t p = 1; p <= s.elements; ++p)
    for (const std::int64_t node : {std::int64_t{s.start[p - 1]}, std::int64_t{s.end[p - 1]}})
      if (!s.inRange(node))
        list.add(FindingKind::kEndNodeOutOfRange, Numbering::kStructure, {}, {p},
                 [&](bool romanian) {
                   return model::say(texts::kEndNodeOutOfRange, romanian,
                                     {number(p), number(node), number(s.nodes)});
                 });
}

void checkZeroLength(const StructureView& s, double tolerance, FindingList& list) {
  const double limit = tolerance * tolerance;
  for (std::int64_t p = 1; p <= s.elements; ++p) {
    if (!s.valid(p)) continue;
    const std::int64_t a = s.start[p - 1];
    const std::int64_t b = s.end[p - 1];
    if (!(s.squaredDistance(a, b) <= limit)) continue;
    list.add(FindingKind::kZeroLengthElement, Numbering::kStructure, {a, b}, {p},
             [&](bool romanian) {
               return model::say(texts::kZeroLength, romanian, {number(p), number(a), number(b)});
             });
  }
}

// The two end nodes as one key, the lower first; `bits` holds any node
// number, so that the key is as short as the numbers and the sort has few
// digits to pass over.
std::uint64_t pairKey(std::int64_t a, std::int64_t b, int bits) {
  const auto low = static_cast<std::uint64_t>(std::min(a, b));
  const auto high = static_cast<std::uint64_t>(std::max(a, b));
  return low << bits | high;
}

// Sorting the end-node pairs finds how many elements repeat an earlier one;
// a second pass names the first of them in element order.
void checkDuplicates(const StructureView& s, FindingList& list) {
  const auto bits = static_cast<int>(std::bit_width(static_cast<std::uint64_t>(s.nodes)));
  std::vector<std::uint64_t> keys;
  keys.reserve(static_cast<std::size_t>(s.elements));
  for (std::int64_t p = 1; p <= s.elements; ++p)
    if (s.valid(p)) keys.push_back(pairKey(s.start[p - 1], s.end[p - 1], bits));
  radixSort(keys);
  std::int64_t repeats = 0;
  std::vector<std::uint64_t> repeated;
  for (std::size_t i = 1; i < keys.size(); ++i) {
    if (keys[i] != keys[i - 1]) continue;
    ++repeats;
    if (repeated.empty() || repeated.back() != keys[i]) repeated.push_back(keys[i]);
  }
  if (repeats == 0) return;
  std::vector<std::uint64_t>().swap(keys);

  std::unordered_map<std::uint64_t, std::int64_t> firstOf;
  std::int64_t named = 0;
  for (std::int64_t p = 1; p <= s.elements && list.listing(FindingKind::kDuplicateElements); ++p) {
    if (!s.valid(p)) continue;
    const std::uint64_t key = pairKey(s.start[p - 1], s.end[p - 1], bits);
    if (!std::binary_search(repeated.begin(), repeated.end(), key)) continue;
    const auto [first, isNew] = firstOf.try_emplace(key, p);
    if (isNew) continue;
    const std::int64_t earlier = first->second;
    const std::int64_t a = s.start[earlier - 1];
    const std::int64_t b = s.end[earlier - 1];
    list.add(FindingKind::kDuplicateElements, Numbering::kStructure, {a, b}, {earlier, p},
             [&](bool romanian) {
               return model::say(texts::kDuplicateElements, romanian,
                                 {number(earlier), number(p), number(a), number(b)});
             });
    ++named;
  }
  list.countMore(FindingKind::kDuplicateElements, repeats - named);
}

// Nodes sorted along the structure's widest axis: a node coincides with an
// earlier one only within the tolerance along that axis, so each node looks
// back over its few neighbours and stops at the first it coincides with.
void checkCoincidentNodes(const StructureView& s, double tolerance, int widestAxis,
                          FindingList& list) {
  if (s.nodes < 2) return;
  std::vector<std::uint64_t> keys(static_cast<std::size_t>(s.nodes));
  for (std::int64_t node = 1; node <= s.nodes; ++node)
    keys[static_cast<std::size_t>(node - 1)] = std::uint64_t{orderedBits(s.row(node)[widestAxis])}
                                                   << 32 |
                                               static_cast<std::uint64_t>(node - 1);
  radixSort(keys);
  const auto nodeAt = [&](std::size_t i) {
    return static_cast<std::int64_t>(keys[i] & 0xFFFFFFFFu) + 1;
  };
  const double limit = tolerance * tolerance;
  for (std::size_t i = 1; i < keys.size(); ++i) {
    const std::int64_t b = nodeAt(i);
    const double along = s.row(b)[widestAxis];
    for (std::size_t j = i; j-- > 0;) {
      const std::int64_t a = nodeAt(j);
      if (!(along - static_cast<double>(s.row(a)[widestAxis]) <= tolerance)) break;
      if (!(s.squaredDistance(a, b) <= limit)) continue;
      const std::int64_t first = std::min(a, b);
      const std::int64_t second = std::max(a, b);
      list.add(FindingKind::kCoincidentNodes, Numbering::kStructure, {first, second}, {},
               [&](bool romanian) {
                 return model::say(texts::kCoincidentNodes, romanian,
                                   {number(first), number(second), pointText(s.row(first), s.dof)});
               });
      break;
    }
  }
}

void checkUnusedNodes(const StructureView& s, FindingList& list) {
  std::vector<std::uint8_t> used(static_cast<std::size_t>(s.nodes) + 1, 0);
  for (std::int64_t p = 1; p <= s.elements; ++p) {
    if (!s.valid(p)) continue;
    used[static_cast<std::size_t>(s.start[p - 1])] = 1;
    used[static_cast<std::size_t>(s.end[p - 1])] = 1;
  }
  for (std::int64_t node = 1; node <= s.nodes; ++node) {
    if (used[static_cast<std::size_t>(node)] != 0) continue;
    list.add(FindingKind::kUnusedNode, Numbering::kStructure, {node}, {}, [&](bool romanian) {
      return model::say(texts::kUnusedNode, romanian, {number(node)});
    });
  }
}

// The Geometry File blocks every degree of freedom of the first module's
// Base 0 nodes and, for an arch, of the last section's as well.
void checkStability(const StructureView& s, FindingList& list) {
  const std::int64_t blocked = structure::blockedNodeCount(s.nodes, s.with);
  const std::int64_t dof = s.with.dofPerNode == 2 ? 2 : 3;
  const std::int64_t restraints = dof * blocked;
  const std::int64_t have = s.elements + restraints;
  const std::int64_t need = dof * s.nodes;
  if (have >= need) return;
  list.add(FindingKind::kStaticallyUnstable, Numbering::kStructure, {}, {}, [&](bool romanian) {
    return model::say(texts::kStaticallyUnstable, romanian,
                      {number(s.elements), number(restraints), number(s.nodes), number(dof),
                       number(have), number(need), number(need - have)});
  });
}

void checkStructure(const StructureView& s, FindingList& list) {
  int widestAxis = 0;
  const double tolerance =
      kCoincidenceTolerance * boxDiagonal(s.coords, s.nodes, s.dof, &widestAxis);
  checkEndNodes(s, list);
  // A structure made by other means may have no coordinates to compare.
  if (s.dof > 0) checkZeroLength(s, tolerance, list);
  checkDuplicates(s, list);
  if (s.dof > 0) checkCoincidentNodes(s, tolerance, widestAxis, list);
  checkUnusedNodes(s, list);
  checkStability(s, list);
}

void checkBaseModule(const Model& model, FindingList& list) {
  const BaseModuleView base(model);
  checkBaseNodeCounts(base, list);
  checkAreas(base, list);
  if (!base.coordinatesComplete()) return;
  if (base.arch)
    checkArchCorrespondence(base, list);
  else
    checkStraightCorrespondence(base, list);
  checkKindOrder(base, list);
}

}  // namespace

std::vector<Finding> checkModel(const Model& model) {
  FindingList list;
  checkBaseModule(model, list);
  const StructureView structure(model);
  if (structure.nodes > 0 || structure.elements > 0) checkStructure(structure, list);
  return list.take();
}

std::vector<Finding> checkBaseModule(const Model& model) {
  FindingList list;
  checkBaseModule(model, list);
  return list.take();
}

std::int64_t structureNodeOfBaseNode(const Model& model, std::int64_t node) {
  const model::GeneratedWith with = model::structureInputs(model);
  const std::int64_t nodes = model.structure.totalNodes();
  const std::int64_t n0 = with.nodesInBase0;
  if (node < 1 || node > n0 + with.nodesInBase1 || node > nodes) return 0;
  if (!with.lastNodesInBase0) return node;
  return node > n0 ? node - n0 : node + nodes - n0;
}

// Module 1's copy of an element of kind block k sits at the start of that
// block; the Base 0 elements follow the last block once.
std::int64_t structureElementOfBaseElement(const Model& model, std::int64_t element) {
  const std::int64_t blocks = model.structure.kindCount[model::kKindCount];
  const std::int64_t base0 = model.structure.base0ElementCount;
  if (element < 1 || element > blocks + base0) return 0;
  int kind = 1;
  while (kind <= model::kKindCount &&
         element > model.structure.kindCount[static_cast<std::size_t>(kind)])
    ++kind;
  const auto at = [](const auto& table, int k) { return table[static_cast<std::size_t>(k)]; };
  const std::int64_t position =
      kind > model::kKindCount ? at(model.structure.kindEnd, model::kKindCount) + (element - blocks)
                               : at(model.structure.kindEnd, kind - 1) +
                                     (element - at(model.structure.kindCount, kind - 1));
  return position <= model.structure.totalElements() ? position : 0;
}

std::int64_t findingCount(const std::vector<Finding>& findings) {
  std::int64_t count = 0;
  for (const Finding& finding : findings) count += finding.notListed > 0 ? finding.notListed : 1;
  return count;
}

std::vector<std::string> findingLines(const std::vector<Finding>& findings, bool romanian) {
  std::vector<std::string> lines;
  lines.reserve(findings.size() + 1);
  if (findings.empty()) {
    lines.emplace_back(model::say(texts::kNoFindings, romanian));
    return lines;
  }
  const std::int64_t count = findingCount(findings);
  lines.push_back(count == 1 ? model::say(texts::kOneFindingHeading, romanian)
                             : model::say(texts::kFindingsHeading, romanian, {number(count)}));
  for (const Finding& finding : findings) lines.push_back(finding.text(romanian));
  return lines;
}

}  // namespace zentrix::generation
