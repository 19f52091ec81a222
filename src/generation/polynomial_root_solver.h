// Newton's method on a real polynomial, in single precision.
//
// Stops on the first of: a vanishing derivative (status -2), a correction
// within the tolerance (0), a correction finer than the spacing of single
// reals near the point (-1, "precision floor"), the iteration limit (1).
// Every status returns a root: callers that only need a good enough value may
// ignore the status. Reaching the precision floor gives one line to
// `console` and writes it, with a leading blank, to `trace`; with `traceOn`
// a header and one line per iteration go to `trace` too. A null `trace` and
// an empty `console` get nothing.
#pragma once

#include <ostream>
#include <span>

#include "model/line_sink.h"

namespace zentrix::generation {

inline constexpr int kRootZeroDerivative = -2;
inline constexpr int kRootPrecisionFloor = -1;
inline constexpr int kRootConverged = 0;
inline constexpr int kRootIterationLimit = 1;

struct RootSearch {
  int status = kRootConverged;
  float root = 0.0f;       // the last Newton step's point (the last evaluated one for -2)
  float lastValue = 0.0f;  // P at the last evaluated point
  float lastPoint = 0.0f;  // the last evaluated point
  int iterations = 0;      // iterations done; the given limit when the derivative vanished
};

// `coefficients` are c0 ... cn of c0 + c1 x + ... + cn x^n (at least one).
// An iteration limit below 1 acts as 1.
RootSearch solvePolynomialRoot(std::span<const float> coefficients, float start, float tolerance,
                               int iterationLimit, bool traceOn = false,
                               std::ostream* trace = nullptr, const model::LineSink& console = {});

// The spacing of single reals near x, as the solver's precision floor uses
// it: 1/2^(24-e) with x = f 2^e, 0.5 <= |f| < 1; +infinity when 24-e lies
// outside 0 ... 31 or x is not finite.
float precisionFloor(float x);

}  // namespace zentrix::generation
