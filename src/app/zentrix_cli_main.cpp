// zentrix-cli: the core from the command line.
#include <cstdio>

int main() {
  std::puts("zentrix-cli");
  return 0;
}
