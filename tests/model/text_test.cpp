#include "model/text.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zentrix::model {
namespace {

struct SayCase {
  std::string name;
  Text text;
  bool romanian;
  std::vector<std::string_view> values;
  std::string expected;
};

std::string sayWith(const SayCase& c) {
  switch (c.values.size()) {
    case 0:
      return say(c.text, c.romanian, {});
    case 1:
      return say(c.text, c.romanian, {c.values[0]});
    default:
      return say(c.text, c.romanian, {c.values[0], c.values[1]});
  }
}

void PrintTo(const SayCase& c, std::ostream* out) {
  *out << c.name;
}

class SayTest : public ::testing::TestWithParam<SayCase> {};

TEST_P(SayTest, FillsThePlacesOfTheChosenLanguage) {
  EXPECT_EQ(sayWith(GetParam()), GetParam().expected);
}

constexpr Text kTwoPlaces{"{1} of {2}", "{2}: {1}"};

INSTANTIATE_TEST_SUITE_P(
    Places, SayTest,
    ::testing::Values(
        SayCase{"EnglishInOrder", kTwoPlaces, false, {"3", "5"}, "3 of 5"},
        SayCase{"RomanianInItsOwnOrder", kTwoPlaces, true, {"3", "5"}, "5: 3"},
        SayCase{"PlaceWithoutValueStaysAsWritten", kTwoPlaces, false, {"3"}, "3 of {2}"},
        SayCase{"ValueIsNotReadAsAPlace", {"a{1}b", "x"}, false, {"{1}"}, "a{1}b"},
        SayCase{"BracesThatAreNoPlaceStay", {"{0} {x} {1", "x"}, false, {"v"}, "{0} {x} {1"},
        SayCase{"PlaceAtTheVeryEnd", {"=> {1}", "x"}, false, {"end"}, "=> end"},
        SayCase{"NoValuesGiveTheTextAsWritten", {"\"Yes\"", "\"Da\""}, true, {}, "\"Da\""}),
    [](const auto& test) { return test.param.name; });

}  // namespace
}  // namespace zentrix::model
