#include <gtest/gtest.h>

#include "calc/design_record.h"
#include "base/units.h"

namespace zt6 {
namespace {

TEST(DesignRecord, StartsWithTheInitialValues) {
  const DesignRecord r;
  EXPECT_EQ(r.dimensionSource, DimensionSource::Database);
  EXPECT_EQ(r.toleranceClass, ToleranceClass::Fine);
  EXPECT_EQ(r.computedQuantity, ComputedQuantity::Power);
  EXPECT_EQ(r.z, 0);
  EXPECT_EQ(r.Dii, 0.0);
  EXPECT_EQ(r.gammaE, 60.0);
  EXPECT_EQ(r.KA, 1.0);
  EXPECT_EQ(r.Klambda, 1.0);
  EXPECT_EQ(r.fW, 1.0);
  EXPECT_EQ(r.fL[0], 1.0);
  EXPECT_EQ(r.fL[1], 1.0);
  EXPECT_EQ(r.furtherSelector, 1);

  const Material& shaft = r.material[0];
  EXPECT_EQ(shaft.number, "");
  EXPECT_EQ(shaft.name, "30CrMoV9");
  EXPECT_EQ(shaft.text3, "1.0037");
  EXPECT_EQ(shaft.Re, 1050);
  EXPECT_EQ(shaft.field5, 370);
  EXPECT_EQ(shaft.fS, 1.2);
  EXPECT_EQ(shaft.fH, 1.0);
  EXPECT_EQ(shaft.pzul, 1.0);
  EXPECT_EQ(shaft.Seq, 1.0);
  EXPECT_EQ(shaft.Smax, 1.0);

  const Material& hub = r.material[1];
  EXPECT_EQ(hub.number, "0.6030");
  EXPECT_EQ(hub.name, "EN-GJL-300");
  EXPECT_EQ(hub.Re, 230);
  EXPECT_EQ(hub.fS, 2.0);
  EXPECT_EQ(hub.type, 1);
  EXPECT_EQ(hub.tableRow, 1);
}

TEST(DesignRecord, ResetRestoresEveryGroup) {
  DesignRecord r;
  r.designation = "12x14";
  r.z = 28;
  r.Dii = 12;
  r.MReV = 14.2;
  r.Fbeta[1] = 0.01;
  r.Teq = 300;
  r.material[1].name = "GG-20";
  r.material[0].Seq = 0.5;
  r.drawing.infoLines[2] = "info";
  r.furtherSelector = 4;
  r.Reset();
  const DesignRecord fresh;
  EXPECT_EQ(r.designation, fresh.designation);
  EXPECT_EQ(r.z, 0);
  EXPECT_EQ(r.Dii, 0.0);
  EXPECT_EQ(r.MReV, 0.0);
  EXPECT_EQ(r.Fbeta[1], 0.0);
  EXPECT_EQ(r.Teq, 0.0);
  EXPECT_EQ(r.material[1].name, "EN-GJL-300");
  EXPECT_EQ(r.material[0].Seq, 1.0);
  EXPECT_EQ(r.drawing.infoLines[2], "");
  EXPECT_EQ(r.furtherSelector, 1);
}

TEST(DesignRecord, FitWidthTruncatesLongerTexts) {
  EXPECT_EQ(FitWidth("123456789012345678901234567", width::drawingName1), "1234567890123456789012345");
  EXPECT_EQ(FitWidth("kurz", width::materialNumber), "kurz");
}

TEST(Units, EnglishUnitsConvertOnlyAtTheSurface) {
  EXPECT_DOUBLE_EQ(ToInternal(QuantityKind::Length, 1.0, UnitSystem::English), 25.4);
  EXPECT_DOUBLE_EQ(ToDisplay(QuantityKind::Length, 25.4, UnitSystem::English), 1.0);
  EXPECT_DOUBLE_EQ(ToInternal(QuantityKind::Torque, 100.0, UnitSystem::English), 11.2984788);
  EXPECT_NEAR(ToDisplay(QuantityKind::Torque, 11.2984788, UnitSystem::English), 100.0, 1e-7);
  EXPECT_DOUBLE_EQ(ToInternal(QuantityKind::Stress, 145037.0, UnitSystem::English), 1000.0);
  EXPECT_DOUBLE_EQ(ToDisplay(QuantityKind::Stress, 1000.0, UnitSystem::English), 145037.0);
  for (QuantityKind k : {QuantityKind::Length, QuantityKind::Torque, QuantityKind::Stress}) {
    EXPECT_EQ(ToInternal(k, 12.5, UnitSystem::Metric), 12.5);
    EXPECT_EQ(ToDisplay(k, 12.5, UnitSystem::Metric), 12.5);
  }
  EXPECT_STREQ(UnitText(QuantityKind::Length, UnitSystem::Metric), "mm");
  EXPECT_STREQ(UnitText(QuantityKind::Length, UnitSystem::English), "in");
  EXPECT_STREQ(UnitText(QuantityKind::Torque, UnitSystem::Metric), "Nm");
  EXPECT_STREQ(UnitText(QuantityKind::Torque, UnitSystem::English), "lbfin");
  EXPECT_STREQ(UnitText(QuantityKind::Stress, UnitSystem::Metric), "MPa");
  EXPECT_STREQ(UnitText(QuantityKind::Stress, UnitSystem::English), "psi");
}

}  // namespace
}  // namespace zt6
