#pragma once
// The main window: the drawing area with the main menu. Its menu commands run the
// core's commands and refresh title, recent items, the message item and the picture.

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/commands/drawing_command.h"
#include "app/commands/main_commands.h"
#include "app/lookups/size_lookup.h"
#include "app/lookups/table_access.h"
#include "app/ports/launcher.h"
#include "app/ports/printer.h"
#include "app/ports/workbook.h"
#include "app/ports/prompts.h"
#include "app/state/program.h"
#include "gui/help_display.h"

class QAction;
class QMenu;

namespace zt6::gui {

class DrawingView;
class QtInputDialogs;
class QtPrinter;
class QtDocumentationDialogs;
class QtUi;
class TableEditorWindow;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(Program& program, QtUi& ui, Prompts& prompts, Launcher& launcher, Printer& printer,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // Runs the command of a menu item by its name ("mi_fileNew"), as its click does.
  // False for a name that is no item of the menu or whose command has no handler.
  bool Click(const std::string& itemName);
  // True when the window carries out that command.
  bool Handles(MenuCommand command) const { return handlers_.contains(command); }
  // After start-up: captions, language, title and the picture of the first calculation.
  void FormCreate();
  // After a start with "DEMO": the demonstration's introduction.
  void DemoStartIntroduction();
  // After a start with a command-line file that ends early: asks whether to take it.
  void OpenCutCommandLineProject();

  MainCommands& Commands() { return *commands_; }
  DrawingView& View() { return *view_; }
  // Made on first use: its window and menus cost the start time of the first drawing.
  TableEditorWindow& TableEditor();
  QAction* Item(const std::string& name) const;
  // The printer drawings are printed on: the desktop's QtPrinter, or the window's own
  // when it was given another Printer.
  QtPrinter& DrawingPrinter();

  void RefreshCaptions();
  void RefreshTitle();
  void RefreshRecentItems();
  void AfterCalculationRefresh();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenu();
  void BindHandlers();
  void ShowDrawing(int kind);
  void CadDrawing(int kind);
  void StepModel();  // the CAD menu's 3D model as a STEP file
  void Report(bool runMessages);
  void ChangeRecords(int operation);
  void OpenTable();
  void Settings();
  void SettingsApplied();
  void FormDestroy();
  void PrintConfiguration(bool setupMode);
  void Spreadsheet(MenuCommand command);
  void RunDemonstration();

  Program& program_;
  QtUi& ui_;
  Prompts& prompts_;
  Launcher& launcher_;
  Printer& printer_;
  TableAccess access_;
  DatabaseTables tables_;
  PromptCadPorts cadPorts_;
  DrawingView* view_;
  TableEditorWindow* tableEditor_ = nullptr;
  std::unique_ptr<QtInputDialogs> dialogs_;
  std::unique_ptr<QtDocumentationDialogs> documentationDialogs_;
  std::unique_ptr<MainCommands> commands_;
  std::map<std::string, QAction*> actions_;
  std::map<std::string, QMenu*> menus_;
  std::map<MenuCommand, std::function<void(const MenuEntry&)>> handlers_;
  int lastScreenKind_ = 0;
  bool destroyed_ = false;
  std::unique_ptr<QtPrinter> ownPrinter_;
  std::unique_ptr<Workbooks> workbooks_;
  std::int64_t lastPrintout_ = 0;  // the printout record picked last
  HelpHost helpHost_;  // help texts and images of every dialog go through the main window
};

}  // namespace zt6::gui
