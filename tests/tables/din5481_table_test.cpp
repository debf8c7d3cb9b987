// The shipped DIN 5481 size table against the published values, and every size row
// through the calculation run as a database-mode design.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/lookups/size_lookup.h"
#include "base/blanks.h"
#include "base/text_lines.h"
#include "calc/calculation_run.h"
#include "calc/proposals.h"
#include "support/file_bytes.h"
#include "support/table_copy.h"
#include "support/table_fixture.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;

constexpr int kSizeRows = 27;

// DIN 5481:2005-06, shaft table, in the order of the shipped table (rows 1 to 14):
// z, space angle, pitch diameter D, shaft tip d3 with its limits (a11), largest shaft
// root fillet radius.
struct PublishedSize {
  const char* designation;
  int z;
  double gammaE, D, d3, d3Max, d3Min, reMax;
};
constexpr PublishedSize kPublished[] = {
    {"7x8", 28, 60, 7.5, 8.10, 7.82, 7.73, 0.08},
    {"8x10", 28, 60, 9, 10.10, 9.81, 9.70, 0.08},
    {"10x12", 30, 60, 11, 12.00, 11.71, 11.60, 0.10},
    {"12x14", 31, 60, 13, 14.20, 13.91, 13.80, 0.10},
    {"15x17", 32, 60, 16, 17.20, 16.91, 16.80, 0.15},
    {"17x20", 33, 60, 18.5, 20.00, 19.70, 19.57, 0.20},
    {"21x24", 34, 60, 22, 23.90, 23.60, 23.47, 0.25},
    {"26x30", 35, 60, 28, 30.00, 29.70, 29.57, 0.30},
    {"30x34", 36, 60, 32, 34.00, 33.69, 33.53, 0.40},
    {"36x40", 37, 60, 38, 39.90, 39.59, 39.43, 0.30},
    {"40x44", 38, 60, 42, 44.00, 43.68, 43.52, 0.40},
    {"45x50", 39, 60, 47.5, 50.00, 49.68, 49.52, 0.40},
    {"50x55", 40, 60, 52.5, 54.90, 54.56, 54.37, 0.40},
    {"55x60", 42, 60, 57.5, 60.00, 59.66, 59.47, 0.50},
};

// The sizes above 55x60 (rows 15 to 27) are not in the 2005 edition: their pitch
// diameters come from a second, unconfirmed tabulation.
struct LargerSize {
  const char* designation;
  double D;
};
constexpr LargerSize kLarger[] = {
    {"60x65", 61.5},    {"65x70", 67.5},     {"70x75", 72},       {"75x80", 76.5},
    {"80x85", 82.5},    {"85x90", 87},       {"90x95", 91.5},     {"95x100", 97.5},
    {"100x105", 102},   {"105x110", 106.5},  {"110x115", 112.5},  {"115x120", 117},
    {"120x125", 121.5},
};

class Din5481TableTest : public test_support::LookupFixture {
 protected:
  DatabaseTables lookups{access};

  void SetUp() override {
    LookupFixture::SetUp();
    config.dbfFolder = Utf8ToCp850(test_support::TableFolderCopy());
  }

  // The size row k as the dimensions dialog takes it into a database-mode design.
  DesignRecord SizeRow(int k) {
    DesignRecord design;
    design.dimensionSource = DimensionSource::Database;
    design.tableRow = k;
    EXPECT_TRUE(RereadSize(access, design)) << "row " << k;
    return design;
  }

  // Field 10: the source the row was checked against.
  std::string Status(int k) {
    table.DbfUsePath((fs::path(ZT6_TABLE_DIR) / "din5481.dbf").string());
    table.DbfGo(k);
    const std::string status(TrimBlanks(table.DbfField(10)));
    table.DbfClose();
    return status;
  }
};

TEST_F(Din5481TableTest, ShaftValuesOfTheFourteenSizesAreThePublishedOnes) {
  table.DbfUsePath((fs::path(ZT6_TABLE_DIR) / "din5481.dbf").string());
  ASSERT_EQ(table.DbfRecCount(), kSizeRows);
  table.DbfClose();
  int k = 0;
  for (const PublishedSize& size : kPublished) {
    ++k;
    SCOPED_TRACE(size.designation);
    DesignRecord design = SizeRow(k);
    EXPECT_EQ(design.designation, size.designation);
    EXPECT_EQ(design.z, size.z);
    EXPECT_DOUBLE_EQ(design.gammaE, size.gammaE);
    EXPECT_DOUBLE_EQ(design.D, size.D);
    EXPECT_DOUBLE_EQ(design.Dee, size.d3);
    EXPECT_DOUBLE_EQ(design.reMax, size.reMax);
    EXPECT_DOUBLE_EQ(design.riMax, 0);  // the hub root radius is not tabled: computed
    EXPECT_EQ(Status(k), "DIN5481-05");

    // The published tip limits are d3 with a11: the run's limits must agree.
    design.l = ProposeHubLength(design.D);
    CalculationRun(design, messages, lookups);
    EXPECT_NEAR(design.Deemax, size.d3Max, 1e-9);
    EXPECT_NEAR(design.Deemin, size.d3Min, 1e-9);
    EXPECT_DOUBLE_EQ(design.reMax, size.reMax);  // a tabled radius is not replaced
  }
}

TEST_F(Din5481TableTest, LargerSizesCarryTheSecondTabulationAndStayUnverified) {
  int k = static_cast<int>(std::size(kPublished));
  for (const LargerSize& size : kLarger) {
    ++k;
    SCOPED_TRACE(size.designation);
    const DesignRecord design = SizeRow(k);
    EXPECT_EQ(design.designation, size.designation);
    EXPECT_DOUBLE_EQ(design.D, size.D);
    EXPECT_DOUBLE_EQ(design.reMax, 0);
    EXPECT_EQ(Status(k), "ungeprueft");
  }
  EXPECT_EQ(k, kSizeRows);
}

// Every row as a database-mode design with the width the dialog proposes, in both
// tolerance classes: no interference, and the tolerance row is the program's own
// proposal at the row's D and z (the table is derived from D).
TEST_F(Din5481TableTest, EverySizeCalculatesWithoutInterferenceInBothClasses) {
  for (int k = 1; k <= kSizeRows; ++k) {
    for (const ToleranceClass toleranceClass : {ToleranceClass::Fine, ToleranceClass::Coarse}) {
      DesignRecord design = SizeRow(k);
      SCOPED_TRACE(design.designation +
                   (toleranceClass == ToleranceClass::Fine ? " fein" : " grob"));
      design.toleranceClass = toleranceClass;
      design.l = ProposeHubLength(design.D);
      CalculationRun(design, messages, lookups);
      EXPECT_FALSE(shell.cancel);
      EXPECT_FALSE(messages.FatalFlag());
      for (const std::string& text : RunMessageTexts()) {
        EXPECT_NE(text, "Fehler : Dii < DFe !");
        EXPECT_NE(text, "Fehler : Dee > DFi !");
      }
      RunMessages scratch;
      const double TG = ProposeHubSpaceTolerance(design.D, scratch);
      EXPECT_NEAR(design.TGi, TG, 0.00005);
      EXPECT_NEAR(design.TGe, (toleranceClass == ToleranceClass::Coarse ? 2 : 1) * TG,
                  toleranceClass == ToleranceClass::Coarse ? 0.0001 : 0.00005);
      const std::optional<double> pin = ProposePinDiameter(design.D, design.z);
      ASSERT_TRUE(pin.has_value());
      EXPECT_NEAR(design.DRi, *pin, 1e-9);
      EXPECT_NEAR(design.DRe, *pin, 1e-9);
      EXPECT_GT(design.Falpha[0], 0);  // the deviation tables were read
      EXPECT_GT(design.Falpha[1], 0);
    }
  }
}

// The shipped CSV files are exactly what the derivation script makes of its sources,
// so a size corrected in one place cannot leave its derived rows behind.
TEST(Din5481Derivation, ShippedSourcesAreWhatTheScriptWrites) {
  test_support::TempDir out("zt6_derived");
  const fs::path folder = fs::path(ZT6_DATA_DIR) / "tables";
  const std::string command = "/usr/bin/python3 '" + (folder / "derive_tables.py").string() +
                              "' --out '" + out.path().string() + "' 2>&1";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  ASSERT_TRUE(pipe);
  std::string output;
  std::array<char, 4096> buffer{};
  while (std::fgets(buffer.data(), buffer.size(), pipe.get())) output += buffer.data();
  ASSERT_EQ(pclose(pipe.release()), 0) << output;
  int compared = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() != ".csv") continue;
    SCOPED_TRACE(entry.path().filename().string());
    const fs::path derived = out.path() / entry.path().filename();
    ASSERT_TRUE(fs::exists(derived));
    const std::string shippedBytes = test_support::FileBytes(entry.path());
    const std::string writtenBytes = test_support::FileBytes(derived);
    const std::vector<std::string> shipped = SplitLines(shippedBytes);
    const std::vector<std::string> written = SplitLines(writtenBytes);
    for (std::size_t k = 0; k < std::max(shipped.size(), written.size()); ++k) {
      ASSERT_EQ(k < shipped.size() ? shipped[k] : "(end of file)",
                k < written.size() ? written[k] : "(end of file)")
          << "line " << k + 1 << ": shipped, then as the script writes it";
    }
    EXPECT_TRUE(shippedBytes == writtenBytes) << "the line ends differ";
    ++compared;
  }
  EXPECT_EQ(compared, 9);
}

}  // namespace
}  // namespace zt6
