#pragma once
// The surface a drawing is replayed on: the desktop window, the printer page or an
// SVG file. Coordinates are device pixels, y downwards; the replay does all mapping
// from drawing units, so a canvas only paints.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zt6 {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct PixelPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

enum class PenStyle { Solid, Dotted, DashDot, Dashed };

// Where a text sits in its character cell (ascent plus descent of a sans-serif face),
// the same on every canvas: the em of the face against the cell, and the base line
// below the cell's top. With a cell of 1.6 text heights the capital letters are the
// text height tall and stand on the stream's base line.
inline constexpr double kTextEmPerCell = 0.89;
inline constexpr double kTextAscentPerCell = 0.81;

struct TextFont {
  std::string face = "Arial";
  int height = 0;       // character cell height in pixels
  int width = 0;        // average character width in pixels; 0 = the face's own
  double length = 0;    // the text's room in pixels, never exceeded; 0 = no limit
  int escapement = 0;   // tenths of a degree, counter-clockwise
  int weight = 100;     // 700 = bold
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void SetPen(Rgb colour, int width, PenStyle style) = 0;
  // A clear brush leaves ellipses hollow; a solid one fills polygons.
  virtual void SetBrush(Rgb colour, bool solid) = 0;
  virtual void SetTextColour(Rgb colour) = 0;

  virtual void Line(PixelPoint from, PixelPoint to) = 0;
  virtual void Ellipse(PixelPoint topLeft, PixelPoint bottomRight) = 0;
  // The part of the ellipse in the box that runs counter-clockwise (as seen on the
  // device) from the ray towards start to the ray towards end.
  virtual void Arc(PixelPoint topLeft, PixelPoint bottomRight, PixelPoint start,
                   PixelPoint end) = 0;
  virtual void Polygon(const std::array<PixelPoint, 4>& corners) = 0;
  // Transparent text whose unrotated top-left corner is at topLeft; UTF-8.
  virtual void Text(PixelPoint topLeft, const TextFont& font, std::string_view utf8) = 0;
};

}  // namespace zt6
