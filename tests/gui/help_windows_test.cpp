// Help in the windows: the help buttons of a dialog and a prompt, tooltips, the help
// image browser, and the whole demonstration answered step by step.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QMessageBox>
#include <QPushButton>

#include "app/help/demonstration.h"
#include "base/safe_file.h"
#include "base/text_lines.h"
#include "gui/drawing_view.h"
#include "support/gui_fixture.h"

namespace zt6 {
namespace {

using test_support::ClickButton;

// Accepts a message box and keeps its caption and text.
test_support::ModalScript::Action Note(QString& caption, QString& text) {
  return [&caption, &text](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    caption = box->windowTitle();
    text = box->text();
    box->button(box->standardButtons() & QMessageBox::Ok ? QMessageBox::Ok : QMessageBox::Cancel)
        ->click();
  };
}

class HelpWindowsTest : public test_support::GuiFixture {
 protected:
  // The number of records the help image left in the drawing stream.
  std::size_t Drawn() const { return program.drawing.Records().size(); }
};

TEST_F(HelpWindowsTest, HelpButtonsShowTheTextAndTheImageOfTheirNumber) {
  QString caption, text;
  std::size_t imageRecords = 0;
  std::string labels;
  script.Expect("TForm_zt6abm", [&](QWidget* w) {
    script.Expect("MessageBox", Note(caption, text));
    ClickButton(w, "Button_help");
    ClickButton(w, "Button_helpimage");
    imageRecords = Drawn();
    for (const std::string& r : program.drawing.Records())
      if (r.rfind("6;", 0) == 0) labels += r + "\n";
    ClickButton(w, "Button_cancel");
  });
  Run("mi_editabmessungen");
  EXPECT_EQ(caption, "HILFETEXT Nr.5005");
  EXPECT_TRUE(text.contains("DIN 5481")) << text.toStdString();
  EXPECT_TRUE(text.contains(QString::fromUtf8("Außenteil"))) << text.toStdString();
  // The profile image: its outlines and the labels of the diameters.
  EXPECT_GT(imageRecords, 40u);
  for (const char* symbol : {"Dee", "Dii", "Die", "Dei", "DFe", "DFi", "gamma e", "gamma i"})
    EXPECT_NE(labels.find(symbol), std::string::npos) << symbol << " in\n" << labels;

  // A prompt's help button shows the current help number's text. The cancelled
  // dimensions changed nothing, so New asks no save question first.
  script.Expect("Tin_radiodialog", [&](QWidget* w) {
    script.Expect("MessageBox", Note(caption, text));
    ClickButton(w, "Button_help");
    ClickButton(w, "Button_cancel");
  });
  Run("mi_fileNew");
  EXPECT_EQ(caption, "HILFETEXT Nr.2750");
  EXPECT_TRUE(text.contains("Auslegung")) << text.toStdString();
}

// A help image asked for from a dialog opens in front of that dialog (the drawing area is
// behind it), whole: the profile image's last line of text is not cut at the bottom edge.
TEST_F(HelpWindowsTest, AHelpImageOpensInFrontOfTheDialogThatAskedForIt) {
  QImage picture;
  bool inFront = false;
  script.Expect("TForm_zt6abm", [&](QWidget* w) {
    ClickButton(w, "Button_helpimage");
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() != "TForm_helppicture" || !top->isVisible()) continue;
      inFront = top->parentWidget() == w;
      picture = top->findChild<gui::DrawingView*>()->grab().toImage();
    }
    ClickButton(w, "Button_cancel");
  });
  Run("mi_editabmessungen");
  EXPECT_TRUE(inFront);
  ASSERT_FALSE(picture.isNull());
  const QRgb background = picture.pixel(picture.width() - 1, 0);
  auto painted = [&](int y) {
    int n = 0;
    for (int x = 0; x < picture.width(); ++x) n += picture.pixel(x, y) != background;
    return n;
  };
  int all = 0;
  for (int y = 0; y < picture.height(); ++y) all += painted(y);
  EXPECT_GT(all, 2000);
  // Nothing of the picture touches the bottom edge: the lowest text ends above it.
  for (int y = picture.height() - 2; y < picture.height(); ++y) EXPECT_EQ(painted(y), 0) << y;
}

// F1 shows the help text of the focused field, else of its window; Document Setup's
// tooltips stay at help level 0, and the red Dii field says why it is red. Before, F1
// did nothing.
TEST_F(HelpWindowsTest, F1ShowsTheHelpOfTheFocusedFieldOrItsWindow) {
  program.config.helpLevel = 0;
  QString caption, text, tip;
  script.Expect("TForm_confDoku", [&](QWidget* w) {
    tip = w->findChild<QLabel*>("Label_file2")->toolTip();
    script.Expect("MessageBox", Note(caption, text));
    QTest::keyClick(w->findChild<QLineEdit*>("Edit_file2"), Qt::Key_F1);
    ClickButton(w, "Button_cancel");
  });
  Run("mi_DocumentSetup");
  EXPECT_EQ(caption, "HILFETEXT Nr.2720");
  EXPECT_FALSE(tip.isEmpty());

  script.Expect("TForm_zt6abm", [&](QWidget* w) {
    tip = w->findChild<QLineEdit*>("Edit_d1")->toolTip();
    script.Expect("MessageBox", Note(caption, text));
    QTest::keyClick(w->findChild<QLineEdit*>("Edit_z"), Qt::Key_F1);
    ClickButton(w, "Button_cancel");
  });
  Run("mi_editabmessungen");
  EXPECT_EQ(caption, "HILFETEXT Nr.5005");
  EXPECT_TRUE(tip.startsWith("Rot: Dii")) << tip.toStdString();

  // A prompt: the current help number.
  script.Expect("Tin_radiodialog", [&](QWidget* w) {
    script.Expect("MessageBox", Note(caption, text));
    QTest::keyClick(w, Qt::Key_F1);
    ClickButton(w, "Button_cancel");
  });
  Run("mi_fileNew");
  EXPECT_EQ(caption, "HILFETEXT Nr.2750");
}

TEST_F(HelpWindowsTest, LabelsOfTheLoadDialogShowTheirHelpTextAsTooltip) {
  QString tip, klambda;
  script.Expect("TForm_zt4last", [&](QWidget* w) {
    for (QLabel* label : w->findChildren<QLabel*>()) {
      if (label->text() == "Nenndrehmoment") tip = label->toolTip();
    }
    klambda = w->findChild<QPushButton*>("Button_klambda")->toolTip();
    ClickButton(w, "Button_cancel");
  });
  Run("mi_editLast");
  EXPECT_TRUE(tip.startsWith("Nenndrehmoment TN in Nm")) << tip.toStdString();
  EXPECT_FALSE(tip.contains('\n'));
  EXPECT_TRUE(klambda.contains("K lambda")) << klambda.toStdString();
}

TEST_F(HelpWindowsTest, TheImageBrowserDrawsTheFirstImageThenTheChosenOnes) {
  std::vector<std::string> firstImage, secondImage;
  int entries = 0;
  script.Expect("TForm_hilfebild", [&](QWidget* w) {
    firstImage = program.drawing.Records();
    entries = w->findChild<QComboBox*>("ListBox1")->count();
    ClickButton(w, "SpinButton1_down");
  });
  script.Expect("TForm_hilfebild", [&](QWidget* w) {
    secondImage = program.drawing.Records();
    EXPECT_EQ(w->findChild<QComboBox*>("ListBox1")->currentIndex(), 1);
    ClickButton(w, "Button_ok");
  });
  Run("mi_HelpHilfebild");
  EXPECT_GE(entries, 12);
  EXPECT_GT(firstImage.size(), 20u);
  EXPECT_GT(secondImage.size(), 20u);
  EXPECT_NE(firstImage, secondImage);
}

class DemonstrationTest : public test_support::GuiFixture {
 protected:
  std::vector<QString> shipped;  // the control file's texts as the boxes show them
  std::vector<QString> shown;

  void SetUp() override {
    const FileContent file = ReadWholeFile(std::string(ZT6_HELP_DIR) + "/zt6.dem", 1 << 20);
    ASSERT_TRUE(file.ok);
    const std::vector<std::string> lines = SplitLines(file.bytes);
    for (std::size_t n = 1; n <= DemonstrationSequence().size(); ++n)
      shipped.push_back(QString::fromStdString(Cp850ToUtf8(DemonstrationText(lines, static_cast<int>(n)))));
  }
  void Text() {
    script.Expect("ConfirmMessage", [this](QWidget* w) {
      shown.push_back(qobject_cast<QMessageBox*>(w)->text());
      qobject_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click();
    });
  }
  void Window(const char* name, const char* button = "Button_ok") {
    script.Expect(name, [button](QWidget* w) { ClickButton(w, button); });
  }
  void Answer(QMessageBox::StandardButton answer) {
    script.Expect("YesNoCancel", [answer](QWidget* w) {
      EXPECT_EQ(qobject_cast<QMessageBox*>(w)->text(), "Demomodus beenden ?");
      qobject_cast<QMessageBox*>(w)->button(answer)->click();
    });
  }
};

TEST_F(DemonstrationTest, RunsEveryStepWithItsTextAndGoesOnAfterACancelledDialogAnsweredNo) {
  Text();  // the introduction
  Text();
  Text();  // 1: the image browser ends after its first image
  Text();  // 2: Edit > Text
  Window("TForm_uni5");
  Text();  // 3: Edit > Dimensions, cancelled
  Window("TForm_zt6abm", "Button_cancel");
  Answer(QMessageBox::No);
  Text();  // 4: Edit > Material
  Window("TForm_ztwst");
  Text();  // 5: Edit > Load
  Window("TForm_zt4last");
  Text();  // 6
  Text();  // 7: Quick
  Text();  // 8: the report
  script.Expect("TForm_showtextfile", [](QWidget* w) { qobject_cast<QDialog*>(w)->accept(); });
  Text();  // 9: table min/max of the shaft
  Text();  // 10: the hub's manufacturing drawing
  Text();  // 11: the tolerance diagram
  Text();  // 12: CAD tooth profile shaft + hub: on the screen
  script.Expect("Tin_radiodialog", [](QWidget* w) {
    ClickButton(w, "RadioButton_3");
    ClickButton(w, "Button_ok");
  });
  Text();  // 13: File > Settings
  script.Expect("NotAvailable|Tconfig", [](QWidget* w) { qobject_cast<QDialog*>(w)->accept(); });
  Text();  // 14
  DesignRecord during;
  script.Expect("ConfirmMessage", [this, &during](QWidget* w) {  // 15
    during = program.design;
    shown.push_back(qobject_cast<QMessageBox*>(w)->text());
    qobject_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click();
  });
  const DesignRecord before = program.design;
  Run("mi_helpDemo");
  ASSERT_EQ(shown.size(), shipped.size() + 2) << script.seen.size();
  EXPECT_TRUE(shown[0].startsWith("ZT6DEMO  ist  ein selbstablaufendes Demoprogramm"));
  EXPECT_TRUE(shown[1].startsWith("Mit <ENTER> oder einem Mausklick"));
  for (std::size_t n = 0; n < shipped.size(); ++n) EXPECT_EQ(shown[n + 2], shipped[n]) << n + 1;
  EXPECT_FALSE(program.shell.demoMode);
  // The tour's example design: row 4 of the DIN 5481 table with the two materials and
  // the load; afterwards the design before the tour is back.
  EXPECT_EQ(during.tableRow, 4);
  EXPECT_EQ(during.material[0].name, "16MnCr5");
  EXPECT_EQ(during.material[1].Re, 150);
  EXPECT_DOUBLE_EQ(during.l, 26);
  EXPECT_DOUBLE_EQ(during.Tmax, 300);
  EXPECT_EQ(program.design.tableRow, before.tableRow);
  EXPECT_EQ(program.design.material[0].name, before.material[0].name);
  EXPECT_DOUBLE_EQ(program.design.Tmax, before.Tmax);
}

TEST_F(DemonstrationTest, ACancelledDialogAnsweredYesEndsIt) {
  Text();
  Text();
  Text();  // 1
  Text();  // 2
  Window("TForm_uni5", "Button_cancel");
  Answer(QMessageBox::Yes);
  Run("mi_helpDemo");
  EXPECT_EQ(shown.size(), 4u);
  EXPECT_FALSE(program.shell.demoMode);
  EXPECT_TRUE(program.shell.cancel);
}

}  // namespace
}  // namespace zt6

namespace zt6 {
namespace {

// "wzt6 DEMO": demonstration mode with its introduction; cancelled, the mode ends.
TEST_F(DemonstrationTest, AStartWithDemoShowsTheIntroductionAndCancelEndsTheMode) {
  program.shell.demoMode = true;
  Text();
  Text();
  window->DemoStartIntroduction();
  EXPECT_TRUE(script.Done());
  EXPECT_TRUE(program.shell.demoMode);
  EXPECT_EQ(shown.size(), 2u);

  script.Expect("ConfirmMessage", [](QWidget* w) {
    qobject_cast<QMessageBox*>(w)->button(QMessageBox::Cancel)->click();
  });
  window->DemoStartIntroduction();
  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(program.shell.demoMode);
}

}  // namespace
}  // namespace zt6
