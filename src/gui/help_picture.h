#pragma once
// A help image in a window of its own, for windows that cover the main window's drawing
// area: the dialogs' help images (the drawing area lies behind the modal dialog) and the
// table editor's. The drawing behind stays as it was.

#include <QDialog>

namespace zt6 {
class DrawingWindow;
}

namespace zt6::gui {

class DrawingView;

// The window: the drawing shown at the size it was mapped for.
class HelpPictureWindow : public QDialog {
 public:
  HelpPictureWindow(DrawingWindow& drawing, QSize area, QWidget* parent);
  DrawingView& View() { return *view_; }

 private:
  DrawingView* view_;
};

// Shows the drawing (the help image just drawn) in front of dialog, the size of the
// drawing area (area), in one window per dialog that follows each new image.
void ShowHelpPictureOver(QWidget& dialog, DrawingWindow& drawing, QSize area);

// Shows the help image of number (0 = the current help number) modally, drawn on its
// own; a number without an image says so. Needs the help host of help_display.h.
void ShowHelpImageWindow(int number, QWidget* parent);

}  // namespace zt6::gui
