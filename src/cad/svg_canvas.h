#pragma once
// A canvas that collects what a replay paints and writes it as one standalone SVG 1.1
// document of the same pixel size, for drawings outside the desktop window.

#include <string>

#include "cad/canvas.h"

namespace zt6 {

class SvgCanvas : public Canvas {
 public:
  SvgCanvas(int width, int height, Rgb background);

  void SetPen(Rgb colour, int width, PenStyle style) override;
  void SetBrush(Rgb colour, bool solid) override;
  void SetTextColour(Rgb colour) override;

  void Line(PixelPoint from, PixelPoint to) override;
  void Ellipse(PixelPoint topLeft, PixelPoint bottomRight) override;
  void Arc(PixelPoint topLeft, PixelPoint bottomRight, PixelPoint start,
           PixelPoint end) override;
  void Polygon(const std::array<PixelPoint, 4>& corners) override;
  void Text(PixelPoint topLeft, const TextFont& font, std::string_view utf8) override;

  std::string Document() const;

 private:
  std::string Stroke() const;
  std::string Fill() const;

  int width_;
  int height_;
  Rgb background_;
  Rgb pen_;
  int penWidth_ = 1;
  PenStyle penStyle_ = PenStyle::Solid;
  Rgb brush_{255, 255, 255};
  bool brushSolid_ = true;
  Rgb text_;
  std::string body_;
};

}  // namespace zt6
