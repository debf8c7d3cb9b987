// Materials from the material table with the factors of their material group.

#include "app/lookups/material_lookup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace zt6 {
namespace {

using ::testing::ElementsAre;

class MaterialLookupTest : public test_support::LookupFixture {
 protected:
  DesignRecord design;

  void SetUp() override {
    LookupFixture::SetUp();
    Table("wst1base",
          test_support::MaterialTableFields(),
          {{"1,0037", "S235JR", "St37-2", "1", "360", "235", "", "", "", "", "", "EN 10025-2", ""},
           {"1.7131", "16MnCr5 Maß", "", "3", "780", "590", "7", "1.5", "", "", "", "EN 10084",
            "einsatzgehärtet"},
           {"0.6030", "EN-GJL-300", "GG-30", "42", "300", "300", "", "", "", "", "", "", ""}});
    MaterialGroupTable();
  }
};

TEST_F(MaterialLookupTest, GroupFactorsComeFromTheColumnsOfThePart) {
  design.material[0].number = "1.7131";
  ui.QueueOk();
  ASSERT_TRUE(PickMaterial(access, MaterialPart::Shaft, design, messages));
  const Material& shaft = design.material[0];
  EXPECT_EQ(shaft.name, Oem("16MnCr5 Maß"));  // held in the DOS code page
  EXPECT_EQ(shaft.Re, 590);
  EXPECT_EQ(shaft.field5, 780);
  EXPECT_EQ(shaft.field7, 7);
  EXPECT_DOUBLE_EQ(shaft.fields8to11[0], 1.5);
  EXPECT_EQ(shaft.text13, Oem("einsatzgehärtet"));
  EXPECT_EQ(shaft.type, 3);
  EXPECT_EQ(shaft.tableRow, 2);
  EXPECT_DOUBLE_EQ(shaft.fS, 1.25);  // field 5
  EXPECT_DOUBLE_EQ(shaft.fH, 1.15);  // field 8
  const auto picks = ui.Of("pick");
  ASSERT_EQ(picks.size(), 1u);
  EXPECT_EQ(picks[0].caption, "Werkstoff Welle");
  EXPECT_EQ(picks[0].current, 2);  // found by its number
  EXPECT_EQ(shell.helpNumber, 9500);

  design.material[1].number = "1.7131";
  ui.QueueOk();
  ASSERT_TRUE(PickMaterial(access, MaterialPart::Hub, design, messages));
  EXPECT_DOUBLE_EQ(design.material[1].fS, 1.6);  // field 7
  EXPECT_DOUBLE_EQ(design.material[1].fH, 1.1);  // field 6
  EXPECT_EQ(ui.Of("pick")[1].caption, "Werkstoff Nabe");
  EXPECT_FALSE(table.IsOpen());
}

TEST_F(MaterialLookupTest, NumberWithPointFindsTheNumberStoredWithComma) {
  design.material[0].number = "1.0037";
  design.material[0].tableRow = 3;
  ui.QueueOk();
  ASSERT_TRUE(PickMaterial(access, MaterialPart::Shaft, design, messages));
  EXPECT_EQ(ui.Of("pick")[0].current, 1);
  EXPECT_EQ(design.material[0].name, "S235JR");
  EXPECT_EQ(design.material[0].number, "1,0037");
}

TEST_F(MaterialLookupTest, UnknownNumberOpensOnTheRememberedRowOrTheFirst) {
  design.material[0].number = "9.9999";
  design.material[0].tableRow = 2;
  ui.QueueCancel();
  PickMaterial(access, MaterialPart::Shaft, design, messages);
  design.material[0].tableRow = 0;
  ui.QueueCancel();
  PickMaterial(access, MaterialPart::Shaft, design, messages);
  const auto picks = ui.Of("pick");
  ASSERT_EQ(picks.size(), 2u);
  EXPECT_EQ(picks[0].current, 2);
  EXPECT_EQ(picks[1].current, 3);  // "0.6030" comes first in the order of numbers
}

TEST_F(MaterialLookupTest, CancelAndEscapeChangeNothingEscapeAlsoSetsTheCancelFlag) {
  const Material before = design.material[0];
  ui.QueueCancel();
  EXPECT_FALSE(PickMaterial(access, MaterialPart::Shaft, design, messages));
  EXPECT_FALSE(shell.cancel);
  ui.QueueEscape();
  EXPECT_FALSE(PickMaterial(access, MaterialPart::Shaft, design, messages));
  EXPECT_TRUE(shell.cancel);
  EXPECT_EQ(design.material[0].name, before.name);
  EXPECT_EQ(design.material[0].Re, before.Re);
  EXPECT_DOUBLE_EQ(design.material[0].fS, before.fS);
  EXPECT_FALSE(table.IsOpen());
}

TEST_F(MaterialLookupTest, UnknownGroupKeepsTheFactorsAndSaysSo) {
  design.material[1].fS = 1.7;
  design.material[1].fH = 1.05;
  ui.QueueRow(3);
  ASSERT_TRUE(PickMaterial(access, MaterialPart::Hub, design, messages));
  EXPECT_EQ(design.material[1].name, "EN-GJL-300");
  EXPECT_DOUBLE_EQ(design.material[1].fS, 1.7);
  EXPECT_DOUBLE_EQ(design.material[1].fH, 1.05);
  EXPECT_THAT(MessageTexts(), ElementsAre("Werkstofftyp 42 nicht gefunden."));
  EXPECT_THAT(RunMessageTexts(), ElementsAre("Werkstofftyp 42 nicht gefunden."));
}

TEST_F(MaterialLookupTest, MissingTablesAreReported) {
  std::filesystem::remove(tables.path() / "zt5wstyp.dbf");
  ViewMaterialGroups(access, messages);
  EXPECT_THAT(RunMessageTexts(), ElementsAre("Fatal  : DIN 6885 Datenbank"));
  EXPECT_FALSE(messages.FatalFlag());
  EXPECT_TRUE(ui.Of("pick").empty());

  std::filesystem::remove(tables.path() / "wst1base.dbf");
  const Material before = design.material[0];
  EXPECT_FALSE(PickMaterial(access, MaterialPart::Shaft, design, messages));
  EXPECT_TRUE(shell.cancel);
  EXPECT_EQ(design.material[0].name, before.name);
  ASSERT_EQ(MessageTexts().size(), 1u);
}

}  // namespace
}  // namespace zt6
