#include "ui/qt/qt_dialog_host.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "files/native_path.h"
#include "model/text.h"
#include "ui/qt/form_loader.h"
#include "ui/qt/qt_texts.h"
#include "ui/qt/structure_view.h"
#include "ui/ui_texts.h"
#include "ui/view_exports.h"

namespace zentrix::ui {

namespace {

QString toQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string fromQt(const QString& text) {
  return text.toStdString();
}

QString nativeText(std::string_view modelPath) {
  return toQt(files::modelPathText(files::nativePath(modelPath)));
}

QString qtText(const model::Text& text, bool romanian) {
  return QString::fromUtf8(model::say(text, romanian));
}

// The one home of the standard texts Qt would take from a catalogue.
QString standardButtonText(QMessageBox::StandardButton button, bool romanian) {
  switch (button) {
    case QMessageBox::Ok:
      return QStringLiteral("OK");
    case QMessageBox::Yes:
      return qtText(qt_texts::kYes, romanian);
    case QMessageBox::No:
      return qtText(qt_texts::kNo, romanian);
    case QMessageBox::Retry:
      return qtText(qt_texts::kRetry, romanian);
    case QMessageBox::Cancel:
      return qtText(qt_texts::kCancel, romanian);
    case QMessageBox::Save:
      return qtText(qt_texts::kSave, romanian);
    case QMessageBox::Discard:
      return qtText(qt_texts::kDiscard, romanian);
    default:
      return {};
  }
}

void speakLanguage(QMessageBox& box, bool romanian) {
  for (QAbstractButton* button : box.buttons()) {
    const QString text = standardButtonText(box.standardButton(button), romanian);
    if (!text.isEmpty()) button->setText(text);
  }
}

void speakLanguage(QFileDialog& dialog, FileChoice choice, bool romanian) {
  const bool save = choice == FileChoice::Save;
  dialog.setLabelText(QFileDialog::LookIn, qtText(qt_texts::kLookIn, romanian));
  dialog.setLabelText(QFileDialog::FileName, qtText(qt_texts::kFileName, romanian));
  dialog.setLabelText(QFileDialog::FileType, qtText(qt_texts::kFilesOfType, romanian));
  dialog.setLabelText(QFileDialog::Accept,
                      save ? qtText(qt_texts::kSave, romanian) : qtText(qt_texts::kOpen, romanian));
  dialog.setLabelText(QFileDialog::Reject, qtText(qt_texts::kCancel, romanian));
}

int execMessage(QMessageBox& box, bool romanian) {
  speakLanguage(box, romanian);
  return box.exec();
}

template <class Widget>
Widget* as(QWidget* widget) {
  return qobject_cast<Widget*>(widget);
}

// A one-line sunken field (the paths in use) shows a text too long for it
// elided in the middle, so both the folder's start and the file's name stay
// readable; the whole text is its tool tip.
void showInLabel(QLabel& label, const QString& text) {
  const bool pathField = label.frameShadow() == QFrame::Sunken && !label.wordWrap() &&
                         !text.contains(QLatin1Char('\n'));
  if (!pathField) {
    label.setText(text);
    return;
  }
  label.setProperty("wholeText", text);
  label.setToolTip(text);
  const int room = label.contentsRect().width() - 2 * label.margin() - 4;
  label.setText(label.fontMetrics().elidedText(text, Qt::ElideMiddle, std::max(room, 0)));
}

// Entries of a drop-down list or a list box, so both are handled alike.
int countOf(QWidget* list) {
  if (auto* combo = as<QComboBox>(list)) return combo->count();
  if (auto* box = as<QListWidget>(list)) return box->count();
  return 0;
}

// Enter in an edit box bound with `onEnter` clicks its button (a disabled
// one does nothing) and goes no further, so the default button stays still.
class EnterClicksButton final : public QObject {
 public:
  EnterClicksButton(QAbstractButton& button, QObject& parent)
      : QObject(&parent), button_(&button) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) return false;
    if (button_) button_->click();
    return true;
  }

 private:
  QPointer<QAbstractButton> button_;
};

}  // namespace

// Routes Escape and the close box through the dialog's close request.
class CloseFilter final : public QObject {
 public:
  explicit CloseFilter(QtDialog& dialog) : dialog_(dialog) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    return watched == &dialog_.window() && dialog_.eventFilter(*event);
  }

 private:
  QtDialog& dialog_;
};

QtDialog::QtDialog(int templateId, std::unique_ptr<QDialog> window, const QtDialogHost& host)
    : templateId_(templateId), window_(std::move(window)), host_(host) {
  window_->setProperty("templateId", templateId);
  closeFilter_ = std::make_unique<CloseFilter>(*this);
  window_->installEventFilter(closeFilter_.get());
  connectControls();
}

void QtDialog::reportFailure(const char* what) const {
  QMessageBox box(
      QMessageBox::Critical, qtText(texts::kMessageTitle, host_.romanian()),
      qtText(qt_texts::kUnexpectedError, host_.romanian()).arg(QString::fromUtf8(what)));
  execMessage(box, host_.romanian());
}

void QtDialog::userClose(int exitCode) {
  if (asking_) return;
  if (closeRequest_) {
    asking_ = true;
    CloseRequest request = closeRequest_;
    bool mayClose = false;
    try {
      mayClose = request(exitCode);
    } catch (const std::exception& error) {
      reportFailure(error.what());
    } catch (...) {
      reportFailure("unknown");
    }
    asking_ = false;
    if (!mayClose) return;
  }
  window_->done(exitCode == kCancelButton ? QDialog::Rejected : exitCode);
}

bool QtDialog::eventFilter(QEvent& event) {
  if (!closeRequest_) return false;
  if (event.type() == QEvent::KeyPress) {
    const auto& key = static_cast<const QKeyEvent&>(event);
    if (key.key() != Qt::Key_Escape || key.modifiers() != Qt::NoModifier) return false;
    userClose(kCancelButton);
    return true;
  }
  if (event.type() == QEvent::Close && window_->isVisible()) {
    event.ignore();
    userClose(kCancelButton);
    return true;
  }
  return false;
}

QtDialog::~QtDialog() = default;

QWidget* QtDialog::control(ControlId id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second.data();
}

namespace {

// A label or group box without a control id of its own: the template's
// "labelN" or "groupN", reached by templateLabel(N) or templateGroup(N).
std::optional<ControlId> captionId(const QWidget& widget) {
  static const QRegularExpression name(QStringLiteral("^(label|group)([1-9][0-9]?)$"));
  const QRegularExpressionMatch match = name.match(widget.objectName());
  if (!match.hasMatch()) return std::nullopt;
  const int n = match.captured(2).toInt();
  if (match.captured(1) == QLatin1String("label") && qobject_cast<const QLabel*>(&widget))
    return templateLabel(n);
  if (match.captured(1) == QLatin1String("group") && qobject_cast<const QGroupBox*>(&widget))
    return templateGroup(n);
  return std::nullopt;
}

}  // namespace

void QtDialog::connectControls() {
  QDialog* window = window_.get();
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    const QVariant property = widget->property("controlId");
    if (!property.isValid()) {
      if (const std::optional<ControlId> caption = captionId(*widget)) controls_[*caption] = widget;
      continue;
    }
    const ControlId id = property.toInt();
    controls_[id] = widget;
    if (auto* button = as<QAbstractButton>(widget)) {
      if (id == kOkButton || id == kCancelButton) {
        QObject::connect(button, &QAbstractButton::clicked, window, [this, id] { userClose(id); });
      } else {
        QObject::connect(button, &QAbstractButton::clicked, window,
                         [this, id] { dispatch(id, EventKind::Clicked); });
      }
    } else if (auto* edit = as<QLineEdit>(widget)) {
      QObject::connect(edit, &QLineEdit::textEdited, window,
                       [this, id] { dispatch(id, EventKind::TextChanged); });
    } else if (auto* combo = as<QComboBox>(widget)) {
      QObject::connect(combo, &QComboBox::activated, window,
                       [this, id] { dispatch(id, EventKind::SelectionChanged); });
    } else if (auto* list = as<QListWidget>(widget)) {
      // After the selection has changed, whatever the device: the current
      // row moves before the selection does on a mouse press, so a handler
      // run on that would read the entry chosen before. Changes made by the
      // program run under a signal blocker.
      QObject::connect(list, &QListWidget::itemSelectionChanged, window,
                       [this, id] { dispatch(id, EventKind::SelectionChanged); });
    }
  }
}

void QtDialog::dispatch(ControlId control, EventKind event) {
  const auto found = handlers_.find(control);
  if (found == handlers_.end()) return;
  // A copy: the handler may register handlers of its own dialog again.
  Handler handler = found->second;
  try {
    handler(*this, control, event);
  } catch (const std::exception& error) {
    reportFailure(error.what());
  } catch (...) {
    reportFailure("unknown");
  }
}

void QtDialog::onEvent(ControlId control, Handler handler) {
  handlers_[control] = std::move(handler);
}

void QtDialog::onEnter(ControlId edit, ControlId button) {
  QWidget* box = control(edit);
  auto* target = as<QAbstractButton>(control(button));
  if (box == nullptr || target == nullptr) return;
  box->installEventFilter(new EnterClicksButton(*target, *box));
}

void QtDialog::onInitialised(Handler handler) {
  initialised_ = std::move(handler);
}

void QtDialog::setEntryCount(ControlId list, int count) {
  QWidget* widget = control(list);
  if (widget == nullptr) return;
  const QSignalBlocker blocker(widget);
  const int selected = selection(list);
  if (auto* combo = as<QComboBox>(widget)) {
    while (combo->count() > count) combo->removeItem(combo->count() - 1);
    while (combo->count() < count) combo->addItem(QString());
  } else if (auto* box = as<QListWidget>(widget)) {
    while (box->count() > count) delete box->takeItem(box->count() - 1);
    while (box->count() < count) box->addItem(QString());
  }
  // Entries added to an empty drop-down list must not select the first one.
  if (selected == 0 || selected > count) setSelection(list, 0);
}

int QtDialog::entryCount(ControlId list) const {
  return countOf(control(list));
}

void QtDialog::setEntryText(ControlId list, int entry, std::string_view text) {
  QWidget* widget = control(list);
  if (entry < 1 || entry > countOf(widget)) return;
  const QSignalBlocker blocker(widget);
  if (auto* combo = as<QComboBox>(widget)) combo->setItemText(entry - 1, toQt(text));
  if (auto* box = as<QListWidget>(widget)) box->item(entry - 1)->setText(toQt(text));
}

std::string QtDialog::entryText(ControlId list, int entry) const {
  QWidget* widget = control(list);
  if (entry < 1 || entry > countOf(widget)) return {};
  if (auto* combo = as<QComboBox>(widget)) return fromQt(combo->itemText(entry - 1));
  if (auto* box = as<QListWidget>(widget)) return fromQt(box->item(entry - 1)->text());
  return {};
}

void QtDialog::setSelection(ControlId list, int entry) {
  QWidget* widget = control(list);
  if (widget == nullptr) return;
  const int row = (entry >= 1 && entry <= countOf(widget)) ? entry - 1 : -1;
  const QSignalBlocker blocker(widget);
  if (auto* combo = as<QComboBox>(widget)) combo->setCurrentIndex(row);
  if (auto* box = as<QListWidget>(widget)) {
    box->setCurrentRow(row);
    if (row < 0) box->clearSelection();
  }
}

int QtDialog::selection(ControlId list) const {
  QWidget* widget = control(list);
  if (auto* combo = as<QComboBox>(widget)) return combo->currentIndex() + 1;
  if (auto* box = as<QListWidget>(widget)) {
    const QList<QListWidgetItem*> selected = box->selectedItems();
    return selected.isEmpty() ? 0 : box->row(selected.front()) + 1;
  }
  return 0;
}

void QtDialog::setText(ControlId id, std::string_view text) {
  QWidget* widget = control(id);
  if (id == templateId_) widget = window_.get();
  if (widget == nullptr) return;
  const QString value = toQt(text);
  if (auto* edit = as<QLineEdit>(widget)) {
    edit->setText(value);
  } else if (auto* label = as<QLabel>(widget)) {
    showInLabel(*label, value);
  } else if (auto* button = as<QAbstractButton>(widget)) {
    button->setText(value);
  } else if (auto* group = as<QGroupBox>(widget)) {
    group->setTitle(value);
  } else if (auto* combo = as<QComboBox>(widget)) {
    combo->setPlaceholderText(value);
  } else if (widget == window_.get()) {
    window_->setWindowTitle(value);
  }
}

std::string QtDialog::text(ControlId id) const {
  QWidget* widget = control(id);
  if (auto* edit = as<QLineEdit>(widget)) return fromQt(edit->text());
  if (auto* label = as<QLabel>(widget)) {
    const QVariant whole = label->property("wholeText");
    return fromQt(whole.isValid() ? whole.toString() : label->text());
  }
  if (auto* button = as<QAbstractButton>(widget)) return fromQt(button->text());
  if (auto* group = as<QGroupBox>(widget)) return fromQt(group->title());
  if (auto* combo = as<QComboBox>(widget)) return fromQt(combo->currentText());
  if (auto* box = as<QListWidget>(widget)) {
    const int entry = selection(id);
    return entry == 0 ? std::string{} : fromQt(box->item(entry - 1)->text());
  }
  return {};
}

void QtDialog::setToolTip(ControlId id, std::string_view text) {
  QWidget* widget = control(id);
  if (widget == nullptr) return;
  widget->setToolTip(toQt(text));
  auto* button = as<QAbstractButton>(widget);
  if (button != nullptr && button->text().isEmpty()) button->setAccessibleName(toQt(text));
}

void QtDialog::setEnabled(ControlId id, bool enabled) {
  if (QWidget* widget = control(id)) widget->setEnabled(enabled);
}

bool QtDialog::isEnabled(ControlId id) const {
  QWidget* widget = control(id);
  return widget == nullptr || widget->isEnabled();
}

void QtDialog::setChecked(ControlId checkBox, bool checked) {
  if (auto* button = as<QAbstractButton>(control(checkBox))) {
    const QSignalBlocker blocker(button);
    button->setChecked(checked);
  }
}

bool QtDialog::isChecked(ControlId checkBox) const {
  auto* button = as<QAbstractButton>(control(checkBox));
  return button != nullptr && button->isChecked();
}

void QtDialog::setImage(ControlId id, ImageId image) {
  const std::optional<QIcon> icon = host_.image(image);
  if (!icon) return;
  if (id == templateId_ || image == ImageId::WindowIcon) {
    window_->setWindowIcon(*icon);
    return;
  }
  auto* button = as<QAbstractButton>(control(id));
  if (button == nullptr) return;
  // The caption stays reachable for tool tips and screen readers.
  if (button->toolTip().isEmpty()) button->setToolTip(button->text());
  if (!button->text().isEmpty()) button->setAccessibleName(button->text());
  button->setText(QString());
  button->setIcon(*icon);
  // The image at the size stored in its file, as large as fits the button.
  const QSize room = button->size() - QSize(6, 6);
  QSize chosen;
  for (const QSize& size : icon->availableSizes())
    if (size.width() <= room.width() && size.height() <= room.height() &&
        size.width() > chosen.width())
      chosen = size;
  button->setIconSize(chosen.isValid() ? chosen : room);
}

void QtDialog::pushChanges() {
  if (window_->isVisible()) window_->repaint();
}

// Room a window frame takes beyond the client area (title bar, borders)
// on common desktops; the screen's available area already leaves out the
// taskbar.
namespace {

constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;

QSize fittedClientSize(QSize needed, QSize available) {
  return {std::min(needed.width(), available.width() - kFrameWidth),
          std::min(needed.height(), available.height() - kFrameHeight)};
}

}  // namespace

// A form taller or wider than the screen it opens on keeps every control:
// its contents move into a scroll area and the window takes what fits.
void QtDialog::fitTheScreen() {
  QScreen* screen = window_->screen();
  if (screen == nullptr) return;
  const QSize needed = window_->size();
  const QSize available = screen->availableGeometry().size();
  QSize fitted = fittedClientSize(needed, available);
  if (fitted == needed || window_->findChild<QScrollArea*>(QStringLiteral("fitTheScreen"))) return;
  // Room for the vertical scroll bar, so that no horizontal one is needed.
  const int bar = window_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  if (fitted.height() < needed.height())
    fitted.setWidth(fittedClientSize(needed + QSize(bar, 0), available).width());
  auto* contents = new QWidget;
  contents->setFixedSize(needed);
  for (QWidget* child : window_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    const QRect at = child->geometry();
    const bool hidden = child->isHidden();
    child->setParent(contents);
    child->setGeometry(at);
    child->setVisible(!hidden);
  }
  auto* scroll = new QScrollArea(window_.get());
  scroll->setObjectName(QStringLiteral("fitTheScreen"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidget(contents);
  window_->setFixedSize(fitted);
  scroll->setGeometry(QRect(QPoint(0, 0), fitted));
}

int QtDialog::runModal() {
  if (initialised_) {
    Handler handler = initialised_;
    try {
      handler(*this, templateId_, EventKind::Initialised);
    } catch (const std::exception& error) {
      reportFailure(error.what());
    } catch (...) {
      reportFailure("unknown");
    }
  }
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (window_->property("minimizeBox").toBool()) flags |= Qt::WindowMinimizeButtonHint;
  window_->setWindowFlags(flags);
  fitTheScreen();
  // Brought to the front once exec has shown it: showing it here first
  // would keep exec from making it modal.
  QDialog* window = window_.get();
  QTimer::singleShot(0, window, [window] {
    window->raise();
    window->activateWindow();
  });
  const int result = window_->exec();
  return result == QDialog::Rejected ? kCancelButton : result;
}

void QtDialog::close(int exitCode) {
  window_->done(exitCode == kCancelButton ? QDialog::Rejected : exitCode);
}

void QtDialogHost::loadImage(ImageId image, const std::string& path) {
  const QString file = nativeText(path);
  QIcon icon;
  if (image == ImageId::LoadBitmap) {
    QPixmap bitmap;
    if (!bitmap.load(file)) return;
    icon = QIcon(bitmap);
  } else {
    if (!QFileInfo(file).isFile()) return;
    icon = QIcon(file);
  }
  if (icon.availableSizes().isEmpty()) return;
  images_[image] = icon;
}

std::optional<QIcon> QtDialogHost::image(ImageId image) const {
  const auto found = images_.find(image);
  if (found == images_.end()) return std::nullopt;
  return found->second;
}

void QtDialogHost::setRomanian(bool romanian) {
  romanian_ = romanian;
  if (!romanian) {
    qtTexts_.reset();  // a translator removes itself when it ends
  } else if (!qtTexts_) {
    qtTexts_ = std::make_unique<RomanianQtTexts>();
    QCoreApplication::installTranslator(qtTexts_.get());
  }
}

std::unique_ptr<Dialog> QtDialogHost::createDialog(int templateId) {
  std::unique_ptr<QDialog> window = loadForm(templateId, romanian_);
  if (!window) {
    qWarning("ZENTRIX: the program holds no dialog template %d", templateId);
    window = std::make_unique<QDialog>();
    window->setWindowTitle(QStringLiteral("ZENTRIX"));
  }
  return std::make_unique<QtDialog>(templateId, std::move(window), *this);
}

namespace {

// A progress dialog that shows itself only when the work lasts longer than
// half a second. Until it is visible, events are processed without the
// user's input, so that no other handler can start in the middle of the
// work; once visible it is application-modal and only its Cancel answers.
class QtProgressWindow final : public ProgressWindow {
 public:
  QtProgressWindow(std::string_view label, bool romanian)
      : dialog_(QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())),
                qtText(qt_texts::kCancel, romanian), 0, kSteps) {
    dialog_.setWindowTitle(QStringLiteral("ZENTRIX"));
    dialog_.setWindowModality(Qt::ApplicationModal);
    dialog_.setMinimumDuration(500);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    dialog_.setValue(0);
  }

  bool advance(double fraction) override {
    const int value = static_cast<int>(std::clamp(fraction, 0.0, 1.0) * kSteps);
    if (value != dialog_.value()) dialog_.setValue(value);
    QCoreApplication::processEvents(dialog_.isVisible() ? QEventLoop::AllEvents
                                                        : QEventLoop::ExcludeUserInputEvents);
    return !dialog_.wasCanceled();
  }

 private:
  static constexpr int kSteps = 1000;
  QProgressDialog dialog_;
};

}  // namespace

std::unique_ptr<ProgressWindow> QtDialogHost::startProgress(std::string_view label) {
  return std::make_unique<QtProgressWindow>(label, romanian_);
}

MessageAnswer QtDialogHost::showMessage(std::string_view text, std::string_view title,
                                        MessageButtons buttons, MessageIcon icon) {
  QMessageBox box;
  box.setWindowTitle(toQt(title));
  box.setText(toQt(text));
  switch (icon) {
    case MessageIcon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
    case MessageIcon::Error:
      box.setIcon(QMessageBox::Critical);
      break;
    case MessageIcon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case MessageIcon::Question:
      box.setIcon(QMessageBox::Question);
      break;
  }
  switch (buttons) {
    case MessageButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Ok);
      break;
    case MessageButtons::RetryCancel:
      box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Retry);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case MessageButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      box.setEscapeButton(QMessageBox::No);
      break;
    case MessageButtons::SaveDiscardCancel:
      box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Save);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
  }
  execMessage(box, romanian_);
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Retry:
      return MessageAnswer::Retry;
    case QMessageBox::Cancel:
      return MessageAnswer::Cancel;
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    case QMessageBox::Save:
      return MessageAnswer::Save;
    case QMessageBox::Discard:
      return MessageAnswer::Discard;
    default:
      return MessageAnswer::Ok;
  }
}

// The file dialogs would ask before replacing a file in their own words
// (Qt's own in English); we ask in the user's language instead.
bool QtDialogHost::confirmReplace(const QString& path, const QString& title) {
  QMessageBox box(QMessageBox::Warning, title,
                  qtText(qt_texts::kReplaceFile, romanian_).arg(QDir::toNativeSeparators(path)),
                  QMessageBox::Yes | QMessageBox::No);
  box.setDefaultButton(QMessageBox::No);
  return execMessage(box, romanian_) == QMessageBox::Yes;
}

// Qt names the kinds of file in the file list (the "Type" column) from the
// system's file type catalogue in the default locale's language: Romanian
// while a Romanian session's file dialog is open.
class FileDialogLocale {
 public:
  explicit FileDialogLocale(bool romanian) {
    if (romanian) QLocale::setDefault(QLocale(QLocale::Romanian, QLocale::Romania));
  }
  ~FileDialogLocale() { QLocale::setDefault(previous_); }
  FileDialogLocale(const FileDialogLocale&) = delete;
  FileDialogLocale& operator=(const FileDialogLocale&) = delete;

 private:
  QLocale previous_;
};

std::optional<std::string> QtDialogHost::chooseFile(std::string_view title,
                                                    std::string_view initialFolder,
                                                    std::string_view proposedName,
                                                    FileChoice choice, const FileType& type) {
  QString proposed = nativeText(proposedName);
  const bool save = choice == FileChoice::Save;
  const FileDialogLocale locale(romanian_);
  for (;;) {
    QFileDialog dialog(nullptr, toQt(title), nativeText(initialFolder));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    const QString typeFilter = type.name.empty() ? qtText(qt_texts::kDataFiles, romanian_)
                                                 : toQt(type.name + " (*." + type.extension + ")");
    dialog.setNameFilters({typeFilter, qtText(qt_texts::kAllFiles, romanian_)});
    if (!nativeFileDialogs_) dialog.setOption(QFileDialog::DontUseNativeDialog);
    // We ask before replacing, in the user's language, whichever dialog it is.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    speakLanguage(dialog, choice, romanian_);
    if (!proposed.isEmpty()) dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    // A name without an extension gets the type's, unless all files are shown.
    QString named = dialog.selectedFiles().front();
    if (save && dialog.selectedNameFilter() == typeFilter)
      named = toQt(withDefaultExtension(fromQt(named), type.extension));
    const QFileInfo chosen(named);
    proposed = chosen.absoluteFilePath();
    // A new name is welcome; a folder that does not exist is not.
    if (!chosen.absoluteDir().exists() || chosen.isDir()) {
      QMessageBox box(QMessageBox::Warning, toQt(title),
                      qtText(qt_texts::kNoSuchFolder, romanian_)
                          .arg(QDir::toNativeSeparators(chosen.absolutePath())),
                      QMessageBox::Ok);
      execMessage(box, romanian_);
      continue;
    }
    if (save && chosen.exists() && !confirmReplace(chosen.absoluteFilePath(), toQt(title)))
      continue;
    return fromQt(QDir::toNativeSeparators(chosen.absoluteFilePath()));
  }
}

void QtDialogHost::showText(std::string_view title, std::string_view text) {
  QDialog window(QApplication::activeModalWidget());
  window.setObjectName(QStringLiteral("textViewer"));
  window.setWindowTitle(toQt(title));
  auto* page = new QPlainTextEdit(&window);
  page->setObjectName(QStringLiteral("text"));
  page->setReadOnly(true);
  page->setLineWrapMode(QPlainTextEdit::NoWrap);
  page->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  page->setPlainText(toQt(text));
  auto* close = new QPushButton(qtText(qt_texts::kClose, romanian_), &window);
  close->setObjectName(QStringLiteral("close"));
  close->setDefault(true);
  QObject::connect(close, &QPushButton::clicked, &window, &QDialog::accept);
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(page);
  layout->addWidget(close, 0, Qt::AlignRight);
  window.resize(820, 640);
  window.exec();
}

bool QtDialogHost::showStructureView(const model::Model& model,
                                     const StructureViewContent& content) {
  if (structureView_) {
    structureView_->showContent(model, content);
  } else {
    structureView_ = new StructureViewWindow(model, content, romanian_, *this,
                                             QApplication::activeModalWidget());
    structureView_->setAttribute(Qt::WA_DeleteOnClose);
    structureView_->setWindowFlag(Qt::Window);
    structureView_->setModal(false);
  }
  structureView_->show();
  structureView_->raise();
  structureView_->activateWindow();
  return true;
}

StructureViewWindow* QtDialogHost::structureView() const {
  return structureView_.data();
}

void QtDialogHost::updateStructureView(const model::Model& model,
                                       const StructureViewContent& content) {
  if (structureView_) structureView_->showContent(model, content);
}

}  // namespace zentrix::ui
