#include "app/forms/configuration_form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "app/commands/report_output.h"
#include "app/forms/configuration_controls.h"
#include "app/ports/scripted_ui.h"
#include "base/codepage.h"
#include "report/vocabulary.h"
#include "base/number_parse.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;

constexpr ScreenSize kScreen{1280, 1024};
constexpr const char* kStart = "/home/user/work";

// The settings as read from the file they were written to.
Configuration WrittenAndRead(const Configuration& config) {
  Configuration read;
  ReadConfigurationText(ConfigurationText(config), read, kScreen, kStart);
  return read;
}

// The value line after a label line of the written file.
std::string ValueAfter(const std::string& text, std::string_view utf8Label) {
  const std::string label = Oem(utf8Label) + "\r\n";
  const std::size_t at = text.find(label);
  if (at == std::string::npos) return "<no label>";
  const std::size_t start = at + label.size();
  return text.substr(start, text.find("\r\n", start) - start);
}

// A text for the control that differs from the one it shows now and survives the file.
std::string OtherValue(const ConfigurationControl& c, const std::string& now) {
  const int n = ParseWhole(now);
  switch (c.kind) {
    case ControlKind::Text:
      return c.page == "Tab_dir" ? "/daten/öl/" + std::string(c.name) : "Ä" + std::string(c.name).substr(5, 8);
    case ControlKind::Line:
      return "wplot /M" + std::to_string(c.row + 2);
    case ControlKind::Whole:
      return std::to_string(n + 7);
    case ControlKind::Real:
      return c.name.starts_with("Edit_3d") ? "30" : "2.25";
    case ControlKind::Check:
      return now == "1" ? "0" : "1";
    case ControlKind::Radio:
    case ControlKind::Combo:
      return std::to_string((n + 1) % static_cast<int>(c.items.size()));
    case ControlKind::Spin:
      return std::to_string(n == c.low + 1 ? c.low + 2 : c.low + 1);
    case ControlKind::Shown:
      return c.name == "Label_courier" ? "Liberation Mono" : std::to_string(n + 3);
    case ControlKind::Colour:
      return "65280";
    case ControlKind::Cell:
      if (c.low >= c.high) return "Kontur";
      return std::to_string(n % c.high + 1);
  }
  return now;
}

TEST(ConfigurationControls, NamesAreUniqueAndEveryPageHasControls) {
  std::set<std::string_view> names;
  std::set<std::string_view> pages;
  for (const ConfigurationControl& c : ConfigurationControls()) {
    EXPECT_TRUE(names.insert(c.name).second) << c.name;
    pages.insert(c.page);
    EXPECT_GE(c.entry, 1);
    EXPECT_LE(c.entry, 107);
  }
  EXPECT_EQ(pages.size(), ConfigurationPages().size());
  for (const ConfigurationPage& page : ConfigurationPages()) EXPECT_TRUE(pages.contains(page.name));
}

// Every control alone through set -> apply -> write -> read -> refill: it shows the
// value it was given, and every other control still shows what it showed before, so
// a control that edits the wrong entry (or two) is caught.
TEST(ConfigurationForm, EveryControlSurvivesTheFileAndTouchesOnlyItsEntry) {
  Configuration start;
  start.textWindow = {10, 40, 600, 500};  // the file keeps a place with a width and height
  start = WrittenAndRead(start);
  ConfigurationForm before;
  before.Fill(start);
  const ApplyContext context{kScreen};
  for (const ConfigurationControl& c : ConfigurationControls()) {
    ConfigurationForm form = before;
    const std::string name(c.name);
    const std::string value = OtherValue(c, form.fields[name]);
    ASSERT_NE(value, form.fields[name]) << name;
    form.fields[name] = value;
    ASSERT_EQ(form.Check(), std::nullopt) << name << " = " << value;
    Configuration config = start;
    form.Apply(config, context);
    ConfigurationForm after;
    after.Fill(WrittenAndRead(config));
    for (const auto& [field, text] : after.fields) {
      const std::string expected = field == name ? value : before.fields.at(field);
      EXPECT_EQ(text, expected) << "set " << name << " to " << value << ", read back " << field;
    }
  }
}

TEST(ConfigurationForm, DialogCorrectionsAndTheFileFormat) {
  Configuration config;
  ConfigurationForm form;
  form.Fill(config);
  form.fields["Edit_x"] = "0";
  form.fields["Edit_y"] = "0";
  form.fields["Edit_zoomfaktor"] = "0";
  form.fields["RadioGroup_date"] = "3";  // "DD/MM/YYY"
  form.fields["Edit_massfaktorconfig"] = "0,005";
  form.fields["Edit_textbreitenfaktor"] = "0";
  form.fields["SpinEdit_dezimalstellen"] = "9";  // beyond 3..6: held to 6
  form.fields["SpinEdit_spacelines"] = "-4";
  form.fields["RadioGroup_punktkomma"] = "1";   // comma: reals still take the point
  form.fields["Edit_panfaktor"] = "0,05";
  form.fields["CheckBox_zeichlogo"] = "0";      // not drawn: omitted in the file
  form.fields["ListBox_plotrix[0]"] = "";
  form.fields["ListBox_plotrix[1]"] = "wplot /CPS";
  form.Apply(config, ApplyContext{kScreen});
  const std::string text = ConfigurationText(config);
  EXPECT_EQ(ValueAfter(text, "Auflösung horizontal"), "1271");
  EXPECT_EQ(ValueAfter(text, "Auflösung vertikal"), "933");
  // Six decimals shift the reals' decimals by three; the point stays.
  EXPECT_EQ(ValueAfter(text, "Zoomfaktor"), "1.0000000000");
  EXPECT_EQ(ValueAfter(text, "Pan-Faktor"), "0.0500000000");
  EXPECT_EQ(ValueAfter(text, "Date Code"), "4");
  EXPECT_EQ(ValueAfter(text, "Dezimalstellen"), "6");
  EXPECT_EQ(ValueAfter(text, "Header Space Lines"), "0");
  EXPECT_EQ(ValueAfter(text, "Dot=1 Komma=2"), "2");
  EXPECT_EQ(ValueAfter(text, "Textbreitenfaktor Grafik"), "1.0000000000");
  EXPECT_EQ(ValueAfter(text, "PLOTRIX-Kommandozeile"), kDefaultPlotCommandLine);
  EXPECT_EQ(ValueAfter(text, "PLOTRIX Command lines (n, line 2 .. line n)"), "2");
  EXPECT_DOUBLE_EQ(config.dimensionSizeFactor, 1.0);
  EXPECT_TRUE(config.omitLogo);
  EXPECT_FALSE(config.omitDate);
  EXPECT_EQ(config.plotCommandLines.size(), 2u);
}

TEST(ConfigurationForm, NumberFieldsRefuseTextAndGridsTheirRange) {
  struct Case {
    const char* field;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"Edit_zoomfaktor", "abc", "Feld Zoomfaktor: \"abc\" ist keine Zahl."},
      {"Edit_x", "12.5", "Feld x: \"12.5\" ist keine ganze Zahl."},
      {"Edit_printscale", "", "Feld Maßstab x ist leer."},
      {"Edit_panfaktor", "-5", "Feld Pan-Faktor: Gültiger Wertebereich: > 0 !"},
      {"Edit_printscaley", "0", "Feld Maßstab y: Gültiger Wertebereich: > 0 !"},
      {"StringGrid_color[1,0]", "17", "Feld Farbe für Layer 16: Gültiger Wertebereich: 1 .. 16 !"},
      {"StringGrid_layer[2,2]", "0", "Feld Layer 4 Strichstärke: Gültiger Wertebereich: 1 .. 255 !"},
  };
  for (const Case& k : cases) {
    ConfigurationForm form;
    form.Fill(Configuration{});
    form.fields[k.field] = k.text;
    EXPECT_EQ(form.Check(), Oem(k.message)) << k.field;
  }
  ConfigurationForm fine;
  fine.Fill(Configuration{});
  fine.fields["Edit_zoomfaktor"] = "1,5";
  fine.fields["StringGrid_layer[1,0]"] = "Kontur";  // the name column takes any text
  EXPECT_EQ(fine.Check(), std::nullopt);
}

TEST(ConfigurationForm, ProposalsAndGridButtons) {
  ConfigurationForm form;
  form.Fill(Configuration{});
  form.fields["Edit_zoomfaktor"] = "5";
  EXPECT_TRUE(form.Propose("Button_zoomfaktor", {}));
  EXPECT_EQ(form.fields["Edit_zoomfaktor"], "1.02");
  EXPECT_TRUE(form.Propose("Button_freigabefeld", {}));
  EXPECT_EQ(form.fields["Edit_freigabefeld"], "Frei");
  form.fields["Edit_printscale"] = "2.5";
  EXPECT_TRUE(form.Propose("Button_scaleyx", {}));
  EXPECT_EQ(form.fields["Edit_printscaley"], "2.5");

  DesktopMetrics desktop;
  desktop.screen = {1920, 1080};
  desktop.mainWidth = 1000;
  desktop.mainHeight = 800;
  desktop.clientWidth = 990;
  desktop.clientHeight = 754;
  desktop.dpiX = desktop.dpiY = 120;
  EXPECT_TRUE(form.Propose("Button_aufloesung", desktop));
  EXPECT_EQ(form.fields["Edit_x"], "1910");
  EXPECT_EQ(form.fields["Edit_y"], "1004");  // 1080 + round(1.65 * -46)
  EXPECT_TRUE(form.Propose("Button_dialogsize", desktop));
  EXPECT_EQ(form.fields["SpinEdit_dialogfenster"], "126");  // 1.25 * (800/800 + 0.009) * 100
  EXPECT_TRUE(form.Propose("Button_dialogelemente", desktop));
  EXPECT_EQ(form.fields["SpinEdit_dialogelemente"], "100");
  form.fields["Label_couriersize"] = "10";
  EXPECT_TRUE(form.Propose("Button_Textwindow", desktop));
  EXPECT_EQ(form.fields["Edit_width"], "700");
  EXPECT_EQ(form.fields["Edit_height"], "984");

  form.fields["StringGrid_layer[1,0]"] = "x";
  form.fields["StringGrid_layer[1,2]"] = "9";
  EXPECT_TRUE(form.Propose("Button_layer5", desktop));
  EXPECT_EQ(form.fields["StringGrid_layer[1,0]"], "5");
  EXPECT_EQ(form.fields["StringGrid_layer[1,1]"], "1");
  EXPECT_EQ(form.fields["StringGrid_layer[1,2]"], "3");
  form.SetAllLayerWidths(3);
  for (int row = 1; row <= 16; ++row)
    EXPECT_EQ(form.fields["StringGrid_color[" + std::to_string(row) + ",1]"], "3");
  EXPECT_FALSE(form.Propose("Button_nothing", desktop));
}

TEST(ConfigurationForm, ImportRefillsAndRefusesGarbage) {
  test_support::TempDir dir{"zt6_import"};
  Configuration other;
  other.zoomFactor = 1.5;
  other.format.dateCode = 3;
  other.cadTextStyle = "ROMANS";
  {
    std::ofstream(dir.path() / "other.cfg", std::ios::binary) << ConfigurationText(other);
    std::ofstream(dir.path() / "garbage.cfg", std::ios::binary) << "\x7f" "ELF\x01\x02 nothing here";
  }
  ConfigurationForm form;
  form.Fill(Configuration{});
  EXPECT_EQ(form.Import(dir.path() / "other.cfg", Configuration{}, kScreen, kStart), std::nullopt);
  EXPECT_EQ(form.fields["Edit_zoomfaktor"], "1.5");
  EXPECT_EQ(form.fields["RadioGroup_date"], "2");
  EXPECT_EQ(form.fields["Edit_cadfont"], "ROMANS");

  const ConfigurationForm before = form;
  const auto garbage = form.Import(dir.path() / "garbage.cfg", Configuration{}, kScreen, kStart);
  ASSERT_TRUE(garbage.has_value());
  EXPECT_NE(garbage->find("ist keine Konfigurationsdatei"), std::string::npos) << *garbage;
  EXPECT_EQ(form.fields, before.fields);
  const auto missing = form.Import(dir.path() / "none.cfg", Configuration{}, kScreen, kStart);
  ASSERT_TRUE(missing.has_value());
  EXPECT_NE(missing->find("nicht gefunden"), std::string::npos);
  EXPECT_EQ(form.fields, before.fields);
}

TEST(ConfigurationForm, SaveIntoAMissingFolderKeepsNothingAndSaysSo) {
  ShellState shell;
  shell.messageBoxesEnabled = true;
  ScriptedUi ui;
  FormatSettings format;
  Prompts prompts(ui, shell, format);
  ui.QueueNo();  // "Nochmals versuchen ?"
  Configuration config;
  ConfigurationForm form;
  form.Fill(config);
  form.fields["Edit_zoomfaktor"] = "3";
  ConfigurationPlace place;
  place.directory = "/nonexistent/zt6/folder";
  EXPECT_FALSE(SaveConfigurationForm(form, config, ApplyContext{kScreen}, place, prompts));
  EXPECT_TRUE(shell.cancel);
  EXPECT_DOUBLE_EQ(config.zoomFactor, 3.0);  // applied all the same
  ASSERT_FALSE(ui.recorded.empty());
  EXPECT_EQ(ui.recorded.front().kind, "message");
}

TEST(ConfigurationControls, TooltipsFollowTheHelpLevelUnlessAlways) {
  const ConfigurationControl* zoom = FindConfigurationControl("Edit_zoomfaktor");
  const ConfigurationControl* result = FindConfigurationControl("RadioGroup_ergebnisgrafik");
  ASSERT_NE(zoom, nullptr);
  ASSERT_NE(result, nullptr);
  EXPECT_FALSE(ShowsTooltip(*zoom, 0));
  EXPECT_TRUE(ShowsTooltip(*zoom, 1));
  EXPECT_TRUE(ShowsTooltip(*result, 0));
  Vocabulary words;
  EXPECT_EQ(ColourRowCaption(16, 3, words), "Farbe für Layer 16 (grün)");
  words.Load(2);
  EXPECT_EQ(ColourRowCaption(16, 3, words), "Colour of layer 16 (green)");
}

// The default report device is the position of its name among the report's devices.
TEST(ConfigurationControls, TheDeviceBoxListsTheReportDevicesInOrder) {
  const ConfigurationControl* box = FindConfigurationControl("ComboBox_ausdruckdefault");
  ASSERT_NE(box, nullptr);
  const std::vector<std::string> devices = ReportDeviceChoices();
  ASSERT_EQ(box->items.size(), devices.size());
  for (std::size_t i = 0; i < devices.size(); ++i) EXPECT_EQ(box->items[i], devices[i]);
}

}  // namespace
}  // namespace zt6
