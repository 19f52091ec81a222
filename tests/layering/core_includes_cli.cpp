// Must not compile: the core sees no header of the command line.
#include "cli/command_line.h"
