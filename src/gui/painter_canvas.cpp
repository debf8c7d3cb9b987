#include "gui/painter_canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPolygon>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "gui/qt_text.h"

namespace zt6::gui {

namespace {

QColor ColourOf(Rgb c) { return QColor(c.r, c.g, c.b); }

Qt::PenStyle QtStyle(PenStyle style) {
  switch (style) {
    case PenStyle::Dotted: return Qt::DotLine;
    case PenStyle::DashDot: return Qt::DashDotLine;
    case PenStyle::Dashed: return Qt::DashLine;
    case PenStyle::Solid: break;
  }
  return Qt::SolidLine;
}

// Angle of the ray from the centre to p, degrees counter-clockwise as seen on the device.
double RayAngle(double cx, double cy, PixelPoint p) {
  double dx = p.x - cx;
  const double dy = p.y - cy;
  if (dx == 0 && dy == 0) dx = 1;  // no direction: the +x ray
  return std::atan2(-dy, dx) * 180.0 / std::numbers::pi;
}

// Relative luminance (sRGB) and the contrast ratio of two of them, 1 (alike) to 21.
double Luminance(const QColor& c) {
  auto channel = [](double v) {
    v /= 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double Contrast(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

// Enough for lines and texts to be read at a glance.
constexpr double kReadableContrast = 3.0;

}  // namespace

void PainterCanvas::KeepReadableOn(Rgb background) { background_ = background; }

QColor PainterCanvas::Shown(Rgb colour) const {
  const QColor wanted = ColourOf(colour);
  if (!background_ || colour == *background_) return wanted;
  const double ground = Luminance(ColourOf(*background_));
  if (Contrast(Luminance(wanted), ground) >= kReadableContrast) return wanted;
  // Towards black on a light background, towards white on a dark one, keeping the hue.
  const QColor target = ground > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
  QColor shown = wanted;
  for (int step = 1; step <= 20 && Contrast(Luminance(shown), ground) < kReadableContrast; ++step) {
    const double t = step / 20.0;
    shown = QColor::fromRgbF(static_cast<float>(wanted.redF() * (1 - t) + target.redF() * t),
                             static_cast<float>(wanted.greenF() * (1 - t) + target.greenF() * t),
                             static_cast<float>(wanted.blueF() * (1 - t) + target.blueF() * t));
  }
  return shown;
}

PainterCanvas::PainterCanvas(QPainter& painter) : painter_(painter), text_(Qt::black) {
  painter_.setBrush(Qt::NoBrush);
}

void PainterCanvas::SetPen(Rgb colour, int width, PenStyle style) {
  QPen pen(Shown(colour));
  pen.setWidth(std::max(width, 1) == 1 ? 0 : width);  // cosmetic hairline for width 1
  pen.setStyle(QtStyle(style));
  painter_.setPen(pen);
}

void PainterCanvas::SetBrush(Rgb colour, bool solid) {
  if (solid) {
    painter_.setBrush(Shown(colour));
  } else {
    painter_.setBrush(Qt::NoBrush);
  }
}

void PainterCanvas::SetTextColour(Rgb colour) { text_ = Shown(colour); }

void PainterCanvas::Line(PixelPoint from, PixelPoint to) {
  painter_.drawLine(from.x, from.y, to.x, to.y);
}

void PainterCanvas::Ellipse(PixelPoint topLeft, PixelPoint bottomRight) {
  painter_.drawEllipse(QRect(QPoint(topLeft.x, topLeft.y), QPoint(bottomRight.x, bottomRight.y)));
}

void PainterCanvas::Arc(PixelPoint topLeft, PixelPoint bottomRight, PixelPoint start,
                        PixelPoint end) {
  const QRectF box(QPointF(topLeft.x, topLeft.y), QPointF(bottomRight.x, bottomRight.y));
  const QRectF normal = box.normalized();
  if (normal.width() == 0 || normal.height() == 0) return;
  const double cx = normal.center().x();
  const double cy = normal.center().y();
  const double a1 = RayAngle(cx, cy, start);
  double sweep = RayAngle(cx, cy, end) - a1;
  if (sweep <= 0) sweep += 360;  // equal rays: the whole ellipse, as the desktop draws it
  painter_.drawArc(normal, static_cast<int>(std::lround(a1 * 16)),
                   static_cast<int>(std::lround(sweep * 16)));
}

void PainterCanvas::Polygon(const std::array<PixelPoint, 4>& corners) {
  QPolygon polygon;
  for (const PixelPoint& p : corners) polygon << QPoint(p.x, p.y);
  painter_.drawPolygon(polygon);
}

void PainterCanvas::Text(PixelPoint topLeft, const TextFont& font, std::string_view utf8) {
  const int cell = std::abs(font.height);
  if (cell == 0 || utf8.empty()) return;
  QFont qfont(FromUtf8(font.face));
  // Sized and set on its base line as the SVG canvas does, so that screen, paper and
  // SVG put a text in the same place: the em and the base line in proportion to the
  // cell, not the face's own ascent (which would put the text lower and larger).
  qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(kTextEmPerCell * cell))));
  qfont.setWeight(font.weight >= 600 ? QFont::Bold : QFont::Normal);
  qfont.setItalic(font.italic);
  qfont.setUnderline(font.underline);
  qfont.setStrikeOut(font.strikeOut);
  const QString text = FromUtf8(utf8);

  painter_.save();
  painter_.setFont(qfont);
  painter_.setPen(text_);
  painter_.translate(topLeft.x, topLeft.y);
  if (font.escapement != 0) painter_.rotate(-font.escapement / 10.0);
  if (font.width > 0) {
    // The requested average character width, as the cell's font would have it, but
    // never wider than that width per character: the room the drawing gave the text.
    const QFontMetricsF metrics(qfont);
    const double average = metrics.averageCharWidth();
    const double advance = metrics.horizontalAdvance(text);
    if (average > 0 && advance > 0) {
      const double room =
          font.length > 0 ? font.length : static_cast<double>(text.size()) * font.width;
      painter_.scale(std::min(font.width / average, room / advance), 1.0);
    }
  }
  painter_.drawText(QPointF(0, kTextAscentPerCell * cell), text);
  painter_.restore();
}

}  // namespace zt6::gui
