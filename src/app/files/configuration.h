#pragma once
// The program's settings and their text form "zt6.cfg": a label line and a value
// line per entry, in a fixed order, code page 850, CR LF. Only positions count when
// reading, so older, shorter files still load; every value read is corrected into its
// sane range. Texts (folders, fonts, command lines) are held as CP850 bytes.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/format_settings.h"

namespace zt6 {

struct ScreenSize {
  int width;
  int height;
};

// Batch runs have no screen; they assume this one.
inline constexpr ScreenSize kBatchScreenSize{1024, 768};

inline constexpr const char* kDefaultPlotCommandLine = "C:\\PLOTRIX\\WPLOTRIX PLOTRIX.DXF /M1.0";
// The plot program interface offers one to five command lines.
inline constexpr std::size_t kMaxPlotCommandLines = 5;

struct TextWindowPlace {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Defaults are those in effect before any file is read. Arrays index from 0: the
// CAD layer arrays hold layers 1..5, cadLineWidths layers 0..5, the drawing layer
// arrays layers 16..31.
struct Configuration {
  std::array<std::string, 5> cadLayerNames{"1", "2", "3", "4", "5"};  // "Layer", at most 32
  std::array<int, 5> cadLayerColours{2, 2, 2, 3, 1};                   // "Farbe"
  std::string cadTextStyle = "TXT8";         // "Textstil CAD", at most 32
  double cadTextWidthFactor = 1.0;           // "Textbreitenfaktor CAD"
  double cadTextAngle = 0.0;                 // "Textwinkel"
  std::string cadFolder;                     // "CAD Ordner"
  std::string dbfFolder;                     // "DBF Ordner"
  int helpLevel = 1;                         // "Hilfegrad" 0, 1, 2
  int printerPort = 1;                       // "Druckerschnittstelle" LPT 1..4
  int printerType = 3;                       // "Druckertyp" (kept, not used)
  int printDensity = 1;                      // "Druckdichte" (kept, not used)
  char hardcopyRotated = 'J';                // "Hardcopy um 90° gedreht ?" (kept, not used)
  int printThicknessVertical = 1;            // "Druckdicke vertikal" (kept, not used)
  bool colourGraphics = true;                // "Farbgrafik"
  double graphicsCorrectionHorizontal = 1.0; // "GrafikKorrekturFaktor horizontal"
  int graphicsMode = 0;                      // "Grafik-Mode" (kept, not used)
  int graphicsDriver = 0;                    // "Grafik-Treiber" (kept, not used)
  int drawingAreaX = 0;                      // "Auflösung horizontal": drawing area width - 1
  int drawingAreaY = 0;                      // "Auflösung vertikal": drawing area height - 1
  std::string temporaryFolder;               // "Ordner für temporäre Dateien"
  int hardcopyPrinterPort = 1;               // "Druckerschnittstelle Hardcopy" (kept, not used)
  std::string ediFolder;                     // "EDI Ordner"
  std::string pltFolder;                     // "PLT Ordner": help images, help texts, demo scripts
  int separatorStyle = 2;                    // "Mode für Textausdruck 1:* 2:-" 1..4
  int linesPerPage = 66;                     // "Zeilen pro Seite für Drucker"
  double zoomFactor = 1.02;                  // "Zoomfaktor"
  double panFactor = 0.02;                   // "Pan-Faktor"
  std::string programFolder;                 // "MORVANE-Programmverzeichnis"
  // [0] is "PLOTRIX-Kommandozeile", the rest "PLOTRIX Command lines (n, line 2 .. line n)";
  // one to kMaxPlotCommandLines lines.
  std::vector<std::string> plotCommandLines{kDefaultPlotCommandLine};
  int backgroundColour = 1;                  // "Hintergrundfarbe", an RGB colour value
  int printMode = 1;                         // "Windows-Druckmodus (1=mono 2=color)"
  bool layerMonochrome = false;              // "Layer Monochrom"
  double graphicsTextWidthFactor = 0.8;      // "Textbreitenfaktor Grafik"
  std::string graphicsFont = "Arial";        // "Textstil Grafik", at most 60
  std::array<int, 16> layerColours{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
                                             // "Color Layer 16" .. "Color Layer 31"
  // Empty: the desktop's default program for text files.
  std::string textProgram;                   // "Textprogramm"
  int databaseMode = 1;                      // "Datenbank mode" (kept, not used)
  std::string externalTableEditor = "C:\\DBFEDIT\\DBFEDIT.EXE";  // "externe Datenbank" (kept)
  int printOriginX = 0;                      // "Windows Screendump Origin X"
  int printOriginY = 0;                      // "Windows Screendump Origin Y"
  double printScaleX = 1.0;                  // "Windows Screendump Scale"
  bool printBorder = false;                  // "Windows Screendump Border ?"
  bool askUserDirectory = false;             // "Enter Password ?"
  bool archiveMode = false;                  // "Archive Flag ?"
  // FormatSettings: "Dezimalstellen", "Date Code", "Dot=1 Komma=2",
  // "Metric Units=0,  English units=1" and the special-characters entry.
  FormatSettings format;
  int headerSpaceLines = 0;                  // "Header Space Lines" 0..30
  int textDevice = 1;                        // "Text Device" 1..9
  bool askTextDevice = false;                // "Text Device Window ?"
  bool smallOnlineWindow = false;            // "Small Online Window ?" (kept, not used)
  bool askDiagramLimits = false;             // "Enter Diagram Limits ?"
  // The start-up working directory + "/" once loaded; see LoadConfiguration.
  std::string defaultDataFolder;             // "Default Data Directory"
  double textHeightFactor = 1.0;             // "Text Height Factor"
  int dialogScale = 102;                     // "Input Window Scale %"
  // Empty: the desktop's default program for HTML files.
  std::string htmlBrowser;                   // "HTML Browser"
  double printScaleY = 1.0;                  // "Print Scale Vertical"
  std::array<int, 6> cadLineWidths{3, 1, 1, 1, 2, 3};  // "Line thickness Layer 0..5"
  bool askGraphicPrintFormat = false;        // "Graphic Printout Dialog Box ?"
  TextWindowPlace textWindow;                // "Text window left/top/width/height"
  int headerMode = 1;                        // "printout with header=1, header page 1 only=2"
  std::string printoutFont = "Courier New";  // "Text Font Printout", at most 60
  int printoutFontSize = 10;                 // "Text Size Printout"
  int printoutFontStyle = 0;                 // "Text Style Printout" bits
  int graphicsFontStyle = 0;                 // "Text Style Graphics": bits bold, italic, ...
  int printOrientation = 1;                  // "Printer: Portrait=1, Landscape=2"
  bool editAngles3d = true;                  // "Edit 3D x,y,z ?"
  std::array<double, 3> defaultAngles3d{0.0, 0.0, 0.0};  // "3D - Default x,y,z", radians
  int changeIndexStyle = 0;                  // (no label) 0 "a,b,c..." 1 "1,2,3..." 2 "A,B,C..."
  int spreadsheetSeparator = 2;              // (no label) 1 "English x.xx", 2 "German x,xx"
  std::string releaseFieldText;              // (no label) release field of the title block
  int cadDecimals = 6;                       // "Decimals DXF,TXT"
  int cadTextMode = 2;                       // "CAD Text Mode" 1 none, 2 DOS->Windows, 3 ASCII
  std::array<int, 16> layerLineWidths{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
                                             // "Strichstärke Layer 16..31"
  int dialogElementScale = 100;              // (no label) dialog elements in percent
  int angleFormat = 2;                       // (no label) 1 decimal degrees, 2 deg/min/sec
  double dimensionSizeFactor = 1.0;          // (no label) size of dimensioning on drawings
  int reserved101 = 0;                       // (no label) reserved, written back as read
  int menuLanguage = 0;                      // (no label) 1..9; 0 keeps the start-up language
  int resultGraphic = 0;                     // (no label) 0..5
  // (no label) items left off the manufacturing drawing; TRUE = omitted
  bool omitTitleLine = false;
  bool omitFileName = false;
  bool omitDate = false;
  bool omitLogo = false;
};

// The whole file: CP850 bytes, CR LF lines. Reals are written with "." whatever the
// separator setting. A CR or LF inside a text is written as a blank so it cannot
// shift the entries after it.
std::string ConfigurationText(const Configuration& config);

// Reads a configuration file's bytes into config with every correction. Entries the
// file does not reach keep the values config held. startDirectory (a file-system
// name) stands in for an empty "Default Data Directory"; the screen size for an
// unset drawing area size.
void ReadConfigurationText(std::string_view bytes, Configuration& config, ScreenSize screen,
                           std::string_view startDirectory);

// startDirectory as a folder setting: CP850 with a trailing "/".
std::string StartFolderSetting(std::string_view startDirectory);

}  // namespace zt6
