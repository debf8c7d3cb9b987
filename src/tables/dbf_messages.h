#pragma once
// The texts of table faults. DbfError texts are in the Windows code page; file paths
// arrive as file-system names (UTF-8).

#include <string>
#include <string_view>

namespace zt6 {

// A UTF-8 source literal in the Windows code page.
std::string WindowsText(std::string_view utf8Literal);
// A file path for a message, in the Windows code page, trailing blanks removed.
std::string PathText(std::string_view path);

// "Datei " + path + " nicht gefunden oder kein Zugriffsrecht !"
std::string NotFoundText(std::string_view path);

// Throws the open fault: path + " ist keine dBASE-Datenbank. (" + reason + ") [Use/OpenDbf]".
[[noreturn]] void RefuseTable(std::string_view path, const std::string& reason);

}  // namespace zt6
