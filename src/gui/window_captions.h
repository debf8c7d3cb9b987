#pragma once
// The menus of the program's smaller windows in the menu language: their items take
// the caption of a main menu item with the same word.

#include <initializer_list>
#include <utility>

#include "app/commands/menu_captions.h"

class QWidget;

namespace zt6::gui {

// Each pair: the object name of a menu or menu item in window, and the main menu item
// whose caption it takes. Names the window does not hold are passed over.
void ApplyMenuCaptions(QWidget& window, const MenuCaptions& captions,
                       std::initializer_list<std::pair<const char*, const char*>> items);

}  // namespace zt6::gui
