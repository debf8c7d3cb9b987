#include "app/forms/configuration_form.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/files/configuration_file.h"
#include "app/forms/value_entry.h"
#include "base/blanks.h"
#include "base/codepage.h"
#include "base/number_parse.h"
#include "base/safe_file.h"

namespace zt6 {

namespace {

// The name a message gives a control: its caption, for grid cells row and column.
std::string FieldName(const ConfigurationControl& c) {
  if (c.grid == "StringGrid_color")
    return (c.column == 0 ? "Farbe für Layer " : "Strichstärke Layer ") +
           std::to_string(15 + c.row);
  if (c.grid == "StringGrid_layer") {
    static constexpr const char* kColumns[] = {"Layer", "Farbe", "Strichstärke"};
    return "Layer " + std::to_string(6 - c.row) + " " + kColumns[c.column];
  }
  return std::string(c.caption);
}

bool IsNumber(const ConfigurationControl& c) {
  switch (c.kind) {
    case ControlKind::Whole:
    case ControlKind::Real:
    case ControlKind::Spin:
      return true;
    case ControlKind::Cell:
      return c.column != 0 || c.grid != "StringGrid_layer";
    default:
      return false;
  }
}

std::string Text(const FieldTexts& fields, std::string_view name) {
  const auto found = fields.find(name);
  return found == fields.end() ? std::string() : found->second;
}

double ScreenFactor(const DesktopMetrics& d) {
  return static_cast<double>(d.mainHeight) / (d.clientHeight + 46) + 0.009;
}

}  // namespace

std::string ConfigurationForm::ProposalButton(std::string_view control) {
  const std::size_t underscore = control.find('_');
  return "Button_" + std::string(control.substr(underscore + 1));
}

void ConfigurationForm::Fill(const Configuration& config) {
  for (const ConfigurationControl& c : ConfigurationControls()) fields[std::string(c.name)] = c.show(config);
}

std::optional<std::string> ConfigurationForm::Check() const {
  for (const ConfigurationControl& c : ConfigurationControls()) {
    if (!IsNumber(c)) continue;
    NumberRule rule{NumberKind::Whole, NumberRange::Any()};
    if (c.kind == ControlKind::Real) {
      rule = {NumberKind::Real, c.range};
    } else if (c.kind != ControlKind::Spin && c.low < c.high) {
      rule.range = NumberRange::Between(c.low, c.high);
    }
    if (auto refused = RefusedNumber(FieldName(c), Text(fields, c.name), rule)) return Oem(*refused);
  }
  return std::nullopt;
}

void ConfigurationForm::Apply(Configuration& config, const ApplyContext& context) const {
  for (const ConfigurationControl& c : ConfigurationControls()) {
    std::string text = Text(fields, c.name);
    if (c.kind == ControlKind::Spin)
      text = std::to_string(std::clamp(ParseWhole(text), c.low, c.high));
    c.take(config, text, context);
  }
  // One to five lines: blank lines at the end go, an empty first line is the default.
  auto& lines = config.plotCommandLines;
  while (lines.size() > 1 && TrimBlanks(lines.back()).empty()) lines.pop_back();
  if (lines.empty()) lines.emplace_back();
  if (TrimBlanks(lines.front()).empty()) lines.front() = kDefaultPlotCommandLine;
}

bool ConfigurationForm::Propose(std::string_view button, const DesktopMetrics& desktop) {
  for (const ConfigurationControl& c : ConfigurationControls()) {
    if (!c.proposal.empty() && ProposalButton(c.name) == button) {
      fields[std::string(c.name)] = std::string(c.proposal);
      return true;
    }
  }
  if (button == "Button_dirtempenv") {
    const char* temp = std::getenv("TEMP");
    if (temp != nullptr && *temp != '\0') fields["Edit_dirtemp"] = temp;
    return true;
  }
  if (button == "Button_aufloesung") {
    fields["Edit_x"] = std::to_string(desktop.screen.width + desktop.clientWidth - desktop.mainWidth);
    fields["Edit_y"] = std::to_string(
        desktop.screen.height +
        static_cast<int>(std::lround(1.65 * (desktop.clientHeight - desktop.mainHeight))));
    return true;
  }
  if (button == "Button_dialogsize") {
    fields["SpinEdit_dialogfenster"] =
        std::to_string(std::lround(desktop.dpiY / 96 * ScreenFactor(desktop) * 100));
    return true;
  }
  if (button == "Button_dialogelemente") {
    const double scale = ParseWhole(Text(fields, "SpinEdit_dialogfenster"));
    fields["SpinEdit_dialogelemente"] =
        std::to_string(std::lround(scale / (desktop.dpiX / 96 * ScreenFactor(desktop) * 100) * 100));
    return true;
  }
  if (button == "Button_scaleyx") {
    fields["Edit_printscaley"] = Text(fields, "Edit_printscale");
    return true;
  }
  if (button == "Button_Textwindow") {
    fields["Edit_left"] = "10";
    fields["Edit_top"] = "40";
    int width = 620;
    if (ParseWhole(Text(fields, "Edit_x")) > 640) {
      width = static_cast<int>(std::lround(ParseWhole(Text(fields, "Label_couriersize")) * 700 * 0.1));
      if (width == 0) width = 700;
    }
    fields["Edit_width"] = std::to_string(width);
    fields["Edit_height"] = std::to_string(ParseWhole(Text(fields, "Edit_y")) - 20);
    return true;
  }
  if (button.starts_with("Button_layer") && button.size() == 13) {
    const int layer = button[12] - '0';
    if (layer < 1 || layer > 5) return false;
    ResetLayerRow(6 - layer);
    return true;
  }
  return false;
}

void ConfigurationForm::ResetLayerRow(int row) {
  // Rows 1..5 hold layers 5..1.
  static constexpr const char* kShipped[5][3] = {
      {"5", "1", "3"}, {"4", "3", "2"}, {"3", "2", "1"}, {"2", "2", "1"}, {"1", "2", "1"}};
  if (row < 1 || row > 5) return;
  for (int column = 0; column < 3; ++column) {
    fields["StringGrid_layer[" + std::to_string(row) + "," + std::to_string(column) + "]"] =
        kShipped[row - 1][column];
  }
}

void ConfigurationForm::SetAllLayerWidths(int width) {
  for (int row = 1; row <= 16; ++row)
    fields["StringGrid_color[" + std::to_string(row) + ",1]"] = std::to_string(width);
}

std::optional<std::string> ConfigurationForm::Import(const std::filesystem::path& file,
                                                     const Configuration& base, ScreenSize screen,
                                                     std::string_view startDirectory) {
  const FileContent content = ReadWholeFile(file, kMaxConfigurationBytes);
  const std::string name = Utf8ToCp850(file.string());
  if (!content.ok && !content.tooLarge)
    return "Datei " + name + " " + Oem("nicht gefunden oder kein Zugriffsrecht") + " !";
  if (content.tooLarge || !LooksLikeConfiguration(content.bytes))
    return "Datei " + name + " " + Oem("ist keine Konfigurationsdatei") + " !";
  Configuration read = base;
  ReadConfigurationText(content.bytes, read, screen, startDirectory);
  Fill(read);
  return std::nullopt;
}

bool SaveConfigurationForm(const ConfigurationForm& form, Configuration& config,
                           const ApplyContext& context, const ConfigurationPlace& place,
                           Prompts& prompts) {
  form.Apply(config, context);
  return SaveConfiguration(config, place.ConfigurationFile(), prompts);
}

}  // namespace zt6
