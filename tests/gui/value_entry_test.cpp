// Number fields of the dialogs as a user meets them: OK without an edit keeps every
// stored value, the unit switch loses nothing, bad numbers are refused naming the
// field, and Cancel leaves the project as it was.

#include <gtest/gtest.h>

#include <QMessageBox>

#include "app/files/project_file.h"
#include "support/file_bytes.h"
#include "support/gui_fixture.h"

namespace zt6 {
namespace {

using test_support::ClickButton;
using test_support::TextOf;
using test_support::Type;

class ValueEntryTest : public test_support::GuiFixture {
 protected:
  // Opens a copy of a bundled example as if from the command line.
  void OpenExample(const std::string& file) {
    const std::string source = std::string(ZT6_DATA_DIR) + "/examples/" + file;
    std::filesystem::copy_file(source, dir.path() / file);
    program.recent.entries[0] = (dir.path() / file).string();
    Run("mi_file1");
    ASSERT_FALSE(program.projectName.empty());
  }
  std::string ProjectText() const {
    return ProjectFileText(program.design, program.docs, program.config.format);
  }
  std::string SavedFile() {
    Run("mi_FileSave");
    return test_support::FileBytes(dir.path() / (program.projectName + ".zt6"));
  }
};

// Opening and saving leaves the file as it was; OK in the dimensions dialog (in mm and
// in inches) without an edit must do the same.
TEST_F(ValueEntryTest, OkWithoutAnEditKeepsTheStoredValues) {
  OpenExample("inch_shaft.zt6");
  const std::string before = SavedFile();
  for (const UnitSystem units : {UnitSystem::Metric, UnitSystem::English}) {
    program.config.format.units = units;
    script.Expect("TForm_zt6abm", [](QWidget* w) { ClickButton(w, "Button_ok"); });
    Run("mi_editabmessungen");
    EXPECT_EQ(SavedFile(), before) << (units == UnitSystem::English ? "inch" : "mm");
  }
}

// Two unit switches there and back keep untouched values exactly; a value typed in
// inches is converted from what was typed.
TEST_F(ValueEntryTest, TheUnitSwitchConvertsFromTheStoredValue) {
  OpenExample("getriebe_mit_aenderungen.zt6");
  ASSERT_EQ(program.design.dimensionSource, DimensionSource::SelfDefined);
  const DesignRecord before = program.design;
  script.Expect("TForm_zt6abm", [](QWidget* w) {
    for (int i = 0; i < 4; ++i) ClickButton(w, "Button_metric");  // mm, in, mm, in, mm
    ClickButton(w, "Button_metric");                              // inches
    Type(w, "Edit_l", "2");
    ClickButton(w, "Button_metric");                              // mm again
    EXPECT_EQ(TextOf(w, "Edit_l"), "50.8");
    ClickButton(w, "Button_ok");
  });
  Run("mi_editabmessungen");
  const DesignRecord& d = program.design;
  EXPECT_EQ(program.config.format.units, UnitSystem::Metric);
  EXPECT_EQ(d.riMax, before.riMax);
  EXPECT_EQ(d.reMax, before.reMax);
  EXPECT_EQ(d.Dii, before.Dii);
  EXPECT_EQ(d.Dee, before.Dee);
  EXPECT_EQ(d.TGi, before.TGi);
  EXPECT_EQ(d.DRe, before.DRe);
  EXPECT_DOUBLE_EQ(d.l, 50.8);

  // The material and load dialogs the same way.
  script.Expect("TForm_ztwst", [](QWidget* w) {
    for (int i = 0; i < 2; ++i) ClickButton(w, "Button_metric");
    ClickButton(w, "Button_ok");
  });
  Run("mi_EditMaterial");
  script.Expect("TForm_zt4last", [](QWidget* w) {
    for (int i = 0; i < 2; ++i) ClickButton(w, "Button_metric");
    ClickButton(w, "Button_ok");
  });
  Run("mi_editLast");
  EXPECT_EQ(d.material[0].Re, before.material[0].Re);
  EXPECT_EQ(d.material[1].fS, before.material[1].fS);
  EXPECT_EQ(d.TN, before.TN);
  EXPECT_EQ(d.Tmax, before.Tmax);
  EXPECT_EQ(d.Klambda, before.Klambda);
}

// Every number field of every dialog refuses text that is no number, an empty field
// and a value out of range with an error naming the field; the dialog stays open and
// the stored value stays.
TEST_F(ValueEntryTest, BadNumbersAreRefusedNamingTheField) {
  OpenExample("welle_12x14.zt6");
  program.design.dimensionSource = DimensionSource::SelfDefined;
  const std::string before = ProjectText();
  const double panFactor = program.config.panFactor;
  struct Case {
    const char* item;
    const char* dialog;
    const char* field;
    const char* typed;
    const char* names;  // what the error must contain
  };
  const Case cases[] = {
      {"mi_EditMaterial", "TForm_ztwst", "Edit_Re1", "abc", "Streckgrenze Re (Welle)"},
      {"mi_EditMaterial", "TForm_ztwst", "Edit_fs2", "-2", "Stützfaktor fS (Nabe)"},
      {"mi_editLast", "TForm_zt4last", "Edit_tnenn", "abc", "Nenndrehmoment TN"},
      {"mi_editLast", "TForm_zt4last", "Edit_tmax", "-100", "Maximales Drehmoment Tmax"},
      {"mi_editabmessungen", "TForm_zt6abm", "Edit_d5", "", "Teilkreisdurchmesser D"},
      {"mi_editabmessungen", "TForm_zt6abm", "Edit_z", "", "Zähnezahl z"},
      {"mi_editabmessungen", "TForm_zt6abm", "Edit_z", "2", "Zähnezahl z"},
      {"mi_editabmessungen", "TForm_zt6abm", "Edit_l", "0", "Nabenlänge l"},
      {"mi_fileConfig", "Tconfig", "Edit_panfaktor", "-5", "Pan-Faktor"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.field) + " = \"" + c.typed + "\"");
    QString error;
    bool stayedOpen = false;
    bool focused = false;
    const std::string field = c.field;
    script.Expect(c.dialog, [&, field, typed = QString::fromUtf8(c.typed)](QWidget* w) {
      Type(w, field.c_str(), typed);
      ClickButton(w, "Button_ok");
      // The error box has been answered by now (its own loop ran inside the click).
      stayedOpen = w->isVisible();
      focused = w->focusWidget() == w->findChild<QLineEdit*>(field.c_str());
      ClickButton(w, "Button_cancel");
    });
    script.Expect("MessageBox", [&error](QWidget* w) {
      error = w->property("text").toString();
      qobject_cast<QMessageBox*>(w)->accept();
    });
    Run(c.item);
    EXPECT_TRUE(error.contains(QString::fromUtf8(c.names))) << error.toStdString();
    EXPECT_TRUE(stayedOpen);
    // The settings name the field in the message; their pages are not turned to it.
    if (std::string(c.dialog) != "Tconfig") {
      EXPECT_TRUE(focused);
    }
    EXPECT_EQ(ProjectText(), before);
  }
  EXPECT_EQ(program.config.panFactor, panFactor);
}

// Abmessungen left with Abbrechen or Escape leaves the project unmodified: closing asks
// nothing.
TEST_F(ValueEntryTest, CancelledDimensionsLeaveTheProjectUnmodified) {
  OpenExample("welle_12x14.zt6");
  ASSERT_FALSE(program.modified);
  script.Expect("TForm_zt6abm", [](QWidget* w) { ClickButton(w, "Button_cancel"); });
  Run("mi_editabmessungen");
  EXPECT_FALSE(program.modified);
  script.Expect("TForm_zt6abm", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
  Run("mi_editabmessungen");
  EXPECT_FALSE(program.modified);
}

}  // namespace
}  // namespace zt6
