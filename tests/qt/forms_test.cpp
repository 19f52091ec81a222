// Every dialog template builds through the Qt backend and holds every
// control with its id, kind and caption; its labels and group boxes are
// there; its layout follows the font in use.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <set>

#include "modal_driver.h"
#include "support/test_names.h"
#include "ui/qt/form_loader.h"
#include "ui/qt/qt_dialog_host.h"

namespace zentrix::ui::testing {
namespace {

struct ExpectedControl {
  int id;
  const char* kind;
  const char* caption;  // nullptr: the control has no caption of its own
};

struct ExpectedForm {
  int templateId;
  const char* title;
  std::vector<ExpectedControl> controls;
  std::vector<const char*> labels;  // static texts and group boxes without id
  int illustration = 0;             // bitmap id, 0 for none
};

// Captions compare with line breaks taken as blanks: a caption may wrap.
QString normalised(const QString& text) {
  return text.simplified();
}

const std::vector<ExpectedForm>& expectedForms() {
  static const std::vector<ExpectedForm> forms = {
      {102,
       "ZENTRIX",
       {{1004, "QPushButton", ""},
        {1012, "QLabel", "Old File"},
        {1048, "QComboBox", nullptr},
        {1009, "QLineEdit", nullptr},
        {1010, "QLineEdit", nullptr},
        {1011, "QLineEdit", nullptr},
        {1014, "QPushButton", "COORDINATES"},
        {1015, "QPushButton", "TOPOLOGY"},
        {1057, "QPushButton", "Button1"},
        {1045, "QPushButton", "Help"},
        {1028, "QLineEdit", nullptr},
        {1049, "QComboBox", nullptr},
        {1050, "QComboBox", nullptr},
        {1016, "QLineEdit", nullptr},
        {1024, "QLineEdit", nullptr},
        {1060, "QPushButton", "ElementTypes and Area"},
        {1065, "QCheckBox", "Last Node Indices in Base 0"},
        {1025, "QPushButton", "GENERATE"},
        {1026, "QPushButton", "Save Data"},
        {1027, "QPushButton", "View Saved File"},
        {1022, "QPushButton", "CREATE"},
        {1021, "QPushButton", "View"},
        {1056, "QPushButton", "Button1"},
        {1055, "QLabel", "?"},
        {1070, "QLabel", ""},
        {1071, "QPushButton", "3-D View"},
        {1072, "QComboBox", nullptr},
        {1, "QPushButton", "DONE"},
        {2, "QPushButton", "Cancel"}},
       {"LOAD",
        "BASE MODULE",
        "EXPANSION",
        "KARVEL Geometry File",
        "Old Zentrix File",
        "Degrees of\nFreedom/Node",
        "No. of Nodes in Base 0",
        "No. of Nodes in Base 1",
        "No. of Elements",
        "Coordinates",
        "Topology",
        "Preview\nBase Module",
        "Help",
        "Problem Title",
        "Expansion Direction",
        "Expansion Type",
        "Number of Modules",
        "Module Length",
        "Generate Data",
        "Save Data to\nZentrix File",
        "View\nZentrix File",
        "Create",
        "View File",
        "Preview Structure"}},
      {103,
       "COORDONATE",
       {{1029, "QListWidget", nullptr},
        {1043, "QPushButton", "Empty"},
        {1030, "QLineEdit", nullptr},
        {1031, "QPushButton", "&APPLY"},
        {1, "QPushButton", "OK"},
        {2, "QPushButton", "Cancel"},
        {1047, "QLabel", "Input Coordinates X, Y:\nSeparators: space(s); comma"},
        {1032, "QListWidget", nullptr}},
       {"Select Node", "Processed Nodes"}},
      {104,
       "TOPOLOGY",
       {{1033, "QListWidget", nullptr},
        {1044, "QPushButton", "Empty"},
        {1035, "QLineEdit", nullptr},
        {1036, "QPushButton", "&APPLY"},
        {1, "QPushButton", "OK"},
        {2, "QPushButton", "Cancel"},
        {1037, "QListWidget", nullptr}},
       {"Element", "Processed Elements", "Input End Nodes.\nSeparators: space(s); comma."}},
      {105,
       "PYRAMID (Frustum)",
       {{1039, "QLineEdit", nullptr},
        {1040, "QLineEdit", nullptr},
        {1047, "QLabel", "Separators: space(s); comma."},
        {1, "QPushButton", "OK"},
        {2, "QPushButton", "Cancel"}},
       {"Shrink Ratio", "Vertex Foot Coordinates"},
       106},
      {106,
       "PYRAMID 2 (Shrink in 1 direction)",
       {{1042, "QLineEdit", nullptr},
        {1051, "QComboBox", nullptr},
        {1, "QPushButton", "OK"},
        {2, "QPushButton", "Cancel"}},
       {"Shrink Ratio", "Shrink Direction"},
       107},
      {107,
       "ARCH (Symmetric)",
       {{1058, "QLineEdit", nullptr},
        {1057, "QLineEdit", nullptr},
        {1059, "QComboBox", nullptr},
        {1, "QPushButton", "OK"},
        {2, "QPushButton", "Cancel"}},
       {"Half Span (l)", "Height (h)", "Kind"},
       112},
      {108,
       "ELEMENT TYPES",
       {{1061, "QLineEdit", nullptr},
        {1062, "QLineEdit", nullptr},
        {1063, "QLineEdit", nullptr},
        {1067, "QLineEdit", nullptr},
        {1064, "QLineEdit", nullptr},
        {1065, "QLineEdit", nullptr},
        {1066, "QLineEdit", nullptr},
        {1068, "QLineEdit", nullptr},
        {1, "QPushButton", "OK"},
        {2, "QPushButton", "Cancel"}},
       {"Type 1", "Type 2", "Type 3", "Type 4", "Name", "Area"},
       105},
      {109,
       "MODEL CHECK",
       {{1091, "QLabel", "Model check"}, {1092, "QListWidget", nullptr}, {1, "QPushButton", "OK"}},
       {},
       0},
  };
  return forms;
}

QString captionOf(QWidget& control) {
  if (auto* button = qobject_cast<QAbstractButton*>(&control)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(&control)) return label->text();
  return {};
}

class FormTest : public ::testing::TestWithParam<ExpectedForm> {};

TEST_P(FormTest, HasEveryControlWithItsIdKindAndCaption) {
  const ExpectedForm& expected = GetParam();
  QtDialogHost host;
  auto dialog = host.createDialog(expected.templateId);
  QWidget& window = static_cast<QtDialog&>(*dialog).window();
  EXPECT_EQ(window.windowTitle().toStdString(), expected.title);

  std::set<int> expectedIds;
  for (const ExpectedControl& control : expected.controls) {
    expectedIds.insert(control.id);
    QWidget* widget = controlOf(window, control.id);
    ASSERT_NE(widget, nullptr) << "control " << control.id;
    EXPECT_STREQ(widget->metaObject()->className(), control.kind) << "control " << control.id;
    EXPECT_EQ(widget->objectName(), QStringLiteral("control%1").arg(control.id));
    if (control.caption != nullptr) {
      EXPECT_EQ(normalised(captionOf(*widget)).toStdString(),
                normalised(QString::fromUtf8(control.caption)).toStdString())
          << "control " << control.id;
    }
  }
  // No control beyond the expected ones carries an id.
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    const QVariant id = widget->property("controlId");
    if (id.isValid()) {
      EXPECT_TRUE(expectedIds.count(id.toInt()) != 0) << "stray id " << id.toInt();
    }
  }
}

TEST_P(FormTest, HasItsLabelsAndIllustration) {
  const ExpectedForm& expected = GetParam();
  QtDialogHost host;
  auto dialog = host.createDialog(expected.templateId);
  QWidget& window = static_cast<QtDialog&>(*dialog).window();
  std::set<std::string> texts;
  for (QLabel* label : window.findChildren<QLabel*>())
    if (!label->property("controlId").isValid())
      texts.insert(normalised(label->text()).toStdString());
  for (QGroupBox* group : window.findChildren<QGroupBox*>())
    texts.insert(normalised(group->title()).toStdString());
  for (const char* label : expected.labels)
    EXPECT_TRUE(texts.count(normalised(QString::fromUtf8(label)).toStdString()) != 0) << label;

  int illustrations = 0;
  for (QLabel* label : window.findChildren<QLabel*>()) {
    if (!label->property("bitmapId").isValid()) continue;
    ++illustrations;
    EXPECT_EQ(label->property("bitmapId").toInt(), expected.illustration);
  }
  EXPECT_EQ(illustrations, expected.illustration == 0 ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Templates, FormTest, ::testing::ValuesIn(expectedForms()),
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
  for (const bool romanian : {false, true})
    for (const int bitmapId : {105, 106, 107, 112}) {
      const QString path = illustrationResourcePath(bitmapId, romanian);
      const QImage once(path);
      const QImage twice(QString(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png")));
      ASSERT_FALSE(once.isNull()) << bitmapId;
      EXPECT_EQ(twice.size(), once.size() * 2) << bitmapId;
    }
}

// The words in the drawings were English in a Romanian session: each
// template with an illustration shows its Romanian drawing there (the arch
// has only letters, the same in both).
TEST(FormLayout, ARomanianWindowShowsTheRomanianDrawing) {
  struct Row {
    int templateId;
    const char* label;
    bool wordsDiffer;
  };
  const Row rows[] = {{105, "illustration106", true},
                      {106, "illustration107", true},
                      {107, "illustration112", false},
                      {108, "illustration105", true}};
  for (const Row& row : rows) {
    QImage drawn[2];
    for (const bool romanian : {false, true}) {
      const std::unique_ptr<QDialog> dialog = loadForm(row.templateId, romanian);
      dialog->show();
      QApplication::processEvents();
      drawn[romanian] =
          dialog->findChild<QLabel*>(QString::fromUtf8(row.label))->pixmap().toImage();
      dialog->hide();
    }
    ASSERT_FALSE(drawn[0].isNull()) << row.templateId;
    EXPECT_EQ(drawn[0] != drawn[1], row.wordsDiffer) << row.templateId;
  }
}

}  // namespace
}  // namespace zentrix::ui::testing
