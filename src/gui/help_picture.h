#pragma once
// A help image asked for from a dialog: the drawing area lies behind the modal dialog,
// so the image is shown in a window of its own in front of the dialog that asked.

#include <QWidget>

namespace zt6 {
class DrawingWindow;
}

namespace zt6::gui {

// Shows the drawing (the help image just drawn) in front of dialog, the size of the
// drawing area (area), in one window per dialog that follows each new image.
void ShowHelpPictureOver(QWidget& dialog, DrawingWindow& drawing, QSize area);

}  // namespace zt6::gui
