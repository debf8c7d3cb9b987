#include "gui/drawing_view.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTimer>
#include <cstdlib>

#include "gui/painter_canvas.h"

namespace zt6::gui {

namespace {

PixelPoint PointOf(const QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  return PixelPoint{p.x(), p.y()};
}

// For timing the start (bench/run.sh): with ZT6_QUIT_AFTER_FIRST_DRAWING set the
// program ends once the first picture has been painted.
void QuitIfMeasuringStart() {
  static const bool measuring = std::getenv("ZT6_QUIT_AFTER_FIRST_DRAWING") != nullptr;
  if (measuring) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

}  // namespace

int VirtualKeyOf(int qtKey, bool keypad) {
  switch (qtKey) {
    case Qt::Key_Escape: return 27;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_F5: return 116;
    case Qt::Key_Plus: return 107;   // zoom keys on either keyboard part
    case Qt::Key_Minus: return 109;
    default: break;
  }
  (void)keypad;
  // Letters and digits have their own codes; they repeat the last action.
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return qtKey;
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;
  return 0;
}

DrawingView::DrawingView(DrawingWindow& window, QWidget* parent)
    : QWidget(parent), window_(window) {
  setObjectName("FMorvgra");
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(false);
}

void DrawingView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const Rgb background = WindowsRgb(window_.Settings().backgroundColour);
  painter.fillRect(rect(), QColor(background.r, background.g, background.b));
  PainterCanvas canvas(painter);
  canvas.KeepReadableOn(background);
  window_.sleepEnabled = false;  // a repaint never pauses the window
  window_.Replay(canvas);
  if (!window_.Records().empty()) QuitIfMeasuringStart();
  if (window_.Dragging()) {
    // The rubber band, inverted over the picture so it shows on any background.
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::white, 0));
    painter.setBrush(Qt::NoBrush);
    const PixelPoint a = window_.DragStart();
    const PixelPoint b = window_.DragEnd();
    painter.drawRect(QRect(QPoint(a.x, a.y), QPoint(b.x, b.y)).normalized());
  }
}

void DrawingView::keyPressEvent(QKeyEvent* event) {
  const int key = VirtualKeyOf(event->key(), event->modifiers() & Qt::KeypadModifier);
  if (key != 0 && window_.ProcessKey(key)) {
    update();
    return;
  }
  QWidget::keyPressEvent(event);
}

void DrawingView::mousePressEvent(QMouseEvent* event) {
  MouseButton button = MouseButton::Left;
  if (event->button() == Qt::RightButton) button = MouseButton::Right;
  if (event->button() == Qt::MiddleButton) button = MouseButton::Middle;
  if (window_.MouseDown(button, PointOf(event))) update();
}

void DrawingView::mouseMoveEvent(QMouseEvent* event) {
  if (!window_.Dragging()) return;
  window_.MouseMove(PointOf(event));
  update();
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event) {
  const bool wasDragging = window_.Dragging();
  if (window_.MouseUp(PointOf(event), width(), height()) || wasDragging) update();
}

void DrawingView::mouseDoubleClickEvent(QMouseEvent* event) {
  window_.DoubleClick();
  // Qt reports the second press as a double-click; the drawing window expects a press.
  mousePressEvent(event);
}

void DrawingView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (onResized && event->size() != event->oldSize()) {
    onResized(event->size().width(), event->size().height());
  }
}

}  // namespace zt6::gui
