#include "cad/tolerance_diagram.h"

#include <string>

#include "base/number_format.h"

namespace zt6 {

namespace {

constexpr double kBarLeft = 20;
constexpr double kBarRight = 40;

struct Tick {
  double y;
  const char* label;
};

// The bar from the shaft's smallest tooth thickness to the hub's largest gap.
constexpr Tick kTicks[] = {
    {100, "E max"}, {75, "E min"}, {60, "Ev = Sv"}, {45, "S max"}, {20, "S min"}};

void Bar(CadOutput& cad) {
  cad.Layer(5);
  cad.Rectangle(kBarLeft, 20, kBarRight, 100);
  for (const double y : {45.0, 60.0, 75.0}) cad.Line(kBarLeft, y, kBarRight, y);
}

void Dimensions(CadOutput& cad) {
  struct Field {
    const char* text;
    double y1, y2, xd;
  };
  constexpr Field kFields[] = {{"TG,e", 20, 60, 62},   {"Tact,e", 20, 45, 54},
                               {"Teff,e", 45, 60, 54}, {"TG,i", 60, 100, 62},
                               {"Tact,i", 75, 100, 54}, {"Teff,i", 60, 75, 54}};
  for (const Field& f : kFields)
    cad.VerticalDimension(f.text, "", "", kBarRight, f.y1, kBarRight, f.y2, f.xd);
}

void Titles(CadOutput& cad, const DesignRecord& d, const Vocabulary& words) {
  cad.TextStyle(0, 0, 3.5, 2.8);
  cad.Layer(5);
  cad.Text(words["Nabe"], 22, 102);
  cad.Text(words["Welle"], 22, 14);
  cad.Text("ZT6    " + d.designation + "    " + words["Toleranz"] + " " + words["Zahndicke"] +
               " + " + words["Zahnlücke"],
           3, 112);
}

void Ticks(CadOutput& cad) {
  cad.Layer(3);
  for (const Tick& t : kTicks) cad.Line(kBarLeft - 3, t.y, kBarLeft, t.y);
  cad.TextStyle(0, 0, 2.5, 1.8);
  cad.Layer(19);
  for (const Tick& t : kTicks) cad.Text(t.label, 3, t.y - 0.7);
}

void Values(CadOutput& cad, const DesignRecord& d, const FormatSettings& format) {
  cad.Layer(21);
  cad.TextStyle(0, 0, 2.5, 1.8);
  cad.LineSpacing(1.4);
  cad.MoveTo(90, 100);
  const std::string unit = LengthUnitText(format);
  const auto line = [&](const char* label, double mm) {
    cad.TextLine(label + FormatSignificantLengthDecimals(mm, 3, format) + unit);
  };
  line("Ev = Sv = P/2 = ", d.Sv);
  cad.TextLine("");
  line("TG,i = ", d.TGi);
  line("Tact,i = 0.625 TG = ", 0.625 * d.TGi);
  line("Teff,i = 0.375 TG = ", 0.375 * d.TGi);
  cad.TextLine("");
  line("TG,e = ", d.TGe);
  line("Tact,e = 0.625 TG = ", 0.625 * d.TGe);
  line("Teff,e = 0.375 TG = ", 0.375 * d.TGe);
  cad.TextLine("");
  line("E max = ", d.Emax);
  line("E min = ", d.Emin);
  line("S v = ", d.Sv);
  line("S max = ", d.Smax);
  line("S min = ", d.Smin);
  cad.LineSpacing(1.0);
}

}  // namespace

void DrawToleranceDiagram(CadOutput& cad, const DesignRecord& design, const Vocabulary& words,
                          const FormatSettings& format) {
  Bar(cad);
  Dimensions(cad);
  Titles(cad, design, words);
  Ticks(cad);
  Values(cad, design, format);
}

}  // namespace zt6
