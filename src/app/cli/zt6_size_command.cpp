#include "app/cli/zt6_size_command.h"

#include <cstdio>
#include <optional>

#include "app/assistant/size_search.h"
#include "app/cli/design_options.h"
#include "app/cli/number_options.h"
#include "app/cli/zt6_commands.h"
#include "app/files/project_for_run.h"
#include "app/startup/windowless_session.h"
#include "base/codepage.h"
#include "base/json_writer.h"

namespace zt6 {

namespace {

std::string Fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

// "hub.Seq reaches only 0.83 at l = 44 mm", or the fatal message.
std::string Reason(const SizeRejection& r) {
  if (!r.fatalMessage.empty())
    return "the calculation ends with \"" + Cp850ToUtf8(r.fatalMessage) + "\"";
  if (r.longestLength < 1) return "no whole millimetre of length lies in the range";
  return std::string(kSafetyNames[static_cast<std::size_t>(r.weakest)]) + " reaches only " +
         Fixed(r.bestValue, 3) + " at l = " + ShortestNumber(r.longestLength) + " mm";
}

void WriteSafeties(JsonWriter& json, const Safeties& s) {
  json.Key("safeties");
  json.BeginObject();
  for (std::size_t part = 0; part < 2; ++part) {
    json.Key(part == 0 ? "shaft" : "hub");
    json.BeginObject();
    json.Key("Seq");
    json.Number(s[2 * part]);
    json.Key("Smax");
    json.Number(s[2 * part + 1]);
    json.EndObject();
  }
  json.EndObject();
}

void WriteJson(const SizeSearchResult& result, std::ostream& out) {
  JsonWriter json(out);
  json.BeginObject();
  json.Key("candidates");
  json.BeginArray();
  for (const SizeCandidate& c : result.candidates) {
    json.BeginObject();
    json.Key("designation");
    json.String(Cp850ToUtf8(c.designation));
    json.Key("l");
    json.Number(c.design.l);
    json.Key("D");
    json.Number(c.design.D);
    json.Key("z");
    json.Integer(c.design.z);
    WriteSafeties(json, c.safeties);
    json.EndObject();
  }
  json.EndArray();
  json.Key("rejected");
  json.BeginArray();
  for (const SizeRejection& r : result.rejected) {
    json.BeginObject();
    json.Key("designation");
    json.String(Cp850ToUtf8(r.designation));
    json.Key("reason");
    json.String(Reason(r));
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

void WriteTable(const SizeSearchResult& result, std::ostream& out) {
  char line[160];
  std::snprintf(line, sizeof line, "%-12s %6s %6s %4s %10s %10s %10s %10s\n", "size", "l/mm",
                "D/mm", "z", "shaft.Seq", "shaft.Smax", "hub.Seq", "hub.Smax");
  out << line;
  for (const SizeCandidate& c : result.candidates) {
    const Safeties& s = c.safeties;
    std::snprintf(line, sizeof line, "%-12s %6s %6s %4d %10.3f %10.3f %10.3f %10.3f\n",
                  Cp850ToUtf8(c.designation).c_str(), ShortestNumber(c.design.l).c_str(),
                  ShortestNumber(c.design.D).c_str(), c.design.z, s[0], s[1], s[2], s[3]);
    out << line;
  }
  if (!result.rejected.empty()) out << "\nrejected:\n";
  for (const SizeRejection& r : result.rejected)
    out << "  " << Cp850ToUtf8(r.designation) << ": " << Reason(r) << '\n';
}

}  // namespace

int SizeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const UsageErrorFn& usageError) {
  const auto arguments = ParseCommandArguments(
      args,
      {{"--torque", true, "--torque needs the nominal torque in N·m"},
       {"--peak"}, {"--safety"}, {"--class", true, "--class needs fein or grob"},
       {"--max-length"}, {"--json", false}, {"--tables", true, "--tables needs a folder"}},
      usageError);
  if (!arguments) return kExitUsage;
  if (arguments->files.size() > 1) return usageError("size takes at most one project file");
  bool ok = true;
  SizeLoad load;
  const auto torque = NumberOption(*arguments, "--torque", NumberNeed::Positive, usageError, ok);
  const auto peak = NumberOption(*arguments, "--peak", NumberNeed::Positive, usageError, ok);
  const auto safety = NumberOption(*arguments, "--safety", NumberNeed::Positive, usageError, ok);
  const auto longest =
      NumberOption(*arguments, "--max-length", NumberNeed::NotBelowHalf, usageError, ok);
  if (!ok) return kExitUsage;
  if (!torque) return usageError("size needs --torque TN (N·m)");
  const auto design = TakeDesignOptions(*arguments, usageError);
  if (!design) return kExitUsage;
  load.TN = *torque;
  load.Tmax = peak.value_or(*torque);
  load.safety = safety.value_or(1.0);
  load.maxLengthFactor = longest.value_or(2.0);
  load.toleranceClass = design->toleranceClass;

  DesignRecord base;
  if (!arguments->files.empty()) {
    DocumentationData docs;
    const ProjectParseResult loaded = LoadProjectForRun(arguments->files.front(), base, docs);
    if (!loaded.ok) {
      err << "zt6 size: " << arguments->files.front() << ": " << loaded.problem << "\n";
      return kExitRefused;
    }
  }
  WindowlessSession session(
      {.readSettings = false, .command = true, .tableFolder = arguments->Last("--tables")}, err,
      err);
  const SizeSearchResult result =
      SearchSizes(base, load, session.program, session.access, session.tables);
  if (!result.tableRead || session.program.shell.cancel) {
    err << "zt6 size: the DIN 5481 size table cannot be read\n";
    return kExitRefused;
  }
  if (arguments->Has("--json"))
    WriteJson(result, out);
  else
    WriteTable(result, out);
  if (!result.candidates.empty()) return kExitDone;
  err << "zt6 size: no size reaches S = " << ShortestNumber(load.safety) << " with l up to "
      << ShortestNumber(load.maxLengthFactor) << "·D\n";
  return kExitRefused;
}

}  // namespace zt6
