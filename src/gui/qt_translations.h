#pragma once
// The desktop's texts in the program's menu language: its own catalogue (German is the
// source, the others come as zt6_<language>.qm with the program) and Qt's own texts
// (standard buttons, file dialogs, context menus) from the translations installed with
// Qt. Installing them sends every window a language change.

#include <string>

namespace zt6::gui {

// Menu language as the configuration numbers it: 1 German, 2 English, 7 Romanian,
// 8 Korean. Returns whether Qt's own translation was loaded.
bool UseQtTranslations(int menuLanguage);

// The folder of the program's catalogues ("translations" beside it in the build,
// share/zt6/translations when installed); empty when none is found.
std::string ShippedTranslationFolder();

}  // namespace zt6::gui
