#include "ui/qt/qt_dialog_host.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QProgressDialog>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <exception>

#include "files/native_path.h"
#include "ui/qt/form_loader.h"

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

void reportFailure(const char* what) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("ZENTRIX Message"),
                  QStringLiteral("Unexpected error: %1").arg(QString::fromUtf8(what)));
  box.exec();
}

template <class Widget>
Widget* as(QWidget* widget) {
  return qobject_cast<Widget*>(widget);
}

// Entries of a drop-down list or a list box, so both are handled alike.
int countOf(QWidget* list) {
  if (auto* combo = as<QComboBox>(list)) return combo->count();
  if (auto* box = as<QListWidget>(list)) return box->count();
  return 0;
}

}  // namespace

QtDialog::QtDialog(int templateId, std::unique_ptr<QDialog> window, const QtDialogHost& host)
    : templateId_(templateId), window_(std::move(window)), host_(host) {
  window_->setProperty("templateId", templateId);
  connectControls();
}

QtDialog::~QtDialog() = default;

QWidget* QtDialog::control(ControlId id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second.data();
}

void QtDialog::connectControls() {
  QDialog* window = window_.get();
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    const QVariant property = widget->property("controlId");
    if (!property.isValid()) continue;
    const ControlId id = property.toInt();
    controls_[id] = widget;
    if (auto* button = as<QAbstractButton>(widget)) {
      if (id == kOkButton) {
        QObject::connect(button, &QAbstractButton::clicked, window,
                         [window] { window->done(kOkButton); });
      } else if (id == kCancelButton) {
        QObject::connect(button, &QAbstractButton::clicked, window, &QDialog::reject);
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
      // Changes made by the program run under a signal blocker.
      QObject::connect(list, &QListWidget::currentRowChanged, window,
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
    label->setText(value);
  } else if (auto* button = as<QAbstractButton>(widget)) {
    button->setText(value);
  } else if (auto* group = as<QGroupBox>(widget)) {
    group->setTitle(value);
  } else if (widget == window_.get()) {
    window_->setWindowTitle(value);
  }
}

std::string QtDialog::text(ControlId id) const {
  QWidget* widget = control(id);
  if (auto* edit = as<QLineEdit>(widget)) return fromQt(edit->text());
  if (auto* label = as<QLabel>(widget)) return fromQt(label->text());
  if (auto* button = as<QAbstractButton>(widget)) return fromQt(button->text());
  if (auto* group = as<QGroupBox>(widget)) return fromQt(group->title());
  if (auto* combo = as<QComboBox>(widget)) return fromQt(combo->currentText());
  if (auto* box = as<QListWidget>(widget)) {
    const int entry = selection(id);
    return entry == 0 ? std::string{} : fromQt(box->item(entry - 1)->text());
  }
  return {};
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
  button->setAccessibleName(button->text());
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

std::unique_ptr<Dialog> QtDialogHost::createDialog(int templateId) {
  std::unique_ptr<QDialog> window = loadForm(templateId);
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
  explicit QtProgressWindow(std::string_view label)
      : dialog_(QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())),
                QObject::tr("Cancel"), 0, kSteps) {
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

  bool wasCancelled() const override { return dialog_.wasCanceled(); }

 private:
  static constexpr int kSteps = 1000;
  QProgressDialog dialog_;
};

}  // namespace

std::unique_ptr<ProgressWindow> QtDialogHost::startProgress(std::string_view label) {
  return std::make_unique<QtProgressWindow>(label);
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
  }
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Retry:
      return MessageAnswer::Retry;
    case QMessageBox::Cancel:
      return MessageAnswer::Cancel;
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    default:
      return MessageAnswer::Ok;
  }
}

std::optional<std::string> QtDialogHost::chooseFile(std::string_view title,
                                                    std::string_view initialFolder,
                                                    std::string_view proposedName) {
  QString proposed = nativeText(proposedName);
  for (;;) {
    QFileDialog dialog(nullptr, toQt(title), nativeText(initialFolder));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters({QStringLiteral("Data files (*.dat)"), QStringLiteral("All files (*)")});
    if (!nativeFileDialogs_) dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!proposed.isEmpty()) dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QFileInfo chosen(dialog.selectedFiles().front());
    // A new name is welcome; a folder that does not exist is not.
    if (chosen.absoluteDir().exists() && !chosen.isDir())
      return fromQt(QDir::toNativeSeparators(chosen.absoluteFilePath()));
    QMessageBox::warning(nullptr, toQt(title),
                         QStringLiteral("The folder does not exist:\n%1")
                             .arg(QDir::toNativeSeparators(chosen.absolutePath())));
    proposed = chosen.absoluteFilePath();
  }
}

}  // namespace zentrix::ui
