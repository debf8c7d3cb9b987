#include "gui/qt_text.h"

#include "base/codepage.h"

namespace zt6::gui {

QString FromCp850(std::string_view cp850) { return FromUtf8(Cp850ToUtf8(cp850)); }

std::string ToCp850(const QString& text) { return Utf8ToCp850(ToUtf8(text)); }

}  // namespace zt6::gui
