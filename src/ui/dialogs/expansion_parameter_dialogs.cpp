#include "ui/dialogs/expansion_parameter_dialogs.h"

#include <algorithm>
#include <string>
#include <vector>

#include "model/free_form.h"
#include "model/number_text.h"
#include "ui/dialog_captions.h"
#include "ui/dialog_texts.h"
#include "ui/ui_texts.h"

namespace zentrix::ui {

namespace {

constexpr std::size_t kNumberTextWidth = 20;

float numberIn(const Dialog& dialog, ControlId edit) {
  return model::textToReal(model::firstChars(dialog.text(edit), kNumberTextWidth));
}

// The coordinates the structure has: 2 or 3 (the vertex foot holds at most 3).
int coordinateCount(const model::Model& model) {
  return std::clamp(model.base.dofPerNode, 0, 3);
}

std::string vertexFootShown(const model::Model& model) {
  std::string text;
  for (int axis = 1; axis <= 3; ++axis) {
    if (axis > 1) text += "  ";
    if (axis <= coordinateCount(model))
      text += shownNumber(model.expansion.vertexFootCoordinate(axis), 14, 7);
  }
  return std::string(model::trimRight(text));
}

void readVertexFoot(model::Model& model, const Session& session, DialogHost& host) {
  std::vector<model::FreeFormTarget> targets;
  for (int axis = 1; axis <= coordinateCount(model); ++axis)
    targets.emplace_back(&model.expansion.vertexFoot[static_cast<std::size_t>(axis - 1)]);
  if (!model::readFreeForm(session.vertexFootText, targets))
    showError(host, session.romanian, texts::kWrongFootCoordinates, texts::kParameterMessageTitle);
}

// The shrink directions offered: the structure's axes other than the
// expansion axis, in ascending order, in two entries (one stays blank in 2-D).
std::vector<std::string> shrinkDirectionEntries(const model::Model& model) {
  std::vector<std::string> entries;
  for (int axis = 1; axis <= coordinateCount(model) && entries.size() < 2; ++axis)
    if (axis != model.expansion.directionIndex()) entries.emplace_back(1, model::axisLetter(axis));
  entries.resize(2);
  return entries;
}

int entryShowing(const Dialog& dialog, ControlId list, const std::string& text) {
  for (int entry = 1; entry <= dialog.entryCount(list); ++entry)
    if (dialog.entryText(list, entry) == text) return entry;
  return 0;
}

void fillList(Dialog& dialog, ControlId list, const std::vector<std::string>& entries) {
  dialog.setEntryCount(list, static_cast<int>(entries.size()));
  for (std::size_t i = 0; i < entries.size(); ++i)
    dialog.setEntryText(list, static_cast<int>(i + 1), entries[i]);
}

}  // namespace

void runPyramidDialog(model::Model& model, Session& session, DialogHost& host) {
  using Ids = PyramidControls;
  auto dialog = createDialogIn(host, Ids::kTemplate, session.romanian);
  dialog->onEvent(Ids::kShrinkRatioEdit, [&model](Dialog& d, ControlId control, EventKind) {
    model.expansion.pyramidShrinkRatio = numberIn(d, control);
  });
  dialog->onEvent(Ids::kVertexFootEdit, [&session](Dialog& d, ControlId control, EventKind) {
    session.vertexFootText = std::string(
        model::trimRight(model::firstChars(d.text(control), model::kVertexFootTextWidth)));
  });

  if (session.oldFileLoaded) {
    session.vertexFootText = vertexFootShown(model);
    dialog->setText(Ids::kShrinkRatioEdit, shownNumber(model.expansion.pyramidShrinkRatio, 14, 6));
    dialog->setText(Ids::kVertexFootEdit, session.vertexFootText);
  } else {
    dialog->setText(Ids::kShrinkRatioEdit, "");
    dialog->setText(Ids::kVertexFootEdit, "");
  }
  dialog->runModal();
  dialog.reset();
  readVertexFoot(model, session, host);
}

void runShrinkDialog(model::Model& model, Session& session, DialogHost& host) {
  using Ids = ShrinkControls;
  auto dialog = createDialogIn(host, Ids::kTemplate, session.romanian);
  dialog->onEvent(Ids::kShrinkRatioEdit, [&model](Dialog& d, ControlId control, EventKind) {
    model.expansion.shrinkRatio = numberIn(d, control);
  });
  dialog->onEvent(Ids::kDirectionList, [&model](Dialog& d, ControlId control, EventKind) {
    const std::string letter = d.entryText(control, d.selection(control));
    model.expansion.shrinkDirection = letter.empty() ? ' ' : letter.front();
  });

  fillList(*dialog, Ids::kDirectionList, shrinkDirectionEntries(model));
  if (session.oldFileLoaded) {
    const std::string letter(1, model::axisLetter(model.expansion.shrinkDirectionIndex()));
    dialog->setSelection(Ids::kDirectionList, entryShowing(*dialog, Ids::kDirectionList, letter));
    dialog->setText(Ids::kShrinkRatioEdit, shownNumber(model.expansion.shrinkRatio, 14, 7));
  } else {
    dialog->setSelection(Ids::kDirectionList, 0);
    dialog->setText(Ids::kShrinkRatioEdit, "");
  }
  dialog->runModal();
}

void runArchDialog(model::Model& model, Session& session, DialogHost& host) {
  using Ids = ArchControls;
  auto dialog = createDialogIn(host, Ids::kTemplate, session.romanian);
  dialog->onEvent(Ids::kHalfSpanEdit, [&](Dialog& d, ControlId control, EventKind) {
    session.halfSpanText = std::string(model::firstChars(d.text(control), kNumberTextWidth));
    model.expansion.halfSpan = numberIn(d, control);
  });
  dialog->onEvent(Ids::kHeightEdit, [&](Dialog& d, ControlId control, EventKind) {
    session.archHeightText = std::string(model::firstChars(d.text(control), kNumberTextWidth));
    model.expansion.archHeight = numberIn(d, control);
  });
  dialog->onEvent(Ids::kKindList, [&model](Dialog& d, ControlId control, EventKind) {
    model.expansion.archKind = d.selection(control);
  });

  fillList(*dialog, Ids::kKindList,
           {model::say(captions::kArchKinds[0], session.romanian),
            model::say(captions::kArchKinds[1], session.romanian)});
  if (!session.oldFileLoaded) {
    session.halfSpanText.clear();
    session.archHeightText.clear();
    model.expansion.archKind = model::kCircularArch;
  } else if (session.loadedExpansionType == model::kArch) {
    session.halfSpanText = shownNumber(model.expansion.halfSpan, 14, 4);
    session.archHeightText = shownNumber(model.expansion.archHeight, 14, 4);
  }
  dialog->setText(Ids::kHalfSpanEdit, model::trimRight(session.halfSpanText));
  dialog->setText(Ids::kHeightEdit, model::trimRight(session.archHeightText));
  dialog->setSelection(Ids::kKindList, model.expansion.archKind);
  dialog->runModal();
}

}  // namespace zentrix::ui
