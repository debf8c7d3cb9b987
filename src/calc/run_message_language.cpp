#include "calc/run_message_language.h"

#include <array>
#include <utility>

#include "base/codepage.h"

namespace zt6 {

namespace {

// German phrase, English phrase (UTF-8), longest first where one holds another. The
// prefixes keep their width, so the kind still stands in the first eight characters.
constexpr std::array<std::pair<std::string_view, std::string_view>, 13> kPhrases{{
    {"Fehler in GetArcCenter", "Error in GetArcCenter"},
    {"Fehler : ", "Error  : "},
    {"Warnung: ", "Warning: "},
    {"Auslegung mit Re = 0", "pre-dimensioning with Re = 0"},
    {"DIN 6885 Datenbank", "DIN 6885 database"},
    {"Tabelle ", "table "},
    {" Zeile ", " row "},
    {"Werkstofftyp ", "Material group "},
    {"nicht gefunden.", "not found."},
    {"Zu viele Zähne: ", "Too many teeth: "},
    {"Blockdatei zu groß: ", "Block file too large: "},
    {" Welle)", " shaft)"},
    {" Nabe)", " hub)"},
}};

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

}  // namespace

std::string RunMessageInLanguage(std::string_view message, int textLanguage) {
  std::string text(message);
  if (textLanguage == 1) return text;
  for (const auto& [german, english] : kPhrases) ReplaceAll(text, Oem(german), Oem(english));
  return text;
}

}  // namespace zt6
