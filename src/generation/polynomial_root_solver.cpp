#include "generation/polynomial_root_solver.h"

#include <cassert>
#include <cmath>
#include <limits>
#include <string>

#include "model/number_text.h"

namespace zentrix::generation {

namespace {

struct ValueAndSlope {
  float value;
  float slope;
};

// Horner's scheme from cn down, the derivative carried along.
ValueAndSlope evaluate(std::span<const float> c, float x) {
  float value = c.back();
  float slope = 0.0f;
  for (std::size_t i = c.size() - 1; i-- > 0;) {
    slope = slope * x + value;
    value = value * x + c[i];
  }
  return {value, slope};
}

std::string precisionLine(float x, float maxEps, float delta) {
  return "x0= " + model::compactReal(x) + ":   MaxEps = " + model::compactReal(maxEps) +
         "  Corectia = " + model::compactReal(delta);
}

}  // namespace

float precisionFloor(float x) {
  if (!std::isfinite(x)) return std::numeric_limits<float>::infinity();
  int exponent = 0;
  std::frexp(x, &exponent);
  const int bits = 24 - exponent;
  if (bits < 0 || bits > 31) return std::numeric_limits<float>::infinity();
  return std::ldexp(1.0f, -bits);
}

RootSearch solvePolynomialRoot(std::span<const float> coefficients, float start, float tolerance,
                               int iterationLimit, bool traceOn, std::ostream* trace,
                               const model::LineSink& console) {
  assert(!coefficients.empty());
  const bool tracing = traceOn && trace != nullptr;
  if (tracing) *trace << "Iteratia\t\tx\t\t\tCorectia curenta\n";

  RootSearch search;
  search.iterations = iterationLimit;
  float x = start;
  for (int i = 1;; ++i) {
    const ValueAndSlope p = evaluate(coefficients, x);
    search.lastValue = p.value;
    search.lastPoint = x;
    if (p.slope == 0.0f) {
      search.status = kRootZeroDerivative;
      search.root = x;
      return search;
    }
    const float delta = p.value / p.slope;
    const float next = x - delta;
    if (tracing)
      *trace << i << "\t\t" << model::compactReal(next) << "\t\t\t" << model::compactReal(delta)
             << '\n';
    search.root = next;
    search.iterations = i;
    if (std::fabs(delta) <= tolerance) {
      search.status = kRootConverged;
      return search;
    }
    const float maxEps = precisionFloor(x);
    if (maxEps > std::fabs(delta)) {
      search.status = kRootPrecisionFloor;
      const std::string line = precisionLine(x, maxEps, delta);
      if (console) console(line);
      if (trace != nullptr) *trace << ' ' << line << '\n';
      return search;
    }
    // `>=` rather than `==`: a limit below 1 must still end the search.
    if (i >= iterationLimit) {
      search.status = kRootIterationLimit;
      return search;
    }
    x = next;
  }
}

}  // namespace zentrix::generation
