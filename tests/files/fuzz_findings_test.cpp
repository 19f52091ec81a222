// Regression tests of what the fuzz targets found, each named after its
// finding. The inputs they found are kept in tests/data/fuzz_findings and
// are also seeds of the fuzz runs.
#include <gtest/gtest.h>

#include <string>

#include "files/input_file.h"
#include "support/run_model.h"
#include "support/scratch_folder.h"

namespace zentrix::files {
namespace {

using zentrix::testing::readBytes;
using zentrix::testing::ScratchFolder;

std::string findingText(const char* name) {
  return readBytes(std::string(ZENTRIX_TEST_DATA_DIR) + "/fuzz_findings/" + name);
}

zentrix::testing::RunModel startModel() {
  zentrix::testing::RunModel m;
  setStartValues(m);
  startNewElementTypes(m);
  return m;
}

// crash-d3b50dad: a file whose first line is empty loads with an empty
// title, and saving it copied the title's text from no memory at all
// (a null pointer handed to memcpy, undefined behaviour the sanitizer
// stopped on). The title is now an empty line, and the file loads again.
TEST(FuzzFinding, EmptyTitleIsSavedAsAnEmptyLine) {
  ScratchFolder folder;
  zentrix::testing::RunModel m = startModel();
  const std::string text = findingText("empty-title-crash-d3b50dad.dat");
  ASSERT_TRUE(loadInputText(m, text, "finding.dat"));
  EXPECT_EQ(m.base.problemTitle, "");
  m.inputFilePath = folder.file("saved.dat");
  ASSERT_TRUE(writeInputFile(m));
  const std::string saved = readBytes(m.inputFilePath);
  EXPECT_EQ(saved.substr(saved.find("//\r\n") + 4, 6), "\r\n    ") << "the title line is empty";
  zentrix::testing::RunModel again = startModel();
  again.oldFilePath = m.inputFilePath;
  ASSERT_TRUE(loadInputFile(again));
  EXPECT_EQ(again.base.problemTitle, "");
  EXPECT_EQ(again.base.baseCoords, m.base.baseCoords);
}

// The first long run's check of its own: a direction letter read as a NUL
// character (a text value that starts with one) is saved as a blank, which
// means the same, "no direction chosen"; the saved file loads.
TEST(FuzzFinding, NulDirectionLetterIsSavedAsNotChosen) {
  ScratchFolder folder;
  zentrix::testing::RunModel m = startModel();
  const std::string text = std::string("Arch\r\n2 1 1\r\nCoordinates:\r\n1 0 0\r\n2 1 0\r\n") +
                           "Expansion:\r\n\t" + std::string(1, '\0') + "X\r\n3 1. 1\r\n" +
                           "Topology:\r\n1\r\n1 1 2\r\n1\r\n A\r\n1.\r\n";
  ASSERT_TRUE(loadInputText(m, text, "finding.dat"));
  EXPECT_EQ(m.expansion.expansionDirection, '\0');
  EXPECT_EQ(m.expansion.directionIndex(), 0);
  m.inputFilePath = folder.file("saved.dat");
  ASSERT_TRUE(writeInputFile(m));
  zentrix::testing::RunModel again = startModel();
  again.oldFilePath = m.inputFilePath;
  ASSERT_TRUE(loadInputFile(again));
  EXPECT_EQ(again.expansion.expansionDirection, ' ');
  EXPECT_EQ(again.expansion.directionIndex(), 0);
  EXPECT_EQ(again.expansion.moduleCount, 3);
}

}  // namespace
}  // namespace zentrix::files
