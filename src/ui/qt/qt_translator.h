// Qt's own texts in Romanian: the file dialog's column headings, tool tips,
// menu and questions, which QFileDialog::setLabelText does not reach. A
// translator of our own answers Qt's look-ups from our catalogue
// (qt_texts::kQtOwnTexts); it is installed in a Romanian session only, so
// an English session shows Qt's texts exactly as Qt has them.
#pragma once

#include <QTranslator>

namespace zentrix::ui {

class RomanianQtTexts final : public QTranslator {
 public:
  using QTranslator::QTranslator;

  QString translate(const char* context, const char* sourceText, const char* disambiguation,
                    int n) const override;
  bool isEmpty() const override { return false; }
};

}  // namespace zentrix::ui
