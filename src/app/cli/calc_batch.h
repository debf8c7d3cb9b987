#pragma once
// Many projects through "zt6 calc" in one process: the files named, the project files
// of named folders and the names read from standard input for "-", each read, shaped
// and calculated, one JSON line per file in the order named. A file that cannot be
// read gets a line with its error and the run goes on. Worker threads each own a whole
// windowless session (state, current table, prompts), so nothing of a run is shared.

#include <cstddef>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/cli/design_options.h"

namespace zt6 {

struct CalcBatch {
  std::vector<std::string> inputs;  // files, folders and "-"
  DesignOptions design;
  std::optional<std::string> tableFolder;
  unsigned jobs = 1;  // at most this many threads (see CalcWorkerCount)
};

// The worker threads of a batch: as many as asked, but never more than there are
// files nor more than a sensible number for the machine (four per hardware thread,
// at most 64).
std::size_t CalcWorkerCount(unsigned jobs, std::size_t files, unsigned hardwareThreads);

// The files the inputs name, in order; a folder without project files is reported
// on err and makes `worst` kExitRefused.
std::vector<std::string> ExpandCalcInputs(const std::vector<std::string>& inputs,
                                          std::istream& in, std::ostream& err, int& worst);

// The exit code is the highest of the files' codes; a size or an assignment that no
// design could take ends the run before any file, with kExitRefused or kExitUsage.
int RunCalcBatch(const CalcBatch& batch, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace zt6
