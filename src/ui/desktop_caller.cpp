#include "ui/desktop_caller.h"

#include <iostream>

#include "ui/ui_texts.h"

namespace zentrix::ui {

bool DesktopCaller::goOnDespite(const std::string& warning) {
  return host_.showMessage(warning, model::say(texts::kGenerationWarningTitle, romanian_),
                           MessageButtons::YesNo, MessageIcon::Information) == MessageAnswer::Yes;
}

void DesktopCaller::note(std::string_view line) {
  std::cerr << line << '\n';
}

model::Outcome DesktopCaller::withProgress(
    std::string_view task, const std::function<model::Outcome(model::Progress&)>& work) {
  const std::string label = task == generation::kGenerateTask
                                ? model::say(texts::kGenerating, romanian_)
                                : std::string(task);
  // Closed before any message: a progress window never covers one.
  const auto progress = host_.startProgress(label);
  return work(*progress);
}

bool writtenWithProgress(DialogHost& host, generation::PlannedWrite write, std::string label,
                         std::string_view messageTitle, bool romanian) {
  write.task = std::move(label);
  DesktopCaller caller(host, romanian);
  const model::Outcome written = generation::writeFiles({write}, romanian, caller);
  if (!written && written.kind != model::Outcome::Kind::kCancelled)
    host.showMessage(written.message, messageTitle, MessageButtons::Ok, MessageIcon::Error);
  return static_cast<bool>(written);
}

}  // namespace zentrix::ui
