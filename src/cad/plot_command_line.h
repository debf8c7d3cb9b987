#pragma once
// The command line of the external plot program: the switches it understands and
// the two ways the user builds one (the settings window and the sequence of prompts).
// Texts are CP850 like the configuration that keeps the lines; nothing here does I/O.

#include <array>
#include <string>
#include <string_view>

#include "base/format_settings.h"

namespace zt6 {

// Output formats in the order the user is offered them; the value is its number there.
enum class PlotFormat { Hpl = 1, Ps = 2, Plt = 3, Pl2 = 4, Art = 5 };
// The number is the /D value (parallel, the plot program's default, is never written).
enum class PlotInterface { Serial = 1, Parallel = 2, File = 3 };

// "HPL", "PS", "PLT", "PL2", "ART".
const char* PlotFormatCode(PlotFormat format);

// The PostScript fonts offered, the last entry for any other font.
inline constexpr std::size_t kPlotFontCount = 35;
const std::array<const char*, kPlotFontCount>& PlotPostScriptFonts();

// The settings window's fields as typed: numbers are texts, read with the comma
// accepted, text that is no number counting as 0; they enter the line as typed.
struct PlotWindowFields {
  std::string programPath = "c:\\plotrix\\wplotrix";
  std::string temporaryFolder;
  PlotFormat format = PlotFormat::Hpl;
  PlotInterface outputInterface = PlotInterface::Parallel;
  std::string com = "1";
  std::string lpt = "1";
  std::string outputFolder;  // the plot program's output file goes here (interface file)
  std::string scale = "1";
  bool fit = false;          // "Maßstab anpassen ?": the scale becomes 0
  bool rotate = false;
  std::string xShift = "0";
  std::string yShift = "0";
  std::string textWidthFactor = "1";
  std::string font;          // used with PostScript only
};

std::string PlotWindowLine(const PlotWindowFields& fields);

// The answers of the prompt sequence; numbers are written in the significant form.
struct PlotParameters {
  bool windowsProgram = false;  // WPLOTRIX rather than the DOS program PLOTRIX
  std::string programFolder;
  PlotFormat format = PlotFormat::Hpl;
  PlotInterface outputInterface = PlotInterface::Parallel;
  int port = 1;                 // COM or LPT number
  std::string outputFile;       // interface file: the plot program's output file
  double scale = 1;             // 0 = fit to the sheet
  bool rotate = false;
  double xShift = 0;
  double yShift = 0;
  double textWidthFactor = 1;
  std::string font;             // used with PostScript only
};

// format gives the significant form; a command line always takes the point.
std::string PlotParameterLine(const PlotParameters& answers, std::string_view temporaryFolder,
                              const FormatSettings& format);

// What a failed start reports, by the start function's result: 0, 2 or 3, 4..31;
// empty for a started program (32 and above) and other results.
std::string PlotStartErrorText(int result);

}  // namespace zt6
