// Every caption of the dialog templates 102 to 108, as the forms in
// resources/forms hold them, is shown in Romanian when the session is
// Romanian and as the form has it when it is English, whichever dialog
// opens it.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "fake_platform.h"
#include "model/model.h"
#include "support/memory_dialog_backend.h"
#include "support/template_openings.h"

namespace zentrix::ui {
namespace {

// A caption a form shows: its control (the template id for the title) and
// whether it is the tool tip.
struct FormCaption {
  ControlId control;
  bool toolTip;
  std::string english;
};

std::string unescaped(std::string text) {
  const std::pair<const char*, const char*> entities[] = {
      {"&#10;", "\n"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}};
  for (const auto& [entity, plain] : entities)
    for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at))
      text.replace(at, std::string_view(entity).size(), plain), at += 1;
  return text;
}

// The captions with letters in them, read from the form as the designer
// wrote it: one widget element per caption holder.
std::vector<FormCaption> captionsInForm(int templateId) {
  std::ifstream file(std::string(ZENTRIX_FORMS_DIR) + "/dialog" + std::to_string(templateId) +
                     ".ui");
  const std::string form((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_FALSE(form.empty()) << templateId;
  static const std::regex widget(R"re(<widget class="(\w+)" name="(\w+)">)re");
  static const std::regex caption(
      R"re(name="(text|title|windowTitle|toolTip)"><string>([^<]*)<)re");
  static const std::regex controlId(R"re(name="controlId" stdset="0"><number>(\d+)<)re");
  static const std::regex letter("[A-Za-z]");
  std::vector<FormCaption> found;
  for (auto w = std::sregex_iterator(form.begin(), form.end(), widget); w != std::sregex_iterator();
       ++w) {
    const auto bodyEnd = std::next(w) == std::sregex_iterator()
                             ? form.end()
                             : form.begin() + std::next(w)->position();
    const std::string body(form.begin() + w->position(), bodyEnd);
    const std::string name = (*w)[2];
    std::smatch id;
    ControlId control = 0;
    if ((*w)[1] == "QDialog")
      control = templateId;
    else if (std::regex_search(body, id, controlId))
      control = std::stoi(id[1]);
    else if (name.rfind("label", 0) == 0)
      control = templateLabel(std::stoi(name.substr(5)));
    else if (name.rfind("group", 0) == 0)
      control = templateGroup(std::stoi(name.substr(5)));
    for (auto c = std::sregex_iterator(body.begin(), body.end(), caption);
         c != std::sregex_iterator(); ++c) {
      const std::string text = unescaped((*c)[2]);
      // The title's own text belongs to the dialog, not to its first child.
      if (control == 0 || !std::regex_search(text, letter)) continue;
      found.push_back({control, (*c)[1] == "toolTip", text});
      if ((*w)[1] == "QDialog") break;
    }
  }
  return found;
}

// Names of the package's programs, buttons and files that the Romanian
// texts use as they are, and words both languages spell alike.
const std::set<std::string> kSameInBothLanguages = {"ZENTRIX", "COORDONATE", "GENERATE",
                                                    "CREATE",  "OK",         "Element"};

using Captions = std::map<std::pair<ControlId, bool>, std::string>;

// Opens the template with the dialog logic, in a session of the language,
// and takes what every caption of the form shows.
Captions shownCaptions(int templateId, bool romanian) {
  MemoryDialogHost host;
  testing::FakePlatform platform;
  ExternalPrograms programs(platform, host);
  model::Model model;
  Session session;
  session.romanian = romanian;
  model::setStartValues(model, romanian);
  model.base.dofPerNode = 2;
  Captions shown;
  host.scriptDialog(templateId, [&](MemoryDialog& dialog) {
    for (const FormCaption& c : captionsInForm(templateId))
      shown[{c.control, c.toolTip}] =
          c.toolTip ? dialog.toolTip(c.control) : dialog.text(c.control);
    dialog.userCancel();
  });
  testing::openTemplate(templateId, model, session, host, programs);
  return shown;
}

class DialogCaptions : public ::testing::TestWithParam<int> {};

TEST_P(DialogCaptions, EveryCaptionIsRomanianInARomanianSession) {
  const Captions shown = shownCaptions(GetParam(), true);
  for (const FormCaption& c : captionsInForm(GetParam())) {
    const std::string& text = shown.at({c.control, c.toolTip});
    SCOPED_TRACE("control " + std::to_string(c.control) + " \"" + c.english + "\"");
    EXPECT_FALSE(text.empty());
    if (kSameInBothLanguages.count(c.english) == 0) {
      EXPECT_NE(text, c.english);
    }
  }
}

// The program sets the coordinates prompt itself, in the same words as the
// form with capitals.
TEST_P(DialogCaptions, EveryCaptionIsTheFormsOwnInAnEnglishSession) {
  const Captions shown = shownCaptions(GetParam(), false);
  for (const FormCaption& c : captionsInForm(GetParam())) {
    if (GetParam() == CoordinatesControls::kTemplate && c.control == CoordinatesControls::kPrompt)
      continue;
    EXPECT_EQ(shown.at({c.control, c.toolTip}), c.english) << "control " << c.control;
  }
}

INSTANTIATE_TEST_SUITE_P(Templates, DialogCaptions, ::testing::Range(102, 109),
                         [](const auto& test) { return "Template" + std::to_string(test.param); });

}  // namespace
}  // namespace zentrix::ui
