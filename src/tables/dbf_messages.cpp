#include "tables/dbf_messages.h"

#include "base/codepage.h"
#include "tables/dbf_error.h"

namespace zt6 {

std::string WindowsText(std::string_view utf8Literal) { return Utf8ToCp1252(utf8Literal); }

std::string PathText(std::string_view path) {
  std::string text = Utf8ToCp1252(path);
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

std::string NotFoundText(std::string_view path) {
  return "Datei " + PathText(path) + " nicht gefunden oder kein Zugriffsrecht !";
}

void RefuseTable(std::string_view path, const std::string& reason) {
  throw DbfError(PathText(path) + " ist keine dBASE-Datenbank. (" + reason + ") [Use/OpenDbf]");
}

}  // namespace zt6
