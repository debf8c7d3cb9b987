#include "app/commands/cad_setup.h"

#include "app/commands/report_output.h"
#include "app/files/configuration_file.h"
#include "base/codepage.h"
#include "base/program_identity.h"

namespace zt6 {

namespace {

// The screen footer names at most this much of the project file.
constexpr std::size_t kFooterFileLength = 120;

}  // namespace

DrawingSettings DrawingSettingsOf(const Configuration& config) {
  DrawingSettings s;
  if (config.drawingAreaX > 0) s.screenWidth = config.drawingAreaX;
  if (config.drawingAreaY > 0) s.screenHeight = config.drawingAreaY;
  s.zoomFactor = config.zoomFactor <= 0 ? 1.0 : config.zoomFactor;
  s.panFactor = config.panFactor;
  s.backgroundColour = config.backgroundColour;
  s.colourDisplay = config.colourGraphics;
  s.fontName = config.graphicsFont;  // CP850, as the window holds its texts
  s.textWidthFactor = config.graphicsTextWidthFactor <= 0 ? 1.0 : config.graphicsTextWidthFactor;
  s.textHeightFactor = config.textHeightFactor <= 0 ? 1.0 : config.textHeightFactor;
  s.textStyleFlags = config.graphicsFontStyle;
  TakePrintSettings(s, config);
  return s;
}

void TakePrintSettings(DrawingSettings& s, const Configuration& config) {
  s.printerColourMode = config.printMode;
  s.printFrame = config.printBorder;
  s.printerScaleX = config.printScaleX;
  s.printerScaleY = config.printScaleY;
  s.printerOriginX = config.printOriginX;
  s.printerOriginY = config.printOriginY;
}

CadSettings CadSettingsOf(const Program& program, const std::optional<std::tm>& fixedTime) {
  const Configuration& config = program.config;
  CadSettings s;
  for (std::size_t i = 0; i < 5; ++i) {
    s.layerNames[i + 1] = config.cadLayerNames[i];
    s.layerColours[i + 1] = config.cadLayerColours[i];
  }
  s.layerWidths = config.cadLineWidths;
  s.colours16to31 = config.layerColours;
  s.widths16to31 = config.layerLineWidths;
  s.layerMonochrome = config.layerMonochrome;
  s.textWidthFactor = config.cadTextWidthFactor;
  s.textAngle = config.cadTextAngle;
  s.fontName = config.cadTextStyle;
  s.dimensionFactor = config.dimensionSizeFactor;
  s.decimals = config.cadDecimals;
  s.textMode = CadTextModeOf(config.cadTextMode);
  s.format = config.format;
  s.printFrame = config.printBorder;
  s.temporaryFolder = FolderSettingPath(config.temporaryFolder);
  s.workFolder = [&program] { return WorkFolderPath(program); };

  const ReportPageInfo page = ReportPageInfoOf(program, fixedTime);
  s.ownerText = page.ownerText;
  s.installationText = page.installationText;
  if (fixedTime) {
    s.now = *fixedTime;
  } else {
    const std::time_t t = std::time(nullptr);
    localtime_r(&t, &s.now);
  }
  std::string file = program.projectName.empty() ? std::string() : page.projectFileText;
  if (file.size() > kFooterFileLength) file.resize(kFooterFileLength);
  s.footerText = page.date + " " + page.time + " - " + "MORVANE " + kProgramTitle + " V" +
                 kProgramVersion + " - " + file;
  return s;
}

FrameOptions FrameOptionsOf(const Program& program, const std::optional<std::tm>& fixedTime) {
  const Configuration& config = program.config;
  const ReportPageInfo page = ReportPageInfoOf(program, fixedTime);
  FrameOptions o;
  o.changeIndexStyle = config.changeIndexStyle;
  o.releaseText = config.releaseFieldText;
  o.projectFileText = program.projectName.empty() ? std::string() : page.projectFileText;
  o.dateTime = page.date + " " + page.time;
  o.titleLine = std::string("MORVANE   ") + kProgramTitle + "  V" + kProgramVersion;
  o.omitTitleLine = config.omitTitleLine;
  o.omitFileName = config.omitFileName;
  o.omitDate = config.omitDate;
  o.omitLogo = config.omitLogo;
  return o;
}

std::vector<std::string> CadOutputTypeTexts(const Vocabulary& words) {
  return {"DXF", "IGES", words["Kontrollausgabe auf Bildschirm"],
          words["Ausgabe auf Laserprinter/Plotter mit PLOTRIX"], "TXT"};
}

}  // namespace zt6
