// The real windows in a Romanian session: every dialog template opened by
// the dialog logic, the file dialog and the message boxes show none of the
// texts an English session shows, apart from the package's names; and the
// program's own text viewer stands in for a text editor that cannot start.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <functional>
#include <map>
#include <set>

#include "modal_driver.h"
#include "model/program_version.h"
#include "support/template_openings.h"
#include "ui/dialogs/expansion_parameter_dialogs.h"
#include "ui/qt/qt_dialog_host.h"
#include "ui/qt/qt_platform.h"

namespace zentrix::ui::testing {
namespace {

using namespace main_controls;

// The package's names, and words both languages spell alike.
const std::set<QString> kSameInBothLanguages = {
    QStringLiteral("ZENTRIX"),   QStringLiteral("COORDONATE"),
    QStringLiteral("GENERATE"),  QStringLiteral("CREATE"),
    QStringLiteral("OK"),        QStringLiteral("Element"),
    QStringLiteral("Circular"),  QStringLiteral("Parabolic"),
    QStringLiteral("Prismatic"), QString::fromStdString(model::versionLine("ZENTRIX"))};

// What a window shows in words: its title, and the texts of its labels,
// buttons (with their tool tips), group boxes and list entries (and what a
// drop-down list shows with none chosen); for the file dialog its title,
// labels, buttons, the tool tips of its tool buttons and the headings of
// its file list.
void collectTexts(QWidget& window, bool fileDialog, std::set<QString>& texts) {
  texts.insert(window.windowTitle());
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      if (!fileDialog || label->isVisibleTo(&window)) texts.insert(label->text());
    } else if (auto* push = qobject_cast<QPushButton*>(widget); push && fileDialog) {
      texts.insert(push->text());
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !fileDialog) {
      texts.insert(button->text());
      texts.insert(button->toolTip());
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
      texts.insert(group->title());
    } else if (auto* list = qobject_cast<QComboBox*>(widget); list && !fileDialog) {
      for (int entry = 0; entry < list->count(); ++entry) texts.insert(list->itemText(entry));
      texts.insert(list->placeholderText());
      texts.insert(list->toolTip());
    } else if (auto* tool = qobject_cast<QToolButton*>(widget); tool && fileDialog) {
      texts.insert(tool->toolTip());
    } else if (auto* files = qobject_cast<QTreeView*>(widget); files && fileDialog) {
      for (int column = 0; column < files->header()->count(); ++column)
        texts.insert(files->model()->headerData(column, Qt::Horizontal).toString());
    }
  }
}

// Opens the template as the program does, in a session of the language,
// and gathers what its windows show; the pyramid dialog's closing message
// (no foot coordinates typed) and, from the main dialog, the Old File
// dialog come along.
std::set<QString> textsShownBy(int templateId, bool romanian) {
  QtPlatform platform;
  QtDialogHost host;
  host.setNativeFileDialogs(false);
  host.setRomanian(romanian);
  ExternalPrograms programs(platform, host);
  model::Model model;
  Session session;
  session.romanian = romanian;
  model::setStartValues(model, romanian);
  model.base.dofPerNode = 3;
  std::set<QString> texts;
  ModalDriver driver;
  driver.onDialog(templateId, [&](QWidget& window) {
    collectTexts(window, false, texts);
    clickControl(window, templateId == kMainDialogTemplate ? kOldFile : kOkButton);
  });
  if (templateId == kMainDialogTemplate) {
    driver.onFileDialog([&](QWidget& window) {
      collectTexts(window, true, texts);
      static_cast<QDialog&>(window).reject();
    });
    driver.onDialog(templateId, [](QWidget& window) { clickControl(window, kDone); });
  }
  if (templateId == PyramidControls::kTemplate) driver.answerMessage(QMessageBox::Ok);
  driver.start();
  openTemplate(templateId, model, session, host, programs);
  EXPECT_TRUE(driver.done()) << driver.failure();
  for (const SeenMessage& message : driver.messages()) texts.insert(message.title);
  return texts;
}

class RomanianWindows : public ::testing::TestWithParam<int> {};

TEST_P(RomanianWindows, ShowNoEnglishCaption) {
  const std::set<QString> english = textsShownBy(GetParam(), false);
  const std::set<QString> romanian = textsShownBy(GetParam(), true);
  static const QRegularExpression word(QStringLiteral("[A-Za-z]{2}"));
  ASSERT_GT(english.size(), 3u);
  for (const QString& text : romanian)
    if (english.count(text) != 0 && kSameInBothLanguages.count(text) == 0 && text.contains(word))
      ADD_FAILURE() << "English in the Romanian window: " << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Templates, RomanianWindows, ::testing::Range(102, 109),
                         [](const auto& test) { return "Template" + std::to_string(test.param); });

// Help with no text editor to start (nothing on PATH): the readme appears
// in the program's own read-only window, titled and closed in Romanian.
TEST(OwnTextViewer, HelpWithoutATextEditorShowsTheReadmeInRomanian) {
  QTemporaryDir package;
  const QDir folder(package.path());
  ASSERT_TRUE(folder.mkpath(QStringLiteral("bin")) && folder.mkpath(QStringLiteral("Doc")) &&
              folder.mkpath(QStringLiteral("empty")));
  QFile readme(folder.filePath(QStringLiteral("Doc/Zentrix-ReadMe-ro.txt")));
  ASSERT_TRUE(readme.open(QIODevice::WriteOnly));
  readme.write("ZENTRIX - Cititi-ma\nPrima linie.\n");
  readme.close();
  const QString previousFolder = QDir::currentPath();
  const QByteArray previousPath = qgetenv("PATH");
  ASSERT_TRUE(QDir::setCurrent(folder.filePath(QStringLiteral("bin"))));
  qputenv("PATH", folder.filePath(QStringLiteral("empty")).toUtf8());
  qunsetenv("ZENTRIX_TEXT_VIEWER");

  QtPlatform platform;
  QtDialogHost host;
  host.setRomanian(true);
  ExternalPrograms programs(platform, host);
  Session session;
  session.romanian = true;
  session.currentDir = platform.currentDirectory();
  QString title, text, close;
  bool readOnly = false;
  ModalDriver driver;
  driver.onWindowNamed(QStringLiteral("textViewer"), [&](QWidget& window) {
    title = window.windowTitle();
    if (auto* page = window.findChild<QPlainTextEdit*>(QStringLiteral("text"))) {
      text = page->toPlainText();
      readOnly = page->isReadOnly();
    }
    if (auto* button = window.findChild<QPushButton*>(QStringLiteral("close"))) {
      close = button->text();
      QTest::mouseClick(button, Qt::LeftButton);
    }
  });
  driver.start();
  programs.showReadme(session);

  QDir::setCurrent(previousFolder);
  qputenv("PATH", previousPath);
  EXPECT_TRUE(driver.done()) << driver.failure();
  EXPECT_TRUE(driver.messages().empty());
  EXPECT_EQ(title.toStdString(), "ZENTRIX - Zentrix-ReadMe-ro.txt (doar citire)");
  EXPECT_EQ(text.toStdString(), "ZENTRIX - Cititi-ma\nPrima linie.\n");
  EXPECT_TRUE(readOnly);
  EXPECT_EQ(close.toStdString(), "&Inchide");
}

}  // namespace
}  // namespace zentrix::ui::testing
