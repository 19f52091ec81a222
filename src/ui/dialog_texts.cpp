#include "ui/dialog_texts.h"

#include "model/number_text.h"

namespace zentrix::ui {

std::string shownNumber(float value, int width, int digits) {
  return model::compactNumberText(model::generalForm(value, width, digits));
}

void showError(DialogHost& host, bool romanian, const model::Text& text, std::string_view title) {
  host.showMessage(model::say(text, romanian), title, MessageButtons::Ok, MessageIcon::Error);
}

void showError(DialogHost& host, bool romanian, const model::Text& text, const model::Text& title) {
  showError(host, romanian, text, model::say(title, romanian));
}

}  // namespace zentrix::ui
