#pragma once
// A help image in a window of its own, for windows that cover the main window's
// drawing area: the drawing there stays as it was.

class QWidget;

namespace zt6::gui {

// Shows the help image of number (0 = the current help number) modally; a number
// without an image says so. Needs the help host of help_display.h.
void ShowHelpImageWindow(int number, QWidget* parent);

}  // namespace zt6::gui
