// Document links and change records as a user meets them: a link that cannot start
// says so, deleting a change asks first, the change dialog refuses what does not fit.

#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "support/gui_fixture.h"

namespace zt6 {
namespace {

using test_support::ClickButton;
using test_support::GuiFixture;
using test_support::TextOf;
using test_support::Type;

class DocumentsAndChangesTest : public GuiFixture {
 protected:
  // Answers the next message box and keeps its text.
  void ExpectBox(QString& text) {
    script.Expect("MessageBox", [&text](QWidget* w) {
      text = qobject_cast<QMessageBox*>(w)->text();
      qobject_cast<QMessageBox*>(w)->accept();
    });
  }
};

// Before, both links did nothing and said nothing.
TEST_F(DocumentsAndChangesTest, ALinkThatCannotStartNamesProgramAndFile) {
  program.docs.documents[0] = {"NOTEPAD.EXE", "/home/walk/notiz.txt"};
  program.docs.documents[1] = {"/opt/fehlt/betrachter", "plan 2.pdf"};
  launcher.succeed = false;
  struct Case {
    const char* item;
    std::vector<QString> named;
  };
  for (const Case& c : {Case{"mi_Document1", {"Dokument 1", "NOTEPAD.EXE", "/home/walk/notiz.txt"}},
                        Case{"mi_Document2", {"Dokument 2", "/opt/fehlt/betrachter", "plan 2.pdf"}}}) {
    SCOPED_TRACE(c.item);
    QString text;
    ExpectBox(text);
    Run(c.item);
    for (const QString& part : c.named) EXPECT_TRUE(text.contains(part)) << text.toStdString();
  }
}

// "Letzte Änderung löschen" asks, naming the record; No keeps it.
TEST_F(DocumentsAndChangesTest, DeletingTheLastChangeAsksFirst) {
  program.docs.changeCount = 2;
  program.docs.changes[1].changeText = Oem("Welle gekürzt");
  program.docs.changes[1].date = "11.12.2026";
  QString question;
  script.Expect("YesNoCancel", [&](QWidget* w) {
    question = qobject_cast<QMessageBox*>(w)->text();
    qobject_cast<QMessageBox*>(w)->button(QMessageBox::No)->click();
  });
  Run("mi_docudeleteChange");
  EXPECT_EQ(program.docs.changeCount, 2u);
  EXPECT_FALSE(program.modified);
  for (const char* part : {"Welle gekürzt", "11.12.2026", "b"})
    EXPECT_TRUE(question.contains(QString::fromUtf8(part))) << question.toStdString();

  script.Expect("YesNoCancel", [](QWidget* w) {
    qobject_cast<QMessageBox*>(w)->button(QMessageBox::Yes)->click();
  });
  script.Expect("TForm_showtextfile", [](QWidget* w) { qobject_cast<QDialog*>(w)->accept(); });
  Run("mi_docudeleteChange");
  EXPECT_EQ(program.docs.changeCount, 1u);
  EXPECT_TRUE(program.modified);
}

// Typing past a field's width is refused where it is seen; a date that is no date is
// refused with a message naming the field and the dialog stays open.
TEST_F(DocumentsAndChangesTest, TheChangeDialogRefusesWhatDoesNotFit) {
  program.docs.changeCount = 1;
  program.docs.changes[0].date = "01.02.2026";
  QString hint, refusal;
  bool stayedOpen = false;
  QPointer<QWidget> dialog;
  script.Expect("TForm_EinAend", [&](QWidget* w) {
    dialog = w;
    Type(w, "Edit_aenderung", QString::fromUtf8("Zahnbreite geändert auf 25"));
    EXPECT_EQ(TextOf(w, "Edit_aenderung"), QString::fromUtf8("Zahnbreite geändert "));
    hint = w->findChild<QLabel*>("Label_limit")->text();
    Type(w, "Edit_datum", "gestern");
    ClickButton(w, "Button_ok");
  });
  script.Expect("MessageBox", [&](QWidget* w) {
    refusal = qobject_cast<QMessageBox*>(w)->text();
    qobject_cast<QMessageBox*>(w)->accept();
    QTimer::singleShot(0, [&] {
      stayedOpen = dialog && dialog->isVisible();
      if (!stayedOpen) return;
      EXPECT_EQ(TextOf(dialog, "Edit_datum"), "gestern");
      Type(dialog, "Edit_datum", "12.12.2026");
      ClickButton(dialog, "Button_ok");
    });
  });
  script.Expect("TForm_showtextfile", [](QWidget* w) { qobject_cast<QDialog*>(w)->accept(); });
  Run("mi_docuModifyChanges");
  EXPECT_TRUE(hint.contains("20")) << hint.toStdString();
  EXPECT_TRUE(refusal.contains("Datum") && refusal.contains("gestern")) << refusal.toStdString();
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(program.docs.changes[0].changeText, Oem("Zahnbreite geändert "));
  EXPECT_EQ(program.docs.changes[0].date, "12.12.2026");
}

}  // namespace
}  // namespace zt6
