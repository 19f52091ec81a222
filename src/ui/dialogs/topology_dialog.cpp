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

void showElementEntries(Dialog& dialog, const model::Model& model, int count) {
  fillNumberedList(dialog, Ids::kElementList, count);
  for (int element = 1; element <= count; ++element)
    showEntryValues(dialog, Ids::kElementList, element, endNodesText(model, element));
}

// An end node the Base module does not have, or 0 when both are its own.
std::int32_t foreignEndNode(const model::Model& model, int element) {
  const std::int64_t nodes = model.base.baseNodeCount();
  for (const std::int32_t node :
       {model.base.baseElemStart(element), model.base.baseElemEnd(element)})
    if (node < 0 || node > nodes) return node;
  return 0;
}

void chooseElement(Dialog& dialog, const model::Model& model, TopologyState& state) {
  const int element = dialog.selection(Ids::kElementList);
  if (!holdsElement(model, element)) return;
  state.endNodesText = endNodesText(model, element);
  dialog.setText(Ids::kEndNodesEdit, state.endNodesText);
}

// Reads straight into the element's entries: an empty value or a slash keeps
// an end node, and a first value read before a failing one stays stored. An
// end node 0 or outside the Base module's nodes is reported (and stays
// stored, unmarked); otherwise the next element is chosen.
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
  showEntryValues(dialog, Ids::kElementList, element, endNodesText(model, element));
  if (start == 0 || end == 0) {
    showError(host, romanian, texts::kZeroEndNodes, kTitle);
    return;
  }
  if (const std::int32_t foreign = foreignEndNode(model, element); foreign != 0) {
    const std::int64_t nodes = model.base.baseNodeCount();
    host.showMessage(model::say(texts::kEndNodeOutsideBase, romanian,
                                {std::to_string(foreign), std::to_string(nodes)}),
                     model::say(kTitle, romanian), MessageButtons::Ok, MessageIcon::Error);
    return;
  }
  markProcessed(dialog, Ids::kProcessedList, element);
  chooseNextEntry(dialog, Ids::kElementList, element, [&] { chooseElement(dialog, model, state); });
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
  dialog->onEnter(Ids::kEndNodesEdit, Ids::kApplyButton);

  fitTopologyToCount(model);
  const int count = elementCount(model);
  showElementEntries(*dialog, model, count);
  fillNumberedList(*dialog, Ids::kProcessedList, count);
  dialog->runModal();
}

}  // namespace zentrix::ui
