#include "gui/dialog_buttons.h"

#include "gui/dialog_placement.h"

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
  return OkCancel{ok, NamedButton(parent, "Button_cancel", "Abbrechen")};
}

QPushButton* HelpButton(QWidget* parent, const char* name, const QString& text,
                        const QString& topic) {
  QPushButton* button = NamedButton(parent, name, text);
  QObject::connect(button, &QPushButton::clicked, parent,
                   [parent, topic] { ShowNotAvailable(parent, topic); });
  return button;
}

}  // namespace zt6::gui
