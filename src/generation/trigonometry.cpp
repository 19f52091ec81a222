#include "generation/trigonometry.h"

#include <array>
#include <cmath>
#include <limits>

namespace zentrix::generation {

namespace {

// A value as the unevaluated sum hi + lo with |lo| at most half an ulp of hi.
// Only IEEE additions, multiplications and divisions are used (no fused
// multiply-add, whose software forms are not exact everywhere), so every
// step gives the same bits on every platform.
struct Double2 {
  double hi = 0.0;
  double lo = 0.0;
};

Double2 fastTwoSum(double a, double b) {  // needs |a| >= |b|
  const double s = a + b;
  return {s, b - (s - a)};
}

Double2 twoSum(double a, double b) {
  const double s = a + b;
  const double bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

// Dekker's exact product, by halves of 26 bits.
Double2 twoProduct(double a, double b) {
  constexpr double kSplitter = 134217729.0;  // 2^27 + 1
  const auto split = [](double v) {
    const double t = kSplitter * v;
    const double high = t - (t - v);
    return Double2{high, v - high};
  };
  const Double2 x = split(a);
  const Double2 y = split(b);
  const double p = a * b;
  return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

Double2 operator+(Double2 a, Double2 b) {
  Double2 s = twoSum(a.hi, b.hi);
  const Double2 t = twoSum(a.lo, b.lo);
  s = fastTwoSum(s.hi, s.lo + t.hi);
  return fastTwoSum(s.hi, s.lo + t.lo);
}

Double2 operator-(Double2 a) {
  return {-a.hi, -a.lo};
}
Double2 operator-(Double2 a, Double2 b) {
  return a + -b;
}

Double2 operator*(Double2 a, Double2 b) {
  const Double2 p = twoProduct(a.hi, b.hi);
  return fastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

Double2 operator/(Double2 a, Double2 b) {
  const double q1 = a.hi / b.hi;
  Double2 r = a - b * Double2{q1};
  const double q2 = r.hi / b.hi;
  r = r - b * Double2{q2};
  const double q3 = r.hi / b.hi;
  return fastTwoSum(q1, q2) + Double2{q3};
}

// pi/2 in four parts: the first two of 33 bits, so that k times them is
// exact for |k| < 2^20, the others of 53 bits; together about 175 bits.
constexpr double kHalfPi1 = 0x1.921fb544p+0;
constexpr double kHalfPi2 = 0x1.0b4611a6p-34;
constexpr double kHalfPi3 = 0x1.3198a2e037073p-69;
constexpr double kHalfPi4 = 0x1.129024e088a68p-123;
constexpr Double2 kHalfPi = {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54};
constexpr double kLargestQuadrant = 1 << 20;

// atan(k/8) for k = 0 ... 8.
constexpr std::array<Double2, 9> kArcTangentOfEighths = {{
    {0.0, 0.0},
    {0x1.fd5ba9aac2f6ep-4, -0x1.cd37686760c17p-59},
    {0x1.f5b75f92c80ddp-3, 0x1.8ab6e3cf7afbdp-57},
    {0x1.6f61941e4def1p-2, -0x1.c63aae6f6e918p-56},
    {0x1.dac670561bb4fp-2, 0x1.a2b7f222f65e2p-56},
    {0x1.1e00babdefeb4p-1, -0x1.928df287a668fp-58},
    {0x1.4978fa3269ee1p-1, 0x1.2419a87f2a458p-56},
    {0x1.700a7c5784634p-1, -0x1.8c34d25aadef6p-56},
    {0x1.921fb54442d18p-1, 0x1.1a62633145c07p-55},
}};

// The series are summed until their terms fall below 2^-110 of the result.
constexpr int kSineCosineTerms = 15;  // |r| <= pi/4
constexpr int kArcTangentTerms = 15;  // |u| <= 1/16

// x = quadrant * pi/2 + r with |r| <= pi/4; r exact to about 2^-170.
struct Reduced {
  long long quadrant = 0;
  Double2 r;
};

Reduced reduce(double x) {
  const double k = std::nearbyint(x / kHalfPi.hi);
  // x - k*P1 is exact (both products are exact and x lies near k*P1), and
  // so is k*P2; the remaining parts are carried in double-double.
  const Double2 a = twoSum(x - k * kHalfPi1, -(k * kHalfPi2));
  const Double2 r = a - twoProduct(k, kHalfPi3) - Double2{k * kHalfPi4};
  return {static_cast<long long>(k), r};
}

// sin r = r (1 - r^2/(2*3) (1 - r^2/(4*5) (1 - ...))).
Double2 sineSeries(Double2 r) {
  const Double2 s = r * r;
  Double2 sum{1.0};
  for (int n = kSineCosineTerms; n >= 1; --n)
    sum = Double2{1.0} - s * sum / Double2{static_cast<double>((2 * n) * (2 * n + 1))};
  return r * sum;
}

// cos r = 1 - r^2/(1*2) (1 - r^2/(3*4) (1 - ...)).
Double2 cosineSeries(Double2 r) {
  const Double2 s = r * r;
  Double2 sum{1.0};
  for (int n = kSineCosineTerms; n >= 1; --n)
    sum = Double2{1.0} - s * sum / Double2{static_cast<double>((2 * n - 1) * (2 * n))};
  return sum;
}

bool outsideDomain(double x) {
  return !(std::fabs(x) < kLargestQuadrant);
}

Double2 exactSine(double x) {
  const Reduced reduced = reduce(x);
  switch (reduced.quadrant & 3) {
    case 0:
      return sineSeries(reduced.r);
    case 1:
      return cosineSeries(reduced.r);
    case 2:
      return -sineSeries(reduced.r);
    default:
      return -cosineSeries(reduced.r);
  }
}

Double2 exactCosine(double x) {
  const Reduced reduced = reduce(x);
  switch (reduced.quadrant & 3) {
    case 0:
      return cosineSeries(reduced.r);
    case 1:
      return -sineSeries(reduced.r);
    case 2:
      return -cosineSeries(reduced.r);
    default:
      return sineSeries(reduced.r);
  }
}

// atan u = u (1 - u^2/3 + u^4/5 - ...), by Horner's scheme.
Double2 arcTangentSeries(Double2 u) {
  const Double2 s = u * u;
  Double2 sum = Double2{1.0} / Double2{2.0 * kArcTangentTerms + 1.0};
  for (int n = kArcTangentTerms - 1; n >= 0; --n)
    sum = Double2{1.0} / Double2{2.0 * n + 1.0} - s * sum;
  return u * sum;
}

// atan t for 0 <= t <= 1: atan(c) + atan((t - c) / (1 + t c)), with c the
// nearest eighth, leaves |u| <= 1/16 for the series.
Double2 arcTangentUpToOne(Double2 t) {
  const int eighth = static_cast<int>(std::nearbyint(t.hi * 8.0));
  const double c = eighth / 8.0;
  const Double2 u = (t - Double2{c}) / (Double2{1.0} + t * Double2{c});
  return kArcTangentOfEighths[static_cast<std::size_t>(eighth)] + arcTangentSeries(u);
}

Double2 exactArcTangent(double x) {
  const double a = std::fabs(x);
  // Above 2^54 the terms after 1/a lie below 2^-160; the exact products of
  // the general road would overflow for the largest values.
  const Double2 positive = a <= 1.0     ? arcTangentUpToOne(Double2{a})
                           : a > 0x1p54 ? kHalfPi - Double2{1.0 / a}
                                        : kHalfPi - arcTangentUpToOne(Double2{1.0} / Double2{a});
  return x < 0.0 ? -positive : positive;
}

// hi + lo rounded once to the nearest float (ties to even): hi alone decides
// unless it lies exactly halfway between two floats.
float roundedToFloat(Double2 v) {
  const float f = static_cast<float>(v.hi);
  const double gap = v.hi - static_cast<double>(f);
  if (gap == 0.0 || v.lo == 0.0) return f;
  const float other = std::nextafter(f, gap > 0.0 ? std::numeric_limits<float>::infinity()
                                                  : -std::numeric_limits<float>::infinity());
  const double halfway = (static_cast<double>(other) - static_cast<double>(f)) / 2.0;
  return gap == halfway && (v.lo > 0.0) == (gap > 0.0) ? other : f;
}

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

}  // namespace

// A zero keeps its sign, as sin(-0) is -0.
double sine(double x) {
  if (x == 0.0) return x;
  return outsideDomain(x) ? kNotANumber : exactSine(x).hi;
}

double cosine(double x) {
  return outsideDomain(x) ? kNotANumber : exactCosine(x).hi;
}

double arcTangent(double x) {
  if (std::isnan(x)) return x;
  if (x == 0.0) return x;  // keeps the sign of a zero
  return exactArcTangent(x).hi;
}

float sine(float x) {
  if (x == 0.0f) return x;
  return outsideDomain(x) ? static_cast<float>(kNotANumber) : roundedToFloat(exactSine(x));
}

float cosine(float x) {
  return outsideDomain(x) ? static_cast<float>(kNotANumber) : roundedToFloat(exactCosine(x));
}

float arcTangent(float x) {
  if (std::isnan(x) || x == 0.0f) return x;
  return roundedToFloat(exactArcTangent(x));
}

}  // namespace zentrix::generation
