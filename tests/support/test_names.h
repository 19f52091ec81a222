// Names of parameterized tests that a person can type (`ctest -R NAME`,
// `--rerun-failed`) and that stay the same from build to build, taken from
// the case itself: letters, digits and underscores only.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <charconv>
#include <string>
#include <string_view>
#include <type_traits>

namespace zentrix::testing {

// Letters and digits stand; a blank is an underscore; every other character
// is spelled out between underscores, so that texts differing only in
// punctuation ("1,2" and "1 2") keep different names. An empty text is
// "empty".
inline std::string spelledName(std::string_view text) {
  if (text.empty()) return "empty";
  std::string name;
  for (const char c : text) {
    if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
      name += c;
      continue;
    }
    switch (c) {
      case ' ':
        name += '_';
        break;
      case ',':
        name += "_comma_";
        break;
      case '.':
        name += "_point_";
        break;
      case '-':
        name += "_minus_";
        break;
      case '+':
        name += "_plus_";
        break;
      case '/':
        name += "_slash_";
        break;
      case '*':
        name += "_times_";
        break;
      case ';':
        name += "_semicolon_";
        break;
      case '\n':
        name += "_newline_";
        break;
      case '\r':
        name += "_return_";
        break;
      case '\t':
        name += "_tab_";
        break;
      default:
        name += "_x" + std::to_string(static_cast<unsigned char>(c)) + '_';
        break;
    }
  }
  return name;
}

// A real as the shortest text that reads back as it, spelled ("0_point_1").
inline std::string numberName(float value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return spelledName(std::string_view(text, static_cast<std::size_t>(result.ptr - text)));
}

inline std::string numberName(int value) {
  return spelledName(std::to_string(value));
}

// The name generator of a suite whose cases carry their name in a field:
// INSTANTIATE_TEST_SUITE_P(Set, Test, Values(...), nameFrom(&Case::name)).
template <class Case, class Field>
auto nameFrom(Field Case::*field) {
  return [field](const ::testing::TestParamInfo<Case>& info) {
    if constexpr (std::is_pointer_v<Field>) {
      if (info.param.*field == nullptr) return std::string("none");
    }
    return spelledName(info.param.*field);
  };
}

}  // namespace zentrix::testing
