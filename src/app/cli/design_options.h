#pragma once
// The options of the zt6 commands that shape the design before it is calculated: a
// DIN 5481 size by its designation (--size 21x24), the tolerance class (--class fein|grob)
// and NAME=VALUE assignments (--set), in that order.

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/command_options.h"
#include "app/startup/windowless_session.h"
#include "calc/design_record.h"

namespace zt6 {

struct DesignOptions {
  std::optional<std::string> size;                   // --size, a designation
  std::optional<ToleranceClass> toleranceClass;      // --class
  std::vector<std::string> assignments;              // --set NAME=VALUE in the order given

  bool Any() const { return size || toleranceClass || !assignments.empty(); }
};

inline const std::vector<OptionSpec> kDesignSpecs = {
    {"--size", true, "--size needs a DIN 5481 designation such as 21x24"},
    {"--class", true, "--class needs fein or grob"},
    {"--set", true, "--set needs NAME=VALUE"}};

// The design options among the parsed arguments; an unknown class is a usage error.
std::optional<DesignOptions> TakeDesignOptions(const CommandArguments& arguments,
                                               const UsageErrorFn& usageError);

// Applies one NAME=VALUE; false after a message "zt6 COMMAND: ..." on err.
bool ApplyAssignment(std::string_view assignment, DesignRecord& design, std::string_view command,
                     std::ostream& err);

// Shapes the design in the session: the size row taken the way the dimensions dialog
// takes it (database source, the row and its tolerance row, the dialog's hub length
// proposal when no length is given yet, then OK), the tolerance class, then the
// assignments. kExitDone; kExitRefused for a size the table does not have (with the
// list of those it has) or a table that cannot be read; kExitUsage for a bad assignment.
int ShapeDesign(WindowlessSession& session, DesignRecord& design, const DesignOptions& options,
                std::string_view command, std::ostream& err);

// Reads the file as a command takes it (app/files/project_for_run.h) and says on err why
// it is refused: kExitDone or kExitRefused.
int CheckProjectForRun(const std::string& file, std::string_view command, std::ostream& err);

// The project as the file commands take it: read (or the initial design when file is
// "" and a size is given), shaped, calculated. Exit codes as WindowlessSession::Read,
// and those of ShapeDesign.
int ReadShapedProject(WindowlessSession& session, const std::string& file,
                      const DesignOptions& options, std::string_view command, std::ostream& err);

}  // namespace zt6
