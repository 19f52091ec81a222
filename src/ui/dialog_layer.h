// The dialog layer: every window is a modal dialog built from a template
// (main dialog 102, sub-dialogs 103 to 108) and driven by control id, but
// for the structure view, which stays open beside the main dialog. The
// dialog logic talks only to these interfaces; two backends implement them:
// Qt Widgets for users, and an in-memory backend for tests that keeps every
// control's state and fires events as a user's typing, clicking and choosing
// would. Message boxes and the open-file dialog go through the same seam so
// that tests script the answers.
//
// Events: a handler runs on the control's default event: a click for push
// buttons and check boxes, every text change for edit boxes, a selection
// change for lists. Setting a value from the program does not run handlers
// (handlers only store what was just shown, so either way would be sound).
// Buttons 1 (OK, DONE) and 2 (Cancel) close the dialog with their id;
// Escape and the window's close box act as Cancel. A dialog may ask first
// (`onCloseRequest`): every way the user closes it goes through that
// question; a close from the program does not.
//
// Entries of lists are numbered from 1; selection 0 means none.
// Nothing here throws through a handler.
//
// Captions: the window's title is the text of the template id; a label or a
// group box that has no control id of its own (the template's "labelN" and
// "groupN") is reached by `templateLabel(N)` and `templateGroup(N)`, so that
// the dialog logic can give every caption of a template its text.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "model/progress.h"

namespace zentrix::model {
struct Model;
}
namespace zentrix::drawing {
struct Marks;
}

namespace zentrix::ui {

using ControlId = int;

inline constexpr ControlId kOkButton = 1;
inline constexpr ControlId kCancelButton = 2;

inline constexpr ControlId kTemplateLabels = 9000;
inline constexpr ControlId kTemplateGroups = 9100;
constexpr ControlId templateLabel(int n) {
  return kTemplateLabels + n;
}
constexpr ControlId templateGroup(int n) {
  return kTemplateGroups + n;
}

enum class EventKind { Initialised = 0, Clicked, TextChanged, SelectionChanged };

class Dialog;
using Handler = std::function<void(Dialog& dialog, ControlId control, EventKind event)>;
// Asked before the user's close takes effect, with the closing id; false
// keeps the dialog open.
using CloseRequest = std::function<bool(int exitCode)>;

// The images start-up loads for the main dialog's buttons and window.
enum class ImageId {
  Notepad,
  InputFile,
  Coordinates,
  Topology,
  Save,
  Help,
  Generate,
  WindowIcon,
  LoadBitmap,
  Preview,
  PreviewBase,
};

class Dialog {
 public:
  virtual ~Dialog() = default;

  // Registers the handler of a control's default event (one per control).
  virtual void onEvent(ControlId control, Handler handler) = 0;
  // Runs once when the dialog window is created, before the user acts.
  virtual void onInitialised(Handler handler) = 0;
  // Asked when the user closes the dialog: buttons 1 and 2, Escape, Enter
  // on the default button, the window's close box.
  virtual void onCloseRequest(CloseRequest request) = 0;
  // Enter in the edit box `edit` clicks `button` instead of the dialog's
  // default button (OK): the box's text is applied, the dialog stays open.
  virtual void onEnter(ControlId edit, ControlId button) = 0;

  virtual void setEntryCount(ControlId list, int count) = 0;
  virtual int entryCount(ControlId list) const = 0;
  virtual void setEntryText(ControlId list, int entry, std::string_view text) = 0;
  virtual std::string entryText(ControlId list, int entry) const = 0;
  virtual void setSelection(ControlId list, int entry) = 0;  // 0 clears it
  virtual int selection(ControlId list) const = 0;           // 0 when none

  // For a drop-down list: what it shows while no entry is chosen.
  virtual void setText(ControlId control, std::string_view text) = 0;
  virtual std::string text(ControlId control) const = 0;
  // The text shown when the pointer rests on a control; a button showing
  // an image also takes it as its name for screen readers.
  virtual void setToolTip(ControlId control, std::string_view text) = 0;

  virtual void setEnabled(ControlId control, bool enabled) = 0;
  virtual bool isEnabled(ControlId control) const = 0;
  virtual void setChecked(ControlId checkBox, bool checked) = 0;
  virtual bool isChecked(ControlId checkBox) const = 0;

  // A button's or the window's image (WindowIcon goes to the window);
  // an image that could not be loaded leaves none.
  virtual void setImage(ControlId control, ImageId image) = 0;

  // Shows pending changes at once.
  virtual void pushChanges() = 0;
  // Runs the dialog modally; returns the id of the button that closed it.
  virtual int runModal() = 0;
  // Closes a running dialog as if the button `exitCode` had been pressed.
  virtual void close(int exitCode) = 0;
};

// Progress of long work started from a handler (GENERATE, CREATE, Save
// Data). The window appears only when the work lasts longer than about half
// a second; its Cancel makes `advance` answer false, from then on: the
// work's outcome says it was cancelled.
class ProgressWindow : public model::Progress {};

enum class MessageButtons { Ok, RetryCancel, YesNo, SaveDiscardCancel };
enum class MessageIcon { None, Error, Information, Question };
enum class MessageAnswer { Ok, Retry, Cancel, Yes, No, Save, Discard };

// What the structure view shows: the generated structure or the Base module.
enum class ViewSubject { Structure, BaseModule };

// What a file choice is for: reading an existing file, or writing one (the
// dialog then says so and asks before replacing an existing file).
enum class FileChoice { Open, Save };

// The files a file choice offers beside all files: those ending in
// `extension` (without the dot), under `name` ("SVG (*.svg)"), or the data
// files ("*.dat") under the host's own label when `name` is empty. A save
// choice adds the extension to a chosen name that has none, before it asks
// about replacing the file.
struct FileType {
  std::string name;
  std::string extension;
};
inline const FileType kDataFiles{"", "dat"};

// Where the view proposes its exports: the model's folder, and the model's
// name to which the format's extension is added.
struct ExportPlace {
  std::string folder;
  std::string name;
  friend bool operator==(const ExportPlace&, const ExportPlace&) = default;
};

// What the structure view window beside the main dialog shows.
struct StructureViewContent {
  ViewSubject subject = ViewSubject::BaseModule;
  // The inputs changed after the shown structure was generated.
  bool outOfDate = false;
  ExportPlace place;
  // What the check after GENERATE found on the structure, marked; without
  // it the view checks what it shows itself (a structure of 10^7 elements
  // takes seconds).
  std::shared_ptr<const drawing::Marks> marks;
  friend bool operator==(const StructureViewContent&, const StructureViewContent&) = default;
};

// What the dialog logic needs from the platform besides dialogs.
class DialogHost {
 public:
  virtual ~DialogHost() = default;

  // A dialog from its template (102 to 108); never null.
  virtual std::unique_ptr<Dialog> createDialog(int templateId) = 0;

  // A progress window for work named by `label`; it closes when released.
  virtual std::unique_ptr<ProgressWindow> startProgress(std::string_view label) = 0;

  // The language of the standard buttons, the file dialog, the progress
  // window and the text window's Close button (English until set); start-up
  // sets it once.
  virtual void setRomanian(bool romanian) = 0;

  // A message box with no owner window; callers close their progress
  // window before they show one.
  virtual MessageAnswer showMessage(std::string_view text, std::string_view title,
                                    MessageButtons buttons, MessageIcon icon) = 0;

  // The file dialog: offers the files of `type` and all files, starts in
  // `initialFolder` with `proposedName`, accepts names that do not exist yet
  // in an existing folder; for `FileChoice::Save` it is the platform's save
  // dialog, which adds the type's extension to a name without one and asks
  // before replacing a file. The chosen full path, or nothing when cancelled.
  virtual std::optional<std::string> chooseFile(std::string_view title,
                                                std::string_view initialFolder,
                                                std::string_view proposedName, FileChoice choice,
                                                const FileType& type) = 0;
  // The same for data files ("*.dat").
  std::optional<std::string> chooseFile(std::string_view title, std::string_view initialFolder,
                                        std::string_view proposedName, FileChoice choice) {
    return chooseFile(title, initialFolder, proposedName, choice, kDataFiles);
  }

  // A read-only window on `text` with the title `title` and a Close button
  // in the language set; it returns when the user closes it.
  virtual void showText(std::string_view title, std::string_view text) = 0;

  // The structure view, a window of its own beside the main dialog that
  // leaves the dialog usable: opens it on `content` of `model`, or brings it
  // to the front showing that content. False when this backend has no view
  // (then nothing was shown). The view reads the model's arrays until the
  // next update or until it is closed.
  virtual bool showStructureView(const model::Model& model, const StructureViewContent& content) {
    (void)model;
    (void)content;
    return false;
  }
  // Shows `content` of `model` in the view when it is open (nothing else
  // happens): called after every change of the model, and before the
  // structure's arrays are rebuilt, with the Base module.
  virtual void updateStructureView(const model::Model& model, const StructureViewContent& content) {
    (void)model;
    (void)content;
  }
};

}  // namespace zentrix::ui
