// Printing on the offscreen platform into PDF files, read back by poppler (pdfinfo,
// pdftotext, pdftoppm); the print configuration, printer information and spreadsheet
// commands driven through the main window's menu.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QRadioButton>
#include <QTableWidget>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>

#include "app/commands/print_drawing.h"
#include "app/commands/print_text_file.h"
#include "app/files/project_io.h"
#include "base/codepage.h"
#include "gui/printer_info_window.h"
#include "gui/qt_printer.h"
#include "support/gui_fixture.h"
#include "support/pdf_reading.h"
#include "support/required_reader.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::ClickButton;
using test_support::GuiFixture;
using test_support::Type;
using namespace test_support;  // the shell and poppler helpers

class Printing : public GuiFixture {};

TEST_F(Printing, AThreePageReportWithTheRangeTwoToThreeGivesThosePages) {
  ZT6_REQUIRE_POPPLER();
  std::string report;
  for (int page = 1; page <= 3; ++page) {
    report += Utf8ToCp850("Seite " + std::to_string(page) + " Zähnezahl Größe\r\n");
    report += "Zeile zwei\r\n\f\r\n";
  }
  const fs::path pdf = dir.path() / "pages.pdf";
  int offered = 0;
  {
    auto pdfPrinter = gui::QtPrinter::ToPdf(pdf.string(), [&offered](QPrinter&, int pages) {
      offered = pages;
      return std::optional<PageRange>(PageRange{2, 3});
    });
    EXPECT_EQ(PrintText(report, *pdfPrinter, program.config), PrintOutcome::Printed);
  }
  EXPECT_EQ(offered, 3);
  ASSERT_EQ(PdfPages(pdf), 2);
  EXPECT_NE(PdfText(pdf, 1).find("Seite 2 Zähnezahl Größe"), std::string::npos) << PdfText(pdf, 1);
  EXPECT_NE(PdfText(pdf, 2).find("Seite 3 Zähnezahl Größe"), std::string::npos) << PdfText(pdf, 2);
  EXPECT_EQ((PdfText(pdf, 1) + PdfText(pdf, 2)).find("Seite 1"), std::string::npos);

  // A range beyond the pages prints nothing and leaves no file.
  const fs::path none = dir.path() / "none.pdf";
  {
    auto pdfPrinter = gui::QtPrinter::ToPdf(none.string(), [](QPrinter&, int) {
      return std::optional<PageRange>(PageRange{4, 9});
    });
    EXPECT_EQ(PrintText(report, *pdfPrinter, program.config), PrintOutcome::OutsideRange);
  }
  EXPECT_FALSE(fs::exists(none));
}


// The PDF writer itself does not look at its writes; the printer does.
TEST_F(Printing, APdfFileThatCannotBeWrittenIsReportedWithItsReason) {
  const std::string report = "Zeile eins\r\nZeile zwei\r\n";
  auto full = gui::QtPrinter::ToPdf("/dev/full");
  EXPECT_EQ(PrintText(report, *full, program.config), PrintOutcome::Printed);
  EXPECT_EQ(full->OutputError(), std::string("/dev/full: ") + std::strerror(ENOSPC));

  const fs::path written = dir.path() / "written.pdf";
  auto fine = gui::QtPrinter::ToPdf(written.string());
  EXPECT_EQ(PrintText(report, *fine, program.config), PrintOutcome::Printed);
  EXPECT_EQ(fine->OutputError(), "");
  EXPECT_GT(fs::file_size(written), 0u);

  auto nowhere = gui::QtPrinter::ToPdf((dir.path() / "no such folder" / "x.pdf").string());
  EXPECT_EQ(PrintText(report, *nowhere, program.config), PrintOutcome::NoJob);
  EXPECT_NE(nowhere->OutputError().find("no such folder/x.pdf: "), std::string::npos)
      << nowhere->OutputError();
}

TEST_F(Printing, ADrawingAtHalfScaleWithOriginAndFrameLandsWhereTheMappingPutsIt) {
  ZT6_REQUIRE_POPPLER();
  DrawingSettings s;
  s.screenWidth = 799;
  s.screenHeight = 599;
  s.printerScaleX = s.printerScaleY = 0.5;
  s.printerOriginX = 20;
  s.printerOriginY = 30;
  s.printFrame = true;
  bool cancel = false;
  DrawingWindow drawing(cancel, s);
  drawing.Header(0, 0, 200, 150);
  drawing.SetColor(4);
  drawing.line(50, 75, 150, 75);  // a known line across the middle

  const fs::path pdf = dir.path() / "drawing.pdf";
  int pw = 0;
  int ph = 0;
  {
    auto pdfPrinter = gui::QtPrinter::ToPdf(pdf.string());
    pdfPrinter->SetLandscape(false);
    pw = pdfPrinter->Device().width();
    ph = pdfPrinter->Device().height();
    ASSERT_TRUE(PrintDrawing(drawing, *pdfPrinter, false));
  }
  const Grey page = RenderedGrey(pdf, 72);
  ASSERT_GT(page.width, 0);
  ASSERT_LT(page.width, page.height);  // portrait A4

  // Worked by hand: on the 799 x 599 screen the framed viewport runs over x 1..798 and
  // y 1..598; the world 200 x 150 gives the scales 797/200 = 3.985 and 597/150 = 3.98,
  // and keeping the aspect (square pixels) takes the smaller, 3.98, for both.
  // On paper (printer pixels, 600 dpi): origin 20 mm and 30 mm of the 210 mm page width,
  // then the screen position times half the page over the screen; the page's 5 mm margin
  // added, then in the 72 dpi picture.
  const double sx = 3.98;
  const double sy = 3.98;
  auto px = [&](double x) {
    return std::lround(pw * 20 / 210.0) + std::lround(pw * (x * sx + 1) * 0.5 / 799);
  };
  auto py = [&](double y) {
    return std::lround(pw * 30 / 210.0) + std::lround(ph * (598 - y * sy) * 0.5 / 599);
  };
  const double margin = 5 / 25.4 * 600;
  auto at72 = [margin](double printerPixels) { return (printerPixels + margin) * 72 / 600; };

  // The ink's bounding box is the frame round the world window.
  int left = page.width, right = -1, top = page.height, bottom = -1;
  for (int y = 0; y < page.height; ++y)
    for (int x = 0; x < page.width; ++x)
      if (page.At(x, y) < 200) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  EXPECT_NEAR(left, at72(px(0)), 1.5);
  EXPECT_NEAR(right, at72(px(200)), 1.5);
  EXPECT_NEAR(top, at72(py(150)), 1.5);
  EXPECT_NEAR(bottom, at72(py(0)), 1.5);
  // The line at y = 75 from x = 50 to 150, black in monochrome printing.
  const int lineRow = static_cast<int>(std::lround(at72(py(75))));
  int inkFrom = -1;
  int inkTo = -1;
  for (int x = left + 3; x < right - 3; ++x) {
    const int v = std::min(page.At(x, lineRow), std::min(page.At(x, lineRow - 1), page.At(x, lineRow + 1)));
    if (v < 100) {
      if (inkFrom < 0) inkFrom = x;
      inkTo = x;
    }
  }
  EXPECT_NEAR(inkFrom, at72(px(50)), 1.5);
  EXPECT_NEAR(inkTo, at72(px(150)), 1.5);
}

TEST_F(Printing, FilePrintTakesTheSettingsOverAndPrintsTheDrawing) {
  ZT6_REQUIRE_POPPLER();
  const fs::path pdf = dir.path() / "menu.pdf";
  QPrinter& device = window->DrawingPrinter().Device();
  device.setOutputFormat(QPrinter::PdfFormat);
  device.setOutputFileName(QString::fromStdString(pdf.string()));
  script.Expect("TForm_printconf", [](QWidget* w) {
    EXPECT_EQ(w->findChild<QLabel*>("Label_printer")->text().left(4), "PDF:");
    Type(w, "Edit_scalex", "0,5");
    Type(w, "Edit_scaley", "0.5");
    Type(w, "Edit_originx", "10");
    ClickButton(w, "RadioButton_portrait");  // landscape by default
    ClickButton(w, "Button_ok");
  });
  Run("mi_fileprint");
  EXPECT_DOUBLE_EQ(program.config.printScaleX, 0.5);
  EXPECT_DOUBLE_EQ(program.config.printScaleY, 0.5);
  EXPECT_EQ(program.config.printOriginX, 10);
  EXPECT_EQ(program.config.printOrientation, 1);
  EXPECT_DOUBLE_EQ(program.drawing.Settings().printerScaleX, 0.5);
  ASSERT_EQ(PdfPages(pdf), 1);
  EXPECT_NE(Shell("pdfinfo " + Quoted(pdf)).out.find("595 x 842"), std::string::npos);  // portrait

  // Cancel changes nothing and prints nothing.
  fs::remove(pdf);
  script.Expect("TForm_printconf", [](QWidget* w) {
    Type(w, "Edit_scalex", "3");
    ClickButton(w, "Button_cancel");
  });
  Run("mi_fileprint");
  EXPECT_DOUBLE_EQ(program.config.printScaleX, 0.5);
  EXPECT_FALSE(fs::exists(pdf));
}

// A manufacturing drawing is an A4 sheet: it prints at its own size on upright paper
// (without changing the orientation configured for other drawings); "anpassen" fits it
// into the page with its proportions kept, and stays ticked when the settings open again.
TEST_F(Printing, AnA4SheetPrintsAtItsOwnSizeAndFittedWithItsProportions) {
  ZT6_REQUIRE_POPPLER();
  const fs::path pdf = dir.path() / "sheet.pdf";
  QPrinter& device = window->DrawingPrinter().Device();
  device.setOutputFormat(QPrinter::PdfFormat);
  device.setOutputFileName(QString::fromStdString(pdf.string()));
  Run("mi_viewfertigungszeichnungwelle");
  ASSERT_NE(program.config.printOrientation, 1);  // landscape configured
  constexpr int kDpi = 100;
  auto mm = [](double pixels) { return pixels * 25.4 / kDpi; };

  script.Expect("TForm_printconf", [](QWidget* w) {
    EXPECT_TRUE(w->findChild<QRadioButton*>("RadioButton_portrait")->isChecked());
    EXPECT_FALSE(w->findChild<QCheckBox*>("CheckBox_fit")->isChecked());
    ClickButton(w, "Button_ok");
  });
  Run("mi_fileprint");
  EXPECT_NE(program.config.printOrientation, 1);
  EXPECT_NE(Shell("pdfinfo " + Quoted(pdf)).out.find("595 x 842"), std::string::npos);
  // The sheet's frame runs from 18 to 205 mm across and 5 to 292 mm down the paper: the
  // page's printable area starts 5 mm in, where the sheet's 5 mm are.
  const Grey sheet = RenderedGrey(pdf, kDpi);
  ASSERT_GT(sheet.width, 0);
  auto darkRun = [&](bool column, double atMm) {
    const int at = static_cast<int>(std::lround(atMm / 25.4 * kDpi));
    int longest = 0;
    for (int i = at - 2; i <= at + 2; ++i) {
      int run = 0;
      const int length = column ? sheet.height : sheet.width;
      for (int j = 0; j < length; ++j) {
        run = (column ? sheet.At(i, j) : sheet.At(j, i)) < 160 ? run + 1 : 0;
        longest = std::max(longest, run);
      }
    }
    return mm(longest);
  };
  EXPECT_NEAR(darkRun(true, 18), 287, 2);
  EXPECT_NEAR(darkRun(true, 205), 287, 2);
  EXPECT_NEAR(darkRun(false, 5), 187, 2);
  EXPECT_NEAR(darkRun(false, 292), 187, 2);

  fs::remove(pdf);
  script.Expect("TForm_printconf", [](QWidget* w) {
    ClickButton(w, "CheckBox_fit");
    ClickButton(w, "Button_ok");
  });
  Run("mi_fileprint");
  // Fitted: the sheet's edge (210 x 297) keeps its proportions.
  const Grey fitted = RenderedGrey(pdf, kDpi);
  ASSERT_GT(fitted.width, 0);
  const std::array<double, 4> edge = OuterLines(fitted);
  EXPECT_NEAR((edge[1] - edge[0]) / (edge[3] - edge[2]), 210.0 / 297, 0.01)
      << mm(edge[1] - edge[0]) << " x " << mm(edge[3] - edge[2]) << " mm";

  bool fitShown = false;
  script.Expect("TForm_printconf", [&fitShown](QWidget* w) {
    fitShown = w->findChild<QCheckBox*>("CheckBox_fit")->isChecked();
    ClickButton(w, "Button_cancel");
  });
  Run("mi_fileprint");
  EXPECT_TRUE(fitShown);
}

TEST_F(Printing, PrinterSetupShowsThePrinterInformation) {
  window->DrawingPrinter().Device().setOutputFormat(QPrinter::PdfFormat);
  window->DrawingPrinter().Device().setOutputFileName(
      QString::fromStdString((dir.path() / "setup.pdf").string()));
  script.Expect("TForm_printconf", [](QWidget* w) { ClickButton(w, "Button_ok"); });
  script.Expect("TForm_printerinfo", [](QWidget* w) {
    auto* grid = w->findChild<QTableWidget*>("StringGrid1");
    ASSERT_NE(grid, nullptr);
    std::map<QString, QString> rows;
    for (int r = 0; r < grid->rowCount(); ++r)
      rows[grid->item(r, 0)->text()] = grid->item(r, 1)->text();
    EXPECT_EQ(rows["Treiberversion"], "?");
    EXPECT_EQ(rows["Pinsel"], "?");
    EXPECT_EQ(rows["Technologie"], "Metafile");
    // A4 in landscape, the default orientation for drawings.
    EXPECT_EQ(rows["Druckbreite (mm)"], "297");
    EXPECT_EQ(rows[QString::fromUtf8("Druckhöhe (mm)")], "210");
    EXPECT_GT(rows["Schriften"].toInt(), 0);
    EXPECT_EQ(grid->rowCount(), 16 + rows["Schriften"].toInt());
    ClickButton(w, "Button_ok");
  });
  Run("mi_fileprintersetup");
  EXPECT_FALSE(fs::exists(dir.path() / "setup.pdf"));  // no sheet wasted
}

TEST_F(Printing, SpreadsheetCommandsOpenWorkbooksOfTheProjectAndTheReport) {
  ZT6_REQUIRE_OPENPYXL();
  // Not saved yet: the message, no workbook, the export stays disabled.
  script.Expect("MessageBox", [](QWidget* w) { qobject_cast<QMessageBox*>(w)->accept(); });
  Run("mi_OleStartExcel");
  EXPECT_TRUE(launcher.calls.empty());
  EXPECT_FALSE(window->Item("mi_OleExportExcel")->isEnabled());
  EXPECT_FALSE(window->Item("mi_OleImportExcel")->isEnabled());

  program.docs.replacementFor = Oem("Größe 1");
  WriteProject(program, prompts, "welle");
  ASSERT_FALSE(program.shell.cancel);
  Run("mi_OleStartExcel");
  ASSERT_EQ(launcher.calls.size(), 1u);
  EXPECT_TRUE(launcher.calls[0].open);
  const std::string project = launcher.calls[0].program;
  EXPECT_EQ(fs::path(project).filename(), "welle.xlsx");
  const std::string cells = WorkbookCells(project);
  // Line k of the project file in cell (k, 1), as text in the Windows characters.
  std::ifstream file(dir.path() / "welle.zt6", std::ios::binary);
  int k = 0;
  for (std::string line; std::getline(file, line);) {
    ++k;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const std::string cell = std::to_string(k) + "\t1\ts\t" + Cp850ToUtf8(line) + "\n";
    EXPECT_NE(cells.find(cell), std::string::npos) << cell << cells;
  }
  EXPECT_GT(k, 10);
  EXPECT_NE(cells.find("Größe 1"), std::string::npos) << cells;
  EXPECT_EQ(cells.find("\t2\t"), std::string::npos) << "one column only";
  EXPECT_TRUE(window->Item("mi_OleExportExcel")->isEnabled());
  EXPECT_FALSE(window->Item("mi_OleImportExcel")->isEnabled()) << "import does nothing";

  Run("mi_OlePrintoutExcel");
  ASSERT_EQ(launcher.calls.size(), 2u);
  const std::string report = WorkbookCells(launcher.calls[1].program);
  EXPECT_TRUE(std::regex_search(report, std::regex(R"(\t1\ts\tZähnezahl\n)"))) << report;
  EXPECT_TRUE(std::regex_search(report, std::regex(R"(\t4\tn\t31\n)"))) << report;

  // No program opens the workbook: the message names it.
  launcher.succeed = false;
  script.Expect("MessageBox", [](QWidget* w) {
    EXPECT_NE(qobject_cast<QMessageBox*>(w)->text().indexOf("Excel kann nicht gestartet werden"), -1);
    EXPECT_NE(qobject_cast<QMessageBox*>(w)->text().indexOf("welle.xlsx"), -1);
    qobject_cast<QMessageBox*>(w)->accept();
  });
  Run("mi_OleExportExcel");
}

TEST_F(Printing, TheProjectTableExportsEveryCellIntoAWorkbook) {
  ZT6_REQUIRE_OPENPYXL();
  fs::copy_file(fs::path(ZT6_DATA_DIR) / "examples" / "welle_12x14.zt6", dir.path() / "welle_12x14.zt6");
  program.modified = false;
  script.Expect("TForm_preview", [](QWidget* w) {
    w->findChild<QAction*>("mi_fileExportExcel")->trigger();
    w->findChild<QAction*>("mi_fileExit")->trigger();
  });
  Run("mi_fileOpenTable");
  ASSERT_EQ(launcher.calls.size(), 1u);
  EXPECT_EQ(fs::path(launcher.calls[0].program).filename(),
            dir.path().filename().string() + "_Projekttabelle.xlsx");
  const std::string cells = WorkbookCells(launcher.calls[0].program);
  // The heading row first, then the file's row: texts stay texts, numbers are numbers.
  EXPECT_NE(cells.find("1\t1\ts\tDatei\n"), std::string::npos) << cells;
  EXPECT_NE(cells.find("1\t9\ts\tD [mm]\n"), std::string::npos) << cells;
  EXPECT_NE(cells.find("2\t1\ts\twelle_12x14.zt6\n"), std::string::npos) << cells;
  EXPECT_NE(cells.find("2\t6\tn\t31\n"), std::string::npos) << cells;
}

}  // namespace
}  // namespace zt6
