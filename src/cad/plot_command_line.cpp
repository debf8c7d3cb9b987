#include "cad/plot_command_line.h"

#include "base/folder_join.h"
#include "base/number_format.h"
#include "base/number_parse.h"

namespace zt6 {

namespace {

constexpr const char* kPlotFileName = "plotrix";  // the plot file without extension

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

bool Blank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

std::string Significant(double value, FormatSettings format) {
  format.decimalSeparator = 1;
  return Trimmed(FormatSignificant(value, format));
}

}  // namespace

const char* PlotFormatCode(PlotFormat format) {
  switch (format) {
    case PlotFormat::Hpl: return "HPL";
    case PlotFormat::Ps: return "PS";
    case PlotFormat::Plt: return "PLT";
    case PlotFormat::Pl2: return "PL2";
    case PlotFormat::Art: return "ART";
  }
  return "HPL";
}

const std::array<const char*, kPlotFontCount>& PlotPostScriptFonts() {
  static const std::array<const char*, kPlotFontCount> fonts{
      "Times-Roman", "Times-Italic", "Times-Bold", "Times-BoldItalic",
      "Helvetica", "Helvetica-Oblique", "Helvetica-Bold", "Helvetica-BoldOblique",
      "Helvetica-Narrow", "Helvetica-Narrow-Oblique", "Helvetica-Narrow-Bold",
      "Helvetica-Narrow-BoldOblique", "Courier", "Courier-Oblique", "Courier-Bold",
      "Courier-BoldOblique", "Palatino-Roman", "Palatino-Italic", "Palatino-Bold",
      "Palatino-BoldItalic", "AvantGarde-Book", "AvantGarde-Demi", "AvantGarde-BookOblique",
      "AvantGarde-DemiOblique", "Bookman-Light", "Bookman-Demi", "Bookman-LightItalic",
      "Bookman-DemiItalic", "NewCenturySchlbk-Roman", "NewCenturySchlbk-Bold",
      "NewCenturySchlbk-Italic", "NewCenturySchlbk-BoldItalic", "ZapfChancery-MediumItalic",
      "Symbol", "andere Schriften"};
  return fonts;
}

std::string PlotWindowLine(const PlotWindowFields& f) {
  std::string line = f.programPath + " " + JoinFolder(f.temporaryFolder, kPlotFileName);
  line += std::string(" /C") + PlotFormatCode(f.format);
  if (f.outputInterface != PlotInterface::Parallel)
    line += " /D" + std::to_string(static_cast<int>(f.outputInterface));
  switch (f.outputInterface) {
    case PlotInterface::Serial:
      if (ParseReal(f.com) != 1) line += " /P" + Trimmed(f.com);
      break;
    case PlotInterface::Parallel:
      if (ParseReal(f.lpt) != 1) line += " /P" + Trimmed(f.lpt);
      break;
    case PlotInterface::File:
      if (!Blank(f.outputFolder)) line += " /F" + JoinFolder(f.outputFolder, kPlotFileName);
      break;
  }
  const std::string scale = f.fit ? "0" : Trimmed(f.scale);
  const double scaleValue = ParseReal(scale);
  if (scaleValue != 1) line += scaleValue != 0 ? " /M" + scale : std::string(" /M*");
  if (ParseReal(f.xShift) != 0) line += " /X" + Trimmed(f.xShift);
  if (ParseReal(f.yShift) != 0) line += " /Y" + Trimmed(f.yShift);
  if (ParseReal(f.textWidthFactor) != 1) line += " /B" + Trimmed(f.textWidthFactor);
  if (f.rotate) line += " /R";
  if (f.format == PlotFormat::Ps) line += " /T" + f.font;
  return line;
}

std::string PlotParameterLine(const PlotParameters& a, std::string_view temporaryFolder,
                              const FormatSettings& format) {
  std::string line = JoinFolder(a.programFolder, a.windowsProgram ? "WPLOTRIX " : "PLOTRIX ") +
                     JoinFolder(temporaryFolder, kPlotFileName);
  line += std::string(" /C") + PlotFormatCode(a.format);
  if (a.outputInterface != PlotInterface::Parallel)
    line += " /D" + std::to_string(static_cast<int>(a.outputInterface));
  if (a.outputInterface != PlotInterface::File && a.port != 1)
    line += " /P" + std::to_string(a.port);
  if (a.outputInterface == PlotInterface::File && !Blank(a.outputFile))
    line += " /F" + a.outputFile;
  if (a.scale != 1) line += a.scale != 0 ? " /M" + Significant(a.scale, format) : " /M*";
  if (a.xShift != 0) line += " /X" + Significant(a.xShift, format);
  if (a.rotate) line += " /R";
  if (a.yShift != 0) line += " /Y" + Significant(a.yShift, format);
  if (a.textWidthFactor != 1) line += " /B" + Significant(a.textWidthFactor, format);
  if (a.format == PlotFormat::Ps) line += " /T" + a.font;
  return line;
}

std::string PlotStartErrorText(int result) {
  if (result == 0) return "out of memory !";
  if (result == 2 || result == 3) return "file not found";
  if (result >= 4 && result <= 31) return "Exec error " + std::to_string(result);
  return {};
}

}  // namespace zt6
