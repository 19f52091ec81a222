#include "input/coordinates_dialog.h"

namespace zentrix::input {

// Placeholder until the dialog logic lands: opens and closes the template.
void runCoordinatesDialog(model::Model&, ui::DialogHost& host) { host.createDialog(103)->runModal(); }

}  // namespace zentrix::input
