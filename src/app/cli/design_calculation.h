#pragma once
// One design as "zt6 calc" calculates it: the project read (or the initial design for
// no file), shaped by the design options, calculated. The calculator keeps its
// windowless session (without the settings file) for design after design, as the
// batch's workers and the Python module do.

#include <optional>
#include <sstream>
#include <string>

#include "app/cli/design_options.h"
#include "app/startup/windowless_session.h"
#include "calc/design_record.h"
#include "calc/run_messages.h"

namespace zt6 {

struct CalcOutcome {
  int exitCode = 0;          // as "zt6 calc" ends for this design
  bool fileRefused = false;  // the project could not be read: problem says why
  bool calculated = false;   // the design and its run messages are there
  // Why the project was refused, or what the session said (a size the table does not
  // have, a refused assignment, a table that cannot be read), without the last newline.
  std::string problem;
};

class DesignCalculator {
 public:
  explicit DesignCalculator(std::optional<std::string> tableFolder = std::nullopt);
  DesignCalculator(const DesignCalculator&) = delete;
  DesignCalculator& operator=(const DesignCalculator&) = delete;

  // Without a file, the initial design.
  CalcOutcome Calculate(const std::optional<std::string>& file, const DesignOptions& options);
  // The last design calculated and its run messages.
  const DesignRecord& Design() const { return design_; }
  const RunMessages& Messages() const { return session_.program.messages; }

 private:
  std::ostringstream said_;
  WindowlessSession session_;
  DesignRecord design_;
};

}  // namespace zt6
