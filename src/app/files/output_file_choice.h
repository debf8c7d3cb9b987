#pragma once
// Choosing the name of a file the program writes (a CAD file, a report): the proposal
// derived from the project name, the save dialog, the default extension, and the
// checks before anything is written — never over the open project file, and an
// existing file only after the overwrite question.

#include <optional>
#include <string>

#include "app/ports/prompts.h"
#include "app/state/program.h"

namespace zt6 {

// The project name's file name with its extension replaced: "welle_12x14.zt6" and
// "welle_12x14" both give "welle_12x14.dxf" for "dxf"; an empty name gives "".
std::string OutputFileProposal(const std::string& projectName, const std::string& extension);

// True when the path names the project file that is open now.
bool IsOpenProjectFile(const Program& program, const std::string& path);
// The refusal shown for it (code page 850).
std::string OpenProjectRefusal(const std::string& path);

// The save dialog in `folder` with the Windows-style filter and the proposal; a chosen
// name without extension gets `extension`. The open project file is refused with a
// message, an existing file is asked about; nullopt (with the cancel flag) when the
// user cancelled or a check refused the name.
std::optional<std::string> ChooseOutputFile(Program& program, Prompts& prompts,
                                            const std::string& folder, const std::string& filter,
                                            const std::string& proposal,
                                            const std::string& extension);

}  // namespace zt6
