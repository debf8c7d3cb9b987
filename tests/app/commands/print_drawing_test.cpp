// Printing the window's drawing through the Printer port: the page the replay paints
// on, the print settings it maps with, and "anpassen" resetting the zoom first.

#include "app/commands/print_drawing.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/ports/recording_printer.h"

namespace zt6 {
namespace {

class LineCanvas : public Canvas {
 public:
  void SetPen(Rgb colour, int, PenStyle) override { pens.push_back(colour); }
  void SetBrush(Rgb, bool) override {}
  void SetTextColour(Rgb) override {}
  void Line(PixelPoint from, PixelPoint to) override { lines.push_back({from, to}); }
  void Ellipse(PixelPoint, PixelPoint) override {}
  void Arc(PixelPoint, PixelPoint, PixelPoint, PixelPoint) override {}
  void Polygon(const std::array<PixelPoint, 4>&) override {}
  void Text(PixelPoint, const TextFont&, std::string_view) override {}
  std::vector<std::pair<PixelPoint, PixelPoint>> lines;
  std::vector<Rgb> pens;
};

class PrintDrawingTest : public ::testing::Test {
 protected:
  PrintDrawingTest() {
    DrawingSettings s;
    s.screenWidth = 1000;
    s.screenHeight = 750;
    window.SetSettings(s);
    window.Header(0, 0, 100, 75);
    window.SetColor(4);
    window.line(0, 0, 100, 75);
    printer.drawingCanvas = &paper;
    printer.pageWidth = 4000;
    printer.pageHeight = 3000;
  }
  bool cancel = false;
  DrawingWindow window{cancel};
  LineCanvas paper;
  RecordingPrinter printer;
};

TEST_F(PrintDrawingTest, ThePrintSettingsMapTheDrawingOntoThePage) {
  Configuration config;
  config.printScaleX = config.printScaleY = 0.5;
  config.printOriginX = 21;  // a tenth of the page width, as A4 is reckoned
  config.printOriginY = 0;
  config.printBorder = false;
  config.printMode = 1;
  ApplyPrintSettings(window, config);
  ASSERT_TRUE(PrintDrawing(window, printer, false));
  EXPECT_EQ(printer.drawingJobs, 1);
  ASSERT_EQ(paper.lines.size(), 1u);
  const auto [from, to] = paper.lines[0];
  // The diagonal spans half the page from 400 pixels in; monochrome: a black pen.
  EXPECT_NEAR(from.x, 400 + 0.5 * 4000 * window.Viewport().x1 / 1000.0, 1);
  EXPECT_NEAR(to.x - from.x, 0.5 * 4000 * (window.Viewport().x2 - window.Viewport().x1) / 1000.0, 2);
  EXPECT_GT(from.y, to.y);  // y upwards in the drawing, downwards on paper
  EXPECT_EQ(paper.pens.back(), Rgb{});

  // With the frame the world window is drawn round first.
  config.printBorder = true;
  ApplyPrintSettings(window, config);
  paper.lines.clear();
  ASSERT_TRUE(PrintDrawing(window, printer, false));
  EXPECT_EQ(paper.lines.size(), 5u);
}

TEST_F(PrintDrawingTest, FitToPageResetsTheZoomBeforePrinting) {
  const PixelRect whole = window.Zoom();
  window.ProcessKey(107);  // zoom in
  window.ProcessKey(107);
  ASSERT_NE(window.Zoom(), whole);
  ASSERT_TRUE(PrintDrawing(window, printer, false));
  const auto zoomed = paper.lines.back();
  EXPECT_NE(window.Zoom(), whole);  // printed as zoomed
  ASSERT_TRUE(PrintDrawing(window, printer, true));
  EXPECT_EQ(window.Zoom(), window.Viewport());
  EXPECT_NE(paper.lines.back(), zoomed);
  EXPECT_FALSE(cancel);
}

TEST_F(PrintDrawingTest, NoJobNoReplay) {
  printer.drawingCanvas = nullptr;
  EXPECT_FALSE(PrintDrawing(window, printer, false));
  EXPECT_EQ(printer.drawingJobs, 0);
}

}  // namespace
}  // namespace zt6
