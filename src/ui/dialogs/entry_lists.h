// The two lists the Base module entry dialogs share: the selection list of
// numbered entries ("1" to N) and the "Processed" list beside it, whose
// entry k shows "k+" once the user has applied values to item k.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ui/dialog_layer.h"

namespace zentrix::input {

// Gives `list` the entries "1" .. "count" (none for a count below 1).
void fillNumberedList(ui::Dialog& dialog, ui::ControlId list, int count);

// Gives the processed list `count` entries: their plain numbers when
// `numbered` (values loaded from a file count as entered), blank otherwise.
void fillProcessedList(ui::Dialog& dialog, ui::ControlId list, int count, bool numbered);

// Marks entry `entry` as applied: its label without trailing blanks and "+".
void markProcessed(ui::Dialog& dialog, ui::ControlId list, int entry, std::string_view label);

// The first `width` characters of an edit box: what the dialog keeps of it.
std::string editText(const ui::Dialog& dialog, ui::ControlId edit, std::size_t width);

// Keeps `buffer` equal to `editText(edit, width)` on every change of the
// box; the Empty button sets the box (and the buffer) to a single blank.
// `buffer` must outlive the dialog's modal run.
void keepEditText(ui::Dialog& dialog, ui::ControlId edit, ui::ControlId emptyButton,
                  std::string& buffer, std::size_t width);

}  // namespace zentrix::input
