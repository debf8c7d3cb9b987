// zt6: the companion command line for scripts and checks.

#include <iostream>
#include <string>
#include <vector>

#include "app/cli/zt6_commands.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return zt6::RunZt6(args, std::cout, std::cerr);
}
