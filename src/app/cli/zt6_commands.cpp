#include "app/cli/zt6_commands.h"

#include <array>
#include <charconv>
#include <string_view>

#include "app/cli/zt6_cad_command.h"
#include "app/cli/zt6_calc_command.h"
#include "app/cli/zt6_identify_command.h"
#include "app/cli/zt6_report_command.h"
#include "app/cli/zt6_size_command.h"
#include "app/cli/zt6_sweep_command.h"
#include "base/codepage.h"
#include "base/json_writer.h"
#include "base/number_parse.h"
#include "base/program_identity.h"
#include "calc/iso286.h"

namespace zt6 {

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: zt6 COMMAND [ARGUMENTS]\n"
         "\n"
         "commands:\n"
         "  calc [FILE.zt6] [--size DESIGNATION] [--class fein|grob]\n"
         "       [--set NAME=VALUE ...] [--json] [--tables DIR]\n"
         "      one calculation run of the project's inputs (or of a new design);\n"
         "      --size takes the DIN 5481 row of that designation (e.g. 21x24) as the\n"
         "      dimensions dialog's DIN 5481 button does, --class its tolerance class,\n"
         "      then --set changes single inputs (applied in order);\n"
         "      NAME is a symbol with blanks as \"_\", e.g. Dii, gamma_e, shaft.Re;\n"
         "      --json prints inputs, results, messages and the fatal flag as JSON;\n"
         "      database-mode designs read the standard tables from DIR (default: the\n"
         "      tables installed with zt6)\n"
         "  calc FILE|FOLDER|- ... [--jobs N] [design options as above]\n"
         "      many projects in one process: the files named, the *.zt6 files of a\n"
         "      folder, the names read from standard input for \"-\"; one JSON line per\n"
         "      file, in that order, with \"file\" and \"exit\" added (\"error\" when it\n"
         "      cannot be read); at most N threads (default: one per core), never\n"
         "      more than files nor four per core (64 at most); the exit code is\n"
         "      the highest of the files'\n"
         "  fit SIZE CODE\n"
         "      ISO 286 limits of one size, e.g. zt6 fit 12 A11\n"
         "  report FILE.zt6 [--format text|tsv|html|pdf|xlsx] [-o OUT] [--language 1|2]\n"
         "         [--encoding utf8|dos|windows] [--pages FROM-TO] [--tables DIR]\n"
         "         [design options]\n"
         "      the calculation report with the settings of zt6.cfg (working folder,\n"
         "      then the user's folder): text as written to a report file, tsv as for\n"
         "      a spreadsheet, html as for the web browser (Windows-1252, declared);\n"
         "      text and tsv in UTF-8 unless --encoding dos (code page 850) or\n"
         "      windows (Windows-1252); pdf the pages as the printer prints them\n"
         "      (--pages: those only), xlsx a workbook of the tsv form with numbers\n"
         "      as numbers; --language 2 for English words\n"
         "  report FILE.zt6 --changes [--format text|tsv|html] [-o OUT] [--encoding ...]\n"
         "      the change list of the project instead of the calculation report\n"
         "  cad FILE.zt6 --drawing N [--format dxf|igs|txt|svg|pdf] [-o OUT]\n"
         "      [--orientation portrait|landscape] [--language 1|2] [--tables DIR]\n"
         "      [design options]\n"
         "      drawing N of the drawing list (1..17) as a DXF, IGES or tab-separated\n"
         "      text CAD file, as SVG the way the screen shows it, or as PDF the way\n"
         "      the printer prints it (A4, the print settings and orientation of\n"
         "      zt6.cfg unless --orientation; the manufacturing drawings 6..8 print\n"
         "      at their own size, upright unless --orientation); --language 2 for\n"
         "      English words\n"
         "  cad FILE.zt6 --model shaft|hub|assembly [--condition mean|max|min]\n"
         "      [--hub-diameter D] [--shaft-length L] [--pins] [--format step] [-o OUT]\n"
         "      [--language 1|2] [--tables DIR] [design options]\n"
         "      the 3D model as one STEP file (AP214, mm): exact solids of shaft, hub\n"
         "      or both (the hub centred on the shaft), named from the drawing\n"
         "      identification; --condition: the profile of the mean sizes (default)\n"
         "      or of max or min material; --hub-diameter: the hub's outer diameter\n"
         "      (default 2 Dee rounded up to a whole mm); --shaft-length (default 2 l);\n"
         "      --pins adds two measuring pins DRe in the shaft and two DRi in the hub\n"
         "  report and cad take --size, --class and --set as calc does; with --size\n"
         "  the project file may be left out (a new design of that size)\n"
         "  report and cad write standard output without -o or with -o -; \"--\" ends\n"
         "  the options, so that a file name may begin with \"-\"\n"
         "  size [FILE.zt6] --torque TN [--peak TMAX] [--safety S] [--class fein|grob]\n"
         "       [--max-length F] [--json] [--tables DIR]\n"
         "      the DIN 5481 sizes for a load, smallest first: for each the shortest\n"
         "      hub length l in whole mm from 0.5·D to F·D (default 2) at which the\n"
         "      safeties Seq and Smax of shaft and hub reach S (default 1); materials,\n"
         "      factors and class from FILE; TMAX defaults to TN; sizes that cannot\n"
         "      carry the load are listed with the weakest safety\n"
         "  identify [--tip DA] [--teeth Z] [--root DF] [--over-pins M --pin DR]\n"
         "           [--hub] [--json] [--tables DIR]\n"
         "      the DIN 5481 sizes ranked by how well they explain a measured shaft\n"
         "      (or hub with --hub), best first; with pins, whether the dimension\n"
         "      over (between) the pins lies within the limits of fein and grob\n"
         "  sweep FILE.zt6 --vary NAME=FROM:TO:STEP [--vary NAME2=...] [--json|--csv]\n"
         "        [--plot OUT.svg] [--y NAME,...] [--tables DIR] [design options]\n"
         "      one calculation per value (a grid for two --vary, the second turning\n"
         "      fastest, at most 1,000,000): --json one line per value as calc --json\n"
         "      prints it, --csv (the default) the varied inputs and the results of\n"
         "      --y (default: the four safeties); --plot draws them over the first\n"
         "      input as an SVG chart, one curve per value of the second\n"
         "  help\n"
         "      show this text\n"
         "  --version\n"
         "      show the program's name and version\n"
         "\n"
         "exit codes: 0 done, 1 input refused or unreadable (a project or a standard\n"
         "            table), 2 usage error, 3 the calculation ended with a fatal message\n";
}

int UsageError(std::ostream& err, std::string_view problem) {
  err << "zt6: " << problem << "\n\n";
  PrintUsage(err);
  return kExitUsage;
}

// ---- fit ----

std::string FixedMillimetres(double value) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, 4);
  if (result.ec != std::errc()) return ShortestNumber(value);
  return std::string(buffer.data(), result.ptr);
}

// Signed micrometres, "+290", "-9", "+0.5", "0".
std::string SignedMicrometres(double value) {
  if (value == 0) return "0";
  return (value > 0 ? "+" : "") + ShortestNumber(value);
}

int Fit(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 3) return UsageError(err, "fit needs SIZE and CODE");
  const auto size = TryParseReal(args[1]);
  if (!size) return UsageError(err, "SIZE \"" + args[1] + "\" is not a number");
  const ToleranceLimits limits = Limits(*size, Utf8ToCp850(args[2]));
  if (LimitsComputed(limits)) {
    out << "lower limit: " << FixedMillimetres(limits.lower) << " mm\n"
        << "upper limit: " << FixedMillimetres(limits.upper) << " mm\n"
        << "lower deviation: " << SignedMicrometres(limits.lowerDeviation) << " µm\n"
        << "upper deviation: " << SignedMicrometres(limits.upperDeviation) << " µm\n";
  }
  if (limits.message.empty()) return kExitDone;
  err << Cp850ToUtf8(limits.message) << '\n';
  return kExitRefused;
}

}  // namespace

bool LimitsComputed(const ToleranceLimits& limits) {
  // A refused designation leaves both limits at the size; computed limits always span
  // a tolerance, also when a message accompanies them.
  return limits.message.empty() || limits.upperDeviation != limits.lowerDeviation;
}

int RunZt6(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           std::istream& in, const Zt6Outputs& outputs) {
  if (args.empty()) return UsageError(err, "no command given");
  const std::string& command = args[0];
  if (command == "help" || command == "--help" || command == "-h") {
    PrintUsage(out);
    return kExitDone;
  }
  if (command == "--version") {
    out << kProgramLowerName << ' ' << kProgramVersion << '\n';
    return kExitDone;
  }
  const auto usageError = [&err](std::string_view problem) { return UsageError(err, problem); };
  if (command == "calc") return CalcCommand(args, in, out, err, usageError);
  if (command == "fit") return Fit(args, out, err);
  if (command == "report") return ReportCommand(args, out, err, usageError, outputs);
  if (command == "cad") return CadCommand(args, out, err, usageError, outputs);
  if (command == "size") return SizeCommand(args, out, err, usageError);
  if (command == "identify") return IdentifyCommand(args, out, err, usageError);
  if (command == "sweep") return SweepCommand(args, out, err, usageError);
  return UsageError(err, "unknown command \"" + command + "\"");
}

}  // namespace zt6
