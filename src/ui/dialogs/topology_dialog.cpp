#include "ui/dialogs/topology_dialog.h"

#include <algorithm>
#include <string>

#include "model/free_form.h"
#include "model/number_text.h"
#include "ui/dialog_captions.h"
#include "ui/dialog_texts.h"
#include "ui/dialogs/entry_lists.h"
#include "ui/ui_texts.h"

namespace zentrix::ui {

namespace {

using Ids = TopologyControls;

constexpr std::size_t kEndNodesTextWidth = 30;
constexpr const model::Text& kTitle = texts::kTopologyMessageTitle;

struct TopologyState {
  std::string endNodesText;
};

// Grows the element arrays to the count the main dialog shows now and never
// shrinks them: elements beyond a lowered count stay hidden and come back
// when the count is raised again.
void fitTopologyToCount(model::Model& model) {
  model.base.baseElemStart.resize(
      std::max<std::int64_t>(model.base.baseElemStart.count(), model.base.baseElementCount));
  model.base.baseElemEnd.resize(
      std::max<std::int64_t>(model.base.baseElemEnd.count(), model.base.baseElementCount));
}

int elementCount(const model::Model& model) {
  return static_cast<int>(
      std::min({model.base.baseElemStart.count(), model.base.baseElemEnd.count(),
                std::int64_t{std::max(model.base.baseElementCount, 0)}}));
}

bool holdsElement(const model::Model& model, int element) {
  return element >= 1 && element <= elementCount(model);
}

// "12    7": each end node right-aligned in 3 columns, two blanks between,
// then left-adjusted. Larger numbers widen their field and show whole.
std::string endNodesText(const model::Model& model, int element) {
  std::string text = model::integerField(model.base.baseElemStart(element), 3);
  text += "  ";
  text += model::integerField(model.base.baseElemEnd(element), 3);
  return std::string(model::trimLeft(text));
}

void chooseElement(Dialog& dialog, const model::Model& model, TopologyState& state) {
  const int element = dialog.selection(Ids::kElementList);
  if (!holdsElement(model, element)) return;
  state.endNodesText = endNodesText(model, element);
  dialog.setText(Ids::kEndNodesEdit, state.endNodesText);
}

// Reads straight into the element's entries: an empty value or a slash keeps
// an end node, and a first value read before a failing one stays stored.
void applyEndNodes(Dialog& dialog, DialogHost& host, model::Model& model, bool romanian,
                   TopologyState& state) {
  state.endNodesText = editText(dialog, Ids::kEndNodesEdit, kEndNodesTextWidth);
  const int element = dialog.selection(Ids::kElementList);
  if (!holdsElement(model, element)) {
    showError(host, romanian, texts::kNoElementSelected, kTitle);
    return;
  }
  std::int32_t& start = model.base.baseElemStart(element);
  std::int32_t& end = model.base.baseElemEnd(element);
  if (!model::readFreeForm(state.endNodesText, {&start, &end})) {
    showError(host, romanian, texts::kWrongEndNodes, kTitle);
    return;
  }
  if (start == 0 || end == 0) {
    showError(host, romanian, texts::kZeroEndNodes, kTitle);
    return;
  }
  markProcessed(dialog, Ids::kProcessedList, element, dialog.entryText(Ids::kElementList, element));
}

}  // namespace

void runTopologyDialog(model::Model& model, const Session& session, DialogHost& host) {
  auto dialog = createDialogIn(host, Ids::kTemplate, session.romanian);
  TopologyState state;

  dialog->onEvent(Ids::kElementList,
                  [&](Dialog& d, ControlId, EventKind) { chooseElement(d, model, state); });
  keepEditText(*dialog, Ids::kEndNodesEdit, Ids::kEmptyButton, state.endNodesText,
               kEndNodesTextWidth);
  dialog->onEvent(Ids::kApplyButton, [&](Dialog& d, ControlId, EventKind) {
    applyEndNodes(d, host, model, session.romanian, state);
  });

  fitTopologyToCount(model);
  const int count = elementCount(model);
  fillNumberedList(*dialog, Ids::kElementList, count);
  fillProcessedList(*dialog, Ids::kProcessedList, count, session.oldFileLoaded);
  dialog->runModal();
}

}  // namespace zentrix::ui
