// A model built from nothing through the dialogs (main dialog, Coordinates,
// Topology, the parameter dialog, Element Types) and written with Save Data
// and CREATE gives byte for byte the files the command-line program writes
// for the same example. Both write into the same scratch folder under the
// same names, so the files' own paths in their end lines agree.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/zentrix_cli.h"
#include "fake_platform.h"
#include "support/example_inputs.h"
#include "support/golden_file.h"
#include "support/memory_dialog_backend.h"
#include "ui/dialogs/coordinates_dialog.h"
#include "ui/dialogs/element_types_dialog.h"
#include "ui/dialogs/expansion_parameter_dialogs.h"
#include "ui/dialogs/topology_dialog.h"
#include "ui/main_dialog.h"

namespace zentrix::ui {
namespace {

using namespace main_controls;
using testing_support::ExampleInputs;
using zentrix::testing::readBytes;

std::filesystem::path examplePath(const std::string& name) {
  return std::filesystem::path(ZENTRIX_EXAMPLES_DIR) / (name + ".dat");
}

// Runs zentrix-cli on the example: `<name>.geo` and `<name>-saved.dat`.
int runCommandLine(const std::string& name, std::string& messages) {
  const std::string input = examplePath(name).string();
  const std::string geometry = name + ".geo";
  const std::string saved = name + "-saved.dat";
  const char* argv[] = {"zentrix-cli", "generate",    input.c_str(), "--geometry", geometry.c_str(),
                        "--save",      saved.c_str(), "--language",  "en"};
  std::ostringstream out;
  std::ostringstream err;
  const int code = app::runZentrixCli(static_cast<int>(std::size(argv)), argv, out, err);
  messages = err.str();
  return code;
}

void enterCoordinates(MemoryDialog& d, const ExampleInputs& example) {
  for (std::size_t i = 0; i < example.coordinates.size(); ++i) {
    d.userChoose(ui::CoordinatesControls::kNodeList, static_cast<int>(i + 1));
    d.userType(ui::CoordinatesControls::kCoordinatesEdit, example.coordinates[i]);
    d.userClick(ui::CoordinatesControls::kApplyButton);
  }
  d.userClick(kOkButton);
}

void enterTopology(MemoryDialog& d, const ExampleInputs& example) {
  for (std::size_t i = 0; i < example.endNodes.size(); ++i) {
    d.userChoose(ui::TopologyControls::kElementList, static_cast<int>(i + 1));
    d.userType(ui::TopologyControls::kEndNodesEdit, example.endNodes[i]);
    d.userClick(ui::TopologyControls::kApplyButton);
  }
  d.userClick(kOkButton);
}

void enterParameters(MemoryDialogHost& host, const ExampleInputs& example) {
  if (example.expansionTypeEntry == model::kPyramidal) {
    host.scriptNextOpening(PyramidControls::kTemplate, [&example](MemoryDialog& d) {
      d.userType(PyramidControls::kShrinkRatioEdit, example.shrinkRatio);
      d.userType(PyramidControls::kVertexFootEdit, example.vertexFoot);
      d.userClick(kOkButton);
    });
  } else if (example.expansionTypeEntry == model::kArch) {
    host.scriptNextOpening(ArchControls::kTemplate, [&example](MemoryDialog& d) {
      d.userType(ArchControls::kHalfSpanEdit, example.halfSpan);
      d.userType(ArchControls::kHeightEdit, example.archHeight);
      d.userChoose(ArchControls::kKindList, example.archKindEntry);
      d.userClick(kOkButton);
    });
  }
}

void enterElementTypes(MemoryDialog& d, const ExampleInputs& example) {
  for (std::size_t i = 0; i < 4; ++i) {
    d.userType(ElementTypesControls::kNameEdits[i], example.typeNames[i]);
    d.userType(ElementTypesControls::kAreaEdits[i], example.typeAreas[i]);
  }
  d.userClick(kOkButton);
}

// The whole road on the main dialog, in the order its buttons allow.
void buildAndWrite(MemoryDialog& d, const ExampleInputs& example) {
  d.userType(kProblemTitle, example.title);
  d.userChoose(kDegreesOfFreedom, example.degreesOfFreedomEntry);
  d.userType(kNodesInBase0, example.nodesInBase0);
  d.userType(kNodesInBase1, example.nodesInBase1);
  d.userType(kElements, example.elements);
  EXPECT_TRUE(d.userClick(kCoordinates));
  EXPECT_TRUE(d.userClick(kTopology));
  d.userChoose(kDirection, example.directionEntry);
  d.userType(kModules, example.modules);
  d.userType(kModuleLength, example.moduleLength);
  d.userChoose(kExpansionType, example.expansionTypeEntry);
  EXPECT_TRUE(d.userClick(kElementTypes));
  EXPECT_TRUE(d.userClick(kGenerate));
  EXPECT_TRUE(d.userClick(kSaveData));
  EXPECT_TRUE(d.userClick(kCreate));
  d.userClick(kDone);
}

class ModelFromNothing : public zentrix::testing::ScratchFolderTest,
                         public ::testing::WithParamInterface<ExampleInputs> {};

TEST_P(ModelFromNothing, WritesWhatTheCommandLineWritesForTheExample) {
  const ExampleInputs& example = GetParam();
  std::string cliMessages;
  ASSERT_EQ(runCommandLine(example.name, cliMessages), 0) << cliMessages;
  const std::string cliGeometry =
      testing_support::withTypedNames(readBytes(example.name + ".geo"), example);
  const std::string cliSaved = readBytes(example.name + "-saved.dat");
  ASSERT_FALSE(cliGeometry.empty());
  std::filesystem::remove(example.name + ".geo");
  std::filesystem::remove(example.name + "-saved.dat");

  ui::testing::FakePlatform platform;
  platform.current = folder().string();
  MemoryDialogHost host;
  ExternalPrograms programs(platform, host);
  model::Model model;
  Session session;
  session.currentDir = platform.current;
  model::setStartValues(model, session.romanian);

  host.scriptNextOpening(ui::CoordinatesControls::kTemplate,
                         [&](MemoryDialog& d) { enterCoordinates(d, example); });
  host.scriptNextOpening(ui::TopologyControls::kTemplate,
                         [&](MemoryDialog& d) { enterTopology(d, example); });
  enterParameters(host, example);
  host.scriptNextOpening(ElementTypesControls::kTemplate,
                         [&](MemoryDialog& d) { enterElementTypes(d, example); });
  host.queueFileChoice(example.name + "-saved.dat");
  host.queueFileChoice(example.name + ".geo");
  host.scriptNextOpening(kMainDialogTemplate, [&](MemoryDialog& d) { buildAndWrite(d, example); });

  EXPECT_EQ(runMainDialog(model, session, host, programs), MainDialogEnd::Closed);

  // The only message is the one that reports the Geometry File.
  std::string shown;
  for (const ShownMessage& message : host.messages())
    shown += message.title + ": " + message.text + "\n";
  ASSERT_EQ(host.messages().size(), 1u) << shown;
  EXPECT_EQ(host.messages()[0].title, "Create Message");
  EXPECT_TRUE(readBytes(example.name + ".geo") == cliGeometry)
      << zentrix::testing::firstDifference(cliGeometry, readBytes(example.name + ".geo"));
  EXPECT_TRUE(readBytes(example.name + "-saved.dat") == cliSaved)
      << zentrix::testing::firstDifference(cliSaved, readBytes(example.name + "-saved.dat"));
}

INSTANTIATE_TEST_SUITE_P(Examples, ModelFromNothing,
                         ::testing::ValuesIn(testing_support::exampleInputs()),
                         [](const auto& example) {
                           return zentrix::testing::identifierOf(example.param.name);
                         });

}  // namespace
}  // namespace zentrix::ui
