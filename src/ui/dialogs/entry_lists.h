// The two lists the Base module entry dialogs share: the selection list of
// numbered entries ("1" to N) and the "Processed" list beside it, whose
// entry k shows "k+" once the user has applied values to item k.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ui/dialog_layer.h"

namespace zentrix::ui {

// Gives `list` the entries "1" .. "count" (none for a count below 1).
void fillNumberedList(Dialog& dialog, ControlId list, int count);

// Gives the processed list `count` entries: their plain numbers when
// `numbered` (values loaded from a file count as entered), blank otherwise.
void fillProcessedList(Dialog& dialog, ControlId list, int count, bool numbered);

// Marks entry `entry` as applied: its label without trailing blanks and "+".
void markProcessed(Dialog& dialog, ControlId list, int entry, std::string_view label);

// The first `width` characters of an edit box: what the dialog keeps of it.
std::string editText(const Dialog& dialog, ControlId edit, std::size_t width);

// Keeps `buffer` equal to `editText(edit, width)` on every change of the
// box; the Empty button sets the box (and the buffer) to a single blank.
// `buffer` must outlive the dialog's modal run.
void keepEditText(Dialog& dialog, ControlId edit, ControlId emptyButton, std::string& buffer,
                  std::size_t width);

}  // namespace zentrix::ui
