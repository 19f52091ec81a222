// Must not compile: the templates see no header of the dialog layer.
#include "ui/dialog_layer.h"
