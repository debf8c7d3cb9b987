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

// The settings of the configuration file. Each member's label, default (in effect
// before any file is read) and correction when read are in the entry table,
// configuration_entries.cpp, which the constructor walks: a member added here needs
// its entry there. Arrays index from 0: the CAD layer arrays hold layers 1..5,
// cadLineWidths layers 0..5, the drawing layer arrays layers 16..31. "Kept" settings
// keep their place in the file but have no effect.
struct Configuration {
  Configuration();

  std::array<std::string, 5> cadLayerNames;  // at most 32
  std::array<int, 5> cadLayerColours;
  std::string cadTextStyle;                   // at most 32
  double cadTextWidthFactor;
  double cadTextAngle;
  std::string cadFolder;
  std::string dbfFolder;
  int helpLevel;                              // 0, 1, 2
  int printerPort;                            // LPT 1..4
  int printerType;                            // kept
  int printDensity;                           // kept
  char hardcopyRotated;                       // 'J' or 'N', kept
  int printThicknessVertical;                 // kept
  bool colourGraphics;
  double graphicsCorrectionHorizontal;
  int graphicsMode;                           // kept
  int graphicsDriver;                         // kept
  int drawingAreaX;                           // drawing area width - 1
  int drawingAreaY;                           // drawing area height - 1
  std::string temporaryFolder;
  int hardcopyPrinterPort;                    // kept
  std::string ediFolder;
  std::string pltFolder;                      // help images, help texts, demo scripts
  int separatorStyle;                         // separator lines of reports, 1..4
  int linesPerPage;
  double zoomFactor;
  double panFactor;
  std::string programFolder;
  // One to kMaxPlotCommandLines lines.
  std::vector<std::string> plotCommandLines;
  int backgroundColour;                       // an RGB colour value
  int printMode;                              // 1 mono, 2 colour
  bool layerMonochrome;
  double graphicsTextWidthFactor;
  std::string graphicsFont;                   // at most 60
  std::array<int, 16> layerColours;
  // Empty: the desktop's default program for text files.
  std::string textProgram;
  int databaseMode;                           // kept
  std::string externalTableEditor;            // kept
  int printOriginX;
  int printOriginY;
  double printScaleX;
  bool printBorder;
  bool askUserDirectory;
  bool archiveMode;
  // Decimals, date code, decimal separator, units and the special characters.
  FormatSettings format;
  int headerSpaceLines;                       // 0..30
  int textDevice;                             // 1..9
  bool askTextDevice;
  bool smallOnlineWindow;                     // kept
  bool askDiagramLimits;
  // The start-up working directory + "/" once loaded; see LoadConfiguration.
  std::string defaultDataFolder;
  double textHeightFactor;
  int dialogScale;                            // percent
  // Empty: the desktop's default program for HTML files.
  std::string htmlBrowser;
  double printScaleY;
  std::array<int, 6> cadLineWidths;
  bool askGraphicPrintFormat;
  TextWindowPlace textWindow;
  int headerMode;                             // 1 header on every page, 2 on page 1 only
  std::string printoutFont;                   // at most 60
  int printoutFontSize;
  int printoutFontStyle;                      // bits
  int graphicsFontStyle;                      // bits bold, italic, underline, strike-out
  int printOrientation;                       // 1 portrait, 2 landscape
  bool editAngles3d;
  std::array<double, 3> defaultAngles3d;      // radians
  int changeIndexStyle;                       // 0 "a,b,c..." 1 "1,2,3..." 2 "A,B,C..."
  int spreadsheetSeparator;                   // 1 "Englisch x.xx", 2 "Deutsch x,xx"
  std::string releaseFieldText;               // release field of the title block
  int cadDecimals;
  int cadTextMode;                            // 1 none, 2 DOS->Windows, 3 ASCII
  std::array<int, 16> layerLineWidths;
  int dialogElementScale;                     // percent
  int angleFormat;                            // 1 decimal degrees, 2 deg/min/sec
  double dimensionSizeFactor;                 // size of dimensioning on drawings
  int reserved101;                            // written back as read
  int menuLanguage;                           // 1..9; 0 keeps the start-up language
  int resultGraphic;                          // 0..5
  // Items left off the manufacturing drawing.
  bool omitTitleLine;
  bool omitFileName;
  bool omitDate;
  bool omitLogo;
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
