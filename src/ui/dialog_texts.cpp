#include "ui/dialog_texts.h"

#include "model/number_text.h"

namespace zentrix::ui {

std::string shownNumber(float value, int width, int digits) {
  return model::compactNumberText(model::generalForm(value, width, digits));
}

void showError(DialogHost& host, const model::Model& model, const char* english,
               const char* romanian, std::string_view title) {
  host.showMessage(model::inLanguage(model, english, romanian), title, MessageButtons::Ok,
                   MessageIcon::Error);
}

}  // namespace zentrix::ui
