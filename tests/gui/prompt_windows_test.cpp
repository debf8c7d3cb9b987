// The prompt windows behind the Ui port: which window a choice uses, what each returns
// on OK and on Cancel, and the message window's edits.

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include "gui/qt_ui.h"
#include "support/gui_fixture.h"
#include "support/modal_script.h"

namespace zt6 {
namespace {

using test_support::ClickButton;

class PromptWindowsTest : public ::testing::Test {
 protected:
  std::vector<std::string> Items(int n) {
    std::vector<std::string> items;
    for (int i = 1; i <= n; ++i) items.push_back("Wahl " + std::to_string(i));
    return items;
  }
  ShellState shell;
  gui::QtUi ui{shell};
  test_support::ModalScript script;
};

TEST_F(PromptWindowsTest, ChoiceUsesRadioButtonsUpToSevenAndAListAbove) {
  script.Expect("Tin_radiodialog", [](QWidget* w) {
    EXPECT_TRUE(w->findChild<QRadioButton*>("RadioButton_3")->isChecked());
    ClickButton(w, "RadioButton_7");
    ClickButton(w, "Button_ok");
  });
  EXPECT_EQ(ui.AskChoice("Auswahl treffen", Items(7), 3), 7);
  script.Expect("Tin_codedialog", [](QWidget* w) {
    auto* list = w->findChild<QListWidget*>("ListBox1");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 8);
    EXPECT_EQ(list->currentRow(), 0);  // a current choice above n becomes 1
    list->setCurrentRow(7);
    QTest::keyClick(list, Qt::Key_Return);
  });
  EXPECT_EQ(ui.AskChoice("Auswahl treffen", Items(8), 9), 8);
  script.Expect("Tin_radiodialog", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
  EXPECT_EQ(ui.AskChoice("Auswahl treffen", Items(2), 1), std::nullopt);
  EXPECT_TRUE(script.Done());
  EXPECT_TRUE(script.unexpected.empty());
}

TEST_F(PromptWindowsTest, YesNoAndTextReturnWhatWasChosenOrTyped) {
  script.Expect("Tin_janeindialog", [](QWidget* w) {
    EXPECT_TRUE(w->findChild<QRadioButton*>("RadioButton_nein")->isChecked());
    EXPECT_EQ(w->windowTitle(), "Eingabe");
    ClickButton(w, "RadioButton_ja");
    ClickButton(w, "Button_ok");
  });
  EXPECT_EQ(ui.AskYesNo("Weiter ?", false), true);
  script.Expect("Tin_textdialog", [](QWidget* w) {
    auto* edit = w->findChild<QLineEdit*>("EditEinText");
    EXPECT_EQ(edit->maxLength(), 5);
    test_support::Type(w, "EditEinText", QString::fromUtf8("Größe123"));
    QTest::keyClick(edit, Qt::Key_Return);  // Enter in the field confirms
  });
  EXPECT_EQ(ui.AskText("Eingabe", "Name", 5, "alt"), std::optional<std::string>("Größe"));
  script.Expect("Tin_textdialog", [](QWidget* w) {
    QTest::keyClick(w->findChild<QLineEdit*>("EditEinText"), Qt::Key_Escape);
  });
  EXPECT_EQ(ui.AskText("Eingabe", "Name", 20, "alt"), std::nullopt);
  EXPECT_TRUE(script.Done());
}

TEST_F(PromptWindowsTest, MessageWindowReturnsEditsOnlyWhenSavingWasConfirmed) {
  auto editRemedy = [](QWidget* w) {
    w->findChild<QPlainTextEdit*>("Memo_abhilfe")->setPlainText(QString::fromUtf8("Dii größer wählen"));
    ClickButton(w, "Button_ok");
  };
  script.Expect("Thelperr", editRemedy);
  script.Expect("SaveChanges", [](QWidget* w) {
    qobject_cast<QMessageBox*>(w)->button(QMessageBox::Yes)->click();
  });
  MessageWindowResult saved = ui.ShowMessageWindow("Fatal  : Dii =0 !", "Ursache", "Abhilfe");
  EXPECT_FALSE(saved.cancelled);
  EXPECT_EQ(saved.editedRemedy, std::optional<std::string>("Dii größer wählen"));
  EXPECT_EQ(saved.editedCause, std::optional<std::string>("Ursache"));

  script.Expect("Thelperr", editRemedy);
  script.Expect("SaveChanges", [](QWidget* w) {
    qobject_cast<QMessageBox*>(w)->button(QMessageBox::No)->click();
  });
  MessageWindowResult kept = ui.ShowMessageWindow("Fatal  : Dii =0 !", "Ursache", "Abhilfe");
  EXPECT_FALSE(kept.editedRemedy.has_value());

  script.Expect("Thelperr", [](QWidget* w) { ClickButton(w, "Button_ok"); });
  EXPECT_FALSE(ui.ShowMessageWindow("m", "c", "r").editedCause.has_value());

  // Enter right after opening confirms; it must not break a line in the cause.
  QString focused;
  script.Expect("Thelperr", [&focused](QWidget* w) {
    focused = w->focusWidget() != nullptr ? w->focusWidget()->objectName() : QString();
    QTest::keyClick(w->focusWidget() != nullptr ? w->focusWidget() : w, Qt::Key_Return);
    if (w->isVisible()) qobject_cast<QDialog*>(w)->reject();
  });
  MessageWindowResult entered = ui.ShowMessageWindow("m", "c", "r");
  EXPECT_EQ(focused.toStdString(), "Button_ok");
  EXPECT_FALSE(entered.cancelled);
  EXPECT_FALSE(entered.editedCause.has_value());
  EXPECT_TRUE(script.Done());
  EXPECT_TRUE(script.unexpected.empty());
}

}  // namespace
}  // namespace zt6
