// The table editor's search, HTML export and printout on small tables.

#include "app/commands/table_editor_actions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>

#include "app/ports/recording_launcher.h"
#include "app/ports/recording_printer.h"
#include "support/file_bytes.h"
#include "support/fixed_time.h"
#include "support/scoped_environment.h"
#include "support/table_fixture.h"

namespace zt6 {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// The owner and installation texts come from the environment; other tests expect none.
using test_support::ScopedEnvironment;

class TableEditorTest : public test_support::LookupFixture {
 protected:
  void SetUp() override {
    LookupFixture::SetUp();
    Table("teile", {{"NAME", 'C', 12, 0}, {"WERKSTOFF", 'C', 20, 0}, {"RE", 'N', 5, 0}},
          {{"Welle", "16MnCr5", "590"},
           {"Nabe", "EN-GJL-250 GUSS", "250"},
           {"Zahnrad", "Guss gehärtet", "300"},
           {"Flansch", "S235 & Co <b>", "235"}});
    ASSERT_TRUE(access.Use("teile"));
  }
};

TEST_F(TableEditorTest, SearchFindsLowerCaseTextInsideLongerValuesInTurn) {
  table.DbfGo(4);
  EXPECT_TRUE(SearchTable(table, "  guss ", false));  // from the first record on
  EXPECT_EQ(table.DbfRecNo(), 2);
  EXPECT_TRUE(SearchTable(table, "guss", true));
  EXPECT_EQ(table.DbfRecNo(), 3);
  EXPECT_FALSE(SearchTable(table, "guss", true));  // nothing after record 3
  EXPECT_EQ(table.DbfRecNo(), 3);
  EXPECT_TRUE(SearchTable(table, "GEHÄRTET", false));  // umlauts without regard to case
  EXPECT_EQ(table.DbfRecNo(), 3);
  EXPECT_TRUE(SearchTable(table, "590", false));  // numbers by their text
  EXPECT_EQ(table.DbfRecNo(), 1);
  table.DbfGo(2);
  EXPECT_FALSE(SearchTable(table, "Messing", false));
  EXPECT_EQ(table.DbfRecNo(), 2);
}

TEST_F(TableEditorTest, SearchFollowsTheActiveOrder) {
  table.DbfIndexOn("NAME", "teile");  // Flansch 4, Nabe 2, Welle 1, Zahnrad 3
  EXPECT_TRUE(SearchTable(table, "E", false));  // Flansch holds no "e"
  EXPECT_EQ(table.DbfRecNo(), 2);
  EXPECT_TRUE(SearchTable(table, "E", true));
  EXPECT_EQ(table.DbfRecNo(), 1);
  EXPECT_TRUE(SearchTable(table, "E", true));
  EXPECT_EQ(table.DbfRecNo(), 3);
  EXPECT_FALSE(SearchTable(table, "E", true));
  EXPECT_EQ(table.DbfRecNo(), 3);
}

TEST_F(TableEditorTest, HtmlExportWritesEveryRecordUnderTheHeading) {
  const ScopedEnvironment owner("ZT6_OWNER", "Getriebebau");
  const ScopedEnvironment installation("ZT6_INSTALLATION", "Prüffeld 3");
  Program program;
  program.config.format.dateCode = 3;
  table.DbfGo(2);
  table.DbfDelete(true);  // deleted records are exported too
  table.DbfGo(3);
  const std::string path = (temporary.path() / "teile liste.htm").string();
  std::string error;
  ASSERT_TRUE(ExportTableHtml(program, table, path, error,
                              test_support::LocalTime(2024, 3, 5, 9, 5)))
      << error;
  const std::string expected =
      "<HTML>\r\n"
      "<head><title>teile liste</title></head>\r\n"
      "<BODY BGCOLOR=\"C0C0C0\">\r\n"
      "<P>ZT6V1.5 #Getriebebau - Prüffeld 3</P>\r\n"
      "<P>" + path + "</P>\r\n"  // the path as chosen, never upper-cased
      "<P>2024/03/05 - 9:05</P>\r\n"
      "<HR>\r\n"
      "<TABLE BORDER = \"1\" WIDTH= \"100%\">\r\n"
      "<TR><TD><CENTER>NAME</CENTER></TD><TD><CENTER>WERKSTOFF</CENTER></TD>"
      "<TD><CENTER>RE</CENTER></TD></TR>\r\n"
      "<TR><TD>Welle</TD><TD>16MnCr5</TD><TD>  590</TD></TR>\r\n"
      "<TR><TD>Nabe</TD><TD>EN-GJL-250 GUSS</TD><TD>  250</TD></TR>\r\n"
      "<TR><TD>Zahnrad</TD><TD>Guss gehärtet</TD><TD>  300</TD></TR>\r\n"
      "<TR><TD>Flansch</TD><TD>S235 &amp; Co &lt;b&gt;</TD><TD>  235</TD></TR>\r\n"
      "</TABLE>\r\n</BODY>\r\n</HTML>\r\n";
  EXPECT_EQ(test_support::FileBytes(path), Utf8ToCp1252(expected));
  EXPECT_EQ(table.DbfRecNo(), 3);  // the current record stays

  EXPECT_FALSE(ExportTableHtml(program, table, (temporary.path() / "fehlt" / "x.htm").string(),
                               error));
  EXPECT_FALSE(error.empty());
}

TEST_F(TableEditorTest, PrintShowsTheFirstSevenFieldsAsColumns) {
  std::vector<DbfFieldSpec> nine;
  std::vector<std::string> record;
  for (int n = 1; n <= 9; ++n) {
    nine.push_back({"F" + std::to_string(n), 'C', n == 1 ? 70 : 4, 0});
    record.push_back(n == 1 ? std::string(68, 'a') + "bc" : "v" + std::to_string(n));
  }
  Table("neun", nine, {record, record});
  ASSERT_TRUE(access.Use("neun"));

  Program program;
  program.projectName = "welle";
  program.config.temporaryFolder = config.temporaryFolder;
  RecordingLauncher launcher;
  RecordingPrinter printer;
  ReportOutput output(program, prompts, launcher, printer);
  PrintTable(output, program, prompts, table, "DIN 5481  Maße", Oem("Größen"));
  ASSERT_FALSE(shell.cancel);
  const std::string text = program.report.Output();
  const auto& header = program.report.HeaderLines();
  EXPECT_EQ(header[0], "ZT6 V1.5");
  EXPECT_EQ(Cp850ToUtf8(header[1]), table.Path().substr(0, 65));  // header lines hold 65
  EXPECT_EQ(Cp850ToUtf8(header[2]), "DIN 5481  Maße");
  EXPECT_EQ(Cp850ToUtf8(header[3]), "Größen");
  // Columns as wide as their fields plus one; texts cut to 65 first.
  const std::string headings = "F1" + std::string(69, ' ') + "F2   F3   F4   F5   F6   F7   ";
  EXPECT_THAT(text, HasSubstr("       " + headings + "\r\n"));
  EXPECT_THAT(text, Not(HasSubstr("F8")));
  const std::string row = std::string(65, 'a') + std::string(6, ' ') +
                          "v2   v3   v4   v5   v6   v7   ";
  EXPECT_THAT(text, HasSubstr("       " + row + "\r\n       " + std::string(70, '\xc4')));
  EXPECT_THAT(text, Not(HasSubstr("v8")));

  // The HTML form: headings centred, every field after the first right-aligned.
  program.config.textDevice = 7;
  PrintTable(output, program, prompts, table, "DIN 5481", "");
  const std::string html = program.report.Output();
  EXPECT_THAT(html, HasSubstr("<TABLE BORDER = \"1\" WIDTH= \"100%\">\r\n"
                              "<TR><TD><CENTER>F1</CENTER></TD><TD><CENTER>F2</CENTER></TD>"));
  EXPECT_THAT(html, HasSubstr("<TR><TD>" + std::string(65, 'a') +
                              "</TD><TD><DIV ALIGN=RIGHT>v2</DIV></TD>"));
  EXPECT_THAT(html, HasSubstr("<TD><DIV ALIGN=RIGHT>v7</DIV></TD></TR>\r\n"));
  EXPECT_THAT(html, Not(HasSubstr("v8")));
  EXPECT_THAT(html, HasSubstr("</TABLE>\r\n</BODY>"));
}

}  // namespace
}  // namespace zt6
