#pragma once
// The prompt "choose program file" as this platform reads "*.exe": every file is
// shown, and a file is taken as a program when it may be executed. A setting may also
// name a program by a bare name found on PATH.

#include <optional>
#include <string>
#include <string_view>

#include "app/ports/prompts.h"

namespace zt6 {

// A regular file with an execute bit.
bool IsProgramFile(const std::string& path);
// The file a program setting (UTF-8) starts: the path itself, or a bare name looked up
// on PATH; empty when it names no program.
std::string FindProgram(std::string_view setting);

// An open-file dialog on every file, starting in the folder of the current program.
// A chosen file that is no program is refused with a message and the dialog comes
// again. Cancel gives nullopt and sets the cancel flag. Paths UTF-8.
std::optional<std::string> ChooseProgramFile(Prompts& prompts, const std::string& current);

}  // namespace zt6
