// zentrix-cli: the core from the command line (see app/cli_generate.h).
#include <iostream>

#include "app/cli_generate.h"

int main(int argc, char** argv) {
  return zentrix::app::runZentrixCli(argc, argv, std::cout, std::cerr);
}
