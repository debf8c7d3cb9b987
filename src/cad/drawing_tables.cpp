#include "cad/drawing_tables.h"

#include <string>
#include <vector>

#include "base/blanks.h"
#include "base/codepage.h"
#include "base/number_format.h"
#include "cad/drawing_table_builder.h"

namespace zt6 {

namespace {

constexpr double kTextHeight = 3.5;
constexpr int kTableLayer = 4;

// One row of a data table and the kinds that show it.
struct DataRow {
  TableCells cells;  // empty: a blank row
  bool inData = true;
  bool inTolerance = true;
};

// The words, units and number forms the rows are written with.
struct RowTexts {
  RowTexts(const Vocabulary& vocabulary, const FormatSettings& format)
      : words(vocabulary), f(format), length(LengthUnitText(format)),
        angle(AngleUnitText(format)), stress(StressUnitText(format)),
        torque(TorqueUnitText(format)) {}

  std::string W(std::string_view german) const { return words[german]; }
  std::string W(std::string_view a, std::string_view b) const { return W(a) + ' ' + W(b); }
  std::string Len(double mm, int width, int decimals) const {
    return FormatLength(mm, width, decimals, f);
  }
  // Diameters keep their digits in inches; a size with a fit keeps them in mm too.
  std::string Diameter(double mm, int width, int decimals) const {
    return f.units == UnitSystem::English ? FormatExactLength(mm, width, decimals, f)
                                          : Len(mm, width, decimals);
  }
  std::string Fitted(double mm, std::string_view fit) const {
    return FormatExactLength(mm, 6, 1, f) + " " + std::string(fit);
  }
  std::string Fixed(double x, int width, int decimals) const {
    return FormatFixed(x, width, decimals, f);
  }
  std::string Stress(double x) const { return FormatStress(x, 6, 0, f); }
  // D/z in parentheses, after a blank.
  std::string Module(const DesignRecord& d) const {
    const double m = d.z > 0 ? d.D / d.z : 0.0;
    return " (" + FormatSignificantLengthDecimals(m, 4, f) + ")";
  }

  const Vocabulary& words;
  const FormatSettings& f;
  const std::string length, angle, stress, torque;
};

DataRow Both(TableCells cells) { return {std::move(cells), true, true}; }
DataRow DataOnly(TableCells cells) { return {std::move(cells), true, false}; }
DataRow ToleranceOnly(TableCells cells) { return {std::move(cells), false, true}; }
DataRow Blank() { return {{}, false, true}; }

// Falpha, Fbeta, Fp of the part, Fr of the connection. The tables hold no deviation of 0:
// a 0 is one they do not give (a self-defined design, a width beyond their range), shown
// as a dash, since 0.000 would read as "no deviation allowed".
void AppendDeviations(std::vector<DataRow>& rows, const DesignRecord& d, std::size_t part,
                      const RowTexts& t) {
  const auto row = [&](std::string_view label, std::string symbol, double mm) {
    const std::string value = mm == 0 ? std::string(4, ' ') + Oem("─") : t.Len(mm, 5, 3);
    rows.push_back(ToleranceOnly({t.W(label), std::move(symbol), t.length, value}));
  };
  rows.push_back(Blank());
  row("Profilgesamtabweichung", "Falpha", d.Falpha[part]);
  row("Flankenlinien-Gesamtabweichung", Oem("Fß"), d.Fbeta[part]);
  row("Teilungs-Gesamtabweichung", "Fp", d.Fp[part]);
  row("Rundlaufabweichung", "Fr", d.Fr);
}

std::vector<DataRow> ShaftRows(const DesignRecord& d, const RowTexts& t) {
  const std::string& mm = t.length;
  const auto thickness = [&](const std::string& what, const char* symbol, double value) {
    return ToleranceOnly({t.W("Zahndicke") + what, symbol, mm, t.Len(value, 4, 4)});
  };
  const auto overPins = [&](const char* what, const char* symbol, double value) {
    return ToleranceOnly({t.W("Maß über Meßkreise") + what, symbol, mm, t.Len(value, 4, 4)});
  };
  std::vector<DataRow> rows{
      Both({t.W("Zähnezahl"), "Z", "", FormatInteger(d.z, 9, false)}),
      Both({t.W("Modul"), "m", mm, t.Module(d)}),
      Both({t.W("Lückenwinkel", "außen"), "gam.e", t.angle, t.Fixed(d.gammaE, 5, 3)}),
      Both({t.W("Teilkreisdurchmesser"), "D", mm, t.Diameter(d.D, 6, 2)}),
      Blank(),
      Both({t.W("Kopfkreisdurchmesser"), "Dee", mm, t.Fitted(d.Dee, "a11")}),
      ToleranceOnly(
          {t.W("Fuß-Formkreisdurchmesser"), "DFe", mm, t.Diameter(d.DFemax, 6, 2) + " max"}),
      Both({t.W("Fußradius"), "Remax", mm, t.Len(d.reMax, 6, 2)}),
      DataOnly({t.W("Fußkreisdurchmesser"), "Die", mm, t.Diameter(d.DieMean, 6, 2)}),
      Blank(),
      thickness(" max." + t.W("wirksam"), "Sv", d.Sv),
      thickness(" max." + t.W("Ist") + " Ref.", "Smax", d.Smax),
      thickness(" min." + t.W("Ist"), "Smin", d.Smin),
      Blank(),
      ToleranceOnly({t.W("Meßkreisdurchmesser"), "DRe", mm, t.Diameter(d.DRe, 5, 3)}),
      overPins(" max.Ref.", "MRemax", d.MRemax),
      overPins(" min.", "MRemin", d.MRemin),
      DataOnly({t.W("Teilung"), "P", mm, t.Len(d.P, 6, 2)}),
  };
  AppendDeviations(rows, d, 0, t);
  return rows;
}

std::vector<DataRow> HubRows(const DesignRecord& d, const RowTexts& t) {
  const std::string& mm = t.length;
  const auto spaceWidth = [&](const std::string& what, const char* symbol, double value) {
    return ToleranceOnly({t.W("Zahnlücke") + what, symbol, mm, t.Len(value, 4, 4)});
  };
  const auto betweenPins = [&](const char* what, const char* symbol, double value) {
    return ToleranceOnly(
        {t.W("Maß zwischen Meßkreisen") + what, symbol, mm, t.Len(value, 4, 4)});
  };
  std::vector<DataRow> rows{
      Both({t.W("Zähnezahl"), "Z", "", FormatInteger(d.z, 9, false)}),
      Both({t.W("Modul"), "m", mm, t.Module(d)}),
      Both({t.W("Lückenwinkel", "innen"), "gam.i", t.angle, t.Fixed(d.gammaI, 5, 3)}),
      Both({t.W("Teilkreisdurchmesser"), "D", mm, t.Diameter(d.D, 6, 2)}),
      Blank(),
      Both({t.W("Fußradius"), "Rimax", mm, t.Len(d.riMax, 6, 2)}),
      ToleranceOnly(
          {t.W("Fuß-Formkreisdurchmesser"), "DFi", mm, t.Diameter(d.DFimin, 6, 2) + " min"}),
      Both({t.W("Kopfkreisdurchmesser"), "Dii", mm, t.Fitted(d.Dii, "A11")}),
      DataOnly({t.W("Fußkreisdurchmesser"), "Dei", mm, t.Diameter(d.DeiMean, 6, 2)}),
      Blank(),
      spaceWidth(" max." + t.W("Ist"), "Emax", d.Emax),
      spaceWidth(" min." + t.W("Ist") + " Ref.", "Emin", d.Emin),
      spaceWidth(" min." + t.W("wirksam"), "Ev", d.Ev),
      Blank(),
      ToleranceOnly({t.W("Meßkreisdurchmesser"), "DRi", mm, t.Diameter(d.DRi, 5, 3)}),
      betweenPins(" max.", "MRimax", d.MRimax),
      betweenPins(" min.Ref", "MRimin", d.MRimin),
      DataOnly({t.W("Teilung"), "P", mm, t.Len(d.P, 6, 2)}),
  };
  AppendDeviations(rows, d, 1, t);
  return rows;
}

TableColumnWidths DataColumns(int kind) {
  return kind == table_kind::kTolerance ? TableColumnWidths{26, 7, 4, 10}
                                        : TableColumnWidths{20, 6, 4, 10};
}

}  // namespace

double DataTableWidth(int kind) {
  return TableWidth(kTextHeight, DataColumns(kind));
}

void DrawDataTable(CadOutput& cad, const DesignRecord& d, int part, int kind, double x,
                   double y, const Vocabulary& words, const FormatSettings& format) {
  const bool shaft = part == table_part::kShaft;
  if ((!shaft && part != table_part::kHub) ||
      (kind != table_kind::kData && kind != table_kind::kTolerance))
    return;
  const bool tolerance = kind == table_kind::kTolerance;
  const RowTexts t(words, format);
  cad.Layer(kTableLayer);
  DrawingTable table(cad, x, y, kTextHeight, DataColumns(kind));
  table.Header({t.W(shaft ? "Welle" : "Nabe") + " " + d.designation});
  for (const DataRow& row : shaft ? ShaftRows(d, t) : HubRows(d, t))
    if (tolerance ? row.inTolerance : row.inData) table.Row(row.cells);
}

void DrawLoadTable(CadOutput& cad, const DesignRecord& d, double x, double y,
                   const Vocabulary& words, const FormatSettings& format) {
  const RowTexts t(words, format);
  const auto torque = [&](double nm) { return FormatSignificantTorque(nm, format); };
  const std::string pressure = t.W("wirks") + "." + t.W("Flächenpressung");
  cad.Layer(kTableLayer);
  DrawingTable table(cad, x, y, kTextHeight, {27, 7, 7, 7});
  table.Header({t.W("Last")});
  table.Row({t.W("Nenndrehmoment"), "TN", t.torque, torque(d.TN)});
  table.Row({t.W("Maximales", "Drehmoment"), "Tmax", t.torque, torque(d.Tmax)});
  table.Row({t.W("Anwendungsfaktor"), "KA", "", t.Fixed(d.KA, 4, 2)});
  // Always N·m: the value is not converted either.
  table.Row({t.W("Äquivalentes", "Drehmoment"), "Teq", "Nm", FormatSignificant(d.Teq, format)});
  table.Row({t.W("Zahnbreite"), "l", t.length, t.Len(d.l, 6, 2)});
  table.Row({t.W("Lastrichtungswechselfaktor"), "fW", "", t.Fixed(d.fW, 4, 2)});
  table.Row({t.W("Lastverteilungsfaktor"), "K lambda", "", t.Fixed(d.Klambda, 3, 2)});
  table.Row({t.W("äquivalente") + " " + pressure, "peq", t.stress, t.Stress(d.peq)});
  table.Row({t.W("Maximale") + " " + pressure, "pmax", t.stress, t.Stress(d.pmax)});
}

void DrawStrengthTable(CadOutput& cad, const DesignRecord& d, double x, double y,
                       const Vocabulary& words, const FormatSettings& format) {
  const RowTexts t(words, format);
  const Material& shaft = d.material[0];
  const Material& hub = d.material[1];
  const std::string permissible = t.W("zul");
  const auto factor = [&](double value) { return t.Fixed(value, 3, 2); };
  cad.Layer(kTableLayer);
  DrawingTable table(cad, x, y, kTextHeight, {22, 6, 6, 7, 7});
  table.Header({t.W("FESTIGKEIT"), "", "", "1", "2"});
  table.IdentifierRow({t.W("Werkstoff"), "", "", std::string(TrimBlanks(shaft.name)),
             std::string(TrimBlanks(hub.name))});
  table.Row({t.W("Streckgrenze"), "Re", t.stress, t.Stress(shaft.Re), t.Stress(hub.Re)});
  table.Row({t.W("Stützfaktor"), "fS", "", factor(shaft.fS), factor(hub.fS)});
  table.Row({t.W("Härteeinflußfaktor"), "fH", "", factor(shaft.fH), factor(hub.fH)});
  table.Row({t.W("Zulässige Flächenpressung"), "p" + permissible, t.stress, t.Stress(shaft.pzul),
             t.Stress(hub.pzul)});
  table.Row({t.W("Lastspitzenhäufigkeitsfaktor"), "fL", "", factor(d.fL[0]), factor(d.fL[1])});
  table.Row({t.W("Sicherheit") + "   fW*p" + permissible + "/peq", "Seq", "", factor(shaft.Seq),
             factor(hub.Seq)});
  table.Row({t.W("Sicherheit") + "   fL*p" + permissible + "/pmax", "Smax", "",
             factor(shaft.Smax), factor(hub.Smax)});
}

}  // namespace zt6
