#pragma once
// The companion command line "zt6": calculation runs and ISO 286 limits for scripts
// and checks, without windows.

#include <iostream>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "app/cli/zt6_outputs.h"
#include "calc/iso286.h"

namespace zt6 {

// Exit codes of zt6.
inline constexpr int kExitDone = 0;
inline constexpr int kExitRefused = 1;   // unreadable or refused input
inline constexpr int kExitUsage = 2;
inline constexpr int kExitFatalRun = 3;  // the run ended with a fatal message

// args are the words after the program name. Results go to out, messages to err;
// "zt6 calc -" reads file names from in. outputs: what this program can write besides
// text (PDF, workbooks).
// True when "zt6 fit" prints the limits: they were computed, with or without a message.
bool LimitsComputed(const ToleranceLimits& limits);

int RunZt6(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           std::istream& in = std::cin, const Zt6Outputs& outputs = {});

}  // namespace zt6
