#include "app/cli/zt6_process.h"

#include <unistd.h>

#include <cstring>
#include <iostream>
#include <ostream>

#include "app/cli/zt6_commands.h"
#include "base/descriptor_output.h"
#include "base/interrupt_cleanup.h"

namespace zt6 {

int RunZt6Process(const std::vector<std::string>& args, const Zt6Outputs& outputs) {
  RemoveLeftoversOnInterrupt();
  DescriptorOutput standardOutput(STDOUT_FILENO);
  std::ostream out(&standardOutput);
  const int exitCode = RunZt6(args, out, std::cerr, std::cin, outputs);
  out.flush();
  if (standardOutput.Error() == 0) return exitCode;
  std::cerr << "zt6: write error on standard output: " << std::strerror(standardOutput.Error())
            << '\n';
  return kExitRefused;
}

}  // namespace zt6
