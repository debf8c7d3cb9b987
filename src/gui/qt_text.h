#pragma once
// The one crossing between the core's UTF-8 and CP850 texts and Qt's strings.

#include <QString>
#include <string>
#include <string_view>

namespace zt6::gui {

inline QString FromUtf8(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string ToUtf8(const QString& text) { return text.toUtf8().toStdString(); }
// Texts the program holds in the DOS code page.
QString FromCp850(std::string_view cp850);
std::string ToCp850(const QString& text);

}  // namespace zt6::gui
