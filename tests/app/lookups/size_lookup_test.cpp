// The DIN 5481 size table, its parallel tolerance tables and the runout table.

#include "app/lookups/size_lookup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "calc/calculation_run.h"
#include "support/table_fixture.h"

namespace zt6 {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

const std::vector<DbfFieldSpec> kSizeFields = {
    {"BEZ", 'C', 10, 0},  {"DII", 'N', 6, 2},  {"DEE", 'N', 6, 2},  {"D", 'N', 6, 2},
    {"Z", 'N', 3, 0},     {"GAMMAE", 'N', 5, 1}, {"RIMAX", 'N', 6, 3}, {"REMAX", 'N', 6, 3},
    {"PREFIX", 'C', 4, 0}};
const std::vector<DbfFieldSpec> kDeviationFields = {
    {"BEZ", 'C', 10, 0}, {"FALPHA", 'N', 5, 1}, {"FP", 'N', 5, 1},
    {"FBETA10", 'N', 5, 1}, {"FBETA20", 'N', 5, 1}, {"FBETA50", 'N', 5, 1}};

class SizeLookupTest : public test_support::LookupFixture {
 protected:
  DesignRecord design;
  DatabaseTables lookups{access};

  void SetUp() override {
    LookupFixture::SetUp();
    // Deliberately not in Dii order: the pick window shows the table ordered by Dii.
    Table("din5481", kSizeFields,
          {{"10x12", "10.10", "12.00", "11.00", "30", "60", "0", "0", ""},
           {" 12x14 ", "12.00", "14.20", "13.00", "31", "0", "0.2", "0.3", "A"},
           {"8x10", "8.10", "10.10", "9.00", "28", "", "", "", ""},
           {"15x17", "14.90", "17.20", "16.00", "32", "55", "", "", ""}});
    Table("zt6f2f", kDeviationFields,
          {{"10x12", "9", "20", "5", "6", "7"},
           {"12x14", "10", "21", "11", "12", "13"},
           {"8x10", "8", "19", "4", "5", "6"},
           {"15x17", "11", "22", "14", "15", "16"}});
    Table("zt6tol", {{"BEZ", 'C', 10, 0}, {"TGI", 'N', 6, 3}, {"TGE", 'N', 6, 3},
                     {"DRI", 'N', 6, 3}, {"DRE", 'N', 6, 3}},
          {{"10x12", "0.036", "0.036", "0.6", "0.6"},
           {"12x14", "0.043", "0.043", "0.7", "0.7"},
           {"8x10", "0.036", "0.036", "0.5", "0.5"},
           {"15x17", "0.043", "0.043", "0.8", "0.8"}});
    Table("zt6fr", {{"DVON", 'N', 7, 1}, {"FR", 'N', 5, 1}},
          {{"0", "10"}, {"10", "20"}, {"50", "30"}, {"125", "40"}});
  }
};

TEST_F(SizeLookupTest, ChosenRowBecomesTheSizeWithTheDesignationAndSpaceAngleRules) {
  design.tableRow = 3;
  ui.QueueRow(2);
  ASSERT_TRUE(PickSize(access, PickMode::Choose, design));
  EXPECT_EQ(design.designation, "A - 12x14");
  EXPECT_DOUBLE_EQ(design.Dii, 12.0);
  EXPECT_DOUBLE_EQ(design.Dee, 14.2);
  EXPECT_DOUBLE_EQ(design.D, 13.0);
  EXPECT_EQ(design.z, 31);
  EXPECT_DOUBLE_EQ(design.gammaE, 60);  // "0" in the table
  EXPECT_DOUBLE_EQ(design.riMax, 0.2);
  EXPECT_DOUBLE_EQ(design.reMax, 0.3);
  EXPECT_EQ(design.tableRow, 2);
  // The window opened on the design's row, titled and with its help text.
  const auto picks = ui.Of("pick");
  ASSERT_EQ(picks.size(), 1u);
  EXPECT_EQ(picks[0].caption, "DIN 5481");
  EXPECT_EQ(picks[0].text, "choose");
  EXPECT_EQ(picks[0].current, 3);
  EXPECT_EQ(shell.helpNumber, 9510);
  EXPECT_FALSE(table.IsOpen());

  // An empty space angle reads as 0 and becomes 60 too; the plain designation is kept.
  ui.QueueRow(3);
  ASSERT_TRUE(PickSize(access, PickMode::Choose, design));
  EXPECT_EQ(design.designation, "8x10");
  EXPECT_DOUBLE_EQ(design.gammaE, 60);
  ui.QueueRow(4);
  ASSERT_TRUE(PickSize(access, PickMode::Choose, design));
  EXPECT_DOUBLE_EQ(design.gammaE, 55);
}

TEST_F(SizeLookupTest, CancelledOrBrowsingPickReadsNothing) {
  design.tableRow = 1;
  design.Dii = 99;
  ui.QueueCancel();
  EXPECT_FALSE(PickSize(access, PickMode::Choose, design));
  ui.QueueRow(2);
  EXPECT_FALSE(PickSize(access, PickMode::Browse, design));
  EXPECT_EQ(design.tableRow, 1);
  EXPECT_DOUBLE_EQ(design.Dii, 99);
  EXPECT_EQ(ui.Of("pick")[1].text, "browse");
}

TEST_F(SizeLookupTest, SizeByDiameterOpensOnTheFirstSizeNotBelowTheDiameter) {
  // A size from the table brings the table's tolerances: database mode, whatever the
  // design was before.
  design.dimensionSource = DimensionSource::SelfDefined;
  ui.QueueOk();
  ASSERT_TRUE(lookups.SizeByDiameter(11.5, design));
  EXPECT_EQ(ui.Of("pick").back().current, 2);  // 12x14: Dii 12.00 is the first >= 11.5
  EXPECT_EQ(design.tableRow, 2);
  EXPECT_EQ(design.dimensionSource, DimensionSource::Database);
  ui.QueueOk();
  ASSERT_TRUE(lookups.SizeByDiameter(12.0, design));
  EXPECT_EQ(design.tableRow, 2);  // equal counts as not below
  // Above the largest size the largest one is offered, never an empty row.
  ui.QueueOk();
  ASSERT_TRUE(lookups.SizeByDiameter(200, design));
  EXPECT_EQ(design.designation, "15x17");
}

TEST_F(SizeLookupTest, ToleranceRowsComeInMicrometresAndTheFbetaColumnFollowsTheWidth) {
  struct Case { double l; int field; double fbeta; };
  for (const Case& c : {Case{10, 4, 0.011}, Case{10.2, 5, 0.012}, Case{20, 5, 0.012},
                        Case{50, 6, 0.013}, Case{50.5, 0, 0}}) {
    SCOPED_TRACE(c.l);
    EXPECT_EQ(FbetaField(c.l), c.field);
    design.tableRow = 2;
    design.l = c.l;
    ASSERT_TRUE(lookups.ReadToleranceRow(ToleranceTable::Hub, design, messages));
    EXPECT_DOUBLE_EQ(design.Falpha[1], 0.010);
    EXPECT_DOUBLE_EQ(design.Fp[1], 0.021);
    EXPECT_DOUBLE_EQ(design.Fbeta[1], c.fbeta);
    EXPECT_DOUBLE_EQ(design.Falpha[0], 0);  // the hub table never touches the shaft
  }
  ASSERT_TRUE(lookups.ReadToleranceRow(ToleranceTable::TotalTolerances, design, messages));
  EXPECT_DOUBLE_EQ(design.TGi, 0.043);
  EXPECT_DOUBLE_EQ(design.DRe, 0.7);  // millimetres, not scaled
}

// A row beyond the end is a missing value: the run stops with a message naming the table
// and the row. It read the last row before, so a short table gave another size's values.
TEST_F(SizeLookupTest, RowZeroReadsNothingAndARowBeyondTheEndIsAFatalMessage) {
  design.tableRow = 0;
  design.TGi = 0.5;
  EXPECT_FALSE(lookups.ReadToleranceRow(ToleranceTable::TotalTolerances, design, messages));
  EXPECT_DOUBLE_EQ(design.TGi, 0.5);
  EXPECT_TRUE(RunMessageTexts().empty());

  design.tableRow = 9;
  design.DRi = 0.25;
  EXPECT_FALSE(lookups.ReadToleranceRow(ToleranceTable::TotalTolerances, design, messages));
  EXPECT_DOUBLE_EQ(design.DRi, 0.25);
  EXPECT_THAT(RunMessageTexts(), ElementsAre("DBF #9 not found.", "Fatal  : Tabelle zt6tol Zeile 9"));
  EXPECT_TRUE(messages.FatalFlag());
}

TEST_F(SizeLookupTest, ViewingATableReadsTheChosenRowOnlyInChooseMode) {
  design.l = 15;
  ui.QueueRow(4);
  ViewToleranceTable(access, ToleranceTable::Hub, PickMode::Browse, design);
  EXPECT_DOUBLE_EQ(design.Falpha[1], 0);
  ui.QueueRow(4);
  ViewToleranceTable(access, ToleranceTable::Hub, PickMode::Choose, design);
  EXPECT_DOUBLE_EQ(design.Falpha[1], 0.011);
  EXPECT_DOUBLE_EQ(design.Fbeta[1], 0.015);
  const auto picks = ui.Of("pick");
  ASSERT_EQ(picks.size(), 2u);
  EXPECT_EQ(picks[1].caption, "zt6f2");  // the hub table shows its short name
  EXPECT_EQ(shell.helpNumber, 9640);
  EXPECT_FALSE(table.IsOpen());
}

TEST_F(SizeLookupTest, RunoutTakesTheRangeBelowTheNextLimit) {
  struct Case { double D; double fr; };
  for (const Case& c : {Case{5, 0.010}, Case{10, 0.010}, Case{10.01, 0.020}, Case{50, 0.020},
                        Case{124, 0.030}, Case{125, 0.030}, Case{125.5, 0}}) {
    SCOPED_TRACE(c.D);
    EXPECT_DOUBLE_EQ(lookups.Runout(c.D, messages), c.fr);
  }
}

TEST_F(SizeLookupTest, MissingTableShowsTheOpenErrorAndKeepsTheDesign) {
  std::filesystem::remove(tables.path() / "zt6tol.dbf");
  std::filesystem::remove(tables.path() / "zt6fr.dbf");
  design.tableRow = 2;
  design.TGi = 0.5;
  EXPECT_FALSE(lookups.ReadToleranceRow(ToleranceTable::TotalTolerances, design, messages));
  EXPECT_DOUBLE_EQ(design.TGi, 0.5);
  EXPECT_TRUE(shell.cancel);
  ASSERT_EQ(MessageTexts().size(), 1u);
  EXPECT_THAT(MessageTexts()[0], HasSubstr("zt6tol.dbf nicht gefunden oder kein Zugriffsrecht !"));
  EXPECT_DOUBLE_EQ(lookups.Runout(13, messages), 0);
}

TEST_F(SizeLookupTest, SizeTableWithoutItsFieldsIsAFaultNotACrash) {
  Table("din5481", {{"BEZ", 'C', 10, 0}}, {{"12x14"}});
  design.Dii = 99;
  EXPECT_FALSE(PickSize(access, PickMode::Choose, design));
  EXPECT_FALSE(lookups.SizeByDiameter(12, design));
  EXPECT_DOUBLE_EQ(design.Dii, 99);
  EXPECT_TRUE(shell.cancel);
  ASSERT_FALSE(MessageTexts().empty());
  EXPECT_THAT(MessageTexts()[0], HasSubstr("Dataset error: "));
  EXPECT_FALSE(table.IsOpen());
}

TEST_F(SizeLookupTest, DatabaseModeCalculationTakesSizeTolerancesAndDeviations) {
  design.dimensionSource = DimensionSource::Database;
  design.tableRow = 2;
  ASSERT_TRUE(RereadSize(access, design));
  EXPECT_TRUE(ui.Of("pick").empty());
  design.l = 26;
  design.toleranceClass = ToleranceClass::Fine;
  Table("zt6f1f", kDeviationFields, {{"a", "1", "2", "3", "4", "5"}, {"b", "6", "7", "8", "9", "10"},
                                     {"c", "1", "1", "1", "1", "1"}, {"d", "1", "1", "1", "1", "1"}});
  CalculationRun(design, messages, lookups);
  EXPECT_DOUBLE_EQ(design.Dii, 12.0);
  EXPECT_DOUBLE_EQ(design.TGe, 0.043);
  EXPECT_DOUBLE_EQ(design.Falpha[0], 0.006);
  EXPECT_DOUBLE_EQ(design.Fbeta[0], 0.010);  // l = 26: the column up to 50 mm
  EXPECT_DOUBLE_EQ(design.Fbeta[1], 0.013);
  EXPECT_DOUBLE_EQ(design.Fr, 0.020);        // D = 13 lies in the range 10 .. 50
}

}  // namespace
}  // namespace zt6
