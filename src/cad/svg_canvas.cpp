// SVG output of a replayed drawing. Arcs follow the desktop's arc rule, texts are
// placed by the top-left corner of their character cell as the window places them.

#include "cad/svg_canvas.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>
#include <string>
#include <string_view>

#include "base/utf8.h"

namespace zt6 {
namespace {

// The average width of a sans-serif face against its character cell height; SVG
// cannot set an average width directly.
constexpr double kAverageWidthPerCell = 0.40;

// Advance widths of the printable ASCII characters in thousandths of an em, the wider
// of Arial's and DejaVu Sans's, the faces "Arial" most often turns out to be: a text's
// natural width is reckoned no narrower than a renderer draws it.
constexpr int kAsciiAdvance[95] = {
    318,  401, 460, 838, 636, 950, 780, 275, 390, 390, 500, 838, 318, 361, 318, 337,  //  !"#..
    636,  636, 636, 636, 636, 636, 636, 636, 636, 636, 337, 337, 838, 838, 838, 556,  // 0..?
    1015, 684, 686, 722, 770, 667, 611, 778, 752, 295, 500, 667, 557, 863, 748, 787,  // @..O
    667,  787, 722, 667, 611, 732, 684, 989, 685, 667, 685, 390, 337, 390, 838, 556,  // P.._
    500,  613, 635, 550, 635, 615, 352, 635, 634, 278, 278, 579, 278, 974, 634, 612,  // `..o
    635,  635, 411, 521, 392, 634, 592, 818, 592, 592, 525, 636, 337, 636, 838};      // p..~

int Advance(char32_t c) {
  if (c >= 32 && c <= 126) return kAsciiAdvance[c - 32];
  switch (c) {
    case U'Ä': return 684;
    case U'Ö': return 787;
    case U'Ü': return 732;
    case U'ß': return 630;
    case U'°': return 500;
    case U'±': return 838;
    case U'²': return 401;
    default: return 640;
  }
}

// The text's width at an average character width of `average`, in the same unit.
double NaturalWidth(std::string_view utf8, double average, std::size_t& characters) {
  double ems = 0;
  characters = 0;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::optional<char32_t> c = utf8::Decode(utf8, pos);
    ems += Advance(c.value_or(U'?')) / 1000.0;
    ++characters;
  }
  return ems * kTextEmPerCell / kAverageWidthPerCell * average;
}

std::string Number(double v) {
  if (std::abs(v) < 0.0005) return "0";
  char buffer[48];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 3);
  std::string text(buffer, end);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

std::string Number(int v) { return std::to_string(v); }

std::string Colour(Rgb c) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", c.r, c.g, c.b);
  return buffer;
}

// Escapes text for XML content and attribute values. Malformed UTF-8 becomes U+FFFD
// and characters XML forbids are dropped, so the document stays well-formed.
std::string Escape(std::string_view text) {
  std::string out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::optional<char32_t> cp = utf8::Decode(text, pos);
    if (!cp) {
      utf8::Append(out, U'\uFFFD');
      continue;
    }
    switch (*cp) {
      case U'&': out += "&amp;"; break;
      case U'<': out += "&lt;"; break;
      case U'>': out += "&gt;"; break;
      case U'"': out += "&quot;"; break;
      case U'\'': out += "&apos;"; break;
      default:
        if ((*cp < 0x20 && *cp != U'\t' && *cp != U'\n' && *cp != U'\r') || *cp == 0xFFFE ||
            *cp == 0xFFFF) {
          break;
        }
        utf8::Append(out, *cp);
    }
  }
  return out;
}

std::string Attribute(std::string_view name, const std::string& value) {
  return " " + std::string(name) + "=\"" + value + "\"";
}

}  // namespace

SvgCanvas::SvgCanvas(int width, int height, Rgb background)
    : width_(std::max(1, width)), height_(std::max(1, height)), background_(background) {}

void SvgCanvas::SetPen(Rgb colour, int width, PenStyle style) {
  pen_ = colour;
  penWidth_ = width;
  penStyle_ = style;
}

void SvgCanvas::SetBrush(Rgb colour, bool solid) {
  brush_ = colour;
  brushSolid_ = solid;
}

void SvgCanvas::SetTextColour(Rgb colour) { text_ = colour; }

std::string SvgCanvas::Stroke() const {
  // A pen of width 0 still draws one pixel.
  const int width = std::max(1, penWidth_);
  std::string stroke = Attribute("stroke", Colour(pen_)) + Attribute("stroke-width", Number(width));
  std::string_view pattern;
  switch (penStyle_) {
    case PenStyle::Dotted: pattern = "3 3"; break;
    case PenStyle::DashDot: pattern = "9 6 3 6"; break;
    case PenStyle::Dashed: pattern = "18 6"; break;
    case PenStyle::Solid: break;
  }
  if (!pattern.empty()) {
    // The pattern grows with the pen so wide dashed lines keep their look.
    std::string dashes;
    std::size_t start = 0;
    while (start < pattern.size()) {
      std::size_t blank = pattern.find(' ', start);
      if (blank == std::string_view::npos) blank = pattern.size();
      int length = 0;
      std::from_chars(pattern.data() + start, pattern.data() + blank, length);
      if (!dashes.empty()) dashes += ' ';
      dashes += Number(length * width);
      start = blank + 1;
    }
    stroke += Attribute("stroke-dasharray", dashes);
  }
  return stroke;
}

std::string SvgCanvas::Fill() const {
  return Attribute("fill", brushSolid_ ? Colour(brush_) : std::string("none"));
}

void SvgCanvas::Line(PixelPoint from, PixelPoint to) {
  body_ += "<line" + Attribute("x1", Number(from.x)) + Attribute("y1", Number(from.y)) +
           Attribute("x2", Number(to.x)) + Attribute("y2", Number(to.y)) + Stroke() + "/>\n";
}

void SvgCanvas::Ellipse(PixelPoint topLeft, PixelPoint bottomRight) {
  const double cx = (topLeft.x + bottomRight.x) / 2.0;
  const double cy = (topLeft.y + bottomRight.y) / 2.0;
  body_ += "<ellipse" + Attribute("cx", Number(cx)) + Attribute("cy", Number(cy)) +
           Attribute("rx", Number(std::abs(bottomRight.x - topLeft.x) / 2.0)) +
           Attribute("ry", Number(std::abs(bottomRight.y - topLeft.y) / 2.0)) + Fill() +
           Stroke() + "/>\n";
}

void SvgCanvas::Arc(PixelPoint topLeft, PixelPoint bottomRight, PixelPoint start,
                    PixelPoint end) {
  const double cx = (topLeft.x + bottomRight.x) / 2.0;
  const double cy = (topLeft.y + bottomRight.y) / 2.0;
  const double rx = std::abs(bottomRight.x - topLeft.x) / 2.0;
  const double ry = std::abs(bottomRight.y - topLeft.y) / 2.0;
  if (rx == 0 || ry == 0) return;

  struct Ray {
    double dx;
    double dy;
  };
  auto rayTo = [&](PixelPoint p) {
    Ray r{p.x - cx, p.y - cy};
    if (r.dx == 0 && r.dy == 0) r.dx = 1;  // no direction: take the +x ray
    return r;
  };
  const Ray s = rayTo(start);
  const Ray e = rayTo(end);

  // Equal rays draw the whole ellipse, as the desktop does.
  if (s.dx * e.dy - s.dy * e.dx == 0 && s.dx * e.dx + s.dy * e.dy > 0) {
    body_ += "<ellipse" + Attribute("cx", Number(cx)) + Attribute("cy", Number(cy)) +
             Attribute("rx", Number(rx)) + Attribute("ry", Number(ry)) +
             Attribute("fill", "none") + Stroke() + "/>\n";
    return;
  }

  // The start and end points lie where the rays cut the ellipse.
  auto onEllipse = [&](Ray r) {
    const double t = 1 / std::hypot(r.dx / rx, r.dy / ry);
    return std::array<double, 2>{cx + t * r.dx, cy + t * r.dy};
  };
  const auto p = onEllipse(s);
  const auto q = onEllipse(e);
  // Counter-clockwise as seen on the device (y down) is SVG's negative sweep; the
  // angle between the rays tells whether the arc is the larger one.
  double sweep = std::atan2(-e.dy, e.dx) - std::atan2(-s.dy, s.dx);
  if (sweep < 0) sweep += 2 * std::numbers::pi;
  const bool large = sweep > std::numbers::pi;
  const std::string d = "M " + Number(p[0]) + ' ' + Number(p[1]) + " A " + Number(rx) + ' ' +
                        Number(ry) + " 0 " + (large ? "1" : "0") + " 0 " + Number(q[0]) + ' ' +
                        Number(q[1]);
  body_ += "<path" + Attribute("d", d) + Attribute("fill", "none") + Stroke() + "/>\n";
}

void SvgCanvas::Polygon(const std::array<PixelPoint, 4>& corners) {
  std::string points;
  for (const PixelPoint& c : corners) {
    if (!points.empty()) points += ' ';
    points += Number(c.x) + ',' + Number(c.y);
  }
  body_ += "<polygon" + Attribute("points", points) + Fill() + Stroke() + "/>\n";
}

void SvgCanvas::Text(PixelPoint topLeft, const TextFont& font, std::string_view utf8) {
  const int cell = std::abs(font.height);
  if (cell == 0 || utf8.empty()) return;
  // Rotation and width act about the cell's top-left corner, where the text is anchored.
  std::string transform = "translate(" + Number(topLeft.x) + ' ' + Number(topLeft.y) + ')';
  if (font.escapement != 0) transform += " rotate(" + Number(-font.escapement / 10.0) + ')';
  std::string length;
  if (font.width > 0) {
    // The requested average width, but never wider than the room the drawing gave the
    // text. A renderer that knows textLength fits the glyphs of whatever face it has
    // into that length; others draw the face as it is, no wider than reckoned here.
    std::size_t characters = 0;
    const double natural = NaturalWidth(utf8, font.width, characters);
    const double room =
        font.length > 0 ? font.length : static_cast<double>(characters) * font.width;
    const double fit = natural > room ? room / natural : 1.0;
    const std::string scale = Number(fit * font.width / (kAverageWidthPerCell * cell));
    transform += " scale(" + scale + " 1)";
    // The length in the scaled units, from the scale as written, so that both together
    // give the room.
    double written = 1;
    std::from_chars(scale.data(), scale.data() + scale.size(), written);
    length = Attribute("textLength", Number(fit * natural / written)) +
             Attribute("lengthAdjust", "spacingAndGlyphs");
  }
  std::string element = "<text" + Attribute("transform", transform) + Attribute("x", "0") +
                        Attribute("y", Number(kTextAscentPerCell * cell)) +
                        Attribute("font-family", Escape(font.face)) +
                        Attribute("font-size", Number(kTextEmPerCell * cell)) +
                        Attribute("fill", Colour(text_)) + length;
  if (font.weight >= 600) element += Attribute("font-weight", "bold");
  if (font.italic) element += Attribute("font-style", "italic");
  if (font.underline || font.strikeOut) {
    std::string decoration = font.underline ? "underline" : "";
    if (font.strikeOut) decoration += decoration.empty() ? "line-through" : " line-through";
    element += Attribute("text-decoration", decoration);
  }
  body_ += element + Attribute("xml:space", "preserve") + '>' + Escape(utf8) + "</text>\n";
}

std::string SvgCanvas::Document() const {
  const std::string w = Number(width_);
  const std::string h = Number(height_);
  return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
         "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"" +
         Attribute("width", w) + Attribute("height", h) +
         Attribute("viewBox", "0 0 " + w + ' ' + h) + ">\n<rect" + Attribute("width", w) +
         Attribute("height", h) + Attribute("fill", Colour(background_)) + "/>\n" + body_ +
         "</svg>\n";
}

}  // namespace zt6
