#include "ui/dialogs/entry_lists.h"

#include <string>

#include "model/number_text.h"

namespace zentrix::input {

void fillNumberedList(ui::Dialog& dialog, ui::ControlId list, int count) {
  dialog.setEntryCount(list, count);
  for (int entry = 1; entry <= count; ++entry)
    dialog.setEntryText(list, entry, std::to_string(entry));
}

void fillProcessedList(ui::Dialog& dialog, ui::ControlId list, int count, bool numbered) {
  if (numbered) {
    fillNumberedList(dialog, list, count);
    return;
  }
  dialog.setEntryCount(list, count);
  for (int entry = 1; entry <= count; ++entry) dialog.setEntryText(list, entry, "");
}

void markProcessed(ui::Dialog& dialog, ui::ControlId list, int entry, std::string_view label) {
  std::string marked(model::trimRight(model::trimLeft(label)));
  marked += '+';
  dialog.setEntryText(list, entry, marked);
}

std::string editText(const ui::Dialog& dialog, ui::ControlId edit, std::size_t width) {
  return std::string(model::firstChars(dialog.text(edit), width));
}

void keepEditText(ui::Dialog& dialog, ui::ControlId edit, ui::ControlId emptyButton,
                  std::string& buffer, std::size_t width) {
  dialog.onEvent(edit, [&buffer, width](ui::Dialog& d, ui::ControlId control, ui::EventKind) {
    buffer = editText(d, control, width);
  });
  dialog.onEvent(emptyButton, [&buffer, edit](ui::Dialog& d, ui::ControlId, ui::EventKind) {
    buffer.assign(1, ' ');
    d.setText(edit, buffer);
  });
}

}  // namespace zentrix::input
