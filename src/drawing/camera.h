// The camera of a drawing: an orientation (screen right, screen up and the
// direction towards the viewer, as unit vectors in model axes), a pivot in
// the model, a scale in pixels per model unit and a pan in pixels. Orbiting
// turns the orientation about the pivot; the standard views set it. Screen
// coordinates are pixels from the top-left corner, y growing downwards.
#pragma once

#include <array>
#include <cstdint>

#include "drawing/drawing_source.h"

namespace zentrix::drawing {

enum class StandardView { Iso, XY, XZ, YZ };

struct ScreenPoint {
  float x = 0.0f;
  float y = 0.0f;
};

struct Axes {
  Point3 right{1.0f, 0.0f, 0.0f};
  Point3 up{0.0f, 1.0f, 0.0f};
  Point3 out{0.0f, 0.0f, 1.0f};
};

class Camera {
 public:
  Camera() = default;
  Camera(int width, int height) : width_(width), height_(height) {}

  void resize(int width, int height);
  int width() const noexcept { return width_; }
  int height() const noexcept { return height_; }

  void setStandardView(StandardView view);
  // Turns the model as a drag of (dx, dy) pixels would: right turns it
  // about the screen's up axis, down about the screen's right axis.
  void orbit(float dx, float dy);
  void pan(float dx, float dy);
  // Scales by `factor` keeping the model point under (x, y) in place.
  void zoomAt(float factor, float x, float y);
  // Centres the source in the viewport with a margin, for the current
  // orientation; the pivot becomes the middle of its nodes' box.
  void fit(const DrawingSource& source);

  ScreenPoint project(Point3 p) const {
    const float dx = p.x - pivot_.x;
    const float dy = p.y - pivot_.y;
    const float dz = p.z - pivot_.z;
    const float u = dx * axes_.right.x + dy * axes_.right.y + dz * axes_.right.z;
    const float v = dx * axes_.up.x + dy * axes_.up.y + dz * axes_.up.z;
    return {originX() + scale_ * u, originY() - scale_ * v};
  }

  const Axes& axes() const noexcept { return axes_; }
  float scale() const noexcept { return scale_; }
  Point3 pivot() const noexcept { return pivot_; }

 private:
  float originX() const { return 0.5f * static_cast<float>(width_) + panX_; }
  float originY() const { return 0.5f * static_cast<float>(height_) + panY_; }

  int width_ = 800;
  int height_ = 600;
  Axes axes_;
  Point3 pivot_;
  float scale_ = 1.0f;
  float panX_ = 0.0f;
  float panY_ = 0.0f;
};

// The view a model opens in: XY for a plane model, isometric otherwise.
StandardView openingView(const DrawingSource& source);

// The screen position of every node (entry 0 is node 1), computed on the
// caller's threads count (1 or more) for large structures.
void projectNodes(const DrawingSource& source, const Camera& camera,
                  std::vector<ScreenPoint>& screen);

}  // namespace zentrix::drawing
