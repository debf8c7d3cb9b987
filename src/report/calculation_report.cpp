#include "report/calculation_report.h"

#include <algorithm>
#include <numbers>

#include "base/blanks.h"
#include "base/codepage.h"
#include "base/number_format.h"

namespace zt6 {

namespace {

// The rows of one report, with the words, units and formats they share.
class ReportPages {
 public:
  ReportPages(ReportWriter& writer, const DesignRecord& design, const Vocabulary& words,
              const FormatSettings& format)
      : w_(writer), d_(design), words_(words), f_(format),
        length_(LengthUnitText(format)), stress_(StressUnitText(format)),
        torque_(TorqueUnitText(format)), angle_(AngleUnitText(format)) {}

  void Dimensions();
  void ThicknessAndSpaceWidth();
  void DeviationGuideValues();
  void StrengthRows();
  void MaterialSection();

 private:
  std::string W(std::string_view german) const { return words_[german]; }
  // entry + " " + entry [+ " " + entry]
  std::string W(std::string_view a, std::string_view b) const { return W(a) + ' ' + W(b); }
  std::string W(std::string_view a, std::string_view b, std::string_view c) const {
    return W(a, b) + ' ' + W(c);
  }
  std::string Len(double mm, int width, int decimals) const {
    return FormatLength(mm, width, decimals, f_);
  }
  std::string Fixed(double x, int width, int decimals) const {
    return FormatFixed(x, width, decimals, f_);
  }
  std::string Stress(double x) const { return FormatStress(x, 6, 0, f_); }

  ReportWriter& w_;
  const DesignRecord& d_;
  const Vocabulary& words_;
  const FormatSettings& f_;
  const std::string length_, stress_, torque_, angle_;
};

void ReportPages::Dimensions() {
  w_.Line("");
  w_.Line(W("ABMESSUNGEN"));
  w_.Line(w_.Rule());
  w_.Row4(W("Profil"), "", d_.designation, "", RowValues::Texts);
  w_.Row4(W("Zähnezahl"), "z", "", FormatInteger(d_.z, 8, false));
  w_.Row4(W("Teilung"), "P", length_, Len(d_.P, 6, 2));
  w_.Row4(W("Teilkreisdurchmesser"), "D", length_, Len(d_.D, 4, 3));
  w_.Row4(W("Lückenwinkel", "Welle"), "gam.e", angle_, Fixed(d_.gammaE, 4, 3));
  w_.Row4(W("Kopfkreisdurchmesser", "Welle"), "Dee", length_,
          FormatExactLength(d_.Dee, 4, 1, f_) + " a11");
  w_.Row4(W("Kopfkreisdurchmesser", "Welle", "min"), "Deemin", length_, Len(d_.Deemin, 4, 2));
  w_.Row4(W("Kopfkreisdurchmesser", "Welle", "max"), "Deemax", length_, Len(d_.Deemax, 4, 2));
  w_.Row4(W("Fußradius", "Welle"), "remax", length_, Len(d_.reMax, 4, 2));
  w_.Row4(W("Fußkreisdurchmesser", "Welle", "min"), "Diemin", length_, Len(d_.Diemin, 4, 2));
  w_.Row4(W("Fußkreisdurchmesser", "Welle", "max"), "Diemax", length_, Len(d_.Diemax, 4, 2));
  w_.Row4(W("Fuß-Formkreisdurchmesser", "Welle"), "DFemax", length_, Len(d_.DFemax, 4, 2));
  w_.Row4(W("Lückenwinkel", "Nabe"), "gam.i", angle_, Fixed(d_.gammaI, 4, 3));
  w_.Row4(W("Kopfkreisdurchmesser", "Nabe"), "Dii", length_,
          FormatExactLength(d_.Dii, 4, 1, f_) + " A11");
  w_.Row4(W("Kopfkreisdurchmesser", "Nabe", "min"), "Diimin", length_, Len(d_.Diimin, 4, 2));
  w_.Row4(W("Kopfkreisdurchmesser", "Nabe", "max"), "Diimax", length_, Len(d_.Diimax, 4, 2));
  w_.Row4(W("Fußradius", "Nabe"), "rimax", length_, Len(d_.riMax, 4, 2));
  w_.Row4(W("Fußkreisdurchmesser", "Nabe", "min"), "Deimin", length_, Len(d_.Deimin, 4, 2));
  w_.Row4(W("Fußkreisdurchmesser", "Nabe", "max"), "Deimax", length_, Len(d_.Deimax, 4, 2));
  w_.Row4(W("Fuß-Formkreisdurchmesser", "Nabe"), "DFimin", length_, Len(d_.DFimin, 4, 2));
  w_.Row4(W("Nabenlänge"), "l", length_, Len(d_.l, 4, 2));
}

void ReportPages::ThicknessAndSpaceWidth() {
  const auto shaft = [this](const std::string& label, const char* symbol, double mm) {
    w_.Row5(label, symbol, length_, Len(mm, 4, 3), "");
  };
  const auto hub = [this](const std::string& label, const char* symbol, double mm) {
    w_.Row5(label, symbol, length_, "", Len(mm, 4, 3));
  };
  w_.Line("");
  shaft(W("Gesamttoleranz", "Welle"), "TGe", d_.TGe);
  shaft(W("Toleranz", "Ist", "Welle"), "Tacte", 0.625 * d_.TGe);
  shaft(W("Toleranz", "wirksam", "Welle"), "Teffe", 0.375 * d_.TGe);
  shaft(W("Zahndicke") + " max. " + W("wirksam"), "Sv", d_.Sv);
  shaft(W("Zahndicke") + " max. " + W("Ist") + " Ref.", "Smax", d_.Smax);
  shaft(W("Zahndicke") + " min. " + W("Ist"), "Smin", d_.Smin);
  shaft(W("Meßkreisdurchmesser"), "DRe", d_.DRe);
  shaft(W("Maß über Meßkreise") + " nom.", "MReV", d_.MReV);
  shaft(W("Maß über Meßkreise") + " max.Ref.", "MRemax", d_.MRemax);
  shaft(W("Maß über Meßkreise") + " min.", "MRemin", d_.MRemin);
  w_.Line("");
  hub(W("Gesamttoleranz", "Nabe"), "TGi", d_.TGi);
  hub(W("Toleranz", "Ist", "Nabe"), "Tacti", 0.625 * d_.TGi);
  hub(W("Toleranz", "wirksam", "Nabe"), "Teffi", 0.375 * d_.TGi);
  hub(W("Zahnlücke") + " max. " + W("Ist"), "Emax", d_.Emax);
  hub(W("Zahnlücke") + " min. " + W("Ist") + " Ref.", "Emin", d_.Emin);
  hub(W("Zahnlücke") + " min. " + W("wirksam"), "Ev", d_.Ev);
  hub(W("Meßkreisdurchmesser"), "DRi", d_.DRi);
  hub(W("Maß zwischen Meßkreisen") + " max.", "MRimax", d_.MRimax);
  hub(W("Maß zwischen Meßkreisen") + " min.Ref.", "MRimin", d_.MRimin);
  hub(W("Maß zwischen Meßkreisen") + " nom.", "MRiV", d_.MRiV);
}

void ReportPages::DeviationGuideValues() {
  const auto a = [this](double mm) { return FormatSignificantLengthA(mm, f_); };
  const auto b = [this](double mm) { return FormatSignificantLengthB(mm, f_); };
  w_.Line("");
  w_.Line(W("Einzelabweichungen") + " (" + W("Richtwerte") + ")");
  w_.Line(w_.Rule());
  w_.Row5(W("Profilgesamtabweichung"), "F alpha", length_, a(d_.Falpha[0]), b(d_.Falpha[1]));
  w_.Row5(W("Flankenlinien-Gesamtabweichung"), Oem("F ß"), length_, a(d_.Fbeta[0]),
          b(d_.Fbeta[1]));
  w_.Row5(W("Teilungs-Gesamtabweichung"), "F p", length_, b(d_.Fp[0]), b(d_.Fp[1]));
  w_.Row4(W("Rundlaufabweichung"), "Fr", length_, a(d_.Fr));
}

// Name right-aligned in 20 characters after trimming, cut to its first 20.
std::string MaterialNameField(const std::string& name) {
  std::string trimmed(TrimBlanks(name));
  if (trimmed.size() > 20) trimmed.resize(20);
  return std::string(20 - trimmed.size(), ' ') + trimmed;
}

void ReportPages::MaterialSection() {
  const Material& shaft = d_.material[0];
  const Material& hub = d_.material[1];
  w_.Line("");
  w_.Line(W("WERKSTOFF WELLE/NABE"));
  w_.Line(w_.DoubleRule());
  if (!shaft.number.empty())
    w_.Row5(W("Werkstoffnummer"), "", "", shaft.number, hub.number, RowValues::Texts);
  std::string nameLabel = W("Werkstoffname 1/2:");
  nameLabel.resize(std::max<std::size_t>(nameLabel.size(), 27), ' ');
  w_.Line(nameLabel + MaterialNameField(shaft.name) + " / " + MaterialNameField(hub.name));
  w_.Line(w_.Rule());
  w_.Row5(W("Streckgrenze"), "Re", stress_, Stress(shaft.Re), Stress(hub.Re));
  w_.Row5(W("Stützfaktor"), "fS", "", Fixed(shaft.fS, 3, 2), Fixed(hub.fS, 3, 2));
  w_.Row5(W("Härteeinflußfaktor"), "fH", "", Fixed(shaft.fH, 3, 2), Fixed(hub.fH, 3, 2));
  w_.Row5(W("Zulässige Flächenpressung"), "pzul", stress_, Stress(shaft.pzul), Stress(hub.pzul));
}

void ReportPages::StrengthRows() {
  const auto torque = [this](double nm) { return FormatSignificantTorque(nm, f_); };
  const auto lengthA = [this](double mm) { return FormatSignificantLengthA(mm, f_); };
  const Material& shaft = d_.material[0];
  const Material& hub = d_.material[1];

  w_.Line("");
  w_.Line("");
  w_.Line(W("FESTIGKEIT", "NACH") + " NIEMANN (2005)");
  w_.Line(w_.Rule());
  w_.Line("");
  MaterialSection();
  w_.Line("");
  w_.Line(w_.Rule());
  w_.Row4(W("Nenndrehmoment"), "TN", torque_, torque(d_.TN));
  w_.Row4(W("Maximales", "Drehmoment"), "Tmax", torque_, torque(d_.Tmax));
  w_.Row4(W("Äquivalentes", "Drehmoment") + " (KA*TN)", "Teq", torque_, torque(d_.Teq));
  w_.Row4(W("Anwendungsfaktor"), "KA", "", Fixed(d_.KA, 2, 2));
  w_.Row4(W("Lastrichtungswechselfaktor"), "fW", "", Fixed(d_.fW, 2, 2));
  w_.Row4("rm = (d1 + d3 ) / 4", "rm", length_, lengthA(d_.rm));
  w_.Row4("alpha w = gamma / 2", "alpha w", angle_,
          FormatSignificant(d_.alphaW * 180.0 / std::numbers::pi, f_));
  w_.Row4("rw = rm * cos(alphaw)", "rw", length_, lengthA(d_.rw));
  w_.Row4("hw = (d3 - d1) / 2", "hw", length_, lengthA(d_.hw));
  w_.Row4(W("Zahnbreite"), "L", length_, Len(d_.l, 3, 2));
  w_.Row4(W("Lastverteilungsfaktor"), "K lambda", "", Fixed(d_.Klambda, 3, 2));
  w_.Row4(W("Anteilfaktor"), Oem("K phißeq"), "", Fixed(d_.KphiEq, 3, 2));
  w_.Row4(W("Anteilfaktor"), Oem("K phißmax"), "", Fixed(d_.KphiMax, 3, 2));
  w_.NeedLines(0);
  w_.Row4(W("äquivalente", "wirks") + "." + W("Flächenpressung"), "peq", stress_, Stress(d_.peq));
  w_.Row4(W("Maximale", "wirks") + "." + W("Flächenpressung"), "pmax", stress_, Stress(d_.pmax));
  if (d_.taunmax > 0.5 * shaft.Re)
    w_.Row4("Max." + W("Torsionsspannung", "Welle"), "taunmax", stress_, Stress(d_.taunmax));
  w_.Row5(W("Lastspitzenhäufigkeitsfaktor"), "fL", "", Fixed(d_.fL[0], 3, 2),
          Fixed(d_.fL[1], 3, 2));
  w_.Row5(W("Sicherheit") + "   fW*p" + W("zul") + "/peq", "Seq", "", Fixed(shaft.Seq, 3, 2),
          Fixed(hub.Seq, 3, 2));
  w_.Row5(W("Sicherheit") + "   fL*p" + W("zul") + "/pmax", "Smax", "", Fixed(shaft.Smax, 3, 2),
          Fixed(hub.Smax, 3, 2));
}

// A forced page break with the column heading row; false when it was cancelled.
bool NextPage(ReportWriter& writer) {
  writer.EndPage();
  writer.PageHeader(0, 1);
  return !writer.Cancelled();
}

}  // namespace

std::array<std::string, 5> CalculationReportHeader(const DesignRecord& design,
                                                   const Vocabulary& words,
                                                   const std::string& version) {
  const DrawingIdentification& drawing = design.drawing;
  return {"ZT6 V" + version + "  " + words["Kerbverzahnung"] + " " + words["nach"] + " DIN 5481",
          ReportWriter::NameLine(drawing.shaftName1, drawing.shaftNumber, words["Nr.: "]),
          ReportWriter::NameLine(drawing.hubName1, drawing.hubNumber, words["Nr.: "]),
          drawing.infoLines[0], drawing.infoLines[1]};
}

std::array<std::string, 5> CalculationReportColumns(const Vocabulary& words) {
  return {"", words["Zeichen"], words["Einheit"], "  " + words["Welle"], words["Nabe"]};
}

bool WriteCalculationReportPages(ReportWriter& writer, const DesignRecord& design,
                                 const Vocabulary& words, const FormatSettings& format,
                                 const std::vector<ReportRemark>& remarks) {
  ReportPages pages(writer, design, words, format);
  pages.Dimensions();
  if (!NextPage(writer)) return false;
  pages.ThicknessAndSpaceWidth();
  if (design.dimensionSource == DimensionSource::Database) {
    if (!NextPage(writer)) return false;
    pages.DeviationGuideValues();
  }
  if (!NextPage(writer)) return false;
  pages.StrengthRows();
  writer.Line(" ");
  writer.Remarks(remarks);
  writer.EndPage();
  return true;
}

}  // namespace zt6
