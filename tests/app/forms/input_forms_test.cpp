// The input dialogs without their windows: fields filled from the design in the unit
// system, proposals, the unit switch, the table picks and the write-back on OK.

#include <gtest/gtest.h>

#include <numbers>

#include <cmath>

#include "app/forms/dimension_form.h"
#include "app/forms/identification_form.h"
#include "app/forms/load_form.h"
#include "app/forms/material_form.h"
#include "calc/geometry.h"
#include "support/designs.h"
#include "support/table_fixture.h"

namespace zt6 {
namespace {

class InputFormsTest : public test_support::LookupFixture {
 protected:
  DesignRecord design = test_support::SelfDefined12x14();
  Vocabulary words;
  FormatSettings& format = config.format;
  bool& cancel = shell.cancel;

  void SetUp() override {
    LookupFixture::SetUp();
    design.material[0].Re = 1050;
    design.material[0].fS = 1.2;
    design.material[1].Re = 230;
    design.material[1].fS = 2.0;
  }
  DimensionForm Dimensions() { return {design, messages, format, words, access, cancel}; }
};

// Three significant digits in mm, four decimals in inches.
void ExpectSameUpToDisplay(double after, double before, const char* what) {
  EXPECT_NEAR(after, before, 0.0013 + 0.005 * std::fabs(before)) << what;
}

TEST_F(InputFormsTest, UnitSwitchThereAndBackKeepsTheMetricRecord) {
  const DesignRecord before = design;
  DimensionForm dimensions = Dimensions();
  dimensions.Fill();
  EXPECT_EQ(dimensions.fields["Edit_d1"], "12");
  dimensions.SwitchUnits();
  EXPECT_EQ(format.units, UnitSystem::English);
  EXPECT_EQ(dimensions.fields["Edit_d1"], "0.4724409");  // enough decimals for 12 mm
  EXPECT_EQ(dimensions.fields["Edit_l"], "1.023622");
  EXPECT_DOUBLE_EQ(design.Dii, 12.0);  // written back before the switch, still mm
  dimensions.SwitchUnits();
  EXPECT_EQ(format.units, UnitSystem::Metric);
  EXPECT_EQ(dimensions.fields["Edit_d3"], "14.2");
  ExpectSameUpToDisplay(design.Dii, before.Dii, "Dii");
  ExpectSameUpToDisplay(design.Dee, before.Dee, "Dee");
  ExpectSameUpToDisplay(design.D, before.D, "D");
  ExpectSameUpToDisplay(design.l, before.l, "l");
  ExpectSameUpToDisplay(design.TGi, before.TGi, "TGi");
  EXPECT_EQ(design.z, before.z);
  EXPECT_DOUBLE_EQ(design.gammaE, before.gammaE);

  MaterialForm material(design, messages, format, access, cancel, words);
  material.Fill();
  material.SwitchUnits();
  EXPECT_EQ(material.fields["Edit_Re1"], "152288.9");
  EXPECT_EQ(material.StressUnit(), "psi");
  material.SwitchUnits();
  EXPECT_EQ(design.material[0].Re, 1050);
  EXPECT_EQ(design.material[1].Re, 230);
  EXPECT_DOUBLE_EQ(design.material[1].fS, 2.0);

  LoadForm load(design, format, cancel);
  load.Fill();
  load.SwitchUnits();
  EXPECT_EQ(load.fields["Edit_tnenn"], "177.015");
  EXPECT_EQ(load.TorqueUnit(), "lbfin");
  load.SwitchUnits();
  EXPECT_EQ(load.TorqueUnit(), "Nm");
  ExpectSameUpToDisplay(design.TN, before.TN, "TN");
  ExpectSameUpToDisplay(design.Tmax, before.Tmax, "Tmax");
  EXPECT_DOUBLE_EQ(design.KA, before.KA);
}

struct DimensionProposal {
  const char* button;
  UnitSystem units;
  FieldTexts typed;
  const char* field;
  const char* expected;
};

TEST_F(InputFormsTest, DimensionProposalsFromTheFieldTexts) {
  const DimensionProposal cases[] = {
      {"Button_beta", UnitSystem::Metric, {{"Edit_d1", "59.9"}}, "Edit_beta", "60"},
      {"Button_beta", UnitSystem::Metric, {{"Edit_d1", "60"}}, "Edit_beta", "55"},
      // The threshold is 60 mm also when the field shows inches: 2.3622 in is just below.
      {"Button_beta", UnitSystem::English, {{"Edit_d1", "2.3622"}}, "Edit_beta", "60"},
      {"Button_beta", UnitSystem::English, {{"Edit_d1", "2,3623"}}, "Edit_beta", "55"},
      {"Button_d", UnitSystem::Metric, {{"Edit_d1", "12"}, {"Edit_d3", "14.2"}}, "Edit_d5", "13.1"},
      {"Button_z", UnitSystem::Metric, {{"Edit_d1", "12"}, {"Edit_d3", "14.2"}}, "Edit_z", "24"},
      // Equal tip diameters: the count keeps its text.
      {"Button_z", UnitSystem::Metric, {{"Edit_d1", "12"}, {"Edit_d3", "12"}, {"Edit_z", "31"}},
       "Edit_z", "31"},
      {"Button_dri", UnitSystem::Metric, {{"Edit_d5", "13"}, {"Edit_z", "31"}}, "Edit_dri", "0.8"},
      {"Button_dri", UnitSystem::Metric, {{"Edit_d5", "13"}, {"Edit_z", "0"}, {"Edit_dri", "0.7"}},
       "Edit_dri", "0.7"},
      {"Button_dre", UnitSystem::Metric, {{"Edit_dri", "0,65"}}, "Edit_dre", "0,65"},
      // IT9 at 13 mm: 40 * (0.45 * 13^(1/3) + 0.013) um = 42.84 um.
      {"Button_tgi", UnitSystem::Metric, {{"Edit_d5", "13"}}, "Edit_tgi", "0.043"},
      {"Button_tge", UnitSystem::Metric, {{"Edit_tgi", "0.05"}}, "Edit_tge", "0.05"},
      {"Button_l", UnitSystem::Metric, {{"Edit_d5", "13"}}, "Edit_l", "26"},
      {"Button_l", UnitSystem::English, {{"Edit_d5", "0.5118"}}, "Edit_l", "1.0236"},
  };
  for (const DimensionProposal& c : cases) {
    format.units = c.units;
    DimensionForm form = Dimensions();
    form.fields = c.typed;
    form.Propose(c.button);
    EXPECT_EQ(form.fields[c.field], c.expected) << c.button << " " << c.typed.begin()->second;
  }
}

TEST_F(InputFormsTest, RootRadiusProposalWritesBackFirstAndTakesTheGeometryLimit) {
  DimensionForm form = Dimensions();
  form.Fill();
  design = DesignRecord();  // only the fields know the size now
  design.dimensionSource = DimensionSource::SelfDefined;
  form.Propose("Button_rimax");
  EXPECT_DOUBLE_EQ(design.Dii, 12.0);
  // The hand-worked limit of the 12x14 geometry (tests/calc/calculation_run_test.cpp):
  // sin 24.19 * (6.5 * (cos beta + sin beta / tan 24.19) - 7.1) = 0.0509918.
  EXPECT_NEAR(design.riMax, 0.0509918, 1e-7);
  EXPECT_NE(form.fields["Edit_rimax"], "0");
  EXPECT_DOUBLE_EQ(design.reMax, 0.0);
}

TEST_F(InputFormsTest, AcceptRefusesAZeroHubLength) {
  DimensionForm form = Dimensions();
  form.Fill();
  for (const char* zero : {"0", "", "abc"}) {
    cancel = true;
    form.fields["Edit_l"] = zero;
    form.fields["Edit_d1"] = "11";
    EXPECT_FALSE(form.Accept()) << zero;
    EXPECT_TRUE(cancel);
    EXPECT_DOUBLE_EQ(design.l, 26.0);
    EXPECT_DOUBLE_EQ(design.Dii, 12.0);
  }
  form.fields["Edit_l"] = "30";
  form.toleranceClass = 2;
  EXPECT_TRUE(form.Accept());
  EXPECT_FALSE(cancel);
  EXPECT_DOUBLE_EQ(design.l, 30.0);
  EXPECT_DOUBLE_EQ(design.Dii, 11.0);
  EXPECT_EQ(design.toleranceClass, ToleranceClass::Coarse);
}

// The dialogs take the ranges of the command line and the batch runs: values beyond
// any design are refused, in the unit shown; the bounds themselves are taken.
TEST_F(InputFormsTest, EveryDialogRefusesValuesBeyondTheInputRanges) {
  struct Case {
    const char* field;
    const char* text;
    const char* range;  // "" when the text is taken
  };
  const Case dimensions[] = {
      {"Edit_d5", "1001", "Gültiger Wertebereich: > 0 und <= 1000 !"},
      {"Edit_d5", "1000", ""},
      {"Edit_l", "1e308", "Gültiger Wertebereich: > 0 und <= 1000 !"},
      {"Edit_z", "20001", "Gültiger Wertebereich: 3 .. 500 !"},
      {"Edit_z", "500", ""},
      {"Edit_tgi", "11", "Gültiger Wertebereich: 0 .. 10 !"},
  };
  for (const Case& c : dimensions) {
    DimensionForm form = Dimensions();
    form.Fill();
    form.fields[c.field] = c.text;
    const auto refusal = form.Check();
    if (*c.range == '\0') {
      EXPECT_FALSE(refusal) << c.field << " " << c.text << ": " << refusal->message;
      continue;
    }
    ASSERT_TRUE(refusal) << c.field << " " << c.text;
    EXPECT_EQ(refusal->field, c.field);
    EXPECT_TRUE(refusal->message.ends_with(c.range)) << refusal->message;
  }
  // In inches the bound is the same length: 1000 mm = 39.3701 in.
  format.units = UnitSystem::English;
  DimensionForm inches = Dimensions();
  inches.Fill();
  inches.fields["Edit_d5"] = "39.4";
  ASSERT_TRUE(inches.Check());
  EXPECT_TRUE(inches.Check()->message.ends_with("> 0 und <= 39.3701 !")) << inches.Check()->message;
  inches.fields["Edit_d5"] = "39.37";
  EXPECT_FALSE(inches.Check());
  format.units = UnitSystem::Metric;

  LoadForm load(design, format, cancel);
  load.Fill();
  load.fields["Edit_ka"] = "1e308";
  ASSERT_TRUE(load.Check());
  EXPECT_EQ(load.Check()->message,
            "Feld Anwendungsfaktor KA: Gültiger Wertebereich: > 0 und <= 10 !");
  load.fields["Edit_ka"] = "1";
  load.fields["Edit_tmax"] = "2e9";
  ASSERT_TRUE(load.Check());
  EXPECT_EQ(load.Check()->field, "Edit_tmax");

  MaterialForm material(design, messages, format, access, cancel, words);
  material.Fill();
  material.fields[MaterialForm::kGroups[1].Re] = "5001";
  ASSERT_TRUE(material.Check());
  EXPECT_EQ(material.Check()->message,
            "Feld Streckgrenze Re (Nabe): Gültiger Wertebereich: > 0 und <= 5000 !");
  EXPECT_FALSE(material.Accept());
  EXPECT_EQ(design.material[1].Re, 230);
}

TEST_F(InputFormsTest, LabelsFromTheVocabularyOfTheLanguage) {
  DimensionForm form = Dimensions();
  EXPECT_EQ(form.Label("Edit_d1"), "Kopfkreisdurchmesser Nabe Dii");
  EXPECT_EQ(form.Label("Edit_tgi"), "Gesamttoleranz Zahnlücke Nabe TGi");
  EXPECT_EQ(form.Label("RadioGroup_tol"), "Toleranzklasse Welle");
  words.Load(2);
  EXPECT_EQ(form.Label("Edit_d3"), "Tip diameter shaft Dee");
  EXPECT_EQ(form.Label("Edit_tge"), "Total tolerance tooth thickness shaft TGe");
  EXPECT_EQ(form.Label("Edit_l"), "hub length l");
  EXPECT_EQ(form.Label("RadioGroup_tol2"), "coarse");
}

class DinPickTest : public InputFormsTest {
 protected:
  void SetUp() override {
    InputFormsTest::SetUp();
    Table("din5481",
          {{"BEZ", 'C', 10, 0}, {"DII", 'N', 6, 2}, {"DEE", 'N', 6, 2}, {"D", 'N', 6, 2},
           {"Z", 'N', 3, 0}, {"GAMMAE", 'N', 5, 1}, {"RIMAX", 'N', 6, 3}, {"REMAX", 'N', 6, 3},
           {"PREFIX", 'C', 4, 0}},
          {{"10x12", "10.10", "12.00", "11.00", "30", "60", "0", "0", ""},
           {"12x14", "12.00", "14.20", "13.00", "31", "0", "0.2", "0.3", "A"}});
    Table("zt6tol",
          {{"BEZ", 'C', 10, 0}, {"TGI", 'N', 6, 3}, {"TGE", 'N', 6, 3}, {"DRI", 'N', 6, 3},
           {"DRE", 'N', 6, 3}},
          {{"10x12", "0.036", "0.036", "0.6", "0.6"}, {"12x14", "0.043", "0.044", "0.7", "0.75"}});
    design = DesignRecord();
    design.l = 20;
  }
};

TEST_F(DinPickTest, ChosenRowAndItsTolerancesFillTheFields) {
  DimensionForm form = Dimensions();
  form.Fill();
  form.fields["Edit_l"] = "30";  // typed, not yet written back
  cancel = true;
  ui.QueueRow(2);
  form.PickDin5481();
  EXPECT_FALSE(cancel);
  const FieldTexts expected{
      {"Edit_name", "A - 12x14"}, {"Edit_d1", "12"},     {"Edit_d3", "14.2"},
      {"Edit_d5", "13"},          {"Edit_z", "31"},      {"Edit_beta", "60"},
      {"Edit_rimax", "0.2"},      {"Edit_remax", "0.3"}, {"Edit_tgi", "0.043"},
      {"Edit_tge", "0.044"},      {"Edit_dri", "0.7"},   {"Edit_dre", "0.75"},
      {"Edit_l", "30"}};
  EXPECT_EQ(form.fields, expected);
  EXPECT_EQ(design.tableRow, 2);

  // Cancelling the table leaves the fields and does not cancel the dialog.
  ui.QueueCancel();
  form.PickDin5481();
  EXPECT_FALSE(cancel);
  EXPECT_EQ(form.fields, expected);

  // OK with the database source takes the dimensions from the row again.
  form.fields["Edit_d1"] = "99";
  ASSERT_TRUE(form.Accept());
  EXPECT_DOUBLE_EQ(design.Dii, 12.0);
  EXPECT_DOUBLE_EQ(design.l, 30.0);
  EXPECT_EQ(design.dimensionSource, DimensionSource::Database);
}

TEST_F(InputFormsTest, LoadProposalsAndTheComputedField) {
  design.D = 13;
  design.l = 0;
  LoadForm load(design, format, cancel);
  load.Fill();
  load.Propose("Button_klambda");
  EXPECT_EQ(load.fields["Edit_klambda"], "1.00");  // l/D = 0: e^0 + 0
  design.l = 26;  // l = 2 D: e^0.4 + 0.02
  load.Propose("Button_klambda");
  EXPECT_EQ(load.fields["Edit_klambda"], "1.51");
  design.D = 0;
  load.Propose("Button_klambda");
  EXPECT_EQ(load.fields["Edit_klambda"], "1.0");
  load.fields["Edit_tnenn"] = "50";
  load.Propose("Button_tmax");
  EXPECT_EQ(load.fields["Edit_tmax"], "150");
  load.Propose("Button_fl");
  EXPECT_EQ(load.fields["Edit_fl1"], "1.0");
  EXPECT_EQ(load.fields["Edit_fl2"], "1.0");

  load.mode = 1;
  load.fields["Edit_n"] = "1000";
  load.Recompute();
  EXPECT_EQ(load.ComputedField(), "Edit_p");
  EXPECT_EQ(load.fields["Edit_p"], "5.236");  // 50 * 1000 * 2 pi / 60000
  load.mode = 2;
  load.fields["Edit_p"] = "10";
  load.Recompute();
  EXPECT_EQ(load.fields["Edit_n"], "1910");
  load.fields["Edit_tnenn"] = "0";
  load.fields["Edit_n"] = "1450";
  load.Recompute();
  EXPECT_EQ(load.fields["Edit_n"], "1450");  // TN = 0: n keeps its text
  load.mode = 3;
  load.fields["Edit_n"] = "0";
  load.Recompute();
  EXPECT_EQ(load.fields["Edit_tnenn"], "0");  // n = 0: TN keeps its text
  load.fields["Edit_n"] = "1000";
  load.Recompute();
  EXPECT_EQ(load.fields["Edit_tnenn"], "95.49");  // 10 * 60000 / (1000 * 2 pi)

  cancel = true;
  load.Accept();
  EXPECT_FALSE(cancel);
  EXPECT_EQ(design.computedQuantity, ComputedQuantity::Torque);
  // The computed field keeps its exact value behind the three digits it shows.
  EXPECT_DOUBLE_EQ(design.TN, 10 * 60000 / (1000 * 2 * std::numbers::pi));
  EXPECT_DOUBLE_EQ(design.n, 1000);
  EXPECT_DOUBLE_EQ(design.Tmax, 150);
}

TEST_F(InputFormsTest, StoredModeZeroOpensAsPowerComputed) {
  design.computedQuantity = static_cast<ComputedQuantity>(0);
  design.TN = 50;
  design.n = 1000;
  LoadForm load(design, format, cancel);
  load.Fill();
  EXPECT_EQ(load.mode, 1);
  EXPECT_EQ(load.fields["Edit_p"], "5.236");
}

class MaterialPickTest : public InputFormsTest {
 protected:
  void SetUp() override {
    InputFormsTest::SetUp();
    Table("wst1base",
          test_support::MaterialTableFields(),
          {{"1.0037", "S235JR", "", "1", "360", "235", "", "", "", "", "", "", ""},
           {"1.7131", "16MnCr5 Maß", "", "3", "780", "590", "", "", "", "", "", "", ""}});
    MaterialGroupTable();
    design.material[0].number.clear();
  }
};

TEST_F(MaterialPickTest, TypedNumberStartsTheShaftSearchAndTheGroupIsRefilled) {
  MaterialForm form(design, messages, format, access, cancel, words);
  form.Fill();
  EXPECT_EQ(form.DatabaseButtonCaption(1), "Werkstoffdatenbank...");
  form.fields["Edit_ident1"] = "1.7131";
  form.fields["Edit_re2"] = "300";  // typed in the other group, kept
  cancel = true;
  ui.QueueOk();
  form.PickMaterial(1);
  EXPECT_FALSE(cancel);
  EXPECT_EQ(form.fields["Edit_Name1"], "16MnCr5 Maß");
  EXPECT_EQ(form.fields["Edit_Re1"], "590");
  EXPECT_EQ(form.fields["Edit_fs1"], "1.25");
  EXPECT_EQ(form.fields["Edit_fh1"], "1.15");
  EXPECT_EQ(form.fields["Edit_re2"], "300");
  EXPECT_EQ(form.DatabaseButtonCaption(1), "1.7131  Werkstoffdatenbank");
  words.Load(2);
  EXPECT_EQ(form.DatabaseButtonCaption(1), "1.7131  Material database");
  EXPECT_EQ(form.PressureLine(1), "plim = Re * fs * fH = 848.1 MPa");

  // Re is stored as a whole N/mm², also when typed in psi.
  form.fields["Edit_Re1"] = "590,6";
  form.fields["Edit_Name1"] = "Ein sehr langer Werkstoffname";
  form.Accept();
  EXPECT_EQ(design.material[0].Re, 591);
  EXPECT_EQ(design.material[0].name, "Ein sehr langer We");
  EXPECT_EQ(design.material[1].Re, 300);
  form.SwitchUnits();
  form.fields["Edit_Re1"] = "85000";
  form.fields["Edit_fs1"] = "2";
  form.fields["Edit_fh1"] = "1";
  EXPECT_EQ(form.PressureLine(1), "plim = Re * fs * fH = 170000 psi");
  form.Accept();
  EXPECT_EQ(design.material[0].Re, 586);
}

TEST(IdentificationForm, FieldsAreStoredInTheDosCodePageAndCut) {
  DrawingIdentification drawing;
  drawing.shaftNumber = Oem("W-12-014");
  drawing.infoLines[2] = Oem("Prüfung");
  FormatSettings format;
  bool cancel = true;
  IdentificationForm form(drawing, format, cancel);
  form.Fill();
  EXPECT_EQ(form.fields.size(), 9u);
  EXPECT_EQ(form.fields["Edit_zeichnr1"], "W-12-014");
  EXPECT_EQ(form.fields["Edit_info3"], "Prüfung");
  form.fields["Edit_zeichname1"] = "Antriebswelle für das Förderband";
  form.fields["Edit_zeichname22"] = std::string(40, 'x');
  form.fields["Edit_info1"] = std::string(70, 'i');
  form.fields["Edit_zeichnr2"] = "N-12-014";
  form.Accept();
  EXPECT_FALSE(cancel);
  EXPECT_EQ(drawing.shaftName1, Oem("Antriebswelle für das För"));
  EXPECT_EQ(drawing.hubName2, std::string(30, 'x'));
  EXPECT_EQ(drawing.infoLines[0], std::string(65, 'i'));
  EXPECT_EQ(drawing.hubNumber, "N-12-014");
  EXPECT_EQ(drawing.infoLines[2], Oem("Prüfung"));
  for (const auto& [field, length] : {std::pair{"Edit_zeichname1", 25}, {"Edit_zeichnr1", 18},
                                      {"Edit_zeichname21", 30}, {"Edit_info2", 65}})
    EXPECT_EQ(IdentificationForm::MaxLength(field), length) << field;
}

}  // namespace
}  // namespace zt6
