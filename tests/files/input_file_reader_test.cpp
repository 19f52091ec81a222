#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/input_file.h"
#include "files/sample_models.h"
#include "support/run_model.h"
#include "support/scratch_folder.h"
#include "support/test_names.h"

namespace zentrix::files {
namespace {

using zentrix::testing::ScratchFolder;
using zentrix::testing::writeBytes;

// A small hand-written file, one record a line (line numbers on the right),
// without comment header and ending right after the last element type.
const std::vector<std::string> kGoodLines = {
    "Two-bay test",           // 1
    "2 2 2",                  // 2
    "Coordinates:",           // 3
    "1 0. 0.",                // 4
    "2 0. 1.5",               // 5
    "3 2.5 0.",               // 6
    "4 2.5 1.5",              // 7
    "Expansion:",             // 8
    "X",                      // 9
    "3 2.5 1",                // 10
    "Topology:",              // 11
    "2",                      // 12
    "1 1 3",                  // 13
    "2 2 4",                  // 14
    "4",                      // 15
    " Longitudinal",          // 16
    "1.",                     // 17
    " Transversal",           // 18
    "2.",                     // 19
    " Diagonal",              // 20
    "3.",                     // 21
    " Transversal Diagonal",  // 22
    "4.",                     // 23
};

std::string joinedLines(const std::vector<std::string>& lines, const char* lineEnd = "\r\n") {
  std::string text;
  for (const auto& line : lines) text += line + lineEnd;
  return text;
}

// The good file with line `number` (when positive) replaced by the lines of
// `replacement`, then cut after `keepLines` lines (when positive).
std::string variant(int number, const std::string& replacement, int keepLines = 0) {
  std::vector<std::string> lines = kGoodLines;
  if (number > 0) {
    std::vector<std::string> inserted;
    std::size_t at = 0;
    while (at <= replacement.size()) {
      const std::size_t end = std::min(replacement.find('\n', at), replacement.size());
      inserted.push_back(replacement.substr(at, end - at));
      at = end + 1;
    }
    lines.erase(lines.begin() + (number - 1));
    lines.insert(lines.begin() + (number - 1), inserted.begin(), inserted.end());
  }
  if (keepLines > 0) lines.resize(static_cast<std::size_t>(keepLines));
  return joinedLines(lines);
}

// The good file with some of its lines (numbered from 1) replaced.
std::string replaced(std::initializer_list<std::pair<int, std::string>> changes) {
  std::vector<std::string> lines = kGoodLines;
  for (const auto& [number, text] : changes) lines.at(static_cast<std::size_t>(number - 1)) = text;
  return joinedLines(lines);
}

// Every input field, part by part.
void expectSameInput(const zentrix::testing::RunModel& actual,
                     const zentrix::testing::RunModel& expected) {
  EXPECT_TRUE(actual.base == expected.base) << "the Base module differs";
  EXPECT_TRUE(actual.expansion == expected.expansion) << "the expansion differs";
  EXPECT_TRUE(actual.types == expected.types) << "the element types differ";
}

class InputFileReaderTest : public ::testing::Test {
 protected:
  // A model as start-up leaves it, with a few values a load must replace or keep.
  zentrix::testing::RunModel startModel(bool romanian = false) {
    zentrix::testing::RunModel m;
    m.romanian = romanian;
    setStartValues(m);
    startNewElementTypes(m);
    m.expansion.moduleCount = 7;
    m.expansion.moduleLength = 1.25f;
    m.expansion.expansionType = model::kPyramidal;
    m.expansion.vertexFoot = {1, 2, 3};
    m.oldFilePath = folder_.file("old.dat");
    m.inputFilePath = "kept.dat";
    return m;
  }

  model::Outcome load(zentrix::testing::RunModel& m, const std::string& text) {
    writeBytes(m.oldFilePath, text);
    return loadInputFile(m);
  }

  zentrix::testing::RunModel loaded(const std::string& text, bool romanian = false) {
    zentrix::testing::RunModel m = startModel(romanian);
    const model::Outcome outcome = load(m, text);
    EXPECT_TRUE(outcome) << outcome.message;
    return m;
  }

  ScratchFolder folder_;
};

TEST_F(InputFileReaderTest, LoadsEveryFieldOfAHandWrittenFile) {
  const zentrix::testing::RunModel m = loaded(joinedLines(kGoodLines));
  EXPECT_EQ(m.base.problemTitle, "Two-bay test");
  EXPECT_EQ(m.base.dofPerNode, 2);
  EXPECT_EQ(m.base.nodesInBase0, 2);
  EXPECT_EQ(m.base.nodesInBase1, 2);
  EXPECT_EQ(m.base.baseNodeCount(), 4);
  EXPECT_EQ(m.base.baseCoords.rows(), 4);
  EXPECT_EQ(m.base.baseCoords.columns(), 2);
  EXPECT_EQ(m.base.baseCoords.storage(), (std::vector<float>{0, 0, 0, 1.5f, 2.5f, 0, 2.5f, 1.5f}));
  EXPECT_EQ(m.expansion.expansionDirection, 'X');
  EXPECT_EQ(m.expansion.directionIndex(), 1);
  EXPECT_EQ(m.expansion.moduleCount, 3);
  EXPECT_EQ(m.expansion.moduleLength, 2.5f);
  EXPECT_EQ(m.expansion.expansionType, model::kPrismatic);
  EXPECT_EQ(m.expansion.vertexFoot, (std::array<float, 3>{1, 2, 3})) << "not a pyramid: kept";
  EXPECT_EQ(m.base.baseElementCount, 2);
  EXPECT_EQ(m.base.baseElemStart.storage(), (std::vector<std::int32_t>{1, 2}));
  EXPECT_EQ(m.base.baseElemEnd.storage(), (std::vector<std::int32_t>{3, 4}));
  EXPECT_EQ(m.types.elementKindCount, 4);
  EXPECT_EQ(m.types.typeName(4), " Transversal Diagonal");
  EXPECT_EQ(m.types.typeAreas, (std::array<float, 4>{1, 2, 3, 4}));
  EXPECT_EQ(m.inputFilePath, "kept.dat") << "the caller's field";
  EXPECT_FALSE(m.oldFileLoaded) << "the caller's field";
}

// Layouts that load the same values as the good file.
struct SameLoadCase {
  const char* what;
  std::string text;
};

class InputFileSameLoadTest : public InputFileReaderTest,
                              public ::testing::WithParamInterface<SameLoadCase> {};

TEST_P(InputFileSameLoadTest, LoadsTheSameValues) {
  const zentrix::testing::RunModel expected = loaded(joinedLines(kGoodLines));
  const zentrix::testing::RunModel m = loaded(GetParam().text);
  expectSameInput(m, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, InputFileSameLoadTest,
    ::testing::Values(
        SameLoadCase{"comment header", "// one\r\n//\r\n//two\r\n" + joinedLines(kGoodLines)},
        SameLoadCase{"LF line ends", joinedLines(kGoodLines, "\n")},
        SameLoadCase{"no line end at the end",
                     joinedLines(kGoodLines).substr(0, joinedLines(kGoodLines).size() - 2)},
        SameLoadCase{"counts on three lines", variant(2, "2\n2\n2")},
        SameLoadCase{"counts with commas", variant(2, " 2 , 2,2")},
        SameLoadCase{"'//' at a heading", variant(3, "// Coordinates follow")},
        SameLoadCase{
            "nodes in reverse order",
            replaced({{4, "4 2.5 1.5"}, {5, "3 2.5 0."}, {6, "2 0. 1.5"}, {7, "1 0. 0."}})},
        SameLoadCase{"node record over two lines", variant(5, "2\n0. 1.5")},
        SameLoadCase{"repeats and exponents", replaced({{4, "1 2*0"},
                                                        {5, "2,0d0,15E-1"},
                                                        {6, "3 .25e1 0"},
                                                        {7, "4 2.5E0 15d-1 / 7"}})},
        SameLoadCase{"extra values dropped", variant(10, "3 2.5 1 99 junk")},
        SameLoadCase{"quoted direction", variant(9, "'X' and more")},
        SameLoadCase{"elements in reverse order", replaced({{13, "2 2 4"}, {14, "1 1 3"}})}),
    ::zentrix::testing::nameFrom(&SameLoadCase::what));

TEST_F(InputFileReaderTest, EmptyHeadingLineStillCountsAsTheHeading) {
  for (const char* heading : {"", "   ", "anything at all, 1 2 3"}) {
    const zentrix::testing::RunModel m = loaded(variant(8, heading));
    EXPECT_EQ(m.expansion.expansionDirection, 'X');
    EXPECT_EQ(m.expansion.moduleCount, 3);
  }
}

TEST_F(InputFileReaderTest, NodeNamedTwiceKeepsTheLaterValuesAndAnUnnamedNodeIsZero) {
  // Node 1 twice; node 4 never named.
  const zentrix::testing::RunModel twice = loaded(replaced({{4, "1 9. 9."}, {7, "1 5. 6."}}));
  EXPECT_EQ(twice.base.baseCoords(1, 1), 5.0f);
  EXPECT_EQ(twice.base.baseCoords(1, 2), 6.0f);
  EXPECT_EQ(twice.base.baseCoords(4, 1), 0.0f) << "never named";
  EXPECT_EQ(twice.base.baseCoords(4, 2), 0.0f);
}

TEST_F(InputFileReaderTest, DoubleSlashAtAValuePositionKeepsThePreviousValues) {
  // The expansion record is a "//" line: module count, length and type stay
  // as the model had them (7, 1.25, pyramidal), so the pyramid records follow.
  const zentrix::testing::RunModel m = loaded(variant(10, "// 3 2.5 1\n0.5\n1 2"));
  EXPECT_EQ(m.expansion.moduleCount, 7);
  EXPECT_EQ(m.expansion.moduleLength, 1.25f);
  EXPECT_EQ(m.expansion.expansionType, model::kPyramidal);
  EXPECT_EQ(m.expansion.pyramidShrinkRatio, 0.5f);
  EXPECT_EQ(m.expansion.vertexFoot, (std::array<float, 3>{1, 2, 3}));
}

TEST_F(InputFileReaderTest, SlashAndEmptyValuesKeepWhatTheModelHad) {
  const zentrix::testing::RunModel m = loaded(variant(10, ",,1 /"));
  EXPECT_EQ(m.expansion.moduleCount, 7);
  EXPECT_EQ(m.expansion.moduleLength, 1.25f);
  EXPECT_EQ(m.expansion.expansionType, model::kPrismatic);
  // The type the model had stays, with its records following.
  const zentrix::testing::RunModel pyramid = loaded(variant(10, ", 4.5 /\n0.5\n1 2"));
  EXPECT_EQ(pyramid.expansion.moduleCount, 7);
  EXPECT_EQ(pyramid.expansion.moduleLength, 4.5f);
  EXPECT_EQ(pyramid.expansion.expansionType, model::kPyramidal);
  EXPECT_EQ(pyramid.expansion.pyramidShrinkRatio, 0.5f);
}

TEST_F(InputFileReaderTest, LowerCaseDirectionLettersStayAndGiveTheirIndex) {
  const zentrix::testing::RunModel m = loaded(variant(9, "z"));
  EXPECT_EQ(m.expansion.expansionDirection, 'z');
  EXPECT_EQ(m.expansion.directionIndex(), 3);
  const zentrix::testing::RunModel shrink = loaded(variant(10, "3 2.5 3\n0.75, y"));
  EXPECT_EQ(shrink.expansion.shrinkRatio, 0.75f);
  EXPECT_EQ(shrink.expansion.shrinkDirection, 'y');
  EXPECT_EQ(shrink.expansion.shrinkDirectionIndex(), 2);
  const zentrix::testing::RunModel other = loaded(variant(9, "Up"));
  EXPECT_EQ(other.expansion.expansionDirection, 'U');
  EXPECT_EQ(other.expansion.directionIndex(), 0);
}

TEST_F(InputFileReaderTest, PyramidIn2DReadsTwoFootValuesAndArchItsThree) {
  const zentrix::testing::RunModel pyramid = loaded(variant(10, "3 2.5 2\n0.8\n10 -0.75"));
  EXPECT_EQ(pyramid.expansion.pyramidShrinkRatio, 0.8f);
  EXPECT_EQ(pyramid.expansion.vertexFoot, (std::array<float, 3>{10, -0.75f, 3})) << "third stays";
  const zentrix::testing::RunModel arch = loaded(variant(10, "3 2.5 4\n1 30 7.5"));
  EXPECT_EQ(arch.expansion.archKind, 1);
  EXPECT_EQ(arch.expansion.halfSpan, 30.0f);
  EXPECT_EQ(arch.expansion.archHeight, 7.5f);
  const zentrix::testing::RunModel unknown = loaded(variant(10, "3 2.5 9"));
  EXPECT_EQ(unknown.expansion.expansionType, 9) << "no type record, nothing refused";
}

TEST_F(InputFileReaderTest, TypeNamesKeepTheirLineAndAreCut) {
  const std::string longName(120, 'n');
  const zentrix::testing::RunModel m = loaded(variant(16, " Talpa   \n1.\n " + longName));
  // Lines after 17 shift: the name of type 2 is the long line, cut to 100.
  EXPECT_EQ(m.types.typeName(1), " Talpa") << "the blank of files in the field stays";
  EXPECT_EQ(m.types.typeName(2), " " + longName.substr(0, 99));
  const zentrix::testing::RunModel handMade = loaded(variant(16, "Talpa\n1.\n   Indented"));
  EXPECT_EQ(handMade.types.typeName(1), "Talpa");
  EXPECT_EQ(handMade.types.typeName(2), "   Indented");
}

TEST_F(InputFileReaderTest, TitleIsCutTo80AndMayLookLikeTheEndOfInput) {
  const std::string longTitle(90, 't');
  EXPECT_EQ(loaded(variant(1, longTitle)).base.problemTitle, longTitle.substr(0, 80));
  const std::string endLike = "End of \"Zentrix Input File\" (inputed data).";
  EXPECT_EQ(loaded(variant(1, endLike)).base.problemTitle, endLike);
}

TEST_F(InputFileReaderTest, NothingAfterTheEndOfInputLineIsRead) {
  std::string text = joinedLines(kGoodLines) + "End of \"Zentrix Input File\" (inputed data).\r\n";
  text += std::string("\0\xff garbage, not a file of records \x01\r\n", 36);
  for (int i = 0; i < 1000; ++i) text += "1 NaN NaN\r\n";
  EXPECT_EQ(loaded(text).types.typeArea(4), 4.0f);
  // The Romanian end line ends the input part as well, and a type count
  // larger than the input part holds fails instead of reading beyond it.
  const std::string romanian =
      variant(15, "4", 21) + "Sfarsitul fisierului \"Zentrix Input File\" (datele introduse).\r\n" +
      " Name\r\n4.\r\n";
  zentrix::testing::RunModel m = startModel();
  const model::Outcome outcome = load(m, romanian);
  EXPECT_FALSE(outcome);
  EXPECT_EQ(outcome.line, 21);
}

TEST_F(InputFileReaderTest, FewerElementTypesGetNewModelDefaultsAndFourKinds) {
  struct Case {
    bool romanian;
    int expansionType;
    std::array<const char*, 4> names;
  };
  const Case cases[] = {
      {false, 1, {"Chord", "Transversal", "Diagonal", "Transversal Diagonal"}},
      {true, 1, {"Chord", "Transversal", "Diagonala", "Diagonala transversala"}},
      {false, 4, {"Chord", "Strut", "Diagonal", "Transversal Diagonal"}},
      {true, 4, {"Chord", "Montant", "Diagonala", "Diagonala transversala"}},
  };
  for (const auto& c : cases) {
    const std::string expansion =
        c.expansionType == 4 ? "3 2.5 4\n1 30 7.5" : "3 2.5 " + std::to_string(c.expansionType);
    std::string text = variant(10, expansion);
    text = text.substr(0, text.find("4\r\n Longitudinal")) + "1\r\n Chord\r\n9.5\r\n";
    const zentrix::testing::RunModel m = loaded(text, c.romanian);
    EXPECT_EQ(m.types.elementKindCount, 4);
    EXPECT_EQ(m.types.typeName(1), " Chord") << "as its line stands";
    for (int type = 2; type <= 4; ++type) EXPECT_EQ(m.types.typeName(type), c.names[type - 1]);
    EXPECT_EQ(m.types.typeAreas, (std::array<float, 4>{9.5f, 2, 3, 4}));
  }
}

TEST_F(InputFileReaderTest, EmptyAreaValueGivesTheNewModelArea) {
  zentrix::testing::RunModel m = startModel();
  m.types.typeArea(2) = 42.0f;
  ASSERT_TRUE(load(m, variant(19, "/")));
  EXPECT_EQ(m.types.typeArea(2), 2.0f) << "the type tables are rebuilt by the load";
}

TEST_F(InputFileReaderTest, LoneSlashRecordNamesNoNode) {
  const zentrix::testing::RunModel m = loaded(variant(4, "/"));
  EXPECT_EQ(m.base.baseCoords(1, 1), 0.0f);
  EXPECT_EQ(m.base.baseCoords(2, 2), 1.5f);
}

TEST_F(InputFileReaderTest, GeneratedStructureIsNotTouched) {
  zentrix::testing::RunModel m = zentrix::testing::sampleModel({3, model::kArch, false, true});
  const model::CoordinateTable nodes = m.structure.nodeCoords;
  const auto starts = m.structure.elemStart;
  m.oldFilePath = folder_.file("old.dat");
  ASSERT_TRUE(load(m, joinedLines(kGoodLines)));
  EXPECT_EQ(m.structure.totalNodes(), 25);
  EXPECT_EQ(m.structure.nodeCoords, nodes);
  EXPECT_EQ(m.structure.elemStart, starts);
  EXPECT_EQ(m.base.dofPerNode, 2);
}

// --- Files the load refuses: the reason, the line, nothing changed. ------

struct BadFileCase {
  const char* what;
  std::string text;
  int line;
  std::string reason;  // after `File "<path>", line <n>, `
};

class InputFileRefusalTest : public InputFileReaderTest,
                             public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(InputFileRefusalTest, FailsWithTheReasonAndLineAndChangesNothing) {
  const auto& c = GetParam();
  zentrix::testing::RunModel m = loaded(variant(10, "5 4.5 4\n2 10 3"));
  const zentrix::testing::RunModel before = m;
  const model::Outcome outcome = load(m, c.text);
  ASSERT_FALSE(outcome) << c.what;
  EXPECT_EQ(outcome.line, c.line) << c.what;
  EXPECT_EQ(outcome.message,
            "File \"" + m.oldFilePath + "\", line " + std::to_string(c.line) + ", " + c.reason)
      << c.what;
  expectSameInput(m, before);
}

INSTANTIATE_TEST_SUITE_P(
    Header, InputFileRefusalTest,
    ::testing::Values(
        BadFileCase{"empty file", "", 1, "title: missing: the file is empty"},
        BadFileCase{"only comments", "// a\r\n// b\r\n//", 3,
                    "title: missing: the file ends inside the comment header"},
        BadFileCase{"ends after the title", "Title\r\n", 1,
                    "counts: value 1: expected an integer, found the end of the file"},
        BadFileCase{"ends inside the counts", "Title\r\n2 2\r\n", 2,
                    "counts: value 3: expected an integer, found the end of the file"},
        BadFileCase{"dofPerNode 4", variant(2, "4 2 2"), 2,
                    "counts: coordinates per node must be 2 or 3, found 4"},
        BadFileCase{"dofPerNode 1", variant(2, "1 2 2"), 2,
                    "counts: coordinates per node must be 2 or 3, found 1"},
        BadFileCase{"negative Base 0", variant(2, "2 -1 2"), 2,
                    "counts: the number of nodes in Base 0 must not be negative, found -1"},
        BadFileCase{"negative Base 1", variant(2, "2\n2\n-2"), 2,
                    "counts: the number of nodes in Base 1 must not be negative, found -2"},
        BadFileCase{"node count beyond 32 bits", variant(2, "2 2147483647 1"), 2,
                    "counts: the number of nodes 2147483647 + 1 is more than 2147483647"},
        BadFileCase{"more nodes than lines", variant(2, "3 1000000 0"), 2,
                    "counts: the file cannot hold 1000000 node records: only 20 lines follow"},
        BadFileCase{"real count", variant(2, "2 2.0 2"), 2,
                    "counts: value 2: expected an integer, found '2.0'"},
        BadFileCase{"no Coordinates heading", variant(0, "", 2), 2,
                    "Coordinates heading: missing: the file ends before it"}),
    ::zentrix::testing::nameFrom(&BadFileCase::what));

INSTANTIATE_TEST_SUITE_P(
    Nodes, InputFileRefusalTest,
    ::testing::Values(
        BadFileCase{"node 0", variant(5, "0 1 1"), 5, "node record: node 0 is outside 1..4"},
        BadFileCase{"node 5", variant(6, "5 1 1"), 6, "node record: node 5 is outside 1..4"},
        BadFileCase{"negative node", variant(6, "-3 1 1"), 6,
                    "node record: node -3 is outside 1..4"},
        BadFileCase{"node number missing", variant(6, ",2.5,0"), 6,
                    "node record: the node number is missing"},
        BadFileCase{"letters", variant(5, "2 0. abc"), 5,
                    "node record: value 3: expected a real, found 'abc'"},
        BadFileCase{"NaN", variant(5, "2 NaN 1.5"), 5,
                    "node record: value 2: expected a real, found 'NaN'"},
        BadFileCase{"infinity", variant(5, "2 0 -Inf"), 5,
                    "node record: value 3: expected a real, found '-Inf'"},
        BadFileCase{"beyond single precision", variant(7, "4 2.5 1e39"), 7,
                    "node record: value 3: '1e39' is out of range for a real"},
        BadFileCase{"real node number", variant(5, "1.5 0 0"), 5,
                    "node record: value 1: expected an integer, found '1.5'"},
        BadFileCase{"too few lines for the nodes", variant(0, "", 5), 2,
                    "counts: the file cannot hold 4 node records: only 2 lines follow"},
        BadFileCase{"ends inside the nodes", variant(7, "4 2.5", 7), 7,
                    "node record: value 3: expected a real, found the end of the file"},
        BadFileCase{"value continued into the heading", variant(7, "4 2.5"), 8,
                    "node record: value 3: expected a real, found 'Expansion:'"}),
    ::zentrix::testing::nameFrom(&BadFileCase::what));

INSTANTIATE_TEST_SUITE_P(
    ExpansionAndElements, InputFileRefusalTest,
    ::testing::Values(
        BadFileCase{"ends before the Expansion heading", variant(0, "", 7), 7,
                    "Expansion heading: missing: the file ends before it"},
        BadFileCase{"no direction", variant(0, "", 8), 8,
                    "expansion direction: value 1: expected a text, found the end of the file"},
        BadFileCase{"unclosed quote", variant(9, "'X"), 9,
                    "expansion direction: value 1: the quoted text ''X' is not closed on its line"},
        BadFileCase{"negative module count", variant(10, "-3 2.5 1"), 10,
                    "expansion record: the number of modules must not be negative, found -3"},
        BadFileCase{"real type", variant(10, "3 2.5 1.0"), 10,
                    "expansion record: value 3: expected an integer, found '1.0'"},
        BadFileCase{"bad pyramid ratio", variant(10, "3 2.5 2\nx\n1 1"), 11,
                    "pyramid shrink ratio: value 1: expected a real, found 'x'"},
        BadFileCase{"bad vertex foot", variant(10, "3 2.5 2\n0.5\n1 1e40"), 12,
                    "vertex foot: value 2: '1e40' is out of range for a real"},
        BadFileCase{"bad shrink", variant(10, "3 2.5 3\nx y"), 11,
                    "shrink record: value 1: expected a real, found 'x'"},
        BadFileCase{"bad arch", variant(10, "3 2.5 4\n1.5 30 7"), 11,
                    "arch record: value 1: expected an integer, found '1.5'"},
        BadFileCase{"no Topology heading", variant(0, "", 10), 10,
                    "Topology heading: missing: the file ends before it"},
        BadFileCase{"negative element count", variant(12, "-1"), 12,
                    "element count: the number of elements must not be negative, found -1"},
        BadFileCase{"more elements than lines", variant(12, "2000000000"), 12,
                    "element count: the file cannot hold 2000000000 element records: only 11 "
                    "lines follow"},
        BadFileCase{"element 3", variant(14, "3 2 4"), 14,
                    "element record: element 3 is outside 1..2"},
        BadFileCase{"element number missing", variant(13, ",1,3"), 13,
                    "element record: the element number is missing"},
        BadFileCase{"bad end node", variant(13, "1 1 x"), 13,
                    "element record: value 3: expected an integer, found 'x'"}),
    ::zentrix::testing::nameFrom(&BadFileCase::what));

INSTANTIATE_TEST_SUITE_P(
    ElementTypes, InputFileRefusalTest,
    ::testing::Values(
        BadFileCase{"no type count", variant(0, "", 14), 14,
                    "element type count: value 1: expected an integer, found the end of the "
                    "file"},
        BadFileCase{"type count 0", variant(15, "0"), 15,
                    "element type count: the number of element types must be 1 to 4, found 0"},
        BadFileCase{"type count 5", variant(15, "5"), 15,
                    "element type count: the number of element types must be 1 to 4, found 5"},
        BadFileCase{"ends before a type name", variant(0, "", 19), 19,
                    "name of element type 3: missing: the file ends before it"},
        BadFileCase{"ends before an area", variant(0, "", 22), 22,
                    "area of element type 4: value 1: expected a real, found the end of the "
                    "file"},
        BadFileCase{"bad area", variant(21, "3;0"), 21,
                    "area of element type 3: value 1: expected a real, found '3;0'"}),
    ::zentrix::testing::nameFrom(&BadFileCase::what));

TEST_F(InputFileReaderTest, RefusalsAreWordedInRomanian) {
  const std::pair<std::string, std::string> cases[] = {
      {variant(2, "5 2 2"),
       "linia 2, numerele de noduri: numarul de coordonate pe nod trebuie sa fie 2 sau 3, s-a "
       "gasit 5"},
      {variant(5, "2 0. abc"),
       "linia 5, inregistrarea nodului: valoarea 3: se astepta un numar real, s-a gasit 'abc'"},
      {variant(6, "9 1 1"),
       "linia 6, inregistrarea nodului: nodul 9 este in afara domeniului 1..4"},
      {variant(2, "2 9999 0"),
       "linia 2, numerele de noduri: fisierul nu poate contine 9999 inregistrari de noduri: "
       "urmeaza doar 20 linii"},
      {variant(0, "", 19),
       "linia 19, numele tipului de element 3: lipseste: fisierul se termina "
       "inainte"},
      {"", "linia 1, titlul: lipseste: fisierul este gol"},
  };
  for (const auto& [text, reason] : cases) {
    zentrix::testing::RunModel m = startModel(true);
    const model::Outcome outcome = load(m, text);
    ASSERT_FALSE(outcome);
    EXPECT_EQ(outcome.message, "Fisierul \"" + m.oldFilePath + "\", " + reason);
  }
}

// The load from a text in memory is the load from the file: the same model,
// the same refusal with the given name, the same stop at the end of input.
TEST_F(InputFileReaderTest, LoadFromTextInMemoryIsTheLoadFromTheFile) {
  const std::string texts[] = {
      joinedLines(kGoodLines),
      joinedLines(kGoodLines) + "End of \"Zentrix Input File\" (inputed data).\r\nnot read",
      variant(5, "2 NaN 1.5"),
      variant(0, "", 9),
  };
  for (const std::string& text : texts) {
    zentrix::testing::RunModel fromFile = startModel();
    const model::Outcome fileOutcome = load(fromFile, text);
    zentrix::testing::RunModel fromText = startModel();
    const model::Outcome textOutcome = loadInputText(fromText, text, fromFile.oldFilePath);
    EXPECT_EQ(textOutcome.ok, fileOutcome.ok);
    EXPECT_EQ(textOutcome.message, fileOutcome.message);
    EXPECT_EQ(textOutcome.line, fileOutcome.line);
    expectSameInput(fromText, fromFile);
  }
}

TEST_F(InputFileReaderTest, FilesThatCannotBeReadAreNamed) {
  zentrix::testing::RunModel m = startModel();
  m.oldFilePath = folder_.file("missing.dat");
  model::Outcome outcome = loadInputFile(m);
  EXPECT_EQ(outcome.message,
            "Cannot open the file \"" + m.oldFilePath + "\": No such file or directory");
  m.romanian = true;
  outcome = loadInputFile(m);
  EXPECT_EQ(outcome.message, "Nu se poate deschide fisierul \"" + m.oldFilePath +
                                 "\": Fisierul sau dosarul nu exista")
      << "the system's reason in Romanian too";
  m.romanian = false;
  m.oldFilePath = folder_.path().string();
  outcome = loadInputFile(m);
  EXPECT_EQ(outcome.message, "Cannot open the file \"" + m.oldFilePath + "\": Is a folder");
}

}  // namespace
}  // namespace zentrix::files
