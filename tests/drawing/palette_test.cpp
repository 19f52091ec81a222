// One palette: the ELEMENT TYPES illustration showed Type 2 green and Type
// 3 orange while the view, its legend and the pictures draw Type 2 orange
// and Type 3 bluish green.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "drawing/scene.h"

namespace zentrix::drawing {
namespace {

std::string upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

TEST(ElementTypesIllustration, DrawsEveryTypeInTheColourOfTheViewAndThePictures) {
  std::ifstream file(std::string(ZENTRIX_EXAMPLES_DIR) +
                     "/../resources/illustrations/element-kinds.svg");
  ASSERT_TRUE(file) << "the illustration";
  std::stringstream text;
  text << file.rdbuf();
  const std::string svg = text.str();
  // The key of each type: a stroke, then its caption.
  const std::regex key(R"re(stroke="(#[0-9A-Fa-f]{6})"[^>]*/>\s*<text[^>]*>Type (\d)</text>)re");
  int keys = 0;
  for (std::sregex_iterator it(svg.begin(), svg.end(), key), end; it != end; ++it, ++keys)
    EXPECT_EQ(upper((*it)[1]), upper(hexColour(kindColour(std::stoi((*it)[2])))))
        << "Type " << (*it)[2];
  EXPECT_EQ(keys, 4);
  // The elements themselves: only the types' colours.
  std::set<std::string> palette;
  for (int kind = 1; kind <= 4; ++kind) palette.insert(upper(hexColour(kindColour(kind))));
  const std::regex element(R"re(stroke="(#[0-9A-Fa-f]{6})" stroke-width="2.5")re");
  int elements = 0;
  for (std::sregex_iterator it(svg.begin(), svg.end(), element), end; it != end; ++it, ++elements)
    EXPECT_EQ(palette.count(upper((*it)[1])), 1u) << (*it)[1];
  EXPECT_EQ(elements, 4);
}

}  // namespace
}  // namespace zentrix::drawing
