#pragma once
// A project as a run without a window takes it (zt6 calc, report, cad): besides what
// the reader refuses, a cut file and an input outside its range (calc/input_ranges.h)
// are refused, with the reason in English. Nothing of a refused file is kept.

#include <filesystem>
#include <string>

#include "app/files/project_file.h"
#include "calc/input_ranges.h"

namespace zt6 {

ProjectParseResult LoadProjectForRun(const std::filesystem::path& file, DesignRecord& design,
                                     DocumentationData& docs);

// "z = 20001 is outside its range 3 .. 500"
std::string OutOfRangeProblem(const OutOfRange& out);

}  // namespace zt6
