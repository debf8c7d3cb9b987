#include "cad/hpgl_writer.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "base/codepage.h"
#include "cad/hpgl_reader.h"

namespace zt6 {

namespace {

std::string Units(double mm) { return std::to_string(PlotterUnits(mm)); }

std::string Point(double x, double y) { return Units(x) + "," + Units(y); }

// A label's text in character set 3: umlauts as their letter followed by "}",
// other characters as they are in code page 850.
std::string LabelText(std::string_view utf8) {
  std::string out;
  for (const char c : Utf8ToCp850(utf8)) {
    switch (static_cast<unsigned char>(c)) {
      case 0x8E: out += "A}"; break;
      case 0x99: out += "O}"; break;
      case 0x9A: out += "U}"; break;
      case 0x84: out += "a}"; break;
      case 0x94: out += "o}"; break;
      case 0x81: out += "u}"; break;
      case 0x03: break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace

long PlotterUnits(double mm) { return std::lround(mm / kPlotterUnit); }

std::string EncodePeNumber(long value) {
  unsigned long v = value < 0 ? (static_cast<unsigned long>(-value) << 1) | 1u
                              : static_cast<unsigned long>(value) << 1;
  std::string out;
  while (v >= 32) {
    out += static_cast<char>(63 + (v & 31u));
    v >>= 5;
  }
  out += static_cast<char>(95 + v);
  return out;
}

HpglWriter::HpglWriter() { text_ = "IN;IP;SC;DF;LT;CS3;\n"; }

void HpglWriter::Command(std::string_view command) {
  text_ += command;
  text_ += ";\n";
}

void HpglWriter::Pen(int pen) { Command("SP" + std::to_string(pen)); }

void HpglWriter::MoveTo(double x, double y) { Command("PU" + Point(x, y)); }

void HpglWriter::LineTo(double x, double y) { Command("PD" + Point(x, y)); }

void HpglWriter::Line(double x1, double y1, double x2, double y2) {
  MoveTo(x1, y1);
  LineTo(x2, y2);
}

void HpglWriter::Polyline(const std::vector<std::pair<double, double>>& points) {
  if (points.empty()) return;
  MoveTo(points.front().first, points.front().second);
  // PD once, then PA with the remaining points: the pen stays down.
  std::string command = "PD;PA";
  for (std::size_t i = 1; i < points.size(); ++i) {
    if (i > 1) command += ",";
    command += Point(points[i].first, points[i].second);
  }
  Command(command);
  Command("PU");
}

void HpglWriter::EncodedPolyline(const std::vector<std::pair<double, double>>& points) {
  if (points.empty()) return;
  std::string command = "PE7<=";
  long x = PlotterUnits(points.front().first);
  long y = PlotterUnits(points.front().second);
  command += EncodePeNumber(x) + EncodePeNumber(y);
  for (std::size_t i = 1; i < points.size(); ++i) {
    const long nx = PlotterUnits(points[i].first);
    const long ny = PlotterUnits(points[i].second);
    command += EncodePeNumber(nx - x) + EncodePeNumber(ny - y);
    x = nx;
    y = ny;
  }
  Command(command);
  Command("PU");
}

void HpglWriter::Circle(double x, double y, double r) {
  MoveTo(x, y);
  Command("CI" + Units(r));
}

void HpglWriter::Arc(double cx, double cy, double r, double startDeg, double sweepDeg) {
  const double a = startDeg * std::numbers::pi / 180;
  MoveTo(cx + r * std::cos(a), cy + r * std::sin(a));
  Command("PD");
  char sweep[32];
  std::snprintf(sweep, sizeof sweep, "%.3f", sweepDeg);
  Command("AA" + Point(cx, cy) + "," + sweep);
  Command("PU");
}

void HpglWriter::Label(double x, double y, std::string_view utf8, double heightMm,
                       double directionDeg) {
  if (heightMm != charHeight_) {
    char size[64];
    // SI takes width and height in centimetres.
    std::snprintf(size, sizeof size, "SI%.3f,%.3f", heightMm * 0.07, heightMm * 0.1);
    Command(size);
    charHeight_ = heightMm;
  }
  if (directionDeg != direction_) {
    const double a = directionDeg * std::numbers::pi / 180;
    char direction[64];
    std::snprintf(direction, sizeof direction, "DI%.4f,%.4f", std::cos(a), std::sin(a));
    Command(direction);
    direction_ = directionDeg;
  }
  MoveTo(x, y);
  text_ += "LB" + LabelText(utf8) + "\x03;\n";
}

}  // namespace zt6
