#include "calc/load_capacity.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

#include "base/format_settings.h"
#include "base/number_format.h"

namespace zt6 {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr const char* kPartNames[2] = {"Welle", "Nabe"};

std::string TwoDecimals(double x) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", x);
  return text;
}

// Flank pressure for torque T (N·m); 0 when the contact geometry gives no area.
double FlankPressure(double T, const DesignRecord& d, double shareFactor) {
  return 1000 * T * std::cos(d.alphaW) / (d.z * d.rw) / (d.l * d.hw) * shareFactor * d.Klambda;
}

}  // namespace

void LoadCapacity(DesignRecord& d, RunMessages& messages) {
  d.Teq = d.KA * d.TN;

  // Contact between the largest hub tip and the smallest shaft tip.
  const double d1 = d.Diimax;
  const double d3 = d.Deemin;
  d.hw = (d3 - d1) / 2;
  d.rm = (d1 + d3) / 4;
  d.alphaW = d.gammaIRad / 2;
  d.rw = d.rm * std::cos(d.alphaW);

  if (d.toleranceClass == ToleranceClass::Coarse) {
    d.KphiEq = 3.0;
    d.KphiMax = 2.5;
  } else {
    d.KphiEq = 2.0;
    d.KphiMax = 1.7;
  }

  // Without a contact height or lever arm the pressures have no meaning; they are
  // reported as an error and left at 0 instead of dividing by zero.
  d.peq = 0;
  d.pmax = 0;
  if (d.l * d.hw <= 0) {
    messages.Add("Fehler : L * hw <= 0 !");
  } else if (d.z * d.rw <= 0) {
    messages.Add("Fehler : z * rw <= 0 !");
  } else {
    d.peq = FlankPressure(d.Teq, d, d.KphiEq);
    d.pmax = FlankPressure(d.Tmax, d, d.KphiMax);
  }

  if (d.Diemin > 0) {
    d.taunmax = 16 * 1000 * d.Tmax / (kPi * d.Diemin * d.Diemin * d.Diemin);
  } else {
    d.taunmax = 0;
    messages.Add("Fehler : Diemin <= 0 !");
  }

  for (int part = 0; part < 2; ++part) {
    Material& m = d.material[static_cast<std::size_t>(part)];
    m.pzul = m.Re * m.fH * m.fS;
    m.Seq = d.peq != 0 ? m.pzul * d.fW / d.peq : 0;
    if (m.Seq < 1) {
      messages.Add("Fehler : Seq<1 (" + TwoDecimals(m.Seq) + " " + kPartNames[part] + ")");
    }
    m.Smax = d.pmax != 0 ? m.pzul * d.fL[static_cast<std::size_t>(part)] / d.pmax : 0;
    if (m.Smax < 1) {
      messages.Add("Fehler : Smax<1 (" + TwoDecimals(m.Smax) + " " + kPartNames[part] + ")");
    }
  }

  const int shaftRe = d.material[0].Re;
  if (shaftRe > 0 && d.taunmax / shaftRe > 0.7) {
    // Messages do not follow the decimals or separator settings.
    messages.Add("Warnung: tau max / Re > 0.7 ! (" +
                 FormatSignificant(d.taunmax / shaftRe, FormatSettings{}) + ")");
  }
  if (d.Tmax < d.Teq) messages.Add("Warnung: Tmax < Teq !");
}

}  // namespace zt6
