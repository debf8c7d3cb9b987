#include "app/cli/zt6_sweep_command.h"

#include <variant>

#include "app/assistant/size_search.h"
#include "app/assistant/sweep_chart.h"
#include "app/cli/design_options.h"
#include "app/cli/design_output.h"
#include "app/cli/zt6_commands.h"
#include "app/startup/windowless_session.h"
#include "base/json_writer.h"
#include "base/safe_file.h"

namespace zt6 {

namespace {

// The results named by --y ("shaft.Seq,hub.Seq"), by default the four safeties.
std::optional<std::vector<const RecordField*>> ChosenResults(const CommandArguments& arguments,
                                                             const UsageErrorFn& usageError) {
  std::string names;
  for (const std::string& list : arguments.All("--y")) names += list + ",";
  auto fields = ParseChartResults(names);
  if (const auto* problem = std::get_if<std::string>(&fields)) {
    usageError("--y: " + *problem);
    return std::nullopt;
  }
  return std::get<std::vector<const RecordField*>>(fields);
}

void WriteCsvHeader(const SweepTable& table, std::ostream& out) {
  std::string line;
  for (const SweepAxis& axis : table.axes) line += std::string(axis.field->name) + ',';
  for (const RecordField* field : table.results) line += std::string(field->name) + ',';
  line.back() = '\n';
  out << line;
}

void WriteCsvRow(const std::vector<double>& row, std::ostream& out) {
  std::string line;
  for (const double value : row) line += ShortestNumber(value) + ',';
  line.back() = '\n';
  out << line;
}

}  // namespace

int SweepCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const UsageErrorFn& usageError) {
  std::vector<OptionSpec> specs = kDesignSpecs;
  specs.insert(specs.end(), {{"--vary", true, "--vary needs NAME=FROM:TO:STEP"},
                             {"--json", false},
                             {"--csv", false},
                             {"--plot", true, "--plot needs a file name for the SVG chart"},
                             {"--y", true, "--y needs result names such as shaft.Seq,hub.Seq"},
                             {"--tables", true, "--tables needs a folder"}});
  const auto arguments = ParseCommandArguments(args, specs, usageError);
  if (!arguments) return kExitUsage;
  const auto design = TakeDesignOptions(*arguments, usageError);
  if (!design) return kExitUsage;
  if (arguments->files.size() > 1) return usageError("sweep takes one project file");
  if (arguments->files.empty() && !design->size)
    return usageError("sweep needs a project file (or --size)");
  if (arguments->Has("--json") && arguments->Has("--csv"))
    return usageError("--json and --csv exclude each other");

  SweepTable table;
  const std::vector<std::string> varied = arguments->All("--vary");
  if (varied.empty()) return usageError("sweep needs --vary NAME=FROM:TO:STEP");
  if (varied.size() > 2) return usageError("sweep varies at most two inputs");
  for (const std::string& text : varied) {
    auto axis = ParseSweepAxis(text);
    if (const auto* problem = std::get_if<std::string>(&axis)) return usageError(*problem);
    table.axes.push_back(std::get<SweepAxis>(axis));
  }
  if (table.axes.size() == 2 && table.axes[0].field == table.axes[1].field)
    return usageError("the two --vary name the same input");
  if (const std::string problem = SweepSizeProblem(table.axes); !problem.empty())
    return usageError(problem);
  const auto results = ChosenResults(*arguments, usageError);
  if (!results) return kExitUsage;
  table.results = *results;
  const std::optional<std::string> plot = arguments->Last("--plot");
  const std::string file = arguments->files.empty() ? "" : arguments->files.front();
  if (plot && !file.empty() && IsSameFile(*plot, file))
    return usageError("the plot " + *plot + " is the project file " + file +
                      " itself; name another file");

  WindowlessSession session(
      {.readSettings = false, .command = true, .tableFolder = arguments->Last("--tables")}, err,
      err);
  if (const int read = ReadShapedProject(session, file, *design, "sweep", err);
      read != kExitDone && read != kExitFatalRun) {
    return read;
  }
  // Without --json or --csv the CSV goes to standard output unless a chart is asked for.
  const bool json = arguments->Has("--json");
  const bool csv = arguments->Has("--csv") || (!json && !plot);
  if (csv) WriteCsvHeader(table, out);
  std::size_t fatal = 0;
  std::size_t points = 0;
  const bool keepRows = plot.has_value();
  RunSweep(session.program.design, table.axes, session.tables,
           [&](std::span<const double> values, const DesignRecord& point,
               const RunMessages& messages) {
             ++points;
             if (messages.FatalFlag()) ++fatal;
             if (json) {
               JsonWriter writer(out, JsonLayout::OneLine);
               writer.BeginObject();
               WriteDesignMembers(writer, point, messages);
               writer.EndObject();
             }
             if (csv || keepRows) {
               table.Add(values, point);
               if (csv) WriteCsvRow(table.rows.back(), out);
               if (!keepRows) table.rows.clear();
             }
           });
  out.flush();
  if (plot) {
    const SafeWriteResult written = WriteFileSafely(*plot, SweepChartSvg(ChartOfSweep(table)));
    if (!written.ok) {
      err << "zt6 sweep: " << *plot << ": " << written.error << '\n';
      return kExitRefused;
    }
  }
  if (session.program.shell.cancel) return kExitRefused;
  if (fatal == 0) return kExitDone;
  err << "zt6 sweep: " << fatal << " of " << points
      << " calculations ended with a fatal message\n";
  return kExitFatalRun;
}

}  // namespace zt6
