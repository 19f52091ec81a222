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
#include "picture/qt_picture.h"
#include "ui/finding_marks.h"
#include "ui/qt/qt_dialog_host.h"
#include "ui/view_exports.h"
#include "ui/view_texts.h"

namespace zentrix::ui {

namespace {

// A press and release closer than this is a click, not a drag.
constexpr double kClickSlack = 3.0;
constexpr double kWheelStep = 1.15;

QString qt(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Bounds of the pictures: an SVG line of an element or label at most, a
// PNG of uncompressed pixels with the file's own blocks.
constexpr std::uint64_t kSvgFixedPart = 16384;
constexpr std::uint64_t kSvgBytesPerShape = 256;
constexpr std::uint64_t kPngFixedPart = 65536;

std::uint64_t svgSizeBound(const StructureViewWidget& view) {
  const auto shapes = static_cast<std::uint64_t>(
      view.source().elementCount() + view.source().nodeCount() + 2 * drawing::kMaxLabels);
  return kSvgFixedPart + kSvgBytesPerShape * shapes + view.source().title().size();
}

std::uint64_t pngSizeBound(const StructureViewWidget& view) {
  const auto width = static_cast<std::uint64_t>(view.camera().width());
  const auto height = static_cast<std::uint64_t>(view.camera().height());
  return kPngFixedPart + height * (4 * width + 1) * 2;
}

// What a picture shows of the view: the view without the clicked highlight.
drawing::DrawOptions pictureOptions(const StructureViewWidget& view) {
  drawing::DrawOptions options = view.options();
  options.highlight.reset();
  return options;
}

using PictureWriter = model::Outcome (*)(const drawing::DrawingSource&, const drawing::Camera&,
                                         const drawing::DrawOptions&, const std::string&);

// A picture of the view as it is now.
ViewExportFormat pictureFormat(const char* name, const char* extension, PictureWriter writer,
                               std::uint64_t (*sizeBound)(const StructureViewWidget&)) {
  return {name, extension,
          [writer](const model::Model&, const StructureViewWidget& view, const std::string& path,
                   model::Progress& progress) {
            const model::Outcome written =
                writer(view.source(), view.camera(), pictureOptions(view), path);
            progress.advance(1.0);
            return written;
          },
          [sizeBound](const model::Model&, const StructureViewWidget& view) {
            return sizeBound(view);
          }};
}

}  // namespace

StructureViewWidget::StructureViewWidget(const model::Model& model, ViewSubject subject,
                                         bool romanian, QWidget* parent)
    : QWidget(parent), subject_(subject), source_(sourceOf(model, subject)), romanian_(romanian) {
  options_.romanian = romanian;
  camera_.resize(640, 480);
  camera_.setStandardView(drawing::openingView(source_));
  camera_.fit(source_);
  setMinimumSize(320, 240);
  setMouseTracking(false);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

drawing::DrawingSource StructureViewWidget::sourceOf(const model::Model& model,
                                                     ViewSubject subject) {
  if (subject == ViewSubject::Structure)
    return drawing::drawingSource(model, drawing::Subject::Structure);
  baseModule_ = model::Model{};
  baseModule_.base = model.base;
  baseModule_.expansion = model.expansion;
  baseModule_.types = model.types;
  return drawing::drawingSource(baseModule_, drawing::Subject::BaseModule);
}

void StructureViewWidget::showModel(const model::Model& model, ViewSubject subject) {
  const bool sameSubject = subject == subject_;
  subject_ = subject;
  source_ = sourceOf(model, subject);
  picked_.reset();
  options_.highlight.reset();
  if (!sameSubject) camera_.setStandardView(drawing::openingView(source_));
  if (!sameSubject || !fitted_) camera_.fit(source_);
  screenCurrent_ = false;
  update();
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
  options_.highlight = picked_;
  update();
  const std::string facts = picked_ ? drawing::describePick(source_, *picked_, romanian_)
                                    : model::say(texts::kViewNothingPicked, romanian_);
  if (onFacts) onFacts(facts);
}

std::vector<ViewExportFormat> viewExportFormats(ViewSubject subject, bool romanian) {
  std::vector<ViewExportFormat> formats;
  formats.push_back(pictureFormat("SVG", "svg", drawing::writeSvgPicture, svgSizeBound));
  formats.push_back(pictureFormat("PNG", "png", picture::writePngPicture, pngSizeBound));
  if (subject != ViewSubject::Structure) return formats;
  // The exchange formats are the dialog logic's; the view only offers them.
  for (const char* name : {"VTU", "MSH", "DXF"}) {
    const std::string format = name;
    const auto output = [format, romanian](const model::Model& model) {
      for (ViewOutput& exchange : exchangeOutputs(model, romanian))
        if (exchange.name == format) return exchange;
      return ViewOutput{};
    };
    std::string extension = format;
    for (char& c : extension) c = static_cast<char>(c - 'A' + 'a');
    formats.push_back(
        {format, extension,
         [output](const model::Model& model, const StructureViewWidget&, const std::string& path,
                  model::Progress& progress) { return output(model).write(path, progress); },
         [output](const model::Model& model, const StructureViewWidget&) {
           return output(model).sizeBound();
         }});
  }
  return formats;
}

StructureViewWindow::StructureViewWindow(const model::Model& model,
                                         const StructureViewContent& content, bool romanian,
                                         DialogHost& host, QWidget* parent)
    : QDialog(parent), model_(&model), content_(content), romanian_(romanian), host_(host) {
  build();
}

StructureViewWindow::StructureViewWindow(const model::Model& model, ViewSubject subject,
                                         bool romanian, QWidget* parent)
    : StructureViewWindow(model, StructureViewContent{subject, false, {}, nullptr}, romanian,
                          std::make_unique<QtDialogHost>(), parent) {}

StructureViewWindow::StructureViewWindow(const model::Model& model,
                                         const StructureViewContent& content, bool romanian,
                                         std::unique_ptr<DialogHost> ownHost, QWidget* parent)
    : QDialog(parent),
      model_(&model),
      content_(content),
      romanian_(romanian),
      ownHost_(std::move(ownHost)),
      host_(*ownHost_) {
  ownHost_->setRomanian(romanian);
  build();
}

StructureViewWindow::~StructureViewWindow() = default;

void StructureViewWindow::build() {
  setObjectName("structureView");
  const ViewSubject subject = content_.subject;
  formats_ = viewExportFormats(subject, romanian_);
  view_ = new StructureViewWidget(*model_, subject, romanian_, this);
  view_->setMarks(content_.marks ? *content_.marks : findingMarks(*model_, subject));
  outOfDate_ = new QLabel(qt(model::say(texts::kViewOutOfDate, romanian_)), this);
  outOfDate_->setObjectName("outOfDate");
  outOfDate_->setStyleSheet("QLabel { background: #fff3c4; color: #202020; padding: 4px; }");
  outOfDate_->setVisible(content_.outOfDate);
  status_ = new QLabel(this);
  status_->setObjectName("status");
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* buttons = new QHBoxLayout;
  auto addButton = [&](const QString& caption, const QString& name, auto action) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, action);
    buttons->addWidget(button);
    return button;
  };
  addButton(qt(model::say(texts::kViewFit, romanian_)), "fit", [this] { view_->fitToWindow(); });
  addButton(qt(model::say(texts::kViewIso, romanian_)), "iso",
            [this] { view_->setStandardView(drawing::StandardView::Iso); });
  addButton("XY", "xy", [this] { view_->setStandardView(drawing::StandardView::XY); });
  addButton("XZ", "xz", [this] { view_->setStandardView(drawing::StandardView::XZ); });
  addButton("YZ", "yz", [this] { view_->setStandardView(drawing::StandardView::YZ); });
  auto* numbers = new QCheckBox(qt(model::say(texts::kViewNumbers, romanian_)), this);
  numbers->setObjectName("numbers");
  connect(numbers, &QCheckBox::toggled, this, [this](bool on) { view_->setNumbers(on); });
  buttons->addWidget(numbers);
  auto* legend = new QCheckBox(qt(model::say(texts::kViewLegend, romanian_)), this);
  legend->setObjectName("legend");
  legend->setChecked(true);
  connect(legend, &QCheckBox::toggled, this, [this](bool on) { view_->setLegend(on); });
  buttons->addWidget(legend);
  buttons->addStretch();
  // Every format has its button; those the subject does not offer are hidden.
  for (const ViewExportFormat& format : viewExportFormats(ViewSubject::Structure, romanian_)) {
    const std::string name = format.name;
    exportButtons_.push_back(addButton(qt(model::say(texts::kViewExport, romanian_, {name})),
                                       qt("export" + name),
                                       [this, name] { chooseAndExport(name); }));
    exportButtons_.back()->setVisible(exportButtons_.size() <= formats_.size());
  }
  addButton(qt(model::say(texts::kViewClose, romanian_)), "close", [this] { accept(); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(outOfDate_);
  layout->addWidget(view_, 1);
  layout->addWidget(status_);
  setWindowTitle(qt(model::say(
      subject == ViewSubject::BaseModule ? texts::kViewTitleBaseModule : texts::kViewTitleStructure,
      romanian_)));
  showCounts();
  view_->onFacts = [this](const std::string& facts) { status_->setText(qt(facts)); };
  resize(1000, 720);
}

void StructureViewWindow::showContent(const model::Model& model,
                                      const StructureViewContent& content) {
  // The model check of a large structure takes seconds: the marks come with
  // a structure checked after GENERATE; without them the view checks a
  // structure shown anew (a new structure always follows the Base module,
  // which the view is given while the arrays are rebuilt), not after each
  // change of an input. The Base module alone is checked at once.
  const bool findAgain = content.marks ? content.marks != content_.marks
                                       : content.subject != content_.subject ||
                                             content.subject == ViewSubject::BaseModule;
  model_ = &model;
  content_ = content;
  formats_ = viewExportFormats(content.subject, romanian_);
  for (std::size_t i = 0; i < exportButtons_.size(); ++i)
    exportButtons_[i]->setVisible(i < formats_.size());
  view_->showModel(model, content.subject);
  if (findAgain)
    view_->setMarks(content.marks ? *content.marks : findingMarks(model, content.subject));
  outOfDate_->setVisible(content.outOfDate);
  setWindowTitle(
      qt(model::say(content.subject == ViewSubject::BaseModule ? texts::kViewTitleBaseModule
                                                               : texts::kViewTitleStructure,
                    romanian_)));
  showCounts();
}

void StructureViewWindow::showCounts() {
  const std::string counts = model::say(texts::kViewCounts, romanian_,
                                        {std::to_string(view_->source().nodeCount()),
                                         std::to_string(view_->source().elementCount())});
  status_->setText(qt(counts + "   " + model::say(texts::kViewHint, romanian_)));
}

QString StructureViewWindow::statusText() const {
  return status_->text();
}

bool StructureViewWindow::marksOutOfDate() const {
  return !outOfDate_->isHidden();
}

model::Outcome StructureViewWindow::exportTo(std::size_t index, const std::string& path) {
  model::NoProgress progress;
  const model::Outcome written = formats_.at(index).write(*model_, *view_, path, progress);
  status_->setText(written ? qt(model::say(texts::kViewExported, romanian_, {path}))
                           : qt(written.message));
  return written;
}

void StructureViewWindow::chooseAndExport(const std::string& name) {
  for (const ViewExportFormat& offered : formats_) {
    if (offered.name != name) continue;
    const ViewExportFormat format = offered;
    const ViewOutput output{format.name, format.extension,
                            [this, format] { return format.sizeBound(*model_, *view_); },
                            [this, format](const std::string& path, model::Progress& progress) {
                              return format.write(*model_, *view_, path, progress);
                            }};
    if (const auto written = exportViewOutput(host_, output, content_.place, romanian_))
      status_->setText(qt(model::say(texts::kViewExported, romanian_, {*written})));
    return;
  }
}

}  // namespace zentrix::ui
