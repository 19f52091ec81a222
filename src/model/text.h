// User-facing texts in the program's two languages. Every text is written
// once, as an English/Romanian pair, in the catalogue of its area (the
// `*_texts.h` headers), and `say` is the one place that picks the language.
//
// A text may hold the places {1} to {9}, which `say` fills with the values
// given, in either language's word order; a place without a value stays as
// written. Texts are plain ASCII, as the files and terminals expect.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace zentrix::model {

struct Text {
  const char* en;
  const char* ro;
};

constexpr const char* say(const Text& text, bool romanian) {
  return romanian ? text.ro : text.en;
}

std::string say(const Text& text, bool romanian, std::initializer_list<std::string_view> values);

}  // namespace zentrix::model
