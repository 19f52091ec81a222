// Must compile: the command line sees its own headers and the core's.
#include "cli/command_line.h"
#include "files/input_file.h"
#include "generation/generate.h"
#include "model/model.h"
