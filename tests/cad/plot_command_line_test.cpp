// The plot program's command line as the settings window and the prompt sequence
// build it, the fonts offered and the start error texts.

#include "cad/plot_command_line.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace zt6 {
namespace {

PlotWindowFields Window() {
  PlotWindowFields f;
  f.programPath = "/opt/plotrix/wplotrix";
  f.temporaryFolder = "/tmp/zt6";
  return f;
}

TEST(PlotWindowLine, SwitchesFollowTheFields) {
  const std::string start = "/opt/plotrix/wplotrix /tmp/zt6/plotrix";
  struct Case {
    const char* what;
    PlotWindowFields fields;
    std::string switches;
  };
  std::vector<Case> cases;
  auto add = [&](const char* what, auto change, std::string switches) {
    PlotWindowFields f = Window();
    change(f);
    cases.push_back({what, f, std::move(switches)});
  };
  add("defaults", [](PlotWindowFields&) {}, " /CHPL");
  add("serial COM 2 plotter", [](PlotWindowFields& f) {
    f.format = PlotFormat::Plt;
    f.outputInterface = PlotInterface::Serial;
    f.com = "2";
    f.lpt = "3";  // belongs to the other interface
  }, " /CPLT /D1 /P2");
  add("parallel LPT 3", [](PlotWindowFields& f) { f.lpt = " 3"; }, " /CHPL /P3");
  add("serial COM 1 typed as 1,0", [](PlotWindowFields& f) {
    f.outputInterface = PlotInterface::Serial;
    f.com = "1,0";
  }, " /CHPL /D1");
  add("file with folder", [](PlotWindowFields& f) {
    f.outputInterface = PlotInterface::File;
    f.outputFolder = " /var/plots ";
  }, " /CHPL /D3 /F/var/plots/plotrix");
  add("file without folder", [](PlotWindowFields& f) {
    f.outputInterface = PlotInterface::File;
    f.outputFolder = "  ";
  }, " /CHPL /D3");
  add("fit wins over the scale", [](PlotWindowFields& f) {
    f.scale = "2";
    f.fit = true;
  }, " /CHPL /M*");
  add("scale as typed", [](PlotWindowFields& f) { f.scale = "2,5"; }, " /CHPL /M2,5");
  add("scale that is no number", [](PlotWindowFields& f) { f.scale = "x"; }, " /CHPL /M*");
  add("scale 1 typed as 1.0", [](PlotWindowFields& f) { f.scale = "1.0"; }, " /CHPL");
  add("shifts, factor, rotation, font", [](PlotWindowFields& f) {
    f.format = PlotFormat::Ps;
    f.xShift = "1,5";
    f.yShift = "-2";
    f.textWidthFactor = "0,8";
    f.rotate = true;
    f.font = "Courier";
  }, " /CPS /X1,5 /Y-2 /B0,8 /R /TCourier");
  add("font without PostScript", [](PlotWindowFields& f) {
    f.format = PlotFormat::Pl2;
    f.font = "Courier";
    f.xShift = "abc";
  }, " /CPL2");
  for (const Case& c : cases) EXPECT_EQ(PlotWindowLine(c.fields), start + c.switches) << c.what;

  PlotWindowFields noTemp = Window();
  noTemp.temporaryFolder = "";
  noTemp.format = PlotFormat::Art;
  EXPECT_EQ(PlotWindowLine(noTemp), "/opt/plotrix/wplotrix plotrix /CART");
}

TEST(PlotParameterLine, ProgramFolderTemporaryFolderAndSwitchesInOrder) {
  FormatSettings comma;
  comma.decimalSeparator = 2;  // a command line keeps the point

  PlotParameters dosPs;
  dosPs.programFolder = "/opt/plotrix";
  dosPs.format = PlotFormat::Ps;
  dosPs.font = "Courier";
  EXPECT_EQ(PlotParameterLine(dosPs, "/tmp", comma),
            "/opt/plotrix/PLOTRIX /tmp/plotrix /CPS /TCourier");

  PlotParameters all;
  all.windowsProgram = true;
  all.programFolder = "/opt/plotrix/";
  all.format = PlotFormat::Art;
  all.outputInterface = PlotInterface::Serial;
  all.port = 3;
  all.scale = 0;
  all.rotate = true;
  all.xShift = 12.5;
  all.yShift = -3;
  all.textWidthFactor = 0.85;
  all.font = "Courier";  // not PostScript: no /T
  EXPECT_EQ(PlotParameterLine(all, "/tmp/", comma),
            "/opt/plotrix/WPLOTRIX /tmp/plotrix /CART /D1 /P3 /M* /X12.5 /R /Y-3 /B0.85");

  PlotParameters file;
  file.outputInterface = PlotInterface::File;
  file.port = 2;  // no port for a file
  file.outputFile = "out.plt";
  file.scale = 2.5;
  EXPECT_EQ(PlotParameterLine(file, "", comma), "PLOTRIX plotrix /CHPL /D3 /Fout.plt /M2.5");
  file.outputFile = " ";
  file.outputInterface = PlotInterface::Parallel;
  EXPECT_EQ(PlotParameterLine(file, "", comma), "PLOTRIX plotrix /CHPL /P2 /M2.5");
}

TEST(PlotCommandLine, FontsAndStartErrors) {
  const auto& fonts = PlotPostScriptFonts();
  EXPECT_STREQ(fonts[12], "Courier");
  EXPECT_STREQ(fonts[34], "andere Schriften");
  for (const char* font : fonts) EXPECT_LE(std::strlen(font), 28u) << font;

  const std::pair<int, std::string> errors[] = {
      {0, "out of memory !"}, {2, "file not found"}, {3, "file not found"},
      {4, "Exec error 4"},    {31, "Exec error 31"}, {32, ""}, {1, ""}, {-1, ""}};
  for (const auto& [result, text] : errors) EXPECT_EQ(PlotStartErrorText(result), text) << result;
}

}  // namespace
}  // namespace zt6
