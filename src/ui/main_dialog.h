// The main dialog (template 102): the program's one window. It shows the
// Base module counts, the expansion choices and the paths in use, and its
// buttons start every operation. Which buttons are enabled is its own state
// machine, making the user go step by step: describe the Base module, choose
// the expansion, GENERATE, then save the input file or create the Geometry
// File; any change of an input disables saving, creating, viewing and
// previewing again.
//
// Failures the user can cause (a bad Old File, a file that cannot be
// written, inputs GENERATE refuses) are shown in message boxes in the
// model's language; nothing throws out of a handler.
#pragma once

#include "model/model.h"
#include "ui/dialog_layer.h"
#include "ui/external_programs.h"

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
inline constexpr ControlId kDone = kOkButton;
}  // namespace main_controls

enum class MainDialogEnd {
  Closed,         // DONE, Escape or the close box: shutdown follows
  EndProcessNow,  // Cancel on "Wrong Data in Old File.": end at once, status 0
};

// Sets the dialog up from the model, runs it modally and releases it.
MainDialogEnd runMainDialog(model::Model& model, DialogHost& host, ExternalPrograms& programs);

}  // namespace zentrix::ui
