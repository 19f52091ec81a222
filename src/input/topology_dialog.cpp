#include "input/topology_dialog.h"

namespace zentrix::input {

// Placeholder until the dialog logic lands: opens and closes the template.
void runTopologyDialog(model::Model&, ui::DialogHost& host) { host.createDialog(104)->runModal(); }

}  // namespace zentrix::input
