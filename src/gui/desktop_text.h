#pragma once
// The desktop's own texts: German in the source, the menu language's words from the
// catalogue (see gui/qt_translations.h). One context for every window, so a word is
// translated once and lupdate finds it whatever the class or namespace.

#include <QCoreApplication>

namespace zt6::gui {

struct DesktopText {
  Q_DECLARE_TR_FUNCTIONS(DesktopText)
};

}  // namespace zt6::gui
