// Every dialog template in resources/forms builds through the Qt backend as
// its form describes it: each form found there is a row. What a form holds
// (title, each control's id, kind and caption, its labels, group boxes and
// illustration) is compared with its golden listing in
// tests/data/golden/forms (ZENTRIX_UPDATE_GOLDEN=1 writes the listing of a
// new or changed form); the captions the catalogue gives a template are the
// form's own English ones; the layout follows the font in use.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "modal_driver.h"
#include "support/golden_file.h"
#include "support/test_names.h"
#include "ui/dialog_captions.h"
#include "ui/qt/form_loader.h"
#include "ui/qt/qt_dialog_host.h"

namespace zentrix::ui::testing {
namespace {

struct FormFile {
  int templateId;
  std::string title;  // as the form gives it, for the test's name
};

// The forms of resources/forms, by template id.
std::vector<FormFile> everyForm() {
  static const std::regex formName("dialog([0-9]+)\\.ui");
  static const std::regex title("name=\"windowTitle\"><string>([^<]*)</string>");
  std::vector<FormFile> forms;
  for (const auto& entry : std::filesystem::directory_iterator(ZENTRIX_FORMS_DIR)) {
    std::smatch match;
    const std::string name = entry.path().filename().string();
    if (!std::regex_match(name, match, formName)) continue;
    std::ifstream file(entry.path());
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    std::smatch titled;
    std::regex_search(text, titled, title);
    forms.push_back({std::stoi(match[1]), titled.size() > 1 ? titled[1].str() : ""});
  }
  std::sort(forms.begin(), forms.end(),
            [](const FormFile& a, const FormFile& b) { return a.templateId < b.templateId; });
  return forms;
}

// Captions compare with line breaks taken as blanks: a caption may wrap.
std::string normalised(const QString& text) {
  return text.simplified().toStdString();
}

std::string captionOf(QWidget& control) {
  if (auto* button = qobject_cast<QAbstractButton*>(&control))
    return " \"" + normalised(button->text()) + "\"";
  if (auto* label = qobject_cast<QLabel*>(&control))
    return " \"" + normalised(label->text()) + "\"";
  return {};  // the control has no caption of its own
}

// One line per control (id, kind, caption), label, group box and
// illustration of the built dialog, in that order; each kind sorted.
std::string listingOf(QWidget& window) {
  std::map<int, std::string> controls;
  std::vector<std::string> captions;
  std::vector<std::string> illustrations;
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (const QVariant id = widget->property("controlId"); id.isValid()) {
      controls[id.toInt()] = std::string(widget->metaObject()->className()) + captionOf(*widget);
      EXPECT_EQ(widget->objectName(), QStringLiteral("control%1").arg(id.toInt()));
    } else if (const QVariant bitmap = widget->property("bitmapId"); bitmap.isValid()) {
      illustrations.push_back("illustration " + std::to_string(bitmap.toInt()));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
      captions.push_back("label \"" + normalised(label->text()) + "\"");
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
      captions.push_back("group \"" + normalised(group->title()) + "\"");
    }
  }
  std::sort(captions.begin(), captions.end());
  std::sort(illustrations.begin(), illustrations.end());
  std::ostringstream listing;
  listing << "title \"" << window.windowTitle().toStdString() << "\"\n";
  for (const auto& [id, control] : controls) listing << "control " << id << " " << control << "\n";
  for (const std::string& line : captions) listing << line << "\n";
  for (const std::string& line : illustrations) listing << line << "\n";
  return listing.str();
}

// The widget a catalogue caption of `templateId` goes to, as the backend
// finds it: the window, a template label or group box, or a control.
QWidget* captionedWidget(QWidget& window, int templateId, ControlId control) {
  if (control == templateId) return &window;
  if (control > kTemplateGroups)
    return window.findChild<QGroupBox*>(QStringLiteral("group%1").arg(control - kTemplateGroups));
  if (control > kTemplateLabels)
    return window.findChild<QLabel*>(QStringLiteral("label%1").arg(control - kTemplateLabels));
  return controlOf(window, control);
}

std::string ownCaptionOf(QWidget& widget, bool window, captions::Part part) {
  if (part == captions::Part::ToolTip) return normalised(widget.toolTip());
  if (window) return normalised(widget.windowTitle());
  if (auto* group = qobject_cast<QGroupBox*>(&widget)) return normalised(group->title());
  const std::string caption = captionOf(widget);
  return caption.size() > 3 ? caption.substr(2, caption.size() - 3) : "";
}

class FormTest : public ::testing::TestWithParam<FormFile> {};

TEST_P(FormTest, BuildsAsItsGoldenListingSays) {
  QtDialogHost host;
  auto dialog = host.createDialog(GetParam().templateId);
  QWidget& window = static_cast<QtDialog&>(*dialog).window();
  const std::string name = "forms/dialog" + std::to_string(GetParam().templateId) + ".txt";
  EXPECT_TRUE(
      zentrix::testing::matchesGoldenFile(listingOf(window), zentrix::testing::goldenPath(name)));
}

// The English captions the catalogue gives a template are the form's own,
// so a dialog reads the same built from its form and captioned in English.
TEST_P(FormTest, CataloguesEnglishCaptionsAreTheFormsOwn) {
  const int templateId = GetParam().templateId;
  QtDialogHost host;
  auto dialog = host.createDialog(templateId);
  QWidget& window = static_cast<QtDialog&>(*dialog).window();
  for (const captions::Caption& caption : captionsOf(templateId)) {
    QWidget* widget = captionedWidget(window, templateId, caption.control);
    ASSERT_NE(widget, nullptr) << "control " << caption.control;
    EXPECT_EQ(ownCaptionOf(*widget, widget == &window, caption.part),
              normalised(QString::fromUtf8(caption.text.en)))
        << "control " << caption.control;
  }
}

INSTANTIATE_TEST_SUITE_P(Templates, FormTest, ::testing::ValuesIn(everyForm()),
                         [](const auto& form) {
                           return "form" + std::to_string(form.param.templateId) + "_" +
                                  ::zentrix::testing::spelledName(form.param.title);
                         });
TEST(FormLayout, MainDialogIsLaidOutInDialogUnitsOfTheFontInUse) {
  const QFont original = QApplication::font();
  for (const int pointSize : {8, 10, 16}) {
    QFont font = original;
    font.setPointSize(pointSize);
    QApplication::setFont(font);
    const std::unique_ptr<QDialog> dialog = loadForm(102);
    ASSERT_NE(dialog, nullptr);
    const DialogUnitScale scale = dialogUnitScale(dialog->font());
    EXPECT_NEAR(dialog->width(), 286 * scale.x, 1.0) << pointSize;
    EXPECT_NEAR(dialog->height(), 393 * scale.y, 1.0) << pointSize;
    QWidget* title = controlOf(*dialog, 1028);
    ASSERT_NE(title, nullptr);
    EXPECT_NEAR(title->x(), 49 * scale.x, 1.0);
    EXPECT_NEAR(title->y(), 154 * scale.y, 1.0);
    EXPECT_NEAR(title->width(), 206 * scale.x, 1.0);
    // Every caption fits its label or button at every size.
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
      if (label->text().isEmpty() || label->wordWrap()) continue;
      EXPECT_LE(label->sizeHint().width(), label->width() + 2)
          << label->text().toStdString() << " at " << pointSize << " pt";
    }
  }
  QApplication::setFont(original);
}

TEST(FormLayout, IllustrationsAreDrawnCrispAtTheScreenPixelRatio) {
  if (!QFile::exists(illustrationResourcePath(106))) GTEST_SKIP() << "illustrations not built in";
  const std::unique_ptr<QDialog> dialog = loadForm(105);
  ASSERT_NE(dialog, nullptr);
  dialog->show();
  QApplication::processEvents();
  auto* label = dialog->findChild<QLabel*>(QStringLiteral("illustration106"));
  ASSERT_NE(label, nullptr);
  const QPixmap pixmap = label->pixmap();
  ASSERT_FALSE(pixmap.isNull());
  EXPECT_EQ(pixmap.devicePixelRatio(), label->devicePixelRatioF());
  // Drawn at the label's size, not scaled up from a small bitmap.
  EXPECT_TRUE(pixmap.width() / pixmap.devicePixelRatio() >= label->contentsRect().width() - 1 ||
              pixmap.height() / pixmap.devicePixelRatio() >= label->contentsRect().height() - 1);
  dialog->hide();
}

// Each illustration is built in at its drawing's size and at twice that,
// for displays scaled beyond 100 %.
TEST(FormLayout, EveryIllustrationIsBuiltInAtOneAndTwiceItsSize) {
  std::set<int> bitmapIds;
  QtDialogHost host;
  for (const FormFile& form : everyForm()) {
    auto dialog = host.createDialog(form.templateId);
    for (QWidget* widget : static_cast<QtDialog&>(*dialog).window().findChildren<QWidget*>())
      if (const QVariant id = widget->property("bitmapId"); id.isValid())
        bitmapIds.insert(id.toInt());
  }
  ASSERT_FALSE(bitmapIds.empty());
  for (const int bitmapId : bitmapIds) {
    const QString path = illustrationResourcePath(bitmapId);
    const QImage once(path);
    const QImage twice(QString(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png")));
    ASSERT_FALSE(once.isNull()) << bitmapId;
    EXPECT_EQ(twice.size(), once.size() * 2) << bitmapId;
  }
}

}  // namespace
}  // namespace zentrix::ui::testing
