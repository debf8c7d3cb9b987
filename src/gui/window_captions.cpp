#include "gui/window_captions.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "gui/qt_text.h"

namespace zt6::gui {

void ApplyMenuCaptions(QWidget& window, const MenuCaptions& captions,
                       std::initializer_list<std::pair<const char*, const char*>> items) {
  for (const auto& [name, mainItem] : items) {
    const QString text = FromUtf8(captions.Caption(mainItem));
    if (auto* menu = window.findChild<QMenu*>(name)) {
      menu->setTitle(text);
    } else if (auto* action = window.findChild<QAction*>(name)) {
      action->setText(text);
    }
  }
}

}  // namespace zt6::gui
