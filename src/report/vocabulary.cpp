#include "report/vocabulary.h"

#include <stdexcept>

#include "base/codepage.h"

namespace zt6 {

namespace {

struct Entry {
  const char* german;
  const char* english;
};

// German entry, English entry (UTF-8).
constexpr Entry kEntries[] = {
    {"Kerbverzahnung", "Serration"},
    {"Profil", "profile"},
    {"Drehmoment", "torque"},
    {"Biegemoment", "bending moment"},
    {"Anwendungsfaktor", "application factor"},
    {"FESTIGKEIT", "STRENGTH"},
    {"NACH", "TO"},
    {"Werkstoff", "material"},
    {"Streckgrenze", "yield strength"},
    {"Lastfaktor", "load factor"},
    {"eins.Last", "pulsating load"},
    {"wechselnde Last", "alternating load"},
    {"zul.Flächenpressung", "perm. surface pressure"},
    {"wechselnd", "alternating"},
    {"Nabenlänge", "hub length"},
    {"zul.Drehmoment", "adm.torque"},
    {"schwellend", "pulsating"},
    {"nach", "to"},
    {"Zeichen", "sign"},
    {"Einheit", "unit"},
    {"Welle", "shaft"},
    {"Nabe", "hub"},
    {"ABMESSUNGEN", "DIMENSIONS"},
    {"zul", "adm"},
    {"ISO-Toleranz", "ISO tolerance"},
    {"Radius", "radius"},
    {"unbemaßt", "not dimensioned"},
    {"bemaßt", "dimensioned"},
    {"zurück", "return"},
    {"Quick", "Quick"},
    {"Nabenwanddicke", "hub wall thickness"},
    {"Flächenpressung", "surface pressure"},
    {"Lastrichtungswechselfaktor", "load reversal factor"},
    {"Sicherheit", "safety"},
    {"Anwendung", "application"},
    {"Schubspannung", "shear stress"},
    {"Biegespannung", "bending stress"},
    {"Zeichnung", "drawing"},
    {"Tabelle", "table"},
    {"Fertigungszeichnung", "production drawing"},
    {"Bitte wählen", "please select"},
    {"Vergleichsspannung", "reference stress"},
    {"Auflösung", "resolution"},
    {"Polylinie", "polyline"},
    {"Kopfkreisdurchmesser", "Tip diameter"},
    {"Fußkreisdurchmesser", "Root diameter"},
    {"Teilkreisdurchmesser", "Pitch diameter"},
    {"Lückenwinkel", "Gap angle"},
    {"Teilung", "Pitch"},
    {"Zähnezahl", "Number of teeth"},
    {"Modul", "Module"},
    {"Fußradius", "Root fillet radius"},
    {"außen", "exterior"},
    {"innen", "interior"},
    {"Nenndrehmoment", "Rated torque"},
    {"Maximales", "Maximum"},
    {"Äquivalentes", "Equivalent"},
    {"Zahnbreite", "Hub length"},
    {"Lastverteilungsfaktor", "Load distribution factor"},
    {"Anteilfaktor", "Load sharing factor"},
    {"Maximale", "Maximum"},
    {"Umfangskraft", "Tangential force"},
    {"äquivalente", "equivalent"},
    {"wirks", "eff"},
    {"Torsionsspannung", "shear stress"},
    {"Lastspitzenhäufigkeitsfaktor", "Load peak frequency factor"},
    {"Stützfaktor", "Support factor"},
    {"Härteeinflußfaktor", "Hardness factor"},
    {"Zulässige Flächenpressung", "Permissible surface pressure"},
    {"Last", "Load"},
    {"Toleranzklasse", "Tolerance class"},
    {"grob", "coarse"},
    {"fein", "fine"},
    {"Einzelabweichungen", "Single Deviation"},
    {"Richtwerte", "Guide values"},
    {"Profilgesamtabweichung", "Total profile error"},
    {"Teilungs-Gesamtabweichung", "Total pitch error"},
    {"Flankenlinien-Gesamtabweichung", "Total alignment deviation"},
    {"Rundlaufabweichung", "Circular deviation"},
    {"Fuß-Formkreisdurchmesser", "Form-circle diameter"},
    {"Zahndicke", "tooth thickness"},
    {"Meßkreisdurchmesser", "pin diameter"},
    {"Maß über Meßkreise", "measurement over pins"},
    {"Zahnlücke", "space width"},
    {"Maß zwischen Meßkreisen", "measurement between pins"},
    {"Gesamttoleranz", "Total tolerance"},
    {"Toleranz", "Tolerance"},
    {"min", "min"},
    {"max", "max"},
    {"Keilwelle", "spline shaft"},
    {"Keilnabe", "splined hub"},
    {"Keilwellenverbindung", "spline shaft connection"},
    {"Keilwellenverbindungen", "spline shaft connections"},
    {"Breite", "width"},
    {"Zahn", "tooth"},
    {"Reihe", "Type"},
    {"mittlere", "medium"},
    {"leichte", "light"},
    {"schwere", "heavy"},
    {"Gleitsitz", "sliding fit"},
    {"Übergangssitz", "transition fit"},
    {"Festsitz", "interference fit"},
    {"beweglich", "sliding"},
    {"fest", "fixed"},
    {"ähnlich", "similar"},
    {"unbehandelt", "untreated"},
    {"behandelt", "treated"},
    {"Welle-Nabeverbindung nicht verschiebbar", "shaft-hub joint not displaceable"},
    {"unbelastet verschiebbare Nabe", "unloaded displaceable hub"},
    {"unter Last verschiebbare Nabe", "under load displaceable hub"},
    // The report's material block, tolerance parts and material conditions.
    {"WERKSTOFF WELLE/NABE", "MATERIAL SHAFT/HUB"},
    {"Werkstoffnummer", "Material number"},
    {"Werkstoffname 1/2:", "Material name 1/2:"},
    {"Ist", "actual"},
    {"wirksam", "effective"},
    {"Nr.: ", "No.: "},
    {"Bl.", "Sh."},
    {"BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN", "REMARKS, WARNINGS, ERROR MESSAGES"},
    // The change list.
    {"Änderungsprotokoll", "Change record"},
    {"Erstellungsdatum", "Date of issue"},
    {"Erstellt von", "Issued by"},
    {"Ersatz für", "Replaces"},
    {"Ersetzt durch", "Replaced by"},
    {"Index", "Index"},
    {"Datum", "Date"},
    {"Bearb.", "Drawn"},
    {"Änderung", "Modification"},
    // The manufacturing drawing's frame and fit table.
    {"Zust.", "Rev."},
    {"Name", "Name"},
    {"Gepr.", "Chkd."},
    {"Norm", "Std."},
    {"Frei", "Appr."},
    {"Blatt", "Sheet"},
    {"nicht dargestellt", "not shown"},
    {"Paßmaß", "Fit"},
    {"Mindestmaß", "Minimum size"},
    {"Höchstmaß", "Maximum size"},
    // The run summary and the message descriptions.
    {"Berechnung erfolgreich ohne Fehlermeldungen",
     "Calculation successful without error messages"},
    {"Weiter/zurück...", "Continue/back..."},
    {"Berechnungsmodul meldet Warnungen oder Fehler, siehe Ursache und Abhilfe.",
     "The calculation reports warnings or errors, see cause and remedy."},
    {"Meldung", "Message"},
    {"Fehlermeldungen", "Error Messages"},
    {"keine Beschreibung dieser Fehlermeldung vorhanden.",
     "no description of this message available."},
    {"nicht gefunden.", "not found."},
    // The CAD output choice.
    {"Kontrollausgabe auf Bildschirm", "Check output on the screen"},
    {"Ausgabe auf Laserprinter/Plotter mit PLOTRIX", "Output to laser printer/plotter with PLOTRIX"},
    // The main commands' questions and status texts.
    {"Datei speichern", "Save file"},
    {"Bisherige Eingaben verwerfen ?", "Discard the inputs so far ?"},
    {"Lösche temporäre Dateien ...", "Deleting temporary files ..."},
    // The prompts: message box captions, input checks, file checks.
    {"Meldung:", "Message:"},
    {"Fehler : ", "Error  : "},
    {"Eingabe", "Input"},
    {"Ungültige Eingabe ", "Invalid input "},
    {"Gültiger Wertebereich: ", "Valid range: "},
    {"existiert bereits", "exists already"},
    {"überschreiben", "write over it"},
    {"Ungültiger Dateiname ", "Invalid file name "},
    {"Datei ", "File "},
    {" kann nicht geschrieben werden: ", " cannot be written: "},
    {"nicht gefunden oder kein Zugriffsrecht", "not found or no access right"},
    {"Lesefehler", "Read error"},
    {"Diskette/Platte voll", "Disk full"},
    {"Falsches numerisches Format", "Wrong number format"},
    {"Fehler bei Zugriff auf Diskette/Platte", "Error accessing the disk"},
    {"Fehler beim Schließen einer Datei", "Error closing a file"},
    // The desktop's tables and menus built from words: project table, layer colours.
    {"Datei", "File"},
    {"Datum  j/m/t", "Date  y/m/d"},
    {"Ausdruck -> Excel", "Printout -> Excel"},
    {"Werkstoffdatenbank", "Material database"},
    {"PLOTRIX-Befehlszeile", "PLOTRIX command line"},
    {"Farbe für Layer ", "Colour of layer "},
    {"rot", "red"},
    {"gelb", "yellow"},
    {"grün", "green"},
    {"cyan", "cyan"},
    {"blau", "blue"},
    {"magenta", "magenta"},
    {"weiß", "white"},
    {"dunkel blau", "dark blue"},
    {"dunkel grün", "dark green"},
    {"dunkel cyan", "dark cyan"},
    {"dunkel rot", "dark red"},
    {"dunkel magenta", "dark magenta"},
    {"braun", "brown"},
    {"hell grau", "light grey"},
    {"dunkel grau", "dark grey"},
    {"schwarz", "black"},
};

}  // namespace

Vocabulary::Vocabulary() { Load(1); }

std::vector<std::pair<std::string_view, std::string_view>> VocabularyEntries() {
  std::vector<std::pair<std::string_view, std::string_view>> entries;
  for (const Entry& entry : kEntries) entries.emplace_back(entry.german, entry.english);
  return entries;
}

const Vocabulary& GermanWords() {
  static const Vocabulary german;
  return german;
}

void Vocabulary::Load(int language) {
  if (language < 1) return;
  // The other menu languages have no words of their own and take the English ones.
  language_ = language == 1 ? 1 : 2;
  texts_.clear();
  for (const Entry& entry : kEntries)
    texts_.emplace(entry.german, Oem(language == 1 ? entry.german : entry.english));
}

const std::string& Vocabulary::operator[](std::string_view german) const {
  const auto found = texts_.find(std::string(german));
  if (found == texts_.end())
    throw std::out_of_range("no vocabulary entry \"" + std::string(german) + "\"");
  return found->second;
}

}  // namespace zt6
