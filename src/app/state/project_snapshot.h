#pragma once
// The open project put aside while something else uses the one design record (the
// demonstration), and put back afterwards exactly as it was.

#include <string>

#include "app/state/program.h"

namespace zt6 {

struct ProjectSnapshot {
  DesignRecord design;
  DocumentationData docs;
  std::string projectName;
  std::string projectDirectory;
  bool projectFromCommandLine = false;
  bool modified = false;

  static ProjectSnapshot Take(const Program& program) {
    return {program.design,      program.docs,
            program.projectName, program.projectDirectory,
            program.projectFromCommandLine, program.modified};
  }

  void RestoreInto(Program& program) const {
    program.design = design;
    program.docs = docs;
    program.projectName = projectName;
    program.projectDirectory = projectDirectory;
    program.projectFromCommandLine = projectFromCommandLine;
    program.modified = modified;
  }
};

}  // namespace zt6
