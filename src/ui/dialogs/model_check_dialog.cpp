#include "ui/dialogs/model_check_dialog.h"

#include <string>

#include "ui/dialogs/model_check_texts.h"

namespace zentrix::ui {

namespace {

using Ids = ModelCheckControls;

void showFindings(Dialog& dialog, const std::vector<generation::Finding>& findings, bool romanian) {
  const std::vector<std::string> lines = generation::findingLines(findings, romanian);
  dialog.setText(Ids::kTemplate, model::say(texts::kModelCheckTitle, romanian));
  dialog.setText(Ids::kHeading, lines.front());
  dialog.setEntryCount(Ids::kFindings, static_cast<int>(lines.size() - 1));
  for (std::size_t i = 1; i < lines.size(); ++i)
    dialog.setEntryText(Ids::kFindings, static_cast<int>(i), lines[i]);
}

}  // namespace

void runModelCheckDialog(const std::vector<generation::Finding>& findings, bool romanian,
                         DialogHost& host) {
  auto dialog = host.createDialog(Ids::kTemplate);
  dialog->onInitialised([&findings, romanian](Dialog& d, ControlId, EventKind) {
    showFindings(d, findings, romanian);
  });
  dialog->runModal();
}

std::vector<generation::Finding> showModelCheckFindings(const model::Model& model, bool romanian,
                                                        DialogHost& host) {
  std::vector<generation::Finding> findings = generation::checkModel(model);
  if (!findings.empty()) runModelCheckDialog(findings, romanian, host);
  return findings;
}

}  // namespace zentrix::ui
