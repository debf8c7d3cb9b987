#include "cad/svg_canvas.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "base/codepage.h"
#include "cad/drawing_window.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

using test_support::TempDir;

// Python's XML parser must accept the document.
bool WellFormed(const TempDir& dir, const std::string& document) {
  const std::string file = dir.Write("drawing.svg", document).string();
  const std::string command =
      "/usr/bin/python3 -c 'import xml.dom.minidom,sys; xml.dom.minidom.parse(sys.argv[1])' '" +
      file + "'";
  return std::system(command.c_str()) == 0;
}

std::string PathData(const std::string& document) {
  const std::size_t d = document.find(" d=\"");
  if (d == std::string::npos) return {};
  const std::size_t start = d + 4;
  return document.substr(start, document.find('"', start) - start);
}

TEST(SvgCanvas, ReplayedDrawingIsAWellFormedDocument) {
  TempDir dir("zt6_svg");
  bool cancel = false;
  DrawingSettings settings;
  settings.screenWidth = 400;
  settings.screenHeight = 300;
  DrawingWindow window(cancel, settings);
  window.sleepEnabled = false;
  window.Header(0, 0, 40, 30);
  window.SetColor(4);
  window.SetLineStyle(3);
  window.line(1, 1, 39, 29);
  window.circle(20, 15, 5);
  window.Arc(20, 15, 0, 270, 8);
  window.Solid(0, 0, 5, 0, 5, 5, 0, 5);
  window.SetTextStyle(0, 30, 2.5, 2);
  window.OutTextXY(Oem("a<&\"b'; Maß"), 10, 10);

  SvgCanvas canvas(401, 301, WindowsRgb(0xFFFFFF));
  window.Replay(canvas);
  // A control character and a byte that is not UTF-8 must not break the document.
  canvas.Text({0, 0}, TextFont{.height = 10}, "bad \x01 \xff bytes");
  const std::string svg = canvas.Document();
  EXPECT_TRUE(WellFormed(dir, svg)) << svg;
  EXPECT_NE(svg.find("viewBox=\"0 0 401 301\""), std::string::npos);
  EXPECT_NE(svg.find("<rect width=\"401\" height=\"301\" fill=\"#ffffff\"/>"), std::string::npos);
  EXPECT_NE(svg.find(">a&lt;&amp;&quot;b&apos;; Maß</text>"), std::string::npos) << svg;
  EXPECT_NE(svg.find("stroke=\"#ff0000\""), std::string::npos);
  EXPECT_NE(svg.find("stroke-dasharray=\"18 6\""), std::string::npos);
  EXPECT_NE(svg.find("rotate(-30)"), std::string::npos);
  for (const char* element : {"<line ", "<ellipse ", "<path ", "<polygon ", "<text "}) {
    EXPECT_NE(svg.find(element), std::string::npos) << element;
  }
}

TEST(SvgCanvas, ArcRunsCounterClockwiseOnTheDevice) {
  struct Case {
    PixelPoint start, end;
    const char* path;
  };
  // Circle of radius 50 round (50, 50); up on the device is smaller y.
  const std::vector<Case> cases = {
      {{100, 50}, {50, 0}, "M 100 50 A 50 50 0 0 0 50 0"},  // right to top: a quarter
      {{50, 0}, {100, 50}, "M 50 0 A 50 50 0 1 0 100 50"},  // top to right: three quarters
      // Points off the circle are projected along their rays.
      {{100, 0}, {0, 50}, "M 85.355 14.645 A 50 50 0 0 0 0 50"},
  };
  for (const Case& c : cases) {
    SvgCanvas canvas(100, 100, {});
    canvas.Arc({0, 0}, {100, 100}, c.start, c.end);
    EXPECT_EQ(PathData(canvas.Document()), c.path);
  }

  // Equal rays give the whole ellipse.
  SvgCanvas full(100, 100, {});
  full.Arc({0, 0}, {100, 60}, {100, 30}, {90, 30});
  EXPECT_NE(full.Document().find("<ellipse cx=\"50\" cy=\"30\" rx=\"50\" ry=\"30\" fill=\"none\""),
            std::string::npos)
      << full.Document();
}

TEST(SvgCanvas, TextIsAnchoredAtItsTopLeftCorner) {
  SvgCanvas canvas(200, 200, {});
  canvas.SetTextColour({0, 0, 0xFF});
  TextFont font;
  font.face = "Courier New";
  font.height = 20;
  font.escapement = 900;
  font.weight = 700;
  font.italic = true;
  canvas.Text({10, 30}, font, "x");
  const std::string svg = canvas.Document();
  EXPECT_NE(svg.find("transform=\"translate(10 30) rotate(-90)\""), std::string::npos) << svg;
  // The base line lies below the top of the cell.
  EXPECT_NE(svg.find(" x=\"0\" y=\"16.2\""), std::string::npos) << svg;
  EXPECT_NE(svg.find("font-family=\"Courier New\""), std::string::npos);
  EXPECT_NE(svg.find("fill=\"#0000ff\""), std::string::npos);
  EXPECT_NE(svg.find("font-weight=\"bold\""), std::string::npos);
  EXPECT_NE(svg.find("font-style=\"italic\""), std::string::npos);
}

// The drawn length of the one text of a document: its textLength times its x scale.
double DrawnLength(const std::string& svg) {
  const std::size_t scale = svg.find("scale(");
  const std::size_t length = svg.find("textLength=\"");
  if (scale == std::string::npos || length == std::string::npos) return -1;
  return std::stod(svg.substr(scale + 6)) * std::stod(svg.substr(length + 12));
}

TEST(SvgCanvas, TextsNeverRunWiderThanTheirRoom) {
  TextFont font;
  font.height = 20;
  font.width = 10;
  const struct {
    const char* text;
    double length;  // the room given; 0: characters times the average width
    double drawn;   // at most
  } cases[] = {
      {"MRemax", 0, 60},    // wide capitals are narrowed into six characters' room
      {"MRemax", 42.5, 42.5},
      {"Zähnezahl", 0, 90},
      {"1 il", 0, 36},      // narrow letters keep their proportions, well inside 40
  };
  for (const auto& c : cases) {
    SvgCanvas canvas(400, 100, {});
    font.length = c.length;
    canvas.Text({5, 5}, font, c.text);
    const std::string svg = canvas.Document();
    const double drawn = DrawnLength(svg);
    EXPECT_GT(drawn, 0) << svg;
    EXPECT_LE(drawn, c.drawn + 1e-3) << c.text << "\n" << svg;
    EXPECT_NE(svg.find("lengthAdjust=\"spacingAndGlyphs\""), std::string::npos);
  }
}

}  // namespace
}  // namespace zt6
