// Opens a dialog template (102 to 108) the way the program does: through
// the dialog logic that owns it, on any backend.
#pragma once

#include <functional>
#include <map>

#include "model/model.h"
#include "ui/dialogs/coordinates_dialog.h"
#include "ui/dialogs/element_types_dialog.h"
#include "ui/dialogs/expansion_parameter_dialogs.h"
#include "ui/dialogs/topology_dialog.h"
#include "ui/external_programs.h"
#include "ui/main_dialog.h"

namespace zentrix::ui::testing {

inline void openTemplate(int templateId, model::Model& model, Session& session, DialogHost& host,
                         ExternalPrograms& programs) {
  const std::map<int, std::function<void()>> open = {
      {102, [&] { runMainDialog(model, session, host, programs); }},
      {103, [&] { runCoordinatesDialog(model, session, host); }},
      {104, [&] { runTopologyDialog(model, session, host); }},
      {105, [&] { runPyramidDialog(model, session, host); }},
      {106, [&] { runShrinkDialog(model, session, host); }},
      {107, [&] { runArchDialog(model, session, host); }},
      {108, [&] { runElementTypesDialog(model, session, host); }},
  };
  open.at(templateId)();
}

}  // namespace zentrix::ui::testing
