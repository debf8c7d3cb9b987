// Extras -> "Größe nach Last..." and "Parameterstudie..." driven through the menu: the
// chosen size lands in the design as zt6 calc --size takes it, the study draws and
// exports its chart, refused inputs say why.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QMessageBox>
#include <QTableWidget>

#include "app/commands/menu_captions.h"
#include "base/json_writer.h"
#include "base/safe_file.h"
#include "gui/parameter_study_window.h"
#include "support/flat_json.h"
#include "support/gui_fixture.h"
#include "support/json_checks.h"
#include "support/run_zt6.h"

namespace zt6 {
namespace {

using test_support::ClickButton;
using test_support::FlatJson;
using test_support::NumberAt;
using test_support::ReadJson;
using test_support::RunZt6Command;
using test_support::Type;

class AssistantWindows : public test_support::GuiFixture {};

// The row of 17x20 chosen: the design takes that size in database mode, its length and
// the load searched for, and is calculated as zt6 calc --size 17x20 with them.
TEST_F(AssistantWindows, SizeForLoadTakesTheChosenSizeAsTheDin5481ButtonWould) {
  QString chosenLength;
  int rows = 0;
  script.Expect("TForm_sizeForLoad", [&](QWidget* w) {
    Type(w, "Edit_torque", "200");
    Type(w, "Edit_peak", "400");
    Type(w, "Edit_safety", "1,2");  // a comma reads as the decimal point
    ClickButton(w, "Button_search");
    auto* table = w->findChild<QTableWidget*>("Table_candidates");
    ASSERT_NE(table, nullptr);
    rows = table->rowCount();
    for (int row = 0; row < rows; ++row) {
      if (table->item(row, 0)->text() != "17x20") continue;
      table->selectRow(row);
      chosenLength = table->item(row, 1)->text();
    }
    if (const char* shots = std::getenv("ZT6_SCREENSHOT_DIR"))
      w->grab().save(QString::fromUtf8(shots) + "/size_for_load.png");
    ClickButton(w, "Button_ok");
  });
  Run("mi_extrasSizeForLoad");
  ASSERT_GT(rows, 10);
  ASSERT_FALSE(chosenLength.isEmpty());

  const DesignRecord& d = program.design;
  EXPECT_EQ(d.designation, "17x20");
  EXPECT_EQ(d.dimensionSource, DimensionSource::Database);
  EXPECT_DOUBLE_EQ(d.l, chosenLength.toDouble());
  EXPECT_DOUBLE_EQ(d.TN, 200);
  EXPECT_DOUBLE_EQ(d.Tmax, 400);
  EXPECT_TRUE(program.modified);
  EXPECT_FALSE(program.messages.FatalFlag());
  // The materials and factors of the design stay; the rest is zt6 calc's.
  const FlatJson calc = ReadJson(
      RunZt6Command({"calc", "--size", "17x20", "--set", "l=" + chosenLength.toStdString(),
                     "--set", "TN=200", "--set", "Tmax=400", "--set", "KA=1.25", "--json"})
          .out);
  EXPECT_DOUBLE_EQ(d.Dii, NumberAt(calc, "inputs.Dii"));
  EXPECT_DOUBLE_EQ(d.TGe, NumberAt(calc, "inputs.TGe"));
  EXPECT_DOUBLE_EQ(d.DRi, NumberAt(calc, "inputs.DRi"));
  EXPECT_EQ(d.tableRow, NumberAt(calc, "inputs.table_row"));
  EXPECT_NEAR(d.MRemin, NumberAt(calc, "results.MRemin"), 1e-12);
  for (const Material& m : d.material) {
    EXPECT_GE(m.Seq, 1.2);
    EXPECT_GE(m.Smax, 1.2);
  }
}

// Cancel leaves the design as it was; a torque of 0 is refused with a message.
TEST_F(AssistantWindows, SizeForLoadRefusesATorqueOfZeroAndCancelChangesNothing) {
  const DesignRecord before = program.design;
  QString message;
  script.Expect("TForm_sizeForLoad", [](QWidget* w) {
    Type(w, "Edit_torque", "0");
    ClickButton(w, "Button_search");
    ClickButton(w, "Button_cancel");
  });
  script.Expect("MessageBox", [&message](QWidget* w) {
    message = qobject_cast<QMessageBox*>(w)->text();
    qobject_cast<QMessageBox*>(w)->accept();
  });
  Run("mi_extrasSizeForLoad");
  EXPECT_EQ(message, QString::fromUtf8("Drehmoment und Sicherheit müssen Zahlen über 0 sein."));
  EXPECT_EQ(program.design.designation, before.designation);
  EXPECT_DOUBLE_EQ(program.design.l, before.l);
  EXPECT_FALSE(program.modified);
}

// Two inputs varied: one curve per result and value of the second, the points those of
// the sweep; exported as SVG and PNG; a step of 0 is refused naming the problem.
TEST_F(AssistantWindows, ParameterStudyDrawsAndExportsTheChart) {
  const std::string svg = (dir.path() / "study.svg").string();
  const std::string png = (dir.path() / "study.png").string();
  std::size_t curves = 0, points = 0;
  bool svgWritten = false, pngWritten = false;
  QString message;
  script.Expect("TForm_parameterStudy", [&](QWidget* w) {
    auto* study = qobject_cast<gui::ParameterStudyWindow*>(w);
    ASSERT_NE(study, nullptr);
    w->findChild<QComboBox*>("Combo_vary1")->setCurrentText("l");
    Type(w, "Edit_from1", "10");
    Type(w, "Edit_to1", "40");
    Type(w, "Edit_step1", "0");
    ClickButton(w, "Button_draw");  // refused: the message box answers below
    Type(w, "Edit_step1", "1");
    w->findChild<QComboBox*>("Combo_vary2")->setCurrentText("TN");
    Type(w, "Edit_from2", "10");
    Type(w, "Edit_to2", "30");
    Type(w, "Edit_step2", "10");
    ClickButton(w, "Button_draw");
    curves = study->Chart().series.size();
    points = curves > 0 ? study->Chart().series.front().points.size() : 0;
    svgWritten = study->ExportSvg(svg);
    pngWritten = study->ExportPng(png);
    if (const char* shots = std::getenv("ZT6_SCREENSHOT_DIR")) {
      w->resize(1000, 760);
      w->grab().save(QString::fromUtf8(shots) + "/parameter_study.png");
      study->ExportPng(std::string(shots) + "/parameter_study_export.png");
    }
    ClickButton(w, "Button_close");
  });
  script.Expect("MessageBox", [&message](QWidget* w) {
    message = qobject_cast<QMessageBox*>(w)->text();
    qobject_cast<QMessageBox*>(w)->accept();
  });
  Run("mi_extrasParameterStudy");
  EXPECT_NE(message.indexOf("STEP must be above 0"), -1) << message.toStdString();
  EXPECT_EQ(curves, 4u * 3u);
  EXPECT_EQ(points, 31u);
  ASSERT_TRUE(svgWritten);
  ASSERT_TRUE(pngWritten);
  const std::string text = ReadWholeFile(svg, 1 << 22).bytes;
  EXPECT_NE(text.find("l [mm]"), std::string::npos);
  EXPECT_NE(text.find("hub.Seq, TN = 30"), std::string::npos);
  QImage image(QString::fromStdString(png));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(900, 540));
  // The first curve's colour is painted somewhere in the plot area.
  bool curve = false;
  for (int y = 0; y < image.height() && !curve; ++y)
    for (int x = 80; x < 600 && !curve; ++x)
      curve = image.pixelColor(x, y) == QColor(31, 119, 180);
  EXPECT_TRUE(curve);
  // The study leaves the design alone.
  EXPECT_FALSE(program.modified);
}

// The Extras captions come from the caption table in the four menu languages.
TEST_F(AssistantWindows, ExtrasCaptionsFollowTheMenuLanguage) {
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"mi_helplanguagedeutsch", "Größe nach Last..."},
      {"mi_helplanguageenglisch", "Size for load..."},
      {"mi_helplanguageRoman", "Marime dupa sarcina..."},
      {"mi_helplanguageKorea", "하중별 크기(S)..."}};
  for (const auto& [language, caption] : expected) {
    Run(language);
    EXPECT_EQ(window->Item("mi_extrasSizeForLoad")->text().remove('&').toStdString(), caption);
  }
  Run("mi_helplanguagedeutsch");
  EXPECT_EQ(window->Item("mi_extrasParameterStudy")->text().remove('&').toStdString(),
            "Parameterstudie...");
}

}  // namespace
}  // namespace zt6
