// Must not compile: the core sees no header of the dialog layer.
#include "ui/dialog_layer.h"
