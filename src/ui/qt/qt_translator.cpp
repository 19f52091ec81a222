#include "ui/qt/qt_translator.h"

#include <cstring>

#include "ui/qt/qt_texts.h"

namespace zentrix::ui {

QString RomanianQtTexts::translate(const char* context, const char* sourceText,
                                   const char* disambiguation, int n) const {
  (void)disambiguation;
  (void)n;
  if (context == nullptr || sourceText == nullptr) return {};
  for (const qt_texts::OwnText& own : qt_texts::kQtOwnTexts)
    if (std::strcmp(own.context, context) == 0 && std::strcmp(own.text.en, sourceText) == 0)
      return QString::fromUtf8(own.text.ro);
  return {};
}

}  // namespace zentrix::ui
