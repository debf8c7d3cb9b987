// The settings dialog driven as a user would: one control changed on every page,
// Save, the file checked entry by entry, the settings read back as after a restart.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <fstream>
#include <unistd.h>

#include "app/files/configuration_file.h"
#include "app/forms/configuration_form.h"
#include "base/number_parse.h"
#include "gui/config_window.h"
#include "support/file_bytes.h"
#include "support/gui_fixture.h"
#include "support/unprivileged_rerun.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::ClickButton;
using test_support::TextOf;
using test_support::Type;

// The value line after a label line of a written configuration.
std::string ValueAfter(const std::string& text, std::string_view utf8Label, int skip = 0) {
  const std::string label = Oem(utf8Label) + "\r\n";
  std::size_t at = text.find(label);
  if (at == std::string::npos) return "<no label>";
  at += label.size();
  for (int i = 0; i < skip; ++i) at = text.find("\r\n", at) + 2;
  return text.substr(at, text.find("\r\n", at) - at);
}

void ShowPage(QWidget* w, const char* page) {
  auto* tabs = w->findChild<QTabWidget*>("Pagecontrol1");
  tabs->setCurrentWidget(tabs->findChild<QWidget*>(page));
}

class ConfigWindowTest : public test_support::GuiFixture {
 protected:
  std::string FileText() { return test_support::FileBytes(program.configPlace.ConfigurationFile()); }
};

TEST_F(ConfigWindowTest, OneChangeOnEveryPageIsSavedAndInEffectAfterARestart) {
  program.config.defaultDataFolder = Utf8ToCp850(dir.path().string() + "/");  // as at start-up
  const Configuration before = program.config;
  const QSize screen = gui::ScreenSizeOf(window.get());
  script.Expect("Tconfig", [this](QWidget* w) {
    EXPECT_EQ(w->findChild<QTabWidget*>("Pagecontrol1")->currentWidget()->objectName(),
              "Tab_grafik");
    ShowPage(w, "Tab_dir");
    Type(w, "Edit_dircad", "/tmp/zeichnungen/");
    ShowPage(w, "Tab_grafik");
    Type(w, "Edit_x", "0");
    Type(w, "Edit_y", "0");
    Type(w, "Edit_zoomfaktor", "0");
    ShowPage(w, "Tab_cad");
    ClickButton(w, "Button_selectlayercolor");  // row 1: layer 5
    ShowPage(w, "Tab_color");
    ClickButton(w, "Button_dick2");
    ShowPage(w, "Tab_drucker");
    ClickButton(w, "RadioGroup_orientation_0");  // landscape by default
    ShowPage(w, "Tab_textdruck");
    ClickButton(w, "RadioGroup_date_3");  // "DD/MM/YYY"
    ShowPage(w, "Tab_einstellung");
    w->findChild<QSpinBox*>("SpinEdit_dezimalstellen")->setValue(5);
    ShowPage(w, "Tab_extern");
    w->findChild<QListWidget*>("ListBox_plotrix")->setCurrentRow(1);
    ClickButton(w, "Button_editplotrixcommandline");
    ShowPage(w, "Tab_zeichnung");
    ClickButton(w, "CheckBox_zeichlogo");
    ClickButton(w, "Button_save");
    ClickButton(w, "Button_cancel");
  });
  script.Expect("TForm_selectcolor", [](QWidget* w) {
    EXPECT_EQ(w->findChild<QListWidget*>("ListBox_colors")->item(15)->text(), "16 (schwarz)");
    w->findChild<QListWidget*>("ListBox_colors")->setCurrentRow(5);  // 6 (magenta)
    ClickButton(w, "Button_ok");
  });
  script.Expect("Tin_textdialog", [](QWidget* w) {
    Type(w, "EditEinText", "wplot /CPS");
    ClickButton(w, "Button_ok");
  });
  Run("mi_fileConfig");

  Configuration expected = before;
  expected.cadFolder = "/tmp/zeichnungen/";
  expected.drawingAreaX = screen.width() - 9;
  expected.drawingAreaY = screen.height() - 91;
  expected.zoomFactor = 1.0;
  expected.cadLayerColours[4] = 6;
  expected.layerLineWidths.fill(2);
  expected.printOrientation = 1;
  expected.format.dateCode = 4;
  expected.format.decimals = 5;
  expected.plotCommandLines = {kDefaultPlotCommandLine, "wplot /CPS"};
  expected.omitLogo = true;
  const std::string text = FileText();
  EXPECT_EQ(text, ConfigurationText(expected));  // every other entry as it was
  EXPECT_EQ(ValueAfter(text, "CAD Ordner"), "/tmp/zeichnungen/");
  EXPECT_EQ(ValueAfter(text, "Auflösung horizontal"), std::to_string(screen.width() - 9));
  EXPECT_EQ(ValueAfter(text, "Auflösung vertikal"), std::to_string(screen.height() - 91));
  EXPECT_EQ(TryParseReal(ValueAfter(text, "Zoomfaktor")), 1.0);
  EXPECT_EQ(ValueAfter(text, "Date Code"), "4");
  EXPECT_EQ(ValueAfter(text, "Dezimalstellen"), "5");
  EXPECT_EQ(ValueAfter(text, "Printer: Portrait=1, Landscape=2"), "1");
  EXPECT_EQ(ValueAfter(text, "PLOTRIX Command lines (n, line 2 .. line n)", 1), "wplot /CPS");
  for (int i = 0; i < 16; ++i) EXPECT_EQ(ValueAfter(text, "Strichstärke Layer 16..31", i), "2");

  // A restart: the file read as at start-up, then the dialog shows it.
  Configuration restarted;
  ConfigurationPlace place = program.configPlace;
  ShellState shell;
  ASSERT_EQ(LoadConfiguration(restarted, place, {screen.width(), screen.height()}, dir.path().string(),
                              shell),
            program.configPlace.ConfigurationFile());
  EXPECT_EQ(ConfigurationText(restarted), text);
  program.config = restarted;
  script.Expect("Tconfig", [](QWidget* w) {
    EXPECT_EQ(TextOf(w, "Edit_dircad"), "/tmp/zeichnungen/");
    EXPECT_EQ(TextOf(w, "Edit_zoomfaktor"), "1");
    EXPECT_TRUE(w->findChild<QRadioButton*>("RadioGroup_date_3")->isChecked());
    EXPECT_TRUE(w->findChild<QRadioButton*>("RadioGroup_orientation_0")->isChecked());
    EXPECT_EQ(w->findChild<QSpinBox*>("SpinEdit_dezimalstellen")->value(), 5);
    EXPECT_FALSE(w->findChild<QCheckBox*>("CheckBox_zeichlogo")->isChecked());
    EXPECT_EQ(w->findChild<QTableWidget*>("StringGrid_layer")->item(0, 1)->text(), "6");
    EXPECT_EQ(w->findChild<QTableWidget*>("StringGrid_color")->item(7, 1)->text(), "2");
    EXPECT_EQ(w->findChild<QListWidget*>("ListBox_plotrix")->item(1)->text(), "wplot /CPS");
    ClickButton(w, "Button_cancel");
  });
  Run("mi_fileConfig");
}

TEST_F(ConfigWindowTest, OkAppliesCancelDoesNotAndTextInANumberFieldIsRefused) {
  script.Expect("Tconfig", [](QWidget* w) {
    Type(w, "Edit_panfaktor", "0,05");
    ClickButton(w, "RadioGroup_unit_1");
    ClickButton(w, "Button_cancel");
  });
  Run("mi_fileConfig");
  EXPECT_DOUBLE_EQ(program.config.panFactor, 0.02);
  EXPECT_EQ(program.config.format.units, UnitSystem::Metric);

  std::string refusal;
  script.Expect("Tconfig", [](QWidget* w) {
    Type(w, "Edit_zoomfaktor", "abc");
    ClickButton(w, "Button_ok");  // refused: the dialog stays
    Type(w, "Edit_zoomfaktor", "1,5");
    ShowPage(w, "Tab_textdruck");
    ClickButton(w, "RadioGroup_unit_1");
    ClickButton(w, "Button_ok");
  });
  script.Expect("MessageBox", [&refusal](QWidget* w) {
    refusal = qobject_cast<QMessageBox*>(w)->text().toStdString();
    qobject_cast<QMessageBox*>(w)->accept();
  });
  Run("mi_fileConfig");
  EXPECT_EQ(refusal, "Feld Zoomfaktor: \"abc\" ist keine Zahl.");
  EXPECT_DOUBLE_EQ(program.config.zoomFactor, 1.5);
  EXPECT_EQ(program.config.format.units, UnitSystem::English);
  EXPECT_FALSE(fs::exists(program.configPlace.ConfigurationFile()));  // OK writes nothing
}

TEST_F(ConfigWindowTest, ImportRefillsSaveStillWritesTheOwnFileAndGarbageIsRefused) {
  const fs::path other = dir.path() / "andere" / "anders.cfg";
  const fs::path garbage = dir.path() / "andere" / "kaputt.cfg";
  fs::create_directories(other.parent_path());
  Configuration imported;
  imported.cadTextStyle = "ROMANS";
  imported.format.dateCode = 3;
  std::ofstream(other, std::ios::binary) << ConfigurationText(imported);
  std::ofstream(garbage, std::ios::binary) << "GIF89a\x01\x02\x03";

  const auto choose = [this](const fs::path& file) {
    script.Expect("OpenDialog", [file](QWidget* w) {
      auto* name = w->findChild<QLineEdit*>("fileNameEdit");
      name->setText(QString::fromStdString(file.string()));
      QTest::keyClick(name, Qt::Key_Return);
    });
  };
  std::string refusal;
  script.Expect("Tconfig", [](QWidget* w) {
    ClickButton(w, "Button_import");
    EXPECT_EQ(TextOf(w, "Edit_cadfont"), "ROMANS");
    EXPECT_TRUE(w->findChild<QRadioButton*>("RadioGroup_date_2")->isChecked());
    ClickButton(w, "Button_import");  // garbage: nothing changes
    EXPECT_EQ(TextOf(w, "Edit_cadfont"), "ROMANS");
    ClickButton(w, "Button_save");
    ClickButton(w, "Button_ok");
  });
  choose(other);
  choose(garbage);
  script.Expect("MessageBox", [&refusal](QWidget* w) {
    refusal = qobject_cast<QMessageBox*>(w)->text().toStdString();
    qobject_cast<QMessageBox*>(w)->accept();
  });
  Run("mi_fileConfig");
  EXPECT_NE(refusal.find("ist keine Konfigurationsdatei"), std::string::npos) << refusal;
  EXPECT_EQ(program.configPlace.directory, dir.path());
  const std::string text = FileText();
  EXPECT_EQ(ValueAfter(text, "Textstil CAD"), "ROMANS");
  EXPECT_EQ(ValueAfter(text, "Date Code"), "3");
  EXPECT_EQ(test_support::FileBytes(other), ConfigurationText(imported));  // untouched
}

// "Config" opens the plot program window on the selected line and keeps its result;
// tooltips carry their help numbers at help level 1, and "always" ones at level 0.
TEST_F(ConfigWindowTest, PlotLineConfigAndHelpNumbers) {
  program.config.plotCommandLines = {"erste", "zweite"};
  std::string opened;
  script.Expect("Tconfig", [](QWidget* w) {
    EXPECT_EQ(w->findChild<QWidget*>("Edit_zoomfaktor")->property("helpNumber").toInt(), 1800);
    EXPECT_TRUE(w->findChild<QWidget*>("Edit_zoomfaktor")->toolTip().startsWith("Zoomfaktor"))
        << w->findChild<QWidget*>("Edit_zoomfaktor")->toolTip().toStdString();
    EXPECT_EQ(w->findChild<QWidget*>("Button_helpgrafik")->property("helpNumber").toInt(), 1940);
    w->findChild<QListWidget*>("ListBox_plotrix")->setCurrentRow(1);
    ClickButton(w, "Button_confplotrix");
    ClickButton(w, "Button_ok");
  });
  script.Expect("TForm_confplotrix", [&opened](QWidget* w) {
    opened = w->findChild<QLabel*>("Label_commandline")->text().toStdString();
    ClickButton(w, "CheckBox_scale");
    ClickButton(w, "Button_ok");
  });
  Run("mi_fileConfig");
  EXPECT_EQ(opened, "zweite");
  ASSERT_EQ(program.config.plotCommandLines.size(), 2u);
  EXPECT_EQ(program.config.plotCommandLines[0], "erste");
  EXPECT_NE(program.config.plotCommandLines[1].find(" /M*"), std::string::npos)
      << program.config.plotCommandLines[1];

  program.config.helpLevel = 0;
  script.Expect("Tconfig", [](QWidget* w) {
    EXPECT_FALSE(w->findChild<QWidget*>("Edit_zoomfaktor")->property("helpNumber").isValid());
    EXPECT_TRUE(w->findChild<QWidget*>("Edit_zoomfaktor")->toolTip().isEmpty());
    EXPECT_EQ(w->findChild<QWidget*>("RadioGroup_ergebnisgrafik")->property("helpNumber").toInt(),
              2820);
    ClickButton(w, "Button_cancel");
  });
  Run("mi_fileConfig");
}

// The background colour is in effect at once, for a look; Abbrechen of the colour dialog
// or of the settings takes it back, OK keeps it. Abbrechen in the colour list keeps the
// layer's colour. A font chosen in the font dialog reaches the settings only with OK.
TEST_F(ConfigWindowTest, BackgroundColourAtOnceAndFontsThroughTheFontDialog) {
  const int before = program.config.backgroundColour;
  ASSERT_NE(before, 0x563412);
  struct Case {
    bool colourTaken;     // OK in the colour dialog
    const char* closing;  // the settings' button
    int expected;
  };
  for (const Case& c : {Case{true, "Button_cancel", before}, Case{false, "Button_ok", before},
                        Case{true, "Button_ok", 0x563412}}) {
    int shown = 0;
    script.Expect("Tconfig", [&](QWidget* w) {
      ClickButton(w, "Button_hintergrundfarbe");
      shown = program.drawing.Settings().backgroundColour;
      ClickButton(w, c.closing);
    });
    script.Expect("ColorDialog", [&](QWidget* w) {
      auto* dialog = qobject_cast<QColorDialog*>(w);
      dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
      if (c.colourTaken) dialog->accept(); else dialog->reject();
    });
    Run("mi_fileConfig");
    EXPECT_EQ(shown, c.colourTaken ? 0x563412 : before) << c.closing;  // Windows order: blue, green, red
    EXPECT_EQ(program.config.backgroundColour, c.expected) << c.colourTaken << c.closing;
    EXPECT_EQ(program.drawing.Settings().backgroundColour, c.expected) << c.colourTaken << c.closing;
  }

  QString colourBefore, colourAfter;
  script.Expect("Tconfig", [&](QWidget* w) {
    ShowPage(w, "Tab_color");
    auto* grid = w->findChild<QTableWidget*>("StringGrid_color");
    grid->setCurrentCell(0, 0);
    colourBefore = grid->item(0, 0)->text();
    ClickButton(w, "Button_selectcolor");
    colourAfter = grid->item(0, 0)->text();
    ClickButton(w, "Button_cancel");
  });
  script.Expect("TForm_selectcolor", [](QWidget* w) {
    auto* list = w->findChild<QListWidget*>("ListBox_colors");
    list->setCurrentRow((list->currentRow() + 3) % 16);  // another colour
    ClickButton(w, "Button_cancel");
  });
  Run("mi_fileConfig");
  EXPECT_FALSE(colourBefore.isEmpty());
  EXPECT_EQ(colourAfter, colourBefore);

  QFont chosen;
  QString styleShown;
  script.Expect("Tconfig", [&styleShown](QWidget* w) {
    ShowPage(w, "Tab_textdruck");
    ClickButton(w, "Button_textfont");
    styleShown = w->findChild<QLabel*>("Label_courierstyle")->text();
    ClickButton(w, "Button_ok");
  });
  script.Expect("FontDialog", [&chosen](QWidget* w) {
    auto* dialog = qobject_cast<QFontDialog*>(w);
    QFont font("DejaVu Sans Mono");
    font.setPointSize(12);
    font.setBold(true);
    font.setItalic(true);
    dialog->setCurrentFont(font);
    dialog->accept();
    chosen = dialog->selectedFont();  // the nearest style the platform's fonts offer
  });
  Run("mi_fileConfig");
  EXPECT_EQ(program.config.printoutFontSize, 12);
  EXPECT_EQ(program.config.printoutFont, Utf8ToCp850(chosen.family().toStdString()));
  const int bits = (chosen.bold() ? 1 : 0) | (chosen.italic() ? 2 : 0);
  EXPECT_EQ(program.config.printoutFontStyle, bits);
  EXPECT_EQ(styleShown, bits == 3 ? "fett, kursiv" : bits == 2 ? "kursiv" : bits == 1 ? "fett" : "normal");
}

// Saving the settings where the file cannot be written: the message shown, answered by
// giving up on the question to try again.
class ConfigSaveFailure : public ConfigWindowTest {
 protected:
  std::string SaveAndGiveUp() {
    std::string error;
    script.Expect("Tconfig", [](QWidget* w) {
      ClickButton(w, "Button_save");
      ClickButton(w, "Button_cancel");
    });
    script.Expect("MessageBox", [&error](QWidget* w) {
      error = qobject_cast<QMessageBox*>(w)->text().toStdString();
      qobject_cast<QMessageBox*>(w)->accept();
    });
    script.Expect("YesNoCancel", [](QWidget* w) {  // "Nochmals versuchen ?"
      qobject_cast<QMessageBox*>(w)->button(QMessageBox::No)->click();
    });
    Run("mi_fileConfig");
    return error;
  }
};

// A missing folder: a message, the question to try again, and no folder made.
TEST_F(ConfigSaveFailure, AMissingFolderSaysSo) {
  program.configPlace.directory = program.configPlace.directory / "fehlt" / "auch";
  EXPECT_NE(SaveAndGiveUp().find("I/O-Error"), std::string::npos);
  EXPECT_FALSE(fs::exists(program.configPlace.directory));
}

// A read-only folder with an old file: the message and the old file as it was. The
// superuser writes into read-only folders, so as root the test runs again as nobody.
TEST_F(ConfigSaveFailure, AReadOnlyFolderSaysSoAndKeepsTheOldFile) {
  ZT6_AS_UNPRIVILEGED_USER();
  const fs::path own = program.configPlace.directory;
  std::ofstream(program.configPlace.ConfigurationFile(), std::ios::binary) << "old";
  fs::permissions(own, fs::perms::owner_write, fs::perm_options::remove);
  const std::string error = SaveAndGiveUp();
  fs::permissions(own, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(error, "Schreibschutz entfernen !");
  EXPECT_EQ(FileText(), "old");
}

}  // namespace
}  // namespace zt6
