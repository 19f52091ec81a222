// Must not compile: the dialog layer sees no header of the command line.
#include "cli/command_line.h"
