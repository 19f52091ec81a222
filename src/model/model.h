// The model record: the inputs and the generated structure of one run, which
// every operation receives by reference. It is made of value parts (the Base
// module, the expansion, the element types, the generated structure) so an
// operation can take just the parts it needs; each part compares whole with
// `==`. Facts that follow from others (the Base node count, the direction
// indexes) are computed, never stored beside them. Field names are the
// domain's. (The rest of model/ holds what the whole core shares besides the
// record: outcomes, progress, the helper thread, texts and number edits.)
//
// Conventions: integers are 32-bit signed, reals single precision. Texts are
// kept as their meaningful value (no trailing blanks); the widths below say
// how much of a typed or read text is kept and how wide a writer pads it.
// Arrays are 1-based (`kindEnd` runs from 0) and their size is their count.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/one_based.h"

namespace zentrix::model {

// Widths of the fixed-width texts.
inline constexpr int kTitleWidth = 80;
inline constexpr int kPathWidth = 260;
inline constexpr int kLanguageCodeWidth = 20;
inline constexpr int kTypeNameWidth = 100;
inline constexpr int kVertexFootTextWidth = 100;

inline constexpr int kKindCount = 4;  // longitudinal, transversal, diagonal, transversal diag.

enum ExpansionType : std::int32_t {
  kNoExpansion = 0,
  kPrismatic = 1,
  kPyramidal = 2,
  kOneDirectionShrink = 3,
  kArch = 4,
};

enum ArchKind : std::int32_t { kCircularArch = 1, kParabolicArch = 2 };

// The inputs a generated structure was built from. Only GENERATE sets it;
// the writers take the numbering, the supports, the dimension and the
// expansion type of the structure from here, never from inputs the user may
// have changed since, so a file never pairs a structure with the wrong ones.
struct GeneratedWith {
  std::int32_t dofPerNode = 0;
  std::int32_t nodesInBase0 = 0;
  std::int32_t nodesInBase1 = 0;
  std::int32_t expansionType = kNoExpansion;
  bool lastNodesInBase0 = false;

  std::int64_t baseNodeCount() const { return std::int64_t{nodesInBase0} + nodesInBase1; }
  friend bool operator==(const GeneratedWith&, const GeneratedWith&) = default;
};

// The Base module: the one module the user describes, with its two end
// planes. The counts say how much of the arrays is in use (the desktop
// program's arrays never shrink).
struct BaseModule {
  std::string problemTitle{};
  std::int32_t dofPerNode = 0;
  std::int32_t nodesInBase0 = 0;
  std::int32_t nodesInBase1 = 0;
  CoordinateTable baseCoords{};  // at least baseNodeCount() x dofPerNode once entered
  std::int32_t baseElementCount = 0;
  OneBasedArray<std::int32_t> baseElemStart{};
  OneBasedArray<std::int32_t> baseElemEnd{};
  bool lastNodesInBase0 = false;

  // The Base module's nodes, Base 0 and Base 1 together: the one node count
  // the files are read and written with (the table may hold more rows).
  std::int64_t baseNodeCount() const { return std::int64_t{nodesInBase0} + nodesInBase1; }
  friend bool operator==(const BaseModule&, const BaseModule&) = default;
};

// How the Base module is repeated: axis, modules, and the parameters of the
// chosen expansion type.
// The direction letters are kept as read or chosen (a file's lower-case
// letter stays); their indexes follow from them.
struct Expansion {
  char expansionDirection = ' ';
  std::int32_t moduleCount = 0;
  float moduleLength = 0.0f;
  std::int32_t expansionType = kNoExpansion;
  float pyramidShrinkRatio = 0.0f;
  std::array<float, 3> vertexFoot{};  // vertexFoot[0] is coordinate 1
  char shrinkDirection = ' ';
  float shrinkRatio = 0.0f;
  float halfSpan = 0.0f;
  float archHeight = 0.0f;
  std::int32_t archKind = 0;

  // 1, 2, 3 for X, Y, Z in either case; 0 for any other letter (not chosen).
  int directionIndex() const;
  int shrinkDirectionIndex() const;
  float vertexFootCoordinate(int axis) const { return vertexFoot.at(axis - 1); }
  friend bool operator==(const Expansion&, const Expansion&) = default;
};

// What GENERATE measures on the Base module: results, not inputs, so they
// never count as a change the user made.
struct Measurements {
  float baseModuleLength = 0.0f;  // along the expansion axis, also when the user declines
  float moduleDepth = 0.0f;       // an arch's depth; a straight expansion leaves it
};

// The element types: type k belongs to kind k.
struct ElementTypes {
  std::int32_t elementKindCount = 0;
  std::array<std::string, kKindCount> kindNames{};  // kindNames[0] is kind 1
  std::array<std::string, kKindCount> typeNames{};  // typeNames[0] is type 1
  std::array<float, kKindCount> typeAreas{};

  // 1-based accessors, so callers read like the domain.
  const std::string& typeName(int type) const { return typeNames.at(type - 1); }
  std::string& typeName(int type) { return typeNames.at(type - 1); }
  float typeArea(int type) const { return typeAreas.at(type - 1); }
  float& typeArea(int type) { return typeAreas.at(type - 1); }
  const std::string& kindName(int kind) const { return kindNames.at(kind - 1); }
  friend bool operator==(const ElementTypes&, const ElementTypes&) = default;
};

// The generated structure: every node and element, the elements sorted by
// kind. Its counts are the sizes of its arrays, so they cannot disagree;
// `elemStart`, `elemEnd` and `elemKind` have one entry per element.
struct Structure {
  CoordinateTable nodeCoords{};  // totalNodes() x dofPerNode
  std::int32_t base0ElementCount = 0;
  std::int32_t moduleElementCount = 0;
  OneBasedArray<std::int32_t> elemStart{};
  OneBasedArray<std::int32_t> elemEnd{};
  OneBasedArray<std::int32_t> elemKind{};
  std::array<std::int32_t, kKindCount + 1> kindCount{};  // entries 1..4 used
  std::array<std::int32_t, kKindCount + 1> kindEnd{};    // entries 0..4
  // What GENERATE built the structure from; none for a structure made by
  // other means (a caller filling the arrays), which is written with the
  // current inputs.
  std::optional<GeneratedWith> generatedWith{};

  std::int32_t totalNodes() const { return static_cast<std::int32_t>(nodeCoords.rows()); }
  std::int32_t totalElements() const { return static_cast<std::int32_t>(elemStart.count()); }
  friend bool operator==(const Structure&, const Structure&) = default;
};

struct Model {
  BaseModule base;
  Expansion expansion;
  ElementTypes types;
  Structure structure;
  Measurements measured;
};

// The inputs the structure was generated with: the record GENERATE left, or
// for a structure built by other means the current inputs.
GeneratedWith structureInputs(const Model& model);

// The start values that do not depend on a loaded file: kind names of the
// language, four element kinds, the "last node indices in Base 0" tick.
void setStartValues(Model& model, bool romanian);

// The element types of a new model: the default names the element types
// dialog shows for the language and expansion type, areas 1, 2, 3, 4.
void startNewElementTypes(Model& model, bool romanian);

// The default type name of `type` (1..4) for the language and expansion type.
std::string defaultTypeName(const Model& model, int type, bool romanian);

// True when `name` is a default name of `type` in the language, for a
// straight expansion or an arch: a name nobody typed or loaded.
bool isDefaultTypeName(int type, std::string_view name, bool romanian);

}  // namespace zentrix::model
