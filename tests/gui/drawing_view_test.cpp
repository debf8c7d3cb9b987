// The drawing area: the stream painted on every repaint, zoom and pan by keys and by the
// rubber band, and the resets.

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "gui/drawing_view.h"
#include "support/gui_fixture.h"

namespace zt6 {
namespace {

class DrawingViewTest : public test_support::GuiFixture {
 protected:
  // Pixels that differ from the background: how much of the picture is painted.
  int PaintedPixels() {
    const QImage image = window->View().grab().toImage();
    const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
    int painted = 0;
    for (int y = 0; y < image.height(); y += 2)
      for (int x = 0; x < image.width(); x += 2) painted += image.pixel(x, y) != background;
    return painted;
  }
};

TEST_F(DrawingViewTest, PaintsTheStreamAndZoomsByKeysAndRubberBand) {
  gui::DrawingView& view = window->View();
  ASSERT_FALSE(program.drawing.Records().empty());
  const int whole = PaintedPixels();
  EXPECT_GT(whole, 1000);
  const PixelRect start = program.drawing.Zoom();

  QTest::keyClick(&view, Qt::Key_Plus);
  const PixelRect in = program.drawing.Zoom();
  EXPECT_LT(in.x2 - in.x1, start.x2 - start.x1);
  QTest::keyClick(&view, Qt::Key_A);  // any other key repeats the last action
  EXPECT_LT(program.drawing.Zoom().x2 - program.drawing.Zoom().x1, in.x2 - in.x1);
  QTest::keyClick(&view, Qt::Key_Left);
  EXPECT_NE(program.drawing.Zoom().x1, in.x1);
  QTest::keyClick(&view, Qt::Key_Escape);
  EXPECT_EQ(program.drawing.Zoom(), start);

  // A rectangle over the upper left quarter becomes the whole view.
  const QPoint a(10, 10), b(view.width() / 2, view.height() / 2);
  QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, a);
  QTest::mouseMove(&view, b);
  EXPECT_TRUE(program.drawing.Dragging());
  QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, b);
  EXPECT_FALSE(program.drawing.Dragging());
  const PixelRect zoomed = program.drawing.Zoom();
  EXPECT_NE(zoomed, start);
  EXPECT_NE(PaintedPixels(), whole);

  QTest::mouseClick(&view, Qt::RightButton, Qt::NoModifier, a);
  EXPECT_EQ(program.drawing.Zoom(), start);
  EXPECT_EQ(PaintedPixels(), whole);
}

TEST_F(DrawingViewTest, MenuDrawingsReplaceThePicture) {
  const std::size_t quick = program.drawing.Records().size();
  Run("mi_viewPassung");  // the tolerance diagram
  EXPECT_NE(program.drawing.Records().size(), quick);
  Run("mi_viewQuick");
  EXPECT_EQ(program.drawing.Records().size(), quick);
}

// On a white background the sheet's yellow lines and texts are darkened until they can
// be read; on the default dark background they keep their colour.
TEST_F(DrawingViewTest, LightColoursStayReadableOnAWhiteBackground) {
  auto luminance = [](QRgb p) {
    auto channel = [](int v) {
      const double c = v / 255.0;
      return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(p)) + 0.7152 * channel(qGreen(p)) + 0.0722 * channel(qBlue(p));
  };
  // The yellow pixels of the picture and the strongest contrast one of them has against
  // the background.
  auto yellow = [&](const QImage& image, double ground) {
    int count = 0;
    double strongest = 1;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        if (std::abs(qRed(p) - qGreen(p)) > 30 || std::min(qRed(p), qGreen(p)) < qBlue(p) + 80) continue;
        ++count;
        const double l = luminance(p);
        strongest = std::max(strongest, (std::max(l, ground) + 0.05) / (std::min(l, ground) + 0.05));
      }
    return std::pair{count, strongest};
  };
  Run("mi_viewfertigungszeichnungwelle");
  const auto [onDark, darkContrast] = yellow(window->View().grab().toImage(), 0.0);
  EXPECT_GT(onDark, 100);
  EXPECT_GT(darkContrast, 15);  // full yellow on black

  DrawingSettings white = program.drawing.Settings();
  white.backgroundColour = 0xFFFFFF;
  program.drawing.SetSettings(white);
  const auto [onWhite, whiteContrast] = yellow(window->View().grab().toImage(), 1.0);
  EXPECT_GT(onWhite, 100);
  EXPECT_GE(whiteContrast, 3.0);
}

TEST(VirtualKeys, QtKeysBecomeTheDrawingWindowsKeyCodes) {
  EXPECT_EQ(gui::VirtualKeyOf(Qt::Key_Escape, false), 27);
  EXPECT_EQ(gui::VirtualKeyOf(Qt::Key_PageUp, false), 33);
  EXPECT_EQ(gui::VirtualKeyOf(Qt::Key_Down, false), 40);
  EXPECT_EQ(gui::VirtualKeyOf(Qt::Key_Plus, true), 107);
  EXPECT_EQ(gui::VirtualKeyOf(Qt::Key_Minus, false), 109);
  EXPECT_EQ(gui::VirtualKeyOf(Qt::Key_F5, false), 116);
  EXPECT_EQ(gui::VirtualKeyOf(Qt::Key_A, false), 'A');
  EXPECT_EQ(gui::VirtualKeyOf(Qt::Key_Shift, false), 0);
}

}  // namespace
}  // namespace zt6
