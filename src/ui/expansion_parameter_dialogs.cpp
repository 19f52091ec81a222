#include "ui/expansion_parameter_dialogs.h"

namespace zentrix::ui {

// Placeholders until the dialog logic lands: open and close the templates.
void runPyramidDialog(model::Model&, DialogHost& host) { host.createDialog(105)->runModal(); }
void runShrinkDialog(model::Model&, DialogHost& host) { host.createDialog(106)->runModal(); }
void runArchDialog(model::Model&, DialogHost& host) { host.createDialog(107)->runModal(); }

}  // namespace zentrix::ui
