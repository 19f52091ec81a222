#include "ui/dialog_captions.h"

namespace zentrix::ui {

std::span<const captions::Caption> captionsOf(int templateId) {
  switch (templateId) {
    case 102:
      return captions::kMainDialog;
    case 103:
      return captions::kCoordinatesDialog;
    case 104:
      return captions::kTopologyDialog;
    case 105:
      return captions::kPyramidDialog;
    case 106:
      return captions::kShrinkDialog;
    case 107:
      return captions::kArchDialog;
    case 108:
      return captions::kElementTypesDialog;
    default:
      return {};
  }
}

std::unique_ptr<Dialog> createDialogIn(DialogHost& host, int templateId, bool romanian) {
  std::unique_ptr<Dialog> dialog = host.createDialog(templateId);
  for (const captions::Caption& caption : captionsOf(templateId)) {
    const char* text = model::say(caption.text, romanian);
    if (caption.part == captions::Part::ToolTip)
      dialog->setToolTip(caption.control, text);
    else
      dialog->setText(caption.control, text);
  }
  return dialog;
}

}  // namespace zentrix::ui
