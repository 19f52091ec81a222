// What a desktop run keeps in its session beside the model: the Old File and
// the Zentrix File it names, whether the structure still belongs to the
// inputs, and the language every message of the run is in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generation/generate.h"
#include "main_dialog_fixture.h"

namespace zentrix::ui::testing {
namespace {

class SessionTest : public MainDialogTest {};

TEST_F(SessionTest, OldFileNamesTheFileToSaveAndMarksTheRunAsLoaded) {
  const std::string square = savedSquareFile("square.dat");
  host.queueFileChoice(square);
  run([&](MemoryDialog& d) {
    d.userClick(kOldFile);
    closeWithoutAsking(d);
  });
  EXPECT_TRUE(session.oldFileLoaded);
  EXPECT_EQ(session.oldFilePath, square);
  EXPECT_EQ(session.inputFilePath, square);
}

// The flag as seen after each step: GENERATE clears it, any input change
// sets it, a declined GENERATE leaves it set.
TEST_F(SessionTest, InputsChangedFlagFollowsChangesAndGenerate) {
  host.queueFileChoice(savedSquareFile("square.dat"));
  host.queueAnswer(MessageAnswer::Yes);  // the module length warnings
  host.queueAnswer(MessageAnswer::No);
  host.queueAnswer(MessageAnswer::Yes);
  std::vector<bool> seen;
  run([&](MemoryDialog& d) {
    d.userClick(kOldFile);
    seen.push_back(session.inputsChangedSinceGenerate);
    d.userClick(kGenerate);  // Yes
    seen.push_back(session.inputsChangedSinceGenerate);
    d.userType(kModules, "4");
    seen.push_back(session.inputsChangedSinceGenerate);
    d.userClick(kGenerate);  // No
    seen.push_back(session.inputsChangedSinceGenerate);
    d.userClick(kGenerate);  // Yes
    seen.push_back(session.inputsChangedSinceGenerate);
    closeWithoutAsking(d);
  });
  EXPECT_EQ(seen, (std::vector<bool>{true, false, true, true, false}));
  EXPECT_EQ(model.expansion.moduleCount, 4);
}

TEST_F(SessionTest, GenerateAsksInTheSessionsLanguage) {
  const std::string square = savedSquareFile("square.dat");
  for (const bool romanian : {false, true}) {
    SCOPED_TRACE(::testing::Message() << "in Romanian: " << std::boolalpha << romanian);
    session = Session{};
    session.romanian = romanian;
    host.queueFileChoice(square);
    host.queueAnswer(MessageAnswer::No);  // the module length warning
    const std::size_t before = host.messages().size();
    run([&](MemoryDialog& d) {
      d.userClick(kOldFile);
      d.userClick(kGenerate);
      closeWithoutAsking(d);
    });
    ASSERT_EQ(host.messages().size(), before + 1);
    const std::string expected = generation::moduleLengthWarning(model, romanian);
    EXPECT_EQ(host.messages().back().text, expected);
    EXPECT_NE(expected, generation::moduleLengthWarning(model, !romanian));
  }
}

}  // namespace
}  // namespace zentrix::ui::testing
