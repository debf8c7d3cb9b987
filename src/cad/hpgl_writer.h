#pragma once
// Writes HP-GL/2 plot files in the subset the help-image reader draws: pen selection,
// pen-up moves, lines, circles, arcs, labels in character set 3 (umlauts as letter
// + "}") and polylines encoded in 7-bit mode. Coordinates are given in mm.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zt6 {

class HpglWriter {
 public:
  HpglWriter();  // "IN;" and the ignored set-up commands a plotter expects

  void Pen(int pen);                      // SP
  void MoveTo(double x, double y);        // PU to an absolute point
  void LineTo(double x, double y);        // PD to an absolute point
  void Line(double x1, double y1, double x2, double y2);
  void Polyline(const std::vector<std::pair<double, double>>& points);  // PA ... PD ...
  // PE in 7-bit mode: first point absolute with pen up, the others relative, drawn.
  void EncodedPolyline(const std::vector<std::pair<double, double>>& points);
  void Circle(double x, double y, double r);  // PU to the centre, CI
  // AA around the centre from the point at startDeg over sweepDeg (counter-clockwise
  // when positive). The reader's current point is the centre afterwards.
  void Arc(double cx, double cy, double r, double startDeg, double sweepDeg);
  // A label with the left end of its base line at x, y; text in UTF-8, height in mm,
  // direction in degrees.
  void Label(double x, double y, std::string_view utf8, double heightMm,
             double directionDeg = 0);

  const std::string& Text() const { return text_; }

 private:
  void Command(std::string_view command);
  std::string text_;
  double charHeight_ = -1;
  double direction_ = 0;
};

// One number in the 7-bit encoding of PE: sign in the lowest bit, base-32 digits from
// the lowest, the last one a terminator digit.
std::string EncodePeNumber(long value);
// The plotter units of mm (0.025 mm each), rounded.
long PlotterUnits(double mm);

}  // namespace zt6
