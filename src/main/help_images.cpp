#include "main/help_images.h"

#include <cmath>
#include <numbers>
#include <string_view>
#include <utility>

#include "cad/hpgl_writer.h"

namespace zt6 {

namespace {

using Points = std::vector<std::pair<double, double>>;
constexpr double kPi = std::numbers::pi;
constexpr double kText = 3.0;   // label height, mm
constexpr double kTitle = 4.5;  // title height, mm

// Pens: 1 red, 3 green, 4 cyan, 6 magenta, 7 white, 8 grey (a colour number itself).
constexpr int kShaftPen = 1;
constexpr int kHubPen = 4;
constexpr int kPitchPen = 3;
constexpr int kDimensionPen = 8;
constexpr int kTextPen = 7;
constexpr int kMarkPen = 6;

double Rad(double deg) { return deg * kPi / 180; }

// The language the images are drawn in (1 German, 2 English) while HelpImages runs.
int gLanguage = 1;

// German label, English label; symbols and formulas are the same in both languages.
constexpr std::pair<std::string_view, std::string_view> kEnglishLabels[] = {
    {"Profil: Welle (Innenteil) und Nabe (Außenteil)",
     "Profile: shaft (inner part) and hub (outer part)"},
    {"Welle: Dee Kopfkreis, Die Fußkreis, DFe Formkreis",
     "Shaft: Dee tip, Die root, DFe form circle"},
    {"Nabe: Dii Kopfkreis, Dei Fußkreis, DFi Formkreis", "Hub: Dii tip, Dei root, DFi form circle"},
    {"D Teilkreis", "D pitch circle"},
    {"Maß über Messrollen (Welle), zwischen Messrollen (Nabe)",
     "Measurement over pins (shaft), between pins (hub)"},
    {"MReV (Maß)", "MReV (size)"},
    {"Welle, Rolle DRe", "Shaft, pin DRe"},
    {"Nabe, Rolle DRi", "Hub, pin DRi"},
    {"Messrollen im Durchmesser DRe bzw. DRi in gegenüberliegenden Lücken;",
     "Measuring pins of diameter DRe or DRi in opposite spaces;"},
    {"bei ungerader Zähnezahl wird das Maß umgerechnet.",
     "for an odd number of teeth the size is converted."},
    {"Toleranzfelder Zahndicke (Welle) und Lückenweite (Nabe)",
     "Tolerance zones: tooth thickness (shaft), space width (hub)"},
    {"Nennmaß", "Nominal size"},
    {"Lückenweite Nabe", "Space width hub"},
    {"Zahndicke Welle", "Tooth thickness shaft"},
    {"Ist / wirksam", "actual / effective"},
    {"TG = Gesamttoleranz: Istmaß-Anteil und Anteil der Form- und",
     "TG = total tolerance: the actual part and the part of form and"},
    {"Teilungsabweichungen (wirksam). Spiel = Lücke - Zahn.",
     "pitch deviations (effective). Clearance = space - tooth."},
    {"Lastgrößen und Pressung", "Loads and surface pressure"},
    {"Lastrichtungswechselfaktor fW", "Load reversal factor fW"},
    {"gleiche Richtung: fW = 1.0", "same direction: fW = 1.0"},
    {"wechselnde Richtung: fW < 1", "alternating direction: fW < 1"},
    {"Lastspitzenhäufigkeitsfaktor fL", "Load peak frequency factor fL"},
    {"selten (wenige Spitzen): fL bis 1.5 (Richtwert)",
     "rarely (few peaks): fL up to 1.5 (guide value)"},
    {"häufig (Dauerbetrieb):     fL = 1.0", "frequently (continuous):   fL = 1.0"},
    {"Smax = plim x fL / pmax, je für Welle und Nabe",
     "Smax = plim x fL / pmax, for shaft and hub each"},
    {"Anteilfaktor K phi: tragende Zähne", "Load sharing factor K phi: bearing teeth"},
    {"Toleranzklasse fein: K phi eq = 2.0, K phi max = 1.7",
     "Tolerance class fine: K phi eq = 2.0, K phi max = 1.7"},
    {"Toleranzklasse grob: K phi eq = 3.0, K phi max = 2.5",
     "Tolerance class coarse: K phi eq = 3.0, K phi max = 2.5"},
    {"Kreis = tragende Flanke", "Circle = bearing flank"},
    {"Nabenlänge l", "Hub length l"},
    {"l = tragende Länge der Verzahnung; Vorschlag l = 2 x D",
     "l = bearing length of the serration; proposal l = 2 x D"},
    {"Werkstoffe: Innenteil (Welle), Außenteil (Nabe)",
     "Materials: inner part (shaft), outer part (hub)"},
    {"Außenteil (Nabe)", "Outer part (hub)"},
    {"Welle", "Shaft"},
    {"plim = Re x fS x fH  (zulässige Pressung je Werkstoff)",
     "plim = Re x fS x fH  (permissible pressure per material)"},
    {"Re: Streckgrenze, bei spröden Werkstoffen Zugfestigkeit Rm",
     "Re: yield strength, tensile strength Rm if brittle"},
    {"Tabellenfenster: die Tasten", "Table window: the buttons"},
    {"Zeile übernehmen", "take the row"},
    {"Abbrechen", "Cancel"},
    {"ohne Auswahl", "no choice"},
    {"Suchen", "Search"},
    {"Text suchen", "search a text"},
    {"Weitersuchen", "Search next"},
    {"nächster Treffer", "next match"},
    {"markierte löschen", "delete marked"},
    {"erste / zurück / vor / letzte", "first / back / next / last"},
    {"Hilfe: dbf Structure, Common, Hilfebild, Datei",
     "Help: dbf structure, common, help image, file"},
    {"Ausdruck: Ursprung und Maßstab", "Printout: origin and scale"},
    {"Zeichnung x Maßstab", "Drawing x scale"},
    {"Blatt (Ursprung vom Rand links / oben)", "Sheet (origin from the left / top edge)"},
    {"Anwendungsfaktor KA", "Application factor KA"},
    {"gleichförmig (E-Motor, Turbine)", "uniform (electric motor, turbine)"},
    {"leichte Stöße (Lüfter, Pumpe)", "light shocks (fan, pump)"},
    {"mäßige Stöße (Förderer)", "moderate shocks (conveyor)"},
    {"starke Stöße (Brecher, Walzwerk)", "heavy shocks (crusher, rolling mill)"},
    {"Teq = TN x KA; Vorschlag 1.0", "Teq = TN x KA; proposal 1.0"},
    {"Profil Welle/Nabe mit allen Durchmessern", "Profile of shaft/hub with every diameter"},
    {"Maß über und zwischen Messrollen", "Measurement over and between pins"},
    {"Toleranzfelder Zahndicke und Lückenweite", "Tolerance zones tooth thickness, space width"},
    {"Lastgrößen, Pressung und Sicherheiten", "Loads, surface pressure and safeties"},
    {"Anwendungsfaktor KA, Richtwerte", "Application factor KA, guide values"},
    {"Anteilfaktor K phi, tragende Zähne", "Load sharing factor K phi, bearing teeth"},
    {"Werkstoffe von Welle und Nabe", "Materials of shaft and hub"},
    {"Tasten des Tabellenfensters", "Buttons of the table window"},
};

// The label in the language being drawn.
std::string_view Say(std::string_view german) {
  if (gLanguage == 1) return german;
  for (const auto& [de, en] : kEnglishLabels)
    if (de == german) return en;
  return german;
}

void Text(HpglWriter& w, double x, double y, std::string_view german, double heightMm,
          double directionDeg = 0) {
  w.Label(x, y, Say(german), heightMm, directionDeg);
}

void Title(HpglWriter& w, const char* text) {
  w.Pen(kTextPen);
  Text(w, 6, 112, text, kTitle);
}

// A dimension line with arrow heads at both ends (heads as encoded polylines).
void Arrow(HpglWriter& w, double x1, double y1, double x2, double y2, bool both = true) {
  w.Line(x1, y1, x2, y2);
  const double a = std::atan2(y2 - y1, x2 - x1);
  const double len = 2.0;
  const double spread = Rad(18);
  auto head = [&](double x, double y, double dir) {
    w.EncodedPolyline({{x + len * std::cos(dir + spread), y + len * std::sin(dir + spread)},
                       {x, y},
                       {x + len * std::cos(dir - spread), y + len * std::sin(dir - spread)}});
  };
  head(x2, y2, a + kPi);
  if (both) head(x1, y1, a);
}

void Box(HpglWriter& w, double x1, double y1, double x2, double y2) {
  w.EncodedPolyline({{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}});
}

// --- Serration profile -------------------------------------------------------------
// A sector of shaft and hub with straight flanks, enlarged so that every diameter has
// room for its label: polar centre below the sheet, teeth around the vertical.
struct Profile {
  double cx = 80, cy = -282;
  double k = 2.2;          // enlargement of the model radii below
  double shaftRoot = 151.5, formShaft = 154, pitch = 160, shaftTip = 167;
  double hubTip = 155.5, formHub = 165, hubRoot = 169.5;
  int z = 50;
  double gammaE = 60;      // gap angle of the shaft, degrees
  double clearance = 1.0;  // flank clearance in the model
  double R(double r) const { return r * k; }
  std::pair<double, double> At(double r, double deg) const {
    return {cx + R(r) * std::cos(Rad(deg)), cy + R(r) * std::sin(Rad(deg))};
  }
};

// Points of a flank line offset from the radial line at angle deg by a distance.
std::pair<double, double> Offset(const Profile& p, double r, double deg, double side) {
  const auto [x, y] = p.At(r, deg);
  const double nx = -std::sin(Rad(deg)), ny = std::cos(Rad(deg));
  return {x + side * nx * p.k, y + side * ny * p.k};
}

// Half width of the shaft's gap at radius r (model units).
double GapHalf(const Profile& p, double r) {
  const double pitchLength = kPi * 2 * p.pitch / p.z;
  const double half0 = pitchLength / 4;  // gap = tooth at the pitch circle
  return half0 + (r - p.pitch) * std::tan(Rad(p.gammaE / 2));
}

Points ShaftOutline(const Profile& p, double from, double to) {
  Points pts;
  const double step = 360.0 / p.z;
  for (double gap = from; gap <= to + 1e-9; gap += step) {
    // Gap centred at angle gap: left flank (larger angle), root, right flank.
    pts.push_back(Offset(p, p.shaftTip, gap - step / 2 + 0.0, 0));
    pts.push_back(Offset(p, p.shaftTip, gap, -GapHalf(p, p.shaftTip)));
    pts.push_back(Offset(p, p.shaftRoot, gap, -GapHalf(p, p.shaftRoot)));
    pts.push_back(Offset(p, p.shaftRoot, gap, GapHalf(p, p.shaftRoot)));
    pts.push_back(Offset(p, p.shaftTip, gap, GapHalf(p, p.shaftTip)));
  }
  pts.push_back(Offset(p, p.shaftTip, to + step / 2, 0));
  return pts;
}

Points HubOutline(const Profile& p, double from, double to) {
  Points pts;
  const double step = 360.0 / p.z;
  for (double gap = from; gap <= to + 1e-9; gap += step) {
    // The hub's tooth sits in the shaft's gap, its flanks clear of the shaft's.
    pts.push_back(Offset(p, p.hubRoot, gap - step / 2, 0));
    pts.push_back(Offset(p, p.hubRoot, gap, -(GapHalf(p, p.hubRoot) - p.clearance)));
    pts.push_back(Offset(p, p.hubTip, gap, -(GapHalf(p, p.hubTip) - p.clearance)));
    pts.push_back(Offset(p, p.hubTip, gap, GapHalf(p, p.hubTip) - p.clearance));
    pts.push_back(Offset(p, p.hubRoot, gap, GapHalf(p, p.hubRoot) - p.clearance));
  }
  pts.push_back(Offset(p, p.hubRoot, to + step / 2, 0));
  return pts;
}

// The arc of a diameter across the sector, with a leader to its label.
void DiameterArc(HpglWriter& w, const Profile& p, double r, double fromDeg, double sweep, int pen) {
  w.Pen(pen);
  w.Arc(p.cx, p.cy, p.R(r), fromDeg, sweep);
}

void DiameterLabel(HpglWriter& w, const Profile& p, double r, double deg, const char* text,
                   bool left) {
  const auto [x, y] = p.At(r, deg);
  w.Pen(kTextPen);
  Text(w, left ? x - 9 : x + 1.5, y - 1, text, kText);
}

std::string ProfileImage() {
  HpglWriter w;
  Title(w, "Profil: Welle (Innenteil) und Nabe (Außenteil)");
  Profile p;
  const double step = 360.0 / p.z;
  const double from = 90 - step, to = 90 + step;
  w.Pen(kShaftPen);
  w.EncodedPolyline(ShaftOutline(p, from, to));
  w.Pen(kHubPen);
  w.EncodedPolyline(HubOutline(p, from, to));
  const double arcFrom = 90 - 1.45 * step, arcSweep = 2.9 * step;
  DiameterArc(w, p, p.pitch, arcFrom, arcSweep, kPitchPen);
  for (const double r : {p.formShaft, p.formHub}) DiameterArc(w, p, r, arcFrom, arcSweep, kMarkPen);
  for (const double r : {p.shaftRoot, p.shaftTip, p.hubTip, p.hubRoot})
    DiameterArc(w, p, r, arcFrom, arcSweep, kDimensionPen);
  // Labels at the ends of the arcs: the shaft's diameters left, the hub's right.
  const double leftDeg = 90 + 1.45 * step, rightDeg = 90 - 1.45 * step;
  DiameterLabel(w, p, p.shaftRoot, leftDeg, "Die", true);
  DiameterLabel(w, p, p.formShaft, leftDeg, "DFe", true);
  DiameterLabel(w, p, p.pitch, leftDeg, "D", true);
  DiameterLabel(w, p, p.shaftTip, leftDeg, "Dee", true);
  DiameterLabel(w, p, p.hubTip, rightDeg, "Dii", false);
  DiameterLabel(w, p, p.formHub, rightDeg, "DFi", false);
  DiameterLabel(w, p, p.hubRoot, rightDeg, "Dei", false);
  // The gap angle of the shaft at the middle gap, the hub's space angle at a shaft tooth.
  const double pitchLength = kPi * 2 * p.pitch / p.z;
  const double gapApex = p.pitch - GapHalf(p, p.pitch) / std::tan(Rad(p.gammaE / 2));
  const auto [ax, ay] = p.At(gapApex, 90);
  w.Pen(kTextPen);
  w.Arc(ax, ay, 24, 90 - p.gammaE / 2, p.gammaE);
  Text(w, ax - 7, ay + 26, "gamma e", kText);
  const double gammaI = p.gammaE - 360.0 / p.z;
  const double toothAngle = 90 - step / 2;
  const double toothApex = p.pitch + (pitchLength / 4) / std::tan(Rad(gammaI / 2));
  const auto [tx, ty] = p.At(toothApex, toothAngle);
  w.Arc(tx, ty, 18, toothAngle + 180 - gammaI / 2, gammaI);
  Text(w, tx - 7, ty - 24, "gamma i", kText);
  // The legend's lower line keeps its descenders (p, comma) above the image's edge.
  w.Pen(kShaftPen);
  Text(w, 8, 8.5, "Welle: Dee Kopfkreis, Die Fußkreis, DFe Formkreis", kText);
  w.Pen(kHubPen);
  Text(w, 8, 4, "Nabe: Dii Kopfkreis, Dei Fußkreis, DFi Formkreis", kText);
  w.Pen(kPitchPen);
  Text(w, 112, 8.5, "D Teilkreis", kText);
  w.Pen(kTextPen);
  Text(w, 112, 4, "gamma i = gamma e - 360°/z", kText * 0.8);
  return w.Text();
}

// --- Measuring pins ----------------------------------------------------------------
std::string PinsImage() {
  HpglWriter w;
  Title(w, "Maß über Messrollen (Welle), zwischen Messrollen (Nabe)");
  // Left: shaft with two pins in opposite gaps; right: hub with two pins.
  auto part = [&](double cx, bool shaft) {
    const double r = 26;  // tip circle
    const int teeth = 18;
    Points outline;
    // A gap of the part centred at 0 and 180 degrees: the shaft's gaps are the inner
    // corners of the outline, the hub's the outer ones.
    const double shift = shaft ? 2.5 : 0.5;
    for (int i = 0; i <= teeth * 4; ++i) {
      const double a = 2 * kPi * (i - shift) / (teeth * 4);
      const double rr = (i % 4 == 0 || i % 4 == 1) ? r : r - 3.5;
      outline.push_back({cx + rr * std::cos(a), 60 + rr * std::sin(a)});
    }
    w.Pen(shaft ? kShaftPen : kHubPen);
    w.EncodedPolyline(outline);
    if (!shaft) w.Circle(cx, 60, 33);
    const double pinR = 2.6;
    const double pinCentre = shaft ? r - 3.5 + pinR - 0.6 : r - pinR + 0.6;
    w.Pen(kMarkPen);
    w.Circle(cx - pinCentre, 60, pinR);
    w.Circle(cx + pinCentre, 60, pinR);
    w.Pen(kDimensionPen);
    const double y = shaft ? 22 : 60;
    if (shaft) {
      const double outer = pinCentre + pinR;
      w.Line(cx - outer, 60, cx - outer, y - 3);
      w.Line(cx + outer, 60, cx + outer, y - 3);
      Arrow(w, cx - outer, y, cx + outer, y);
      w.Pen(kTextPen);
      Text(w, cx - 9, y - 6, "MReV (Maß)", kText);
      Text(w, cx - 12, 95, "Welle, Rolle DRe", kText);
    } else {
      const double inner = pinCentre - pinR;
      Arrow(w, cx - inner, y, cx + inner, y);
      w.Pen(kTextPen);
      Text(w, cx - 8, y + 2, "MRiV", kText);
      Text(w, cx - 12, 98, "Nabe, Rolle DRi", kText);
    }
  };
  part(40, true);
  part(118, false);
  w.Pen(kTextPen);
  Text(w, 6, 8, "Messrollen im Durchmesser DRe bzw. DRi in gegenüberliegenden Lücken;", kText);
  Text(w, 6, 3, "bei ungerader Zähnezahl wird das Maß umgerechnet.", kText);
  return w.Text();
}

// --- Tooth thickness and space width tolerance zones --------------------------------
std::string ToleranceImage() {
  HpglWriter w;
  Title(w, "Toleranzfelder Zahndicke (Welle) und Lückenweite (Nabe)");
  const double zero = 62;  // the nominal line
  w.Pen(kDimensionPen);
  w.Line(10, zero, 150, zero);
  w.Pen(kTextPen);
  Text(w, 10, zero + 1.5, "Nennmaß", kText);
  // Hub space width above the nominal line: TGi split into actual and effective parts.
  auto zone = [&](double x, double bottom, double top, int pen, const char* name,
                  const char* effective) {
    w.Pen(pen);
    Box(w, x, bottom, x + 34, top);
    const double mid = (bottom + top) / 2;
    w.Line(x, mid, x + 34, mid);
    w.Pen(kTextPen);
    Text(w, x + 2, top + 2, name, kText);
    Text(w, x + 36, mid + 2, effective, kText * 0.8);
  };
  zone(32, zero + 4, zero + 34, kHubPen, "Lückenweite Nabe", "Ist / wirksam");
  zone(92, zero - 40, zero - 10, kShaftPen, "Zahndicke Welle", "Ist / wirksam");
  w.Pen(kDimensionPen);
  Arrow(w, 28, zero + 4, 28, zero + 34);
  Arrow(w, 88, zero - 40, 88, zero - 10);
  w.Pen(kTextPen);
  Text(w, 20, zero + 17, "TGi", kText, 90);
  Text(w, 84, zero - 28, "TGe", kText, 90);
  Text(w, 6, 8, "TG = Gesamttoleranz: Istmaß-Anteil und Anteil der Form- und", kText);
  Text(w, 6, 3, "Teilungsabweichungen (wirksam). Spiel = Lücke - Zahn.", kText);
  return w.Text();
}

// --- Load quantities ----------------------------------------------------------------
std::string LoadImage() {
  HpglWriter w;
  Title(w, "Lastgrößen und Pressung");
  // Shaft in hub, side view.
  w.Pen(kHubPen);
  Box(w, 60, 40, 100, 80);
  w.Pen(kShaftPen);
  Box(w, 15, 50, 145, 70);
  w.Pen(kDimensionPen);
  Arrow(w, 60, 34, 100, 34);
  w.Pen(kTextPen);
  Text(w, 78, 28, "l", kText);
  // The torque as a turning arrow at the shaft's end.
  w.Pen(kMarkPen);
  w.Arc(20, 60, 14, 110, 140);
  w.Pen(kTextPen);
  Text(w, 4, 80, "TN, Tmax", kText);
  Text(w, 108, 84, "P = TN x n x 2 pi / 60000", kText);
  Text(w, 108, 79, "Teq = TN x KA", kText);
  Text(w, 6, 18, "peq = Teq / (rw z) x cos alphaw / (l hw) x K phi eq x K lambda", kText * 0.9);
  Text(w, 6, 12, "pmax = Tmax / (rw z) x cos alphaw / (l hw) x K phi max x K lambda", kText * 0.9);
  Text(w, 6, 5, "Seq = plim fW / peq      Smax = plim fL / pmax      plim = Re fS fH", kText * 0.9);
  w.Pen(kDimensionPen);
  Text(w, 150, 45, "n", kText, 90);
  return w.Text();
}

// --- The factors ---------------------------------------------------------------------
std::string TableImage(const char* title, const std::vector<std::pair<const char*, const char*>>& rows,
                       const char* note) {
  HpglWriter w;
  Title(w, title);
  const double top = 100, rowHeight = 9;
  w.Pen(kDimensionPen);
  Box(w, 10, top - rowHeight * static_cast<double>(rows.size()), 150, top);
  w.Line(110, top, 110, top - rowHeight * static_cast<double>(rows.size()));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const double y = top - rowHeight * static_cast<double>(i + 1);
    w.Pen(kDimensionPen);
    if (i > 0) w.Line(10, y + rowHeight, 150, y + rowHeight);
    w.Pen(kTextPen);
    Text(w, 13, y + 3, rows[i].first, kText);
    Text(w, 113, y + 3, rows[i].second, kText);
  }
  Text(w, 10, 8, note, kText);
  return w.Text();
}

std::string AlternatingImage() {
  HpglWriter w;
  Title(w, "Lastrichtungswechselfaktor fW");
  auto axes = [&](double x, double y) {
    w.Pen(kDimensionPen);
    Arrow(w, x, y, x + 60, y, false);
    Arrow(w, x, y - 25, x, y + 25, false);
    w.Pen(kTextPen);
    Text(w, x + 55, y - 5, "t", kText);
    Text(w, x + 2, y + 22, "T", kText);
  };
  axes(12, 60);
  axes(88, 60);
  Points same, alternating;
  for (int i = 0; i <= 60; ++i) {
    const double t = i;
    same.push_back({12 + t, 60 + 15 + 3 * std::sin(t / 4)});
    alternating.push_back({88 + t, 60 + 18 * std::sin(t / 6)});
  }
  w.Pen(kShaftPen);
  w.EncodedPolyline(same);
  w.EncodedPolyline(alternating);
  w.Pen(kTextPen);
  Text(w, 12, 28, "gleiche Richtung: fW = 1.0", kText);
  Text(w, 88, 28, "wechselnde Richtung: fW < 1", kText);
  Text(w, 8, 8, "Seq = plim x fW / peq", kText);
  return w.Text();
}

std::string PeakImage() {
  HpglWriter w;
  Title(w, "Lastspitzenhäufigkeitsfaktor fL");
  w.Pen(kDimensionPen);
  Arrow(w, 12, 40, 150, 40, false);
  Arrow(w, 12, 40, 12, 100, false);
  w.Pen(kTextPen);
  Text(w, 145, 34, "t", kText);
  Text(w, 14, 96, "T", kText);
  Points torque;
  for (int i = 0; i <= 130; ++i) {
    const double t = i;
    double v = 55 + 2 * std::sin(t / 3);
    if (i % 40 > 35) v = 80;  // a peak
    torque.push_back({14 + t, v});
  }
  w.Pen(kShaftPen);
  w.EncodedPolyline(torque);
  w.Pen(kMarkPen);
  w.Line(12, 80, 150, 80);
  w.Line(12, 55, 150, 55);
  w.Pen(kTextPen);
  Text(w, 130, 82, "Tmax", kText);
  Text(w, 130, 50, "TN", kText);
  Text(w, 8, 20, "selten (wenige Spitzen): fL bis 1.5 (Richtwert)", kText);
  Text(w, 8, 14, "häufig (Dauerbetrieb):     fL = 1.0", kText);
  Text(w, 8, 5, "Smax = plim x fL / pmax, je für Welle und Nabe", kText);
  return w.Text();
}

std::string ShareImage() {
  HpglWriter w;
  Title(w, "Anteilfaktor K phi: tragende Zähne");
  // A row of teeth, of which only some touch because of pitch deviations.
  for (int i = 0; i < 8; ++i) {
    const double x = 14 + i * 17;
    const bool carries = i % 3 != 1;
    w.Pen(kShaftPen);
    w.EncodedPolyline({{x, 50}, {x + 4, 70}, {x + 8, 70}, {x + 12, 50}});
    w.Pen(carries ? kMarkPen : kDimensionPen);
    if (carries) w.Circle(x + 10, 60, 1.6);
  }
  w.Pen(kTextPen);
  Text(w, 10, 36, "Toleranzklasse fein: K phi eq = 2.0, K phi max = 1.7", kText);
  Text(w, 10, 29, "Toleranzklasse grob: K phi eq = 3.0, K phi max = 2.5", kText);
  Text(w, 10, 8, "Kreis = tragende Flanke", kText);
  return w.Text();
}

std::string HubLengthImage() {
  HpglWriter w;
  Title(w, "Nabenlänge l");
  w.Pen(kHubPen);
  Box(w, 50, 35, 110, 85);
  w.Pen(kShaftPen);
  Box(w, 15, 47, 145, 73);
  w.Pen(kPitchPen);
  w.Line(10, 60, 150, 60);
  w.Pen(kDimensionPen);
  Arrow(w, 50, 28, 110, 28);
  Arrow(w, 150, 47, 150, 73);
  w.Pen(kTextPen);
  Text(w, 78, 22, "l", kText);
  Text(w, 138, 76, "D", kText);
  Text(w, 8, 8, "l = tragende Länge der Verzahnung; Vorschlag l = 2 x D", kText);
  return w.Text();
}

std::string MaterialImage() {
  HpglWriter w;
  Title(w, "Werkstoffe: Innenteil (Welle), Außenteil (Nabe)");
  w.Pen(kHubPen);
  w.Circle(80, 62, 34);
  w.Circle(80, 62, 20);
  w.Pen(kShaftPen);
  w.Circle(80, 62, 19);
  w.Pen(kTextPen);
  Text(w, 102, 92, "Außenteil (Nabe)", kText);
  Text(w, 70, 61, "Welle", kText);
  Text(w, 8, 14, "plim = Re x fS x fH  (zulässige Pressung je Werkstoff)", kText);
  Text(w, 8, 7, "Re: Streckgrenze, bei spröden Werkstoffen Zugfestigkeit Rm", kText);
  return w.Text();
}

std::string TableEditorImage() {
  HpglWriter w;
  Title(w, "Tabellenfenster: die Tasten");
  const std::vector<std::pair<const char*, const char*>> buttons = {
      {"OK", "Zeile übernehmen"},          {"Abbrechen", "ohne Auswahl"},
      {"Suchen", "Text suchen"},           {"Weitersuchen", "nächster Treffer"},
      {"Pack", "markierte löschen"},       {"|<  <  >  >|", "erste / zurück / vor / letzte"},
  };
  double y = 92;
  for (const auto& [button, what] : buttons) {
    w.Pen(kDimensionPen);
    Box(w, 10, y, 52, y + 9);
    w.Pen(kTextPen);
    Text(w, 13, y + 3, button, kText);
    Text(w, 58, y + 3, what, kText);
    y -= 13;
  }
  Text(w, 8, 6, "Hilfe: dbf Structure, Common, Hilfebild, Datei", kText);
  return w.Text();
}

std::string PrintImage() {
  HpglWriter w;
  Title(w, "Ausdruck: Ursprung und Maßstab");
  w.Pen(kDimensionPen);
  Box(w, 30, 10, 130, 104);  // the sheet
  w.Pen(kShaftPen);
  Box(w, 50, 30, 112, 80);   // the drawing
  w.Pen(kDimensionPen);
  Arrow(w, 30, 90, 50, 90);
  Arrow(w, 120, 104, 120, 80);
  w.Pen(kTextPen);
  Text(w, 33, 92, "x", kText);
  Text(w, 122, 92, "y", kText);
  Text(w, 58, 55, "Zeichnung x Maßstab", kText);
  Text(w, 33, 13, "Blatt (Ursprung vom Rand links / oben)", kText);
  return w.Text();
}

}  // namespace

std::vector<HelpImage> HelpImages(int language) {
  gLanguage = language;
  std::vector<HelpImage> images = {
      {"profil", "Profil Welle/Nabe mit allen Durchmessern", ProfileImage()},
      {"messrol", "Maß über und zwischen Messrollen", PinsImage()},
      {"toleranz", "Toleranzfelder Zahndicke und Lückenweite", ToleranceImage()},
      {"last", "Lastgrößen, Pressung und Sicherheiten", LoadImage()},
      {"ka", "Anwendungsfaktor KA, Richtwerte",
       TableImage("Anwendungsfaktor KA",
                  {{"gleichförmig (E-Motor, Turbine)", "1.0"},
                   {"leichte Stöße (Lüfter, Pumpe)", "1.25"},
                   {"mäßige Stöße (Förderer)", "1.5"},
                   {"starke Stöße (Brecher, Walzwerk)", "1.75 - 2.25"}},
                  "Teq = TN x KA; Vorschlag 1.0")},
      {"fw", "Lastrichtungswechselfaktor fW", AlternatingImage()},
      {"fl", "Lastspitzenhäufigkeitsfaktor fL", PeakImage()},
      {"kphi", "Anteilfaktor K phi, tragende Zähne", ShareImage()},
      {"nabenl", "Nabenlänge l", HubLengthImage()},
      {"werkstof", "Werkstoffe von Welle und Nabe", MaterialImage()},
      {"tabedit", "Tasten des Tabellenfensters", TableEditorImage()},
      {"ausdruck", "Ausdruck: Ursprung und Maßstab", PrintImage()},
  };
  for (HelpImage& image : images) image.information = std::string(Say(image.information));
  gLanguage = 1;
  return images;
}

}  // namespace zt6
