// Vertical dimensions of the CAD layer: extension lines, dimension line with arrows,
// the text turned by 90 degrees and the tolerance texts beside it.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "base/codepage.h"
#include "cad/block_file.h"
#include "cad/cad_output.h"
#include "cad/text_fit.h"

namespace zt6 {

namespace {

// A tolerance text with "+" in front of a positive value.
std::string Signed(std::string_view text, double value) {
  if (value > 0 && !text.starts_with("+")) return "+" + std::string(text);
  return std::string(text);
}

}  // namespace

void CadOutput::VerticalDimension(std::string_view text, std::string_view upper,
                                  std::string_view lower, double x1, double y1, double x2,
                                  double y2, double xd) {
  const double s = dimensionUnit_;
  Layer(3);
  const double reach = xd < x1 ? xd - s : xd + s;
  Line(x1, y1, reach, y1);
  Line(x2, y2, reach, y2);

  TextStyle(2, 90, 3.5 * s, 2.5 * s);
  double w = text_.widthFactor;
  const double nt = 1.0 + static_cast<double>(std::max(upper.size(), lower.size()));
  const double wt = nt * 1.8 * w * s * 1.1;
  double n = static_cast<double>(text.size());

  double ya = y1;
  double yb = y2;
  if (ya > yb) std::swap(ya, yb);
  // Short dimensions get their arrows outside the extension lines.
  if ((yb - ya) / s <= 10) std::swap(ya, yb);
  // A text that reaches the arrowheads inside stands further off the dimension line,
  // clear of their width.
  const double arrowRoom = 2 * (3.5 + 0.5) * s;
  const double textRoom = n * text_.height * w + (upper.empty() && lower.empty() ? 0.0 : wt);
  const double textX = (yb - ya) / s > 10 && yb - ya < textRoom + arrowRoom ? xd - 2 * s : xd - s;
  double y0 = (ya + yb) / 2 - (n * 2.5 * w * s * 1.2 + wt) / 2;
  // A text longer than the span between the extension lines is fitted into it.
  const double lo = std::min(y1, y2) + 0.5 * s;
  const double hi = std::max(y1, y2) - 0.5 * s;
  const double length = n * text_.height * w;
  if (y0 < lo || y0 + length > hi) {
    const double tolerances = upper.empty() && lower.empty() ? 0.0 : wt;
    const double room = hi - lo - tolerances;
    const TextFit fit = FitText(text, length, room, LeastRatio(w));
    w *= fit.ratio;
    n = static_cast<double>(fit.text.size());
    y0 = (lo + hi) / 2 - (n * text_.height * w + tolerances) / 2;
    TextWithin(text, textX, y0, room);
  } else {
    Text(text, textX, y0);
  }

  TextStyle(2, 90, 2.5 * s, 1.8 * s);
  const double yt = y0 + (n + 1) * 2.5 * w * s * 1.2;
  if (!upper.empty() && !lower.empty()) {
    const double up = BlockNumber(upper);
    const double low = BlockNumber(lower);
    if (up != 0 && up == -low) {
      const std::string_view magnitude = upper.starts_with("+") ? upper.substr(1) : upper;
      Text(Oem("±") + std::string(magnitude), xd + 1.25 * s, yt);
    } else {
      // A zero deviation is left out.
      if (low != 0) Text(Signed(lower, low), xd + 0.5 * s, yt);
      if (up != 0) Text(Signed(upper, up), xd - 2.5 * s, yt);
    }
  } else if (!lower.empty()) {
    Text(lower, xd - 0.5 * s, yt);
  } else if (!upper.empty()) {
    Text(upper, xd - 2.5 * s, yt);
  }

  Line(xd, ya, xd, yb);
  Arrow(xd, ya, 90);
  Arrow(xd, yb, 270);
}

}  // namespace zt6
