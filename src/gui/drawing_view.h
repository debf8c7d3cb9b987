#pragma once
// The drawing area of the main window: replays the drawing command stream on every
// paint and turns keys and mouse into the zoom and pan of the drawing window.

#include <QWidget>
#include <functional>

#include "cad/drawing_window.h"

namespace zt6::gui {

// Windows virtual-key code of a Qt key, or 0 for keys the drawing window ignores.
int VirtualKeyOf(int qtKey, bool keypad);

class DrawingView : public QWidget {
  Q_OBJECT

 public:
  explicit DrawingView(DrawingWindow& window, QWidget* parent = nullptr);

  // Called with the new client size when it changed, so the owner can draw the picture
  // again for the new area.
  std::function<void(int width, int height)> onResized;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  DrawingWindow& window_;
};

}  // namespace zt6::gui
