// The two lists the Base module entry dialogs share: the selection list of
// numbered entries ("1" to N, each with its values beside its number) and
// the "Processed" list beside it, whose entry k shows "k" and, once the user
// has applied values to item k, "k+".
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "ui/dialog_layer.h"

namespace zentrix::ui {

// Gives `list` the entries "1" .. "count" (none for a count below 1).
void fillNumberedList(Dialog& dialog, ControlId list, int count);

// Entry `entry` of a selection list: its number, then `values` ("3   0  5").
void showEntryValues(Dialog& dialog, ControlId list, int entry, std::string_view values);

// Marks entry `entry` of the processed list as applied: "k+".
void markProcessed(Dialog& dialog, ControlId list, int entry);

// After an APPLY: the entry after `entry` is chosen (its values shown by
// `show`), so that the items are typed one after the other; the last stays.
void chooseNextEntry(Dialog& dialog, ControlId list, int entry, const std::function<void()>& show);

// The first `width` characters of an edit box: what the dialog keeps of it.
std::string editText(const Dialog& dialog, ControlId edit, std::size_t width);

// Keeps `buffer` equal to `editText(edit, width)` on every change of the
// box; the Empty button sets the box (and the buffer) to a single blank.
// `buffer` must outlive the dialog's modal run.
void keepEditText(Dialog& dialog, ControlId edit, ControlId emptyButton, std::string& buffer,
                  std::size_t width);

}  // namespace zentrix::ui
