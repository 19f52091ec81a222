// The coordinate step of the symmetric arch: the modules follow a circular
// arc or a parabola of half span l and height h in the plane of the first and
// the last coordinate, centred on X = 0 with the supports at X = -l and +l.
// Nodes with a non-zero last coordinate in the Base module lie on the arch
// line (upper chord), the others on the inner chord at the Base module's
// depth below it. In 3-D every node keeps its Base module node's Y.
//
// The circle's angles are computed in double precision, the parabola in
// single precision throughout. An arch kind other than Circular and
// Parabolic places nothing: only the copied first module has coordinates.
// Expects the Base module already copied into rows 1 ... N0+N1, and l and h
// non-zero for the two kinds (the generation checks refuse them otherwise).
#pragma once

#include "generation/structure_counts.h"
#include "generation/work_meter.h"
#include "model/line_sink.h"
#include "model/model.h"

namespace zentrix::generation {

// The Base module's extent along its last coordinate (0 for one node or none).
float baseModuleDepth(const model::CoordinateTable& coords, const StructureCounts& counts);

// Places every node on the arch; false when cancelled. The root solver's
// precision lines go to `console`.
bool placeArchNodes(const InputParts& inputs, const StructureCounts& counts, float depth,
                    model::CoordinateTable& coords, WorkMeter& meter,
                    const model::LineSink& console);

}  // namespace zentrix::generation
