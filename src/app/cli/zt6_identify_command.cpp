#include "app/cli/zt6_identify_command.h"

#include <cstdio>

#include "app/assistant/part_identification.h"
#include "app/cli/number_options.h"
#include "app/cli/zt6_commands.h"
#include "app/startup/windowless_session.h"
#include "base/codepage.h"
#include "base/json_writer.h"

namespace zt6 {

namespace {

std::string Millimetres(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.4f", value);
  return text;
}

// "within 23.6650…23.8000" or "0.0120 mm above 23.6650…23.8000".
std::string CheckText(const LimitCheck& check) {
  const std::string limits = Millimetres(check.minimum) + "…" + Millimetres(check.maximum);
  if (check.Inside()) return "within " + limits;
  return Millimetres(std::abs(check.miss)) + " mm " + (check.miss > 0 ? "above " : "below ") +
         limits;
}

bool PinsInLimits(const IdentifiedSize& size) {
  return (*size.pins)[0].Inside() || (*size.pins)[1].Inside();
}

void WriteCheck(JsonWriter& json, const LimitCheck& check) {
  json.BeginObject();
  json.Key("min");
  json.Number(check.minimum);
  json.Key("max");
  json.Number(check.maximum);
  json.Key("miss");
  json.Number(check.miss);
  json.EndObject();
}

void WriteJson(const std::vector<IdentifiedSize>& ranked, std::ostream& out) {
  JsonWriter json(out);
  json.BeginObject();
  json.Key("candidates");
  json.BeginArray();
  for (const IdentifiedSize& size : ranked) {
    json.BeginObject();
    json.Key("designation");
    json.String(Cp850ToUtf8(size.designation));
    json.Key("score");
    json.Number(size.score);
    json.Key("D");
    json.Number(size.D);
    json.Key("z");
    json.Integer(size.z);
    if (size.tip) {
      json.Key("tip_in_limits");
      json.Bool(size.tip->Inside());
      json.Key("tip");
      WriteCheck(json, *size.tip);
    }
    if (size.teethMatch) {
      json.Key("teeth_match");
      json.Bool(*size.teethMatch);
    }
    if (size.root) {
      json.Key("root_in_limits");
      json.Bool(size.root->Inside());
      json.Key("root");
      WriteCheck(json, *size.root);
    }
    if (size.pins) {
      json.Key("pins_in_limits");
      json.Bool(PinsInLimits(size));
      json.Key("pins");
      json.BeginObject();
      json.Key("fein");
      WriteCheck(json, (*size.pins)[0]);
      json.Key("grob");
      WriteCheck(json, (*size.pins)[1]);
      json.EndObject();
    }
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

void WriteListing(const std::vector<IdentifiedSize>& ranked, bool hub, std::ostream& out) {
  const char* pins = hub ? "between pins" : "over pins";
  for (std::size_t k = 0; k < ranked.size(); ++k) {
    const IdentifiedSize& size = ranked[k];
    char head[128];
    std::snprintf(head, sizeof head, "%2zu. %-10s score %.3f  z = %d", k + 1,
                  Cp850ToUtf8(size.designation).c_str(), size.score, size.z);
    out << head;
    if (size.teethMatch) out << (*size.teethMatch ? " (matches)" : " (differs)");
    out << '\n';
    if (size.tip) out << "    tip " << CheckText(*size.tip) << '\n';
    if (size.root) out << "    root " << CheckText(*size.root) << '\n';
    if (size.pins) {
      out << "    " << pins << ", fein: " << CheckText((*size.pins)[0]) << '\n';
      out << "    " << pins << ", grob: " << CheckText((*size.pins)[1]) << '\n';
    }
  }
}

}  // namespace

int IdentifyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const UsageErrorFn& usageError) {
  const auto arguments = ParseCommandArguments(
      args,
      {{"--tip"}, {"--teeth"}, {"--root"}, {"--over-pins"}, {"--pin"}, {"--hub", false},
       {"--json", false}, {"--tables", true, "--tables needs a folder"}},
      usageError);
  if (!arguments) return kExitUsage;
  if (!arguments->files.empty())
    return usageError("identify takes measurements, no file (\"" + arguments->files.front() +
                      "\")");
  bool ok = true;
  PartMeasurement measured;
  measured.tip = NumberOption(*arguments, "--tip", NumberNeed::Positive, usageError, ok);
  const auto teeth = NumberOption(*arguments, "--teeth", NumberNeed::WholePositive, usageError, ok);
  measured.root = NumberOption(*arguments, "--root", NumberNeed::Positive, usageError, ok);
  measured.overPins = NumberOption(*arguments, "--over-pins", NumberNeed::Positive, usageError, ok);
  measured.pin = NumberOption(*arguments, "--pin", NumberNeed::Positive, usageError, ok);
  if (!ok) return kExitUsage;
  if (teeth) measured.teeth = static_cast<int>(*teeth);
  measured.hub = arguments->Has("--hub");
  if (measured.overPins.has_value() != measured.pin.has_value())
    return usageError(measured.pin ? "--pin needs --over-pins, the dimension measured with it"
                                   : "--over-pins needs --pin, the pins' diameter");
  if (!measured.tip && !measured.teeth && !measured.root && !measured.overPins)
    return usageError("identify needs a measurement: --tip, --teeth, --root or --over-pins");

  WindowlessSession session(
      {.readSettings = false, .command = true, .tableFolder = arguments->Last("--tables")}, err,
      err);
  const std::vector<IdentifiedSize> ranked =
      IdentifySize(measured, session.program, session.access, session.tables);
  if (ranked.empty() || session.program.shell.cancel) {
    err << "zt6 identify: the DIN 5481 size table cannot be read\n";
    return kExitRefused;
  }
  if (arguments->Has("--json"))
    WriteJson(ranked, out);
  else
    WriteListing(ranked, measured.hub, out);
  return kExitDone;
}

}  // namespace zt6
