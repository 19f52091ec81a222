// The counts one generation works with, taken from the input parts once so that
// every step agrees on them. Node and element totals are 64-bit here: the
// checks refuse totals beyond 32 bits before anything is built.
#pragma once

#include <cstdint>

#include "model/model.h"

namespace zentrix::generation {

// The input parts the expansion is built from: the Base module and how it is
// repeated. A model gives its own.
struct InputParts {
  InputParts(const model::BaseModule& baseModule, const model::Expansion& expansionParameters)
      : base(baseModule), expansion(expansionParameters) {}
  InputParts(const model::Model& model)  // NOLINT: every model holds its input parts
      : base(model.base), expansion(model.expansion) {}

  const model::BaseModule& base;
  const model::Expansion& expansion;
};

struct StructureCounts {
  std::int64_t base0Nodes = 0;      // N0: nodes 1 ... N0 of the Base module lie in Base 0
  std::int64_t base1Nodes = 0;      // N1: the nodes every module adds
  std::int64_t baseNodes = 0;       // N0 + N1
  std::int64_t modules = 0;         // m
  std::int64_t baseElements = 0;    // ne
  std::int64_t base0Elements = 0;   // o: both end nodes at most N0
  std::int64_t moduleElements = 0;  // ne - o
  std::int64_t totalNodes = 0;      // N0 + m N1
  std::int64_t totalElements = 0;   // o + m (ne - o)
  int coordinates = 0;              // dofPerNode
  int direction = 0;                // expansion axis 1, 2, 3
};

// Reads the counts of the inputs with `direction` as the expansion axis. End
// nodes that the topology arrays do not hold count as 0 (a Base 0 element).
StructureCounts countStructure(const InputParts& inputs, int direction);

// The Base module's element arrays hold at least `baseElementCount` entries.
bool topologyComplete(const InputParts& inputs);

}  // namespace zentrix::generation
