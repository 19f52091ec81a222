#include "ui/element_types_dialog.h"

namespace zentrix::ui {

// Placeholder until the dialog logic lands: opens and closes the template.
void runElementTypesDialog(model::Model&, DialogHost& host) { host.createDialog(108)->runModal(); }

}  // namespace zentrix::ui
