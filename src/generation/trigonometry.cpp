#include "generation/trigonometry.h"

#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

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

// The nearest integer to v (ties to even) for |v| < 2^51, without a call
// into the C runtime: adding 1.5 * 2^52 leaves no bits below the point.
double nearestInteger(double v) {
  constexpr double kShift = 0x1.8p52;
  return (v + kShift) - kShift;
}

// x = quadrant * pi/2 + r with |r| <= pi/4 (a hair more when x lies
// halfway between two quadrants); r exact to about 2^-170.
struct Reduced {
  long long quadrant = 0;
  Double2 r;
};

Reduced reduce(double x) {
  const double k = nearestInteger(x * (2.0 / std::numbers::pi));
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
  const int eighth = static_cast<int>(nearestInteger(t.hi * 8.0));
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

// The quick road. Most values are settled by a cheaper sum whose error is
// bounded; only when the bound leaves two roundings possible is the exact
// sum above taken. The answer is the same either way, only the time differs.

// Both ends of [v - error, v + error] round to the same double.
std::optional<double> roundedIfSure(Double2 v, double error) {
  const double low = v.hi + (v.lo - error);
  const double high = v.hi + (v.lo + error);
  if (low != high) return std::nullopt;
  return low;
}

std::optional<float> roundedToFloatIfSure(Double2 v, double error) {
  const float low = roundedToFloat(fastTwoSum(v.hi, v.lo - error));
  const float high = roundedToFloat(fastTwoSum(v.hi, v.lo + error));
  if (low != high) return std::nullopt;
  return low;
}

struct SineCosine {
  Double2 sine, cosine;
};

// sin and cos of j/128 for j = 0 ... 103 (|r| <= pi/4 needs j <= 101), from
// the exact series once.
constexpr int kTableSteps = 128;
const std::array<SineCosine, 104>& sineCosineTable() {
  static const auto table = [] {
    std::array<SineCosine, 104> values;
    for (std::size_t j = 0; j < values.size(); ++j) {
      const Double2 a{static_cast<double>(j) / kTableSteps};
      values[j] = {sineSeries(a), cosineSeries(a)};
    }
    return values;
  }();
  return table;
}

// sin r and cos r for |r| <= pi/4 as sin and cos of a + b, a the nearest
// table point and |b| <= 1/256: short series for b, exact products for the
// large terms. Absolute error below 2^-66; for r below 1/256 (no table
// point but 0) the sine's error is below 2^-66 of itself.
constexpr double kQuickError = 0x1p-64;  // the bound, with room to spare

SineCosine quickSineCosine(Double2 r) {
  const bool negative = r.hi < 0.0;
  if (negative) r = -r;
  const int j = static_cast<int>(nearestInteger(r.hi * kTableSteps));
  const SineCosine& p = sineCosineTable()[static_cast<std::size_t>(j)];
  const double bh = r.hi - j / static_cast<double>(kTableSteps);  // exact
  const double bl = r.lo;
  const double b2 = bh * bh;
  const double sinTail = bh * b2 * (-1.0 / 6.0 + b2 * (1.0 / 120.0 - b2 * (1.0 / 5040.0)));
  const double cosTail = b2 * (-0.5 + b2 * (1.0 / 24.0 - b2 * (1.0 / 720.0))) - bh * bl;
  // sin(a + b) = S + C b + C (sin b - b) + S (cos b - 1)
  const Double2 sine =
      p.sine + twoProduct(p.cosine.hi, bh) +
      Double2{p.cosine.lo * bh + p.cosine.hi * (bl + sinTail) + p.sine.hi * cosTail};
  // cos(a + b) = C - S b - S (sin b - b) + C (cos b - 1)
  const Double2 cosine =
      p.cosine - twoProduct(p.sine.hi, bh) +
      Double2{-(p.sine.lo * bh) - p.sine.hi * (bl + sinTail) + p.cosine.hi * cosTail};
  return {negative ? -sine : sine, cosine};
}

// sin x and cos x of the quick road with the bound of each.
struct QuickSineCosine {
  Double2 sine, cosine;
  double sineError, cosineError;
};

QuickSineCosine quickSineCosineOf(double x) {
  const Reduced reduced = reduce(x);
  const SineCosine v = quickSineCosine(reduced.r);
  const bool small = std::fabs(reduced.r.hi) < 1.0 / (2 * kTableSteps);
  const double smallError = kQuickError * std::fabs(v.sine.hi);
  const double errorOfSine = small ? smallError : kQuickError;
  switch (reduced.quadrant & 3) {
    case 0:
      return {v.sine, v.cosine, errorOfSine, kQuickError};
    case 1:
      return {v.cosine, -v.sine, kQuickError, errorOfSine};
    case 2:
      return {-v.sine, -v.cosine, errorOfSine, kQuickError};
    default:
      return {-v.cosine, v.sine, kQuickError, errorOfSine};
  }
}

// atan x in double arithmetic, good to 2^-49 of itself: enough to settle
// almost every float, never a double.
Double2 quickArcTangent(double x) {
  const double a = std::fabs(x);
  const bool inverted = a > 1.0;
  const double t = inverted ? 1.0 / a : a;
  const int eighth = static_cast<int>(nearestInteger(t * 8.0));
  const double c = eighth / 8.0;
  const double u = (t - c) / (1.0 + t * c);
  const double s = u * u;
  double sum = 1.0 / 19.0;
  for (int n = 8; n >= 0; --n) sum = 1.0 / (2.0 * n + 1.0) - s * sum;
  Double2 v = kArcTangentOfEighths[static_cast<std::size_t>(eighth)] + Double2{u * sum};
  if (inverted) v = kHalfPi - v;
  return x < 0.0 ? -v : v;
}

constexpr double kQuickArcTangentError = 0x1p-45;  // of the result

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

}  // namespace

// A zero keeps its sign, as sin(-0) is -0.
double sine(double x) {
  if (x == 0.0) return x;
  if (outsideDomain(x)) return kNotANumber;
  const QuickSineCosine quick = quickSineCosineOf(x);
  return roundedIfSure(quick.sine, quick.sineError).value_or(exactSine(x).hi);
}

double cosine(double x) {
  if (outsideDomain(x)) return kNotANumber;
  const QuickSineCosine quick = quickSineCosineOf(x);
  return roundedIfSure(quick.cosine, quick.cosineError).value_or(exactCosine(x).hi);
}

double arcTangent(double x) {
  if (std::isnan(x)) return x;
  if (x == 0.0) return x;  // keeps the sign of a zero
  return exactArcTangent(x).hi;
}

float sine(float x) {
  if (x == 0.0f) return x;
  if (outsideDomain(x)) return static_cast<float>(kNotANumber);
  const QuickSineCosine quick = quickSineCosineOf(x);
  if (const auto sure = roundedToFloatIfSure(quick.sine, quick.sineError)) return *sure;
  return roundedToFloat(exactSine(x));
}

float cosine(float x) {
  if (outsideDomain(x)) return static_cast<float>(kNotANumber);
  const QuickSineCosine quick = quickSineCosineOf(x);
  if (const auto sure = roundedToFloatIfSure(quick.cosine, quick.cosineError)) return *sure;
  return roundedToFloat(exactCosine(x));
}

SineAndCosine<double> sineAndCosine(double x) {
  if (outsideDomain(x)) return {kNotANumber, kNotANumber};
  const QuickSineCosine quick = quickSineCosineOf(x);
  const auto sureSine = roundedIfSure(quick.sine, quick.sineError);
  const auto sureCosine = roundedIfSure(quick.cosine, quick.cosineError);
  return {x == 0.0   ? x
          : sureSine ? *sureSine
                     : exactSine(x).hi,
          sureCosine ? *sureCosine : exactCosine(x).hi};
}

SineAndCosine<float> sineAndCosine(float x) {
  if (outsideDomain(x)) return {static_cast<float>(kNotANumber), static_cast<float>(kNotANumber)};
  const QuickSineCosine quick = quickSineCosineOf(x);
  const auto sureSine = roundedToFloatIfSure(quick.sine, quick.sineError);
  const auto sureCosine = roundedToFloatIfSure(quick.cosine, quick.cosineError);
  return {x == 0.0f  ? x
          : sureSine ? *sureSine
                     : roundedToFloat(exactSine(x)),
          sureCosine ? *sureCosine : roundedToFloat(exactCosine(x))};
}

float arcTangent(float x) {
  if (std::isnan(x) || x == 0.0f) return x;
  const Double2 quick = quickArcTangent(x);
  if (const auto sure = roundedToFloatIfSure(quick, kQuickArcTangentError * std::fabs(quick.hi)))
    return *sure;
  return roundedToFloat(exactArcTangent(x));
}

}  // namespace zentrix::generation
