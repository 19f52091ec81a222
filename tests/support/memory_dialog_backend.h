// The in-memory backend of the dialog layer, for tests and scripted runs.
// It keeps every control's value, list entries, enabled state and selection,
// and its `user*` operations act as a user would: they refuse disabled
// controls and fire the control's handler the way the Qt backend does.
//
// Modal runs: `runModal` calls the host's script for that template (a
// function that plays the user's part and finally presses a closing button)
// and returns the closing id. Message boxes and file choices are answered
// from queues the test fills; every message shown is recorded.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialog_layer.h"

namespace zentrix::ui {

class MemoryDialog;

// Plays the user's part while a dialog runs modally; it must end by pressing
// a closing button (`userClick(kOkButton)`, `userCancel()`, ...). Without a
// script a dialog closes at once with Cancel.
using ModalScript = std::function<void(MemoryDialog& dialog)>;

struct ShownMessage {
  std::string text;
  std::string title;
  MessageButtons buttons;
  MessageIcon icon;
  int openProgressWindows = 0;  // progress windows alive when it was shown
};

class MemoryDialog final : public Dialog {
 public:
  explicit MemoryDialog(int templateId, ModalScript script = {});

  int templateId() const noexcept { return templateId_; }

  // Dialog
  void onEvent(ControlId control, Handler handler) override;
  void onInitialised(Handler handler) override;
  void onCloseRequest(CloseRequest request) override { closeRequest_ = std::move(request); }
  void onEnter(ControlId edit, ControlId button) override { enterButtons_[edit] = button; }
  void setEntryCount(ControlId list, int count) override;
  int entryCount(ControlId list) const override;
  void setEntryText(ControlId list, int entry, std::string_view text) override;
  std::string entryText(ControlId list, int entry) const override;
  void setSelection(ControlId list, int entry) override;
  int selection(ControlId list) const override;
  void setText(ControlId control, std::string_view text) override;
  std::string text(ControlId control) const override;
  void setToolTip(ControlId control, std::string_view text) override;
  void setEnabled(ControlId control, bool enabled) override;
  bool isEnabled(ControlId control) const override;
  void setChecked(ControlId checkBox, bool checked) override;
  bool isChecked(ControlId checkBox) const override;
  void setImage(ControlId control, ImageId image) override;
  void pushChanges() override {}
  int runModal() override;
  void close(int exitCode) override;

  // The user's actions. Each returns false (and does nothing) when the
  // control is disabled or the dialog is not running.
  bool userType(ControlId edit, std::string_view text);  // replaces the text
  bool userChoose(ControlId list, int entry);            // selection change
  bool userClick(ControlId button);                      // 1 and 2 close (when let)
  bool userToggle(ControlId checkBox);                   // click on a check box
  bool userPressEnter(ControlId edit);                   // its button, else OK
  void userCancel() { userClose(kCancelButton); }        // Escape / close box

  bool running() const noexcept { return running_; }
  std::string toolTip(ControlId control) const;
  std::optional<ImageId> image(ControlId control) const;
  bool hasHandler(ControlId control) const { return handlers_.count(control) != 0; }

 private:
  struct Control {
    std::string text;
    std::string toolTip;
    std::vector<std::string> entries;
    int selection = 0;
    bool enabled = true;
    bool checked = false;
    std::optional<ImageId> image;
  };
  Control& control(ControlId id) { return controls_[id]; }
  const Control* find(ControlId id) const;
  void fire(ControlId control, EventKind event);
  // A close by the user: asks the close request first.
  void userClose(int exitCode);

  int templateId_;
  ModalScript script_;
  std::map<ControlId, Control> controls_;
  std::map<ControlId, Handler> handlers_;
  std::map<ControlId, ControlId> enterButtons_;
  Handler initialised_;
  CloseRequest closeRequest_;
  bool running_ = false;
  bool closed_ = false;
  int exitCode_ = kCancelButton;
};

class MemoryDialogHost final : public DialogHost {
 public:
  // The script that plays the user while a dialog of `templateId` runs; it
  // serves every opening of that template until replaced. A one-shot script
  // (`scriptNextOpening`) takes precedence for the next opening only.
  void scriptDialog(int templateId, ModalScript script);
  void scriptNextOpening(int templateId, ModalScript script);

  // Answers for the next message boxes and file choices, in order. A message
  // box without a queued answer gets its first button (OK, Retry, Yes), the
  // unsaved-work question Discard; a file choice without one is cancelled.
  void queueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
  void queueFileChoice(std::optional<std::string> path) { fileChoices_.push_back(std::move(path)); }

  // The next progress windows answer Cancel once the work reaches `fraction`
  // (a value above 1 never cancels, the default).
  void cancelProgressAt(double fraction) { cancelAt_ = fraction; }
  // Labels of the progress windows started, in order.
  const std::vector<std::string>& progressLabels() const noexcept { return progressLabels_; }

  const std::vector<ShownMessage>& messages() const noexcept { return messages_; }
  void clearMessages() { messages_.clear(); }

  struct FileRequest {
    std::string title;
    std::string initialFolder;
    std::string proposedName;
    FileChoice choice = FileChoice::Open;
    std::string extension;  // of the files offered
  };
  const std::vector<FileRequest>& fileRequests() const noexcept { return fileRequests_; }
  // Whether the structure view is offered (not by default), and the views
  // opened (or brought to the front), in order.
  void offerStructureView(bool offered) { structureViewOffered_ = offered; }
  const std::vector<ViewSubject>& structureViews() const noexcept { return structureViews_; }
  // What the open view showed, in order: what it opened on, then every
  // change an update brought. The user's close of the view window.
  const std::vector<StructureViewContent>& viewContents() const noexcept { return viewContents_; }
  void userClosesView() { viewOpen_ = false; }

  // The texts shown in the host's own text window, in order.
  struct ShownText {
    std::string title;
    std::string text;
  };
  const std::vector<ShownText>& shownTexts() const noexcept { return shownTexts_; }

  // Templates in the order they were opened.
  const std::vector<int>& openedTemplates() const noexcept { return opened_; }

  // DialogHost
  std::unique_ptr<Dialog> createDialog(int templateId) override;
  bool showStructureView(const model::Model& model, const StructureViewContent& content) override;
  void updateStructureView(const model::Model& model, const StructureViewContent& content) override;
  std::unique_ptr<ProgressWindow> startProgress(std::string_view label) override;
  MessageAnswer showMessage(std::string_view text, std::string_view title, MessageButtons buttons,
                            MessageIcon icon) override;
  using DialogHost::chooseFile;
  std::optional<std::string> chooseFile(std::string_view title, std::string_view initialFolder,
                                        std::string_view proposedName, FileChoice choice,
                                        const FileType& type) override;
  void setRomanian(bool romanian) override { romanian_ = romanian; }
  void showText(std::string_view title, std::string_view text) override {
    shownTexts_.push_back({std::string(title), std::string(text)});
  }
  bool romanian() const noexcept { return romanian_; }
  int openProgressWindows() const noexcept { return *openProgress_; }

 private:
  bool structureViewOffered_ = false;
  std::vector<ViewSubject> structureViews_;
  std::vector<StructureViewContent> viewContents_;
  bool viewOpen_ = false;
  std::map<int, ModalScript> scripts_;
  std::map<int, std::deque<ModalScript>> oneShot_;
  std::deque<MessageAnswer> answers_;
  std::deque<std::optional<std::string>> fileChoices_;
  std::vector<ShownMessage> messages_;
  std::vector<FileRequest> fileRequests_;
  std::vector<int> opened_;
  std::vector<ShownText> shownTexts_;
  std::vector<std::string> progressLabels_;
  double cancelAt_ = 2.0;
  bool romanian_ = false;
  // Shared with the progress windows, which may outlive a moved host.
  std::shared_ptr<int> openProgress_ = std::make_shared<int>(0);
};

}  // namespace zentrix::ui
