#include "app/files/configuration.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <utility>
#include <variant>
#include <vector>

#include "app/files/configuration_entries.h"
#include "base/codepage.h"
#include "base/file_numbers.h"
#include "base/program_identity.h"
#include "base/text_lines.h"
#include "calc/design_record.h"

namespace zt6 {

namespace {

// One handler per kind of entry, for std::visit.
template <typename... Kinds>
struct EachKind : Kinds... {
  using Kinds::operator()...;
};
template <typename... Kinds>
EachKind(Kinds...) -> EachKind<Kinds...>;

class EntryWriter {
 public:
  // Reals keep the decimals setting but always take the point.
  explicit EntryWriter(FormatSettings format) : realFormat_(format) {
    realFormat_.decimalSeparator = 1;
  }

  void Label(std::string_view utf8) { lines_.Line(Oem(utf8)); }
  void Text(std::string_view text) { lines_.Line(SingleLine(text)); }
  void Integer(long long value) { lines_.Line(FormatFileInteger(value)); }
  void Real(double value) { lines_.Line(FormatFileReal(value, realFormat_)); }
  void Boolean(bool value) { lines_.Line(FormatFileBoolean(value)); }
  const std::string& Result() const { return lines_.Text(); }

 private:
  FormatSettings realFormat_;
  LineWriter lines_;
};

class EntryReader {
 public:
  explicit EntryReader(std::vector<std::string> lines)
      : total_(lines.size()), lines_(std::move(lines)) {}

  void Label() { lines_.Next(); }
  const std::string& Value() { return lines_.Next(); }
  bool Ended() const { return lines_.AtEnd(); }
  std::size_t Remaining() const { return total_ - std::min(total_, lines_.LinesRead()); }

 private:
  std::size_t total_;
  LineReader lines_;
};

std::int32_t Corrected(std::int32_t value, const WholeRule& rule) {
  const bool unset = rule.zeroUnset && value == 0;
  return unset || value < rule.low || value > rule.high ? rule.replacement : value;
}

double Corrected(double value, const RealRule& rule) {
  return (rule.magnitude ? std::fabs(value) : value) < rule.below ? rule.replacement : value;
}

void WritePlotLines(EntryWriter& w, const Configuration& c) {
  const std::size_t count =
      std::clamp<std::size_t>(c.plotCommandLines.size(), 1, kMaxPlotCommandLines);
  w.Integer(static_cast<long long>(count));
  for (std::size_t i = 1; i < count; ++i) w.Text(c.plotCommandLines[i]);
}

// A garbage count must neither allocate nor run on: only lines the file holds are
// taken, and the plot interface uses at most kMaxPlotCommandLines.
void ReadPlotLines(EntryReader& r, Configuration& c) {
  const int count = ReadFileInteger(r.Value());
  const std::size_t more =
      std::min(count > 1 ? static_cast<std::size_t>(count) - 1 : std::size_t{0}, r.Remaining());
  c.plotCommandLines.resize(1);
  for (std::size_t i = 0; i < more; ++i) {
    std::string line = r.Value();
    if (c.plotCommandLines.size() < kMaxPlotCommandLines) c.plotCommandLines.push_back(line);
  }
}

void WriteEntry(EntryWriter& w, const ConfigurationEntry& entry, const Configuration& c) {
  std::visit(EachKind{
                 [&](const TextEntry& e) { w.Text(FitWidth(e.access.get(c), e.width)); },
                 [&](const IntegerEntry& e) { w.Integer(e.access.get(c)); },
                 [&](const RealEntry& e) { w.Real(e.access.get(c)); },
                 [&](const BooleanEntry& e) { w.Boolean(e.access.get(c)); },
                 [&](const PlotLinesEntry&) { WritePlotLines(w, c); },
             },
             entry.value);
}

void ReadEntry(EntryReader& r, const ConfigurationEntry& entry, Configuration& c,
               std::string_view startDirectory) {
  std::visit(EachKind{
                 [&](const TextEntry& e) {
                   std::string text = FitWidth(r.Value(), e.width);
                   if (text.empty() && e.empty == EmptyText::Default) text = e.initial;
                   if (text.empty() && e.empty == EmptyText::StartFolder)
                     text = StartFolderSetting(startDirectory);
                   e.access.set(c, std::move(text));
                 },
                 [&](const IntegerEntry& e) {
                   e.access.set(c, Corrected(ReadFileInteger(r.Value()), e.rule));
                 },
                 [&](const RealEntry& e) {
                   e.access.set(c, Corrected(ReadFileReal(r.Value()), e.rule));
                 },
                 [&](const BooleanEntry& e) {
                   const std::string& line = r.Value();
                   e.access.set(c, e.trueUnlessFalse ? !EqualsUpperCased(line, "FALSE")
                                                     : ReadFileBoolean(line));
                 },
                 [&](const PlotLinesEntry&) { ReadPlotLines(r, c); },
             },
             entry.value);
}

// Entries in file order; an older, shorter file ends before a later generation's
// first entry, and reading stops there.
void ReadEntries(EntryReader& r, Configuration& c, std::string_view startDirectory) {
  r.Label();
  r.Label();
  int generation = 0;  // the heading's: nothing beyond it is no configuration at all
  for (const ConfigurationEntry& entry : ConfigurationEntries()) {
    if (entry.since != generation) {
      if (r.Ended()) {
        if (entry.olderFile != nullptr) entry.olderFile(c);
        return;
      }
      generation = entry.since;
    }
    if (entry.onlyWhileInFile && r.Ended()) continue;
    if (!entry.label.empty()) r.Label();
    ReadEntry(r, entry, c, startDirectory);
  }
}

}  // namespace

Configuration::Configuration() {
  for (const ConfigurationEntry& entry : ConfigurationEntries()) {
    std::visit(EachKind{
                   [&](const TextEntry& e) { e.access.set(*this, std::string(e.initial)); },
                   [&](const IntegerEntry& e) { e.access.set(*this, e.initial); },
                   [&](const RealEntry& e) { e.access.set(*this, e.initial); },
                   [&](const BooleanEntry& e) { e.access.set(*this, e.initial); },
                   [&](const PlotLinesEntry&) { plotCommandLines.resize(1); },
               },
               entry.value);
  }
}

std::string StartFolderSetting(std::string_view startDirectory) {
  std::string folder = Utf8ToCp850(startDirectory);
  const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
  if (!folder.empty() && folder.back() != separator) folder += separator;
  return folder;
}

std::string ConfigurationText(const Configuration& c) {
  EntryWriter w(c.format);
  w.Text(std::string(kProgramLowerName) + " " + "Konfiguration");
  w.Text(std::string("Version ") + kProgramVersion);
  for (const ConfigurationEntry& entry : ConfigurationEntries()) {
    if (!entry.label.empty()) w.Label(entry.label);
    WriteEntry(w, entry, c);
  }
  return w.Result();
}

void ReadConfigurationText(std::string_view bytes, Configuration& config, ScreenSize screen,
                           std::string_view startDirectory) {
  EntryReader reader(SplitLines(bytes));
  ReadEntries(reader, config, startDirectory);
  if (config.drawingAreaX == 0 || config.drawingAreaX == -1) config.drawingAreaX = screen.width - 9;
  if (config.drawingAreaY == 0 || config.drawingAreaY == -1)
    config.drawingAreaY = screen.height - 91;
}

}  // namespace zt6
