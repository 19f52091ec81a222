// Helpers for driving dialogs through the in-memory backend in tests.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "support/memory_dialog_backend.h"

namespace zentrix::testing_support {

// The texts of a list's entries, in order.
inline std::vector<std::string> entryTexts(const ui::MemoryDialog& dialog, ui::ControlId list) {
  std::vector<std::string> texts;
  for (int entry = 1; entry <= dialog.entryCount(list); ++entry)
    texts.push_back(dialog.entryText(list, entry));
  return texts;
}

// Plays the user in the next opening of `templateId`, then presses `closing`
// (OK unless told otherwise).
inline void playNextOpening(ui::MemoryDialogHost& host, int templateId,
                            std::function<void(ui::MemoryDialog&)> script,
                            ui::ControlId closing = ui::kOkButton) {
  host.scriptNextOpening(templateId, [script = std::move(script), closing](ui::MemoryDialog& d) {
    script(d);
    d.userClick(closing);
  });
}

}  // namespace zentrix::testing_support
