// The model: everything the program knows during one run, in one record that
// every operation receives by reference. It is made of value parts (the Base
// module, the expansion, the element types, the generated structure) so an
// operation can take just the parts it needs. Field names are the domain's.
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
inline constexpr int kProgramPathWidth = 128;
inline constexpr int kStatusWidth = 80;

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
  std::int32_t baseNodeCount = 0;
  CoordinateTable baseCoords{};  // baseNodeCount x dofPerNode
  std::int32_t baseElementCount = 0;
  OneBasedArray<std::int32_t> baseElemStart{};
  OneBasedArray<std::int32_t> baseElemEnd{};
  bool lastNodesInBase0 = false;
};

// How the Base module is repeated: axis, modules, and the parameters of the
// chosen expansion type.
struct Expansion {
  char expansionDirection = ' ';
  std::int32_t directionIndex = 0;
  std::int32_t moduleCount = 0;
  float moduleLength = 0.0f;
  float baseModuleLength = 0.0f;
  std::int32_t expansionType = kNoExpansion;
  std::int32_t loadedExpansionType = 0;
  float pyramidShrinkRatio = 0.0f;
  std::array<float, 3> vertexFoot{};  // vertexFoot[0] is coordinate 1
  std::string vertexFootText{};
  char shrinkDirection = ' ';
  std::int32_t shrinkDirectionIndex = 0;
  float shrinkRatio = 0.0f;
  float halfSpan = 0.0f;
  float archHeight = 0.0f;
  std::int32_t archKind = 0;
  std::string halfSpanText{};    // the arch dialog's texts as last shown or typed,
  std::string archHeightText{};  // at most 20 characters each
  float moduleDepth = 0.0f;

  float vertexFootCoordinate(int axis) const { return vertexFoot.at(axis - 1); }
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
};

struct Model {
  BaseModule base;
  Expansion expansion;
  ElementTypes types;
  Structure structure;
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
