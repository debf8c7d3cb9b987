// Printing a finished DOS text report through the Printer port.

#include "app/commands/print_text_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ports/recording_printer.h"
#include "app/ports/scripted_ui.h"
#include "base/codepage.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

using test_support::TempDir;

class PrintTextFileTest : public ::testing::Test {
 protected:
  // Three pages of three lines, each page ended by a form-feed line as the report
  // writer ends them; the second form-feed line carries text that is never printed.
  std::string WriteReport() {
    std::string text;
    for (int page = 1; page <= 3; ++page) {
      for (int line = 1; line <= 3; ++line)
        text += "Seite " + std::to_string(page) + " Zeile " + std::to_string(line) + "\r\n";
      text += page == 2 ? "\fRest der Zeile\r\n" : "\f\r\n";
    }
    return dir.Write("report.tmp", text).string();
  }

  std::vector<std::string> PageTexts(std::size_t page) const {
    std::vector<std::string> texts;
    for (const auto& line : printer.pages.at(page)) texts.push_back(line.text);
    return texts;
  }

  TempDir dir{"zt6_print_text"};
  ShellState shell;
  Configuration config;
  ScriptedUi ui;
  Prompts prompts{ui, shell, config.format};
  RecordingPrinter printer;
};

TEST_F(PrintTextFileTest, PrintsTheChosenPagesOnlyWithTheLinePitchAndFont) {
  config.linesPerPage = 66;
  config.printoutFont = "Lucida Console";
  config.printoutFontSize = 12;
  config.printoutFontStyle = 1;
  printer.pageHeight = 6600;
  printer.range = PageRange{2, 3};
  PrintTextFile(WriteReport(), printer, prompts, config);

  EXPECT_EQ(printer.offeredPages, 3);
  EXPECT_EQ(printer.jobs, 1);
  EXPECT_EQ(printer.font.name, "Lucida Console");
  EXPECT_EQ(printer.font.pointSize, 12);
  EXPECT_EQ(printer.font.style, 1);
  ASSERT_EQ(printer.pages.size(), 2u);
  EXPECT_EQ(PageTexts(0),
            (std::vector<std::string>{"Seite 2 Zeile 1", "Seite 2 Zeile 2", "Seite 2 Zeile 3"}));
  EXPECT_EQ(PageTexts(1),
            (std::vector<std::string>{"Seite 3 Zeile 1", "Seite 3 Zeile 2", "Seite 3 Zeile 3"}));
  for (const auto& page : printer.pages)
    for (std::size_t i = 0; i < page.size(); ++i) {
      EXPECT_EQ(page[i].x, 0);
      EXPECT_EQ(page[i].y, static_cast<int>(i) * 100);
    }
  EXPECT_TRUE(ui.recorded.empty());
}

TEST_F(PrintTextFileTest, DosTextArrivesInUtf8) {
  const std::string text = "Maß über Rollen ±0,01 ÄÖÜ";
  PrintTextFile(dir.Write("umlaut.tmp", Oem(text) + "\r\n\f\r\n").string(), printer, prompts,
                config);
  ASSERT_EQ(printer.pages.size(), 1u);
  EXPECT_EQ(PageTexts(0), std::vector<std::string>{text});
}

// The report window prints the Windows copy it shows: converted once more, its
// umlauts would turn into other letters.
TEST_F(PrintTextFileTest, AWindowsCopyIsPrintedWithoutASecondConversion) {
  const std::string text = "Maß über Rollen ÄÖÜ";
  PrintTextFile(dir.Write("outwin.txt", Utf8ToCp1252(text) + "\r\n").string(), printer, prompts,
                config, PrintedText::Windows);
  ASSERT_EQ(printer.pages.size(), 1u);
  EXPECT_EQ(PageTexts(0), std::vector<std::string>{text});
}

// A range is cut to the pages there are; one that holds none prints nothing.
TEST_F(PrintTextFileTest, RangesBeyondThePagesAreCutOrRefused) {
  const std::string report = test_support::FileBytes(WriteReport());
  printer.range = PageRange{3, 9};
  EXPECT_EQ(PrintText(report, printer, config), PrintOutcome::Printed);
  ASSERT_EQ(printer.pages.size(), 1u);
  EXPECT_EQ(PageTexts(0).front(), "Seite 3 Zeile 1");
  printer = RecordingPrinter{};
  printer.range = PageRange{4, 9};
  EXPECT_EQ(PrintText(report, printer, config), PrintOutcome::OutsideRange);
  EXPECT_EQ(printer.jobs, 0);
  printer = RecordingPrinter{};
  EXPECT_EQ(PrintText(report, printer, config, PrintedText::Dos, PageRange{2, 2}),
            PrintOutcome::Printed);
  EXPECT_EQ(printer.offeredPages, 0);  // a range given beforehand: no dialog
  ASSERT_EQ(printer.pages.size(), 1u);
  EXPECT_EQ(PageTexts(0).front(), "Seite 2 Zeile 1");
}

TEST_F(PrintTextFileTest, TextAfterTheLastFormFeedIsAPageToo) {
  PrintTextFile(dir.Write("offen.tmp", "Seite 1\r\n\f\r\nSeite 2\r\n").string(), printer, prompts,
                config);
  EXPECT_EQ(printer.offeredPages, 2);
  ASSERT_EQ(printer.pages.size(), 2u);
  EXPECT_EQ(PageTexts(1), std::vector<std::string>{"Seite 2"});
}

TEST_F(PrintTextFileTest, NothingIsPrintedWhenTheFileOrTheDialogFails) {
  const std::string report = WriteReport();
  const std::string missing = (dir.path() / "fehlt.tmp").string();
  struct Case {
    const char* what;
    std::string file;
    bool cancelFlag;
    bool cancelDialog;
    bool startJob;
  };
  const Case cases[] = {
      {"missing file", missing, false, false, true},
      {"cancel flag set", report, true, false, true},
      {"print dialog cancelled", report, false, true, true},
      {"no print job", report, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ui.recorded.clear();
    printer = RecordingPrinter{};
    shell.cancel = c.cancelFlag;
    printer.cancelDialog = c.cancelDialog;
    printer.startJob = c.startJob;
    PrintTextFile(c.file, printer, prompts, config);
    EXPECT_EQ(printer.jobs, 0);
    EXPECT_TRUE(printer.pages.empty());
    if (c.file == missing) {
      ASSERT_EQ(ui.Of("message").size(), 1u);
      EXPECT_EQ(ui.Of("message")[0].text, missing + " not found !");
    } else {
      EXPECT_TRUE(ui.recorded.empty());
    }
  }
}

}  // namespace
}  // namespace zt6
