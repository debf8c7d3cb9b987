#include "app/assistant/assistant_captions.h"

#include <array>

namespace zt6 {

namespace {

struct CaptionRow {
  const char* key;
  std::array<const char*, 4> texts;  // German, English, Romanian, Korean
};

constexpr CaptionRow kRows[] = {
    {"size.title", {"Größe nach Last", "Size for load", "Marime dupa sarcina", "하중별 크기"}},
    {"size.torque",
     {"Nenndrehmoment TN", "Nominal torque TN", "Cuplu nominal TN",
      "정격 토크 TN"}},
    {"size.peak",
     {"Maximales Drehmoment Tmax", "Peak torque Tmax", "Cuplu maxim Tmax",
      "최대 토크 Tmax"}},
    {"size.safety",
     {"Erforderliche Sicherheit S", "Required safety S", "Siguranta necesara S", "필요 안전율 S"}},
    {"size.search", {"&Suchen", "&Search", "&Cauta", "검색(&S)"}},
    {"size.size", {"Größe", "Size", "Marime", "크기"}},
    {"size.rejected",
     {"Größen ohne Lösung", "Sizes without a solution", "Marimi fara solutie",
      "해가 없는 크기"}},
    {"size.none",
     {"Keine Größe erreicht die Sicherheit.", "No size reaches the safety.",
      "Nicio marime nu atinge siguranta.", "안전율을 만족하는 크기가 없습니다."}},
    {"size.bad",
     {"Drehmoment und Sicherheit müssen Zahlen über 0 sein.",
      "Torque and safety must be numbers above 0.",
      "Cuplul si siguranta trebuie sa fie numere peste 0.",
      "토크와 안전율은 0보다 큰 숫자여야 합니다."}},
    {"study.title", {"Parameterstudie", "Parameter study", "Studiu parametric", "파라미터 연구"}},
    {"study.vary", {"Eingabe", "Input", "Intrare", "입력"}},
    {"study.second", {"Zweite Eingabe", "Second input", "A doua intrare", "두 번째 입력"}},
    {"study.from", {"von", "from", "de la", "시작"}},
    {"study.to", {"bis", "to", "pana la", "끝"}},
    {"study.step", {"Schritt", "step", "pas", "간격"}},
    {"study.results", {"Ergebnisse", "Results", "Rezultate", "결과"}},
    {"study.draw", {"&Zeichnen", "&Draw", "&Deseneaza", "그리기(&D)"}},
    {"study.svg", {"Export &SVG...", "Export &SVG...", "Export &SVG...", "SVG 내보내기(&S)..."}},
    {"study.png", {"Export &PNG...", "Export &PNG...", "Export &PNG...", "PNG 내보내기(&P)..."}},
    {"study.bad",
     {"Die Eingaben der Studie sind nicht gültig", "The inputs of the study are not valid",
      "Intrarile studiului nu sunt valide", "연구 입력이 올바르지 않습니다"}},
    {"study.written",
     {"Datei kann nicht geschrieben werden", "The file cannot be written",
      "Fisierul nu poate fi scris", "파일을 쓸 수 없습니다"}},
    {"cancel", {"Abbrechen", "Cancel", "Anuleaza", "취소"}},
    {"study.close", {"&Schließen", "&Close", "&Inchide", "닫기(&C)"}},
};

std::size_t Column(int language) {
  switch (language) {
    case 1: return 0;
    case 7: return 2;
    case 8: return 3;
    default: return 1;
  }
}

}  // namespace

std::string AssistantCaption(std::string_view key, int language) {
  for (const CaptionRow& row : kRows)
    if (key == row.key) return row.texts[Column(language)];
  return std::string(key);
}

}  // namespace zt6
