#include "app/cli/zt6_calc_command.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <optional>
#include <thread>

#include "app/cli/calc_batch.h"
#include "app/cli/design_calculation.h"
#include "app/cli/design_options.h"
#include "app/cli/design_output.h"
#include "app/cli/zt6_commands.h"
#include "base/json_writer.h"
#include "base/number_parse.h"

namespace zt6 {

namespace {

struct CalcOptions {
  std::vector<std::string> files;
  DesignOptions design;
  bool json = false;
  std::optional<std::string> tableFolder;
  std::optional<unsigned> jobs;  // --jobs
};

// A number of threads from 1 up. It is an upper limit (see CalcWorkerCount), so a
// number too large for any count simply asks for as many as sensible.
std::optional<unsigned> JobsNumber(const std::string& text) {
  if (const std::optional<std::int32_t> n = TryParseWhole(text)) {
    if (*n < 1) return std::nullopt;
    return static_cast<unsigned>(*n);
  }
  const bool digits = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return c >= '0' && c <= '9';
  });
  if (!digits || text.find_first_not_of('0') == std::string::npos) return std::nullopt;
  return std::numeric_limits<unsigned>::max();
}

std::optional<CalcOptions> ParseCalcOptions(const std::vector<std::string>& args,
                                            const UsageErrorFn& usageError) {
  std::vector<OptionSpec> specs = kDesignSpecs;
  specs.insert(specs.end(), {{"--json", false},
                             {"--tables", true, "--tables needs a folder"},
                             {"--jobs", true, "--jobs needs a number of threads"}});
  const auto arguments = ParseCommandArguments(args, specs, usageError);
  if (!arguments) return std::nullopt;
  const auto design = TakeDesignOptions(*arguments, usageError);
  if (!design) return std::nullopt;
  CalcOptions options;
  options.design = *design;
  options.files = arguments->files;
  options.json = arguments->Has("--json");
  options.tableFolder = arguments->Last("--tables");
  if (const auto jobs = arguments->Last("--jobs")) {
    options.jobs = JobsNumber(*jobs);
    if (!options.jobs) {
      usageError("--jobs takes a number of threads from 1 up, not \"" + *jobs + "\"");
      return std::nullopt;
    }
  }
  return options;
}

// Several files, a folder, names on standard input or a number of threads make a
// batch run: one JSON line per project.
bool IsBatch(const CalcOptions& options) {
  if (options.files.size() > 1 || options.jobs) return true;
  if (options.files.empty()) return false;
  std::error_code ec;
  return options.files.front() == "-" || std::filesystem::is_directory(options.files.front(), ec);
}

// One design, printed as a listing or as one JSON object.
int CalcOne(const CalcOptions& options, std::ostream& out, std::ostream& err) {
  DesignCalculator calculator(options.tableFolder);
  const std::optional<std::string> file =
      options.files.empty() ? std::nullopt : std::optional(options.files.front());
  const CalcOutcome outcome = calculator.Calculate(file, options.design);
  if (outcome.fileRefused) {
    err << "zt6 calc: " << *file << ": " << outcome.problem << "\n";
  } else if (!outcome.problem.empty()) {
    err << outcome.problem << '\n';
  }
  if (!outcome.calculated) return outcome.exitCode;
  if (options.json) {
    JsonWriter json(out);
    json.BeginObject();
    WriteDesignMembers(json, calculator.Design(), calculator.Messages());
    json.EndObject();
  } else {
    WriteDesignListing(calculator.Design(), calculator.Messages(), out);
  }
  return outcome.exitCode;
}

}  // namespace

int CalcCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                std::ostream& err, const UsageErrorFn& usageError) {
  const auto options = ParseCalcOptions(args, usageError);
  if (!options) return kExitUsage;
  if (!IsBatch(*options)) return CalcOne(*options, out, err);
  if (options->files.empty()) return usageError("--jobs needs project files, a folder or -");
  CalcBatch batch;
  batch.inputs = options->files;
  batch.design = options->design;
  batch.tableFolder = options->tableFolder;
  batch.jobs = options->jobs.value_or(std::max(1u, std::thread::hardware_concurrency()));
  return RunCalcBatch(batch, in, out, err);
}

}  // namespace zt6
