// The Python module zt6._core: the zt6 commands' own routes (calc, the batch run, fit,
// report, cad, and the assistant's size, identify and sweep) called in-process, their
// results as Python values and their messages as exceptions. The package zt6
// (zt6/__init__.py) presents them with the Design class.

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "app/cli/calc_batch.h"
#include "app/cli/design_calculation.h"
#include "app/cli/design_options.h"
#include "app/cli/design_output.h"
#include "app/cli/zt6_cad_command.h"
#include "app/cli/zt6_commands.h"
#include "app/cli/zt6_identify_command.h"
#include "app/cli/zt6_report_command.h"
#include "app/cli/zt6_size_command.h"
#include "app/cli/zt6_sweep_command.h"
#include "app/files/project_file.h"
#include "app/lookups/shipped_tables.h"
#include "app/lookups/size_lookup.h"
#include "app/startup/windowless_session.h"
#include "base/codepage.h"
#include "cad/drawing_sheets.h"
#include "base/json_writer.h"
#include "base/safe_file.h"
#include "base/text_lines.h"
#include "calc/iso286.h"
#include "calc/record_fields.h"
#include "python_values.h"

namespace py = pybind11;

namespace zt6 {

namespace {

// zt6.Error: a ValueError carrying the program's own message.
struct Zt6Error : std::runtime_error {
  using std::runtime_error::runtime_error;
};

using OptionalText = std::optional<std::string>;

[[noreturn]] void RaiseFileNotFound(const std::string& file, const std::string& message) {
  PyErr_SetObject(PyExc_FileNotFoundError,
                  py::make_tuple(ENOENT, message, file).ptr());
  throw py::error_already_set();
}

// A missing project is FileNotFoundError, any other refusal zt6.Error.
[[noreturn]] void RaiseRefused(const std::string& file, const std::string& message) {
  std::error_code ec;
  if (!file.empty() && !std::filesystem::exists(file, ec)) RaiseFileNotFound(file, message);
  throw Zt6Error(message);
}

std::string FileArgument(const py::object& file) {
  if (file.is_none()) return {};
  return py::str(py::module_::import("os").attr("fspath")(file)).cast<std::string>();
}

// A value of set= as the command line's --set would spell it.
std::string AssignedText(const py::handle& value) {
  if (py::isinstance<py::bool_>(value)) throw Zt6Error("--set takes numbers and texts, not True or False");
  if (py::isinstance<py::float_>(value)) return ShortestNumber(value.cast<double>());
  return py::str(value).cast<std::string>();
}

DesignOptions DesignOptionsOf(const OptionalText& size, const OptionalText& cls,
                              const std::optional<py::dict>& set, std::string_view command) {
  DesignOptions options;
  options.size = size;
  if (cls) {
    if (*cls != "fein" && *cls != "grob")
      throw Zt6Error("zt6 " + std::string(command) + ": unknown class \"" + *cls + "\"; fein or grob");
    options.toleranceClass = *cls == "grob" ? ToleranceClass::Coarse : ToleranceClass::Fine;
  }
  if (set) {
    for (const auto& [name, value] : *set)
      options.assignments.push_back(py::str(name).cast<std::string>() + "=" + AssignedText(value));
  }
  return options;
}

// One calculator per table folder, kept for call after call (the GIL guards them).
DesignCalculator& CalculatorFor(const OptionalText& tables) {
  static std::map<OptionalText, std::unique_ptr<DesignCalculator>> calculators;
  std::unique_ptr<DesignCalculator>& calculator = calculators[tables];
  if (!calculator) calculator = std::make_unique<DesignCalculator>(tables);
  return *calculator;
}

std::string FatalMessages(const RunMessages& messages) {
  std::string text;
  for (int k = 1; k <= messages.Count(); ++k) {
    if (!text.empty()) text += '\n';
    text += Cp850ToUtf8(messages.Message(k));
  }
  return text;
}

py::object Calc(const py::object& fileArgument, const OptionalText& size, const OptionalText& cls,
                const std::optional<py::dict>& set, const OptionalText& tables) {
  const std::string file = FileArgument(fileArgument);
  const DesignOptions options = DesignOptionsOf(size, cls, set, "calc");
  DesignCalculator& calculator = CalculatorFor(tables);
  const CalcOutcome outcome = calculator.Calculate(
      fileArgument.is_none() ? std::nullopt : std::optional(file), options);
  if (outcome.fileRefused) RaiseRefused(file, "zt6 calc: " + file + ": " + outcome.problem);
  if (!outcome.calculated || outcome.exitCode == kExitRefused) throw Zt6Error(outcome.problem);
  if (calculator.Messages().FatalFlag()) throw Zt6Error(FatalMessages(calculator.Messages()));
  PythonValues values;
  values.BeginObject();
  WriteDesignMembers(values, calculator.Design(), calculator.Messages());
  values.EndObject();
  return values.Result();
}

py::list CalcMany(const std::vector<py::object>& fileArguments, std::optional<unsigned> jobs,
                  const OptionalText& size, const OptionalText& cls,
                  const std::optional<py::dict>& set, const OptionalText& tables) {
  CalcBatch batch;
  for (const py::object& file : fileArguments) batch.inputs.push_back(FileArgument(file));
  batch.design = DesignOptionsOf(size, cls, set, "calc");
  batch.tableFolder = tables;
  if (jobs && *jobs == 0) throw Zt6Error("zt6 calc: jobs takes a number of threads from 1 up");
  batch.jobs = jobs.value_or(std::max(1u, std::thread::hardware_concurrency()));
  std::istringstream noNames;
  std::ostringstream out;
  std::ostringstream err;
  int exitCode = kExitDone;
  {
    py::gil_scoped_release released;
    exitCode = RunCalcBatch(batch, noNames, out, err);
  }
  // Said besides the files' lines: options no design takes (nothing ran), folders
  // without projects (the others ran).
  const std::string said = WithoutTrailingNewlines(err.str());
  if (out.str().empty() && (!said.empty() || exitCode == kExitUsage)) throw Zt6Error(said);
  if (!said.empty() && PyErr_WarnEx(PyExc_UserWarning, said.c_str(), 1) != 0)
    throw py::error_already_set();
  py::list results;
  const py::object loads = py::module_::import("json").attr("loads");
  for (const std::string& line : SplitLines(out.str())) {
    if (!line.empty()) results.append(loads(line));
  }
  return results;
}

py::list Sizes(const OptionalText& tables) {
  std::ostringstream said;
  WindowlessSession session({.readSettings = false, .command = true, .tableFolder = tables}, said,
                            said);
  const std::vector<SizeRow> rows = SizeRows(session.access);
  if (rows.empty()) {
    const std::string text = WithoutTrailingNewlines(said.str());
    throw Zt6Error(text.empty() ? "zt6: the DIN 5481 size table holds no size" : text);
  }
  py::list list;
  for (const SizeRow& row : rows) {
    py::dict entry;
    entry["designation"] = Cp850ToUtf8(row.designation);
    entry["z"] = row.z;
    entry["D"] = row.D;
    entry["Dee"] = row.Dee;
    entry["Dii"] = row.Dii;
    entry["gamma_e"] = row.gammaE;
    entry["ri_max"] = row.riMax;
    entry["re_max"] = row.reMax;
    entry["source"] = Cp850ToUtf8(row.source);
    list.append(entry);
  }
  return list;
}

py::dict Fit(double size, const std::string& code) {
  const ToleranceLimits limits = Limits(size, Utf8ToCp850(code));
  if (!LimitsComputed(limits)) throw Zt6Error(Cp850ToUtf8(limits.message));
  py::dict result;
  result["lower"] = limits.lower;
  result["upper"] = limits.upper;
  result["lower_deviation"] = limits.lowerDeviation;
  result["upper_deviation"] = limits.upperDeviation;
  result["message"] = Cp850ToUtf8(limits.message);
  return result;
}

int LanguageNumber(int language) {
  if (language != 1 && language != 2) throw Zt6Error("language takes 1 (German) or 2 (English)");
  return language;
}

// A command's refusal: missing files as FileNotFoundError, the rest with its messages.
[[noreturn]] void RaiseCommandFailure(const std::string& file, const std::ostringstream& err,
                                      std::string_view command) {
  std::string said = WithoutTrailingNewlines(err.str());
  if (said.empty()) said = "zt6 " + std::string(command) + ": refused";
  RaiseRefused(file, said);
}

void CheckFileOrSize(const std::string& file, const OptionalText& size, std::string_view command) {
  if (file.empty() && !size)
    throw Zt6Error("zt6 " + std::string(command) + " needs a project file or a size");
}

std::string Report(const py::object& fileArgument, const OptionalText& size,
                   const OptionalText& cls, const std::optional<py::dict>& set,
                   const std::string& format, int language, const OptionalText& tables) {
  if (format != "text" && format != "tsv" && format != "html")
    throw Zt6Error("zt6 report: unknown format \"" + format + "\"; text, tsv or html");
  const std::string file = FileArgument(fileArgument);
  CheckFileOrSize(file, size, "report");
  std::string bytes;
  std::ostringstream err;
  const int written = CalculationReportBytes({.file = file,
                                              .design = DesignOptionsOf(size, cls, set, "report"),
                                              .form = format,
                                              .language = LanguageNumber(language),
                                              .tableFolder = tables},
                                             bytes, err);
  if (written != kExitDone) RaiseCommandFailure(file, err, "report");
  // The web page is Windows-1252, as it declares.
  return format == "html" ? Cp1252ToUtf8(bytes) : bytes;
}

py::object Drawing(const py::object& fileArgument, int n, const OptionalText& size,
                   const OptionalText& cls, const std::optional<py::dict>& set,
                   const std::string& format, int language, const OptionalText& tables) {
  if (format != "svg" && format != "dxf" && format != "igs" && format != "txt")
    throw Zt6Error("zt6 cad: unknown format \"" + format + "\"; svg, dxf, igs or txt");
  if (n < 1 || n > drawing_kind::kLast)
    throw Zt6Error("zt6 cad: a drawing number 1.." + std::to_string(drawing_kind::kLast));
  const std::string file = FileArgument(fileArgument);
  CheckFileOrSize(file, size, "cad");
  std::string bytes;
  std::ostringstream err;
  const int drawn = DrawingBytes({.file = file,
                                  .design = DesignOptionsOf(size, cls, set, "cad"),
                                  .drawing = n,
                                  .format = format,
                                  .language = LanguageNumber(language),
                                  .tableFolder = tables,
                                  .output = std::nullopt},
                                 bytes, err);
  if (drawn != kExitDone) RaiseCommandFailure(file, err, "cad");
  if (format == "svg") return py::str(bytes);
  return py::bytes(bytes);
}

// The design read (or new), shaped and calculated, written as a project file.
void Save(const std::string& path, const py::object& fileArgument, const OptionalText& size,
          const OptionalText& cls, const std::optional<py::dict>& set, const OptionalText& tables) {
  const std::string file = FileArgument(fileArgument);
  CheckFileOrSize(file, size, "save");
  std::ostringstream err;
  WindowlessSession session({.readSettings = false, .command = true, .tableFolder = tables}, err,
                            err);
  const int read =
      ReadShapedProject(session, file, DesignOptionsOf(size, cls, set, "save"), "save", err);
  if (read != kExitDone && read != kExitFatalRun) RaiseCommandFailure(file, err, "save");
  const Program& program = session.program;
  const SafeWriteResult written =
      WriteFileSafely(path, ProjectFileText(program.design, program.docs, program.config.format));
  if (!written.ok) throw Zt6Error("zt6 save: " + path + ": " + written.error);
}

// ---- the assistant's commands, run as "zt6 size|identify|sweep ... --json" ----

using CommandFn = std::function<int(const std::vector<std::string>&, std::ostream&,
                                    std::ostream&, const UsageErrorFn&)>;

struct CommandRun {
  int exitCode = kExitDone;
  std::string out;
};

// The command with these words; a usage problem raises zt6.Error with the line zt6
// starts its message with ("zt6: --torque takes ...").
CommandRun RunJsonCommand(const CommandFn& command, std::vector<std::string> args,
                          const OptionalText& tables, const std::string& file) {
  args.emplace_back("--json");
  if (tables) args.insert(args.end(), {"--tables", *tables});
  std::ostringstream out;
  std::ostringstream err;
  std::string usage;
  const UsageErrorFn usageError = [&usage](std::string_view problem) {
    if (usage.empty()) usage = "zt6: " + std::string(problem);
    return kExitUsage;
  };
  const int exitCode = command(args, out, err, usageError);
  if (exitCode == kExitUsage)
    throw Zt6Error(usage.empty() ? WithoutTrailingNewlines(err.str()) : usage);
  if (out.str().empty()) RaiseCommandFailure(file, err, args.front());
  return {exitCode, out.str()};
}

// A number as an option value: reals in their shortest exact form; anything else as
// Python spells it, for the command to refuse when it is no number.
std::string OptionNumber(const py::handle& value) {
  if (py::isinstance<py::float_>(value)) return ShortestNumber(value.cast<double>());
  return py::str(value).cast<std::string>();
}

void AddNumberOption(std::vector<std::string>& args, const char* name, const py::object& value) {
  if (value.is_none()) return;
  args.insert(args.end(), {name, OptionNumber(value)});
}

py::object JsonValue(const std::string& text) {
  return py::module_::import("json").attr("loads")(text);
}

py::object SizeFor(const py::object& fileArgument, const py::object& torque,
                   const py::object& peak, const py::object& safety, const OptionalText& cls,
                   const py::object& maxLength, const OptionalText& tables) {
  const std::string file = FileArgument(fileArgument);
  std::vector<std::string> args{"size"};
  if (!file.empty()) args.push_back(file);
  AddNumberOption(args, "--torque", torque);
  AddNumberOption(args, "--peak", peak);
  AddNumberOption(args, "--safety", safety);
  AddNumberOption(args, "--max-length", maxLength);
  if (cls) args.insert(args.end(), {"--class", *cls});
  // No size reaching the safety is an answer too: empty candidates, the reasons rejected.
  return JsonValue(RunJsonCommand(SizeCommand, args, tables, file).out);
}

py::object Identify(const py::object& tip, const py::object& teeth, const py::object& root,
                    const py::object& overPins, const py::object& pin, bool hub,
                    const OptionalText& tables) {
  std::vector<std::string> args{"identify"};
  AddNumberOption(args, "--tip", tip);
  AddNumberOption(args, "--teeth", teeth);
  AddNumberOption(args, "--root", root);
  AddNumberOption(args, "--over-pins", overPins);
  AddNumberOption(args, "--pin", pin);
  if (hub) args.emplace_back("--hub");
  return JsonValue(RunJsonCommand(IdentifyCommand, args, tables, "").out);
}

constexpr const char* kVaryShape =
    "vary takes {NAME: (FROM, TO, STEP)} or [(NAME, FROM, TO, STEP), ...]";

// A tuple or list; a text is no range.
bool IsSequence(const py::handle& value) {
  return py::isinstance<py::sequence>(value) && !py::isinstance<py::str>(value);
}

// One axis of vary= as --vary spells it: "l=20:40:5".
std::string VaryText(const py::handle& name, const py::sequence& range) {
  if (range.size() != 3) throw Zt6Error(kVaryShape);
  return py::str(name).cast<std::string>() + "=" + OptionNumber(range[0]) + ":" +
         OptionNumber(range[1]) + ":" + OptionNumber(range[2]);
}

std::vector<std::string> VaryTexts(const py::object& vary) {
  std::vector<std::string> texts;
  if (py::isinstance<py::dict>(vary)) {
    for (const auto& [name, range] : vary.cast<py::dict>()) {
      if (!IsSequence(range)) throw Zt6Error(kVaryShape);
      texts.push_back(VaryText(name, range.cast<py::sequence>()));
    }
    return texts;
  }
  if (!IsSequence(vary)) throw Zt6Error(kVaryShape);
  for (const py::handle axis : vary.cast<py::sequence>()) {
    if (!IsSequence(axis)) throw Zt6Error(kVaryShape);
    const py::sequence words = axis.cast<py::sequence>();
    if (words.size() != 4) throw Zt6Error(kVaryShape);
    texts.push_back(VaryText(words[0], words[py::slice(1, 4, 1)]));
  }
  return texts;
}

py::list Sweep(const py::object& fileArgument, const py::object& vary,
               const OptionalText& tables) {
  const std::string file = FileArgument(fileArgument);
  std::vector<std::string> args{"sweep"};
  if (!file.empty()) args.push_back(file);
  for (const std::string& text : VaryTexts(vary)) args.insert(args.end(), {"--vary", text});
  // A point that ends with a fatal message is in the list with "fatal": True.
  const CommandRun run = RunJsonCommand(SweepCommand, args, tables, file);
  if (run.exitCode != kExitDone && run.exitCode != kExitFatalRun)
    throw Zt6Error("zt6 sweep: refused");
  py::list points;
  const py::object loads = py::module_::import("json").attr("loads");
  for (const std::string& line : SplitLines(run.out))
    if (!line.empty()) points.append(loads(line));
  return points;
}

std::vector<std::string> InputNames() {
  std::vector<std::string> names;
  for (const RecordField& field : RecordFields())
    if (field.role == FieldRole::Input) names.emplace_back(field.name);
  return names;
}

}  // namespace

}  // namespace zt6

PYBIND11_MODULE(_core, m) {
  using namespace zt6;
  using namespace pybind11::literals;
  m.doc() = "ZT6's calculation, reports and drawings in-process (see the package zt6).";
  py::register_exception<Zt6Error>(m, "Error", PyExc_ValueError)
      .attr("__doc__") = "A refusal of ZT6, with the program's own message (a ValueError).";

  m.def("_set_program_folder", [](const std::string& folder) { SetProgramFolder(folder); },
        "Where the shipped tables and zt6.err are looked for from (set by the package).");
  m.def("_calculate_repeatedly",
        [](const OptionalText& size, const std::optional<py::dict>& set, int times) {
          const DesignOptions options = DesignOptionsOf(size, std::nullopt, set, "calc");
          DesignCalculator& calculator = CalculatorFor(std::nullopt);
          for (int k = 0; k < times; ++k) calculator.Calculate(std::nullopt, options);
        },
        "size"_a, "set"_a, "times"_a,
        "The calculation of calc() run times over in C++, without making its result's "
        "values: the baseline of the benchmark (bench/python_calc.py).");
  m.def("_input_names", &InputNames, "The names of the design's inputs, as set= takes them.");
  m.def("_save", &Save, "path"_a, "file"_a = py::none(), py::kw_only(), "size"_a = py::none(),
        "cls"_a = py::none(), "set"_a = py::none(), "tables"_a = py::none(),
        "Writes the shaped, calculated design as a project file (see Design.save).");

  m.def("calc", &Calc, "file"_a = py::none(), py::kw_only(), "size"_a = py::none(),
        "cls"_a = py::none(), "set"_a = py::none(), "tables"_a = py::none(),
        R"(One calculation run, as "zt6 calc [FILE] --json".

file    a project file (.zt6); None for a new design (with size)
size    a DIN 5481 designation such as "21x24", taken as the DIN 5481 button does
cls     the tolerance class, "fein" or "grob"
set     {NAME: value} of single inputs applied in order, as --set NAME=VALUE
        (names as in the "inputs" of the result: "Dii", "gamma_e", "shaft.Re")
tables  the folder of the standard tables (default: those installed with zt6)

Returns {"inputs": {...}, "results": {...}, "messages": [...], "fatal": False};
the per-part values sit in "shaft" and "hub". A missing file raises
FileNotFoundError; an unknown size, a refused input or a run that ends with a
fatal message raises zt6.Error with the program's message.)");

  m.def("calc_many", &CalcMany, "files"_a, py::kw_only(), "jobs"_a = py::none(),
        "size"_a = py::none(), "cls"_a = py::none(), "set"_a = py::none(),
        "tables"_a = py::none(),
        R"(Many projects in one batch run, as "zt6 calc FILE... --jobs N".

files   project files and folders (their *.zt6 files)
jobs    at most this many threads (default: one per core)
size, cls, set, tables as for calc()

Returns one dict per project, in the order of files, each as calc() returns it
with "file" and "exit" (the exit code of zt6 calc for it) added; a project that
cannot be read gets "error" instead of results, so one bad file does not stop
the run. The work runs without the GIL. Options no design takes raise zt6.Error.)");

  m.def("sizes", &Sizes, py::kw_only(), "tables"_a = py::none(),
        R"(The rows of the DIN 5481 size table, smallest first: a list of dicts with
"designation", "z", "D", "Dee", "Dii", "gamma_e", "ri_max", "re_max" (mm, degrees)
and "source".)");

  m.def("fit", &Fit, "size"_a, "code"_a,
        R"(ISO 286 limits of a size, as "zt6 fit SIZE CODE" (e.g. fit(12, "A11")).

Returns {"lower", "upper"} in mm, {"lower_deviation", "upper_deviation"} in µm,
and "message" (empty unless the program adds one to computed limits).
A code the tables do not have raises zt6.Error.)");

  m.def("size", &SizeFor, "file"_a = py::none(), py::kw_only(), "torque"_a,
        "peak"_a = py::none(), "safety"_a = py::none(), "cls"_a = py::none(),
        "max_length"_a = py::none(), "tables"_a = py::none(),
        R"(The DIN 5481 sizes that carry a load, as "zt6 size [FILE] --torque TN --json".

file        a project file whose materials, factors and class are taken (None:
            the defaults of a new design)
torque      the nominal torque TN in N·m
peak        the peak torque Tmax in N·m (default: torque)
safety      the safety all four of shaft and hub must reach (default 1.0)
cls         the tolerance class, "fein" or "grob"
max_length  the longest hub length as a multiple of D (default 2)
tables      the folder of the standard tables

Returns {"candidates": [{"designation", "l", "D", "z", "safeties": {"shaft":
{"Seq", "Smax"}, "hub": {...}}}, ...], "rejected": [{"designation", "reason"}, ...]},
each candidate at its shortest hub length in whole mm, smallest D first. No size
reaching the safety gives empty candidates. A torque that is no number above 0 and
the like raise zt6.Error with zt6's message; a missing file FileNotFoundError.)");

  m.def("identify", &Identify, py::kw_only(), "tip"_a = py::none(), "teeth"_a = py::none(),
        "root"_a = py::none(), "over_pins"_a = py::none(), "pin"_a = py::none(),
        "hub"_a = false, "tables"_a = py::none(),
        R"(Which DIN 5481 size a measured part is, as "zt6 identify --tip DA ... --json".

tip        the measured tip diameter in mm (of the hub with hub=True)
teeth      the counted number of teeth
root       the measured root diameter in mm
over_pins  the dimension over two pins (between two pins with hub=True) in mm,
           measured with pins of diameter pin (mm); give both or neither
hub        the part is a hub
tables     the folder of the standard tables

Returns {"candidates": [{"designation", "score", "D", "z", ...}, ...]}, the best
first; each measurement adds its check ("tip_in_limits" and "tip": {"min", "max",
"miss"}, "teeth_match", "root_in_limits", "pins_in_limits" and "pins": {"fein",
"grob"}). No measurement, or over_pins without pin, raises zt6.Error.)");

  m.def("sweep", &Sweep, "file"_a, py::kw_only(), "vary"_a, "tables"_a = py::none(),
        R"(One calculation per value of one or two inputs, as "zt6 sweep FILE --vary ... --json".

file    the project file the calculations start from
vary    {NAME: (FROM, TO, STEP)} or [(NAME, FROM, TO, STEP), ...] with one or two
        inputs (names as calc()'s set=: "l", "shaft.Re"); two give a grid, the
        first outermost
tables  the folder of the standard tables

Returns one dict per calculation, in order, each as calc() returns it; a point that
ends with a fatal message has "fatal": True and its messages. An unknown name,
FROM above TO, STEP not above 0 or more than 1,000,000 points raise zt6.Error with
zt6's message; a missing file FileNotFoundError.)");

  m.def("report", &Report, "file"_a = py::none(), py::kw_only(), "size"_a = py::none(),
        "cls"_a = py::none(), "set"_a = py::none(), "format"_a = "text", "language"_a = 1,
        "tables"_a = py::none(),
        R"(The calculation report, as "zt6 report [FILE] --format FORMAT --language N".

format    "text" (as written to a report file), "tsv" (for a spreadsheet) or
          "html" (the web page; it declares Windows-1252 for its bytes)
language  1 German, 2 English
file, size, cls, set, tables as for calc(); the settings of zt6.cfg apply as
for zt6 report. A run that ends with a fatal message raises zt6.Error.)");

  m.def("drawing", &Drawing, "file"_a, "n"_a, py::kw_only(), "size"_a = py::none(),
        "cls"_a = py::none(), "set"_a = py::none(), "format"_a = "svg", "language"_a = 1,
        "tables"_a = py::none(),
        R"(Drawing n (1..17) of the drawing list, as "zt6 cad FILE --drawing N --format F".

format  "svg" (the screen's drawing, a str), "dxf", "igs" or "txt" (the CAD
        file's bytes)
file may be None with size (a new design of that size); the other arguments
as for report().)");
}
