#include "ui/dialogs/element_types_dialog.h"

#include <string>

#include "model/field_labels.h"
#include "model/number_text.h"
#include "ui/dialog_captions.h"
#include "ui/dialog_texts.h"
#include "ui/ui_texts.h"

namespace zentrix::ui {

namespace {

using Ids = ElementTypesControls;

constexpr std::size_t kAreaTextWidth = 16;
constexpr const char* kTitle = "ZENTRIX Message";

ControlId nameEdit(int type) {
  return Ids::kNameEdits.at(static_cast<std::size_t>(type - 1));
}
ControlId areaEdit(int type) {
  return Ids::kAreaEdits.at(static_cast<std::size_t>(type - 1));
}

// The types the model uses (`elementKindCount`, never more than the tables hold).
int typeCount(const model::Model& model) {
  return std::clamp(model.types.elementKindCount, 0, model::kKindCount);
}

bool hasFourTypes(const model::Model& model) {
  return model.types.elementKindCount == model::kKindCount;
}

// Types 1 to 3 always take their names from the boxes; type 4 only when the
// model has four types, whose boxes are the only ones that can be disabled.
int namedTypeCount(const model::Model& model) {
  return hasFourTypes(model) ? model::kKindCount : model::kKindCount - 1;
}

// A loaded or typed name is the user's and stays; a blank one, or a default
// of another expansion type (an arch's names once the type is straight,
// and back), takes the default of the type now chosen.
std::string shownName(const model::Model& model, const Session& session, int type) {
  const std::string name(model::trimRight(model.types.typeName(type)));
  const bool given =
      !model::trimLeft(name).empty() &&
      (session.oldFileLoaded || !model::isDefaultTypeName(type, name, session.romanian));
  if (type <= typeCount(model) && given) return name;
  if (session.oldFileLoaded && type > typeCount(model)) return {};
  return model::defaultTypeName(model, type, session.romanian);
}

void storeTypes(const Dialog& dialog, model::Model& model) {
  for (int type = 1; type <= namedTypeCount(model); ++type)
    model.types.typeName(type) = std::string(
        model::trimRight(model::firstChars(dialog.text(nameEdit(type)), model::kTypeNameWidth)));
  for (int type = 1; type <= typeCount(model); ++type)
    model.types.typeArea(type) =
        model::textToReal(model::firstChars(dialog.text(areaEdit(type)), kAreaTextWidth));
}

void showTypes(Dialog& dialog, model::Model& model, const Session& session) {
  for (int type = 1; type <= model::kKindCount; ++type) {
    const bool shown = type < model::kKindCount || hasFourTypes(model);
    const std::string name = shownName(model, session, type);
    if (type <= typeCount(model)) model.types.typeName(type) = name;
    if (shown) dialog.setText(nameEdit(type), model::trimRight(model::trimLeft(name)));
    if (shown && type <= typeCount(model))
      dialog.setText(areaEdit(type), shownNumber(model.types.typeArea(type), 16, 7));
  }
  dialog.setEnabled(nameEdit(model::kKindCount), hasFourTypes(model));
  dialog.setEnabled(areaEdit(model::kKindCount), hasFourTypes(model));
}

// A text that starts with a number (after blanks, an optional sign, a digit
// or a point and a digit), as the area boxes are read.
bool startsWithNumber(std::string_view text) {
  text = model::trimLeft(text);
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
  if (!text.empty() && text.front() == '.') text.remove_prefix(1);
  return !text.empty() && text.front() >= '0' && text.front() <= '9';
}

// OK with an area box that holds no number is refused, naming the box; the
// dialog stays open. Cancel keeps what was typed, as always.
bool areasAreNumbers(const Dialog& dialog, const model::Model& model, DialogHost& host,
                     bool romanian) {
  for (int type = 1; type <= typeCount(model); ++type) {
    const std::string typed(model::firstChars(dialog.text(areaEdit(type)), kAreaTextWidth));
    if (startsWithNumber(typed)) continue;
    const std::string field =
        model::say(model::labels::kTypeArea, romanian, {std::to_string(type)});
    host.showMessage(model::say(texts::kAreaNotANumber, romanian, {field, typed}), kTitle,
                     MessageButtons::Ok, MessageIcon::Error);
    return false;
  }
  return true;
}

}  // namespace

void runElementTypesDialog(model::Model& model, const Session& session, DialogHost& host) {
  auto dialog = createDialogIn(host, Ids::kTemplate, session.romanian);
  const Handler store = [&model](Dialog& d, ControlId, EventKind) { storeTypes(d, model); };
  for (int type = 1; type <= model::kKindCount; ++type) {
    dialog->onEvent(nameEdit(type), store);
    dialog->onEvent(areaEdit(type), store);
  }
  showTypes(*dialog, model, session);
  const Dialog& shown = *dialog;
  dialog->onCloseRequest([&](int exitCode) {
    return exitCode != kOkButton || areasAreNumbers(shown, model, host, session.romanian);
  });
  dialog->runModal();
}

}  // namespace zentrix::ui
