// The coordinate step of the straight expansion types: modules laid one after
// the other along the expansion axis, each shifted by the module length, then
// narrowed towards a vertex foot (Pyramidal) or along one transverse axis
// (1-direction Shrink). Any type other than Pyramidal and Shrink is Prismatic.
//
// Expects counts and parameters the generation checks have accepted;
// `coords` holds `totalNodes` rows of `dofPerNode` zeros.
#pragma once

#include "generation/structure_counts.h"
#include "generation/work_meter.h"
#include "model/model.h"

namespace zentrix::generation {

// Rows 1 ... N0+N1 become the Base module's nodes: the first module is the
// Base module, unchanged.
void copyBaseModule(const InputParts& inputs, const StructureCounts& counts,
                    model::CoordinateTable& coords);

// Places modules 2 ... m and narrows the structure; false when cancelled.
bool expandStraight(const InputParts& inputs, const StructureCounts& counts,
                    model::CoordinateTable& coords, WorkMeter& meter);

}  // namespace zentrix::generation
