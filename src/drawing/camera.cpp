#include "drawing/camera.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "model/helper_thread.h"

namespace zentrix::drawing {

namespace {

Point3 scaled(Point3 p, float s) {
  return {p.x * s, p.y * s, p.z * s};
}
Point3 sum(Point3 a, Point3 b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
float dot(Point3 a, Point3 b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
Point3 cross(Point3 a, Point3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Point3 unit(Point3 p) {
  const float length = std::sqrt(dot(p, p));
  return length > 0.0f ? scaled(p, 1.0f / length) : p;
}

// `v` turned by `angle` about the unit axis `axis` (Rodrigues).
Point3 turned(Point3 v, Point3 axis, float angle) {
  const float c = std::cos(angle);
  const float s = std::sin(angle);
  return sum(sum(scaled(v, c), scaled(cross(axis, v), s)), scaled(axis, dot(axis, v) * (1.0f - c)));
}

// Keeps the three axes orthonormal after many small turns.
Axes orthonormal(Axes axes) {
  axes.out = unit(axes.out);
  axes.right = unit(cross(axes.up, axes.out));
  axes.up = cross(axes.out, axes.right);
  return axes;
}

constexpr float kRadiansPerPixel = 0.01f;
constexpr float kFitMargin = 0.9f;

}  // namespace

void Camera::resize(int width, int height) {
  width_ = std::max(width, 1);
  height_ = std::max(height, 1);
}

void Camera::setStandardView(StandardView view) {
  switch (view) {
    case StandardView::XY:
      axes_ = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
      break;
    case StandardView::XZ:
      axes_ = {{1, 0, 0}, {0, 0, 1}, {0, -1, 0}};
      break;
    case StandardView::YZ:
      axes_ = {{0, 1, 0}, {0, 0, 1}, {1, 0, 0}};
      break;
    case StandardView::Iso:
      // Seen from (1, -1, 1): X to the right and forwards, Z up.
      axes_ = orthonormal({{1, 1, 0}, {-1, 1, 2}, {1, -1, 1}});
      break;
  }
}

void Camera::orbit(float dx, float dy) {
  const Point3 aroundUp = axes_.up;
  Axes turnedAxes = axes_;
  const float yaw = -dx * kRadiansPerPixel;
  turnedAxes.right = turned(turnedAxes.right, aroundUp, yaw);
  turnedAxes.out = turned(turnedAxes.out, aroundUp, yaw);
  const Point3 aroundRight = turnedAxes.right;
  const float pitch = -dy * kRadiansPerPixel;
  turnedAxes.up = turned(turnedAxes.up, aroundRight, pitch);
  turnedAxes.out = turned(turnedAxes.out, aroundRight, pitch);
  axes_ = orthonormal(turnedAxes);
}

void Camera::pan(float dx, float dy) {
  panX_ += dx;
  panY_ += dy;
}

void Camera::zoomAt(float factor, float x, float y) {
  if (!(factor > 0.0f) || !std::isfinite(factor)) return;
  // The model point under (x, y) stays there: x = origin + scale * u.
  const float u = (x - originX()) / scale_;
  const float v = (y - originY()) / scale_;
  scale_ *= factor;
  panX_ = x - 0.5f * static_cast<float>(width_) - scale_ * u;
  panY_ = y - 0.5f * static_cast<float>(height_) - scale_ * v;
}

void Camera::fit(const DrawingSource& source) {
  constexpr float kHuge = std::numeric_limits<float>::max();
  Point3 low{kHuge, kHuge, kHuge};
  Point3 high{-kHuge, -kHuge, -kHuge};
  for (std::int64_t n = 1; n <= source.nodeCount(); ++n) {
    const Point3 p = source.node(n);
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) continue;
    low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
  }
  panX_ = 0.0f;
  panY_ = 0.0f;
  if (low.x > high.x) {  // nothing to fit
    pivot_ = {};
    scale_ = 1.0f;
    return;
  }
  pivot_ = scaled(sum(low, high), 0.5f);
  // The box's eight corners bound what the nodes can cover on the screen.
  float halfU = 0.0f;
  float halfV = 0.0f;
  for (int corner = 0; corner < 8; ++corner) {
    const Point3 p{(corner & 1) != 0 ? high.x : low.x, (corner & 2) != 0 ? high.y : low.y,
                   (corner & 4) != 0 ? high.z : low.z};
    const Point3 d{p.x - pivot_.x, p.y - pivot_.y, p.z - pivot_.z};
    halfU = std::max(halfU, std::fabs(dot(d, axes_.right)));
    halfV = std::max(halfV, std::fabs(dot(d, axes_.up)));
  }
  const float w = 0.5f * static_cast<float>(width_) * kFitMargin;
  const float h = 0.5f * static_cast<float>(height_) * kFitMargin;
  const float su = halfU > 0.0f ? w / halfU : kHuge;
  const float sv = halfV > 0.0f ? h / halfV : kHuge;
  scale_ = std::min(su, sv);
  if (!(scale_ < kHuge)) scale_ = 1.0f;  // a single point
}

StandardView openingView(const DrawingSource& source) {
  return source.dimensions() == 2 ? StandardView::XY : StandardView::Iso;
}

void projectNodes(const DrawingSource& source, const Camera& camera,
                  std::vector<ScreenPoint>& screen) {
  const std::int64_t count = source.nodeCount();
  screen.resize(static_cast<std::size_t>(count));
  auto work = [&](std::int64_t from, std::int64_t to) {
    for (std::int64_t n = from; n < to; ++n)
      screen[static_cast<std::size_t>(n)] = camera.project(source.node(n + 1));
  };
  constexpr std::int64_t kPerThread = 1 << 18;
  model::parallelFor(count, model::loopThreads(count, kPerThread), work);
}

}  // namespace zentrix::drawing
