// Every text of every catalogue, found in the headers themselves
// (text_catalogue_rows.cmake lists them at build time): both languages hold
// the same places, are plain ASCII and are not empty; every caption array
// is the one its template's dialogs are given.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "generated/text_catalogue_rows.h"
#include "model/text.h"
#include "templates/template_texts.h"
#include "ui/dialog_captions.h"

namespace zentrix {
namespace {

struct NamedText {
  std::string name;
  const model::Text* text;
};

// What a catalogue entry may be: a text, or an array of texts (rows
// numbered from 1) or of captions (rows named by control id).
struct CatalogueRows {
  std::vector<NamedText> texts;
  std::vector<std::span<const ui::captions::Caption>> captionArrays;

  void add(const std::string& name, const model::Text& text) { texts.push_back({name, &text}); }
  template <std::size_t N>
  void add(const std::string& name, const std::array<model::Text, N>& entries) {
    for (std::size_t i = 0; i < N; ++i) add(name + std::to_string(i + 1), entries[i]);
  }
  // Qt's own texts as the program answers them: each names its context.
  template <std::size_t N>
  void add(const std::string& name, const std::array<ui::qt_texts::OwnText, N>& entries) {
    for (std::size_t i = 0; i < N; ++i) {
      EXPECT_NE(entries[i].context, nullptr) << name << " " << i + 1;
      add(name + std::to_string(i + 1), entries[i].text);
    }
  }
  template <std::size_t N>
  void add(const std::string& name, const std::array<ui::captions::Caption, N>& captions) {
    captionArrays.emplace_back(captions);
    for (const ui::captions::Caption& caption : captions)
      add(name + "_" + std::to_string(caption.control) +
              (caption.part == ui::captions::Part::ToolTip ? "_tip" : ""),
          caption.text);
  }
};

const CatalogueRows& everyEntry() {
  static const CatalogueRows rows = [] {
    CatalogueRows found;
    testing::addEveryCatalogueEntry(found);
    return found;
  }();
  return rows;
}

// The places a text holds: {1} ... {9} for say, %1 ... %9 for Qt's arg.
std::multiset<std::string> placesOf(std::string_view text) {
  std::multiset<std::string> places;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    const bool digit = text[i + 1] >= '1' && text[i + 1] <= '9';
    if (text[i] == '%' && digit) places.insert(std::string(text.substr(i, 2)));
    if (text[i] == '{' && digit && i + 2 < text.size() && text[i + 2] == '}')
      places.insert(std::string(text.substr(i, 3)));
  }
  return places;
}

bool plainAscii(std::string_view text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

void PrintTo(const NamedText& text, std::ostream* out) {
  *out << text.name;
}

class TextCatalogue : public ::testing::TestWithParam<NamedText> {};

// A Romanian text without one of the English text's places would drop a
// value (a path, a node number) from the message.
TEST_P(TextCatalogue, BothLanguagesHoldTheSamePlaces) {
  const model::Text& text = *GetParam().text;
  // The system's own text is English already; only the Romanian names the
  // error number, for the reader to look up.
  if (GetParam().name == "files_texts_kSystemError") {
    EXPECT_EQ(placesOf(text.en), (std::multiset<std::string>{"{2}"}));
    EXPECT_EQ(placesOf(text.ro), (std::multiset<std::string>{"{1}", "{2}"}));
    return;
  }
  EXPECT_EQ(placesOf(text.en), placesOf(text.ro));
}

// Messages and file headings go to terminals and to files read in a code
// page: a letter with a diacritic would come out garbled.
TEST_P(TextCatalogue, BothLanguagesArePlainAsciiAndNotEmpty) {
  const model::Text& text = *GetParam().text;
  EXPECT_TRUE(plainAscii(text.en)) << text.en;
  EXPECT_TRUE(plainAscii(text.ro)) << text.ro;
  EXPECT_FALSE(std::string_view(text.en).empty());
  EXPECT_FALSE(std::string_view(text.ro).empty());
}

INSTANTIATE_TEST_SUITE_P(Every, TextCatalogue, ::testing::ValuesIn(everyEntry().texts),
                         [](const auto& test) { return test.param.name; });

// A caption array starts with its window's title, by template id, and is
// what `createDialogIn` gives that template: one left out of `captionsOf`
// would leave a dialog in English.
TEST(CaptionArrays, EachIsTheOneItsTemplateIsGiven) {
  ASSERT_FALSE(everyEntry().captionArrays.empty());
  for (const auto& captions : everyEntry().captionArrays) {
    ASSERT_FALSE(captions.empty());
    const int templateId = captions.front().control;
    EXPECT_EQ(ui::captionsOf(templateId).data(), captions.data()) << "template " << templateId;
  }
}

}  // namespace
}  // namespace zentrix
