// Sine, cosine and arc tangent that give the same bits on every platform,
// for the arch geometry. C runtimes differ in the last bits of these
// functions (and some use the x87 instructions, which are inaccurate near
// pi/2), so a Geometry File written on Windows would differ from one written
// on Linux. Here no runtime function decides a digit: the argument is
// reduced exactly, the function is summed in double-double arithmetic
// (about 100 bits) and the sum is rounded once to the result's precision,
// which gives the correctly rounded value of the exact function.
//
// Domain: the arc tangent takes every real (NaN gives NaN); sine and cosine
// take |x| below 1.6e6 (far beyond any arch angle) and give NaN outside it.
#pragma once

namespace zentrix::generation {

double sine(double x);
double cosine(double x);
double arcTangent(double x);

// The single-precision forms are rounded from the same sums directly, never
// through a double, so they too are correctly rounded.
float sine(float x);
float cosine(float x);
float arcTangent(float x);

// Both of one angle, for the price of little more than one.
template <typename Real>
struct SineAndCosine {
  Real sine, cosine;
};
SineAndCosine<double> sineAndCosine(double x);
SineAndCosine<float> sineAndCosine(float x);

}  // namespace zentrix::generation
