#include "generation/arch_geometry.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "generation/polynomial_root_solver.h"
#include "generation/trigonometry.h"

namespace zentrix::generation {

namespace {

using model::CoordinateTable;
using model::Model;

// Where the two chords cross one module boundary.
struct Boundary {
  float upperX, upperY;
  float innerX, innerY;
};

class ArchPlacer {
 public:
  ArchPlacer(const InputParts& inputs, const StructureCounts& counts, CoordinateTable& coords)
      : inputs_(inputs), counts_(counts), coords_(coords), last_(counts.coordinates) {}

  // Base 0 of the first module sits at boundary 0.
  void placeBase0(const Boundary& b) {
    for (std::int64_t node = 1; node <= counts_.base0Nodes; ++node) place(node, node, b);
  }

  // The Base 1 nodes of module k sit at boundary k.
  void placeModule(std::int64_t k, const Boundary& b) {
    const std::int64_t first = counts_.base0Nodes + (k - 1) * counts_.base1Nodes;
    for (std::int64_t j = 1; j <= counts_.base1Nodes; ++j)
      place(first + j, counts_.base0Nodes + j, b);
  }

 private:
  void place(std::int64_t node, std::int64_t baseNode, const Boundary& b) {
    const float* base =
        inputs_.base.baseCoords.data() + (baseNode - 1) * inputs_.base.baseCoords.columns();
    float* row = coords_.data() + (node - 1) * last_;
    const bool upper = !(base[last_ - 1] == 0.0f);
    row[0] = upper ? b.upperX : b.innerX;
    row[last_ - 1] = upper ? b.upperY : b.innerY;
    if (last_ == 3) row[1] = base[1];
  }

  const InputParts inputs_;
  const StructureCounts& counts_;
  CoordinateTable& coords_;
  int last_;
};

bool placeCircularArch(const InputParts& inputs, const StructureCounts& counts, float depth,
                       ArchPlacer& placer, WorkMeter& meter) {
  const float h = inputs.expansion.archHeight;
  const float l = inputs.expansion.halfSpan;
  // The half angle is rounded to a single real before it is doubled; the
  // node positions are reproduced to the last bit only this way. The
  // trigonometry is our own, so that every platform writes the same digits.
  const float halfAngle = static_cast<float>(arcTangent(static_cast<double>(h) / l));
  const double alpha = static_cast<double>(2.0f * halfAngle);
  const double step = 2.0 * alpha / static_cast<double>(counts.modules);
  const double radius = (static_cast<double>(h) * h + static_cast<double>(l) * l) * 0.5 / h;
  const double innerRadius = radius - depth;
  const double lift = radius - h;  // the centre lies at (0, h - R)
  const double firstAngleOffset = std::numbers::pi / 2.0 - alpha;

  const auto boundary = [&](std::int64_t k) {
    const double theta = static_cast<double>(counts.modules - k) * step + firstAngleOffset;
    const auto [s, c] = sineAndCosine(theta);
    return Boundary{static_cast<float>(radius * c), static_cast<float>(radius * s - lift),
                    static_cast<float>(innerRadius * c),
                    static_cast<float>(innerRadius * s - lift)};
  };
  placer.placeBase0(boundary(0));
  for (std::int64_t k = 1; k <= counts.modules; ++k) {
    placer.placeModule(k, boundary(k));
    if (!meter.add(counts.base1Nodes + 1)) return false;
  }
  return true;
}

Boundary parabolaBoundary(float x, float y, float theta, float depth) {
  const auto [s, c] = sineAndCosine(theta);
  return Boundary{x, y, x + depth * s, y - depth * c};
}

// The step s from v whose arc length along y = h - e x^2 is `arc`: the root
// of the integral from v to v + s of the series 1 + 2e^2x^2 - 2e^4x^4 of
// sqrt(1 + 4e^2x^2), minus `arc`. The solver's status is not needed: its
// last point is close enough in every case.
float parabolaStep(float e, float v, float arc, float start, const model::LineSink& console) {
  const float e2 = e * e;
  const float e4 = e2 * e2;
  const float v2 = v * v;
  const std::array<float, 6> c = {
      -arc,
      1.0f + 2.0f * e2 * v2 - 2.0f * e4 * v2 * v2,
      2.0f * e2 * v - 4.0f * e4 * v2 * v,
      2.0f * e2 / 3.0f - 4.0f * e4 * v2,
      -2.0f * e4 * v,
      -0.4f * e4,
  };
  return solvePolynomialRoot(c, start, 0.000001f, 10, false, nullptr, console).root;
}

bool placeParabolicArch(const InputParts& inputs, const StructureCounts& counts, float depth,
                        ArchPlacer& placer, WorkMeter& meter, const model::LineSink& console) {
  const float h = inputs.expansion.archHeight;
  const float l = inputs.expansion.halfSpan;
  const float m = static_cast<float>(counts.modules);
  const float e = h / (l * l);
  const float q = h * h / (l * l);
  // Series of the parabola's length, shared equally by the modules.
  const float arc = 2.0f * l * (1.0f + 2.0f * q / 3.0f - 2.0f * q * q / 5.0f) / m;
  const float start = 2.0f * l / m;

  float x = -l;
  placer.placeBase0(parabolaBoundary(x, 0.0f, arcTangent(2.0f * e * l), depth));
  for (std::int64_t k = 1; k <= counts.modules; ++k) {
    x = x + parabolaStep(e, x, arc, start, console);
    const float y = h - (e * x) * x;
    placer.placeModule(k, parabolaBoundary(x, y, arcTangent(-2.0f * e * x), depth));
    if (!meter.add(counts.base1Nodes + 1)) return false;
  }
  return true;
}

}  // namespace

float baseModuleDepth(const CoordinateTable& coords, const StructureCounts& counts) {
  if (counts.baseNodes == 0) return 0.0f;
  const int columns = counts.coordinates;
  const float* value = coords.data() + (columns - 1);
  float low = *value;
  float high = *value;
  for (std::int64_t node = 2; node <= counts.baseNodes; ++node) {
    value += columns;
    if (*value < low) low = *value;
    if (*value > high) high = *value;
  }
  return high - low;
}

bool placeArchNodes(const InputParts& inputs, const StructureCounts& counts, float depth,
                    CoordinateTable& coords, WorkMeter& meter, const model::LineSink& console) {
  ArchPlacer placer(inputs, counts, coords);
  if (inputs.expansion.archKind == model::kCircularArch)
    return placeCircularArch(inputs, counts, depth, placer, meter);
  if (inputs.expansion.archKind == model::kParabolicArch)
    return placeParabolicArch(inputs, counts, depth, placer, meter, console);
  return true;
}

}  // namespace zentrix::generation
