#include "calc/calculation_run.h"

#include <initializer_list>
#include <numbers>

#include "calc/geometry.h"
#include "calc/iso286.h"
#include "calc/load_capacity.h"
#include "calc/program_math.h"

namespace zt6 {
namespace {

// The first refusal that applies ends the run; negative z or l are not refused.
bool Refused(const DesignRecord& d, RunMessages& messages) {
  if (d.Dii <= 0) {
    messages.AddFatal("Fatal  : Dii =0 !");
  } else if (d.Dii >= d.D) {
    messages.AddFatal("Fatal  : D <= Dii !");
  } else if (d.D >= d.Dee) {
    messages.AddFatal("Fatal  : Dee <= D !");
  } else if (d.z == 0) {
    messages.AddFatal("Fatal  : z = 0 !");
  } else if (d.l == 0) {
    messages.AddFatal("Fatal  : L = 0 !");
  }
  return messages.FatalFlag();
}

void TipDiameterLimits(DesignRecord& d) {
  const ToleranceLimits hub = Limits(d.Dii, "A11");
  d.Diimin = hub.lower;
  d.Diimax = hub.upper;
  d.DiiMean = (d.Diimin + d.Diimax) / 2;
  const ToleranceLimits shaft = Limits(d.Dee, "a11");
  d.Deemin = shaft.lower;
  d.Deemax = shaft.upper;
  d.DeeMean = (d.Deemin + d.Deemax) / 2;
}

void ReadTables(DesignRecord& d, RunMessages& messages, StandardTables& tables) {
  d.Fr = tables.Runout(d.D, messages);
  tables.ReadToleranceRow(ToleranceTable::Hub, d, messages);
  tables.ReadToleranceRow(d.toleranceClass == ToleranceClass::Coarse ? ToleranceTable::ShaftCoarse
                                                                       : ToleranceTable::ShaftFine,
                          d, messages);
  const bool totalsRead = tables.ReadToleranceRow(ToleranceTable::TotalTolerances, d, messages);
  // The coarse class doubles the tooth thickness tolerance of the table. Only a value
  // just read is doubled: without a row the stored value is already the doubled one
  // and must not grow from run to run.
  if (totalsRead && d.toleranceClass == ToleranceClass::Coarse) d.TGe = 2 * d.TGe;
}

void ClearDeviationGuideValues(DesignRecord& d) {
  d.Fr = 0;
  d.Falpha = {0, 0};
  d.Fp = {0, 0};
  d.Fbeta = {0, 0};
}

// Self-defined pins default to 1.15 times half the pitch on a 0.1 mm grid.
void DefaultPinDiameters(DesignRecord& d) {
  if (d.DRi == 0) d.DRi = RoundHalfEven(11.5 * d.P / 2) * 0.1;
  if (d.DRe == 0) d.DRe = d.DRi;
}

void ZeroIfNotFinite(std::initializer_list<double*> fields) {
  for (double* field : fields) *field = FiniteOrZero(*field);
}

// Degenerate inputs (a zero space angle, a fillet larger than the space) must not
// leave NaN or infinity in a field that reports, drawings and files read.
void ClearNonFinite(DesignRecord& d) {
  ZeroIfNotFinite({&d.riMax, &d.reMax, &d.TGi, &d.TGe, &d.DRi, &d.DRe,
                   &d.Deemin, &d.Deemax, &d.DeeMean, &d.Diimin, &d.Diimax, &d.DiiMean,
                   &d.P, &d.DByZ, &d.gammaI, &d.gammaERad, &d.gammaIRad,
                   &d.Sv, &d.Smax, &d.Smin, &d.SMean, &d.Ev, &d.Emax, &d.Emin, &d.EMean,
                   &d.MReV, &d.MRemax, &d.MRemin, &d.MRiV, &d.MRimax, &d.MRimin,
                   &d.reMin, &d.reMean, &d.riMin, &d.riMean,
                   &d.Diemin, &d.Diemax, &d.DieMean, &d.Deimin, &d.Deimax, &d.DeiMean,
                   &d.DFemin, &d.DFemax, &d.DFeMean, &d.DFimin, &d.DFimax, &d.DFiMean,
                   &d.DVe, &d.DVi, &d.Falpha[0], &d.Falpha[1], &d.Fp[0], &d.Fp[1],
                   &d.Fbeta[0], &d.Fbeta[1], &d.Fr,
                   &d.Teq, &d.KphiEq, &d.KphiMax, &d.hw, &d.rm, &d.alphaW, &d.rw,
                   &d.peq, &d.pmax, &d.taunmax,
                   &d.material[0].pzul, &d.material[0].Seq, &d.material[0].Smax,
                   &d.material[1].pzul, &d.material[1].Seq, &d.material[1].Smax});
}

}  // namespace

void CalculationRun(DesignRecord& d, RunMessages& messages, StandardTables& tables) {
  messages.Clear();
  if (Refused(d, messages)) return;

  TipDiameterLimits(d);
  BasicQuantities(d);
  if (d.dimensionSource == DimensionSource::Database) {
    ReadTables(d, messages, tables);
  } else {
    ClearDeviationGuideValues(d);
    DefaultPinDiameters(d);
  }
  Geometry(d, messages);
  LoadCapacity(d, messages);
  ClearNonFinite(d);
}

double RequiredTipDiameter(double Tmax, double Re, RunMessages& messages) {
  return Power(1000 * 16 * Tmax / (Re * std::numbers::pi * 0.707 * 0.8), 1.0 / 3, "d (Re)",
               messages);
}

void DesignVariant(DesignRecord& d, RunMessages& messages, StandardTables& tables) {
  const int shaftRe = d.material[0].Re;
  if (shaftRe == 0) {
    // No size can be derived without a yield strength: calculate the current size
    // and say why no size was chosen.
    CalculationRun(d, messages, tables);
    messages.Add("Fehler : Auslegung mit Re = 0 !");
    return;
  }
  const double dRequired = RequiredTipDiameter(d.Tmax, shaftRe, messages);
  tables.SizeByDiameter(dRequired, d);
  d.l = 2 * d.D;
  CalculationRun(d, messages, tables);
}

}  // namespace zt6
