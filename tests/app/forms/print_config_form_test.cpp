// The print configuration dialog's values, its take-over into the settings, and the
// named configurations stored in and picked from the table "printout".

#include "app/forms/print_config_form.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/number_parse.h"
#include "support/table_fixture.h"

namespace zt6 {
namespace {

class PrintConfigForm : public test_support::LookupFixture {
 protected:
  void SetUp() override {
    LookupFixture::SetUp();
    program.config = config;
    // The shipped table with its three configurations.
    std::filesystem::copy_file(std::filesystem::path(ZT6_TABLE_DIR) / "printout.dbf",
                               tables.path() / "printout.dbf");
  }
  Program program;
  TableAccess programAccess{program.table, prompts, program.config, program.work};
};

TEST_F(PrintConfigForm, EditsAreTakenOverAsNumbersUnreadableTextAsZero) {
  PrintConfigFields f;
  f.scaleX = "0,5";
  f.scaleY = "0.75";
  f.originX = "20";
  f.originY = "abc";
  f.frame = true;
  f.colourIndex = 1;
  f.orientationIndex = 0;
  Configuration c;
  EXPECT_FALSE(TakePrintConfigOver(f, c));  // portrait
  EXPECT_DOUBLE_EQ(c.printScaleX, 0.5);
  EXPECT_DOUBLE_EQ(c.printScaleY, 0.75);
  EXPECT_EQ(c.printOriginX, 20);
  EXPECT_EQ(c.printOriginY, 0);
  EXPECT_TRUE(c.printBorder);
  EXPECT_EQ(c.printMode, 2);
  EXPECT_EQ(c.printOrientation, 1);  // landscape is the default: portrait moves it

  const PrintConfigFields shown = PrintConfigFieldsOf(c, false);
  EXPECT_EQ(shown.originX, "20");
  EXPECT_EQ(shown.colourIndex, 1);
  EXPECT_EQ(shown.orientationIndex, 0);  // as the printer has it
  f.scaleX = "x";
  f.orientationIndex = 1;
  EXPECT_TRUE(TakePrintConfigOver(f, c));
  EXPECT_DOUBLE_EQ(c.printScaleX, 0);
  EXPECT_EQ(c.printOrientation, 2);
}

TEST_F(PrintConfigForm, StoredConfigurationsArePickedBackWithBothDecimalPoints) {
  for (const char* scale : {"0,5", "0.5"}) {
    PrintConfigFields f;
    f.scaleX = scale;
    f.scaleY = scale;
    f.originX = "15";
    f.originY = "-7";
    f.frame = true;
    f.fit = false;
    f.colourIndex = 1;
    f.orientationIndex = 1;
    ui.QueueText("Halber Maßstab");
    ASSERT_TRUE(StorePrintConfig(program, programAccess, f)) << scale;
    EXPECT_FALSE(program.table.IsOpen());
  }

  // The three shipped rows, then the two stored ones: pick the last.
  ui.QueueRow(5);
  PrintConfigFields picked;
  std::int64_t last = 0;
  ASSERT_TRUE(PickPrintConfig(program, programAccess, picked, last));
  EXPECT_EQ(last, 5);
  EXPECT_DOUBLE_EQ(ParseReal(picked.scaleX), 0.5);
  EXPECT_DOUBLE_EQ(ParseReal(picked.scaleY), 0.5);
  EXPECT_EQ(picked.originX, "15");
  EXPECT_EQ(picked.originY, "-7");
  EXPECT_TRUE(picked.frame);
  EXPECT_FALSE(picked.fit);
  EXPECT_EQ(picked.colourIndex, 1);
  EXPECT_EQ(picked.orientationIndex, 1);
  EXPECT_FALSE(program.table.IsOpen());
  EXPECT_FALSE(shell.cancel);
  ui.QueueRow(4);  // the one stored from "0,5"
  ASSERT_TRUE(PickPrintConfig(program, programAccess, picked, last));
  EXPECT_DOUBLE_EQ(ParseReal(picked.scaleX), 0.5);
  EXPECT_DOUBLE_EQ(ParseReal(picked.scaleY), 0.5);

  // The pick window opens on the record picked last; "A4 quer angepasst" (landscape
  // "T") selects "Querformat", monochrome and fit to page.
  ui.QueueRow(1);
  ASSERT_TRUE(PickPrintConfig(program, programAccess, picked, last));
  EXPECT_EQ(ui.Of("pick").back().current, 4);
  EXPECT_EQ(picked.orientationIndex, 1);
  EXPECT_EQ(picked.colourIndex, 0);
  EXPECT_TRUE(picked.fit);
  EXPECT_FALSE(picked.frame);
  ui.QueueRow(2);
  ASSERT_TRUE(PickPrintConfig(program, programAccess, picked, last));
  EXPECT_EQ(picked.orientationIndex, 0);
}

TEST_F(PrintConfigForm, CancelledOrMissingTablesChangeNothing) {
  PrintConfigFields f;
  f.scaleX = "2";
  std::int64_t last = 0;
  ui.QueueEscape();
  EXPECT_FALSE(PickPrintConfig(program, programAccess, f, last));
  EXPECT_EQ(f.scaleX, "2");
  EXPECT_EQ(last, 0);
  ui.QueueCancel();
  EXPECT_FALSE(StorePrintConfig(program, programAccess, f));

  // Missing, then garbage: the open error, the cancel flag, the fields as they were.
  for (const std::string& content : {std::string(), std::string("no table at all")}) {
    std::filesystem::remove(tables.path() / "printout.dbf");
    if (!content.empty()) tables.Write("printout.dbf", content);
    const std::size_t errorsBefore = ui.Of("message").size();
    EXPECT_FALSE(PickPrintConfig(program, programAccess, f, last));
    EXPECT_TRUE(shell.cancel);
    EXPECT_GT(ui.Of("message").size(), errorsBefore);
    EXPECT_EQ(f.scaleX, "2");
    shell.cancel = false;
    EXPECT_FALSE(StorePrintConfig(program, programAccess, f));
    EXPECT_FALSE(program.table.IsOpen());
    shell.cancel = false;
  }
}

}  // namespace
}  // namespace zt6
