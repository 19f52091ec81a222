#include "ui/dialogs/entry_lists.h"

#include <string>

#include "model/number_text.h"

namespace zentrix::ui {

void fillNumberedList(Dialog& dialog, ControlId list, int count) {
  dialog.setEntryCount(list, count);
  for (int entry = 1; entry <= count; ++entry)
    dialog.setEntryText(list, entry, std::to_string(entry));
}

void fillProcessedList(Dialog& dialog, ControlId list, int count, bool numbered) {
  if (numbered) {
    fillNumberedList(dialog, list, count);
    return;
  }
  dialog.setEntryCount(list, count);
  for (int entry = 1; entry <= count; ++entry) dialog.setEntryText(list, entry, "");
}

void markProcessed(Dialog& dialog, ControlId list, int entry, std::string_view label) {
  std::string marked(model::trimRight(model::trimLeft(label)));
  marked += '+';
  dialog.setEntryText(list, entry, marked);
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
