#include "app/ports/write_problem.h"

#include <cerrno>
#include <filesystem>

#include "base/codepage.h"

namespace zt6 {

std::string WriteProblem(const std::string& path, int errorNumber) {
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (folder.empty()) folder = ".";
  const std::string name = Utf8ToCp850(folder.string());
  switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
      return "Ordner " + name + " fehlt";
    case EACCES:
    case EPERM:
      return "keine Schreibberechtigung im Ordner " + name;
    case EROFS:
      return "Ordner " + name + Oem(" ist schreibgeschützt");
    case ENOSPC:
    case EDQUOT:
      return "kein Platz mehr im Ordner " + name + Oem(" (Datenträger voll)");
    case EISDIR:
      return "an ihrer Stelle steht ein Ordner";
    case EFBIG:
      return Oem("Datei zu groß (Grenze der Dateigröße)");
    default:
      return {};
  }
}

}  // namespace zt6
