#pragma once
// The drawing replay painted with QPainter, on the window or on a printer page.

#include <QPainter>
#include <optional>

#include "cad/canvas.h"

namespace zt6::gui {

class PainterCanvas : public Canvas {
 public:
  explicit PainterCanvas(QPainter& painter);

  // The screen's background: colours too close to it in brightness (yellow on white)
  // are darkened or lightened until they stand out; the background colour itself,
  // with which the drawing erases, stays as it is.
  void KeepReadableOn(Rgb background);

  void SetPen(Rgb colour, int width, PenStyle style) override;
  void SetBrush(Rgb colour, bool solid) override;
  void SetTextColour(Rgb colour) override;

  void Line(PixelPoint from, PixelPoint to) override;
  void Ellipse(PixelPoint topLeft, PixelPoint bottomRight) override;
  void Arc(PixelPoint topLeft, PixelPoint bottomRight, PixelPoint start,
           PixelPoint end) override;
  void Polygon(const std::array<PixelPoint, 4>& corners) override;
  void Text(PixelPoint topLeft, const TextFont& font, std::string_view utf8) override;

 private:
  QColor Shown(Rgb colour) const;

  QPainter& painter_;
  QColor text_;
  std::optional<Rgb> background_;
};

}  // namespace zt6::gui
