#include "ui/main_dialog.h"

#include <array>
#include <exception>
#include <functional>
#include <iostream>
#include <string>
#include <utility>

#include "files/file_texts.h"
#include "files/geometry_file.h"
#include "files/input_file.h"
#include "generation/run.h"
#include "model/field_labels.h"
#include "model/number_text.h"
#include "model/printable_text.h"
#include "model/program_version.h"
#include "ui/desktop_caller.h"
#include "ui/dialog_captions.h"
#include "ui/dialogs/coordinates_dialog.h"
#include "ui/dialogs/element_types_dialog.h"
#include "ui/dialogs/expansion_parameter_dialogs.h"
#include "ui/dialogs/model_check_dialog.h"
#include "ui/dialogs/recent_files.h"
#include "ui/dialogs/topology_dialog.h"
#include "ui/structure_view_follower.h"
#include "ui/ui_texts.h"

namespace zentrix::ui {

namespace {

using namespace main_controls;

constexpr const char* kDefaultTitle = "My Problem";

constexpr std::array<const char*, 3> kDirectionEntries = {"X", "Y", "Z"};

// The counts are read whole, so that the count used is the count shown. The
// Base module counts are bounded, since the Coordinates and Topology dialogs
// list every node and element: a larger count is refused (and counts as 0)
// with a word in the status line. The number of modules has no bound here
// (GENERATE refuses what memory cannot hold).
constexpr std::int32_t kMaxBaseCount = 100000;
constexpr std::size_t kModuleLengthWidth = 10;

// Every input a user can change: what Save Data writes before the generated
// section, and what GENERATE builds from. Compared whole, part by part, to
// tell whether a sub-dialog changed anything and whether there is unsaved
// work, so a field added to a part is covered too.
struct Inputs {
  model::BaseModule base;
  model::Expansion expansion;
  model::ElementTypes types;
  friend bool operator==(const Inputs&, const Inputs&) = default;
};

Inputs inputsOf(const model::Model& m) {
  return {m.base, m.expansion, m.types};
}

// Grows the Base module's tables to its counts, as the Coordinates and
// Topology dialogs do when they open; never shrinks them. New rows are 0.
void growTablesToCounts(model::BaseModule& base) {
  const std::int64_t nodes = std::int64_t{base.nodesInBase0} + base.nodesInBase1;
  base.baseCoords.resize(std::max<std::int64_t>(base.baseCoords.rows(), nodes),
                         std::max(base.baseCoords.columns(), base.dofPerNode));
  const std::int64_t elements = std::max(base.baseElementCount, 0);
  base.baseElemStart.resize(std::max(base.baseElemStart.count(), elements));
  base.baseElemEnd.resize(std::max(base.baseElemEnd.count(), elements));
}

class MainDialog {
 public:
  MainDialog(model::Model& model, Session& session, DialogHost& host, ExternalPrograms& programs)
      : model_(model),
        session_(session),
        host_(host),
        programs_(programs),
        view_(host, model, session, programs.dataFolder()),
        recent_(session.settingsDir, session.romanian) {}

  MainDialogEnd run();

 private:
  void registerHandlers();
  void fillLists();
  void setDirectionEntries(int count);

  void applyEnablingRule();
  bool baseModuleDescribed() const;
  bool expansionChosen() const;
  // The status line while no structure belongs to the inputs: a refused
  // count, else the first field GENERATE still needs, else nothing.
  std::string inputStatus() const;
  void readBaseCount(ControlId control, const model::Text& field, std::int32_t& count);
  void applyLoadEnabling(bool enabled);
  void refreshFromModel();
  void storeTitle(std::string_view typed);

  void onOwnControl(ControlId control);
  void onDegreesOfFreedom();
  void onDirection();
  void onExpansionType();
  void onPreviewBaseModule();
  // The preview program on `path` when it is installed, else the view.
  void previewOrView(std::string_view path, ViewSubject subject);
  void onStructureView();

  // Runs a sub-dialog; a change it made to the inputs counts as any other.
  template <class SubDialog>
  void runSubDialog(SubDialog&& run);
  void inputsChanged();
  bool structureIsCurrent() const {
    return model_.structure.generatedWith.has_value() && !session_.inputsChangedSinceGenerate;
  }
  void showGeneratedCounts();

  void onGenerationControl(ControlId control);
  void generate();
  model::Outcome::Kind runGeneration();
  // Writes `write` under the progress labelled `label`; false when it was
  // not written (a failure was shown, a cancel needs no message).
  bool written(generation::PlannedWrite write, const model::Text& label);
  bool saveData();

  void onGeometryControl(ControlId control);
  void create();

  // Loads `chosen` (a recent file), or a file the user picks; Retry after
  // a bad file picks one.
  void loadOldFile(std::string chosen = {});
  void onRecentFile();
  void remember(std::string_view path);
  // Unsaved work may go: there is none, or the user saved it or let it go.
  bool unsavedWorkMayGo();

  void showError(const std::string& text) {
    host_.showMessage(text, model::say(texts::kMessageTitle, session_.romanian), MessageButtons::Ok,
                      MessageIcon::Error);
  }
  // Runs a handler's work; whatever goes wrong is shown, never thrown on.
  template <class Work>
  void guarded(Work&& work);

  model::Model& model_;
  Session& session_;
  DialogHost& host_;
  ExternalPrograms& programs_;
  StructureViewFollower view_;
  RecentFiles recent_;
  Dialog* dialog_ = nullptr;
  // The inputs as last loaded or saved (or as a new model starts).
  Inputs savedInputs_;
  // Set by the first GENERATE or load: from then on the inputs can be saved
  // whatever changes (without a structure that no longer belongs to them).
  bool saveOffered_ = false;
  std::string refusedCount_;
};

template <class Work>
void MainDialog::guarded(Work&& work) {
  try {
    work();
  } catch (const std::exception& error) {
    showError(error.what());
  } catch (...) {
    showError(model::say(texts::kUnexpectedError, session_.romanian));
  }
}

MainDialogEnd MainDialog::run() {
  std::unique_ptr<Dialog> dialog = createDialogIn(host_, kMainDialogTemplate, session_.romanian);
  dialog_ = dialog.get();
  // The caption names the version, so a user can tell which build runs.
  dialog_->setText(kMainDialogTemplate, model::versionLine("ZENTRIX"));
  registerHandlers();
  fillLists();
  recent_.showIn(*dialog_, kRecentFiles);
  dialog_->setChecked(kLastNodesInBase0, model_.base.lastNodesInBase0);
  if (session_.oldFileLoaded) {
    applyLoadEnabling(true);
    saveOffered_ = true;
  } else {
    applyEnablingRule();
    dialog_->setText(kProblemTitle, kDefaultTitle);
    storeTitle(kDefaultTitle);
    // The writers need four defined type names before anything is saved.
    model::startNewElementTypes(model_, session_.romanian);
  }
  savedInputs_ = inputsOf(model_);
  dialog_->runModal();
  dialog_ = nullptr;
  return MainDialogEnd::Closed;
}

// Unsaved work is an input changed since the last load or Save Data (for a
// new model: since it started). Closing with it asks Save, Discard or
// Cancel; Save that does not end in a written file keeps the dialog open.
bool MainDialog::unsavedWorkMayGo() {
  if (inputsOf(model_) == savedInputs_) return true;
  const MessageAnswer answer =
      host_.showMessage(model::say(texts::kUnsavedChanges, session_.romanian),
                        model::say(texts::kMessageTitle, session_.romanian),
                        MessageButtons::SaveDiscardCancel, MessageIcon::Question);
  if (answer == MessageAnswer::Discard) return true;
  if (answer != MessageAnswer::Save) return false;
  bool saved = false;
  guarded([&] { saved = saveData(); });
  return saved;
}

template <class SubDialog>
void MainDialog::runSubDialog(SubDialog&& run) {
  const Inputs before = inputsOf(model_);
  run();
  if (inputsOf(model_) != before) inputsChanged();
}

// The structure no longer belongs to the inputs: no Geometry File from it
// until GENERATE runs again; Save Data leaves its section empty.
void MainDialog::inputsChanged() {
  session_.inputsChangedSinceGenerate = true;
  dialog_->setEnabled(kCreate, false);
  dialog_->setText(kMainDialogTemplate, "ZENTRIX");
  dialog_->setText(kGenerationStatus, inputStatus());
  view_.follow();
}

std::string MainDialog::inputStatus() const {
  if (!refusedCount_.empty()) return refusedCount_;
  const model::BaseModule& base = model_.base;
  const model::Expansion& expansion = model_.expansion;
  const std::pair<bool, const model::Text*> needs[] = {
      {base.dofPerNode <= 0, &model::labels::kDegreesOfFreedom},
      {base.nodesInBase0 <= 0, &model::labels::kNodesInBase0},
      {base.nodesInBase1 <= 0, &model::labels::kNodesInBase1},
      {base.baseElementCount <= 0, &model::labels::kElementCount},
      {expansion.directionIndex() <= 0, &model::labels::kExpansionDirection},
      {expansion.moduleCount <= 0, &model::labels::kNumberOfModules},
      {!(expansion.moduleLength > 0.0f), &model::labels::kModuleLength},
      {expansion.expansionType <= 0, &model::labels::kExpansionType},
  };
  for (const auto& [missing, field] : needs)
    if (missing)
      return model::say(texts::kGenerateNeeds, session_.romanian,
                        {model::say(*field, session_.romanian)});
  return {};
}

void MainDialog::readBaseCount(ControlId control, const model::Text& field, std::int32_t& count) {
  const std::int32_t typed = model::textToInteger(dialog_->text(control));
  refusedCount_.clear();
  count = typed;
  if (typed <= kMaxBaseCount) return;
  count = 0;
  refusedCount_ = model::say(texts::kCountAboveLimit, session_.romanian,
                             {model::say(field, session_.romanian), std::to_string(kMaxBaseCount)});
}

void MainDialog::showGeneratedCounts() {
  const std::string nodes = std::to_string(model_.structure.totalNodes());
  const std::string elements = std::to_string(model_.structure.totalElements());
  const std::string counts =
      model::say(texts::kGeneratedCounts, session_.romanian, {nodes, elements});
  dialog_->setText(kGenerationStatus, counts);
  dialog_->setText(kMainDialogTemplate, "ZENTRIX - " + counts);
}

void MainDialog::registerHandlers() {
  const Handler own = [this](Dialog&, ControlId control, EventKind) {
    guarded([&] { onOwnControl(control); });
  };
  for (ControlId control : {kOldFile, kDegreesOfFreedom, kNodesInBase0, kNodesInBase1, kElements,
                            kProblemTitle, kDirection, kModules, kModuleLength, kExpansionType,
                            kLastNodesInBase0, kPreviewBase, kHelp, kStructureView, kRecentFiles})
    dialog_->onEvent(control, own);

  dialog_->onEvent(kCoordinates, [this](Dialog&, ControlId, EventKind) {
    guarded([&] { runSubDialog([&] { runCoordinatesDialog(model_, session_, host_); }); });
  });
  dialog_->onEvent(kTopology, [this](Dialog&, ControlId, EventKind) {
    guarded([&] { runSubDialog([&] { runTopologyDialog(model_, session_, host_); }); });
  });
  dialog_->onEvent(kElementTypes, [this](Dialog&, ControlId, EventKind) {
    guarded([&] { runSubDialog([&] { runElementTypesDialog(model_, session_, host_); }); });
  });
  dialog_->onCloseRequest([this](int) { return unsavedWorkMayGo(); });

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
  const auto& types = captions::kExpansionTypes;
  dialog_->setEntryCount(kExpansionType, static_cast<int>(types.size()));
  for (int entry = 1; entry <= static_cast<int>(types.size()); ++entry)
    dialog_->setEntryText(kExpansionType, entry, model::say(types[entry - 1], session_.romanian));
  dialog_->setSelection(kExpansionType, 0);
}

void MainDialog::setDirectionEntries(int count) {
  dialog_->setEntryCount(kDirection, count);
  for (int entry = 1; entry <= count; ++entry)
    dialog_->setEntryText(kDirection, entry, kDirectionEntries[entry - 1]);
}

bool MainDialog::baseModuleDescribed() const {
  return model_.base.dofPerNode > 0 && model_.base.nodesInBase0 > 0 &&
         model_.base.nodesInBase1 > 0 && model_.base.baseElementCount > 0;
}

bool MainDialog::expansionChosen() const {
  return baseModuleDescribed() && model_.expansion.directionIndex() > 0 &&
         model_.expansion.moduleCount > 0 && model_.expansion.moduleLength > 0.0f &&
         model_.expansion.expansionType > 0;
}

void MainDialog::applyEnablingRule() {
  for (ControlId control : {kCoordinates, kTopology, kPreviewBase, kStructureView})
    dialog_->setEnabled(control, baseModuleDescribed());
  dialog_->setEnabled(kGenerate, expansionChosen());
  inputsChanged();
  // Any change makes the generated structure and the written files stale;
  // the inputs themselves can still be saved.
  for (ControlId control : {kViewSavedFile, kCreate, kView, kPreviewStructure})
    dialog_->setEnabled(control, false);
  dialog_->setEnabled(kSaveData, saveOffered_);
  dialog_->pushChanges();
}

void MainDialog::applyLoadEnabling(bool enabled) {
  for (ControlId control : {kCoordinates, kTopology, kPreviewBase, kStructureView, kGenerate,
                            kSaveData, kViewSavedFile})
    dialog_->setEnabled(control, enabled);
}

void MainDialog::storeTitle(std::string_view typed) {
  const std::string_view title =
      model::trimRight(model::firstWholeChars(typed, model::kTitleWidth));
  model_.base.problemTitle =
      model::trimLeft(title).empty() ? std::string(kDefaultTitle) : std::string(title);
}

void MainDialog::refreshFromModel() {
  dialog_->setText(kOldFilePath, model::trimRight(session_.oldFilePath));
  dialog_->setSelection(kDegreesOfFreedom, model_.base.dofPerNode - 1);
  dialog_->setText(kNodesInBase0, std::to_string(model_.base.nodesInBase0));
  dialog_->setText(kNodesInBase1, std::to_string(model_.base.nodesInBase1));
  dialog_->setText(kElements, std::to_string(model_.base.baseElementCount));
  dialog_->setText(kProblemTitle, model::trimRight(model_.base.problemTitle));
  // The list follows the loaded dimension before its entry is chosen.
  setDirectionEntries(model_.base.dofPerNode == 2 ? 2 : 3);
  dialog_->setSelection(kDirection, model_.expansion.directionIndex());
  dialog_->setText(kModules, std::to_string(model_.expansion.moduleCount));
  dialog_->setText(kModuleLength, model::compactNumberText(
                                      model::fixedForm(model_.expansion.moduleLength, 14, 7)));
  dialog_->setSelection(kExpansionType, model_.expansion.expansionType);
}

void MainDialog::onOwnControl(ControlId control) {
  switch (control) {
    case kOldFile:
      loadOldFile();
      return;
    case kRecentFiles:
      onRecentFile();
      return;
    case kDegreesOfFreedom:
      onDegreesOfFreedom();
      return;
    case kNodesInBase0:
      readBaseCount(control, model::labels::kNodesInBase0, model_.base.nodesInBase0);
      break;
    case kNodesInBase1:
      readBaseCount(control, model::labels::kNodesInBase1, model_.base.nodesInBase1);
      break;
    case kElements:
      readBaseCount(control, model::labels::kElementCount, model_.base.baseElementCount);
      break;
    case kModules:
      model_.expansion.moduleCount = model::textToInteger(dialog_->text(control));
      break;
    case kModuleLength:
      model_.expansion.moduleLength =
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
      model_.base.lastNodesInBase0 = dialog_->isChecked(control);
      inputsChanged();
      return;
    case kHelp:
      programs_.showReadme(session_);
      return;
    case kPreviewBase:
      onPreviewBaseModule();
      return;
    case kStructureView:
      onStructureView();
      return;
    default:
      return;
  }
  applyEnablingRule();
}

void MainDialog::onDegreesOfFreedom() {
  const int entry = dialog_->selection(kDegreesOfFreedom);
  model_.base.dofPerNode = entry > 0 ? entry + 1 : 0;
  // A plane model has no third axis: a "Z" chosen before must not survive,
  // or GENERATE would stay enabled for an axis the model does not have.
  if (model_.base.dofPerNode == 2 && model_.expansion.directionIndex() > 2) {
    model_.expansion.expansionDirection = ' ';
    dialog_->setSelection(kDirection, 0);
  }
  applyEnablingRule();
  setDirectionEntries(model_.base.dofPerNode == 2 ? 2 : 3);
}

void MainDialog::onDirection() {
  const std::string letter = dialog_->entryText(kDirection, dialog_->selection(kDirection));
  model_.expansion.expansionDirection = letter.empty() ? ' ' : letter.front();
  applyEnablingRule();
}

void MainDialog::onExpansionType() {
  model_.expansion.expansionType = dialog_->selection(kExpansionType);
  applyEnablingRule();
  runSubDialog([&] {
    switch (model_.expansion.expansionType) {
      case model::kPyramidal:
        runPyramidDialog(model_, session_, host_);
        break;
      case model::kOneDirectionShrink:
        runShrinkDialog(model_, session_, host_);
        break;
      case model::kArch:
        runArchDialog(model_, session_, host_);
        break;
      default:
        break;
    }
  });
}

void MainDialog::onPreviewBaseModule() {
  session_.baseGeometryPath = files::baseModuleGeometryPath(model::trimRight(session_.oldFilePath));
  const model::Outcome written = files::writeBaseModuleGeometryFile(
      model_.base, model::trimRight(session_.baseGeometryPath), session_.romanian);
  if (!written) {
    showError(written.message);
    return;
  }
  previewOrView(session_.baseGeometryPath, ViewSubject::BaseModule);
}

void MainDialog::previewOrView(std::string_view path, ViewSubject subject) {
  if (!programs_.previewInstalled(session_) && view_.open(subject)) return;
  programs_.preview(session_, path);
}

void MainDialog::onStructureView() {
  view_.open(std::nullopt);
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
      programs_.showInTextViewer(session_, session_.inputFilePath);
      return;
    default:
      return;
  }
}

void MainDialog::generate() {
  model_.base.lastNodesInBase0 = dialog_->isChecked(kLastNodesInBase0);
  using Kind = model::Outcome::Kind;
  const Kind end = runGeneration();
  // A refusal or a cancel leaves the previous structure and the buttons.
  if (end != Kind::kOk && end != Kind::kDeclined) return;
  if (end == Kind::kOk) showGeneratedCounts();
  // What the model check finds is read before anything is created from it;
  // the view then shows the structure with it marked, without a check of
  // its own.
  if (end == Kind::kOk)
    view_.showGenerated(showModelCheckFindings(model_, session_.romanian, host_));
  // Saving stays possible after a declined warning too (the inputs alone
  // when the structure no longer matches them); a Geometry File only from a
  // structure the inputs generate.
  saveOffered_ = true;
  dialog_->setEnabled(kSaveData, true);
  dialog_->setEnabled(kCreate, structureIsCurrent());
  dialog_->setEnabled(kView, false);
  dialog_->setEnabled(kPreviewStructure, false);
}

model::Outcome::Kind MainDialog::runGeneration() {
  DesktopCaller caller(host_, session_.romanian);
  view_.releaseStructure();
  const model::Outcome result =
      generation::runGenerate(model_, session_.romanian, generation::kAskTheLength, caller);
  // The new structure belongs to the inputs as they are now.
  if (result) session_.inputsChangedSinceGenerate = false;
  // A new structure is shown once it is checked (generate).
  if (!result) view_.follow();
  // A cancel keeps the previous structure and needs no message; a No none either.
  if (result.kind == model::Outcome::Kind::kRefused) showError(result.message);
  return result.kind;
}

bool MainDialog::written(generation::PlannedWrite write, const model::Text& label) {
  return writtenWithProgress(host_, std::move(write), model::say(label, session_.romanian),
                             model::say(texts::kMessageTitle, session_.romanian),
                             session_.romanian);
}

// Proposes the model file saved or loaded last (never another file chosen
// since, such as the Geometry File).
bool MainDialog::saveData() {
  const std::string previousPath = session_.inputFilePath;
  if (!programs_.selectModelFile(model::say(texts::kSelectZentrixFile, session_.romanian),
                                 session_.inputFilePath))
    return false;
  growTablesToCounts(model_.base);
  if (!written(generation::inputFileWrite(model_,
                                          std::string(model::pathInField(session_.inputFilePath)),
                                          !session_.inputsChangedSinceGenerate, session_.romanian),
               texts::kSaving)) {
    session_.inputFilePath = previousPath;
    return false;
  }
  savedInputs_ = inputsOf(model_);
  dialog_->setEnabled(kViewSavedFile, true);
  // The saved file is now the model's file, as a loaded one is.
  session_.oldFilePath = session_.inputFilePath;
  dialog_->setText(kOldFilePath, model::trimRight(session_.oldFilePath));
  remember(session_.inputFilePath);
  dialog_->setText(kGenerationStatus,
                   model::say(texts::kSavedTo, session_.romanian,
                              {std::string(model::trimRight(session_.inputFilePath))}));
  return true;
}

void MainDialog::onGeometryControl(ControlId control) {
  switch (control) {
    case kCreate:
      create();
      return;
    case kView:
      programs_.showInTextViewer(session_, session_.geometryFilePath);
      return;
    case kPreviewStructure:
      previewOrView(session_.geometryFilePath, ViewSubject::Structure);
      return;
    default:
      return;
  }
}

void MainDialog::create() {
  const std::string previousPath = session_.geometryFilePath;
  const std::string previousShown = dialog_->text(kGeometryFilePath);
  if (!programs_.selectGeometryFile(model::say(texts::kSelectGeometryFile, session_.romanian),
                                    session_.geometryFilePath, session_))
    return;
  dialog_->setText(kGeometryFilePath, model::trimRight(session_.geometryFilePath));
  if (const int chosen = dialog_->selection(kExpansionType); chosen > 0)
    model_.expansion.expansionType = chosen;
  if (!written(generation::geometryFileWrite(
                   model_, std::string(model::pathInField(session_.geometryFilePath)),
                   session_.romanian),
               texts::kWritingGeometry)) {
    session_.geometryFilePath = previousPath;
    dialog_->setText(kGeometryFilePath, previousShown);
    return;
  }
  host_.showMessage(files::geometryCreatedMessage(model::pathInField(session_.geometryFilePath),
                                                  session_.romanian),
                    model::say(texts::kCreateMessageTitle, session_.romanian), MessageButtons::Ok,
                    MessageIcon::Information);
  dialog_->setEnabled(kView, true);
  dialog_->setEnabled(kPreviewStructure, true);
}

void MainDialog::onRecentFile() {
  const std::string path = recent_.pathOf(dialog_->selection(kRecentFiles));
  // The list shows no choice again, so that any entry can be chosen next.
  recent_.showIn(*dialog_, kRecentFiles);
  if (path.empty()) return;
  if (!recentFileExists(path)) {
    recent_.forget(path);
    recent_.showIn(*dialog_, kRecentFiles);
    dialog_->setText(kGenerationStatus,
                     model::say(texts::kRecentFileGone, session_.romanian, {path}));
    return;
  }
  loadOldFile(path);
}

void MainDialog::remember(std::string_view path) {
  recent_.remember(path);
  recent_.showIn(*dialog_, kRecentFiles);
}

void MainDialog::loadOldFile(std::string chosen) {
  if (!unsavedWorkMayGo()) return;
  if (session_.oldFileLoaded) programs_.deleteBaseGeometryFiles(session_);
  for (;;) {
    const std::string previousOldFile = session_.oldFilePath;
    const std::string previousInputFile = session_.inputFilePath;
    const bool previouslyLoaded = session_.oldFileLoaded;
    if (!chosen.empty()) {
      session_.oldFilePath = std::exchange(chosen, {});
    } else if (!programs_.selectFile(model::say(texts::kSelectOldFile, session_.romanian),
                                     session_.oldFilePath)) {
      session_.oldFileLoaded = false;
      return;
    }
    session_.oldFileLoaded = true;
    session_.inputFilePath = session_.oldFilePath;
    view_.releaseStructure();
    const model::Outcome loaded =
        generation::loadModel(model_, model::trimRight(session_.oldFilePath), session_.romanian);
    view_.follow();
    if (loaded) {
      session_.loadedExpansionType = model_.expansion.expansionType;
      refreshFromModel();
      applyLoadEnabling(true);
      saveOffered_ = true;
      refusedCount_.clear();
      // The structure in memory was generated from other inputs.
      inputsChanged();
      savedInputs_ = inputsOf(model_);
      remember(session_.oldFilePath);
      return;
    }
    // The load changed nothing; neither do the paths of the failed attempt.
    session_.oldFilePath = previousOldFile;
    session_.inputFilePath = previousInputFile;
    session_.oldFileLoaded = previouslyLoaded;
    std::string text = model::say(files::texts::kWrongDataInOldFile, session_.romanian);
    if (!loaded.message.empty()) text += "\n\n" + loaded.message;
    // Cancel goes back to the model as it was: the failed load changed
    // nothing, and ending the program here would lose the user's work.
    if (host_.showMessage(text, model::say(texts::kMessageTitle, session_.romanian),
                          MessageButtons::RetryCancel, MessageIcon::Error) != MessageAnswer::Retry)
      return;
  }
}

}  // namespace

MainDialogEnd runMainDialog(model::Model& model, Session& session, DialogHost& host,
                            ExternalPrograms& programs) {
  return MainDialog(model, session, host, programs).run();
}

}  // namespace zentrix::ui
