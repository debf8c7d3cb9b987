#pragma once
// The desktop program on a fresh Program with the shipped tables, a temporary project
// folder and recording ports, and small helpers to drive its widgets.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <memory>
#include <string>

#include "app/lookups/size_lookup.h"
#include "app/lookups/table_access.h"
#include "app/ports/batch_ports.h"
#include "app/ports/prompts.h"
#include "app/ports/recording_launcher.h"
#include "app/state/program.h"
#include "base/codepage.h"
#include "calc/calculation_run.h"
#include "gui/main_window.h"
#include "gui/qt_ui.h"
#include "support/designs.h"
#include "support/modal_script.h"
#include "support/table_copy.h"
#include "support/temp_dir.h"

namespace zt6::test_support {

// Clicks the named button of a window.
inline void ClickButton(QWidget* window, const char* name) {
  auto* button = window->findChild<QAbstractButton*>(name);
  ASSERT_NE(button, nullptr) << name << " in " << window->objectName().toStdString();
  // A radio button takes a mouse click only on its circle and label, not anywhere in its
  // stretched box; click() presses it as such a click would.
  if (button->isCheckable()) {
    button->click();
  } else {
    QTest::mouseClick(button, Qt::LeftButton);
  }
}

// Replaces the text of the named edit as typing would.
inline void Type(QWidget* window, const char* name, const QString& text) {
  auto* edit = window->findChild<QLineEdit*>(name);
  ASSERT_NE(edit, nullptr) << name;
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  // Key by key, with the character as the event's text, so umlauts type as well.
  for (const QChar c : text) {
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

inline QString TextOf(QWidget* window, const char* name) {
  auto* edit = window->findChild<QLineEdit*>(name);
  return edit == nullptr ? QString("<missing>") : edit->text();
}

class GuiFixture : public ::testing::Test {
 protected:
  GuiFixture() {
    namespace fs = std::filesystem;
    fs::create_directories(dir.path() / "tmp");
    program.config.dbfFolder = Utf8ToCp850(test_support::TableFolderCopy());
    program.config.temporaryFolder = Utf8ToCp850((dir.path() / "tmp").string());
    program.config.pltFolder = Utf8ToCp850(std::string(ZT6_DATA_DIR));
    program.projectDirectory = dir.path().string() + "/";
    program.configPlace.directory = dir.path();
    program.shell.messageBoxesEnabled = true;
    // As after start-up: a calculated connection for the first picture.
    program.design = SelfDefined12x14();
    {
      TableAccess access(program.table, prompts, program.config, program.work);
      DatabaseTables tables(access);
      CalculationRun(program.design, program.messages, tables);
    }
    window = std::make_unique<gui::MainWindow>(program, ui, prompts, launcher, printer);
    window->FormCreate();
    window->show();
  }

  // Runs a menu command while the script answers its windows.
  void Run(const std::string& item) {
    EXPECT_TRUE(window->Click(item)) << item << " is no menu item";
    EXPECT_TRUE(script.unexpected.empty())
        << "unexpected window " << script.unexpected.front() << " after " << item;
    EXPECT_TRUE(script.Done()) << "script not finished after " << item;
  }

  TempDir dir{"zt6_gui"};
  Program program;
  gui::QtUi ui{program.shell};
  Prompts prompts{ui, program.shell, program.config.format};
  RecordingLauncher launcher;
  BatchPrinter printer{std::cerr};
  ModalScript script;
  std::unique_ptr<gui::MainWindow> window;
};

}  // namespace zt6::test_support
