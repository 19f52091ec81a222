// The model check: what is wrong with a Base module, its expansion and the
// structure generated from it, before anyone trusts the structure. Every
// finding names the nodes and elements it is about (1-based) and says, in
// English and in Romanian, what is wrong and why it matters.
//
// The Base module is checked against the numbering convention the generation
// relies on: Base 0 and Base 1 hold as many nodes; Base 1 node N0 + j is
// Base 0 node j moved, for the straight types (Prismatic, Pyramidal,
// 1-direction Shrink), by the module length along the axis and nowhere else
// (the taper and the shrink are the generation's, applied to these typed
// nodes), with every Base 0 node at 0 along the axis; for the arch, on the
// same chord as Base 0 node j (last coordinate 0 or not) and in 3-D at the
// same Y. Its elements must be stored in kind order with the Base 0 elements
// last, as they are replicated by position. Every element type in use needs
// an area above 0.
//
// The generated structure is checked for end nodes out of range, elements of
// zero length, duplicate elements (same end nodes in either order),
// coincident nodes, nodes no element uses, and bars plus restraints against
// degrees of freedom times nodes (a truss with fewer is a mechanism). The
// restraints are those of the Geometry File's blocked nodes: every degree of
// freedom of the first module's Base 0 nodes, and for an arch those of the
// last section as well.
//
// Two nodes coincide, and an element has zero length, when the distance is at
// most kCoincidenceTolerance times the diagonal of the structure's bounding
// box: about two single-precision steps at its largest coordinates, the
// rounding of nodes the generation placed at one point. Base 1 nodes are
// compared with kCorrespondenceTolerance times the larger of the Base
// module's diagonal and the module length, the rounding of typed values.
//
// At most kListedPerKind findings of one kind are listed; one more finding
// of that kind, without numbers, counts the rest. Works in about linear time
// (sorts, no pairwise comparison), so a structure of 13 million elements is
// checked in seconds. Never changes the model and never fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/model.h"

namespace zentrix::generation {

enum class FindingKind : std::uint8_t {
  kBaseNodeCounts,      // Base 0 and Base 1 hold different node counts
  kBase0NodeOffPlane,   // a Base 0 node off 0 along the expansion axis
  kBase1NodeMismatch,   // a Base 1 node that is not its Base 0 node moved
  kElementKindOrder,    // a Base module element stored out of kind order
  kEndNodeOutOfRange,   // an element end node outside the structure's nodes
  kZeroLengthElement,   // an element whose two ends coincide
  kDuplicateElements,   // two elements joining the same two nodes
  kCoincidentNodes,     // two nodes at one place
  kUnusedNode,          // a node no element uses
  kStaticallyUnstable,  // bars + restraints < dof x nodes
  kNonPositiveArea,     // an element type whose area is 0 or negative (the last kind)
};

// Whose numbers a finding's `nodes` and `elements` are.
enum class Numbering : std::uint8_t { kStructure, kBaseModule };

struct Finding {
  FindingKind kind = FindingKind::kBaseNodeCounts;
  Numbering numbering = Numbering::kStructure;
  std::vector<std::int64_t> nodes = {};     // 1-based; empty when about none
  std::vector<std::int64_t> elements = {};  // 1-based; empty when about none
  std::string english = {};
  std::string romanian = {};
  // Set on the finding that closes a capped kind: the findings it stands for.
  std::int64_t notListed = 0;

  const std::string& text(bool inRomanian) const { return inRomanian ? romanian : english; }
};

inline constexpr std::size_t kListedPerKind = 100;
inline constexpr double kCoincidenceTolerance = 1e-7;
inline constexpr double kCorrespondenceTolerance = 1e-5;

// Checks the Base module and the expansion as entered, and the generated
// structure when there is one (with the inputs it was generated with).
std::vector<Finding> checkModel(const model::Model& model);
// The Base module and the expansion alone: the findings of `checkModel`
// numbered in the Base module, without the structure's (quick whatever the
// structure's size).
std::vector<Finding> checkBaseModule(const model::Model& model);

// Where a Base module finding lies on the generated structure: the
// structure's number of Base module node `node`, or of the first module's
// copy of Base module element `element` (the Base module's own elements, in
// the structure's numbering and kind blocks); 0 when the structure has none.
std::int64_t structureNodeOfBaseNode(const model::Model& model, std::int64_t node);
std::int64_t structureElementOfBaseElement(const model::Model& model, std::int64_t element);

// How many findings `findings` stands for: the listed ones and those a
// "more of this kind" finding counts.
std::int64_t findingCount(const std::vector<Finding>& findings);

// The list as text lines in one language: a heading, then one line per
// finding.
std::vector<std::string> findingLines(const std::vector<Finding>& findings, bool romanian);

}  // namespace zentrix::generation
