// The command line and the console as UTF-8 on every platform. On Windows
// the arguments are taken from the wide command line (the narrow argv holds
// them in the ANSI code page, where a letter such as "ș" is lost) and the
// console is switched to UTF-8 for the program's messages; elsewhere the
// arguments are taken as they come and the console is left alone.
#pragma once

#include <string>
#include <vector>

namespace zentrix::app {

std::vector<std::string> commandLineArguments(int argc, char** argv);
void useUtf8Console();

}  // namespace zentrix::app
