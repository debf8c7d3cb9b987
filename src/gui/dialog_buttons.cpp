#include "gui/dialog_buttons.h"

#include "gui/desktop_text.h"
#include "gui/dialog_placement.h"
#include "gui/help_display.h"

namespace zt6::gui {

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

OkCancel OkCancelButtons(QWidget* parent) {
  QPushButton* ok = NamedButton(parent, "Button_ok", "OK");
  ok->setDefault(true);
  ok->setAutoDefault(true);
  return OkCancel{ok, NamedButton(parent, "Button_cancel", DesktopText::tr("Abbrechen"))};
}

QPushButton* HelpButton(QWidget* parent, const char* name, const QString& text,
                        const QString& topic) {
  // "Hilfebild 6120" shows the image, "Hilfetext 5005" and "Hilfe 1000" the text.
  const int number = topic.section(' ', -1).toInt();
  const HelpMode mode = topic.startsWith("Hilfebild") ? HelpMode::Image : HelpMode::Text;
  return HelpButton(parent, name, text, number, mode);
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  for (QPushButton* button : buttons) row->addWidget(button);
  return row;
}

}  // namespace zt6::gui
