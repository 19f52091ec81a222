// Two derivations every writer of the generated structure shares, so that
// each file names the same supports and the same element types:
//  - the blocked nodes: the first module's Base 0 and, for an arch, the last
//    section as well, where the numbering of the structure puts them;
//  - the element type of every element: the kind blocks in their order,
//    then the elements that lie wholly in Base 0, each with its own type.
// Both read the inputs the structure was generated with (`GeneratedWith`),
// never inputs changed since.
#pragma once

#include <cstdint>
#include <vector>

#include "model/model.h"
#include "structure/blocked_nodes.h"

namespace zentrix::structure {

// Nodes first..last (1-based). A range of a broken model may lie partly or
// wholly outside 1..totalNodes; the Geometry File writes it as it is.
// Elements first..last (1-based) of element type `type`. A kind without
// elements gives an empty run (first = last + 1).
struct ElementRun {
  std::int64_t first = 0;
  std::int64_t last = 0;
  int type = 0;
};

// One run per kind 1..4 (possibly empty), then one run of one element per
// Base 0 element, with the type its Base module element has. The caller
// checks that `elemKind` holds the Base module entries these read.
std::vector<ElementRun> elementTypeRuns(const model::Structure& structure,
                                        const model::BaseModule& base);

// Arrays that do not match their counts mean the structure was not
// generated (or was built by a broken caller); writing them would read past
// their end. True when every array holds what the counts and the runs read.
bool structureIsComplete(const model::Structure& structure, const model::BaseModule& base,
                         const model::GeneratedWith& with);

// The Base module entries of `elemKind` that the Base 0 runs read:
// s0 + 1 .. baseElementCount (see `elementTypeRuns`).
std::int64_t firstBase0ModuleElement(const model::Structure& structure);

}  // namespace zentrix::structure
