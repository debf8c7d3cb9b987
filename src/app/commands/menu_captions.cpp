// The caption table of the menu languages. Group one (file, edit, view, database,
// documentation and help words) exists for all nine languages, group two (the items
// naming shaft, hub, load, tooth form, material type or tooth thickness) for German,
// English, Romanian and Korean only. The languages without captions of their own
// (3 French, 4 Italian, 5 Swedish, 6 Portuguese, 9 Spanish) show the English ones.

#include <array>
#include <string>

#include "app/commands/menu_captions.h"
#include "base/codepage.h"

namespace zt6 {

namespace {

struct CaptionRow {
  const char* name;
  int group;
  std::array<const char*, 4> texts;  // German, English, Romanian, Korean
};

constexpr CaptionRow kCaptionRows[] = {
    {"mi_file", 1, {"&Datei", "&File", "&Fisier", "파일(&F)"}},
    {"mi_fileNew", 1, {"&Neu...", "&New...", "&Fisier nou...", "새로만들기(&N)"}},
    {"mi_fileOpen", 1, {"Ö&ffnen...", "&Open...", "&Deschide...", "열기(&O)"}},
    {"mi_fileOpenTable", 1,
     {"Ö&ffnen... (&Tabelle)", "&Open... (&Table)", "&Deschide... (&Tabele)",
      "열기(&O) (테이블(&b))"}},
    {"mi_FileSave", 1, {"&Speichern...", "&Save...", "&Salveaza", "저장(&S)..."}},
    {"mi_FileSaveAs", 1,
     {"Speichern &Unter...", "Save &As...", "Salveaza &ca...", "다른이름으로 저장(&A)"}},
    {"mi_fileprint", 1, {"&Drucken...", "&Print...", "&Imprimare...", "프린트(&P)"}},
    {"mi_fileprintersetup", 1,
     {"Druckereinstellung", "Printer Setup", "Setari Imprimanta", "프린터설정"}},
    {"mi_fileConfig", 1, {"E&instellungen", "Se&ttings", "Se&tari", "환경설정(&t)"}},
    {"mi_fileexit", 1, {"&Beenden", "E&xit", "Ie&sire", "끝내기(&x)"}},
    {"mi_Edit", 1, {"&Bearbeiten", "&Edit", "&Editare", "편집(&E)"}},
    {"mi_EditText", 1, {"Te&xt", "Te&xt", "Te&xt", "텍스트(&x)"}},
    {"mi_editabmessungen", 1, {"&Abmessungen", "&Dimensions", "&Dimensiuni", "치수(&D)"}},
    {"mi_EditMaterial", 1, {"&Werkstoff", "&Material", "&Material", "소재선정(&M)"}},
    {"mi_editLast", 2, {"&Last", "&Load", "&Incarca", "하중(&L)"}},
    {"mi_editvorauslegung", 1,
     {"&Vorauslegung", "&Pre-Dimensioning", "&Pre-Dimensionare", "예비치수정의(&P)"}},
    {"mi_View", 1, {"&Ansicht", "&View", "&Examinare", "보기(&V)"}},
    {"mi_ViewAusdruck", 1, {"&Ausdruck", "&Printout", "&Imprimare", "프린트출력(&P)"}},
    {"mi_viewQuick", 1, {"&Quick", "&Quick", "&Vizualizare Rapida", "Quick(&Q)"}},
    {"mi_viewprofil", 1, {"&Zeichnung", "&Drawing", "&Desen", "도면설정(&D)"}},
    {"mi_viewfertigungszeichnung", 1,
     {"&Fertigungszeichnung", "&Production drawing", "&Desen de productie", "산품도(&P)"}},
    {"mi_viewtabelle", 1, {"&Tabelle", "&Table", "&Tabele", "테이블(&b)"}},
    {"mi_viewtabelletol", 1,
     {"&Tabelle min/max", "&Table min/max", "&Tabele min/max", "테이블(&b) min/max"}},
    {"mi_viewPassung", 2,
     {"&Toleranzen Zahn&dicke", "&Tolerance &Tooth Thickness", "&Toleranta &Tooth Thickness",
      "공차(&T) 이두께(&T)"}},
    // The count is appended by the window's refresh.
    {"mi_viewErrorMessages", 1,
     {"&Fehlermeldungen", "&Error messages", "&mesaje de eroare", "에러메시지(&E)"}},
    {"mi_CAD", 1, {"&CAD", "&CAD", "&CAD", "&CAD"}},
    {"mi_cadprofilwelle", 2,
     {"Zahn&form &Welle", "&Tooth Profile Sh&aft", "&Forma dintelui Arbore", "이형상(&T) 축(&a)"}},
    {"mi_cadprofilnabe", 2,
     {"Zahn&form &Nabe", "&Tooth Profile &Hub", "&Forma dintelui &Bucsa", "이형상(&T) 허브(&H)"}},
    {"mi_cadprofilwellenabe", 2,
     {"Zahn&form &Welle + &Nabe", "&Tooth Profile Sh&aft + &Hub",
      "&Forma dintelui Arbore + &Bucsa", "이형상(&T) 축(&a) + 허브(&H)"}},
    {"mi_cadfertwelle", 2,
     {"&Welle &Fertigungszeichnung", "Sh&aft &Production drawing", "Arbore &Desen de productie",
      "축(&a) 산품도(&P)"}},
    {"mi_cadfertnabe", 2,
     {"&Nabe &Fertigungszeichnung", "&Hub &Production drawing", "&Bucsa &Desen de productie",
      "허브(&H) 산품도(&P)"}},
    {"mi_cadfertwellenabe", 2,
     {"&Welle + &Nabe &Fertigungszeichnung", "Sh&aft + &Hub &Production drawing",
      "Arbore + &Bucsa &Desen de productie", "축(&a) + 허브(&H) 산품도(&P)"}},
    {"mi_cadsonstige", 1, {"&Sonstige..", "&Others..", "&Altele..", "기타(&O).."}},
    {"mi_cadstep", 1,
     {"&3D-Modell (STEP)...", "&3D Model (STEP)...", "Model &3D (STEP)...", "3D 모델(&3) (STEP)..."}},
    // The 3D model dialog.
    {"step_title", 1, {"3D-Modell (STEP)", "3D Model (STEP)", "Model 3D (STEP)", "3D 모델 (STEP)"}},
    {"step_part", 1, {"Teil", "Part", "Piesa", "부품"}},
    {"step_shaft", 1, {"Welle", "Shaft", "Arbore", "축"}},
    {"step_hub", 1, {"Nabe", "Hub", "Bucsa", "허브"}},
    {"step_assembly", 1, {"Welle + Nabe", "Shaft + Hub", "Arbore + Bucsa", "축 + 허브"}},
    {"step_condition", 1, {"Materialzustand", "Material condition", "Stare material", "재료 조건"}},
    {"step_mean", 1, {"Mittelwerte", "Mean values", "Valori medii", "평균값"}},
    {"step_max", 1, {"Maximum-Material", "Maximum material", "Material maxim", "최대 재료"}},
    {"step_min", 1, {"Minimum-Material", "Minimum material", "Material minim", "최소 재료"}},
    {"step_hubDiameter", 1,
     {"Nabenaußendurchmesser [mm]", "Hub outer diameter [mm]", "Diametru exterior bucsa [mm]",
      "허브 외경 [mm]"}},
    {"step_shaftLength", 1, {"Wellenlänge [mm]", "Shaft length [mm]", "Lungime arbore [mm]",
                             "축 길이 [mm]"}},
    {"step_pins", 1, {"Messrollen", "Measuring pins", "Role de masurare", "측정 핀"}},
    {"step_badHubDiameter", 1,
     {"Der Nabenaußendurchmesser muss größer als Dei sein !",
      "The hub outer diameter must be above Dei !",
      "Diametrul exterior al bucsei trebuie sa fie mai mare decat Dei !",
      "허브 외경은 Dei보다 커야 합니다 !"}},
    {"step_badShaftLength", 1,
     {"Die Wellenlänge muss größer als 0 sein !", "The shaft length must be above 0 !",
      "Lungimea arborelui trebuie sa fie mai mare decat 0 !", "축 길이는 0보다 커야 합니다 !"}},
    {"mi_database", 1, {"Datenban&k", "&Database", "&Baza de date", "데이터베이스(&D)"}},
    {"mi_dbfmaterial", 1, {"&Werkstoff", "&Material", "&Material", "소재선정(&M)"}},
    {"mi_dbwstyp", 2,
     {"Werkstoff&typ", "Material &type", "Tipuri de materiale", "소재타입(&t)"}},
    {"mi_documentation", 1, {"D&okument", "D&ocument", "D&ocument", "문서(&o)"}},
    {"mi_docdrawinginfo", 1,
     {"&Zeichnungsdaten", "&Drawing data", "&Informatii despre desen", "도면데이터(&D)"}},
    {"mi_docuShowChanges1", 1,
     {"Änderungen - &Info", "Modifications - &Info", "Modificari - &Informatii",
      "수정-정보(&I)"}},
    {"mi_docuPrintChanges", 1,
     {"Änderungen - &Ausdruck", "Modifications - &Printout", "Modificari - &La imprimanta",
      "수정-프린트출력(&P)"}},
    {"mi_docuNewChange", 1,
     {"&Neue Änderung", "Modification - &New", "Modificari - &Nou", "수정-새로 만들기(&N)"}},
    {"mi_docuModifyChanges", 1,
     {"Letzte Änderung &bearbeiten", "&Edit previous modification", "&Editeaza modif. prec.",
      "이전의 수정편집(&E)"}},
    {"mi_docudeleteChange", 1,
     {"Letzte Änderung &löschen", "&Delete previous modification", "&Sterge modif. prec.",
      "이전의 수정삭제(&D)"}},
    {"mi_DocumentSetup", 1,
     {"Dokument &Setup", "Document &Setup", "Document &Setari", "문서설정(&S)"}},
    {"mi_extras", 1, {"E&xtras", "E&xtras", "E&xtra", "도구(&X)"}},
    {"mi_extrasSizeForLoad", 2,
     {"&Größe nach Last...", "&Size for load...", "&Marime dupa sarcina...", "하중별 크기(&S)..."}},
    {"mi_extrasParameterStudy", 1,
     {"&Parameterstudie...", "&Parameter study...", "&Studiu parametric...",
      "파라미터 연구(&P)..."}},
    {"mi_Help", 1, {"&Hilfe", "&Help", "&Ajutor", "도움말(&H)"}},
    {"mi_HelpHilfebild", 1,
     {"&Hilfebild", "&Auxiliary images", "&Imagini auxiliare", "도움이미지(&A)"}},
    {"mi_helpErrorMessages", 1,
     {"&Fehlermeldungen", "&Error messages", "&mesaje de eroare", "에러메시지(&E)"}},
    {"mi_helpDemo", 1, {"&Demo", "&Demo", "&Versiune Demonstrativa", "데모(&D)"}},
    {"mi_helplanguage", 1, {"&Sprache", "&Language", "&Limba", "언어(&L)"}},
    {"mi_helpwww", 1,
     {"&MORVANE Homepage", "&MORVANE Homepage", "&Pagina de prezentare MORVANE",
      "MORVANE 홈페이지(&H)"}},
    {"mi_helpemail", 1,
     {"&E-Mail an MORVANE", "&E-Mail to MORVANE", "&E-Mail catre MORVANE",
      "MORVANE 이메일(&E)"}},
};

// The shaft / hub / both items of the four view submenus.
constexpr const char* kViewSubmenus[] = {"mi_viewprofil", "mi_viewfertigungszeichnung",
                                         "mi_viewtabelle", "mi_viewtabelletol"};
constexpr std::array<std::array<const char*, 4>, 3> kShaftHubTexts = {{
    {"&Welle", "Sh&aft", "Arbore", "축(&a)"},
    {"&Nabe", "&Hub", "&Bucsa", "허브(&H)"},
    {"&Welle + &Nabe", "Sh&aft + &Hub", "Arbore + &Bucsa", "축(&a) + 허브(&H)"},
}};
constexpr const char* kShaftHubSuffixes[] = {"welle", "nabe", "wellenabe"};

constexpr std::array<const char*, 4> kDocumentWords = {"D&okument &", "D&ocument &",
                                                       "D&ocument &", "문서(&o) &"};

// Column of the caption table for group one: the four own sets, else English.
int GroupOneColumn(int language) {
  switch (language) {
    case 1: return 0;
    case 7: return 2;
    case 8: return 3;
    default: return 1;
  }
}

bool HasGroupTwo(int language) {
  return language == 1 || language == 2 || language == 7 || language == 8;
}

}  // namespace

MenuCaptions::MenuCaptions() { Load(1, Vocabulary()); }

void MenuCaptions::Load(int language, const Vocabulary& words) {
  if (language < 1 || language > 9) return;
  language_ = language;
  const int one = GroupOneColumn(language);
  const bool two = HasGroupTwo(language);
  const auto column = static_cast<std::size_t>(one);
  for (const CaptionRow& row : kCaptionRows) {
    if (row.group == 1 || two) captions_[row.name] = row.texts[column];
  }
  if (two) {
    for (const char* submenu : kViewSubmenus)
      for (std::size_t i = 0; i < kShaftHubTexts.size(); ++i)
        captions_[std::string(submenu) + kShaftHubSuffixes[i]] = kShaftHubTexts[i][column];
  }
  for (int k = 1; k <= 5; ++k)
    captions_["mi_Document" + std::to_string(k)] = kDocumentWords[column] + std::to_string(k);
  // The database captions are fixed texts but for the report's words fine and coarse.
  const std::string shaft = "Tol. F " + Cp850ToUtf8(words["Welle"]) + ", ";
  captions_["mi_dbfzt6f1f"] = shaft + Cp850ToUtf8(words["fein"]);
  captions_["mi_dbfzt6f1g"] = shaft + Cp850ToUtf8(words["grob"]);
  captions_["mi_dbfzt6f2"] = "Tol. F " + Cp850ToUtf8(words["Nabe"]);
  captions_["mi_OlePrintoutExcel"] = Cp850ToUtf8(words["Ausdruck -> Excel"]);
}

std::string MenuCaptions::Caption(std::string_view name) const {
  if (const auto it = captions_.find(name); it != captions_.end()) return it->second;
  for (const MenuEntry& e : MainMenuTree())
    if (e.name == name) return e.fixedCaption;
  return {};
}

}  // namespace zt6
