#include "picture/qt_picture.h"

#include <QBuffer>
#include <QFont>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <memory>

#include "drawing/drawing_texts.h"
#include "files/text_file_output.h"
#include "files/writer_checks.h"

namespace zentrix::picture {

namespace {

constexpr std::size_t kBatchLines = 1 << 14;

QPointF point(drawing::ScreenPoint p) {
  return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

// Fonts need a GUI application; a program without one (the command line)
// gets an offscreen one while it paints. Qt's notes meanwhile (a missing
// runtime folder and the like) are no news to a user who asked for a
// picture; once it is painted, Qt's messages go where they went before.
class GuiApplicationIfMissing {
 public:
  GuiApplicationIfMissing() {
    if (QCoreApplication::instance() != nullptr) return;
    static int argc = 3;
    static char name[] = "zentrix";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    previous_ = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    quieted_ = true;
    application_ = std::make_unique<QGuiApplication>(argc, argv);
  }
  ~GuiApplicationIfMissing() {
    application_.reset();
    if (quieted_) qInstallMessageHandler(previous_);
  }
  GuiApplicationIfMissing(const GuiApplicationIfMissing&) = delete;
  GuiApplicationIfMissing& operator=(const GuiApplicationIfMissing&) = delete;

 private:
  QtMessageHandler previous_ = nullptr;
  bool quieted_ = false;
  std::unique_ptr<QGuiApplication> application_;
};

}  // namespace

QColor qtColour(drawing::Colour colour) {
  return QColor(colour.r, colour.g, colour.b);
}

void QtCanvas::background(drawing::Colour colour) {
  const QRect area = painter_.viewport();
  painter_.fillRect(area, qtColour(colour));
}

namespace {

// Lines one pixel wide are drawn with a cosmetic pen, whose lines Qt draws
// on its fast path: several times faster for many thin lines.
QPen penOf(drawing::Colour colour, float width) {
  QPen pen(qtColour(colour), width <= 1.0f ? 0.0 : static_cast<double>(width));
  pen.setCosmetic(true);
  return pen;
}

}  // namespace

QtCanvas::Batch& QtCanvas::batchFor(drawing::Colour colour, float width) {
  for (Batch& batch : batches_)
    if (batch.colour == colour && batch.width == width) return batch;
  batches_.push_back({colour, width, {}});
  batches_.back().lines.reserve(kBatchLines);
  return batches_.back();
}

QtCanvas::QtCanvas(QPainter& painter, QImage& image) : painter_(painter) {
  const bool plain = !painter.testRenderHint(QPainter::Antialiasing);
  const bool thirtyTwoBits =
      image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
  if (!plain || !thirtyTwoBits || image.isNull()) return;
  pixels_ = reinterpret_cast<QRgb*>(image.bits());
  width_ = image.width();
  height_ = image.height();
  stride_ = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
}

// Clips the segment to the image (Liang-Barsky), then steps one pixel at a
// time along its longer axis.
void QtCanvas::plainLine(drawing::ScreenPoint a, drawing::ScreenPoint b, QRgb colour) {
  double x0 = a.x, y0 = a.y, x1 = b.x, y1 = b.y;
  const double dx = x1 - x0;
  const double dy = y1 - y0;
  double t0 = 0.0, t1 = 1.0;
  const double low = 0.0;
  const double highX = width_ - 1;
  const double highY = height_ - 1;
  const auto clip = [&](double p, double q) {
    if (p == 0.0) return q >= 0.0;
    const double r = q / p;
    if (p < 0.0) {
      if (r > t1) return false;
      if (r > t0) t0 = r;
    } else {
      if (r < t0) return false;
      if (r < t1) t1 = r;
    }
    return true;
  };
  if (!clip(-dx, x0 - low) || !clip(dx, highX - x0) || !clip(-dy, y0 - low) ||
      !clip(dy, highY - y0))
    return;
  if (!(std::isfinite(x0) && std::isfinite(y0) && std::isfinite(dx) && std::isfinite(dy))) return;
  x1 = x0 + t1 * dx;
  y1 = y0 + t1 * dy;
  x0 += t0 * dx;
  y0 += t0 * dy;
  const double steps = std::ceil(std::max(std::fabs(x1 - x0), std::fabs(y1 - y0)));
  const auto count = static_cast<int>(steps);
  const double sx = count > 0 ? (x1 - x0) / steps : 0.0;
  const double sy = count > 0 ? (y1 - y0) / steps : 0.0;
  double x = x0 + 0.5;
  double y = y0 + 0.5;
  for (int i = 0; i <= count; ++i) {
    const auto px = static_cast<int>(x);
    const auto py = static_cast<int>(y);
    if (px >= 0 && py >= 0 && px < width_ && py < height_)
      pixels_[static_cast<qsizetype>(py) * stride_ + px] = colour;
    x += sx;
    y += sy;
  }
}

void QtCanvas::line(std::int64_t, int, drawing::ScreenPoint a, drawing::ScreenPoint b,
                    drawing::Colour colour, float width) {
  if (pixels_ != nullptr && width <= 1.0f) {
    plainLine(a, b, qRgb(colour.r, colour.g, colour.b));
    return;
  }
  Batch& batch = batchFor(colour, width);
  batch.lines.emplace_back(point(a), point(b));
  if (batch.lines.size() >= kBatchLines) {
    painter_.setPen(penOf(batch.colour, batch.width));
    painter_.drawLines(batch.lines.data(), static_cast<int>(batch.lines.size()));
    batch.lines.clear();
  }
}

void QtCanvas::flush() {
  for (Batch& batch : batches_) {
    if (batch.lines.empty()) continue;
    painter_.setPen(penOf(batch.colour, batch.width));
    painter_.drawLines(batch.lines.data(), static_cast<int>(batch.lines.size()));
    batch.lines.clear();
  }
}

void QtCanvas::panel(drawing::ScreenPoint topLeft, drawing::ScreenPoint bottomRight,
                     drawing::Colour colour) {
  flush();
  painter_.fillRect(QRectF(point(topLeft), point(bottomRight)), qtColour(colour));
}

void QtCanvas::square(drawing::ScreenPoint centre, float size, drawing::Colour colour) {
  flush();
  const double half = 0.5 * static_cast<double>(size);
  painter_.fillRect(QRectF(point(centre) - QPointF(half, half), QSizeF(2 * half, 2 * half)),
                    qtColour(colour));
}

void QtCanvas::ring(drawing::ScreenPoint centre, float radius, drawing::Colour colour) {
  flush();
  painter_.setPen(QPen(qtColour(colour), 2.0));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawEllipse(point(centre), static_cast<double>(radius), static_cast<double>(radius));
}

void QtCanvas::stroke(drawing::ScreenPoint a, drawing::ScreenPoint b, drawing::Colour colour,
                      float width) {
  flush();
  painter_.setPen(QPen(qtColour(colour), static_cast<double>(width)));
  painter_.drawLine(point(a), point(b));
}

void QtCanvas::text(drawing::ScreenPoint at, std::string_view text, drawing::Colour colour,
                    float size, drawing::TextAnchor anchor) {
  flush();
  QFont font = painter_.font();
  font.setPixelSize(static_cast<int>(size));
  painter_.setFont(font);
  painter_.setPen(qtColour(colour));
  const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  QPointF where = point(at);
  if (anchor == drawing::TextAnchor::Middle)
    where.rx() -= 0.5 * painter_.fontMetrics().horizontalAdvance(shown);
  painter_.drawText(where, shown);
}

drawing::DrawnCounts paintDrawing(const drawing::DrawingSource& source,
                                  const drawing::Camera& camera,
                                  const drawing::DrawOptions& options,
                                  const std::vector<drawing::ScreenPoint>& screen,
                                  QPainter& painter) {
  QtCanvas canvas(painter);
  const drawing::DrawnCounts counts = drawing::draw(source, camera, options, screen, canvas);
  canvas.flush();
  return counts;
}

drawing::DrawnCounts paintDrawing(const drawing::DrawingSource& source,
                                  const drawing::Camera& camera,
                                  const drawing::DrawOptions& options,
                                  const std::vector<drawing::ScreenPoint>& screen,
                                  QPainter& painter, QImage& image) {
  QtCanvas canvas(painter, image);
  const drawing::DrawnCounts counts = drawing::draw(source, camera, options, screen, canvas);
  canvas.flush();
  return counts;
}

QImage renderImage(const drawing::DrawingSource& source, const drawing::Camera& camera,
                   const drawing::DrawOptions& options) {
  const GuiApplicationIfMissing application;
  QImage image(camera.width(), camera.height(), QImage::Format_RGB32);
  if (image.isNull()) return image;  // no memory for its pixels
  std::vector<drawing::ScreenPoint> screen;
  drawing::projectNodes(source, camera, screen);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing,
                          source.elementCount() <= drawing::kAntialiasedElements);
    paintDrawing(source, camera, options, screen, painter, image);
  }
  return image;
}

model::Outcome writePngPicture(const drawing::DrawingSource& source, const drawing::Camera& camera,
                               const drawing::DrawOptions& options, const std::string& path) {
  const bool romanian = options.romanian;
  try {
    QByteArray bytes;
    {
      const QImage image = renderImage(source, camera, options);
      if (image.isNull())
        return files::refusedWrite(path, files::notEnoughMemory(romanian), romanian);
      QBuffer buffer(&bytes);
      if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG") || bytes.isEmpty())
        return files::refusedWrite(path, model::say(drawing::texts::kPngNotEncoded, romanian),
                                   romanian);
    }
    // Encoded whole first: the file is replaced only by a complete picture.
    files::TextFileOutput out(path, romanian);
    if (out.open()) out.writeBlock(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return out.finish();
  } catch (const std::bad_alloc&) {
    return files::refusedWrite(path, files::notEnoughMemory(romanian), romanian);
  }
}

}  // namespace zentrix::picture
