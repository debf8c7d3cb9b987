#include "app/help/language_files.h"

namespace zt6 {

int TextLanguage(int menuLanguage) { return menuLanguage <= 1 ? 1 : 2; }

std::string LanguageFileName(std::string_view name, int textLanguage) {
  if (textLanguage == 1) return std::string(name);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return std::string(name) + ".en";
  return std::string(name.substr(0, dot)) + ".en" + std::string(name.substr(dot));
}

}  // namespace zt6
