// The benchmark workload: a 3-D prismatic truss whose Base module has 4 nodes
// per base and 13 elements per module (4 chords, 4 cross-section bars, 4
// diagonals, 1 cross-section diagonal) plus the 4 bars of Base 0.
#pragma once

#include <cstdint>

#include "model/model.h"

namespace zentrix::bench {

model::Model trussWorkload(std::int32_t moduleCount);

// GENERATE as every front end runs it (the refusal check included), the
// module-length question answered Yes; throws when the workload is refused.
void generateWorkload(model::Model& model);

}  // namespace zentrix::bench
