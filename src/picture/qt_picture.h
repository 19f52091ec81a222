// Drawings painted with Qt (QPainter on a QImage or a widget): the same
// scene as the SVG pictures, for the view window and for PNG pictures.
// Needs only Qt GUI; the program without a Qt GUI application creates an
// offscreen one for the time of a picture (fonts need one).
#pragma once

#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

#include "drawing/camera.h"
#include "drawing/drawing_source.h"
#include "drawing/scene.h"
#include "model/outcome.h"

namespace zentrix::picture {

// A canvas on a QPainter. Element lines are gathered per colour and width
// and painted in batches, which is what keeps millions of lines fast.
class QtCanvas final : public drawing::Canvas {
 public:
  explicit QtCanvas(QPainter& painter) : painter_(painter) {}
  // Draws thin element lines straight into `image` (32-bit pixels, the
  // painter's own device), as plain one-pixel lines: many times faster than
  // the painter for the lines of a drawing that moves. Other shapes still
  // go through the painter.
  QtCanvas(QPainter& painter, QImage& image);
  ~QtCanvas() override { flush(); }
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  void background(drawing::Colour colour) override;
  void line(std::int64_t element, int kind, drawing::ScreenPoint a, drawing::ScreenPoint b,
            drawing::Colour colour, float width) override;
  void square(drawing::ScreenPoint centre, float size, drawing::Colour colour) override;
  void panel(drawing::ScreenPoint topLeft, drawing::ScreenPoint bottomRight,
             drawing::Colour colour) override;
  void ring(drawing::ScreenPoint centre, float radius, drawing::Colour colour) override;
  void stroke(drawing::ScreenPoint a, drawing::ScreenPoint b, drawing::Colour colour,
              float width) override;
  void text(drawing::ScreenPoint at, std::string_view text, drawing::Colour colour, float size,
            drawing::TextAnchor anchor) override;
  // Paints what is gathered; done before anything else is painted over it.
  void flush();

 private:
  struct Batch {
    drawing::Colour colour;
    float width = 0.0f;
    std::vector<QLineF> lines;
  };
  Batch& batchFor(drawing::Colour colour, float width);
  void plainLine(drawing::ScreenPoint a, drawing::ScreenPoint b, QRgb colour);

  QPainter& painter_;
  QRgb* pixels_ = nullptr;  // the image's, when lines are drawn straight in
  int width_ = 0;
  int height_ = 0;
  qsizetype stride_ = 0;  // pixels per row
  std::vector<Batch> batches_;
};

QColor qtColour(drawing::Colour colour);

// Paints the drawing into `image` (sized as the camera).
drawing::DrawnCounts paintDrawing(const drawing::DrawingSource& source,
                                  const drawing::Camera& camera,
                                  const drawing::DrawOptions& options,
                                  const std::vector<drawing::ScreenPoint>& screen,
                                  QPainter& painter);
// The same into `image`, whose painter `painter` is; without antialiasing
// the thin lines are drawn straight into its pixels.
drawing::DrawnCounts paintDrawing(const drawing::DrawingSource& source,
                                  const drawing::Camera& camera,
                                  const drawing::DrawOptions& options,
                                  const std::vector<drawing::ScreenPoint>& screen,
                                  QPainter& painter, QImage& image);

// The drawing on an image of the camera's size; a null image when there is
// no memory for its pixels.
QImage renderImage(const drawing::DrawingSource& source, const drawing::Camera& camera,
                   const drawing::DrawOptions& options);

// Writes the drawing as a PNG picture at `path` through a temporary file,
// once it is encoded whole; a failure (no memory for the image, an encoding
// that fails, a file that cannot be written) names the file in the chosen
// language and leaves an existing file as it was.
model::Outcome writePngPicture(const drawing::DrawingSource& source, const drawing::Camera& camera,
                               const drawing::DrawOptions& options, const std::string& path);

}  // namespace zentrix::picture
