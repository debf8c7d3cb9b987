// Texts on the screen: the screen's own font at the requested average character width,
// never wider than the room the drawing gave the text.

#include "gui/painter_canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <string>

namespace zt6 {
namespace {

// Left and right end of the ink a text leaves on a white image.
std::pair<int, int> InkColumns(const TextFont& font, const std::string& text) {
  QImage image(600, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    gui::PainterCanvas canvas(painter);
    canvas.SetTextColour({0, 0, 0});
    canvas.Text({10, 10}, font, text);
  }
  int left = image.width(), right = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) left = std::min(left, x), right = std::max(right, x);
  return {left, right};
}

TEST(PainterCanvas, TextsStayWithinTheirRoom) {
  TextFont font;
  font.face = "Arial";
  font.height = 24;
  font.width = 8;
  struct Case {
    const char* text;
    double length;  // 0: characters times the average width
  };
  for (const Case& c : {Case{"MRemax", 0}, Case{"WWW WWW", 0}, Case{"Zähnezahl", 0},
                        Case{"MRemax", 30.5}, Case{"Flankenlinien-Gesamtabweichung", 0}}) {
    font.length = c.length;
    const auto [left, right] = InkColumns(font, c.text);
    ASSERT_LT(left, right) << c.text;
    const double room = c.length > 0 ? c.length
                                     : static_cast<double>(QString(c.text).size()) * font.width;
    EXPECT_GE(left, 10) << c.text;
    EXPECT_LE(right + 1 - 10, room + 1) << c.text;  // one pixel of smoothing
  }
  // A text of narrow letters keeps its face's proportions rather than being stretched.
  font.length = 0;
  const auto [left, right] = InkColumns(font, "1 il");
  EXPECT_LT(right + 1 - left, 0.8 * 4 * font.width);
}

}  // namespace
}  // namespace zt6
