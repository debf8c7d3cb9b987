// Pictures of the windows for a person to look at: written only when ZT6_SCREENSHOT_DIR
// names a folder (run under a real display, e.g. Xvfb with QT_QPA_PLATFORM=xcb).

#include <gtest/gtest.h>

#include <QPrinter>

#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <cstdlib>
#include <filesystem>

#include "gui/drawing_view.h"
#include "gui/qt_printer.h"
#include "support/gui_fixture.h"

namespace zt6 {
namespace {

using test_support::ClickButton;

class Screenshots : public test_support::GuiFixture {
 protected:
  void SetUp() override {
    const char* folder = std::getenv("ZT6_SCREENSHOT_DIR");
    if (folder == nullptr) GTEST_SKIP() << "ZT6_SCREENSHOT_DIR not set";
    out = folder;
    std::filesystem::create_directories(out);
  }
  void Save(QWidget* widget, const std::string& name) {
    QTest::qWait(50);
    EXPECT_TRUE(widget->grab().save(QString::fromStdString((out / (name + ".png")).string())));
  }
  // Grabs a dialog the menu item opens, then cancels it.
  void Dialog(const std::string& item, const std::string& dialog, const std::string& name) {
    script.Expect(dialog, [this, name](QWidget* w) {
      Save(w, name);
      ClickButton(w, "Button_cancel");
    });
    Run(item);
  }
  std::filesystem::path out;
};

TEST_F(Screenshots, EveryWindow) {
  window->resize(1100, 820);
  Run("mi_viewQuick");
  Save(window.get(), "01_main_quick");
  QTest::mouseDClick(&window->View(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
  Save(&window->View(), "01b_after_double_click");
  QTest::mouseClick(&window->View(), Qt::RightButton, Qt::NoModifier, QPoint(50, 50));
  Dialog("mi_editabmessungen", "TForm_zt6abm", "02_dimensions");
  Dialog("mi_EditMaterial", "TForm_ztwst", "03_material");
  Dialog("mi_editLast", "TForm_zt4last", "04_load");
  Dialog("mi_EditText", "TForm_uni5", "05_identification");
  script.Expect("TForm_ztwst", [](QWidget* w) {
    ClickButton(w, "Button1");
    ClickButton(w, "Button_cancel");
  });
  script.Expect("Tdbf4", [this](QWidget* w) {
    Save(w, "06_pick_material");
    ClickButton(w, "Button_cancel");
  });
  Run("mi_EditMaterial");
  script.Expect("Tdbf4", [this](QWidget* w) {
    Save(w, "07_table_editor_din5481");
    ClickButton(w, "Button_cancel");
  });
  Run("mi_dbfDin5481");
  Run("mi_helplanguageKorea");
  Save(window.get(), "08_main_korean");
  QMenu* file = window->findChild<QMenu*>("mi_file");
  file->popup(window->mapToGlobal(QPoint(0, 20)));
  Save(file, "09_korean_file_menu");
  file->hide();
  QMenu* view = window->findChild<QMenu*>("mi_View");
  view->popup(window->mapToGlobal(QPoint(100, 20)));
  Save(view, "10_korean_view_menu");
  QMenu* profile = window->findChild<QMenu*>("mi_viewprofil");
  profile->popup(window->mapToGlobal(QPoint(300, 60)));
  Save(profile, "10b_korean_view_submenu");
  profile->hide();
  view->hide();
  QMenu* cad = window->findChild<QMenu*>("mi_CAD");
  cad->popup(window->mapToGlobal(QPoint(200, 20)));
  Save(cad, "10c_korean_cad_menu");
  cad->hide();
  Run("mi_helplanguagedeutsch");
  script.Expect("TForm_zt6abm", [this](QWidget* w) {
    ClickButton(w, "RadioGroup_abm1");
    ClickButton(w, "Button_metric");
    Save(w, "11_dimensions_database_inch");
    ClickButton(w, "Button_metric");
    ClickButton(w, "Button_cancel");
  });
  Run("mi_editabmessungen");
  std::filesystem::copy_file(std::filesystem::path(ZT6_DATA_DIR) / "examples" / "welle_12x14.zt6",
                             dir.path() / "welle_12x14.zt6");
  std::filesystem::copy_file(std::filesystem::path(ZT6_DATA_DIR) / "examples" / "din5481_17x20.zt6",
                             dir.path() / "din5481_17x20.zt6");
  program.modified = false;  // nothing to save before the project table
  script.Expect("TForm_preview", [this](QWidget* w) {
    Save(w, "12_project_table");
    qobject_cast<QDialog*>(w)->reject();
  });
  Run("mi_fileOpenTable");
  // The help image browser over its first image, and the help text of the dimensions.
  script.Expect("TForm_hilfebild", [this](QWidget* w) {
    Save(window.get(), "23_help_image");
    Save(w, "24_help_image_browser");
    ClickButton(w, "Button_ok");
  });
  Run("mi_HelpHilfebild");
  script.Expect("TForm_zt6abm", [this](QWidget* w) {
    script.Expect("MessageBox", [this](QWidget* box) {
      Save(box, "25_help_text");
      qobject_cast<QMessageBox*>(box)->accept();
    });
    ClickButton(w, "Button_help");
    ClickButton(w, "Button_cancel");
  });
  Run("mi_editabmessungen");
  // Last: New starts from the defaults, which leaves no design to show.
  script.Expect("Tin_radiodialog", [this](QWidget* w) {
    Save(w, "13_new_choice");
    ClickButton(w, "Button_cancel");
  });
  Run("mi_fileNew");
}

TEST_F(Screenshots, PrintWindows) {
  QPrinter& device = window->DrawingPrinter().Device();
  device.setOutputFormat(QPrinter::PdfFormat);
  device.setOutputFileName(QString::fromStdString((dir.path() / "shot.pdf").string()));
  Dialog("mi_fileprint", "TForm_printconf", "14_print_configuration");
  script.Expect("TForm_printconf", [](QWidget* w) { ClickButton(w, "Button_ok"); });
  script.Expect("TForm_printerinfo", [this](QWidget* w) {
    Save(w, "15_printer_info");
    ClickButton(w, "Button_ok");
  });
  Run("mi_fileprintersetup");
}

// The documentation windows, filled as an engineer would fill them.
TEST_F(Screenshots, DocumentationWindows) {
  AddChangeRecord(program.docs, "03.02.2026");
  program.docs.changes[0] = {Oem("Welle gekürzt"), "03.02.2026", Oem("mü"),
                             Oem("Länge von 20 auf 18 mm\nwegen Bauraum")};
  program.docs.replacementFor = "W-100";
  program.docs.signOff[0].name = Oem("Jürgen");
  program.docs.freeTextCount = 1;
  program.docs.freeTexts[0] = {100, 150, 3.5, 0, Oem("Härte 58 HRC")};
  program.config.releaseFieldText = "Freigabe";
  program.docs.documents[0] = {"/usr/bin/okular", "/home/k/Prüfplan.pdf"};
  Dialog("mi_docuModifyChanges", "TForm_EinAend", "16_change_record");
  Dialog("mi_docdrawinginfo", "TForm_zeichInfo", "17_drawing_information");
  Dialog("mi_DocumentSetup", "TForm_confDoku", "18_document_setup");
  script.Expect("TForm_showtextfile", [this](QWidget* w) {
    Save(w, "19_change_list");
    qobject_cast<QDialog*>(w)->accept();
  });
  Run("mi_docuShowChanges1");
  window->resize(1100, 820);
  Run("mi_viewfertigungszeichnungwelle");
  Save(window.get(), "20_manufacturing_drawing_shaft");
}

// The nine pages of the settings dialog and the colour selection window.
TEST_F(Screenshots, SettingsPages) {
  script.Expect("Tconfig", [this](QWidget* w) {
    auto* tabs = w->findChild<QTabWidget*>("Pagecontrol1");
    for (int i = 0; i < tabs->count(); ++i) {
      tabs->setCurrentIndex(i);
      Save(w, "21_settings_" + std::to_string(i + 1) + "_" +
                  tabs->currentWidget()->objectName().toStdString());
    }
    tabs->setCurrentWidget(tabs->findChild<QWidget*>("Tab_color"));
    ClickButton(w, "Button_selectcolor");
    ClickButton(w, "Button_cancel");
  });
  script.Expect("TForm_selectcolor", [this](QWidget* w) {
    Save(w, "22_select_colour");
    ClickButton(w, "Button_cancel");
  });
  Run("mi_fileConfig");
}

}  // namespace
}  // namespace zt6
