#include "app/forms/configuration_controls.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>
#include <vector>

#include "app/commands/report_output.h"
#include "base/codepage.h"
#include "cad/drawing_window.h"
#include "report/vocabulary.h"
#include "base/number_parse.h"

namespace zt6 {

namespace {

using C = Configuration;
using K = ControlKind;
using Ctx = ApplyContext;

std::string Whole(long long value) { return std::to_string(value); }

// --- show and take by member -------------------------------------------------------

template <auto M>
std::string ShowText(const C& c) { return Cp850ToUtf8(c.*M); }
template <auto M>
void TakeText(C& c, const std::string& t, const Ctx&) { c.*M = Utf8ToCp850(t); }

template <auto M>
std::string ShowWhole(const C& c) { return Whole(c.*M); }
template <auto M>
void TakeWhole(C& c, const std::string& t, const Ctx&) { c.*M = ParseWhole(t); }

template <auto M>
std::string ShowReal(const C& c) { return DialogReal(c.*M); }
template <auto M>
void TakeReal(C& c, const std::string& t, const Ctx&) { c.*M = ParseReal(t); }
// A factor where 0 stands for 1.
template <auto M>
void TakeFactorNotZero(C& c, const std::string& t, const Ctx&) {
  const double v = ParseReal(t);
  c.*M = v == 0 ? 1.0 : v;
}

template <auto M>
std::string ShowCheck(const C& c) { return c.*M ? "1" : "0"; }
template <auto M>
void TakeCheck(C& c, const std::string& t, const Ctx&) { c.*M = t == "1"; }
// The drawing items: ticked means drawn, the setting says omitted.
template <auto M>
std::string ShowDrawn(const C& c) { return c.*M ? "0" : "1"; }
template <auto M>
void TakeDrawn(C& c, const std::string& t, const Ctx&) { c.*M = t != "1"; }

// A radio group or combo box whose item index + First is the setting.
template <auto M, int First>
std::string ShowIndex(const C& c) { return Whole(c.*M - First); }
template <auto M, int First>
void TakeIndex(C& c, const std::string& t, const Ctx&) { c.*M = ParseWhole(t) + First; }

template <auto M, int First>
std::string ShowFormatIndex(const C& c) { return Whole(c.format.*M - First); }
template <auto M, int First>
void TakeFormatIndex(C& c, const std::string& t, const Ctx&) { c.format.*M = ParseWhole(t) + First; }

// --- arrays ------------------------------------------------------------------------

// CAD layer grid: row r holds layer 6 - r.
template <int Row>
std::string ShowLayerName(const C& c) { return Cp850ToUtf8(c.cadLayerNames[5 - Row]); }
template <int Row>
void TakeLayerName(C& c, const std::string& t, const Ctx&) {
  c.cadLayerNames[5 - Row] = Utf8ToCp850(t).substr(0, 32);
}
template <int Row>
std::string ShowLayerColour(const C& c) { return Whole(c.cadLayerColours[5 - Row]); }
template <int Row>
void TakeLayerColour(C& c, const std::string& t, const Ctx&) {
  c.cadLayerColours[5 - Row] = ParseWhole(t);
}
template <int Row>
std::string ShowLayerWidth(const C& c) { return Whole(c.cadLineWidths[6 - Row]); }
template <int Row>
void TakeLayerWidth(C& c, const std::string& t, const Ctx&) { c.cadLineWidths[6 - Row] = ParseWhole(t); }

// Colour grid: row r holds layer 15 + r.
template <int Row>
std::string ShowColour(const C& c) { return Whole(c.layerColours[Row - 1]); }
template <int Row>
void TakeColour(C& c, const std::string& t, const Ctx&) { c.layerColours[Row - 1] = ParseWhole(t); }
template <int Row>
std::string ShowWidth(const C& c) { return Whole(c.layerLineWidths[Row - 1]); }
template <int Row>
void TakeWidth(C& c, const std::string& t, const Ctx&) { c.layerLineWidths[Row - 1] = ParseWhole(t); }

template <int I>
std::string ShowPlotLine(const C& c) {
  return I < static_cast<int>(c.plotCommandLines.size()) ? Cp850ToUtf8(c.plotCommandLines[I])
                                                          : std::string();
}
// Lines are gathered here; Apply trims the empty ones at the end afterwards.
template <int I>
void TakePlotLine(C& c, const std::string& t, const Ctx&) {
  if (c.plotCommandLines.size() < kMaxPlotCommandLines) c.plotCommandLines.resize(kMaxPlotCommandLines);
  c.plotCommandLines[I] = Utf8ToCp850(t);
}

// 3D view angles: degrees in the dialog, radians in the settings.
template <int I>
std::string ShowAngle(const C& c) {
  const double degrees = c.defaultAngles3d[I] * 180.0 / std::numbers::pi;
  return DialogReal(std::round(degrees * 1e4) / 1e4);
}
template <int I>
void TakeAngle(C& c, const std::string& t, const Ctx&) {
  c.defaultAngles3d[I] = ParseReal(t) * std::numbers::pi / 180.0;
}

// --- the special ones ---------------------------------------------------------------

// The drawing area is shown as its size; 0 (or 1) asks for the screen less the frame.
std::string ShowAreaX(const C& c) { return Whole(c.drawingAreaX + 1); }
std::string ShowAreaY(const C& c) { return Whole(c.drawingAreaY + 1); }
void TakeAreaX(C& c, const std::string& t, const Ctx& x) {
  const int v = std::clamp(ParseWhole(t) - 1, 0, 5000);
  c.drawingAreaX = v == 0 ? x.screen.width - 9 : v;
}
void TakeAreaY(C& c, const std::string& t, const Ctx& x) {
  const int v = std::clamp(ParseWhole(t) - 1, 0, 5000);
  c.drawingAreaY = v == 0 ? x.screen.height - 91 : v;
}

std::string ShowDecimals(const C& c) { return Whole(c.format.decimals); }
void TakeDecimals(C& c, const std::string& t, const Ctx&) { c.format.decimals = ParseWhole(t); }
std::string ShowUnits(const C& c) { return c.format.units == UnitSystem::English ? "1" : "0"; }
void TakeUnits(C& c, const std::string& t, const Ctx&) {
  c.format.units = t == "1" ? UnitSystem::English : UnitSystem::Metric;
}
std::string ShowChars(const C& c) { return c.format.asciiSpecial ? "1" : "0"; }
void TakeChars(C& c, const std::string& t, const Ctx&) { c.format.asciiSpecial = t == "1"; }

// The report device is the position of the combo box's name, 1..7; a device beyond
// the list (8, 9 from a hand-edited file) stays while the box shows none.
std::string ShowDevice(const C& c) { return Whole(c.textDevice - 1); }
void TakeDevice(C& c, const std::string& t, const Ctx&) {
  const int index = ParseWhole(t);
  if (index >= 0 && index < static_cast<int>(kReportDeviceNames.size())) c.textDevice = index + 1;
}

std::string ShowWindowLeft(const C& c) { return Whole(c.textWindow.left); }
std::string ShowWindowTop(const C& c) { return Whole(c.textWindow.top); }
std::string ShowWindowWidth(const C& c) { return Whole(c.textWindow.width); }
std::string ShowWindowHeight(const C& c) { return Whole(c.textWindow.height); }
void TakeWindowLeft(C& c, const std::string& t, const Ctx&) { c.textWindow.left = ParseWhole(t); }
void TakeWindowTop(C& c, const std::string& t, const Ctx&) { c.textWindow.top = ParseWhole(t); }
void TakeWindowWidth(C& c, const std::string& t, const Ctx&) { c.textWindow.width = ParseWhole(t); }
void TakeWindowHeight(C& c, const std::string& t, const Ctx&) { c.textWindow.height = ParseWhole(t); }

void TakeDialogScale(C& c, const std::string& t, const Ctx&) {
  const int v = ParseWhole(t);
  c.dialogScale = v == 0 ? 100 : v;
}
void TakeElementScale(C& c, const std::string& t, const Ctx&) {
  const int v = ParseWhole(t);
  c.dialogElementScale = v == 0 ? 100 : v;
}
void TakeDimensionFactor(C& c, const std::string& t, const Ctx&) {
  const double v = ParseReal(t);
  c.dimensionSizeFactor = v < 0.01 ? 1.0 : v;
}
void TakeCadTextStyle(C& c, const std::string& t, const Ctx&) {
  c.cadTextStyle = Utf8ToCp850(t).substr(0, 32);
}
void TakeGraphicsFont(C& c, const std::string& t, const Ctx&) {
  c.graphicsFont = Utf8ToCp850(t).substr(0, 60);
}
void TakePrintoutFont(C& c, const std::string& t, const Ctx&) {
  c.printoutFont = Utf8ToCp850(t).substr(0, 60);
}

// Fewer lines per page would read back as 66 after a restart.
constexpr int kMinLinesPerPage = 5;

// --- items ---------------------------------------------------------------------------

constexpr std::array<std::string_view, 2> kColourMono{"Farbe", "monochrom"};
constexpr std::array<std::string_view, 3> kTextType{"OEM (ASCII)", "ANSI",
                                                    "Ä->Ae, ß->ss..."};
constexpr std::array<std::string_view, 2> kPrintMono{"Monochrom", "Farbe / Graustufen"};
constexpr std::array<std::string_view, 2> kOrientation{"Hochformat", "Querformat"};
constexpr std::array<std::string_view, 4> kPorts{"LPT1", "LPT2", "LPT3", "LPT4"};
constexpr std::array<std::string_view, 4> kSeparators{
    "Trennlinien  ---- ====  ****", "Trennlinien  ──── ════  ", "Leerzeichen und Leerzeilen",
    "komprimiert, ohne Trennzeilen"};
constexpr std::array<std::string_view, 4> kDates{"DD.MM.YYYY", "MM/DD/YYYY", "YYYY/MM/DD",
                                                 "DD/MM/YYY"};
constexpr std::array<std::string_view, 2> kUnits{"Metrisch (mm, N, MPa)", "Englisch (in, lbf, psi)"};
constexpr std::array<std::string_view, 2> kAngles{"15.1234°", "15° 7' 26\""};
constexpr std::array<std::string_view, 2> kHeader{"mit Kopf", "Kopf nur 1.Seite"};
constexpr std::array<std::string_view, 3> kHelpLevels{"0 : Keine Info nach Eingabe",
                                                      "1 : Normale Einstellung",
                                                      "2 : Erweiterte Hilfe, Einzeleingabe"};
constexpr std::array<std::string_view, 2> kDot{"x.xx", "x,xx"};
constexpr std::array<std::string_view, 2> kExcelDot{"Englisch x.xx", "Deutsch x,xx"};
constexpr std::array<std::string_view, 2> kChars{"²  µ  °", "2  u  deg"};
constexpr std::array<std::string_view, 6> kResultGraphic{
    "egal", "Quick 1", "Quick 2", "Fertigungszeichnung", "Diagramm", "Zeichnung"};
constexpr std::array<std::string_view, 4> kIndex{"a,b,c...", "1,2,3...", "A,B,C...", "......"};

// --- rows -----------------------------------------------------------------------------

ConfigurationControl Row(std::string_view name, std::string_view page, ControlKind kind,
                         std::string_view caption, int entry,
                         std::string (*show)(const C&),
                         void (*take)(C&, const std::string&, const Ctx&)) {
  ConfigurationControl c{};
  c.name = name;
  c.page = page;
  c.kind = kind;
  c.caption = caption;
  c.entry = entry;
  c.show = show;
  c.take = take;
  return c;
}
ConfigurationControl Tip(ConfigurationControl c, int tooltip, bool always = false) {
  c.tooltip = tooltip;
  c.tooltipAlways = always;
  return c;
}
ConfigurationControl Proposed(ConfigurationControl c, std::string_view proposal) {
  c.proposal = proposal;
  return c;
}
ConfigurationControl Items(ConfigurationControl c, std::span<const std::string_view> items) {
  c.items = items;
  return c;
}
ConfigurationControl Bounds(ConfigurationControl c, int low, int high) {
  c.low = low;
  c.high = high;
  return c;
}
ConfigurationControl Ranged(ConfigurationControl c, NumberRange range) {
  c.range = range;
  return c;
}
ConfigurationControl Length(ConfigurationControl c, int maxLength) {
  c.maxLength = maxLength;
  return c;
}
ConfigurationControl Cell(std::string_view name, std::string_view grid, int row, int column,
                          ControlKind kind, int entry, std::string (*show)(const C&),
                          void (*take)(C&, const std::string&, const Ctx&)) {
  ConfigurationControl c = Row(name, grid == "ListBox_plotrix" ? "Tab_extern"
                                     : grid == "StringGrid_layer" ? "Tab_cad"
                                                                  : "Tab_color",
                               kind, grid, entry, show, take);
  c.grid = grid;
  c.row = row;
  c.column = column;
  return c;
}

template <int R>
void LayerRow(std::vector<ConfigurationControl>& rows) {
  static const std::string names[3] = {
      "StringGrid_layer[" + std::to_string(R) + ",0]",
      "StringGrid_layer[" + std::to_string(R) + ",1]",
      "StringGrid_layer[" + std::to_string(R) + ",2]"};
  rows.push_back(Length(Cell(names[0], "StringGrid_layer", R, 0, K::Cell, 6 - R, ShowLayerName<R>,
                             TakeLayerName<R>),
                        32));
  rows.push_back(Bounds(Cell(names[1], "StringGrid_layer", R, 1, K::Cell, 6 - R,
                             ShowLayerColour<R>, TakeLayerColour<R>),
                        1, 16));
  rows.push_back(Bounds(Cell(names[2], "StringGrid_layer", R, 2, K::Cell, 79, ShowLayerWidth<R>,
                             TakeLayerWidth<R>),
                        1, 255));
}

template <int R>
void ColourRow(std::vector<ConfigurationControl>& rows) {
  static const std::string names[2] = {"StringGrid_color[" + std::to_string(R) + ",0]",
                                       "StringGrid_color[" + std::to_string(R) + ",1]"};
  rows.push_back(Bounds(Cell(names[0], "StringGrid_color", R, 0, K::Cell, 38 + R, ShowColour<R>,
                             TakeColour<R>),
                        1, 16));
  rows.push_back(Bounds(Cell(names[1], "StringGrid_color", R, 1, K::Cell, 96, ShowWidth<R>,
                             TakeWidth<R>),
                        1, 255));
}

template <int... R>
void LayerRows(std::vector<ConfigurationControl>& rows, std::integer_sequence<int, R...>) {
  (LayerRow<R + 1>(rows), ...);
}
template <int... R>
void ColourRows(std::vector<ConfigurationControl>& rows, std::integer_sequence<int, R...>) {
  (ColourRow<R + 1>(rows), ...);
}
template <int... I>
void PlotLines(std::vector<ConfigurationControl>& rows, std::integer_sequence<int, I...>) {
  static const std::string names[] = {("ListBox_plotrix[" + std::to_string(I) + "]")...};
  (rows.push_back(Length(Cell(names[I], "ListBox_plotrix", I, 0, K::Line, I == 0 ? 33 : 64,
                              ShowPlotLine<I>, TakePlotLine<I>),
                         80)),
   ...);
}

std::vector<ConfigurationControl> BuildControls() {
  std::vector<ConfigurationControl> r;
  // Tab_dir
  const auto dir = [&r](std::string_view name, std::string_view caption, int entry,
                        std::string (*show)(const C&), void (*take)(C&, const std::string&, const Ctx&),
                        int tip) { r.push_back(Tip(Row(name, "Tab_dir", K::Text, caption, entry, show, take), tip)); };
  dir("Edit_dirdbf", "Ordner für Datenbankdateien (dbf)", 10, ShowText<&C::dbfFolder>,
      TakeText<&C::dbfFolder>, 1600);
  dir("Edit_direxe", "MORVANE-Programm-Ordner", 32, ShowText<&C::programFolder>,
      TakeText<&C::programFolder>, 1830);
  dir("Edit_dirplt", "Hilfebilder(plt), Hilfetext(hlp), Demoskript(dem)", 27,
      ShowText<&C::pltFolder>, TakeText<&C::pltFolder>, 1590);
  dir("Edit_dirtemp", "Temporärer Ordner", 24, ShowText<&C::temporaryFolder>,
      TakeText<&C::temporaryFolder>, 1610);
  dir("Edit_diredi", "EDI Ordner", 26, ShowText<&C::ediFolder>, TakeText<&C::ediFolder>, 1595);
  dir("Edit_dirdata", ".zt6 Ordner", 74, ShowText<&C::defaultDataFolder>,
      TakeText<&C::defaultDataFolder>, 1615);
  dir("Edit_dircad", "CAD Ordner", 9, ShowText<&C::cadFolder>, TakeText<&C::cadFolder>, 1570);

  // Tab_grafik
  const std::string_view g = "Tab_grafik";
  r.push_back(Length(Row("Edit_font", g, K::Text, "Schrift", 38, ShowText<&C::graphicsFont>,
                         TakeGraphicsFont),
                     60));
  r.push_back(Row("Label_hstyle", g, K::Shown, "Stil", 87, ShowWhole<&C::graphicsFontStyle>,
                  TakeWhole<&C::graphicsFontStyle>));
  r.push_back(Row("Panel_colour", g, K::Colour, "Hintergrundfarbe", 34,
                  ShowWhole<&C::backgroundColour>, TakeWhole<&C::backgroundColour>));
  r.push_back(Tip(Row("Edit_x", g, K::Whole, "x", 22, ShowAreaX, TakeAreaX), 1710));
  r.push_back(Tip(Row("Edit_y", g, K::Whole, "y", 23, ShowAreaY, TakeAreaY), 1710));
  r.push_back(Tip(Items(Row("RadioGroup_bildschirmgrafik", g, K::Radio, "Farbgrafik", 18,
                            ShowDrawn<&C::colourGraphics>, TakeDrawn<&C::colourGraphics>),
                        kColourMono),
                  1670));
  r.push_back(Ranged(Tip(Proposed(Row("Edit_zoomfaktor", g, K::Real, "Zoomfaktor", 30,
                               ShowReal<&C::zoomFactor>, TakeFactorNotZero<&C::zoomFactor>),
                           "1.02"),
                  1800), NumberRange::NotNegative()));
  r.push_back(Ranged(Tip(Proposed(Row("Edit_panfaktor", g, K::Real, "Pan-Faktor", 31,
                               ShowReal<&C::panFactor>, TakeReal<&C::panFactor>),
                           "0.02"),
                  1810), NumberRange::Positive()));
  r.push_back(Row("CheckBox_umrandung", g, K::Check, "Umrandung", 61, ShowCheck<&C::printBorder>,
                  TakeCheck<&C::printBorder>));
  r.push_back(Ranged(Tip(Proposed(Row("Edit_textbreitenfaktor", g, K::Real, "Textbreitenfaktor", 37,
                               ShowReal<&C::graphicsTextWidthFactor>,
                               TakeFactorNotZero<&C::graphicsTextWidthFactor>),
                           "0.8"),
                  1730), NumberRange::NotNegative()));
  r.push_back(Ranged(Tip(Proposed(Row("Edit_texthoehenfaktor", g, K::Real, "Texthöhenfaktor", 75,
                               ShowReal<&C::textHeightFactor>,
                               TakeFactorNotZero<&C::textHeightFactor>),
                           "1"),
                  1730), NumberRange::NotNegative()));
  r.push_back(Tip(Bounds(Row("SpinEdit_dialogfenster", g, K::Spin, "Dialogfenster Größe%", 76,
                             ShowWhole<&C::dialogScale>, TakeDialogScale),
                         30, 300),
                  1725));
  r.push_back(Tip(Bounds(Row("SpinEdit_dialogelemente", g, K::Spin, "Dialogelemente Größe%", 98,
                             ShowWhole<&C::dialogElementScale>, TakeElementScale),
                         30, 300),
                  1725));
  r.push_back(Row("CheckBox_3dxyz", g, K::Check, "3D Edit x,y,z", 89, ShowCheck<&C::editAngles3d>,
                  TakeCheck<&C::editAngles3d>));
  r.push_back(Row("Edit_3dx", g, K::Real, "x °", 90, ShowAngle<0>, TakeAngle<0>));
  r.push_back(Row("Edit_3dy", g, K::Real, "y °", 90, ShowAngle<1>, TakeAngle<1>));
  r.push_back(Row("Edit_3dz", g, K::Real, "z °", 90, ShowAngle<2>, TakeAngle<2>));

  // Tab_cad
  const std::string_view cad = "Tab_cad";
  r.push_back(Tip(Length(Row("Edit_cadfont", cad, K::Text, "Textstil", 6,
                             ShowText<&C::cadTextStyle>, TakeCadTextStyle),
                         32),
                  1720));
  r.push_back(Ranged(Tip(Proposed(Row("Edit_cadtextbreite", cad, K::Real, "Textbreitenfaktor", 7,
                               ShowReal<&C::cadTextWidthFactor>,
                               TakeFactorNotZero<&C::cadTextWidthFactor>),
                           "1"),
                  1730), NumberRange::NotNegative()));
  r.push_back(Tip(Proposed(Row("Edit_cadtextwinkel", cad, K::Real, "Textwinkel", 8,
                               ShowReal<&C::cadTextAngle>, TakeReal<&C::cadTextAngle>),
                           "0"),
                  1740));
  r.push_back(Tip(Row("CheckBox_diagrammgrenzen", cad, K::Check, "Diagrammgrenzen abfragen", 72,
                      ShowCheck<&C::askDiagramLimits>, TakeCheck<&C::askDiagramLimits>),
                  1960));
  r.push_back(Tip(Proposed(Bounds(Row("SpinEdit_dxfdec", cad, K::Spin,
                                      "Anzahl der Dezimalstellen DXF, TXT", 94,
                                      ShowWhole<&C::cadDecimals>, TakeWhole<&C::cadDecimals>),
                                  3, 16),
                           "6"),
                  1980));
  r.push_back(Items(Row("radiogroupcadtexttyp", cad, K::Radio, "Textart", 95,
                        ShowIndex<&C::cadTextMode, 1>, TakeIndex<&C::cadTextMode, 1>),
                    kTextType));
  LayerRows(r, std::make_integer_sequence<int, 5>{});
  r.push_back(Tip(Row("CheckBox_layermonochrom", cad, K::Check, "Layer Monochrom ?", 36,
                      ShowCheck<&C::layerMonochrome>, TakeCheck<&C::layerMonochrome>),
                  1585));

  // Tab_color
  ColourRows(r, std::make_integer_sequence<int, 16>{});

  // Tab_drucker
  const std::string_view pr = "Tab_drucker";
  r.push_back(Proposed(Row("Edit_printxorigin", pr, K::Whole, "x", 58,
                           ShowWhole<&C::printOriginX>, TakeWhole<&C::printOriginX>),
                       "0"));
  r.push_back(Proposed(Row("Edit_printyorigin", pr, K::Whole, "y", 59,
                           ShowWhole<&C::printOriginY>, TakeWhole<&C::printOriginY>),
                       "0"));
  r.push_back(Ranged(Proposed(Row("Edit_printscale", pr, K::Real, "Maßstab x", 60,
                           ShowReal<&C::printScaleX>, TakeReal<&C::printScaleX>),
                       "1.0"), NumberRange::Positive()));
  r.push_back(Ranged(Row("Edit_printscaley", pr, K::Real, "Maßstab y", 78, ShowReal<&C::printScaleY>,
                  TakeReal<&C::printScaleY>), NumberRange::Positive()));
  r.push_back(Items(Row("RadioGroup_printmono", pr, K::Radio, "Schattierung", 35,
                        ShowIndex<&C::printMode, 1>, TakeIndex<&C::printMode, 1>),
                    kPrintMono));
  r.push_back(Items(Row("RadioGroup_orientation", pr, K::Radio, "Ausdruck", 88,
                        ShowIndex<&C::printOrientation, 1>, TakeIndex<&C::printOrientation, 1>),
                    kOrientation));
  r.push_back(Row("CheckBox_printerDialogbox", pr, K::Check, "Ausgabeformat abfragen", 80,
                  ShowCheck<&C::askGraphicPrintFormat>, TakeCheck<&C::askGraphicPrintFormat>));

  // Tab_textdruck
  const std::string_view td = "Tab_textdruck";
  r.push_back(Items(Row("RadioGroup_lpt", td, K::Radio, "Druckerschnittstelle für Textausdruck",
                        12, ShowIndex<&C::printerPort, 1>, TakeIndex<&C::printerPort, 1>),
                    kPorts));
  r.push_back(Items(Row("RadioGroup_trenn", td, K::Radio, "Form der Trennzeilen im Ausdruck", 28,
                        ShowIndex<&C::separatorStyle, 1>, TakeIndex<&C::separatorStyle, 1>),
                    kSeparators));
  r.push_back(Bounds(Row("SpinEdit_linesperpage", td, K::Spin,
                         "Max. Anzahl Zeilen/Seite auf dem Ausdruck", 29,
                         ShowWhole<&C::linesPerPage>, TakeWhole<&C::linesPerPage>),
                     kMinLinesPerPage, 999));
  r.push_back(Bounds(Row("SpinEdit_spacelines", td, K::Spin, "Leerzeilen am Seitenanfang", 68,
                         ShowWhole<&C::headerSpaceLines>, TakeWhole<&C::headerSpaceLines>),
                     0, 30));
  r.push_back(Items(Row("RadioGroup_date", td, K::Radio, "Datum", 67,
                        ShowFormatIndex<&FormatSettings::dateCode, 1>,
                        TakeFormatIndex<&FormatSettings::dateCode, 1>),
                    kDates));
  r.push_back(Items(Row("ComboBox_ausdruckdefault", td, K::Combo, "Ausgabeformat", 69, ShowDevice,
                        TakeDevice),
                    kReportDeviceNames));
  r.push_back(Row("CheckBox_ausdruckshowdialog", td, K::Check, "Ausgabeformat abfragen", 70,
                  ShowCheck<&C::askTextDevice>, TakeCheck<&C::askTextDevice>));
  r.push_back(Row("Edit_left", td, K::Whole, "links", 81, ShowWindowLeft, TakeWindowLeft));
  r.push_back(Row("Edit_top", td, K::Whole, "oben", 81, ShowWindowTop, TakeWindowTop));
  r.push_back(Row("Edit_width", td, K::Whole, "Breite", 81, ShowWindowWidth, TakeWindowWidth));
  r.push_back(Row("Edit_height", td, K::Whole, "Höhe", 81, ShowWindowHeight, TakeWindowHeight));
  r.push_back(Items(Row("RadioGroup_unit", td, K::Radio, "Einheit", 82, ShowUnits, TakeUnits),
                    kUnits));
  r.push_back(Items(Row("RadioGroup_ausgrad", td, K::Radio, " Winkel ", 99,
                        ShowIndex<&C::angleFormat, 1>, TakeIndex<&C::angleFormat, 1>),
                    kAngles));
  r.push_back(Items(Row("RadioGroup_ff", td, K::Radio, "Textausdruck", 83,
                        ShowIndex<&C::headerMode, 1>, TakeIndex<&C::headerMode, 1>),
                    kHeader));
  r.push_back(Row("Label_courier", td, K::Shown, "Schrift", 84, ShowText<&C::printoutFont>,
                  TakePrintoutFont));
  r.push_back(Row("Label_couriersize", td, K::Shown, "Größe", 85,
                  ShowWhole<&C::printoutFontSize>, TakeWhole<&C::printoutFontSize>));
  r.push_back(Row("Label_courierstyle", td, K::Shown, "Stil", 86,
                  ShowWhole<&C::printoutFontStyle>, TakeWhole<&C::printoutFontStyle>));

  // Tab_einstellung
  const std::string_view st = "Tab_einstellung";
  r.push_back(Tip(Items(Row("RadioGroup_hilfegrad", st, K::Radio, "Hilfegrad", 11,
                            ShowIndex<&C::helpLevel, 0>, TakeIndex<&C::helpLevel, 0>),
                        kHelpLevels),
                  1580));
  r.push_back(Tip(Row("CheckBox_usereingabe", st, K::Check, "Usereingabe bei Programmstart", 63,
                      ShowCheck<&C::askUserDirectory>, TakeCheck<&C::askUserDirectory>),
                  1500));
  r.push_back(Tip(Items(Row("RadioGroup_punktkomma", st, K::Radio, "Dezimalzeichen", 73,
                            ShowFormatIndex<&FormatSettings::decimalSeparator, 1>,
                            TakeFormatIndex<&FormatSettings::decimalSeparator, 1>),
                        kDot),
                  1755));
  r.push_back(Items(Row("RadioGroup_ExcelDot", st, K::Radio, "Dezimalzeichen Excel", 92,
                        ShowIndex<&C::spreadsheetSeparator, 1>,
                        TakeIndex<&C::spreadsheetSeparator, 1>),
                    kExcelDot));
  r.push_back(Tip(Bounds(Row("SpinEdit_dezimalstellen", st, K::Spin, "Anzahl der Dezimalstellen",
                             16, ShowDecimals, TakeDecimals),
                         3, 6),
                  1750));
  r.push_back(Tip(Row("CheckBox_archivmode", st, K::Check, "Archivierungsmodus ?", 65,
                      ShowCheck<&C::archiveMode>, TakeCheck<&C::archiveMode>),
                  2530));
  r.push_back(Items(Row("RadioGroup_chars", st, K::Radio, "Sonderzeichen", 97, ShowChars,
                        TakeChars),
                    kChars));
  r.push_back(Tip(Items(Row("RadioGroup_ergebnisgrafik", st, K::Radio, "Ergebnisgrafik", 103,
                            ShowIndex<&C::resultGraphic, 0>, TakeIndex<&C::resultGraphic, 0>),
                        kResultGraphic),
                  2820, true));

  // Tab_extern
  const std::string_view ex = "Tab_extern";
  r.push_back(Tip(Row("Edit_externtxt", ex, K::Text, "Textprogramm", 55,
                      ShowText<&C::textProgram>, TakeText<&C::textProgram>),
                  2500, true));
  r.push_back(Row("Edit_externhtml", ex, K::Text, "HTML Browser", 77, ShowText<&C::htmlBrowser>,
                  TakeText<&C::htmlBrowser>));
  PlotLines(r, std::make_integer_sequence<int, static_cast<int>(kMaxPlotCommandLines)>{});

  // Tab_zeichnung: a ticked box draws the item.
  const std::string_view zd = "Tab_zeichnung";
  r.push_back(Row("CheckBox_zeichmorvanetitel", zd, K::Check, "MORVANE ZT6", 104,
                  ShowDrawn<&C::omitTitleLine>, TakeDrawn<&C::omitTitleLine>));
  r.push_back(Row("CheckBox_zeichfilename", zd, K::Check, "Dateiname ?", 105,
                  ShowDrawn<&C::omitFileName>, TakeDrawn<&C::omitFileName>));
  r.push_back(Row("CheckBox_zeichdatum", zd, K::Check, "Datum ?", 106, ShowDrawn<&C::omitDate>,
                  TakeDrawn<&C::omitDate>));
  r.push_back(Row("CheckBox_zeichlogo", zd, K::Check, "$logo_1.dx$ ?", 107,
                  ShowDrawn<&C::omitLogo>, TakeDrawn<&C::omitLogo>));
  r.push_back(Proposed(Row("Edit_freigabefeld", zd, K::Text, "Freigabefeld", 93,
                           ShowText<&C::releaseFieldText>, TakeText<&C::releaseFieldText>),
                       "Frei"));
  r.push_back(Ranged(Proposed(Row("Edit_massfaktorconfig", zd, K::Real, "Größenfaktor Bemaßung", 100,
                           ShowReal<&C::dimensionSizeFactor>, TakeDimensionFactor),
                       "1.0"), NumberRange::NotNegative()));
  r.push_back(Items(Row("RadioGroup_index", zd, K::Radio, "Index", 91,
                        ShowIndex<&C::changeIndexStyle, 0>, TakeIndex<&C::changeIndexStyle, 0>),
                    kIndex));
  return r;
}

constexpr std::array<ConfigurationPage, 9> kPages{{
    {"Tab_dir", "Verzeichnisse", 1600},
    {"Tab_grafik", "Grafik", 1940},
    {"Tab_cad", "CAD", 1920},
    {"Tab_color", "Farbe", 1555},
    {"Tab_drucker", "Drucker", 1935},
    {"Tab_textdruck", "Ausdruck", 1930},
    {"Tab_einstellung", "Einstellungen", 1580},
    {"Tab_extern", "Extern", 2500},
    {"Tab_zeichnung", "Zeichnung", 1920},
}};

constexpr std::array<std::string_view, 5> kLayerRows{
    "Ausgezogene  Linie   0.50 mm", "Ausgezogene  Linie   0.35 mm",
    "Ausgezogene  Linie   0.25 mm", "Gestrichelte Linie   0.25 mm",
    "Mittellinie          0.25 mm"};

}  // namespace

std::span<const ConfigurationControl> ConfigurationControls() {
  static const std::vector<ConfigurationControl> controls = BuildControls();
  return controls;
}

const ConfigurationControl* FindConfigurationControl(std::string_view name) {
  for (const ConfigurationControl& c : ConfigurationControls())
    if (c.name == name) return &c;
  return nullptr;
}

std::span<const ConfigurationPage> ConfigurationPages() { return kPages; }

std::string ColourRowCaption(int layer, int colour, const Vocabulary& words) {
  const std::string name = CadColourName(colour);
  return Cp850ToUtf8(words["Farbe für Layer "]) + std::to_string(layer) + " (" +
         Cp850ToUtf8(name.empty() ? name : words[Cp850ToUtf8(name)]) + ")";
}

std::span<const std::string_view> LayerRowCaptions() { return kLayerRows; }

std::string DialogReal(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace zt6
