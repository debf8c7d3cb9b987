// Calculation run, geometry and load capacity against hand-worked examples.

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calc/calculation_run.h"
#include "calc/geometry.h"
#include "calc/load_capacity.h"
#include "support/designs.h"

namespace zt6 {
namespace {

constexpr double kTol = 1e-6;

std::vector<std::string> Texts(const RunMessages& messages) {
  std::vector<std::string> texts;
  for (int k = 1; k <= messages.Count(); ++k) texts.push_back(messages.Message(k));
  return texts;
}

using test_support::SelfDefined12x14;

// Tables held in memory: one row, as the standard tables would give it.
class FakeTables : public StandardTables {
 public:
  bool haveRow = true;
  double tableTGe = 0.05;
  double sizeDii = 12, sizeDee = 14.2, sizeD = 13;
  std::vector<double> sizeRequests;

  double Runout(double, RunMessages&) override { return 0.021; }
  bool ReadToleranceRow(ToleranceTable table, DesignRecord& d, RunMessages&) override {
    if (!haveRow || d.tableRow == 0) return false;
    switch (table) {
      case ToleranceTable::ShaftFine: d.Falpha[0] = 0.010; break;
      case ToleranceTable::ShaftCoarse: d.Falpha[0] = 0.020; break;
      case ToleranceTable::Hub: d.Falpha[1] = 0.015; break;
      case ToleranceTable::TotalTolerances:
        d.TGi = 0.04;
        d.TGe = tableTGe;
        d.DRi = 0.8;
        d.DRe = 0.8;
        break;
    }
    return true;
  }
  bool SizeByDiameter(double d, DesignRecord& design) override {
    sizeRequests.push_back(d);
    design.Dii = sizeDii;
    design.Dee = sizeDee;
    design.D = sizeD;
    design.z = 31;
    design.tableRow = 4;
    return true;
  }
};

TEST(CalculationRun, WorkedExampleGeometry) {
  DesignRecord d = SelfDefined12x14();
  RunMessages messages;
  NoStandardTables tables;
  CalculationRun(d, messages, tables);
  EXPECT_EQ(messages.Count(), 0) << (messages.Count() ? messages.Message(1) : "");

  // Tip diameters: Dii 12 A11 = 12 + (0.290 ... 0.400); Dee 14.2 a11 (range 10-18,
  // es = -290, IT11 = 110) = 14.2 - (0.400 ... 0.290) = 13.800 ... 13.910.
  EXPECT_NEAR(d.Diimin, 12.290, 1e-9);
  EXPECT_NEAR(d.Diimax, 12.400, 1e-9);
  EXPECT_NEAR(d.Deemin, 13.800, 1e-9);
  EXPECT_NEAR(d.Deemax, 13.910, 1e-9);
  // P = pi * 13 / 31 = 1.3174421; gamma i = 60 - 360/31 = 48.387097 degrees.
  EXPECT_NEAR(d.P, 1.3174421, kTol);
  EXPECT_NEAR(d.gammaI, 48.3870968, kTol);
  // Pins: 11.5 * P / 2 = 7.5753 -> 8 -> DRi = DRe = 0.8.
  EXPECT_NEAR(d.DRi, 0.8, 1e-12);
  EXPECT_NEAR(d.DRe, 0.8, 1e-12);
  // Sv = P/2 = 0.6587210; Smin = Sv - 0.04 = 0.6187210; Smax = Smin + 0.025 = 0.6437210.
  // Ev = 0.6587210; Emax = Ev + 0.04 = 0.6987210; Emin = Emax - 0.025 = 0.6737210.
  EXPECT_NEAR(d.Sv, 0.6587210, kTol);
  EXPECT_NEAR(d.Smin, 0.6187210, kTol);
  EXPECT_NEAR(d.Smax, 0.6437210, kTol);
  EXPECT_NEAR(d.Emax, 0.6987210, kTol);
  EXPECT_NEAR(d.Emin, 0.6737210, kTol);
  // Over pins, Sv: theta = (P - Sv)/D = pi/62 = 0.0506708; vertex radius
  // Ve = 6.5 * (cos theta - sin theta / tan 30) = 6.5 * (0.9987165 - 0.0506491 * 1.7320508)
  //    = 5.9214322; odd z: kz = cos(pi/62) = 0.9987165;
  // MReV = 2 * (5.9214322 + 0.4 / sin 30) * 0.9987165 + 0.8 = 2 * 6.7214322 * 0.9987165 + 0.8
  //      = 14.2256106.
  EXPECT_NEAR(d.MReV, 14.2256106, kTol);
  EXPECT_NEAR(d.MRemax, 14.1989299, kTol);
  EXPECT_NEAR(d.MRemin, 14.1544271, kTol);
  // Between pins, Ev: theta = Ev/D = 0.0506708; gi/2 = 24.193548 degrees, tan = 0.4493567;
  // Vi = 6.5 * (0.9987165 + 0.0506491 / 0.4493567) = 7.2244248;
  // MRiV = 2 * (7.2244248 - 0.4 / sin 24.193548) * 0.9987165 - 0.8
  //      = 2 * (7.2244248 - 0.9770480) * 0.9987165 - 0.8 = 11.6807351.
  EXPECT_NEAR(d.MRiV, 11.6807351, kTol);
  EXPECT_NEAR(d.MRimax, 11.7674457, kTol);
  EXPECT_NEAR(d.MRimin, 11.7132676, kTol);
  // Default fillets, beta = pi/62:
  // re max = sin 30 * (6 - 6.5 * (cos beta - sin beta / tan 30)) = 0.5 * (6 - 5.9214322)
  //        = 0.0392839;
  // ri max = sin 24.19 * (6.5 * (cos beta + sin beta / tan 24.19) - 7.1)
  //        = 0.4098876 * (7.2244248 - 7.1) = 0.0509918.
  EXPECT_NEAR(d.reMax, 0.0392839, kTol);
  EXPECT_NEAR(d.riMax, 0.0509918, kTol);
  // re min = re max - 0.625 * 0.04 / 2 = re max - 0.0125.
  EXPECT_NEAR(d.reMin, 0.0267839, kTol);
  EXPECT_NEAR(d.riMin, 0.0384918, kTol);
  // Root diameters: 2 * (Ve(S) + r / sin 30 - r) and 2 * (Vi(E) - r / sin 24.19 + r).
  EXPECT_NEAR(d.Diemin, 11.8501572, kTol);
  EXPECT_NEAR(d.Diemax, 11.8697172, kTol);
  EXPECT_NEAR(d.Deimin, 14.3705603, kTol);
  EXPECT_NEAR(d.Deimax, 14.3888057, kTol);
  // Vertex diameters without fillet at S mean and E mean.
  EXPECT_NEAR(d.DVe, 11.7938749, kTol);
  EXPECT_NEAR(d.DVi, 14.5085545, kTol);
  // Form circles: DFemin = Diemin + 2 * re max * (1 - sin 30) = 11.8501572 + 0.0392839
  //             = 11.8894411; DFimin = Deimin - 2 * ri min * (1 - 0.4098876) = 14.3251261.
  EXPECT_NEAR(d.DFemin, 11.8894411, kTol);
  EXPECT_NEAR(d.DFemax, 11.8965011, kTol);
  EXPECT_NEAR(d.DFimin, 14.3251261, kTol);
  EXPECT_NEAR(d.DFimax, 14.3286170, kTol);
  // Self-defined: no deviation guide values.
  EXPECT_EQ(d.Fr, 0);
  EXPECT_EQ(d.Fbeta[0], 0);
}

// The larger DIN 5481 rows have a flank angle of 55 degrees: 60x65 typed in (D 61.5,
// z 45, odd), TGe = TGi = 0.05, pins and fillets left to the run.
TEST(CalculationRun, WorkedExampleAt55Degrees) {
  DesignRecord d;
  d.dimensionSource = DimensionSource::SelfDefined;
  d.Dii = 60;
  d.Dee = 65;
  d.D = 61.5;
  d.z = 45;
  d.gammaE = 55;
  d.l = 40;
  d.TGi = 0.05;
  d.TGe = 0.05;
  d.TN = 500;
  d.Tmax = 1000;
  RunMessages messages;
  NoStandardTables tables;
  CalculationRun(d, messages, tables);
  EXPECT_FALSE(messages.FatalFlag());

  // Tips: Dii 60 A11 (range 50-65: A = +340, IT11 = 190) = 60.340 ... 60.530;
  // Dee 65 a11 (65 lies in the range up to 65: a = -340) = 64.470 ... 64.660.
  EXPECT_NEAR(d.Diimin, 60.340, 1e-9);
  EXPECT_NEAR(d.Diimax, 60.530, 1e-9);
  EXPECT_NEAR(d.Deemin, 64.470, 1e-9);
  EXPECT_NEAR(d.Deemax, 64.660, 1e-9);
  // P = pi * 61.5 / 45 = 4.2935100; gamma i = 55 - 360/45 = 47 degrees.
  EXPECT_NEAR(d.P, 4.2935100, kTol);
  EXPECT_NEAR(d.gammaI, 47.0, 1e-12);
  // Pins: 11.5 * P / 2 = 24.6877 -> 25 -> DRi = DRe = 2.5.
  EXPECT_NEAR(d.DRi, 2.5, 1e-12);
  EXPECT_NEAR(d.DRe, 2.5, 1e-12);
  // Sv = P/2 = 2.1467550; Smin = Sv - 0.05 = 2.0967550; Smax = Smin + 0.03125 = 2.1280050.
  // Ev = 2.1467550; Emax = Ev + 0.05 = 2.1967550; Emin = Emax - 0.03125 = 2.1655050.
  EXPECT_NEAR(d.Sv, 2.1467550, kTol);
  EXPECT_NEAR(d.Smin, 2.0967550, kTol);
  EXPECT_NEAR(d.Smax, 2.1280050, kTol);
  EXPECT_NEAR(d.Emax, 2.1967550, kTol);
  EXPECT_NEAR(d.Emin, 2.1655050, kTol);
  // Over pins at Sv: theta = (P - Sv)/D = pi/90 = 0.0349066, cos = 0.9993908,
  // sin = 0.0348995; tan 27.5 = 0.5205671, sin 27.5 = 0.4617486;
  // Ve = 30.75 * (0.9993908 - 0.0348995 / 0.5205671) = 28.6697477; odd z: kz = cos(pi/90);
  // MReV = 2 * (28.6697477 + 1.25 / 0.4617486) * 0.9993908 + 2.5 = 65.2154689.
  // At Smax theta = 0.0352115, Ve = 28.6514209: MRemax = 65.1788377;
  // at Smin theta = 0.0357196, Ve = 28.6208704: MRemin = 65.1177739.
  EXPECT_NEAR(d.MReV, 65.2154689, kTol);
  EXPECT_NEAR(d.MRemax, 65.1788377, kTol);
  EXPECT_NEAR(d.MRemin, 65.1177739, kTol);
  // Between pins at Ev: theta = Ev/D = pi/90; tan 23.5 = 0.4348124, sin 23.5 = 0.3987491;
  // Vi = 30.75 * (0.9993908 + 0.0348995 / 0.4348124) = 33.1993659;
  // MRiV = 2 * (33.1993659 - 1.25 / 0.3987491) * 0.9993908 - 2.5 = 57.5924956.
  // Vi(Emax) = 33.2559434: MRimax = 57.7055818; Vi(Emin) = 33.2205850: MRimin = 57.6349080.
  EXPECT_NEAR(d.MRiV, 57.5924956, kTol);
  EXPECT_NEAR(d.MRimax, 57.7055818, kTol);
  EXPECT_NEAR(d.MRimin, 57.6349080, kTol);
  // Default fillets, beta = pi/90 (the theta of Sv and Ev, so the vertices above):
  // re max = sin 27.5 * (30 - 28.6697477) = 0.6142422;
  // ri max = sin 23.5 * (33.1993659 - 32.5) = 0.2788715;
  // re min = re max - 0.625 * 0.05 / 2 = 0.5986172; ri min = 0.2632465.
  EXPECT_NEAR(d.reMax, 0.6142422, kTol);
  EXPECT_NEAR(d.riMax, 0.2788715, kTol);
  EXPECT_NEAR(d.reMin, 0.5986172, kTol);
  EXPECT_NEAR(d.riMin, 0.2632465, kTol);
  // Roots: Diemin = 2 * (Ve(Smin) + re max / sin 27.5 - re max)
  //              = 2 * (28.6208704 + 1.3302523 - 0.6142422) = 58.6737611;
  // Diemax = 2 * (Ve(Smax) + re min / sin 27.5 - re min) = 58.6984346;
  // Deimax = 2 * (Vi(Emax) - ri max / sin 23.5 + ri max)
  //        = 2 * (33.2559434 - 0.6993659 + 0.2788715) = 65.6708981;
  // Deimin = 2 * (Vi(Emin) - ri min / sin 23.5 + ri min) = 65.6473014.
  EXPECT_NEAR(d.Diemin, 58.6737611, kTol);
  EXPECT_NEAR(d.Diemax, 58.6984346, kTol);
  EXPECT_NEAR(d.Deimax, 65.6708981, kTol);
  EXPECT_NEAR(d.Deimin, 65.6473014, kTol);
  // Form circles: DFemin = Diemin + 2 * re max * (1 - sin 27.5) = 59.3349945;
  // DFemax = Diemax + 2 * re min * (1 - sin 27.5) = 59.3428477;
  // DFimin = Deimin - 2 * ri min * (1 - sin 23.5) = 65.3307470;
  // DFimax = Deimax - 2 * ri max * (1 - sin 23.5) = 65.3355546.
  EXPECT_NEAR(d.DFemin, 59.3349945, kTol);
  EXPECT_NEAR(d.DFemax, 59.3428477, kTol);
  EXPECT_NEAR(d.DFimin, 65.3307470, kTol);
  EXPECT_NEAR(d.DFimax, 65.3355546, kTol);
  // Diimin 60.340 lies above DFemax and DFimin above Deemax 64.660: no interference.
  for (int k = 1; k <= messages.Count(); ++k)
    EXPECT_EQ(messages.Message(k).find("DF"), std::string::npos) << messages.Message(k);
}

TEST(CalculationRun, WorkedExampleLoad) {
  DesignRecord d = SelfDefined12x14();
  RunMessages messages;
  NoStandardTables tables;
  CalculationRun(d, messages, tables);
  // Teq = 1.25 * 20 = 25 Nm; hw = (13.800 - 12.400)/2 = 0.7; rm = (12.4 + 13.8)/4 = 6.55;
  // alpha w = 24.193548 degrees; rw = 6.55 * cos alpha w = 6.55 * 0.9121663 = 5.9746891.
  EXPECT_NEAR(d.Teq, 25, 1e-12);
  EXPECT_NEAR(d.hw, 0.7, 1e-9);
  EXPECT_NEAR(d.rm, 6.55, 1e-9);
  EXPECT_NEAR(d.alphaW * 180 / std::numbers::pi, 24.1935484, kTol);
  EXPECT_NEAR(d.rw, 5.9746891, kTol);
  // fein: K phi eq 2.0, K phi max 1.7.
  // peq = 1000 * 25 * 0.9121663 / (31 * 5.9746891) / (26 * 0.7) * 2.0 = 13.5299323 N/mm2;
  // pmax = 1000 * 60 * 0.9121663 / (31 * 5.9746891) / 18.2 * 1.7 = 27.6010618 N/mm2.
  EXPECT_NEAR(d.KphiEq, 2.0, 0);
  EXPECT_NEAR(d.peq, 13.5299323, kTol);
  EXPECT_NEAR(d.pmax, 27.6010618, kTol);
  // taunmax = 16 * 1000 * 60 / (pi * 11.8501572^3) = 183.63228 N/mm2.
  EXPECT_NEAR(d.taunmax, 183.63228, 1e-4);
  // Shaft pzul = 1050 * 1.2 = 1260: Seq = 1260 / 13.5299323 = 93.126852,
  // Smax = 1260 / 27.6010618 = 45.650418. Hub pzul = 230 * 2.0 = 460: Seq = 33.998692,
  // Smax = 16.666025.
  EXPECT_NEAR(d.material[0].pzul, 1260, 1e-9);
  EXPECT_NEAR(d.material[0].Seq, 93.126852, 1e-5);
  EXPECT_NEAR(d.material[0].Smax, 45.650418, 1e-5);
  EXPECT_NEAR(d.material[1].pzul, 460, 1e-9);
  EXPECT_NEAR(d.material[1].Seq, 33.998692, 1e-5);
  EXPECT_NEAR(d.material[1].Smax, 16.666025, 1e-5);
}

TEST(CalculationRun, EvenToothCountPutsPinsDiametrically) {
  // 10x12, z = 30: theta = pi/60; Ve(Sv) = 5.5 * (cos 3 - sin 3 / tan 30)
  //   = 5.5 * (0.9986295 - 0.0523360 * 1.7320508) = 4.9938955;
  // DRe = round(11.5 * 1.1519173 / 2 = 6.62) * 0.1 = 0.7;
  // MReV = 2 * (4.9938955 + 0.35 / 0.5) + 0.7 = 12.0877910 (kz = 1).
  DesignRecord d = SelfDefined12x14();
  d.Dii = 10.1;
  d.Dee = 12;
  d.D = 11;
  d.z = 30;
  RunMessages messages;
  NoStandardTables tables;
  CalculationRun(d, messages, tables);
  EXPECT_NEAR(d.DRe, 0.7, 1e-12);
  EXPECT_NEAR(d.MReV, 12.0877910, kTol);
}

TEST(CalculationRun, RefusalsInOrder) {
  struct Case {
    double Dii, D, Dee;
    int z;
    double l;
    const char* message;
  };
  const Case cases[] = {
      {0, 0, 0, 0, 0, "Fatal  : Dii =0 !"},
      {-1, 13, 14, 31, 26, "Fatal  : Dii =0 !"},
      {13, 13, 14, 0, 0, "Fatal  : D <= Dii !"},
      {12, 14.2, 14.2, 0, 0, "Fatal  : Dee <= D !"},
      {12, 13, 14.2, 0, 0, "Fatal  : z = 0 !"},
      {12, 13, 14.2, 31, 0, "Fatal  : L = 0 !"},
  };
  for (const Case& c : cases) {
    DesignRecord d = SelfDefined12x14();
    d.Dii = c.Dii;
    d.D = c.D;
    d.Dee = c.Dee;
    d.z = c.z;
    d.l = c.l;
    d.P = 99;  // a refused run leaves the derived fields alone
    RunMessages messages;
    NoStandardTables tables;
    CalculationRun(d, messages, tables);
    EXPECT_EQ(Texts(messages), std::vector<std::string>{c.message}) << c.message;
    EXPECT_TRUE(messages.FatalFlag());
    EXPECT_EQ(d.P, 99);
  }
}

TEST(CalculationRun, NegativeToothCountAndWidthAreNotRefused) {
  // A negative tooth count runs on: the pitch pi * D / z turns negative with it.
  DesignRecord d = SelfDefined12x14();
  d.z = -31;
  RunMessages messages;
  NoStandardTables tables;
  CalculationRun(d, messages, tables);
  EXPECT_FALSE(messages.FatalFlag());
  EXPECT_NEAR(d.P, -std::numbers::pi * 13.0 / 31, 1e-12);

  // A negative width gives no contact area: an error and no pressures.
  d = SelfDefined12x14();
  d.l = -26;
  CalculationRun(d, messages, tables);
  EXPECT_FALSE(messages.FatalFlag());
  EXPECT_EQ(d.peq, 0);
  EXPECT_EQ(messages.Message(1), "Fehler : L * hw <= 0 !");
}

TEST(CalculationRun, SelfDefinedPinDiameterOnGrid) {
  // P = 2.0: 11.5 * 1.0 = 11.5 rounds half to even to 12 -> DRi = DRe = 1.2.
  DesignRecord d = SelfDefined12x14();
  d.z = 20;
  d.D = 2.0 * 20 / std::numbers::pi;  // 12.732
  d.Dee = 13.5;
  RunMessages messages;
  NoStandardTables tables;
  CalculationRun(d, messages, tables);
  EXPECT_NEAR(d.P, 2.0, 1e-12);
  EXPECT_NEAR(d.DRi, 1.2, 1e-12);
  EXPECT_NEAR(d.DRe, 1.2, 1e-12);
  // A typed DRe stays; only a zero one follows DRi.
  d.DRi = 0;
  d.DRe = 1.0;
  CalculationRun(d, messages, tables);
  EXPECT_NEAR(d.DRi, 1.2, 1e-12);
  EXPECT_NEAR(d.DRe, 1.0, 1e-12);
}

TEST(CalculationRun, SecondRunKeepsFilledInputsAndResults) {
  DesignRecord d = SelfDefined12x14();
  RunMessages messages;
  NoStandardTables tables;
  CalculationRun(d, messages, tables);
  const DesignRecord first = d;
  CalculationRun(d, messages, tables);
  EXPECT_EQ(d.reMax, first.reMax);
  EXPECT_EQ(d.riMax, first.riMax);
  EXPECT_EQ(d.MRimin, first.MRimin);
  EXPECT_EQ(d.DFimax, first.DFimax);
  EXPECT_EQ(d.material[1].Smax, first.material[1].Smax);
}

TEST(Geometry, InterferenceChecksIncludeEquality) {
  DesignRecord d = SelfDefined12x14();
  RunMessages messages;
  NoStandardTables tables;
  CalculationRun(d, messages, tables);
  ASSERT_EQ(messages.Count(), 0);

  d.Diimin = d.DFemax;  // the hub tip just touches the shaft's form circle
  Geometry(d, messages);
  EXPECT_EQ(Texts(messages), std::vector<std::string>{"Fehler : Dii < DFe !"});

  messages.Clear();
  d.Diimin = std::nextafter(d.DFemax, 100.0);
  d.Deemax = d.DFimin;
  Geometry(d, messages);
  EXPECT_EQ(Texts(messages), std::vector<std::string>{"Fehler : Dee > DFi !"});
}

TEST(CalculationRun, DatabaseModeReadsTablesAndDoublesCoarseToleranceOnce) {
  DesignRecord d = SelfDefined12x14();
  d.dimensionSource = DimensionSource::Database;
  d.toleranceClass = ToleranceClass::Coarse;
  d.tableRow = 4;
  RunMessages messages;
  FakeTables tables;
  CalculationRun(d, messages, tables);
  EXPECT_NEAR(d.TGe, 0.10, 1e-12);       // 2 x 0.05 from the table
  EXPECT_NEAR(d.Smin, d.Sv - 0.10, 1e-12);
  EXPECT_EQ(d.Falpha[0], 0.020);          // coarse shaft table
  EXPECT_EQ(d.Falpha[1], 0.015);
  EXPECT_EQ(d.Fr, 0.021);
  EXPECT_EQ(d.KphiEq, 3.0);
  CalculationRun(d, messages, tables);    // read again, doubled again from the table
  EXPECT_NEAR(d.TGe, 0.10, 1e-12);

  // Without a row nothing is read and TGe must not grow from run to run.
  tables.haveRow = false;
  CalculationRun(d, messages, tables);
  CalculationRun(d, messages, tables);
  EXPECT_NEAR(d.TGe, 0.10, 1e-12);

  // The fine class uses the table value unchanged and the fine shaft table.
  tables.haveRow = true;
  d.toleranceClass = ToleranceClass::Fine;
  CalculationRun(d, messages, tables);
  EXPECT_NEAR(d.TGe, 0.05, 1e-12);
  EXPECT_EQ(d.Falpha[0], 0.010);
  EXPECT_EQ(d.KphiEq, 2.0);
}

TEST(LoadCapacity, ShareFactorsFollowToleranceClass) {
  DesignRecord d = SelfDefined12x14();
  d.TN = 100;
  d.Tmax = 300;
  RunMessages messages;
  NoStandardTables tables;
  CalculationRun(d, messages, tables);
  EXPECT_EQ(d.Teq, 125);
  const double fine = d.peq;
  d.toleranceClass = ToleranceClass::Coarse;
  LoadCapacity(d, messages);
  EXPECT_NEAR(d.peq / fine, 3.0 / 2.0, 1e-12);
  EXPECT_EQ(d.KphiMax, 2.5);
}

TEST(LoadCapacity, Messages) {
  struct Case {
    const char* what;
    double TN, Tmax;
    int shaftRe, hubRe;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"no load at all", 0, 0, 1050, 230,
       {"Fehler : Seq<1 (0.00 Welle)", "Fehler : Smax<1 (0.00 Welle)",
        "Fehler : Seq<1 (0.00 Nabe)", "Fehler : Smax<1 (0.00 Nabe)"}},
      {"Tmax = 0", 20, 0, 1050, 230,
       {"Fehler : Smax<1 (0.00 Welle)", "Fehler : Smax<1 (0.00 Nabe)",
        "Warnung: Tmax < Teq !"}},
      {"Tmax below Teq", 20, 24, 1050, 230, {"Warnung: Tmax < Teq !"}},
      // Shaft weak, hub strong: Seq shaft = 2 * 1.2 / 13.5299323 = 0.18; the stress
      // ratio 183.63228 / 2 = 91.816 prints as 91.82 and the ")" is cut at 36 characters.
      {"weak shaft", 20, 60, 2, 2000,
       {"Fehler : Seq<1 (0.18 Welle)", "Fehler : Smax<1 (0.09 Welle)",
        "Warnung: tau max / Re > 0.7 ! (91.82"}},
      {"no yield strength of the shaft", 20, 60, 0, 230,
       {"Fehler : Seq<1 (0.00 Welle)", "Fehler : Smax<1 (0.00 Welle)"}},
      // 183.63228 / 250 = 0.73453 -> "0.735" in three significant digits.
      {"shear warning", 20, 60, 250, 230, {"Warnung: tau max / Re > 0.7 ! (0.735"}},
  };
  for (const Case& c : cases) {
    DesignRecord d = SelfDefined12x14();
    d.TN = c.TN;
    d.Tmax = c.Tmax;
    d.material[0].Re = c.shaftRe;
    d.material[1].Re = c.hubRe;
    RunMessages messages;
    NoStandardTables tables;
    CalculationRun(d, messages, tables);
    EXPECT_EQ(Texts(messages), c.expected) << c.what;
  }
}

TEST(LoadCapacity, DegenerateGeometryGivesErrorsNotInfinities) {
  struct Case {
    const char* what;
    void (*change)(DesignRecord&);
    std::string message;
  };
  const Case cases[] = {
      // Shaft tip below the hub tip: no contact height.
      {"hw <= 0", [](DesignRecord& d) { d.Dee = 12.5; d.D = 12.2; d.Dii = 12.1; },
       "Fehler : L * hw <= 0 !"},
      // gamma i far below 0 turns the lever arm negative.
      {"rw <= 0", [](DesignRecord& d) { d.gammaE = -250; }, "Fehler : z * rw <= 0 !"},
      // A negative typed fillet: 2 * (5.92 - 10 / 0.5 + 10) < 0.
      {"Diemin <= 0", [](DesignRecord& d) { d.reMax = -10; }, "Fehler : Diemin <= 0 !"},
  };
  for (const Case& c : cases) {
    DesignRecord d = SelfDefined12x14();
    c.change(d);
    RunMessages messages;
    NoStandardTables tables;
    CalculationRun(d, messages, tables);
    const auto texts = Texts(messages);
    EXPECT_NE(std::find(texts.begin(), texts.end(), c.message), texts.end()) << c.what;
    for (double v : {d.peq, d.pmax, d.taunmax, d.material[0].Seq, d.material[1].Smax, d.Diemin,
                     d.MReV, d.MRiV, d.DFimin, d.riMax, d.reMax}) {
      EXPECT_TRUE(std::isfinite(v)) << c.what;
    }
  }
}

TEST(CalculationRun, ZeroSpaceAngleLeavesNoNaN) {
  DesignRecord d = SelfDefined12x14();
  d.gammaE = 0;
  RunMessages messages;
  NoStandardTables tables;
  CalculationRun(d, messages, tables);
  EXPECT_FALSE(messages.FatalFlag());
  EXPECT_EQ(d.reMax, 0);  // no fillet for a space without angle
  for (double v : {d.MReV, d.MRemin, d.DVe, d.Diemin, d.DFemax, d.peq, d.material[0].Seq}) {
    EXPECT_TRUE(std::isfinite(v));
  }
}

TEST(DesignVariant, ChoosesSizeFromTorqueAndYieldStrength) {
  // d = (1000 * 16 * 100 / (1050 * pi * 0.707 * 0.8))^(1/3) = (1600000 / 1865.70)^(1/3)
  //   = 857.60^(1/3) = 9.50073 mm.
  DesignRecord d = SelfDefined12x14();
  d.dimensionSource = DimensionSource::Database;
  d.Tmax = 100;
  RunMessages messages;
  FakeTables tables;
  DesignVariant(d, messages, tables);
  ASSERT_EQ(tables.sizeRequests.size(), 1u);
  EXPECT_NEAR(tables.sizeRequests[0], 9.500734, 1e-6);
  EXPECT_EQ(d.tableRow, 4);
  EXPECT_EQ(d.l, 26);  // 2 * D
  EXPECT_FALSE(messages.FatalFlag());
  EXPECT_GT(d.peq, 0);  // the run followed

  d.Tmax = 0;
  DesignVariant(d, messages, tables);
  EXPECT_EQ(tables.sizeRequests.back(), 0);
}

TEST(DesignVariant, RefusedWithoutYieldStrength) {
  DesignRecord d = SelfDefined12x14();
  d.material[0].Re = 0;
  d.Tmax = 100;
  RunMessages messages;
  FakeTables tables;
  DesignVariant(d, messages, tables);
  EXPECT_TRUE(tables.sizeRequests.empty());
  EXPECT_EQ(d.l, 26);  // unchanged
  const auto texts = Texts(messages);
  EXPECT_EQ(texts.back(), "Fehler : Auslegung mit Re = 0 !");
}

}  // namespace
}  // namespace zt6

namespace zt6 {
namespace {

TEST(Geometry, NoNegativeDefaultFillet) {
  // D = 13.2: the shaft space vertex lies at R * (cos b - sin b / tan 30)
  // = 6.6 * (0.9987165 - 0.0877268) = 6.0125, outside the hub tip circle (6.0);
  // sin 30 * (6.0 - 6.0125) would be a negative radius: the root stays sharp.
  DesignRecord d = SelfDefined12x14();
  d.D = 13.2;
  RunMessages messages;
  NoStandardTables tables;
  CalculationRun(d, messages, tables);
  EXPECT_EQ(d.reMax, 0);
  EXPECT_GT(d.riMax, 0);
}

}  // namespace
}  // namespace zt6
