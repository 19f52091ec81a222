// Plays the user on real Qt windows while they run modally: a queue of
// steps, each waiting for the window it acts on (a dialog template, a
// message box, the file dialog) to become the active modal window. Steps
// may open further modal windows; the driver keeps polling from inside
// their event loops. A step that never finds its window ends the run after
// a deadline, closing whatever is open, and is reported.
#pragma once

#include <QElapsedTimer>
#include <QListWidget>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QWidget>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace zentrix::ui::testing {

// Controls of a template window by id, acted on as a user would.
QWidget* controlOf(QWidget& window, int controlId);
void clickControl(QWidget& window, int controlId);                   // mouse click
void typeInto(QWidget& window, int controlId, const QString& text);  // replaces the text
// 1-based, as a user's choice: a mouse press and release on a list box's
// entry; for a drop-down list F4 to open it, the arrow keys and Enter.
void chooseEntry(QWidget& window, int controlId, int entry);
// A mouse press and release on entry `entry` (1-based) of a list box.
void clickEntry(QListWidget& list, int entry);

struct SeenMessage {
  QString title;
  QString text;
};

class ModalDriver {
 public:
  using Action = std::function<void(QWidget& window)>;

  explicit ModalDriver(int deadlineMilliseconds = 30000) : deadline_(deadlineMilliseconds) {}

  // Acts on the dialog of `templateId` once it is the active modal window.
  ModalDriver& onDialog(int templateId, Action action, std::string what = {});
  // Acts on the modal window whose object name is `name` (a window that is
  // no dialog template).
  ModalDriver& onWindowNamed(const QString& name, Action action);
  // Answers the next message box with `button`, recording what it said.
  ModalDriver& answerMessage(QMessageBox::StandardButton button);
  // Acts on the next message box or file dialog as it is.
  ModalDriver& onMessageBox(Action action);
  ModalDriver& onFileDialog(Action action);
  // Chooses `path` in the next file dialog (a new name is fine).
  ModalDriver& chooseFile(const QString& path);
  // Cancels the next file dialog.
  ModalDriver& cancelFileDialog();

  // Starts polling; call before the first modal run.
  void start();

  bool done() const { return steps_.empty() && failure_.empty(); }
  const std::string& failure() const { return failure_; }
  const std::vector<SeenMessage>& messages() const { return messages_; }

 private:
  struct Step {
    std::function<bool(QWidget&)> ready;
    Action action;
    std::string what;
  };
  void poll();
  void giveUp();

  // Owns the pending polls: they end with the driver.
  QObject context_;
  int deadline_;
  QElapsedTimer clock_;
  std::deque<Step> steps_;
  std::vector<SeenMessage> messages_;
  std::string failure_;
};

}  // namespace zentrix::ui::testing
