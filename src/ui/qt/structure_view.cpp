#include "ui/qt/structure_view.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>

#include "drawing/svg_picture.h"
#include "files/structure_exports.h"
#include "generation/model_check.h"
#include "picture/qt_picture.h"
#include "ui/view_texts.h"

namespace zentrix::ui {

namespace {

// A press and release closer than this is a click, not a drag.
constexpr double kClickSlack = 3.0;
constexpr double kWheelStep = 1.15;

QString qt(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

drawing::Subject drawingSubject(ViewSubject subject) {
  return subject == ViewSubject::BaseModule ? drawing::Subject::BaseModule
                                            : drawing::Subject::Structure;
}

}  // namespace

StructureViewWidget::StructureViewWidget(const model::Model& model, ViewSubject subject,
                                         bool romanian, QWidget* parent)
    : QWidget(parent),
      source_(drawing::drawingSource(model, drawingSubject(subject))),
      romanian_(romanian) {
  options_.romanian = romanian;
  camera_.resize(640, 480);
  camera_.setStandardView(drawing::openingView(source_));
  camera_.fit(source_);
  setMinimumSize(320, 240);
  setMouseTracking(false);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void StructureViewWidget::setStandardView(drawing::StandardView view) {
  camera_.setStandardView(view);
  camera_.fit(source_);
  screenCurrent_ = false;
  update();
}

void StructureViewWidget::fitToWindow() {
  camera_.fit(source_);
  screenCurrent_ = false;
  update();
}

void StructureViewWidget::setNumbers(bool shown) {
  options_.numbers = shown;
  update();
}

void StructureViewWidget::setLegend(bool shown) {
  options_.legend = shown;
  update();
}

void StructureViewWidget::setMarks(drawing::Marks marks) {
  options_.marks = std::move(marks);
  update();
}

const std::vector<drawing::ScreenPoint>& StructureViewWidget::screen() {
  if (!screenCurrent_) {
    drawing::projectNodes(source_, camera_, screen_);
    screenCurrent_ = true;
  }
  return screen_;
}

QImage StructureViewWidget::image() {
  QImage picture(camera_.width(), camera_.height(), QImage::Format_RGB32);
  {
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing,
                          source_.elementCount() <= drawing::kAntialiasedElements);
    picture::paintDrawing(source_, camera_, options_, screen(), painter, picture);
  }
  return picture;
}

// Drawn into an image of its own first: without antialiasing (while the
// model moves) the lines go straight into its pixels.
void StructureViewWidget::paintEvent(QPaintEvent*) {
  drawing::DrawOptions options = options_;
  const bool moving = drag_ != Drag::None && moved_;
  if (moving) options.elementBudget = kMovingElementBudget;
  if (frame_.size() != size()) frame_ = QImage(size(), QImage::Format_RGB32);
  {
    QPainter painter(&frame_);
    painter.setRenderHint(QPainter::Antialiasing,
                          !moving && source_.elementCount() <= drawing::kAntialiasedElements);
    lastDrawn_ = picture::paintDrawing(source_, camera_, options, screen(), painter, frame_);
  }
  QPainter(this).drawImage(0, 0, frame_);
}

void StructureViewWidget::resizeEvent(QResizeEvent*) {
  camera_.resize(width(), height());
  if (!fitted_) {
    camera_.fit(source_);
    fitted_ = true;
  }
  screenCurrent_ = false;
}

void StructureViewWidget::mousePressEvent(QMouseEvent* event) {
  pressedAt_ = event->position();
  lastAt_ = pressedAt_;
  moved_ = false;
  const bool pan =
      event->button() == Qt::MiddleButton ||
      (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier) != 0);
  drag_ = pan ? Drag::Pan : (event->button() == Qt::LeftButton ? Drag::Orbit : Drag::None);
}

void StructureViewWidget::mouseMoveEvent(QMouseEvent* event) {
  if (drag_ == Drag::None) return;
  const QPointF at = event->position();
  if (!moved_ && std::hypot(at.x() - pressedAt_.x(), at.y() - pressedAt_.y()) < kClickSlack) return;
  moved_ = true;
  const auto dx = static_cast<float>(at.x() - lastAt_.x());
  const auto dy = static_cast<float>(at.y() - lastAt_.y());
  if (drag_ == Drag::Orbit)
    camera_.orbit(dx, dy);
  else
    camera_.pan(dx, dy);
  lastAt_ = at;
  screenCurrent_ = false;
  update();
}

void StructureViewWidget::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = drag_ != Drag::None && !moved_;
  drag_ = Drag::None;
  if (click)
    pickAt(event->position());
  else
    update();  // the whole drawing again, now that it is still
}

void StructureViewWidget::wheelEvent(QWheelEvent* event) {
  const double steps = event->angleDelta().y() / 120.0;
  if (steps == 0.0) return;
  const QPointF at = event->position();
  camera_.zoomAt(static_cast<float>(std::pow(kWheelStep, steps)), static_cast<float>(at.x()),
                 static_cast<float>(at.y()));
  screenCurrent_ = false;
  update();
}

void StructureViewWidget::pickAt(QPointF at) {
  picked_ =
      drawing::pickAt(source_, screen(), {static_cast<float>(at.x()), static_cast<float>(at.y())});
  const std::string facts = picked_ ? drawing::describePick(source_, *picked_, romanian_)
                                    : model::say(texts::kViewNothingPicked, romanian_);
  if (onFacts) onFacts(facts);
}

std::vector<ViewExportFormat> viewExportFormats(ViewSubject subject, bool romanian) {
  std::vector<ViewExportFormat> formats;
  formats.push_back(
      {"SVG", "svg",
       [](const model::Model&, const StructureViewWidget& view, const std::string& path) {
         return drawing::writeSvgPicture(view.source(), view.camera(), view.options(), path);
       }});
  formats.push_back(
      {"PNG", "png",
       [](const model::Model&, const StructureViewWidget& view, const std::string& path) {
         return picture::writePngPicture(view.source(), view.camera(), view.options(), path);
       }});
  if (subject != ViewSubject::Structure) return formats;
  const auto exchange = [romanian](files::ExportFormat format) {
    return [format, romanian](const model::Model& model, const StructureViewWidget&,
                              const std::string& path) {
      return files::writeExportFile(format, files::exportParts(model, romanian), path);
    };
  };
  formats.push_back({"VTU", "vtu", exchange(files::ExportFormat::kVtu)});
  formats.push_back({"MSH", "msh", exchange(files::ExportFormat::kMsh)});
  formats.push_back({"DXF", "dxf", exchange(files::ExportFormat::kDxf)});
  return formats;
}

drawing::Marks findingMarks(const model::Model& model, ViewSubject subject) {
  drawing::Marks marks;
  const bool onStructure = subject == ViewSubject::Structure;
  for (const generation::Finding& finding : generation::checkModel(model)) {
    const bool aboutBaseModule = finding.numbering == generation::Numbering::kBaseModule;
    // A view of the Base module has no structure numbers to mark.
    if (!onStructure && !aboutBaseModule) continue;
    for (std::int64_t node : finding.nodes) {
      if (onStructure && aboutBaseModule) node = generation::structureNodeOfBaseNode(model, node);
      if (node > 0) marks.nodes.push_back(node);
    }
    for (std::int64_t element : finding.elements) {
      if (onStructure && aboutBaseModule)
        element = generation::structureElementOfBaseElement(model, element);
      if (element > 0) marks.elements.push_back(element);
    }
  }
  return marks;
}

StructureViewWindow::StructureViewWindow(const model::Model& model, ViewSubject subject,
                                         bool romanian, QWidget* parent)
    : QDialog(parent),
      model_(model),
      romanian_(romanian),
      formats_(viewExportFormats(subject, romanian)) {
  setObjectName("structureView");
  setWindowTitle(model::say(
      subject == ViewSubject::BaseModule ? texts::kViewTitleBaseModule : texts::kViewTitleStructure,
      romanian));
  view_ = new StructureViewWidget(model, subject, romanian, this);
  view_->setMarks(findingMarks(model, subject));
  status_ = new QLabel(this);
  status_->setObjectName("status");
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* buttons = new QHBoxLayout;
  auto addButton = [&](const QString& caption, const char* name, auto action) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, action);
    buttons->addWidget(button);
    return button;
  };
  addButton(qt(model::say(texts::kViewFit, romanian)), "fit", [this] { view_->fitToWindow(); });
  addButton(qt(model::say(texts::kViewIso, romanian)), "iso",
            [this] { view_->setStandardView(drawing::StandardView::Iso); });
  addButton("XY", "xy", [this] { view_->setStandardView(drawing::StandardView::XY); });
  addButton("XZ", "xz", [this] { view_->setStandardView(drawing::StandardView::XZ); });
  addButton("YZ", "yz", [this] { view_->setStandardView(drawing::StandardView::YZ); });
  auto* numbers = new QCheckBox(qt(model::say(texts::kViewNumbers, romanian)), this);
  numbers->setObjectName("numbers");
  connect(numbers, &QCheckBox::toggled, this, [this](bool on) { view_->setNumbers(on); });
  buttons->addWidget(numbers);
  auto* legend = new QCheckBox(qt(model::say(texts::kViewLegend, romanian)), this);
  legend->setObjectName("legend");
  legend->setChecked(true);
  connect(legend, &QCheckBox::toggled, this, [this](bool on) { view_->setLegend(on); });
  buttons->addWidget(legend);
  buttons->addStretch();
  for (std::size_t i = 0; i < formats_.size(); ++i) {
    const std::string name = "export" + formats_[i].name;
    addButton(qt(model::say(texts::kViewExport, romanian, {formats_[i].name})), "", [this, i] {
      chooseAndExport(i);
    })->setObjectName(qt(name));
  }
  addButton(qt(model::say(texts::kViewClose, romanian)), "close", [this] { accept(); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(view_, 1);
  layout->addWidget(status_);
  const std::string counts = model::say(texts::kViewCounts, romanian,
                                        {std::to_string(view_->source().nodeCount()),
                                         std::to_string(view_->source().elementCount())});
  status_->setText(qt(counts + "   " + model::say(texts::kViewHint, romanian)));
  view_->onFacts = [this](const std::string& facts) { status_->setText(qt(facts)); };
  resize(1000, 720);
}

QString StructureViewWindow::statusText() const {
  return status_->text();
}

model::Outcome StructureViewWindow::exportTo(std::size_t index, const std::string& path) {
  const model::Outcome written = formats_.at(index).write(model_, *view_, path);
  status_->setText(written ? qt(model::say(texts::kViewExported, romanian_, {path}))
                           : qt(written.message));
  return written;
}

void StructureViewWindow::chooseAndExport(std::size_t index) {
  const ViewExportFormat& format = formats_.at(index);
  const QString title = qt(model::say(texts::kViewExportTitle, romanian_, {format.name}));
  const QString filter = qt(format.name + " (*." + format.extension + ")");
  const QString chosen = QFileDialog::getSaveFileName(this, title, QString(), filter);
  if (chosen.isEmpty()) return;
  exportTo(index, chosen.toStdString());
}

}  // namespace zentrix::ui
