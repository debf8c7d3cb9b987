// Recording side of the drawing window: command records, the world window and the
// mapping from world to screen pixels.

#include "cad/drawing_window.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <string>
#include <utility>

#include "cad/pixel_round.h"

namespace zt6 {
namespace {

std::string RecordOf(int number, std::initializer_list<double> reals) {
  std::string record = std::to_string(number);
  for (double v : reals) {
    record += ';';
    record += StreamReal(v);
  }
  return record;
}

double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

bool Degenerate(const WorldRect& w) { return w.x1 == w.x2 || w.y1 == w.y2; }

}  // namespace

DrawingWindow::DrawingWindow(bool& cancelFlag, DrawingSettings settings)
    : cancel_(cancelFlag) {
  SetSettings(settings);
}

void DrawingWindow::SetSettings(const DrawingSettings& settings) {
  settings_ = settings;
  if (settings_.zoomFactor <= 0) settings_.zoomFactor = 1.0;
  if (settings_.textWidthFactor <= 0) settings_.textWidthFactor = 1.0;
  if (settings_.textHeightFactor <= 0) settings_.textHeightFactor = 1.0;
  // The virtual screen is divided by; an unset one must not make every scale infinite.
  settings_.screenWidth = std::clamp(settings_.screenWidth, 1, 65535);
  settings_.screenHeight = std::clamp(settings_.screenHeight, 1, 65535);
}

void DrawingWindow::Record(std::string record) { records_.push_back(std::move(record)); }

// --- Recording -------------------------------------------------------------------

void DrawingWindow::SetWindow(bool keepAspect, bool border, double vpx1, double vpy1,
                              double vpx2, double vpy2, double wx1, double wy1, double wx2,
                              double wy2) {
  const double w = settings_.screenWidth;
  const double h = settings_.screenHeight;
  PixelRect vp{RoundPixel(vpx1 * w), RoundPixel((1 - vpy2) * h), RoundPixel(vpx2 * w),
               RoundPixel((1 - vpy1) * h)};
  if (border) {
    ++vp.x1;
    ++vp.y1;
    --vp.x2;
    --vp.y2;
  }
  Record("10;" + std::to_string(vp.x1) + ';' + std::to_string(vp.y1) + ';' +
         std::to_string(vp.x2) + ';' + std::to_string(vp.y2) + ';' + StreamReal(wx1) + ';' +
         StreamReal(wy1) + ';' + StreamReal(wx2) + ';' + StreamReal(wy2));
  viewport_ = vp;
  world_ = {wx1, wy1, wx2, wy2};
  keepAspect_ = keepAspect;
  if (Degenerate(world_)) {
    cancel_ = true;
    return;
  }
  SetScale(vp.x1, vp.y1, vp.x2, vp.y2);
}

void DrawingWindow::Header(double wx1, double wy1, double wx2, double wy2) {
  // The aspect factor is taken from the window in force before this drawing.
  const double w = settings_.screenWidth;
  const double h = settings_.screenHeight;
  const double k = (w * 0.75 / h) * (640 / (world_.x2 - world_.x1)) /
                   (480 / (world_.y2 - world_.y1));
  aspect_ = std::isfinite(k) && k != 0 ? k : 1.0;
  SetWindow(true, true, 0, 0, 1, 1, wx1, wy1, wx2, wy2);
  SetLineStyle(0);
  SaveLimit();
  paperSheet_ = {0, 0};
}

void DrawingWindow::circle(double x, double y, double r) { Record(RecordOf(3, {x, y, r})); }

void DrawingWindow::line(double x1, double y1, double x2, double y2) {
  Record(RecordOf(4, {x1, y1, x2, y2}));
}

void DrawingWindow::Arc(double x, double y, double a1, double a2, double r) {
  const double sx = x + r * std::cos(Radians(a1));
  const double sy = y + r * std::sin(Radians(a1));
  const double ex = x + r * std::cos(Radians(a2));
  const double ey = y + r * std::sin(Radians(a2));
  // A true modulo: negative angles must not turn a long arc into a short chord.
  double sweep = std::fmod(a2 - a1, 360.0);
  if (sweep < 0) sweep += 360.0;
  if (sweep < 4) {
    line(sx, sy, ex, ey);
    return;
  }
  Record(RecordOf(5, {x - r, y - r, x + r, y + r, sx, sy, ex, ey}));
}

void DrawingWindow::OutTextXY(std::string_view text, double x, double y) {
  std::string record = RecordOf(6, {x, y});
  record += ';';
  record += text;
  Record(std::move(record));
}

void DrawingWindow::Solid(double x1, double y1, double x2, double y2, double x3, double y3,
                          double x4, double y4) {
  Record(RecordOf(7, {x1, y1, x2, y2, x3, y3, x4, y4}));
}

void DrawingWindow::SetColor(int n) {
  if (n > 16 || n == currentColour_) return;
  Record("8;" + std::to_string(n));
  currentColour_ = n;
}

void DrawingWindow::SetLineStyle(int n) {
  if (n == currentStyle_) return;
  Record("11;" + std::to_string(n));
  currentStyle_ = n;
}

void DrawingWindow::SetLineStyleName(std::string_view name) {
  int style = 0;
  if (name == "DOTTED" || name == "PUNKT") {
    style = 1;
  } else if (name == "CENTER" || name == "DASHDOT" || name == "STRICHPUNKT") {
    style = 2;
  } else if (name == "DASHED" || name == "HIDDEN" || name == "VERDECKT") {
    style = 3;
  }
  SetLineStyle(style);
}

void DrawingWindow::SetLineWidth(int n) {
  if (n == currentWidth_) return;
  Record("12;" + std::to_string(n));
  currentWidth_ = n;
}

void DrawingWindow::SetTextStyle(int font, double angle, double height, double width) {
  Record("9;" + StreamReal(height) + ';' + StreamReal(width) + ';' + std::to_string(font) +
         ';' + StreamReal(angle));
}

void DrawingWindow::SleepMs(int ms) { Record("13;" + std::to_string(ms)); }

void DrawingWindow::Rectangle(double x1, double y1, double x2, double y2) {
  line(x1, y1, x2, y1);
  line(x2, y1, x2, y2);
  line(x2, y2, x1, y2);
  line(x1, y2, x1, y1);
}

void DrawingWindow::DrawMorvaneLogo() {
  Header(-1, -1, 38, 33);
  SetLineStyle(0);
  // A blue "M" of two posts and two slanted strokes standing on a magenta bar.
  using Quad = std::array<double, 8>;
  static constexpr std::array<Quad, 4> kLetter{{
      {0, 7, 6, 7, 6, 32, 0, 32},
      {0, 32, 6, 32, 18.5, 18, 18.5, 10},
      {37, 32, 31, 32, 18.5, 18, 18.5, 10},
      {31, 7, 37, 7, 37, 32, 31, 32},
  }};
  SetColor(9);
  for (const Quad& q : kLetter) Solid(q[0], q[1], q[2], q[3], q[4], q[5], q[6], q[7]);
  SetColor(13);
  Solid(0, 0, 37, 0, 37, 4, 0, 4);
}

// --- Window operations -----------------------------------------------------------

void DrawingWindow::Clear() {
  records_.clear();
  // An empty stream has set nothing yet: the next colour, style and width of a new
  // drawing must be recorded even when they equal the last drawing's.
  currentColour_ = -1;
  currentStyle_ = 99;
  currentWidth_ = 1;
}

void DrawingWindow::SaveLimit() { savedWorld_ = world_; }

void DrawingWindow::RestoreLimit() {
  SetWindow(true, true, 0, 0, 1, 1, savedWorld_.x1, savedWorld_.y1, savedWorld_.x2,
            savedWorld_.y2);
}

void DrawingWindow::ReSetWindow() {
  SetWindow(false, false, 0, 0, 1, 1, 0, 0, 1, 1);
  ResetZoom();
}

void DrawingWindow::SetScale(int zx1, int zy1, int zx2, int zy2) {
  if (zx1 == zx2 || zy1 == zy2) return;
  // A degenerate viewport or world window has no scale; keep the last good one.
  if (viewport_.x1 == viewport_.x2 || viewport_.y1 == viewport_.y2 || Degenerate(world_)) {
    return;
  }
  zoom_ = {zx1, zy1, zx2, zy2};
  const double vw = viewport_.x2 - viewport_.x1;
  const double vh = viewport_.y2 - viewport_.y1;
  const double ww = world_.x2 - world_.x1;
  const double wh = world_.y2 - world_.y1;
  visibleWorld_ = {(zx1 - viewport_.x1) / vw * ww + world_.x1,
                   (zy1 - viewport_.y1) / vh * wh + world_.y1,
                   (zx2 - viewport_.x1) / vw * ww + world_.x1,
                   (zy2 - viewport_.y1) / vh * wh + world_.y1};
  sx_ = vw / (visibleWorld_.x2 - visibleWorld_.x1);
  sy_ = vh / (visibleWorld_.y2 - visibleWorld_.y1);
  if (keepAspect_) {
    // Screen pixels are square: equal scales keep circles round on any shape of
    // drawing area. The smaller scale wins so the whole world window fits.
    if (sx_ >= sy_) {
      sx_ = sy_;
    } else {
      sy_ = sx_;
    }
  }
}

void DrawingWindow::ResetZoom() { SetScale(viewport_.x1, viewport_.y1, viewport_.x2, viewport_.y2); }

void DrawingWindow::SaveViewPort() { savedViewport_ = viewport_; }

void DrawingWindow::RetrieveViewPort() { viewport_ = savedViewport_; }

// --- Mapping ---------------------------------------------------------------------

int DrawingWindow::X(double x) const {
  return RoundPixel((x - visibleWorld_.x1) * sx_) + viewport_.x1;
}

int DrawingWindow::Y(double y) const {
  return viewport_.y2 - RoundPixel((y - visibleWorld_.y1) * sy_);
}

int DrawingWindow::PixelHeight(double v) const { return RoundPixel(v * sy_); }

}  // namespace zt6
