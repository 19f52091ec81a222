#include "model/free_form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "model/number_text.h"
#include "model/text.h"
#include "support/test_names.h"

namespace zentrix::model {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// Three reals read over the start values 7, 8, 9: shows which targets a read
// filled and which it kept.
struct RealsCase {
  const char* text;
  std::array<float, 3> expected;
};

class FreeFormRealsTest : public ::testing::TestWithParam<RealsCase> {};

TEST_P(FreeFormRealsTest, FillsOrKeepsEachTarget) {
  const auto& c = GetParam();
  std::array<float, 3> xyz = {7, 8, 9};
  const Outcome outcome = readFreeForm(c.text, {&xyz[0], &xyz[1], &xyz[2]});
  ASSERT_TRUE(outcome) << outcome.message;
  EXPECT_THAT(xyz, ElementsAreArray(c.expected)) << "text \"" << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Separators, FreeFormRealsTest,
    ::testing::Values(RealsCase{"1 2 3", {1, 2, 3}}, RealsCase{"1,2,3", {1, 2, 3}},
                      RealsCase{"  1 ,  2 ,3  ", {1, 2, 3}}, RealsCase{"1\t2\t3", {1, 2, 3}},
                      RealsCase{"1 2 3 4 5", {1, 2, 3}}, RealsCase{"1 2 3,", {1, 2, 3}},
                      // Empty values keep their targets.
                      RealsCase{"1.5,,2", {1.5f, 8, 2}}, RealsCase{",2,3", {7, 2, 3}},
                      RealsCase{" , 2/", {7, 2, 9}}),
    ::zentrix::testing::nameFrom(&RealsCase::text));

INSTANTIATE_TEST_SUITE_P(
    EmptyValuesAndSlash, FreeFormRealsTest,
    ::testing::Values(RealsCase{",,3", {7, 8, 3}}, RealsCase{"1 ,, 3", {1, 8, 3}},
                      RealsCase{"1, ,3", {1, 8, 3}}, RealsCase{"1 2/", {1, 2, 9}},
                      RealsCase{"1,2,/", {1, 2, 9}}, RealsCase{"/", {7, 8, 9}},
                      RealsCase{"1/ 2 3", {1, 8, 9}}, RealsCase{"1,/", {1, 8, 9}},
                      RealsCase{",,,", {7, 8, 9}}, RealsCase{"1//", {1, 8, 9}}),
    ::zentrix::testing::nameFrom(&RealsCase::text));

INSTANTIATE_TEST_SUITE_P(
    Repeats, FreeFormRealsTest,
    ::testing::Values(RealsCase{"3*4", {4, 4, 4}}, RealsCase{"2*4 5", {4, 4, 5}},
                      RealsCase{"2* 5", {7, 8, 5}}, RealsCase{"1 2*", {1, 8, 9}},
                      RealsCase{"2*,5", {7, 8, 5}}, RealsCase{"99*0.5", {0.5f, 0.5f, 0.5f}},
                      RealsCase{"1 5*2", {1, 2, 2}}, RealsCase{"2*-1.5e1 3", {-15, -15, 3}},
                      RealsCase{"99999999999999*1", {1, 1, 1}}),
    ::zentrix::testing::nameFrom(&RealsCase::text));

INSTANTIATE_TEST_SUITE_P(NumberForms, FreeFormRealsTest,
                         ::testing::Values(RealsCase{"1.5e2 -2.5D-1 +3d0", {150, -0.25f, 3}},
                                           RealsCase{"1E+2 .5 5.", {100, 0.5f, 5}},
                                           RealsCase{"-.5 +.25 -0", {-0.5f, 0.25f, -0.0f}},
                                           RealsCase{"1e-50 -1D-60 12", {0, -0.0f, 12}},
                                           RealsCase{"3.4028235e38 -3.4028235E38 1.4e-45",
                                                     {3.4028235e38f, -3.4028235e38f, 1.4e-45f}},
                                           RealsCase{"0.1000000000000000000000000000001 2 3",
                                                     {0.1f, 2, 3}}),
                         ::zentrix::testing::nameFrom(&RealsCase::text));

// " , 2" with three targets: the first value is empty, the second is 2, and
// the third finds the end of the text: that fails. Kept apart from the table.
TEST(FreeFormReader, RunningOutOfTextWithoutSlashFails) {
  std::array<float, 3> xyz = {7, 8, 9};
  const Outcome outcome = readFreeForm(" , 2", {&xyz[0], &xyz[1], &xyz[2]});
  EXPECT_FALSE(outcome);
  EXPECT_EQ(outcome.message, "value 3: expected a real, found the end of the text");
  EXPECT_THAT(xyz, ElementsAre(7, 2, 9)) << "values read before the failure stay";
}

struct FailureCase {
  const char* text;
  const char* english;
  const char* romanian;
};

class FreeFormFailureTest : public ::testing::TestWithParam<FailureCase> {};

// Targets: an integer, a real, a text.
TEST_P(FreeFormFailureTest, NamesTheValueAndWhatWasFound) {
  const auto& c = GetParam();
  for (const bool romanian : {false, true}) {
    std::int32_t count = 0;
    float length = 0;
    std::string name;
    const Outcome outcome = readFreeForm(c.text, {&count, &length, &name}, romanian);
    ASSERT_FALSE(outcome) << c.text;
    EXPECT_EQ(outcome.message, say({c.english, c.romanian}, romanian));
    EXPECT_EQ(outcome.line, 1);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FreeFormFailureTest,
    ::testing::Values(
        FailureCase{"1 abc x", "value 2: expected a real, found 'abc'",
                    "valoarea 2: se astepta un numar real, s-a gasit 'abc'"},
        FailureCase{"1.5 2 x", "value 1: expected an integer, found '1.5'",
                    "valoarea 1: se astepta un numar intreg, s-a gasit '1.5'"},
        FailureCase{"1e3 2 x", "value 1: expected an integer, found '1e3'",
                    "valoarea 1: se astepta un numar intreg, s-a gasit '1e3'"},
        FailureCase{"+-5 2 x", "value 1: expected an integer, found '+-5'",
                    "valoarea 1: se astepta un numar intreg, s-a gasit '+-5'"},
        FailureCase{"'5' 2 x", "value 1: expected an integer, found ''5''",
                    "valoarea 1: se astepta un numar intreg, s-a gasit ''5''"},
        FailureCase{"2147483648 2 x", "value 1: '2147483648' is out of range for an integer",
                    "valoarea 1: '2147483648' depaseste domeniul pentru un numar intreg"},
        FailureCase{"-2147483649 2 x", "value 1: '-2147483649' is out of range for an integer",
                    "valoarea 1: '-2147483649' depaseste domeniul pentru un numar intreg"},
        FailureCase{"1 NaN x", "value 2: expected a real, found 'NaN'",
                    "valoarea 2: se astepta un numar real, s-a gasit 'NaN'"},
        FailureCase{"1 -Infinity x", "value 2: expected a real, found '-Infinity'",
                    "valoarea 2: se astepta un numar real, s-a gasit '-Infinity'"},
        FailureCase{"1 inf x", "value 2: expected a real, found 'inf'",
                    "valoarea 2: se astepta un numar real, s-a gasit 'inf'"},
        FailureCase{"1 1e39 x", "value 2: '1e39' is out of range for a real",
                    "valoarea 2: '1e39' depaseste domeniul pentru un numar real"},
        FailureCase{"1 -3.5D38 x", "value 2: '-3.5D38' is out of range for a real",
                    "valoarea 2: '-3.5D38' depaseste domeniul pentru un numar real"},
        FailureCase{"1 1e999999 x", "value 2: '1e999999' is out of range for a real",
                    "valoarea 2: '1e999999' depaseste domeniul pentru un numar real"},
        FailureCase{"1 1.5e x", "value 2: expected a real, found '1.5e'",
                    "valoarea 2: se astepta un numar real, s-a gasit '1.5e'"},
        FailureCase{"1 . x", "value 2: expected a real, found '.'",
                    "valoarea 2: se astepta un numar real, s-a gasit '.'"},
        FailureCase{"1 1..2 x", "value 2: expected a real, found '1..2'",
                    "valoarea 2: se astepta un numar real, s-a gasit '1..2'"},
        FailureCase{"1 2*x", "value 2: expected a real, found '2*x'",
                    "valoarea 2: se astepta un numar real, s-a gasit '2*x'"},
        FailureCase{"0*1 2 x", "value 1: the repeat count in '0*1' must be positive",
                    "valoarea 1: factorul de repetare din '0*1' trebuie sa fie pozitiv"},
        FailureCase{"1 2 'abc", "value 3: the quoted text ''abc' is not closed on its line",
                    "valoarea 3: textul intre ghilimele ''abc' nu este inchis pe linia sa"},
        FailureCase{"1 2 'ab'cd", "value 3: malformed value ''ab'cd'",
                    "valoarea 3: valoare eronata ''ab'cd'"},
        FailureCase{"1 2", "value 3: expected a text, found the end of the text",
                    "valoarea 3: se astepta un text, s-a gasit sfarsitul textului"},
        FailureCase{"", "value 1: expected an integer, found the end of the text",
                    "valoarea 1: se astepta un numar intreg, s-a gasit sfarsitul textului"},
        FailureCase{"1 0.12345678901234567890123456789012345678901234567890x x",
                    "value 2: expected a real, found '0.12345678901234567890123456789012345678...'",
                    "valoarea 2: se astepta un numar real, s-a gasit "
                    "'0.12345678901234567890123456789012345678...'"} /* long texts are cut */),
    ::zentrix::testing::nameFrom(&FailureCase::text));

TEST(FreeFormReader, ALongValidRealIsNotCut) {
  float x = 0;
  ASSERT_TRUE(readFreeForm("0.12345678901234567890123456789012345678901234567890", {&x}));
  EXPECT_EQ(x, 0.12345678901234567890f);
}

struct TextsCase {
  const char* text;
  std::array<const char*, 2> expected;
};

class FreeFormTextsTest : public ::testing::TestWithParam<TextsCase> {};

TEST_P(FreeFormTextsTest, ReadsPlainAndQuotedTexts) {
  const auto& c = GetParam();
  std::array<std::string, 2> texts = {"old1", "old2"};
  const Outcome outcome = readFreeForm(c.text, {&texts[0], &texts[1]});
  ASSERT_TRUE(outcome) << outcome.message;
  EXPECT_EQ(texts[0], c.expected[0]) << c.text;
  EXPECT_EQ(texts[1], c.expected[1]) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FreeFormTextsTest,
    ::testing::Values(TextsCase{"abc def", {"abc", "def"}}, TextsCase{"x,y", {"x", "y"}},
                      TextsCase{"'a b' c", {"a b", "c"}}, TextsCase{"'a,b/c',d", {"a,b/c", "d"}},
                      TextsCase{"\"it's\" 'it''s'", {"it's", "it's"}},
                      TextsCase{"\"say \"\"hi\"\"\" ''", {"say \"hi\"", ""}},
                      TextsCase{"2*'q'", {"q", "q"}}, TextsCase{"1.5 -2", {"1.5", "-2"}},
                      TextsCase{"a/b", {"a", "old2"}}, TextsCase{",z", {"old1", "z"}},
                      TextsCase{"don't x", {"don't", "x"}}, TextsCase{"a*b c", {"a*b", "c"}}),
    ::zentrix::testing::nameFrom(&TextsCase::text));

TEST(FreeFormReader, ReadsIntegersAtTheEdgesOfTheirRange) {
  std::int32_t low = 0, high = 0, plus = 0;
  ASSERT_TRUE(readFreeForm("-2147483648 2147483647 +0012", {&low, &high, &plus}));
  EXPECT_EQ(low, std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(high, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(plus, 12);
}

TEST(FreeFormReader, TellsWhichTargetsWereFilled) {
  FreeFormReader reader("5 ,, 3*\n1 2 / 4\n");
  std::int32_t a = 0, b = 0, c = 0, d = 0;
  ASSERT_TRUE(reader.read({&a, &b, &c, &d}));
  EXPECT_TRUE(reader.filled(1));
  EXPECT_FALSE(reader.filled(2));
  EXPECT_FALSE(reader.filled(3));
  EXPECT_FALSE(reader.filled(4));
  EXPECT_FALSE(reader.filled(0));
  EXPECT_FALSE(reader.filled(5));
  ASSERT_TRUE(reader.read({&a, &b, &c, &d}));
  EXPECT_TRUE(reader.filled(1) && reader.filled(2));
  EXPECT_FALSE(reader.filled(3) || reader.filled(4));
  EXPECT_EQ(d, 0);
}

// Reads over several lines: what a Zentrix Input File does with its records.
TEST(FreeFormReaderLines, CountsOnOneLineOrThreeReadTheSame) {
  for (const char* text : {"3 4 4\nnext\n", "3\n4\n4\nnext\n", "3,\n4\n,4\nnext\n",
                           "\n\n   3 4\n\n 4  \nnext\n", "3 4\r\n4\r\nnext\r\n"}) {
    FreeFormReader reader(text);
    std::int32_t dof = 0, n0 = 0, n1 = 0;
    ASSERT_TRUE(reader.read({&dof, &n0, &n1})) << text;
    EXPECT_EQ(dof, 3);
    EXPECT_EQ(n0, 4);
    EXPECT_EQ(n1, 4);
    std::string line;
    ASSERT_TRUE(reader.readLine(line));
    EXPECT_EQ(line, "next") << "the next read starts on the line after the last one used";
  }
}

TEST(FreeFormReaderLines, DropsTheRestOfTheLastLineUsed) {
  FreeFormReader reader("1 2 3 4\n5 6\n7\n");
  std::int32_t a = 0, b = 0;
  ASSERT_TRUE(reader.read({&a, &b}));
  EXPECT_EQ(reader.lineNumber(), 2);
  ASSERT_TRUE(reader.read({&a}));
  EXPECT_EQ(a, 5);
  ASSERT_TRUE(reader.read({&a}));
  EXPECT_EQ(a, 7);
  EXPECT_TRUE(reader.atEnd());
}

TEST(FreeFormReaderLines, CommaAtALineEndOrStartSeparatesOnce) {
  for (const char* text : {"1,\n2", "1\n,2", "1 ,\n  2", "1\n\n,\n2"}) {
    std::int32_t a = 0, b = 0;
    FreeFormReader reader(text);
    ASSERT_TRUE(reader.read({&a, &b})) << text;
    EXPECT_EQ(a, 1) << text;
    EXPECT_EQ(b, 2) << text;
  }
}

TEST(FreeFormReaderLines, CommaAfterASeparatingCommaOnTheNextLineIsAnEmptyValue) {
  std::int32_t a = 0, b = 5, c = 0;
  FreeFormReader reader("1 ,\n , 2");
  ASSERT_TRUE(reader.read({&a, &b, &c}));
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 5);
  EXPECT_EQ(c, 2);
}

TEST(FreeFormReaderLines, DoubleSlashLineEndsTheReadAndKeepsTheTargets) {
  FreeFormReader reader("// not a comment here\n5 6\n");
  std::int32_t a = 1, b = 2;
  ASSERT_TRUE(reader.read({&a, &b}));
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
  ASSERT_TRUE(reader.read({&a, &b}));
  EXPECT_EQ(a, 5);
  EXPECT_EQ(b, 6);
}

TEST(FreeFormReaderLines, RepeatOfEmptyValuesCarriesOverALineEnd) {
  FreeFormReader reader("2*\n5\n");
  std::int32_t a = 1, b = 2, c = 3;
  ASSERT_TRUE(reader.read({&a, &b, &c}));
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
  EXPECT_EQ(c, 5);
}

TEST(FreeFormReaderLines, FailureNamesTheLineOfTheBadValue) {
  FreeFormReader reader("1 2\n\n3\n4 x 6\n7\n");
  std::int32_t a = 0, b = 0, c = 0, d = 0, e = 0;
  const Outcome outcome = reader.read({&a, &b, &c, &d, &e});
  ASSERT_FALSE(outcome);
  EXPECT_EQ(outcome.message, "value 5: expected an integer, found 'x'");
  EXPECT_EQ(outcome.line, 4);
  EXPECT_EQ(reader.recordLineNumber(), 1);
  EXPECT_EQ(d, 4) << "values before the failing one stay";
  ASSERT_TRUE(reader.read({&a}));
  EXPECT_EQ(a, 7) << "reading goes on after the failing line";
}

TEST(FreeFormReaderLines, EndOfFileIsReportedOnTheLastLine) {
  const std::pair<const char*, int> cases[] = {
      {"1 2\n3\n", 2}, {"1 2\n3", 2}, {"1 2\n3\n\n  \n", 4}};
  for (const auto& [text, lastLine] : cases) {
    FreeFormReader reader(text);
    std::int32_t a = 0, b = 0, c = 0, d = 0;
    const Outcome outcome = reader.read({&a, &b, &c, &d});
    ASSERT_FALSE(outcome);
    EXPECT_EQ(outcome.message, "value 4: expected an integer, found the end of the file");
    EXPECT_EQ(outcome.line, lastLine) << text;
    EXPECT_TRUE(reader.atEnd());
  }
}

TEST(FreeFormReaderLines, UnclosedQuoteDoesNotSwallowTheNextLine) {
  FreeFormReader reader("'abc\n'next' 2\n");
  std::string text;
  const Outcome outcome = reader.read({&text});
  ASSERT_FALSE(outcome);
  EXPECT_EQ(outcome.line, 1);
  std::int32_t n = 0;
  ASSERT_TRUE(reader.read({&text, &n}));
  EXPECT_EQ(text, "next");
  EXPECT_EQ(n, 2);
}

TEST(FreeFormReaderLines, ReadLineTakesWholeLinesWithoutTheirEnds) {
  FreeFormReader reader("  first  \r\n\nlast");
  std::string line;
  EXPECT_EQ(reader.remainingLineCount(), 3);
  ASSERT_TRUE(reader.readLine(line));
  EXPECT_EQ(line, "  first  ");
  EXPECT_EQ(reader.remainingLineCount(), 2);
  ASSERT_TRUE(reader.readLine(line));
  EXPECT_EQ(line, "");
  ASSERT_TRUE(reader.readLine(line));
  EXPECT_EQ(line, "last");
  EXPECT_EQ(reader.lineNumber(), 4);
  EXPECT_EQ(reader.remainingLineCount(), 0);
  EXPECT_FALSE(reader.readLine(line));
}

TEST(FreeFormReaderLines, RecordLineIsWhereTheFirstValueStands) {
  FreeFormReader reader("\n\n  \n 12 13\n");
  std::int32_t a = 0, b = 0;
  ASSERT_TRUE(reader.read({&a, &b}));
  EXPECT_EQ(reader.recordLineNumber(), 4);
  EXPECT_EQ(reader.lineNumber(), 5);
}

struct RecordCase {
  FreeFormRecord record;
  const char* expected;
};

TEST(FreeFormRecordTest, WritesTheFixedFields) {
  const RecordCase cases[] = {
      {FreeFormRecord().integer(1), "           1"},
      {FreeFormRecord().integer(-2147483648LL), " -2147483648"},
      {FreeFormRecord().integer(123456789012345LL), "123456789012345"},
      {FreeFormRecord().real(1.5f), "   1.500000    "},
      {FreeFormRecord().real(0.05f), "  0.5000000E-01"},
      {FreeFormRecord().real(-1234567.0f), "  -1234567.    "},
      {FreeFormRecord().text("Talpa"), " Talpa"},
      {FreeFormRecord().text(""), " "},
      {FreeFormRecord().integer(3).real(2.0f).integer(4),
       "           3   2.000000               4"},
      {FreeFormRecord().real(0.5f).text("X"), "  0.5000000     X"},
      {FreeFormRecord(), ""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.record.str(), c.expected);
}

// Float whose 7-significant-digit decimal is what the written text holds.
float roundedTo7Digits(float value) {
  return std::strtof(generalForm(value, 15, 7).c_str(), nullptr);
}

TEST(FreeFormRoundTrip, WrittenRealsReadBackRoundedToSevenDigits) {
  std::mt19937 random(20240601);
  std::vector<float> values = {
      0.0f,          -0.0f,          1.5f,        0.1f,       0.099999994f,
      9999999.0f,    10000000.0f,    1e-30f,      1.4e-45f,   -1.17549435e-38f,
      3.4028235e38f, -3.4028235e38f, 123456.789f, -0.3333333f};
  for (int i = 0; i < 20000; ++i) {
    const float value = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
    if (std::isfinite(value)) values.push_back(value);
  }
  for (const float value : values) {
    const std::string text = FreeFormRecord().real(value).integer(7).str();
    float read = std::numeric_limits<float>::quiet_NaN();
    std::int32_t seven = 0;
    const Outcome outcome = readFreeForm(text, {&read, &seven});
    ASSERT_TRUE(outcome) << text << ": " << outcome.message;
    ASSERT_EQ(std::bit_cast<std::uint32_t>(read),
              std::bit_cast<std::uint32_t>(roundedTo7Digits(value)))
        << "value " << value << " written as \"" << text << '"';
    ASSERT_EQ(seven, 7);
  }
}

TEST(FreeFormRoundTrip, RawWritersMatchTheRecord) {
  char buffer[kMaxEditChars];
  for (const float value : {0.0f, 2.5f, -1e20f, 7e-9f}) {
    EXPECT_EQ(std::string(buffer, writeFreeFormReal(buffer, value)),
              FreeFormRecord().real(value).str());
  }
  for (const std::int64_t value : {0LL, -1LL, 2147483647LL, -9223372036854775807LL}) {
    EXPECT_EQ(std::string(buffer, writeFreeFormInteger(buffer, value)),
              FreeFormRecord().integer(value).str());
  }
}

}  // namespace
}  // namespace zentrix::model
