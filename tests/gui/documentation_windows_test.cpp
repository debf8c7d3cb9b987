// The documentation menu driven through the real windows: a change record typed with
// umlauts, the drawing information with its grids, the document setup with its file
// chooser, opening documents, OK and Cancel; the project file written afterwards.

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <filesystem>

#include "base/codepage.h"
#include "support/file_bytes.h"
#include "support/gui_fixture.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::ClickButton;
using test_support::TextOf;
using test_support::Type;

// Types into the widget with focus character by character, umlauts included.
void Keys(QWidget* widget, const QString& text) {
  for (const QChar c : text)
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

class DocumentationWindowsTest : public test_support::GuiFixture {
 protected:
  void OpenExample() {
    std::filesystem::copy_file(std::string(ZT6_DATA_DIR) + "/examples/welle_12x14.zt6", project);
    program.recent.entries[0] = project.string();
    Run("mi_file1");
    ASSERT_EQ(program.projectName, "welle_12x14");
  }
  // Saves the project and returns its file as UTF-8.
  std::string SavedProject() {
    Run("mi_FileSave");
    return Cp850ToUtf8(test_support::FileBytes(project));
  }
  void ShowsList(QString& text) {
    script.Expect("TForm_showtextfile", [&text](QWidget* w) {
      text = w->findChild<QPlainTextEdit*>("Memo1")->toPlainText();
      qobject_cast<QDialog*>(w)->accept();
    });
  }

  fs::path project = dir.path() / "welle_12x14.zt6";
  const QString today = QString::fromStdString(TodayText(program.config.format.dateCode));
};

TEST_F(DocumentationWindowsTest, ChangeRecordTypedWithUmlautsOkAndCancel) {
  OpenExample();
  QString caption;
  script.Expect("TForm_EinAend", [&](QWidget* w) {
    caption = w->windowTitle();
    EXPECT_EQ(TextOf(w, "Edit_datum"), today);
    Type(w, "Edit_datum", "1.1.2020");
    ClickButton(w, "Button_datum");  // back to today
    Type(w, "Edit_aenderung", "Welle gekürzt");
    Type(w, "Edit_bearbeiter", "Jürgen");  // the field takes five characters
    auto* memo = w->findChild<QPlainTextEdit*>("Memo_beschreibung");
    ASSERT_NE(memo, nullptr);
    memo->setFocus();
    Keys(memo, QString::fromUtf8("Länge 20 → 18"));
    QTest::keyClick(memo, Qt::Key_Return);
    Keys(memo, "wegen Bauraum");
    ClickButton(w, "Button_ok");
  });
  QString list;
  ShowsList(list);
  Run("mi_docuNewChange");
  EXPECT_EQ(caption, QString::fromUtf8("Änderung 1"));
  ASSERT_EQ(program.docs.changeCount, 1u);
  const AendRecord& record = program.docs.changes[0];
  EXPECT_EQ(record.changeText, Oem("Welle gekürzt"));
  EXPECT_EQ(record.editor, Oem("Jürge"));
  EXPECT_EQ(record.date, today.toStdString());
  EXPECT_EQ(Cp850ToUtf8(record.description), "Länge 20 ? 18\nwegen Bauraum");  // no arrow in 850
  EXPECT_TRUE(program.modified);  // closing now asks to save the record
  EXPECT_TRUE(list.contains(QString::fromUtf8("a     ") + today + "   Jürge    Welle gekürzt"))
      << list.toStdString();
  EXPECT_TRUE(list.contains(QString::fromUtf8(" wegen Bauraum")));

  std::string saved = SavedProject();
  EXPECT_NE(saved.find("\r\nWelle gekürzt\r\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("\r\nLänge 20 ? 18|wegen Bauraum\r\n"), std::string::npos);

  // Cancel: the record stays as it was and no list is shown.
  script.Expect("TForm_EinAend", [](QWidget* w) {
    Type(w, "Edit_aenderung", "verworfen");
    ClickButton(w, "Button_cancel");
  });
  Run("mi_docuModifyChanges");
  EXPECT_EQ(program.docs.changes[0].changeText, Oem("Welle gekürzt"));
  EXPECT_FALSE(program.modified);
  EXPECT_EQ(SavedProject(), saved);

  // A new record cancelled stays counted with today's date; no list either.
  script.Expect("TForm_EinAend", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
  Run("mi_docuNewChange");
  EXPECT_EQ(program.docs.changeCount, 2u);
  EXPECT_EQ(program.docs.changes[1].date, today.toStdString());
}

TEST_F(DocumentationWindowsTest, DescriptionTypedBeyondTheLimitIsTakenBack) {
  OpenExample();
  AddChangeRecord(program.docs, "01.01.2026");
  program.docs.changes[0].description = std::string(250, 'x');
  script.Expect("TForm_EinAend", [](QWidget* w) {
    auto* memo = w->findChild<QPlainTextEdit*>("Memo_beschreibung");
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    Keys(memo, QString::fromUtf8("äöüßxyz"));  // 257 characters would be too many
    EXPECT_EQ(memo->toPlainText().size(), 255);
    ClickButton(w, "Button_ok");
  });
  QString list;
  ShowsList(list);
  Run("mi_docuModifyChanges");
  EXPECT_EQ(program.docs.changes[0].description, std::string(250, 'x') + Oem("äöüßx"));
}

TEST_F(DocumentationWindowsTest, DrawingInformationGridsOkAndCancel) {
  OpenExample();
  program.config.releaseFieldText = Oem("Freigabe");
  QString releaseLabel;
  script.Expect("TForm_zeichInfo", [&](QWidget* w) {
    auto* signOff = w->findChild<QTableWidget*>("StringGrid1");
    auto* texts = w->findChild<QTableWidget*>("StringGrid2");
    ASSERT_NE(signOff, nullptr);
    ASSERT_NE(texts, nullptr);
    releaseLabel = signOff->verticalHeaderItem(3)->text();
    Type(w, "Edit_ersatzfuer", "W-100 Ä");
    ClickButton(w, "Button4");
    signOff->item(0, 1)->setText(QString::fromUtf8("Jürgen"));
    signOff->item(1, 1)->setText(QString::fromUtf8("Schäfer"));
    const QStringList row1{"100", "150", "3,5", "0", QString::fromUtf8("Härte 58 HRC")};
    const QStringList row2{"20", "30", "2.5", "90", "zweite"};
    const QStringList row4{"1", "1", "1", "0", "vierte"};
    for (int c = 0; c < 5; ++c) {
      texts->item(0, c)->setText(row1[c]);
      texts->item(1, c)->setText(row2[c]);
      texts->item(3, c)->setText(row4[c]);
    }
    // A cell still open in its editor when OK is clicked is taken as well.
    texts->editItem(texts->item(1, 4));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->setText(QString::fromUtf8("zweite Zeile ö"));
    ClickButton(w, "Button_ok");
  });
  Run("mi_docdrawinginfo");
  EXPECT_EQ(releaseLabel, "Freigabe");
  const DocumentationData& docs = program.docs;
  EXPECT_EQ(docs.replacementFor, Oem("W-100 Ä"));
  EXPECT_EQ(docs.signOff[0].name, Oem("Jürgen"));
  EXPECT_EQ(docs.signOff[3].date, today.toStdString());
  ASSERT_EQ(docs.freeTextCount, 2u);  // row 3 empty: row 4 is not stored
  EXPECT_EQ(docs.freeTexts[0].h, 3.5);
  EXPECT_EQ(docs.freeTexts[1].text, Oem("zweite Zeile ö"));
  EXPECT_TRUE(program.modified);

  const std::string saved = SavedProject();
  EXPECT_NE(saved.find("W-100 Ä"), std::string::npos);
  EXPECT_NE(saved.find("|Härte 58 HRC||"), std::string::npos) << saved;

  script.Expect("TForm_zeichInfo", [](QWidget* w) {
    Type(w, "Edit_ersetztdurch", "W-200");
    ClickButton(w, "Button_cancel");
  });
  Run("mi_docdrawinginfo");
  EXPECT_FALSE(program.modified);
  EXPECT_EQ(SavedProject(), saved);

  // The next manufacturing drawing on the screen carries the sign-off names.
  Run("mi_viewfertigungszeichnungwelle");
  bool found = false;
  for (const std::string& record : program.drawing.Records())
    if (record.find(Oem("Schäfer")) != std::string::npos) found = true;
  EXPECT_TRUE(found);
}

TEST_F(DocumentationWindowsTest, DocumentSetupAndOpeningDocuments) {
  OpenExample();
  script.Expect("TForm_confDoku", [](QWidget* w) {
    EXPECT_EQ(w->windowTitle(), "Dokumente einrichten");
    EXPECT_EQ(w->findChild<QLabel*>("Label_prog3")->property("helpNumber").toInt(), 2710);
    EXPECT_EQ(w->findChild<QLabel*>("Label_file3")->property("helpNumber").toInt(), 2720);
    EXPECT_TRUE(w->findChild<QLabel*>("Label_prog3")->toolTip().startsWith("Programm zum Dokument"))
        << w->findChild<QLabel*>("Label_prog3")->toolTip().toStdString();
    Type(w, "Edit_prog1", "/usr/bin/okular");
    Type(w, "Edit_file1", "Prüfplan 1.pdf");
    ClickButton(w, "Button_file1");  // the chooser is closed without a choice
    EXPECT_EQ(TextOf(w, "Edit_file1"), QString::fromUtf8("Prüfplan 1.pdf"));
    Type(w, "Edit_file2", "/nicht/da.txt");
    ClickButton(w, "Button_ok");
  });
  script.Expect("OpenDialog", [](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
  Run("mi_DocumentSetup");
  EXPECT_TRUE(program.modified);
  EXPECT_EQ(program.docs.documents[0].program, "/usr/bin/okular");
  EXPECT_EQ(program.docs.documents[0].file, "Prüfplan 1.pdf");

  Run("mi_Document1");
  launcher.succeed = false;  // a start that fails says so, naming program and file
  script.Expect("MessageBox", [](QWidget* w) {
    EXPECT_TRUE(qobject_cast<QMessageBox*>(w)->text().contains("/nicht/da.txt"));
    qobject_cast<QMessageBox*>(w)->accept();
  });
  Run("mi_Document2");
  ASSERT_EQ(launcher.calls.size(), 2u);
  EXPECT_FALSE(launcher.calls[0].open);
  EXPECT_EQ(launcher.calls[0].program, "/usr/bin/okular");
  EXPECT_EQ(launcher.calls[0].arguments, std::vector<std::string>{"Prüfplan 1.pdf"});
  EXPECT_TRUE(launcher.calls[1].open);
  EXPECT_EQ(launcher.calls[1].program, "/nicht/da.txt");

  // Cancel after editing: nothing stored, the flag as it was.
  const std::string saved = SavedProject();
  EXPECT_FALSE(program.modified);
  script.Expect("TForm_confDoku", [](QWidget* w) {
    Type(w, "Edit_prog4", "anders");
    ClickButton(w, "Button_cancel");
  });
  Run("mi_DocumentSetup");
  EXPECT_FALSE(program.modified);
  EXPECT_EQ(SavedProject(), saved);
  // Links are held as typed, file-system names in UTF-8.
  EXPECT_NE(test_support::FileBytes(project).find("\r\nPrüfplan 1.pdf\r\n"), std::string::npos);
}

}  // namespace
}  // namespace zt6
