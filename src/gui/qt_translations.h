#pragma once
// Qt's own texts (standard buttons, file dialogs, context menus) in the program's menu
// language, from the translations installed with Qt; English where none is installed.

namespace zt6::gui {

// Menu language as the configuration numbers it: 1 German, 2 English, 7 Romanian,
// 8 Korean. Returns whether a translation was loaded.
bool UseQtTranslations(int menuLanguage);

}  // namespace zt6::gui
