// Texts the sub-dialogs show: numbers in the short form every dialog uses,
// and error message boxes in the session's language. Never throws for a
// value: NaN and infinities come out as words, as the number edits write them.
#pragma once

#include <string>
#include <string_view>

#include "model/model.h"
#include "model/text.h"
#include "ui/dialog_layer.h"

namespace zentrix::ui {

// A real as a dialog shows it: the general form Gw.d, then the compact
// number text (1.5 for 1.500000, 6. for 6.000000, 0.123457E+07 kept).
std::string shownNumber(float value, int width, int digits);

// An error box with an OK button and no owner, in Romanian with `romanian`.
void showError(DialogHost& host, bool romanian, const model::Text& text, std::string_view title);
// The same with the title in the language too.
void showError(DialogHost& host, bool romanian, const model::Text& text, const model::Text& title);

}  // namespace zentrix::ui
