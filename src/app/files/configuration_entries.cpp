#include "app/files/configuration_entries.h"

#include <array>
#include <type_traits>
#include <utility>

#include "base/file_numbers.h"

namespace zt6 {

namespace {

using C = Configuration;
using F = FormatSettings;

constexpr std::size_t kNameLength = 32;
constexpr std::size_t kFontLength = 60;
constexpr std::size_t kWhole = std::numeric_limits<std::size_t>::max();
// Factors too small to survive the file's fixed decimals count as zero, so a value
// reads back the same after it was written.
constexpr double kSmallestFactor = 1e-4;
constexpr bool kTrueUnlessFalse = true;

template <typename T>
struct OwnerOf;
template <typename T, typename O>
struct OwnerOf<T O::*> {
  using Type = O;
};

// Member M of the configuration or of its number format; element I when M is an array.
template <auto M, std::size_t I, typename Config>
auto& Setting(Config& c) {
  auto& member = [&c]() -> auto& {
    if constexpr (std::is_same_v<typename OwnerOf<decltype(M)>::Type, F>) {
      return c.format.*M;
    } else {
      return c.*M;
    }
  }();
  if constexpr (I == kWhole) {
    return member;
  } else {
    return member[I];
  }
}

template <typename T, auto M, std::size_t I>
constexpr SettingAccess<T> AccessTo() {
  return {[](const C& c) -> T { return Setting<M, I>(c); },
          [](C& c, T value) { Setting<M, I>(c) = std::move(value); }};
}

// --- corrections when read ---------------------------------------------------------

constexpr WholeRule ZeroBecomes(std::int32_t replacement) {
  return {.zeroUnset = true, .replacement = replacement};
}
constexpr WholeRule Within(std::int32_t low, std::int32_t high, std::int32_t replacement) {
  return {.low = low, .high = high, .replacement = replacement};
}
// Negative values stay.
constexpr WholeRule ZeroOrAbove(std::int32_t high, std::int32_t replacement) {
  return {.high = high, .zeroUnset = true, .replacement = replacement};
}
constexpr WholeRule Below(std::int32_t low, std::int32_t replacement) {
  return {.low = low, .replacement = replacement};
}
constexpr RealRule ZeroBecomes(double replacement) {
  return {.below = kSmallestFactor, .magnitude = true, .replacement = replacement};
}
constexpr RealRule Below(double low, double replacement) {
  return {.below = low, .replacement = replacement};
}

// --- entries -------------------------------------------------------------------------

constexpr ConfigurationEntry Text(int since, std::string_view label,
                                  SettingAccess<std::string> access, std::string_view initial,
                                  std::size_t width = kAnyWidth,
                                  EmptyText empty = EmptyText::Empty) {
  return {label, since, TextEntry{access, initial, width, empty}};
}
template <auto M, std::size_t I = kWhole>
constexpr ConfigurationEntry Text(int since, std::string_view label, std::string_view initial,
                                  std::size_t width = kAnyWidth,
                                  EmptyText empty = EmptyText::Empty) {
  return Text(since, label, AccessTo<std::string, M, I>(), initial, width, empty);
}

constexpr ConfigurationEntry Integer(int since, std::string_view label,
                                     SettingAccess<std::int32_t> access, std::int32_t initial,
                                     WholeRule rule = {}) {
  return {label, since, IntegerEntry{access, initial, rule}};
}
template <auto M, std::size_t I = kWhole>
constexpr ConfigurationEntry Integer(int since, std::string_view label, std::int32_t initial,
                                     WholeRule rule = {}) {
  return Integer(since, label, AccessTo<std::int32_t, M, I>(), initial, rule);
}

constexpr ConfigurationEntry Real(int since, std::string_view label,
                                  SettingAccess<double> access, double initial,
                                  RealRule rule = {}) {
  return {label, since, RealEntry{access, initial, rule}};
}
template <auto M, std::size_t I = kWhole>
constexpr ConfigurationEntry Real(int since, std::string_view label, double initial,
                                  RealRule rule = {}) {
  return Real(since, label, AccessTo<double, M, I>(), initial, rule);
}

constexpr ConfigurationEntry Boolean(int since, std::string_view label,
                                     SettingAccess<bool> access, bool initial,
                                     bool trueUnlessFalse = false) {
  return {label, since, BooleanEntry{access, initial, trueUnlessFalse}};
}
template <auto M>
constexpr ConfigurationEntry Boolean(int since, std::string_view label, bool initial,
                                     bool trueUnlessFalse = false) {
  return Boolean(since, label, AccessTo<bool, M, kWhole>(), initial, trueUnlessFalse);
}

constexpr SettingAccess<bool> kUnused{[](const C&) { return false; }, [](C&, bool) {}};
// Kept in its place, written as FALSE; what it holds is not read.
constexpr ConfigurationEntry Reserved(int since) {
  return Boolean(since, "reserved", kUnused, false);
}

constexpr ConfigurationEntry PlotLines(int since, std::string_view label) {
  return {label, since, PlotLinesEntry{}};
}

constexpr ConfigurationEntry WhileInFile(ConfigurationEntry entry) {
  entry.onlyWhileInFile = true;
  return entry;
}
constexpr ConfigurationEntry WhenOlderFileEndsHere(ConfigurationEntry entry,
                                                   void (*change)(Configuration&)) {
  entry.olderFile = change;
  return entry;
}

// --- settings held in another form than the file's ---------------------------------

// "J" or "N"; a line break in its place would shift every entry after it.
constexpr SettingAccess<std::string> kHardcopyRotated{
    [](const C& c) {
      const char rotated = c.hardcopyRotated;
      return rotated == '\0' || rotated == '\r' || rotated == '\n' ? std::string("N")
                                                                   : std::string(1, rotated);
    },
    [](C& c, std::string line) { c.hardcopyRotated = line.empty() ? 'N' : line.front(); }};

// An empty line keeps the line held.
constexpr SettingAccess<std::string> kFirstPlotLine{
    [](const C& c) {
      return c.plotCommandLines.empty() ? std::string(kDefaultPlotCommandLine)
                                        : c.plotCommandLines.front();
    },
    [](C& c, std::string line) {
      if (c.plotCommandLines.empty()) c.plotCommandLines.emplace_back(kDefaultPlotCommandLine);
      if (!line.empty()) c.plotCommandLines[0] = std::move(line);
    }};

// 0 sets both print scales to 1.
constexpr SettingAccess<double> kPrintScaleX{
    [](const C& c) { return c.printScaleX; },
    [](C& c, double scale) {
      c.printScaleX = scale;
      if (scale == 0.0) c.printScaleX = c.printScaleY = 1.0;
    }};
// Next to nothing takes the horizontal scale.
constexpr SettingAccess<double> kPrintScaleY{
    [](const C& c) { return c.printScaleY; },
    [](C& c, double scale) { c.printScaleY = scale < 0.0001 ? c.printScaleX : scale; }};

// "left|top|width|height|"; taken only when width and height are both set.
constexpr SettingAccess<std::string> kTextWindow{
    [](const C& c) {
      const TextWindowPlace& t = c.textWindow;
      return std::to_string(t.left) + "|" + std::to_string(t.top) + "|" +
             std::to_string(t.width) + "|" + std::to_string(t.height) + "|";
    },
    [](C& c, std::string text) {
      std::string_view line = text;
      std::array<int, 4> v{};
      for (int& field : v) {
        const std::size_t bar = line.find('|');
        field = ReadFileInteger(line.substr(0, bar));
        line = bar == std::string_view::npos ? std::string_view{} : line.substr(bar + 1);
      }
      if (v[2] != 0 && v[3] != 0) c.textWindow = {v[0], v[1], v[2], v[3]};
    }};

constexpr SettingAccess<std::int32_t> kEnglishUnits{
    [](const C& c) { return c.format.units == UnitSystem::English ? 1 : 0; },
    [](C& c, std::int32_t code) {
      c.format.units = code == 1 ? UnitSystem::English : UnitSystem::Metric;
    }};
constexpr SettingAccess<std::int32_t> kAsciiSpecial{
    [](const C& c) { return c.format.asciiSpecial ? 1 : 0; },
    [](C& c, std::int32_t code) { c.format.asciiSpecial = code == 1; }};

// Files of this age had one text width factor and no font choice.
void OneWidthFactorAndNoFont(Configuration& c) {
  c.graphicsTextWidthFactor = c.cadTextWidthFactor;
  c.graphicsFont = "Arial";
}

// Columns: the file generation that added the entry, its label, then the setting's
// default and the correction when read. Each generation's files end right before the
// next generation's first entry.
constexpr std::array kEntries = {
    Text<&C::cadLayerNames, 0>(1, "Layer", "1", kNameLength),
    Integer<&C::cadLayerColours, 0>(1, "Farbe", 2),
    Text<&C::cadLayerNames, 1>(1, "Layer", "2", kNameLength),
    Integer<&C::cadLayerColours, 1>(1, "Farbe", 2),
    Text<&C::cadLayerNames, 2>(1, "Layer", "3", kNameLength),
    Integer<&C::cadLayerColours, 2>(1, "Farbe", 2),
    Text<&C::cadLayerNames, 3>(1, "Layer", "4", kNameLength),
    Integer<&C::cadLayerColours, 3>(1, "Farbe", 3),
    Text<&C::cadLayerNames, 4>(1, "Layer", "5", kNameLength),
    Integer<&C::cadLayerColours, 4>(1, "Farbe", 1),
    Text<&C::cadTextStyle>(1, "Textstil CAD", "TXT8", kNameLength),
    Real<&C::cadTextWidthFactor>(1, "Textbreitenfaktor CAD", 1.0, ZeroBecomes(1.0)),
    Real<&C::cadTextAngle>(1, "Textwinkel", 0.0),
    Text<&C::cadFolder>(1, "CAD Ordner", ""),
    Text<&C::dbfFolder>(1, "DBF Ordner", ""),
    Integer<&C::helpLevel>(1, "Hilfegrad", 1),
    Integer<&C::printerPort>(1, "Druckerschnittstelle", 1, ZeroBecomes(1)),
    Integer<&C::printerType>(2, "Druckertyp", 3),
    Integer<&C::printDensity>(3, "Druckdichte", 1),
    Text(3, "Hardcopy um 90° gedreht ?", kHardcopyRotated, "J"),
    Integer<&F::decimals>(3, "Dezimalstellen", 3, Within(1, 9, 3)),
    Integer<&C::printThicknessVertical>(3, "Druckdicke vertikal", 1, ZeroOrAbove(4, 1)),
    Boolean<&C::colourGraphics>(4, "Farbgrafik", true),
    Real<&C::graphicsCorrectionHorizontal>(4, "GrafikKorrekturFaktor horizontal", 1.0,
                                           ZeroBecomes(1.0)),
    Integer<&C::graphicsMode>(4, "Grafik-Mode", 0),
    Integer<&C::graphicsDriver>(4, "Grafik-Treiber", 0),
    Integer<&C::drawingAreaX>(4, "Auflösung horizontal", 0),
    Integer<&C::drawingAreaY>(4, "Auflösung vertikal", 0),
    Text<&C::temporaryFolder>(4, "Ordner für temporäre Dateien", ""),
    Integer<&C::hardcopyPrinterPort>(4, "Druckerschnittstelle Hardcopy", 1, ZeroBecomes(1)),
    Text<&C::ediFolder>(5, "EDI Ordner", ""),
    Text<&C::pltFolder>(5, "PLT Ordner", ""),
    Integer<&C::separatorStyle>(5, "Mode für Textausdruck 1:* 2:-", 2, ZeroBecomes(1)),
    Integer<&C::linesPerPage>(5, "Zeilen pro Seite für Drucker", 66, Below(5, 66)),
    Real<&C::zoomFactor>(5, "Zoomfaktor", 1.02, ZeroBecomes(1.02)),
    Real<&C::panFactor>(5, "Pan-Faktor", 0.02, ZeroBecomes(0.02)),
    Text<&C::programFolder>(5, "MORVANE-Programmverzeichnis", ""),
    Text(6, "PLOTRIX-Kommandozeile", kFirstPlotLine, kDefaultPlotCommandLine),
    Integer<&C::backgroundColour>(7, "Hintergrundfarbe", 1),
    Integer<&C::printMode>(8, "Windows-Druckmodus (1=mono 2=color)", 1, ZeroBecomes(1)),
    Boolean<&C::layerMonochrome>(9, "Layer Monochrom", false),
    WhenOlderFileEndsHere(Real<&C::graphicsTextWidthFactor>(10, "Textbreitenfaktor Grafik", 0.8,
                                                            ZeroBecomes(0.8)),
                          OneWidthFactorAndNoFont),
    Text<&C::graphicsFont>(10, "Textstil Grafik", "Arial", kFontLength),
    Integer<&C::layerColours, 0>(11, "Color Layer 16", 1, ZeroBecomes(1)),
    Integer<&C::layerColours, 1>(11, "Color Layer 17", 2, ZeroBecomes(1)),
    Integer<&C::layerColours, 2>(11, "Color Layer 18", 3, ZeroBecomes(1)),
    Integer<&C::layerColours, 3>(11, "Color Layer 19", 4, ZeroBecomes(1)),
    Integer<&C::layerColours, 4>(11, "Color Layer 20", 5, ZeroBecomes(1)),
    Integer<&C::layerColours, 5>(11, "Color Layer 21", 6, ZeroBecomes(1)),
    Integer<&C::layerColours, 6>(11, "Color Layer 22", 7, ZeroBecomes(1)),
    Integer<&C::layerColours, 7>(11, "Color Layer 23", 8, ZeroBecomes(1)),
    Integer<&C::layerColours, 8>(11, "Color Layer 24", 9, ZeroBecomes(1)),
    Integer<&C::layerColours, 9>(11, "Color Layer 25", 10, ZeroBecomes(1)),
    Integer<&C::layerColours, 10>(11, "Color Layer 26", 11, ZeroBecomes(1)),
    Integer<&C::layerColours, 11>(11, "Color Layer 27", 12, ZeroBecomes(1)),
    Integer<&C::layerColours, 12>(11, "Color Layer 28", 13, ZeroBecomes(1)),
    Integer<&C::layerColours, 13>(11, "Color Layer 29", 14, ZeroBecomes(1)),
    Integer<&C::layerColours, 14>(11, "Color Layer 30", 15, ZeroBecomes(1)),
    Integer<&C::layerColours, 15>(11, "Color Layer 31", 16, ZeroBecomes(1)),
    Text<&C::textProgram>(12, "Textprogramm", ""),
    Integer<&C::databaseMode>(12, "Datenbank mode", 1),
    Text<&C::externalTableEditor>(12, "externe Datenbank", "C:\\DBFEDIT\\DBFEDIT.EXE"),
    Integer<&C::printOriginX>(13, "Windows Screendump Origin X", 0),
    Integer<&C::printOriginY>(13, "Windows Screendump Origin Y", 0),
    Real(13, "Windows Screendump Scale", kPrintScaleX, 1.0),
    Boolean<&C::printBorder>(13, "Windows Screendump Border ?", false),
    Reserved(14),
    Boolean<&C::askUserDirectory>(14, "Enter Password ?", false),
    PlotLines(15, "PLOTRIX Command lines (n, line 2 .. line n)"),
    Boolean<&C::archiveMode>(15, "Archive Flag ?", false),
    WhileInFile(Reserved(15)),
    WhileInFile(Integer<&F::dateCode>(15, "Date Code", 1, Within(1, 4, 1))),
    WhileInFile(Integer<&C::headerSpaceLines>(15, "Header Space Lines", 0, Within(0, 30, 0))),
    WhileInFile(Integer<&C::textDevice>(15, "Text Device", 1, ZeroOrAbove(9, 1))),
    WhileInFile(Boolean<&C::askTextDevice>(15, "Text Device Window ?", false)),
    WhileInFile(Boolean<&C::smallOnlineWindow>(15, "Small Online Window ?", false)),
    WhileInFile(Boolean<&C::askDiagramLimits>(15, "Enter Diagram Limits ?", false)),
    Integer<&F::decimalSeparator>(15, "Dot=1 Komma=2", 1, ZeroOrAbove(2, 1)),
    Text<&C::defaultDataFolder>(15, "Default Data Directory", "", kAnyWidth,
                                EmptyText::StartFolder),
    WhileInFile(Real<&C::textHeightFactor>(15, "Text Height Factor", 1.0, Below(0.1, 1.0))),
    WhileInFile(
        Integer<&C::dialogScale>(15, "Input Window Scale %", 102, Within(10, 1000, 100))),
    Text<&C::htmlBrowser>(15, "HTML Browser", ""),
    Real(16, "Print Scale Vertical", kPrintScaleY, 1.0),
    Integer<&C::cadLineWidths, 0>(16, "Line thickness Layer 0..5", 3, Within(1, 255, 1)),
    Integer<&C::cadLineWidths, 1>(16, "", 1, Within(1, 255, 1)),
    Integer<&C::cadLineWidths, 2>(16, "", 1, Within(1, 255, 1)),
    Integer<&C::cadLineWidths, 3>(16, "", 1, Within(1, 255, 1)),
    Integer<&C::cadLineWidths, 4>(16, "", 2, Within(1, 255, 1)),
    Integer<&C::cadLineWidths, 5>(16, "", 3, Within(1, 255, 1)),
    Boolean<&C::askGraphicPrintFormat>(16, "Graphic Printout Dialog Box ?", false),
    Text(16, "Text window left/top/width/height", kTextWindow, "0|0|0|0|"),
    Integer(16, "Metric Units=0,  English units=1", kEnglishUnits, 0),
    Integer<&C::headerMode>(16, "printout with header=1, header page 1 only=2", 1,
                            ZeroOrAbove(2, 1)),
    Text<&C::printoutFont>(16, "Text Font Printout", "Courier New", kFontLength,
                           EmptyText::Default),
    Integer<&C::printoutFontSize>(16, "Text Size Printout", 10, ZeroBecomes(10)),
    Integer<&C::printoutFontStyle>(16, "Text Style Printout", 0),
    Integer<&C::graphicsFontStyle>(16, "Text Style Graphics", 0),
    Integer<&C::printOrientation>(16, "Printer: Portrait=1, Landscape=2", 2),
    Boolean<&C::editAngles3d>(16, "Edit 3D x,y,z ?", true, kTrueUnlessFalse),
    Real<&C::defaultAngles3d, 0>(16, "3D - Default x,y,z", 0.0),
    Real<&C::defaultAngles3d, 1>(16, "", 0.0),
    Real<&C::defaultAngles3d, 2>(16, "", 0.0),
    Integer<&C::changeIndexStyle>(16, "", 0),
    Integer<&C::spreadsheetSeparator>(16, "", 2, ZeroBecomes(2)),
    Text<&C::releaseFieldText>(16, "", ""),
    Integer<&C::cadDecimals>(16, "Decimals DXF,TXT", 6, Within(1, 32, 6)),
    // Windows characters unless the configuration names a mode: today's DXF readers take
    // the code page the HEADER declares, and most know no DOS code page.
    Integer<&C::cadTextMode>(16, "CAD Text Mode", 2, ZeroBecomes(2)),
    Integer<&C::layerLineWidths, 0>(16, "Strichstärke Layer 16..31", 1),
    Integer<&C::layerLineWidths, 1>(16, "", 1),
    Integer<&C::layerLineWidths, 2>(16, "", 1),
    Integer<&C::layerLineWidths, 3>(16, "", 1),
    Integer<&C::layerLineWidths, 4>(16, "", 1),
    Integer<&C::layerLineWidths, 5>(16, "", 1),
    Integer<&C::layerLineWidths, 6>(16, "", 1),
    Integer<&C::layerLineWidths, 7>(16, "", 1),
    Integer<&C::layerLineWidths, 8>(16, "", 1),
    Integer<&C::layerLineWidths, 9>(16, "", 1),
    Integer<&C::layerLineWidths, 10>(16, "", 1),
    Integer<&C::layerLineWidths, 11>(16, "", 1),
    Integer<&C::layerLineWidths, 12>(16, "", 1),
    Integer<&C::layerLineWidths, 13>(16, "", 1),
    Integer<&C::layerLineWidths, 14>(16, "", 1),
    Integer<&C::layerLineWidths, 15>(16, "", 1),
    Integer(16, "", kAsciiSpecial, 0),
    Integer<&C::dialogElementScale>(16, "", 100, Within(10, 1000, 100)),
    Integer<&C::angleFormat>(16, "", 2, ZeroOrAbove(2, 2)),
    Real<&C::dimensionSizeFactor>(16, "", 1.0, ZeroBecomes(1.0)),
    Integer<&C::reserved101>(16, "", 0),
    Integer<&C::menuLanguage>(16, "", 0),
    Integer<&C::resultGraphic>(16, "", 0),
    Boolean<&C::omitTitleLine>(16, "", false),
    Boolean<&C::omitFileName>(16, "", false),
    Boolean<&C::omitDate>(16, "", false),
    Boolean<&C::omitLogo>(16, "", false),
};

}  // namespace

std::span<const ConfigurationEntry> ConfigurationEntries() { return kEntries; }

}  // namespace zt6
