#include "ui/dialogs/entry_lists.h"

#include <algorithm>
#include <string>

#include "model/number_text.h"

namespace zentrix::ui {

namespace {

// Where the values start in a selection list's entry: after the number and
// at least one blank.
constexpr std::size_t kValuesIndent = 4;

}  // namespace

void fillNumberedList(Dialog& dialog, ControlId list, int count) {
  dialog.setEntryCount(list, count);
  for (int entry = 1; entry <= count; ++entry)
    dialog.setEntryText(list, entry, std::to_string(entry));
}

void showEntryValues(Dialog& dialog, ControlId list, int entry, std::string_view values) {
  std::string text = std::to_string(entry);
  text.append(kValuesIndent - std::min(text.size(), kValuesIndent - 1), ' ');
  text += values;
  dialog.setEntryText(list, entry, text);
}

void markProcessed(Dialog& dialog, ControlId list, int entry) {
  dialog.setEntryText(list, entry, std::to_string(entry) + '+');
}

void chooseNextEntry(Dialog& dialog, ControlId list, int entry, const std::function<void()>& show) {
  if (entry >= dialog.entryCount(list)) return;
  dialog.setSelection(list, entry + 1);
  show();
}

std::string editText(const Dialog& dialog, ControlId edit, std::size_t width) {
  return std::string(model::firstChars(dialog.text(edit), width));
}

void keepEditText(Dialog& dialog, ControlId edit, ControlId emptyButton, std::string& buffer,
                  std::size_t width) {
  dialog.onEvent(edit, [&buffer, width](Dialog& d, ControlId control, EventKind) {
    buffer = editText(d, control, width);
  });
  dialog.onEvent(emptyButton, [&buffer, edit](Dialog& d, ControlId, EventKind) {
    buffer.assign(1, ' ');
    d.setText(edit, buffer);
  });
}

}  // namespace zentrix::ui
