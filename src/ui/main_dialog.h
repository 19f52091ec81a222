// The main dialog (template 102): the program's one window. It shows the
// Base module counts, the expansion choices and the paths in use, and its
// buttons start every operation. Which buttons are enabled is its own state
// machine, making the user go step by step: describe the Base module, choose
// the expansion, GENERATE, then save the input file or create the Geometry
// File; any change of an input disables creating, viewing and previewing
// again. Save Data, once offered (after the first GENERATE or load), stays.
//
// A structure belongs to the inputs it was generated from: any change of an
// input after GENERATE (here, in a sub-dialog, a new Old File, a GENERATE
// refused, declined or cancelled) switches CREATE off until GENERATE runs
// again, and Save Data then writes the inputs with an empty generated
// section. Save Data proposes the model file saved or loaded last, and
// afterwards shows it as the Old File.
//
// The status line at the foot of the EXPANSION group says how many nodes
// and elements GENERATE built (so does the window's title); after a change
// of an input it names a count refused for its size (the Base module counts
// take at most 100,000, read whole) or the first field GENERATE still needs;
// after Save Data it confirms the save.
//
// Unsaved work: an input that differs from the last load or Save Data (for
// a new model, from how it started). Closing the dialog with unsaved work,
// whichever way (DONE, Enter, Escape, the close box), and loading another
// Old File over it ask Save, Discard or Cancel; nothing is asked without
// it. Cancel on "Wrong Data in Old File." goes back to the dialog with the
// model as it was.
//
// Recent files: the last model files loaded or saved are offered beside
// the Old File field; choosing one loads it as Old File does (the unsaved
// work question first, "Wrong Data in Old File." on a bad one). One that is
// no longer there is taken off the list, and the status line says so.
//
// Previews: when the package's preview program is installed the two
// preview buttons start it as they always did; when it is not, they open
// the program's own structure view instead of failing.
//
// Failures the user can cause (a bad Old File, a file that cannot be
// written, inputs GENERATE refuses) are shown in message boxes in the
// session's language; nothing throws out of a handler.
#pragma once

#include "model/model.h"
#include "ui/dialog_layer.h"
#include "ui/external_programs.h"
#include "ui/session.h"

namespace zentrix::ui {

inline constexpr int kMainDialogTemplate = 102;

// Control ids of the main dialog.
namespace main_controls {
inline constexpr ControlId kOldFile = 1004;
inline constexpr ControlId kOldFilePath = 1012;
inline constexpr ControlId kDegreesOfFreedom = 1048;
inline constexpr ControlId kNodesInBase0 = 1009;
inline constexpr ControlId kNodesInBase1 = 1010;
inline constexpr ControlId kElements = 1011;
inline constexpr ControlId kCoordinates = 1014;
inline constexpr ControlId kTopology = 1015;
inline constexpr ControlId kPreviewBase = 1057;
inline constexpr ControlId kHelp = 1045;
inline constexpr ControlId kProblemTitle = 1028;
inline constexpr ControlId kDirection = 1049;
inline constexpr ControlId kExpansionType = 1050;
inline constexpr ControlId kModules = 1016;
inline constexpr ControlId kModuleLength = 1024;
inline constexpr ControlId kElementTypes = 1060;
inline constexpr ControlId kLastNodesInBase0 = 1065;
inline constexpr ControlId kGenerate = 1025;
inline constexpr ControlId kSaveData = 1026;
inline constexpr ControlId kViewSavedFile = 1027;
inline constexpr ControlId kCreate = 1022;
inline constexpr ControlId kView = 1021;
inline constexpr ControlId kPreviewStructure = 1056;
inline constexpr ControlId kGeometryFilePath = 1055;
// A line at the foot of the EXPANSION group: what the last GENERATE built.
inline constexpr ControlId kGenerationStatus = 1070;
// Opens the structure view: of the generated structure while it belongs to
// the inputs, else of the Base module. Enabled with the Base module preview.
inline constexpr ControlId kStructureView = 1071;
// The recent files (dialogs/recent_files.h): choosing one loads it as Old
// File does.
inline constexpr ControlId kRecentFiles = 1072;
inline constexpr ControlId kDone = kOkButton;
}  // namespace main_controls

enum class MainDialogEnd {
  Closed,  // DONE, Escape or the close box: shutdown follows
};

// Sets the dialog up from the model, runs it modally and releases it.
MainDialogEnd runMainDialog(model::Model& model, Session& session, DialogHost& host,
                            ExternalPrograms& programs);

}  // namespace zentrix::ui
