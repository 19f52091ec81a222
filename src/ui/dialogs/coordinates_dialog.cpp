#include "ui/dialogs/coordinates_dialog.h"

#include <algorithm>
#include <string>
#include <vector>

#include "model/free_form.h"
#include "model/number_text.h"
#include "ui/dialog_captions.h"
#include "ui/dialog_texts.h"
#include "ui/dialogs/entry_lists.h"
#include "ui/ui_texts.h"

namespace zentrix::ui {

namespace {

using Ids = CoordinatesControls;

constexpr std::size_t kCoordinateTextWidth = 260;
constexpr const model::Text& kTitle = texts::kCoordinatesMessageTitle;

// What the dialog remembers between events while it is open. The node the
// user works on is always the one selected in the node list.
struct CoordinatesState {
  std::string coordinateText;
};

// Grows `baseCoords` to the counts the main dialog shows now and never
// shrinks it: rows and columns beyond a lowered count stay (hidden), so
// raising the count again brings the user's values back. Only the current
// counts are shown, written and generated, also after a load.
void fitCoordinatesToCounts(model::Model& model) {
  model.base.baseCoords.resize(
      std::max<std::int64_t>(model.base.baseCoords.rows(), model.base.baseNodeCount()),
      std::max(model.base.baseCoords.columns(), model.base.dofPerNode));
}

// The coordinates a node has now: `dofPerNode`, within the table.
int shownColumns(const model::Model& model) {
  return std::clamp(model.base.dofPerNode, 0, model.base.baseCoords.columns());
}

bool holdsNode(const model::Model& model, std::int64_t node) {
  return node >= 1 &&
         node <= std::min<std::int64_t>(model.base.baseCoords.rows(), model.base.baseNodeCount());
}

std::string promptText(const model::Model& model, bool romanian) {
  return model::say(
      model.base.dofPerNode == 2 ? texts::kCoordinatesPrompt2 : texts::kCoordinatesPrompt3,
      romanian);
}

std::string joinedText(const std::vector<float>& values) {
  std::string text;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) text += "  ";
    text += shownNumber(values[i], 20, 6);
  }
  return text;
}

// A node's coordinates as stored, for its entry in the node list.
std::string storedCoordinatesText(const model::Model& model, int node) {
  std::vector<float> values;
  for (int axis = 1; axis <= shownColumns(model); ++axis)
    values.push_back(model.base.baseCoords(node, axis));
  return joinedText(values);
}

void showNodeEntries(Dialog& dialog, const model::Model& model, int nodeCount) {
  fillNumberedList(dialog, Ids::kNodeList, nodeCount);
  for (int node = 1; node <= nodeCount; ++node)
    if (holdsNode(model, node))
      showEntryValues(dialog, Ids::kNodeList, node, storedCoordinatesText(model, node));
}

// The text shown for a node: its coordinates joined by two blanks. A node not
// entered yet (all 0) starts its last coordinate at the level of its base,
// taken from the base's first node.
std::string coordinatesText(const model::Model& model, int node) {
  const int columns = shownColumns(model);
  std::vector<float> values(static_cast<std::size_t>(columns));
  bool allZero = true;
  for (int axis = 1; axis <= columns; ++axis) {
    values[static_cast<std::size_t>(axis - 1)] = model.base.baseCoords(node, axis);
    allZero = allZero && model.base.baseCoords(node, axis) == 0.0f;
  }
  const std::int64_t reference = node <= model.base.nodesInBase0 ? 1 : model.base.nodesInBase0 + 1;
  if (allZero && columns > 0 && holdsNode(model, reference))
    values.back() = model.base.baseCoords(reference, columns);
  return joinedText(values);
}

void chooseNode(Dialog& dialog, const model::Model& model, CoordinatesState& state) {
  const int node = dialog.selection(Ids::kNodeList);
  if (!holdsNode(model, node)) return;
  state.coordinateText = coordinatesText(model, node);
  dialog.setText(Ids::kCoordinatesEdit, state.coordinateText);
}

// Reads the node's coordinates from the text, starting from its current
// values so that empty values and a closing slash keep them. The node changes
// only when the whole text reads; then the next node is chosen.
void applyCoordinates(Dialog& dialog, DialogHost& host, model::Model& model, bool romanian,
                      CoordinatesState& state) {
  state.coordinateText = editText(dialog, Ids::kCoordinatesEdit, kCoordinateTextWidth);
  const int node = dialog.selection(Ids::kNodeList);
  if (!holdsNode(model, node)) {
    showError(host, romanian, texts::kNoNodeSelected, kTitle);
    return;
  }
  const int columns = shownColumns(model);
  std::vector<float> values(static_cast<std::size_t>(columns));
  std::vector<model::FreeFormTarget> targets;
  for (int axis = 1; axis <= columns; ++axis) {
    values[static_cast<std::size_t>(axis - 1)] = model.base.baseCoords(node, axis);
    targets.emplace_back(&values[static_cast<std::size_t>(axis - 1)]);
  }
  if (!model::readFreeForm(state.coordinateText, targets)) {
    showError(host, romanian, texts::kWrongCoordinates, kTitle);
    return;
  }
  for (int axis = 1; axis <= columns; ++axis)
    model.base.baseCoords(node, axis) = values[static_cast<std::size_t>(axis - 1)];
  showEntryValues(dialog, Ids::kNodeList, node, storedCoordinatesText(model, node));
  markProcessed(dialog, Ids::kProcessedList, node);
  chooseNextEntry(dialog, Ids::kNodeList, node, [&] { chooseNode(dialog, model, state); });
}

}  // namespace

void runCoordinatesDialog(model::Model& model, const Session& session, DialogHost& host) {
  auto dialog = createDialogIn(host, Ids::kTemplate, session.romanian);
  CoordinatesState state;

  dialog->onEvent(Ids::kNodeList,
                  [&](Dialog& d, ControlId, EventKind) { chooseNode(d, model, state); });
  keepEditText(*dialog, Ids::kCoordinatesEdit, Ids::kEmptyButton, state.coordinateText,
               kCoordinateTextWidth);
  dialog->onEvent(Ids::kApplyButton, [&](Dialog& d, ControlId, EventKind) {
    applyCoordinates(d, host, model, session.romanian, state);
  });
  dialog->onEnter(Ids::kCoordinatesEdit, Ids::kApplyButton);

  fitCoordinatesToCounts(model);
  const int nodeCount = static_cast<int>(model.base.baseNodeCount());
  showNodeEntries(*dialog, model, nodeCount);
  fillNumberedList(*dialog, Ids::kProcessedList, nodeCount);
  dialog->setText(Ids::kPrompt, promptText(model, session.romanian));
  dialog->runModal();
}

}  // namespace zentrix::ui
