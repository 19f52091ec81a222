#include "modal_driver.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

namespace zentrix::ui::testing {

QWidget* controlOf(QWidget& window, int controlId) {
  for (QWidget* child : window.findChildren<QWidget*>()) {
    const QVariant id = child->property("controlId");
    if (id.isValid() && id.toInt() == controlId) return child;
  }
  return nullptr;
}

void clickControl(QWidget& window, int controlId) {
  if (QWidget* control = controlOf(window, controlId))
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

void typeInto(QWidget& window, int controlId, const QString& text) {
  auto* edit = qobject_cast<QLineEdit*>(controlOf(window, controlId));
  if (edit == nullptr) return;
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  if (text.isEmpty()) {
    QTest::keyClick(edit, Qt::Key_Backspace);
  } else {
    QTest::keyClicks(edit, text);
  }
}

void chooseEntry(QWidget& window, int controlId, int entry) {
  QWidget* control = controlOf(window, controlId);
  if (control == nullptr || !control->isEnabled()) return;
  if (auto* combo = qobject_cast<QComboBox*>(control)) {
    // F4 opens the list, the arrow keys move in it, Enter chooses.
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_F4);
    QAbstractItemView* view = combo->view();
    QTest::keyClick(view, Qt::Key_Home);
    for (int step = 1; step < entry; ++step) QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
  } else if (auto* list = qobject_cast<QListWidget*>(control)) {
    clickEntry(*list, entry);
  }
}

void clickEntry(QListWidget& list, int entry) {
  QListWidgetItem* item = list.item(entry - 1);
  if (item == nullptr) return;
  list.scrollToItem(item);
  const QPoint at = list.visualItemRect(item).center();
  QTest::mousePress(list.viewport(), Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

ModalDriver& ModalDriver::onDialog(int templateId, Action action, std::string what) {
  steps_.push_back({[templateId](QWidget& window) {
                      const QVariant id = window.property("templateId");
                      return id.isValid() && id.toInt() == templateId;
                    },
                    std::move(action),
                    what.empty() ? "dialog " + std::to_string(templateId) : std::move(what)});
  return *this;
}

ModalDriver& ModalDriver::onWindowNamed(const QString& name, Action action) {
  steps_.push_back({[name](QWidget& window) { return window.objectName() == name; },
                    std::move(action), "window " + name.toStdString()});
  return *this;
}

ModalDriver& ModalDriver::answerMessage(QMessageBox::StandardButton button) {
  steps_.push_back({[](QWidget& window) { return qobject_cast<QMessageBox*>(&window) != nullptr; },
                    [this, button](QWidget& window) {
                      auto& box = static_cast<QMessageBox&>(window);
                      messages_.push_back({box.windowTitle(), box.text()});
                      if (QAbstractButton* pressed = box.button(button)) {
                        pressed->click();
                      } else {
                        failure_ =
                            "message box without the expected button: " + box.text().toStdString();
                        box.reject();
                      }
                    },
                    "a message box"});
  return *this;
}

ModalDriver& ModalDriver::onMessageBox(Action action) {
  steps_.push_back({[](QWidget& window) { return qobject_cast<QMessageBox*>(&window) != nullptr; },
                    std::move(action), "a message box"});
  return *this;
}

ModalDriver& ModalDriver::onFileDialog(Action action) {
  steps_.push_back({[](QWidget& window) { return qobject_cast<QFileDialog*>(&window) != nullptr; },
                    std::move(action), "the file dialog"});
  return *this;
}

ModalDriver& ModalDriver::chooseFile(const QString& path) {
  steps_.push_back({[](QWidget& window) { return qobject_cast<QFileDialog*>(&window) != nullptr; },
                    [path](QWidget& window) {
                      // Typed into the name field as a user would, then confirmed.
                      auto& dialog = static_cast<QFileDialog&>(window);
                      // Clears the selection the proposed name may have made in
                      // the file list once the folder was read: a selected file
                      // would win over the typed name.
                      dialog.selectFile(path);
                      if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                        name->setText(path);
                      static_cast<QDialog&>(dialog).accept();  // QFileDialog checks the name
                    },
                    "the file dialog"});
  return *this;
}

ModalDriver& ModalDriver::cancelFileDialog() {
  steps_.push_back({[](QWidget& window) { return qobject_cast<QFileDialog*>(&window) != nullptr; },
                    [](QWidget& window) { static_cast<QFileDialog&>(window).reject(); },
                    "the file dialog"});
  return *this;
}

void ModalDriver::start() {
  clock_.start();
  QTimer::singleShot(20, &context_, [this] { poll(); });
}

void ModalDriver::poll() {
  if (!failure_.empty()) return;
  // Schedule the next poll first: the action may run a modal loop of its own.
  // Polling goes on after the last step, so a window nobody expected is
  // closed at the deadline instead of waiting for ever.
  QTimer::singleShot(20, &context_, [this] { poll(); });
  QWidget* window = QApplication::activeModalWidget();
  if (clock_.elapsed() > deadline_) {
    if (!steps_.empty() || window != nullptr) giveUp();
    return;
  }
  if (steps_.empty() || window == nullptr || !window->isVisible() || !steps_.front().ready(*window))
    return;
  Step step = std::move(steps_.front());
  steps_.pop_front();
  step.action(*window);
}

void ModalDriver::giveUp() {
  failure_ = steps_.empty() ? "a window nobody expected stayed open"
                            : "waited in vain for " + steps_.front().what;
  steps_.clear();
  // Every open modal window is closed; their loops end as the stack unwinds.
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible() || !window->isModal()) continue;
    if (auto* dialog = qobject_cast<QDialog*>(window)) {
      dialog->reject();
    } else {
      window->close();
    }
  }
}

}  // namespace zentrix::ui::testing
