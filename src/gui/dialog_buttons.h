#pragma once
// Buttons the input dialogs share.

#include <QPushButton>
#include <QString>

namespace zt6::gui {

// A button with its object name that never takes Enter from the default button.
QPushButton* NamedButton(QWidget* parent, const char* name, const QString& text);
// "OK" (the default button, Enter) and "Abbrechen" of a dialog.
struct OkCancel {
  QPushButton* ok;
  QPushButton* cancel;
};
OkCancel OkCancelButtons(QWidget* parent);
// A help button for a help text or image number, which says it is not available yet.
QPushButton* HelpButton(QWidget* parent, const char* name, const QString& text,
                        const QString& topic);

}  // namespace zt6::gui
