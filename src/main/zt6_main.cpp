// zt6: the companion command line for scripts and checks.

#include <iostream>
#include <string>
#include <vector>

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: zt6 COMMAND [ARGUMENTS]\n"
         "\n"
         "commands:\n"
         "  help      show this text\n";
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    PrintUsage(std::cerr);
    return 2;
  }
  if (args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
    PrintUsage(std::cout);
    return 0;
  }
  std::cerr << "zt6: unknown command \"" << args[0] << "\"\n";
  PrintUsage(std::cerr);
  return 2;
}
