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
    {"Anwendungsfaktor", "application coefficient"},
    {"FESTIGKEIT", "STRENGTH"},
    {"NACH", "TO"},
    {"Werkstoff", "material"},
    {"Streckgrenze", "yield strength"},
    {"Lastfaktor", "load coefficent"},
    {"eins.Last", "pulsating load"},
    {"wechselnde Last", "alternating load"},
    {"zul.Flächenpressung", "adm. pressure"},
    {"wechselnd", "alternating"},
    {"Nabenlänge", "profile length"},
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
    {"Nabenwanddicke", "gauge of hub"},
    {"Flächenpressung", "pressure"},
    {"Lastrichtungswechselfaktor", "load alternating coefficient"},
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
    {"Zähnezahl", "No. of teeth"},
    {"Modul", "Modul"},
    {"Fußradius", "Root fillet radius"},
    {"außen", "exterior"},
    {"innen", "interior"},
    {"Nenndrehmoment", "Rated torque"},
    {"Maximales", "Maximum"},
    {"Äquivalentes", "Equivalent"},
    {"Zahnbreite", "Profile length"},
    {"Lastverteilungsfaktor", "Load distrib.coeff."},
    {"Anteilfaktor", "distribution factor"},
    {"Maximale", "Maximum"},
    {"Umfangskraft", "Tangential force"},
    {"äquivalente", "equivalent"},
    {"wirks", "eff"},
    {"Torsionsspannung", "shear stress"},
    {"Lastspitzenhäufigkeitsfaktor", "Load peak frequency factor"},
    {"Stützfaktor", "Supp. Factor"},
    {"Härteeinflußfaktor", "Hardness factor"},
    {"Zulässige Flächenpressung", "Perm.surface pressure"},
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
    {"Fuß-Formkreisdurchmesser", "Root diameter util."},
    {"Zahndicke", "tooth thickness"},
    {"Meßkreisdurchmesser", "meas. circle diameter"},
    {"Maß über Meßkreise", "dimension over balls"},
    {"Zahnlücke", "tooth gap"},
    {"Maß zwischen Meßkreisen", "dimension between balls"},
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
};

}  // namespace

Vocabulary::Vocabulary() { Load(1); }

void Vocabulary::Load(int language) {
  if (language != 1 && language != 2) return;
  language_ = language;
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
