// Must not compile: the dialog layer sees no header of its Qt backend.
#include "ui/qt/qt_dialog_host.h"
