// A model built from nothing through the real dialogs on the Qt backend
// (main dialog, Coordinates, Topology, the parameter dialog, Element Types),
// then GENERATE, Save Data and CREATE: the saved file and the Geometry File
// are byte for byte what the command-line program writes for the same
// example under the same paths.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "modal_driver.h"
#include "support/example_inputs.h"
#include "support/golden_file.h"
#include "ui/dialogs/coordinates_dialog.h"
#include "ui/dialogs/element_types_dialog.h"
#include "ui/dialogs/expansion_parameter_dialogs.h"
#include "ui/dialogs/topology_dialog.h"
#include "ui/main_dialog.h"
#include "ui/qt/qt_dialog_host.h"
#include "ui/qt/qt_platform.h"

namespace zentrix::ui::testing {
namespace {

using namespace main_controls;
using testing_support::ExampleInputs;

QByteArray contentOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString qText(const std::string& text) {
  return QString::fromStdString(text);
}

class ModelFromNothingOnQt : public ::testing::TestWithParam<ExampleInputs> {
 protected:
  ModelFromNothingOnQt() {
    qputenv("SOURCE_DATE_EPOCH", "1700000000");
    qputenv("TZ", "UTC");
    host.setNativeFileDialogs(false);
    session.currentDir = QDir::currentPath().toStdString();
    model::setStartValues(model, session.romanian);
  }
  ~ModelFromNothingOnQt() override { qunsetenv("SOURCE_DATE_EPOCH"); }

  QString path(const std::string& leaf) const { return QDir(folder.path()).filePath(qText(leaf)); }

  // Runs zentrix-cli on the example, writing to the given paths.
  void runCommandLine(const QString& geometry, const QString& saved) {
    const QString input = qText(std::string(ZENTRIX_EXAMPLES_DIR) + "/" + GetParam().name + ".dat");
    QProcess cli;
    cli.start(
        QStringLiteral(ZENTRIX_CLI),
        {QStringLiteral("generate"), input, QStringLiteral("--geometry"), geometry,
         QStringLiteral("--save"), saved, QStringLiteral("--language"), QStringLiteral("en")});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
  }

  // Queues the user's part: every step waits for its window.
  void playTheUser(const QString& geometry, const QString& saved) {
    const ExampleInputs& example = GetParam();
    driver
        .onDialog(kMainDialogTemplate,
                  [&example](QWidget& w) {
                    typeInto(w, kProblemTitle, qText(example.title));
                    chooseEntry(w, kDegreesOfFreedom, example.degreesOfFreedomEntry);
                    typeInto(w, kNodesInBase0, qText(example.nodesInBase0));
                    typeInto(w, kNodesInBase1, qText(example.nodesInBase1));
                    typeInto(w, kElements, qText(example.elements));
                    clickControl(w, kCoordinates);
                  })
        .onDialog(ui::CoordinatesControls::kTemplate,
                  [&example](QWidget& w) {
                    using Ids = ui::CoordinatesControls;
                    for (std::size_t i = 0; i < example.coordinates.size(); ++i) {
                      chooseEntry(w, Ids::kNodeList, static_cast<int>(i + 1));
                      typeInto(w, Ids::kCoordinatesEdit, qText(example.coordinates[i]));
                      clickControl(w, Ids::kApplyButton);
                    }
                    clickControl(w, kOkButton);
                  })
        .onDialog(kMainDialogTemplate, [](QWidget& w) { clickControl(w, kTopology); })
        .onDialog(ui::TopologyControls::kTemplate,
                  [&example](QWidget& w) {
                    using Ids = ui::TopologyControls;
                    for (std::size_t i = 0; i < example.endNodes.size(); ++i) {
                      chooseEntry(w, Ids::kElementList, static_cast<int>(i + 1));
                      typeInto(w, Ids::kEndNodesEdit, qText(example.endNodes[i]));
                      clickControl(w, Ids::kApplyButton);
                    }
                    clickControl(w, kOkButton);
                  })
        .onDialog(kMainDialogTemplate, [&example](QWidget& w) {
          chooseEntry(w, kDirection, example.directionEntry);
          typeInto(w, kModules, qText(example.modules));
          typeInto(w, kModuleLength, qText(example.moduleLength));
          chooseEntry(w, kExpansionType, example.expansionTypeEntry);
        });
    if (example.expansionTypeEntry == model::kPyramidal) {
      driver.onDialog(PyramidControls::kTemplate, [&example](QWidget& w) {
        typeInto(w, PyramidControls::kShrinkRatioEdit, qText(example.shrinkRatio));
        typeInto(w, PyramidControls::kVertexFootEdit, qText(example.vertexFoot));
        clickControl(w, kOkButton);
      });
    } else if (example.expansionTypeEntry == model::kArch) {
      driver.onDialog(ArchControls::kTemplate, [&example](QWidget& w) {
        typeInto(w, ArchControls::kHalfSpanEdit, qText(example.halfSpan));
        typeInto(w, ArchControls::kHeightEdit, qText(example.archHeight));
        chooseEntry(w, ArchControls::kKindList, example.archKindEntry);
        clickControl(w, kOkButton);
      });
    }
    driver.onDialog(kMainDialogTemplate, [](QWidget& w) { clickControl(w, kElementTypes); })
        .onDialog(ElementTypesControls::kTemplate,
                  [&example](QWidget& w) {
                    for (std::size_t i = 0; i < 4; ++i) {
                      typeInto(w, ElementTypesControls::kNameEdits[i], qText(example.typeNames[i]));
                      typeInto(w, ElementTypesControls::kAreaEdits[i], qText(example.typeAreas[i]));
                    }
                    clickControl(w, kOkButton);
                  })
        .onDialog(kMainDialogTemplate,
                  [](QWidget& w) {
                    clickControl(w, kGenerate);
                    clickControl(w, kSaveData);
                  })
        .chooseFile(saved)
        .onDialog(kMainDialogTemplate, [](QWidget& w) { clickControl(w, kCreate); })
        .chooseFile(geometry)
        .answerMessage(QMessageBox::Ok)
        .onDialog(kMainDialogTemplate, [](QWidget& w) { clickControl(w, kDone); });
  }

  QTemporaryDir folder;
  ModalDriver driver;
  QtPlatform platform;
  QtDialogHost host;
  ExternalPrograms programs{platform, host};
  model::Model model;
  Session session;
};

TEST_P(ModelFromNothingOnQt, WritesWhatTheCommandLineWritesForTheExample) {
  const QString geometry = path(GetParam().name + ".geo");
  const QString saved = path(GetParam().name + "-saved.dat");
  runCommandLine(geometry, saved);
  const QByteArray cliGeometry = contentOf(geometry);
  const QByteArray cliSaved = contentOf(saved);
  ASSERT_FALSE(cliGeometry.isEmpty());
  ASSERT_TRUE(QFile::remove(geometry) && QFile::remove(saved));

  playTheUser(geometry, saved);
  driver.start();
  EXPECT_EQ(runMainDialog(model, session, host, programs), MainDialogEnd::Closed);

  ASSERT_TRUE(driver.done()) << driver.failure();
  ASSERT_EQ(driver.messages().size(), 1u);
  EXPECT_EQ(driver.messages()[0].title, QStringLiteral("Create Message"));
  EXPECT_EQ(zentrix::testing::firstDifference(
                testing_support::withTypedNames(cliGeometry.toStdString(), GetParam()),
                contentOf(geometry).toStdString()),
            "")
      << "the Geometry Files differ";
  EXPECT_EQ(
      zentrix::testing::firstDifference(cliSaved.toStdString(), contentOf(saved).toStdString()), "")
      << "the saved files differ";
}

INSTANTIATE_TEST_SUITE_P(Examples, ModelFromNothingOnQt,
                         ::testing::ValuesIn(testing_support::exampleInputs()),
                         [](const auto& example) {
                           std::string name = example.param.name;
                           for (char& c : name)
                             if (c == '-') c = '_';
                           return name;
                         });

}  // namespace
}  // namespace zentrix::ui::testing
