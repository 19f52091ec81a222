// Texts as files bring them: line ends of every system, a byte-order mark,
// binary files and endless lines, control characters and cut characters in
// titles and names. The reader takes them all alike or says what is wrong.
#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

#include <string>

#include "files/geometry_file.h"
#include "files/input_file.h"
#include "model/printable_text.h"
#include "support/run_model.h"
#include "support/scratch_folder.h"

namespace zentrix::files {
namespace {

using namespace zentrix::testing;  // the shared test support

// A small model as a text with "\n" line ends; `lineEnd` replaces them.
std::string modelText(const std::string& lineEnd, const std::string& title = "Two bars") {
  const std::string lines[] = {
      "// a comment", title,       "2 1 1", "Coordinates:", "1 0 0", "2 1.5 0", "Expansion:", "X",
      "3 1. 1",       "Topology:", "1",     "1 1 2",        "1",     " Bar",    "2.5"};
  std::string text;
  for (const auto& line : lines) text += line + lineEnd;
  return text;
}

zentrix::testing::RunModel startModel() {
  zentrix::testing::RunModel m;
  setStartValues(m);
  startNewElementTypes(m);
  return m;
}

struct LineEndCase {
  const char* name;
  std::string prefix;
  std::string lineEnd;
};

class LineEndTest : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(LineEndTest, EveryFormReadsAlike) {
  ScratchFolder folder;
  zentrix::testing::RunModel m = startModel();
  m.oldFilePath = folder.file("model.dat");
  writeBytes(m.oldFilePath, GetParam().prefix + modelText(GetParam().lineEnd));
  const model::Outcome outcome = loadInputFile(m);
  ASSERT_TRUE(outcome) << outcome.message;
  EXPECT_EQ(m.base.problemTitle, "Two bars") << "no mark, no CR in the title";
  EXPECT_EQ(m.base.baseCoords(2, 1), 1.5f);
  EXPECT_EQ(m.types.typeName(1), " Bar") << "the name line as it stands, without a CR";
  EXPECT_EQ(m.types.typeArea(1), 2.5f);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LineEndTest,
    ::testing::Values(LineEndCase{"LineFeed", "", "\n"}, LineEndCase{"CrLf", "", "\r\n"},
                      LineEndCase{"CarriageReturn", "", "\r"}, LineEndCase{"CrCrLf", "", "\r\r\n"},
                      LineEndCase{"ByteOrderMarkCrLf", "\xEF\xBB\xBF", "\r\n"},
                      LineEndCase{"ByteOrderMarkCarriageReturn", "\xEF\xBB\xBF", "\r"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(FileTexts, LoadFromMemoryCleansTheSameWay) {
  zentrix::testing::RunModel m = startModel();
  ASSERT_TRUE(loadInputText(m, "\xEF\xBB\xBF" + modelText("\r\r\n"), "memory.dat"));
  EXPECT_EQ(m.base.problemTitle, "Two bars");
}

struct RefusedCase {
  const char* name;
  std::string text;
  std::string reason;
};

class RefusedTextTest : public ::testing::TestWithParam<RefusedCase> {};

// These used to be reported as "the file is empty".
TEST_P(RefusedTextTest, SaysWhatIsWrong) {
  ScratchFolder folder;
  zentrix::testing::RunModel m = startModel();
  m.oldFilePath = folder.file("odd.dat");
  writeBytes(m.oldFilePath, GetParam().text);
  const model::Outcome outcome = loadInputFile(m);
  EXPECT_FALSE(outcome);
  EXPECT_EQ(outcome.message, "File \"" + m.oldFilePath + "\", " + GetParam().reason);
  EXPECT_EQ(m.base.problemTitle, startModel().base.problemTitle) << "the model is unchanged";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RefusedTextTest,
    ::testing::Values(RefusedCase{"Empty", "", "line 1, title: missing: the file is empty"},
                      RefusedCase{"OnlyAByteOrderMark", "\xEF\xBB\xBF",
                                  "line 1, title: missing: the file is empty"},
                      RefusedCase{"NulBytes", std::string(5000, '\0'),
                                  "line 1: not a text file (it holds NUL bytes)"},
                      RefusedCase{"EndlessLine",
                                  "// header\n" + std::string(std::size_t{3} << 20, 'x'),
                                  "line 2: line too long (more than 1048576 bytes)"}),
    [](const auto& test) { return std::string(test.param.name); });

#if !defined(_WIN32)
TEST(FileTexts, DeviceOfZerosIsNotATextFile) {
  zentrix::testing::RunModel m = startModel();
  m.oldFilePath = "/dev/zero";
  EXPECT_EQ(loadInputFile(m).message,
            "File \"/dev/zero\", line 1: not a text file (it holds NUL bytes)");
}

TEST(FileTexts, PipeIsRefusedInsteadOfWaitedFor) {
  ScratchFolder folder;
  zentrix::testing::RunModel m = startModel();
  m.oldFilePath = folder.file("pipe.dat");
  ASSERT_EQ(::mkfifo(m.oldFilePath.c_str(), 0600), 0);
  EXPECT_EQ(loadInputFile(m).message,
            "Cannot open the file \"" + m.oldFilePath +
                "\": It is a pipe or a terminal, which could make the program wait for ever");
}
#endif  // _WIN32

struct TitleCase {
  const char* name;
  std::string title;
  std::string kept;
};

class TitleTextTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitleTextTest, IsKeptSafeAndWhole) {
  zentrix::testing::RunModel m = startModel();
  ASSERT_TRUE(loadInputText(m, modelText("\r\n", GetParam().title), "title.dat"));
  EXPECT_EQ(m.base.problemTitle, GetParam().kept);
}

const std::string kLong79(79, 't');

INSTANTIATE_TEST_SUITE_P(
    Titles, TitleTextTest,
    ::testing::Values(TitleCase{"EscapeSequenceBlanked", "Ti\x1b]0;x\x07tle", "Ti ]0;x tle"},
                      TitleCase{"TabKept", "a\tb", "a\tb"},
                      TitleCase{"DeleteBlanked",
                                "a\x7f"
                                "b",
                                "a b"},
                      TitleCase{"Utf8NeverSplit",
                                kLong79 + "\xC4\x83"
                                          "x",
                                kLong79},
                      TitleCase{"Utf8WholeFits", std::string(78, 't') + "\xC4\x83",
                                std::string(78, 't') + "\xC4\x83"},
                      TitleCase{"CodePageBytesKept",
                                kLong79 + "\x9A\x9E"
                                          "x",
                                kLong79 + "\x9A"},
                      TitleCase{"CodePageLettersStay", "Bucure\xBAti \x8A", "Bucure\xBAti \x8A"}),
    [](const auto& test) { return std::string(test.param.name); });

// A title held by the model (typed, or from an older version) never breaks
// the lines of a written file.
TEST(FileTexts, WrittenTitleAndNamesHoldNoControlCharacters) {
  ScratchFolder folder;
  zentrix::testing::RunModel m = startModel();
  ASSERT_TRUE(loadInputText(m, modelText("\n"), "model.dat"));
  m.base.problemTitle = "one\ntwo\rthree";
  m.types.typeNames[0] = "Bar\x1b[2J";
  m.inputFilePath = folder.file("saved.dat");
  ASSERT_TRUE(writeInputFile(m));
  const std::string saved = readBytes(m.inputFilePath);
  EXPECT_NE(saved.find("\r\none two three\r\n"), std::string::npos);
  EXPECT_NE(saved.find("Bar [2J"), std::string::npos);
  EXPECT_EQ(saved.find('\x1b'), std::string::npos);
}

TEST(FileTexts, ControlCharactersAreShownEscaped) {
  EXPECT_EQ(model::escapedControls("a\x1b]0;t\x07\n\r\tC:\\x"), "a\\x1b]0;t\\x07\\n\\r\\tC:\\x");
  EXPECT_EQ(model::escapedControls("\xC4\x83\x9A"), "\xC4\x83\x9A");
}

}  // namespace
}  // namespace zentrix::files
