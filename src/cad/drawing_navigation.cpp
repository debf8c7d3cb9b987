// Zoom and pan of the drawing window by keyboard and mouse. Both act only on the
// zoom rectangle; the stream stays as it is.

#include <algorithm>

#include "cad/drawing_window.h"
#include "cad/pixel_round.h"

namespace zt6 {
namespace {

enum Key : int {
  kEscape = 27,
  kPageUp = 33,
  kPageDown = 34,
  kLeft = 37,
  kUp = 38,
  kRight = 39,
  kDown = 40,
  kAdd = 107,
  kSubtract = 109,
  kF5 = 116,
};

bool IsAction(int key) {
  switch (key) {
    case kEscape: case kF5: case kPageUp: case kPageDown: case kLeft: case kUp:
    case kRight: case kDown: case kAdd: case kSubtract:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool DrawingWindow::ProcessKey(int virtualKey) {
  // A listed key becomes the remembered action; any other key repeats it.
  if (IsAction(virtualKey)) lastAction_ = virtualKey;
  if (lastAction_ == 0) return false;

  PixelRect z = zoom_;
  const double width = z.x2 - z.x1;
  const double height = z.y2 - z.y1;
  const double pan = settings_.panFactor;
  const double f = settings_.zoomFactor;
  switch (lastAction_) {
    case kEscape:
    case kF5:
      ResetZoom();
      return true;
    case kPageUp:
    case kPageDown:
    case kUp:
    case kDown: {
      const int steps = lastAction_ == kPageUp || lastAction_ == kPageDown ? 5 : 1;
      const int d = RoundPixel(steps * pan * height);
      const int sign = lastAction_ == kUp || lastAction_ == kPageUp ? -1 : 1;
      z.y1 += sign * d;
      z.y2 += sign * d;
      break;
    }
    case kLeft:
    case kRight: {
      const int d = RoundPixel(pan * width);
      const int sign = lastAction_ == kRight ? -1 : 1;
      z.x1 += sign * d;
      z.x2 += sign * d;
      break;
    }
    case kAdd:
    case kSubtract: {
      const int cx = (z.x1 + z.x2) / 2;
      const int cy = (z.y1 + z.y2) / 2;
      const double scale = lastAction_ == kAdd ? 1 / f : f;
      const int hx = RoundPixel(width * scale) / 2;
      const int hy = RoundPixel(height * scale) / 2;
      z = {cx - hx, cy - hy, cx + hx, cy + hy};
      break;
    }
    default:
      return false;
  }
  SetScale(z.x1, z.y1, z.x2, z.y2);
  return true;
}

bool DrawingWindow::MouseDown(MouseButton button, PixelPoint point) {
  bool repaint = false;
  if (button == MouseButton::Right) {
    ResetZoom();
    repaint = true;
  } else if (button == MouseButton::Left && doubleClicked_) {
    // The full reset must not stretch the picture: the window keeps its aspect rule.
    const bool keepAspect = keepAspect_;
    RestoreLimit();
    ResetZoom();
    ReSetWindow();
    keepAspect_ = keepAspect;
    repaint = true;
  } else if (button == MouseButton::Left && !dragging_) {
    dragging_ = true;
    dragStart_ = dragEnd_ = point;
  }
  doubleClicked_ = false;
  return repaint;
}

void DrawingWindow::MouseMove(PixelPoint point) {
  if (dragging_) dragEnd_ = point;
}

bool DrawingWindow::MouseUp(PixelPoint point, int clientWidth, int clientHeight) {
  if (!dragging_) return false;
  dragEnd_ = point;
  dragging_ = false;
  if (dragStart_.x == dragEnd_.x || dragStart_.y == dragEnd_.y) return false;
  if (clientWidth <= 0 || clientHeight <= 0) return false;

  // The dragged rectangle is turned back into drawing units through the mapping the
  // picture was painted with, and those become the new zoom rectangle; with equal
  // scales the whole dragged region then fills the window as far as it can.
  const double xl = std::min(dragStart_.x, dragEnd_.x);
  const double xh = std::max(dragStart_.x, dragEnd_.x);
  const double yl = std::min(dragStart_.y, dragEnd_.y);
  const double yh = std::max(dragStart_.y, dragEnd_.y);
  const auto worldX = [&](double px) { return visibleWorld_.x1 + (px - viewport_.x1) / sx_; };
  const auto worldY = [&](double py) { return visibleWorld_.y1 + (viewport_.y2 - py) / sy_; };
  const auto zoomX = [&](double x) {
    return viewport_.x1 + (x - world_.x1) / (world_.x2 - world_.x1) * (viewport_.x2 - viewport_.x1);
  };
  const auto zoomY = [&](double y) {
    return viewport_.y1 + (y - world_.y1) / (world_.y2 - world_.y1) * (viewport_.y2 - viewport_.y1);
  };
  SetScale(RoundPixel(zoomX(worldX(xl))), RoundPixel(zoomY(worldY(yh))),
           RoundPixel(zoomX(worldX(xh))), RoundPixel(zoomY(worldY(yl))));
  return true;
}

void DrawingWindow::DoubleClick() { doubleClicked_ = true; }

}  // namespace zt6
