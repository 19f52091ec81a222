// The Qt Widgets backend of the dialog layer. A dialog is its template's
// form (see form_loader.h); controls are found by their "controlId"
// property. Handlers run on the user's acts only: a click on a push button
// or check box, every edit of an edit box (textEdited, so text set by the
// program fires nothing), a choice in a drop-down list (activated) or in a
// list box (once its selection has changed, whatever the device: the current
// row moves before the selection on a mouse press). Buttons 1 and 2 close the dialog with their id;
// Escape and the window's close box act as Cancel. A handler that throws is reported in a message
// box; nothing throws out of a Qt slot.
//
// Every way the user closes a dialog (buttons 1 and 2, Escape, Enter on the
// default button, the close box) asks its close request first.
//
// Message boxes and the file dialog have no owner window. Their standard
// buttons and labels, and the progress window's Cancel, speak the language
// set with `setRomanian` (Debian's Qt has no Romanian catalogue: the texts
// are our own, set in one place here).
#pragma once

#include <QDialog>
#include <QIcon>
#include <QPointer>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "ui/dialog_layer.h"
#include "ui/qt/qt_translator.h"

namespace zentrix::ui {

class QtDialogHost;
class StructureViewWindow;

class QtDialog final : public Dialog {
 public:
  QtDialog(int templateId, std::unique_ptr<QDialog> window, const QtDialogHost& host);
  ~QtDialog() override;

  QDialog& window() noexcept { return *window_; }
  // The control of an id, or null when the template has none.
  QWidget* control(ControlId id) const;

  void onEvent(ControlId control, Handler handler) override;
  void onInitialised(Handler handler) override;
  void onCloseRequest(CloseRequest request) override { closeRequest_ = std::move(request); }
  void onEnter(ControlId edit, ControlId button) override;
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
  void pushChanges() override;
  int runModal() override;
  void close(int exitCode) override;

 private:
  void connectControls();
  void dispatch(ControlId control, EventKind event);
  void reportFailure(const char* what) const;
  // The user's close: asks the close request, then closes with `exitCode`.
  void userClose(int exitCode);
  bool eventFilter(QEvent& event);
  void fitTheScreen();
  friend class CloseFilter;

  int templateId_;
  std::unique_ptr<QDialog> window_;
  const QtDialogHost& host_;
  std::map<ControlId, QPointer<QWidget>> controls_;
  std::map<ControlId, Handler> handlers_;
  Handler initialised_;
  CloseRequest closeRequest_;
  bool asking_ = false;
  std::unique_ptr<QObject> closeFilter_;
};

class QtDialogHost final : public DialogHost {
 public:
  // Loads an image from a file (a path as the model keeps it); a file that
  // cannot be read leaves the image out, silently.
  void loadImage(ImageId image, const std::string& path);
  std::optional<QIcon> image(ImageId image) const;

  // The platform's own file dialog (default) or Qt's, which scripted runs
  // can drive.
  void setNativeFileDialogs(bool native) noexcept { nativeFileDialogs_ = native; }

  std::unique_ptr<Dialog> createDialog(int templateId) override;
  std::unique_ptr<ProgressWindow> startProgress(std::string_view label) override;
  MessageAnswer showMessage(std::string_view text, std::string_view title, MessageButtons buttons,
                            MessageIcon icon) override;
  using DialogHost::chooseFile;
  std::optional<std::string> chooseFile(std::string_view title, std::string_view initialFolder,
                                        std::string_view proposedName, FileChoice choice,
                                        const FileType& type) override;
  // Romanian also translates Qt's own texts in its file dialog
  // (qt_translator.h), for as long as this host is Romanian.
  void setRomanian(bool romanian) override;
  // A window of its own ("textViewer") over the active dialog, the text in
  // a read-only, fixed-pitch page ("text"), and a Close button ("close").
  void showText(std::string_view title, std::string_view text) override;
  // The view is a child window of the dialog active when it opens (the
  // main dialog), so that dialog's modality leaves it usable.
  bool showStructureView(const model::Model& model, const StructureViewContent& content) override;
  void updateStructureView(const model::Model& model, const StructureViewContent& content) override;
  // The open structure view, or null.
  StructureViewWindow* structureView() const;
  bool romanian() const noexcept { return romanian_; }

 private:
  bool confirmReplace(const QString& path, const QString& title);

  std::map<ImageId, QIcon> images_;
  QPointer<StructureViewWindow> structureView_;
  bool nativeFileDialogs_ = true;
  bool romanian_ = false;
  std::unique_ptr<RomanianQtTexts> qtTexts_;
};

}  // namespace zentrix::ui
