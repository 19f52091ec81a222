// The structure view: the drawing of the generated structure or of the
// Base module in a window. Drag to orbit, Shift+drag or the middle button
// to pan, the wheel to zoom at the cursor; a click shows the facts of the
// node or element under it. While the model moves, a structure of very many
// elements is drawn with an even share of them, and whole when it is still.
//
// The window holds the model's arrays by reference: it is modal, so nothing
// changes them while it is open.
#pragma once

#include <QDialog>
#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "drawing/camera.h"
#include "drawing/drawing_source.h"
#include "drawing/scene.h"
#include "model/model.h"
#include "model/outcome.h"
#include "ui/dialog_layer.h"

class QLabel;
class QCheckBox;

namespace zentrix::ui {

using drawing::kMovingElementBudget;

class StructureViewWidget final : public QWidget {
 public:
  StructureViewWidget(const model::Model& model, ViewSubject subject, bool romanian,
                      QWidget* parent = nullptr);

  void setStandardView(drawing::StandardView view);
  void fitToWindow();
  void setNumbers(bool shown);
  void setLegend(bool shown);
  // Node and element numbers to mark (the findings of a model check).
  void setMarks(drawing::Marks marks);

  const drawing::DrawingSource& source() const noexcept { return source_; }
  const drawing::Camera& camera() const noexcept { return camera_; }
  drawing::Camera& camera() noexcept { return camera_; }
  const drawing::DrawOptions& options() const noexcept { return options_; }
  // The screen positions of the nodes as last drawn.
  const std::vector<drawing::ScreenPoint>& screen();
  // What the last click picked, and its facts.
  const std::optional<drawing::Pick>& picked() const noexcept { return picked_; }
  // Called with the facts of each click.
  std::function<void(const std::string&)> onFacts;

  // The drawing as it would be painted now (full, as when still).
  QImage image();
  // What the last paint drew.
  const drawing::DrawnCounts& lastDrawn() const noexcept { return lastDrawn_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void pickAt(QPointF at);

  drawing::DrawingSource source_;
  drawing::Camera camera_;
  drawing::DrawOptions options_;
  std::vector<drawing::ScreenPoint> screen_;
  bool screenCurrent_ = false;
  bool romanian_ = false;
  bool fitted_ = false;
  enum class Drag { None, Orbit, Pan } drag_ = Drag::None;
  QPointF pressedAt_;
  QPointF lastAt_;
  bool moved_ = false;
  std::optional<drawing::Pick> picked_;
  drawing::DrawnCounts lastDrawn_;
  QImage frame_;
};

// One way to write the structure from the view: its button caption, file
// extension and writer.
struct ViewExportFormat {
  std::string name;       // "SVG"
  std::string extension;  // "svg"
  std::function<model::Outcome(const model::Model& model, const StructureViewWidget& view,
                               const std::string& path)>
      write;
};

// Every export the view of `subject` offers, in the order of its buttons:
// the pictures always, the structure's exchange formats (VTU, MSH, DXF) when
// the view shows the generated structure.
std::vector<ViewExportFormat> viewExportFormats(ViewSubject subject, bool romanian);

// The nodes and elements the view marks when it opens: the findings of the
// model check on what it shows.
drawing::Marks findingMarks(const model::Model& model, ViewSubject subject);

class StructureViewWindow final : public QDialog {
 public:
  StructureViewWindow(const model::Model& model, ViewSubject subject, bool romanian,
                      QWidget* parent = nullptr);

  StructureViewWidget& view() noexcept { return *view_; }
  QString statusText() const;
  // Writes `path` in the format of `viewExportFormats(subject, romanian)` entry `index`,
  // reports the outcome in the status line, and returns it.
  model::Outcome exportTo(std::size_t index, const std::string& path);

 private:
  void chooseAndExport(std::size_t index);

  const model::Model& model_;
  bool romanian_;
  StructureViewWidget* view_ = nullptr;
  QLabel* status_ = nullptr;
  std::vector<ViewExportFormat> formats_;
};

}  // namespace zentrix::ui
