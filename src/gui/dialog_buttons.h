#pragma once
// Buttons the input dialogs share.

#include <QHBoxLayout>
#include <QPushButton>
#include <QString>
#include <initializer_list>

namespace zt6::gui {

// A button with its object name that never takes Enter from the default button.
QPushButton* NamedButton(QWidget* parent, const char* name, const QString& text);
// "OK" (the default button, Enter) and "Abbrechen" of a dialog.
struct OkCancel {
  QPushButton* ok;
  QPushButton* cancel;
};
OkCancel OkCancelButtons(QWidget* parent);
// A help button named by its topic: "Hilfebild 6120" shows help image 6120, "Hilfetext
// 5005" and "Hilfe 1000" the help text (see gui/help_display.h for the numbered form).
QPushButton* HelpButton(QWidget* parent, const char* name, const QString& text,
                        const QString& topic);

// The buttons in a row at the right, for the foot of a dialog.
QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);

}  // namespace zt6::gui
