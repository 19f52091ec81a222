// Memory that cannot be had while a file is loaded or written is reported
// with the file's name, never a crash; the model and an older file of that
// name stay as they were.
#include <gtest/gtest.h>

#include <cstddef>
#include <iterator>
#include <string>

#include "files/every_writer.h"
#include "files/failing_allocations.h"
#include "files/input_file.h"
#include "files/sample_models.h"
#include "model/text.h"
#include "support/run_model.h"
#include "support/scratch_folder.h"

namespace zentrix::files {
namespace {

using namespace zentrix::testing;  // the shared test support

constexpr std::size_t kLargestGranted = std::size_t{64} << 10;

// A plane Base module of `nodes` nodes in Base 0 and as many in Base 1.
std::string inputFileText(int nodes) {
  std::string text =
      "Large\r\n2 " + std::to_string(nodes) + " " + std::to_string(nodes) + "\r\nCoordinates:\r\n";
  for (int node = 1; node <= 2 * nodes; ++node) text += std::to_string(node) + " 0 0\r\n";
  text += "Expansion:\r\nX\r\n1 1. 1\r\nTopology:\r\n0\r\n1\r\n Chord\r\n1.\r\n";
  return text;
}

TEST(OutOfMemory, EveryWriterReportsItAndLeavesTheOlderFile) {
  ScratchFolder folder;
  for (const Writer& writer : kEveryWriter) {
    for (const bool romanian : {false, true}) {
      zentrix::testing::RunModel m = generatedTruss();
      m.romanian = romanian;
      const std::string stem = folder.file(writer.name);
      writeBytes(writer.target(stem), "older\r\n");
      model::Outcome outcome;
      {
        const LargeAllocationsFail noMemory(kLargestGranted);
        outcome = writer.write(m, stem);
        EXPECT_GT(LargeAllocationsFail::refusals(), 0);
      }
      EXPECT_FALSE(outcome) << writer.name;
      EXPECT_EQ(outcome.message,
                model::say({"Cannot write the file \"{1}\": not enough memory",
                            "Nu se poate scrie fisierul \"{1}\": memorie insuficienta"},
                           romanian, {writer.target(stem)}));
      EXPECT_EQ(readBytes(writer.target(stem)), "older\r\n");
    }
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}),
            static_cast<std::ptrdiff_t>(std::size(kEveryWriter)))
      << "no temporary file is left behind";
}

// Reading the file's text, and building the Base module's tables, both need
// more than is granted here.
TEST(OutOfMemory, LoadingReportsItAndChangesNothing) {
  ScratchFolder folder;
  const std::string text = inputFileText(20000);
  writeBytes(folder.file("large.dat"), text);
  for (const bool fromFile : {true, false}) {
    zentrix::testing::RunModel m = sampleModel({2, model::kPrismatic, false, false});
    m.oldFilePath = folder.file("large.dat");
    model::Outcome outcome;
    {
      const LargeAllocationsFail noMemory(kLargestGranted);
      outcome = fromFile ? loadInputFile(m) : loadInputText(m, text, m.oldFilePath);
      EXPECT_GT(LargeAllocationsFail::refusals(), 0);
    }
    EXPECT_FALSE(outcome);
    EXPECT_EQ(outcome.message, "File \"" + m.oldFilePath + "\": not enough memory to load it");
    EXPECT_EQ(m.base.problemTitle, "Truss bridge, first try");
    EXPECT_EQ(m.base.nodesInBase0, 3);
    EXPECT_EQ(m.base.baseCoords.rows(), 6);
  }
  zentrix::testing::RunModel m;
  m.oldFilePath = folder.file("large.dat");
  EXPECT_TRUE(loadInputFile(m)) << "the file itself is sound";
  EXPECT_EQ(m.base.baseNodeCount(), 40000);
}

}  // namespace
}  // namespace zentrix::files
