#include "app/files/configuration.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <utility>
#include <vector>

#include "base/codepage.h"
#include "base/file_numbers.h"
#include "base/program_identity.h"
#include "base/text_lines.h"
#include "calc/design_record.h"

namespace zt6 {

namespace {

constexpr std::size_t kNameLength = 32;
constexpr std::size_t kFontLength = 60;
constexpr const char* kReservedLabel = "reserved";

int ZeroBecomes(int value, int replacement) { return value == 0 ? replacement : value; }
// Factors too small to survive the file's fixed decimals count as zero, so a value
// reads back the same after it was written.
constexpr double kSmallestFactor = 1e-4;
double ZeroBecomes(double value, double replacement) {
  return std::fabs(value) < kSmallestFactor ? replacement : value;
}
int Within(int value, int low, int high, int replacement) {
  return value < low || value > high ? replacement : value;
}

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
  std::string Text(std::size_t maxLength) { return FitWidth(Value(), maxLength); }
  int Integer() { return ReadFileInteger(Value()); }
  double Real() { return ReadFileReal(Value()); }
  bool Boolean() { return ReadFileBoolean(Value()); }
  bool Ended() const { return lines_.AtEnd(); }
  std::size_t Remaining() const { return total_ - std::min(total_, lines_.LinesRead()); }

 private:
  std::size_t total_;
  LineReader lines_;
};

// Entries in file order; returns early where an older, shorter file ends.
void ReadEntries(EntryReader& r, Configuration& c, std::string_view startDirectory) {
  constexpr std::size_t kAny = std::string::npos;
  r.Label();
  r.Label();
  // Nothing beyond the heading: not a configuration worth taking values from.
  if (r.Ended()) return;

  for (std::size_t i = 0; i < c.cadLayerNames.size(); ++i) {
    r.Label();
    c.cadLayerNames[i] = r.Text(kNameLength);
    r.Label();
    c.cadLayerColours[i] = r.Integer();
  }
  r.Label();
  c.cadTextStyle = r.Text(kNameLength);
  r.Label();
  c.cadTextWidthFactor = ZeroBecomes(r.Real(), 1.0);
  r.Label();
  c.cadTextAngle = r.Real();
  r.Label();
  c.cadFolder = r.Text(kAny);
  r.Label();
  c.dbfFolder = r.Text(kAny);
  r.Label();
  c.helpLevel = r.Integer();
  r.Label();
  c.printerPort = ZeroBecomes(r.Integer(), 1);
  if (r.Ended()) return;  // after entry 12
  r.Label();
  c.printerType = r.Integer();
  if (r.Ended()) return;
  r.Label();
  c.printDensity = r.Integer();
  r.Label();
  const std::string& rotated = r.Value();
  c.hardcopyRotated = rotated.empty() ? 'N' : rotated.front();
  r.Label();
  c.format.decimals = Within(r.Integer(), 1, 9, 3);
  r.Label();
  const int thickness = r.Integer();
  c.printThicknessVertical = thickness == 0 || thickness > 4 ? 1 : thickness;
  if (r.Ended()) return;  // after entry 17
  r.Label();
  c.colourGraphics = r.Boolean();
  r.Label();
  c.graphicsCorrectionHorizontal = ZeroBecomes(r.Real(), 1.0);
  r.Label();
  c.graphicsMode = r.Integer();
  r.Label();
  c.graphicsDriver = r.Integer();
  r.Label();
  c.drawingAreaX = r.Integer();
  r.Label();
  c.drawingAreaY = r.Integer();
  r.Label();
  c.temporaryFolder = r.Text(kAny);
  r.Label();
  c.hardcopyPrinterPort = ZeroBecomes(r.Integer(), 1);
  if (r.Ended()) return;  // after entry 25
  r.Label();
  c.ediFolder = r.Text(kAny);
  r.Label();
  c.pltFolder = r.Text(kAny);
  r.Label();
  c.separatorStyle = ZeroBecomes(r.Integer(), 1);
  r.Label();
  const int lines = r.Integer();
  c.linesPerPage = lines < 5 ? 66 : lines;
  r.Label();
  c.zoomFactor = ZeroBecomes(r.Real(), 1.02);
  r.Label();
  c.panFactor = ZeroBecomes(r.Real(), 0.02);
  r.Label();
  c.programFolder = r.Text(kAny);
  if (r.Ended()) return;  // after entry 32
  r.Label();
  if (c.plotCommandLines.empty()) c.plotCommandLines.emplace_back(kDefaultPlotCommandLine);
  if (std::string first = r.Text(kAny); !first.empty()) c.plotCommandLines[0] = std::move(first);
  if (r.Ended()) return;
  r.Label();
  c.backgroundColour = r.Integer();
  if (r.Ended()) return;
  r.Label();
  c.printMode = ZeroBecomes(r.Integer(), 1);
  if (r.Ended()) return;
  r.Label();
  c.layerMonochrome = r.Boolean();
  if (r.Ended()) {
    // Files of this age had one text width factor and no font choice.
    c.graphicsTextWidthFactor = c.cadTextWidthFactor;
    c.graphicsFont = "Arial";
    return;
  }
  r.Label();
  c.graphicsTextWidthFactor = ZeroBecomes(r.Real(), 0.8);
  r.Label();
  c.graphicsFont = r.Text(kFontLength);
  if (r.Ended()) return;  // after entry 38
  for (int& colour : c.layerColours) {
    r.Label();
    colour = ZeroBecomes(r.Integer(), 1);
  }
  if (r.Ended()) return;  // after entry 54
  r.Label();
  c.textProgram = r.Text(kAny);
  r.Label();
  c.databaseMode = r.Integer();
  r.Label();
  c.externalTableEditor = r.Text(kAny);
  if (r.Ended()) return;  // after entry 57
  r.Label();
  c.printOriginX = r.Integer();
  r.Label();
  c.printOriginY = r.Integer();
  r.Label();
  c.printScaleX = r.Real();
  if (c.printScaleX == 0.0) {
    c.printScaleX = 1.0;
    c.printScaleY = 1.0;
  }
  r.Label();
  c.printBorder = r.Boolean();
  if (r.Ended()) return;  // after entry 61
  r.Label();
  r.Value();  // reserved
  r.Label();
  c.askUserDirectory = r.Boolean();
  if (r.Ended()) return;  // after entry 63

  // A garbage count must neither allocate nor run on: only lines the file holds are
  // taken, and the plot interface uses at most kMaxPlotCommandLines.
  r.Label();
  const int count = r.Integer();
  const std::size_t more =
      std::min(count > 1 ? static_cast<std::size_t>(count) - 1 : std::size_t{0}, r.Remaining());
  c.plotCommandLines.resize(1);
  for (std::size_t i = 0; i < more; ++i) {
    std::string line = r.Value();
    if (c.plotCommandLines.size() < kMaxPlotCommandLines) c.plotCommandLines.push_back(line);
  }
  r.Label();
  c.archiveMode = r.Boolean();

  if (!r.Ended()) {
    r.Label();
    r.Value();  // reserved
  }
  if (!r.Ended()) {
    r.Label();
    c.format.dateCode = Within(r.Integer(), 1, 4, 1);
  }
  if (!r.Ended()) {
    r.Label();
    c.headerSpaceLines = Within(r.Integer(), 0, 30, 0);
  }
  if (!r.Ended()) {
    r.Label();
    const int device = r.Integer();
    c.textDevice = device == 0 || device > 9 ? 1 : device;
  }
  if (!r.Ended()) {
    r.Label();
    c.askTextDevice = r.Boolean();
  }
  if (!r.Ended()) {
    r.Label();
    c.smallOnlineWindow = r.Boolean();
  }
  if (!r.Ended()) {
    r.Label();
    c.askDiagramLimits = r.Boolean();
  }
  r.Label();
  const int separator = r.Integer();
  c.format.decimalSeparator = separator == 0 || separator > 2 ? 1 : separator;
  r.Label();
  const std::string& data = r.Value();
  c.defaultDataFolder = data.empty() ? StartFolderSetting(startDirectory) : data;
  if (!r.Ended()) {
    r.Label();
    const double factor = r.Real();
    c.textHeightFactor = factor < 0.1 ? 1.0 : factor;
  }
  if (!r.Ended()) {
    r.Label();
    c.dialogScale = Within(r.Integer(), 10, 1000, 100);
  }
  r.Label();
  c.htmlBrowser = r.Text(kAny);
  if (r.Ended()) return;  // after entry 77

  r.Label();
  c.printScaleY = r.Real();
  if (c.printScaleY < 0.0001) c.printScaleY = c.printScaleX;
  r.Label();
  for (int& width : c.cadLineWidths) width = Within(r.Integer(), 1, 255, 1);
  r.Label();
  c.askGraphicPrintFormat = r.Boolean();
  r.Label();
  {
    std::string_view line = r.Value();
    std::array<int, 4> v{};
    for (int& field : v) {
      const std::size_t bar = line.find('|');
      field = ReadFileInteger(line.substr(0, bar));
      line = bar == std::string_view::npos ? std::string_view{} : line.substr(bar + 1);
    }
    if (v[2] != 0 && v[3] != 0) c.textWindow = {v[0], v[1], v[2], v[3]};
  }
  r.Label();
  c.format.units = r.Integer() == 1 ? UnitSystem::English : UnitSystem::Metric;
  r.Label();
  const int header = r.Integer();
  c.headerMode = header == 0 || header > 2 ? 1 : header;
  r.Label();
  c.printoutFont = r.Text(kFontLength);
  if (c.printoutFont.empty()) c.printoutFont = "Courier New";
  r.Label();
  c.printoutFontSize = ZeroBecomes(r.Integer(), 10);
  r.Label();
  c.printoutFontStyle = r.Integer();
  r.Label();
  c.graphicsFontStyle = r.Integer();
  r.Label();
  c.printOrientation = r.Integer();
  r.Label();
  c.editAngles3d = !EqualsUpperCased(r.Value(), "FALSE");
  r.Label();
  for (double& angle : c.defaultAngles3d) angle = r.Real();
  c.changeIndexStyle = r.Integer();
  c.spreadsheetSeparator = ZeroBecomes(r.Integer(), 2);
  c.releaseFieldText = r.Text(kAny);
  r.Label();
  c.cadDecimals = Within(r.Integer(), 1, 32, 6);
  r.Label();
  // Windows characters unless the configuration names a mode: today's readers take the
  // code page the HEADER declares, and most know no DOS code page.
  c.cadTextMode = ZeroBecomes(r.Integer(), 2);
  r.Label();
  for (int& width : c.layerLineWidths) width = r.Integer();
  c.format.asciiSpecial = r.Integer() == 1;
  c.dialogElementScale = Within(r.Integer(), 10, 1000, 100);
  const int angle = r.Integer();
  c.angleFormat = angle == 0 || angle > 2 ? 2 : angle;
  c.dimensionSizeFactor = ZeroBecomes(r.Real(), 1.0);
  c.reserved101 = r.Integer();
  c.menuLanguage = r.Integer();
  c.resultGraphic = r.Integer();
  c.omitTitleLine = r.Boolean();
  c.omitFileName = r.Boolean();
  c.omitDate = r.Boolean();
  c.omitLogo = r.Boolean();
}

}  // namespace

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

  for (std::size_t i = 0; i < c.cadLayerNames.size(); ++i) {
    w.Label("Layer");
    w.Text(FitWidth(c.cadLayerNames[i], kNameLength));
    w.Label("Farbe");
    w.Integer(c.cadLayerColours[i]);
  }
  w.Label("Textstil CAD");
  w.Text(FitWidth(c.cadTextStyle, kNameLength));
  w.Label("Textbreitenfaktor CAD");
  w.Real(c.cadTextWidthFactor);
  w.Label("Textwinkel");
  w.Real(c.cadTextAngle);
  w.Label("CAD Ordner");
  w.Text(c.cadFolder);
  w.Label("DBF Ordner");
  w.Text(c.dbfFolder);
  w.Label("Hilfegrad");
  w.Integer(c.helpLevel);
  w.Label("Druckerschnittstelle");
  w.Integer(c.printerPort);
  w.Label("Druckertyp");
  w.Integer(c.printerType);
  w.Label("Druckdichte");
  w.Integer(c.printDensity);
  w.Label("Hardcopy um 90° gedreht ?");
  const char rotated = c.hardcopyRotated;
  w.Text(rotated == '\0' || rotated == '\r' || rotated == '\n' ? std::string("N")
                                                               : std::string(1, rotated));
  w.Label("Dezimalstellen");
  w.Integer(c.format.decimals);
  w.Label("Druckdicke vertikal");
  w.Integer(c.printThicknessVertical);
  w.Label("Farbgrafik");
  w.Boolean(c.colourGraphics);
  w.Label("GrafikKorrekturFaktor horizontal");
  w.Real(c.graphicsCorrectionHorizontal);
  w.Label("Grafik-Mode");
  w.Integer(c.graphicsMode);
  w.Label("Grafik-Treiber");
  w.Integer(c.graphicsDriver);
  w.Label("Auflösung horizontal");
  w.Integer(c.drawingAreaX);
  w.Label("Auflösung vertikal");
  w.Integer(c.drawingAreaY);
  w.Label("Ordner für temporäre Dateien");
  w.Text(c.temporaryFolder);
  w.Label("Druckerschnittstelle Hardcopy");
  w.Integer(c.hardcopyPrinterPort);
  w.Label("EDI Ordner");
  w.Text(c.ediFolder);
  w.Label("PLT Ordner");
  w.Text(c.pltFolder);
  w.Label("Mode für Textausdruck 1:* 2:-");
  w.Integer(c.separatorStyle);
  w.Label("Zeilen pro Seite für Drucker");
  w.Integer(c.linesPerPage);
  w.Label("Zoomfaktor");
  w.Real(c.zoomFactor);
  w.Label("Pan-Faktor");
  w.Real(c.panFactor);
  w.Label("MORVANE-Programmverzeichnis");
  w.Text(c.programFolder);
  w.Label("PLOTRIX-Kommandozeile");
  w.Text(c.plotCommandLines.empty() ? std::string(kDefaultPlotCommandLine)
                                    : c.plotCommandLines.front());
  w.Label("Hintergrundfarbe");
  w.Integer(c.backgroundColour);
  w.Label("Windows-Druckmodus (1=mono 2=color)");
  w.Integer(c.printMode);
  w.Label("Layer Monochrom");
  w.Boolean(c.layerMonochrome);
  w.Label("Textbreitenfaktor Grafik");
  w.Real(c.graphicsTextWidthFactor);
  w.Label("Textstil Grafik");
  w.Text(FitWidth(c.graphicsFont, kFontLength));
  for (std::size_t i = 0; i < c.layerColours.size(); ++i) {
    w.Label("Color Layer " + std::to_string(16 + i));
    w.Integer(c.layerColours[i]);
  }
  w.Label("Textprogramm");
  w.Text(c.textProgram);
  w.Label("Datenbank mode");
  w.Integer(c.databaseMode);
  w.Label("externe Datenbank");
  w.Text(c.externalTableEditor);
  w.Label("Windows Screendump Origin X");
  w.Integer(c.printOriginX);
  w.Label("Windows Screendump Origin Y");
  w.Integer(c.printOriginY);
  w.Label("Windows Screendump Scale");
  w.Real(c.printScaleX);
  w.Label("Windows Screendump Border ?");
  w.Boolean(c.printBorder);
  w.Label(kReservedLabel);
  w.Boolean(false);
  w.Label("Enter Password ?");
  w.Boolean(c.askUserDirectory);
  w.Label("PLOTRIX Command lines (n, line 2 .. line n)");
  const std::size_t plotLines =
      std::clamp<std::size_t>(c.plotCommandLines.size(), 1, kMaxPlotCommandLines);
  w.Integer(static_cast<long long>(plotLines));
  for (std::size_t i = 1; i < plotLines; ++i) w.Text(c.plotCommandLines[i]);
  w.Label("Archive Flag ?");
  w.Boolean(c.archiveMode);
  w.Label(kReservedLabel);
  w.Boolean(false);
  w.Label("Date Code");
  w.Integer(c.format.dateCode);
  w.Label("Header Space Lines");
  w.Integer(c.headerSpaceLines);
  w.Label("Text Device");
  w.Integer(c.textDevice);
  w.Label("Text Device Window ?");
  w.Boolean(c.askTextDevice);
  w.Label("Small Online Window ?");
  w.Boolean(c.smallOnlineWindow);
  w.Label("Enter Diagram Limits ?");
  w.Boolean(c.askDiagramLimits);
  w.Label("Dot=1 Komma=2");
  w.Integer(c.format.decimalSeparator);
  w.Label("Default Data Directory");
  w.Text(c.defaultDataFolder);
  w.Label("Text Height Factor");
  w.Real(c.textHeightFactor);
  w.Label("Input Window Scale %");
  w.Integer(c.dialogScale);
  w.Label("HTML Browser");
  w.Text(c.htmlBrowser);
  w.Label("Print Scale Vertical");
  w.Real(c.printScaleY);
  w.Label("Line thickness Layer 0..5");
  for (const int width : c.cadLineWidths) w.Integer(width);
  w.Label("Graphic Printout Dialog Box ?");
  w.Boolean(c.askGraphicPrintFormat);
  w.Label("Text window left/top/width/height");
  const TextWindowPlace& t = c.textWindow;
  w.Text(std::to_string(t.left) + "|" + std::to_string(t.top) + "|" + std::to_string(t.width) +
         "|" + std::to_string(t.height) + "|");
  w.Label("Metric Units=0,  English units=1");
  w.Integer(c.format.units == UnitSystem::English ? 1 : 0);
  w.Label("printout with header=1, header page 1 only=2");
  w.Integer(c.headerMode);
  w.Label("Text Font Printout");
  w.Text(FitWidth(c.printoutFont, kFontLength));
  w.Label("Text Size Printout");
  w.Integer(c.printoutFontSize);
  w.Label("Text Style Printout");
  w.Integer(c.printoutFontStyle);
  w.Label("Text Style Graphics");
  w.Integer(c.graphicsFontStyle);
  w.Label("Printer: Portrait=1, Landscape=2");
  w.Integer(c.printOrientation);
  w.Label("Edit 3D x,y,z ?");
  w.Boolean(c.editAngles3d);
  w.Label("3D - Default x,y,z");
  for (const double angle : c.defaultAngles3d) w.Real(angle);
  w.Integer(c.changeIndexStyle);
  w.Integer(c.spreadsheetSeparator);
  w.Text(c.releaseFieldText);
  w.Label("Decimals DXF,TXT");
  w.Integer(c.cadDecimals);
  w.Label("CAD Text Mode");
  w.Integer(c.cadTextMode);
  w.Label("Strichstärke Layer 16..31");
  for (const int width : c.layerLineWidths) w.Integer(width);
  w.Integer(c.format.asciiSpecial ? 1 : 0);
  w.Integer(c.dialogElementScale);
  w.Integer(c.angleFormat);
  w.Real(c.dimensionSizeFactor);
  w.Integer(c.reserved101);
  w.Integer(c.menuLanguage);
  w.Integer(c.resultGraphic);
  w.Boolean(c.omitTitleLine);
  w.Boolean(c.omitFileName);
  w.Boolean(c.omitDate);
  w.Boolean(c.omitLogo);
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
