#pragma once
// Every dialog of the program is sized by the configured input window scale, centred
// over the main window a little below its middle, and its contents scaled by the
// element scale.

#include <QWidget>

namespace zt6::gui {

struct DialogScale {
  int windowPercent = 100;   // "Input Window Scale %"
  int elementPercent = 100;  // dialog elements
};

// The scale the running program configured; set once by the main window.
DialogScale& CurrentDialogScale();

void PlaceDialog(QWidget& dialog);

// The main window dialogs are centred over; nullptr before it exists.
QWidget*& MainWindowForDialogs();

// A menu item or button whose window comes with a later version says so plainly.
void ShowNotAvailable(QWidget* parent, const QString& what);

}  // namespace zt6::gui
