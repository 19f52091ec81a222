#include "ui/main_dialog.h"

#include <array>
#include <exception>
#include <iostream>
#include <string>

#include "files/geometry_file.h"
#include "files/input_file.h"
#include "generation/generate.h"
#include "input/coordinates_dialog.h"
#include "input/topology_dialog.h"
#include "model/number_text.h"
#include "ui/element_types_dialog.h"
#include "ui/expansion_parameter_dialogs.h"

namespace zentrix::ui {

namespace {

using namespace main_controls;

constexpr const char* kMessageTitle = "ZENTRIX Message";
constexpr const char* kGenerationWarningTitle = "Zentrix Message";
constexpr const char* kCreateMessageTitle = "Create Message";
constexpr const char* kDefaultTitle = "My Problem";

constexpr std::array<const char*, 3> kDirectionEntries = {"X", "Y", "Z"};
constexpr std::array<const char*, 4> kExpansionTypeEntries = {
    "Prismatic", "Pyramidal", "1-direction Shrink", "ARCH (Symmetric)"};

// Widths of the number edits: only the first characters are read.
constexpr std::size_t kCountWidth = 5;
constexpr std::size_t kElementCountWidth = 6;
constexpr std::size_t kModuleLengthWidth = 10;

// The first `width` bytes of a text, never cutting a UTF-8 character in two.
std::string_view firstCharsWhole(std::string_view text, std::size_t width) {
  if (text.size() <= width) return text;
  std::size_t end = width;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

class MainDialog {
 public:
  MainDialog(model::Model& model, DialogHost& host, ExternalPrograms& programs)
      : model_(model), host_(host), programs_(programs) {}

  MainDialogEnd run();

 private:
  void registerHandlers();
  void fillLists();
  void setDirectionEntries(int count);

  void applyEnablingRule();
  void applyLoadEnabling(bool enabled);
  void refreshFromModel();
  void storeTitle(std::string_view typed);

  void onOwnControl(ControlId control);
  void onDegreesOfFreedom();
  void onDirection();
  void onExpansionType();
  void onPreviewBaseModule();

  void onGenerationControl(ControlId control);
  void generate();
  void saveData();

  void onGeometryControl(ControlId control);
  void create();

  void loadOldFile();

  void showError(const std::string& text) {
    host_.showMessage(text, kMessageTitle, MessageButtons::Ok, MessageIcon::Error);
  }
  // Runs a handler's work; whatever goes wrong is shown, never thrown on.
  template <class Work>
  void guarded(Work&& work);

  model::Model& model_;
  DialogHost& host_;
  ExternalPrograms& programs_;
  Dialog* dialog_ = nullptr;
  bool endProcessNow_ = false;
};

template <class Work>
void MainDialog::guarded(Work&& work) {
  try {
    work();
  } catch (const std::exception& error) {
    showError(error.what());
  } catch (...) {
    showError("Unexpected error.");
  }
}

MainDialogEnd MainDialog::run() {
  std::unique_ptr<Dialog> dialog = host_.createDialog(kMainDialogTemplate);
  dialog_ = dialog.get();
  registerHandlers();
  fillLists();
  dialog_->setChecked(kLastNodesInBase0, model_.lastNodesInBase0);
  if (model_.oldFileLoaded) {
    applyLoadEnabling(true);
  } else {
    applyEnablingRule();
    dialog_->setText(kProblemTitle, kDefaultTitle);
    storeTitle(kDefaultTitle);
    // The writers need four defined type names before anything is saved.
    model::startNewElementTypes(model_);
  }
  dialog_->runModal();
  dialog_ = nullptr;
  return endProcessNow_ ? MainDialogEnd::EndProcessNow : MainDialogEnd::Closed;
}

void MainDialog::registerHandlers() {
  const Handler own = [this](Dialog&, ControlId control, EventKind) {
    guarded([&] { onOwnControl(control); });
  };
  for (ControlId control : {kOldFile, kDegreesOfFreedom, kNodesInBase0, kNodesInBase1, kElements,
                            kProblemTitle, kDirection, kModules, kModuleLength, kExpansionType,
                            kLastNodesInBase0, kPreviewBase, kHelp})
    dialog_->onEvent(control, own);

  dialog_->onEvent(kCoordinates, [this](Dialog&, ControlId, EventKind) {
    guarded([&] { input::runCoordinatesDialog(model_, host_); });
  });
  dialog_->onEvent(kTopology, [this](Dialog&, ControlId, EventKind) {
    guarded([&] { input::runTopologyDialog(model_, host_); });
  });
  dialog_->onEvent(kElementTypes, [this](Dialog&, ControlId, EventKind) {
    guarded([&] { runElementTypesDialog(model_, host_); });
  });

  const Handler generation = [this](Dialog&, ControlId control, EventKind) {
    guarded([&] { onGenerationControl(control); });
  };
  for (ControlId control : {kGenerate, kSaveData, kViewSavedFile})
    dialog_->onEvent(control, generation);

  const Handler geometry = [this](Dialog&, ControlId control, EventKind) {
    guarded([&] { onGeometryControl(control); });
  };
  for (ControlId control : {kCreate, kView, kPreviewStructure}) dialog_->onEvent(control, geometry);

  dialog_->onInitialised([](Dialog& dialog, ControlId, EventKind) {
    dialog.setImage(kMainDialogTemplate, ImageId::WindowIcon);
    dialog.setImage(kOldFile, ImageId::LoadBitmap);
    dialog.setImage(kCoordinates, ImageId::Coordinates);
    dialog.setImage(kTopology, ImageId::Topology);
    dialog.setImage(kPreviewBase, ImageId::PreviewBase);
    dialog.setImage(kHelp, ImageId::Help);
    dialog.setImage(kGenerate, ImageId::Generate);
    dialog.setImage(kSaveData, ImageId::Save);
    dialog.setImage(kViewSavedFile, ImageId::Notepad);
    dialog.setImage(kView, ImageId::Notepad);
    dialog.setImage(kCreate, ImageId::InputFile);
    dialog.setImage(kPreviewStructure, ImageId::Preview);
  });
}

void MainDialog::fillLists() {
  dialog_->setEntryCount(kDegreesOfFreedom, 2);
  dialog_->setEntryText(kDegreesOfFreedom, 1, "2");
  dialog_->setEntryText(kDegreesOfFreedom, 2, "3");
  dialog_->setSelection(kDegreesOfFreedom, 0);
  setDirectionEntries(3);
  dialog_->setSelection(kDirection, 0);
  dialog_->setEntryCount(kExpansionType, static_cast<int>(kExpansionTypeEntries.size()));
  for (int entry = 1; entry <= static_cast<int>(kExpansionTypeEntries.size()); ++entry)
    dialog_->setEntryText(kExpansionType, entry, kExpansionTypeEntries[entry - 1]);
  dialog_->setSelection(kExpansionType, 0);
}

void MainDialog::setDirectionEntries(int count) {
  dialog_->setEntryCount(kDirection, count);
  for (int entry = 1; entry <= count; ++entry)
    dialog_->setEntryText(kDirection, entry, kDirectionEntries[entry - 1]);
}

void MainDialog::applyEnablingRule() {
  const bool baseModuleDescribed = model_.dofPerNode > 0 && model_.nodesInBase0 > 0 &&
                                   model_.nodesInBase1 > 0 && model_.baseElementCount > 0;
  for (ControlId control : {kCoordinates, kTopology, kPreviewBase})
    dialog_->setEnabled(control, baseModuleDescribed);
  const bool expansionChosen = baseModuleDescribed && model_.directionIndex > 0 &&
                               model_.moduleCount > 0 && model_.moduleLength > 0.0f &&
                               model_.expansionType > 0;
  dialog_->setEnabled(kGenerate, expansionChosen);
  // Any change makes the generated structure and the written files stale.
  for (ControlId control : {kSaveData, kViewSavedFile, kCreate, kView, kPreviewStructure})
    dialog_->setEnabled(control, false);
  dialog_->pushChanges();
}

void MainDialog::applyLoadEnabling(bool enabled) {
  for (ControlId control :
       {kCoordinates, kTopology, kPreviewBase, kGenerate, kSaveData, kViewSavedFile})
    dialog_->setEnabled(control, enabled);
}

void MainDialog::storeTitle(std::string_view typed) {
  const std::string_view title = model::trimRight(firstCharsWhole(typed, model::kTitleWidth));
  model_.problemTitle =
      model::trimLeft(title).empty() ? std::string(kDefaultTitle) : std::string(title);
}

void MainDialog::refreshFromModel() {
  dialog_->setText(kOldFilePath, model::trimRight(model_.oldFilePath));
  dialog_->setSelection(kDegreesOfFreedom, model_.dofPerNode - 1);
  dialog_->setText(kNodesInBase0, std::to_string(model_.nodesInBase0));
  dialog_->setText(kNodesInBase1, std::to_string(model_.nodesInBase1));
  dialog_->setText(kElements, std::to_string(model_.baseElementCount));
  dialog_->setText(kProblemTitle, model::trimRight(model_.problemTitle));
  // The list follows the loaded dimension before its entry is chosen.
  setDirectionEntries(model_.dofPerNode == 2 ? 2 : 3);
  dialog_->setSelection(kDirection, model_.directionIndex);
  dialog_->setText(kModules, std::to_string(model_.moduleCount));
  dialog_->setText(kModuleLength,
                   model::compactNumberText(model::fixedForm(model_.moduleLength, 14, 7)));
  dialog_->setSelection(kExpansionType, model_.expansionType);
}

void MainDialog::onOwnControl(ControlId control) {
  switch (control) {
    case kOldFile:
      loadOldFile();
      return;
    case kDegreesOfFreedom:
      onDegreesOfFreedom();
      return;
    case kNodesInBase0:
      model_.nodesInBase0 =
          model::textToInteger(model::firstChars(dialog_->text(control), kCountWidth));
      break;
    case kNodesInBase1:
      model_.nodesInBase1 =
          model::textToInteger(model::firstChars(dialog_->text(control), kCountWidth));
      break;
    case kElements:
      model_.baseElementCount =
          model::textToInteger(model::firstChars(dialog_->text(control), kElementCountWidth));
      break;
    case kModules:
      model_.moduleCount =
          model::textToInteger(model::firstChars(dialog_->text(control), kCountWidth));
      break;
    case kModuleLength:
      model_.moduleLength =
          model::textToReal(model::firstChars(dialog_->text(control), kModuleLengthWidth));
      break;
    case kProblemTitle:
      storeTitle(dialog_->text(control));
      return;
    case kDirection:
      onDirection();
      return;
    case kExpansionType:
      onExpansionType();
      return;
    case kLastNodesInBase0:
      model_.lastNodesInBase0 = dialog_->isChecked(control);
      dialog_->setEnabled(kCreate, false);
      return;
    case kHelp:
      programs_.showReadme(model_);
      return;
    case kPreviewBase:
      onPreviewBaseModule();
      return;
    default:
      return;
  }
  applyEnablingRule();
}

void MainDialog::onDegreesOfFreedom() {
  const int entry = dialog_->selection(kDegreesOfFreedom);
  model_.dofPerNode = entry > 0 ? entry + 1 : 0;
  // A plane model has no third axis: a "Z" chosen before must not survive,
  // or GENERATE would stay enabled for an axis the model does not have.
  if (model_.dofPerNode == 2 && model_.directionIndex > 2) {
    model_.directionIndex = 0;
    model_.expansionDirection = ' ';
    dialog_->setSelection(kDirection, 0);
  }
  applyEnablingRule();
  setDirectionEntries(model_.dofPerNode == 2 ? 2 : 3);
}

void MainDialog::onDirection() {
  model_.directionIndex = dialog_->selection(kDirection);
  const std::string letter = dialog_->entryText(kDirection, model_.directionIndex);
  model_.expansionDirection = letter.empty() ? ' ' : letter.front();
  applyEnablingRule();
}

void MainDialog::onExpansionType() {
  model_.expansionType = dialog_->selection(kExpansionType);
  applyEnablingRule();
  switch (model_.expansionType) {
    case model::kPyramidal:
      runPyramidDialog(model_, host_);
      break;
    case model::kOneDirectionShrink:
      runShrinkDialog(model_, host_);
      break;
    case model::kArch:
      runArchDialog(model_, host_);
      break;
    default:
      break;
  }
}

void MainDialog::onPreviewBaseModule() {
  const model::Outcome written = files::writeBaseModuleGeometryFile(model_);
  if (!written) {
    showError(written.message);
    return;
  }
  programs_.preview(model_, model_.baseGeometryPath);
}

void MainDialog::onGenerationControl(ControlId control) {
  switch (control) {
    case kGenerate:
      generate();
      return;
    case kSaveData:
      saveData();
      return;
    case kViewSavedFile:
      programs_.showInTextViewer(model_, model_.inputFilePath);
      return;
    default:
      return;
  }
}

void MainDialog::generate() {
  model_.lastNodesInBase0 = dialog_->isChecked(kLastNodesInBase0);
  if (const auto refusal = generation::refusalOf(model_)) {
    showError(*refusal);
    return;
  }
  generation::measureBaseModule(model_);
  bool goOn = true;
  if (!generation::moduleLengthMatches(model_)) {
    goOn = host_.showMessage(generation::moduleLengthWarning(model_), kGenerationWarningTitle,
                             MessageButtons::YesNo, MessageIcon::Information) == MessageAnswer::Yes;
  }
  if (goOn) {
    const auto progress = host_.startProgress(
        model::inLanguage(model_, "Generating the structure...", "Se genereaza structura..."));
    const model::Outcome generated =
        generation::generateStructure(model_, progress.get(), model::linesTo(std::cerr));
    // A cancel keeps the previous structure, and the buttons stay as they were.
    if (progress->wasCancelled()) return;
    if (!generated) {
      showError(generated.message);
      return;
    }
  }
  // Also after a declined warning: the user may still save or create.
  dialog_->setEnabled(kCreate, true);
  dialog_->setEnabled(kSaveData, true);
  dialog_->setEnabled(kView, false);
  dialog_->setEnabled(kPreviewStructure, false);
}

void MainDialog::saveData() {
  const std::string previousPath = model_.inputFilePath;
  if (!programs_.selectFile("Select Zentrix File", model_.inputFilePath)) return;
  const auto progress = host_.startProgress(
      model::inLanguage(model_, "Saving the Zentrix File...", "Se salveaza fisierul Zentrix..."));
  const model::Outcome written = files::writeInputFile(model_, progress.get());
  if (!written) {
    model_.inputFilePath = previousPath;
    if (!progress->wasCancelled()) showError(written.message);
    return;
  }
  dialog_->setEnabled(kViewSavedFile, true);
}

void MainDialog::onGeometryControl(ControlId control) {
  switch (control) {
    case kCreate:
      create();
      return;
    case kView:
      programs_.showInTextViewer(model_, model_.geometryFilePath);
      return;
    case kPreviewStructure:
      programs_.preview(model_, model_.geometryFilePath);
      return;
    default:
      return;
  }
}

void MainDialog::create() {
  const std::string previousPath = model_.geometryFilePath;
  const std::string previousShown = dialog_->text(kGeometryFilePath);
  if (!programs_.selectFile("Select/Create KARVEL Geometry File", model_.geometryFilePath)) return;
  dialog_->setText(kGeometryFilePath, model::trimRight(model_.geometryFilePath));
  if (const int chosen = dialog_->selection(kExpansionType); chosen > 0)
    model_.expansionType = chosen;
  const auto progress = host_.startProgress(model::inLanguage(
      model_, "Writing the Geometry File...", "Se scrie fisierul Geometry File..."));
  const model::Outcome written = files::writeGeometryFile(model_, progress.get());
  if (!written) {
    model_.geometryFilePath = previousPath;
    dialog_->setText(kGeometryFilePath, previousShown);
    if (!progress->wasCancelled()) showError(written.message);
    return;
  }
  host_.showMessage(files::geometryCreatedMessage(model_), kCreateMessageTitle, MessageButtons::Ok,
                    MessageIcon::Information);
  dialog_->setEnabled(kView, true);
  dialog_->setEnabled(kPreviewStructure, true);
}

void MainDialog::loadOldFile() {
  if (model_.oldFileLoaded) programs_.deleteBaseGeometryFiles(model_);
  for (;;) {
    const std::string previousOldFile = model_.oldFilePath;
    const std::string previousInputFile = model_.inputFilePath;
    const bool previouslyLoaded = model_.oldFileLoaded;
    if (!programs_.selectFile("Select Old ZentrixInputFile", model_.oldFilePath)) {
      model_.oldFileLoaded = false;
      return;
    }
    model_.oldFileLoaded = true;
    model_.inputFilePath = model_.oldFilePath;
    const model::Outcome loaded = files::loadInputFile(model_);
    if (loaded) {
      refreshFromModel();
      applyLoadEnabling(true);
      return;
    }
    // The load changed nothing; neither do the paths of the failed attempt.
    model_.oldFilePath = previousOldFile;
    model_.inputFilePath = previousInputFile;
    model_.oldFileLoaded = previouslyLoaded;
    std::string text = model::inLanguage(model_, "Wrong Data in Old File.",
                                         "Date eronate in fisierul existent (Old File).");
    if (!loaded.message.empty()) text += "\n\n" + loaded.message;
    if (host_.showMessage(text, kMessageTitle, MessageButtons::RetryCancel, MessageIcon::Error) !=
        MessageAnswer::Retry) {
      endProcessNow_ = true;
      dialog_->close(kCancelButton);
      return;
    }
  }
}

}  // namespace

MainDialogEnd runMainDialog(model::Model& model, DialogHost& host, ExternalPrograms& programs) {
  return MainDialog(model, host, programs).run();
}

}  // namespace zentrix::ui
