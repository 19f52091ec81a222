// The structure view: the drawing of the generated structure or of the
// Base module in a window. Drag to orbit, Shift+drag or the middle button
// to pan, the wheel to zoom at the cursor; a click shows the facts of the
// node or element under it, which is drawn highlighted. While the model
// moves, a structure of very many elements is drawn with an even share of
// them, and whole when it is still.
//
// The window stays open beside the main dialog and is given what to show
// after every change (dialog_layer.h). It reads the structure's arrays in
// place until it is given something else; the Base module, which the
// dialogs edit in place, it draws from a copy of its own.
#pragma once

#include <QDialog>
#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>
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

  // Draws `subject` of `model` from now on; the camera stays where it was
  // unless the subject changed.
  void showModel(const model::Model& model, ViewSubject subject);

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
  drawing::DrawingSource sourceOf(const model::Model& model, ViewSubject subject);

  // The Base module as last given (its arrays, the expansion and the types).
  model::Model baseModule_;
  ViewSubject subject_;
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
// extension, the most bytes it writes and its writer.
struct ViewExportFormat {
  std::string name;       // "SVG"
  std::string extension;  // "svg"
  std::function<model::Outcome(const model::Model& model, const StructureViewWidget& view,
                               const std::string& path, model::Progress& progress)>
      write;
  std::function<std::uint64_t(const model::Model& model, const StructureViewWidget& view)>
      sizeBound;
};

// Every export the view of `subject` offers, in the order of its buttons:
// the pictures always, the structure's exchange formats (VTU, MSH, DXF) when
// the view shows the generated structure.
std::vector<ViewExportFormat> viewExportFormats(ViewSubject subject, bool romanian);

// The view's window. Its exports ask, check and write through `host` as
// every file of the program is written (view_exports.h).
class StructureViewWindow final : public QDialog {
 public:
  StructureViewWindow(const model::Model& model, const StructureViewContent& content, bool romanian,
                      DialogHost& host, QWidget* parent = nullptr);
  // A window of its own, with the Qt backend's questions (tests, pictures).
  StructureViewWindow(const model::Model& model, ViewSubject subject, bool romanian,
                      QWidget* parent = nullptr);
  ~StructureViewWindow() override;

  // What the window shows from now on.
  void showContent(const model::Model& model, const StructureViewContent& content);
  const StructureViewContent& content() const noexcept { return content_; }

  StructureViewWidget& view() noexcept { return *view_; }
  QString statusText() const;
  // Whether the out-of-date line shows.
  bool marksOutOfDate() const;
  // Writes `path` in the format of `viewExportFormats(subject, romanian)` entry `index`,
  // reports the outcome in the status line, and returns it.
  model::Outcome exportTo(std::size_t index, const std::string& path);

 private:
  StructureViewWindow(const model::Model& model, const StructureViewContent& content, bool romanian,
                      std::unique_ptr<DialogHost> ownHost, QWidget* parent);
  void build();
  void chooseAndExport(const std::string& format);
  void showCounts();

  const model::Model* model_;
  StructureViewContent content_;
  bool romanian_;
  std::unique_ptr<DialogHost> ownHost_;
  DialogHost& host_;
  StructureViewWidget* view_ = nullptr;
  QLabel* outOfDate_ = nullptr;
  QLabel* status_ = nullptr;
  std::vector<ViewExportFormat> formats_;
  std::vector<QWidget*> exportButtons_;
};

}  // namespace zentrix::ui
