// The captions of the dialog templates in the session's language, given to
// every caption by control id once a dialog is created (see caption_texts.h),
// whatever the backend and however it builds its windows.
#pragma once

#include <memory>
#include <span>

#include "ui/caption_texts.h"
#include "ui/dialog_layer.h"

namespace zentrix::ui {

// The captions of a template (102 to 108); none for another id.
std::span<const captions::Caption> captionsOf(int templateId);

// A dialog of `templateId` from `host` with every caption in Romanian with
// `romanian`, in English otherwise.
std::unique_ptr<Dialog> createDialogIn(DialogHost& host, int templateId, bool romanian);

}  // namespace zentrix::ui
