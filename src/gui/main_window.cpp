#include "gui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <filesystem>

#include "app/material_lookup.h"
#include "app/print_calculation_report.h"
#include "app/program_identity.h"
#include "app/project_io.h"
#include "app/project_table.h"
#include "app/report_output.h"
#include "app/run_summary.h"
#include "app/session_file.h"
#include "app/text_editor.h"
#include "calc/calculation_run.h"
#include "gui/dialog_placement.h"
#include "gui/drawing_view.h"
#include "gui/menu_style.h"
#include "gui/project_table_window.h"
#include "gui/qt_input_dialogs.h"
#include "gui/qt_text.h"
#include "gui/qt_translations.h"
#include "gui/qt_ui.h"
#include "gui/table_editor_window.h"

namespace zt6::gui {

namespace {

// Items whose window comes with a later version: they say so when chosen.
constexpr const char* kNotYetAvailable[] = {
    "mi_fileprint",        "mi_fileprintersetup",  "mi_fileConfig",
    "mi_docdrawinginfo",   "mi_docuShowChanges1",  "mi_docuPrintChanges",
    "mi_docuNewChange",    "mi_docuModifyChanges", "mi_docudeleteChange",
    "mi_Document1",        "mi_Document2",         "mi_Document3",
    "mi_Document4",        "mi_Document5",         "mi_DocumentSetup",
    "mi_OleStartExcel",    "mi_OlePrintoutExcel",  "mi_HelpHilfebild",
    "mi_helpDemo",
};

// Items with no command behind them in this system: shown, but disabled.
constexpr const char* kWithoutCommand[] = {"mi_editvorauslegung", "mi_helphistory",
                                           "mi_OleImportExcel", "mi_OleExportExcel"};

// The maker's web page and mail address are not part of this build: the items are hidden.
constexpr const char* kHidden[] = {"mi_helpwww", "mi_helpemail", "sep_help2"};

struct ScreenItem {
  const char* name;
  int kind;
};

constexpr ScreenItem kScreenDrawings[] = {
    {"mi_viewQuick", 5},
    {"mi_viewprofilwelle", 1},
    {"mi_viewprofilnabe", 2},
    {"mi_viewprofilwellenabe", 9},
    {"mi_viewfertigungszeichnungwelle", 6},
    {"mi_viewfertigungszeichnungnabe", 7},
    {"mi_viewfertigungszeichnungwellenabe", 8},
    {"mi_viewtabellewelle", 3},
    {"mi_viewtabellenabe", 4},
    {"mi_viewtabellewellenabe", 10},
    {"mi_viewtabelletolwelle", 11},
    {"mi_viewtabelletolnabe", 12},
    {"mi_viewtabelletolwellenabe", 13},
    {"mi_viewPassung", 14},
};

constexpr ScreenItem kCadDrawings[] = {
    {"mi_cadprofilwelle", 15}, {"mi_cadprofilnabe", 16}, {"mi_cadprofilwellenabe", 17},
    {"mi_cadfertwelle", 6},    {"mi_cadfertnabe", 7},    {"mi_cadfertwellenabe", 8},
};

}  // namespace

MainWindow::MainWindow(Program& program, QtUi& ui, Prompts& prompts, Launcher& launcher,
                       Printer& printer, QWidget* parent)
    : QMainWindow(parent),
      program_(program),
      ui_(ui),
      prompts_(prompts),
      launcher_(launcher),
      printer_(printer),
      access_(program.table, prompts, program.config),
      tables_(access_),
      cadPorts_(program, prompts, launcher),
      view_(new DrawingView(program.drawing, this)),
      tableEditor_(new TableEditorWindow(program, prompts, launcher, printer, this)) {
  setObjectName("Thh");
  MainWindowForDialogs() = this;
  CurrentDialogScale() = DialogScale{program.config.dialogScale, program.config.dialogElementScale};
  ui_.SetParent(this);
  ui_.SetTableEditor(tableEditor_);
  ui_.SetTemporaryFolder(&program.config.temporaryFolder);
  ui_.SetTextEditorOpener(
      [this](const std::string& file) { OpenInTextEditor(file, launcher_, prompts_); });
  dialogs_ = std::make_unique<QtInputDialogs>(program, prompts, access_, this);
  commands_ = std::make_unique<MainCommands>(program, prompts, tables_, *dialogs_, cadPorts_);
  commands_->onProjectCleared = [this] {
    lastScreenKind_ = 0;
    RefreshTitle();
    view_->update();
  };
  setCentralWidget(view_);
  BuildMenu();
  BindHandlers();

  // A new client size draws the picture again for it, once the resizing has settled.
  auto* redraw = new QTimer(this);
  redraw->setSingleShot(true);
  redraw->setInterval(150);
  connect(redraw, &QTimer::timeout, this, [this] {
    if (lastScreenKind_ != 0) ShowDrawing(lastScreenKind_);
  });
  view_->onResized = [this, redraw](int width, int height) {
    program_.config.drawingAreaX = std::max(1, width - 1);
    program_.config.drawingAreaY = std::max(1, height - 1);
    redraw->start();
  };
  const int width = program.config.drawingAreaX > 0 ? program.config.drawingAreaX + 1 : 1024;
  const int height = program.config.drawingAreaY > 0 ? program.config.drawingAreaY + 1 : 768;
  resize(width, height + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow() {
  FormDestroy();
  if (MainWindowForDialogs() == this) MainWindowForDialogs() = nullptr;
}

void MainWindow::BuildMenu() {
  // One style for every menu of the process; it outlives the windows that use it.
  static MenuStyle* const menuStyle = [] {
    auto* style = new MenuStyle();
    style->setParent(QApplication::instance());
    return style;
  }();
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");
  for (const MenuEntry& entry : MainMenuTree()) {
    QMenu* parent = entry.parent.empty() ? nullptr : menus_.at(entry.parent);
    QAction* action = nullptr;
    switch (entry.kind) {
      case MenuEntryKind::Menu: {
        QMenu* menu = parent != nullptr ? parent->addMenu(QString()) : bar->addMenu(QString());
        menu->setObjectName(FromUtf8(entry.name));
        menu->setStyle(menuStyle);
        menus_[entry.name] = menu;
        action = menu->menuAction();
        break;
      }
      case MenuEntryKind::Separator:
        action = parent->addSeparator();
        break;
      case MenuEntryKind::Item:
        action = parent->addAction(QString());
        break;
    }
    action->setObjectName(FromUtf8(entry.name));
    if (!entry.shortcut.empty()) action->setShortcut(QKeySequence(FromUtf8(entry.shortcut)));
    actions_[entry.name] = action;
    if (entry.kind == MenuEntryKind::Item) {
      const std::string name = entry.name;
      connect(action, &QAction::triggered, this, [this, name] { Click(name); });
    }
  }
  for (const char* name : kWithoutCommand) {
    if (QAction* action = Item(name)) action->setEnabled(false);
  }
  for (const char* name : kHidden) {
    if (QAction* action = Item(name)) action->setVisible(false);
  }
}

QAction* MainWindow::Item(const std::string& name) const {
  const auto found = actions_.find(name);
  return found == actions_.end() ? nullptr : found->second;
}

void MainWindow::BindHandlers() {
  auto on = [this](const std::string& item, std::function<void()> handler) {
    handlers_[item + "Click"] = std::move(handler);
  };
  on("mi_fileNew", [this] { commands_->New(); });
  on("mi_fileOpen", [this] { commands_->Open(); });
  on("mi_fileOpenTable", [this] { OpenTable(); });
  on("mi_FileSave", [this] { commands_->Save(); });
  on("mi_FileSaveAs", [this] { commands_->SaveAs(); });
  for (int k = 1; k <= 4; ++k) {
    on("mi_file" + std::to_string(k), [this, k] { commands_->OpenRecent(k); });
  }
  on("mi_fileexit", [this] { close(); });
  on("mi_EditText", [this] { commands_->EditText(); });
  on("mi_editabmessungen", [this] { commands_->EditDimensions(); });
  on("mi_EditMaterial", [this] { commands_->EditMaterial(); });
  on("mi_editLast", [this] { commands_->EditLoad(); });
  on("mi_ViewAusdruck", [this] { Report(false); });
  on("mi_viewErrorMessages", [this] { Report(true); });
  for (const ScreenItem& item : kScreenDrawings) {
    const int kind = item.kind;
    on(item.name, [this, kind] { ShowDrawing(kind); });
  }
  for (const ScreenItem& item : kCadDrawings) {
    const int kind = item.kind;
    on(item.name, [this, kind] { CadDrawing(kind); });
  }
  on("mi_cadsonstige", [this] { DrawingMenu(program_, prompts_, cadPorts_, CadOutputType::Choose); });
  on("mi_dbfDin5481", [this] { PickSize(access_, PickMode::Browse, program_.design); });
  const std::pair<const char*, ToleranceTable> toleranceItems[] = {
      {"mi_dbfzt6f2", ToleranceTable::Hub},
      {"mi_dbfzt6f1f", ToleranceTable::ShaftFine},
      {"mi_dbfzt6f1g", ToleranceTable::ShaftCoarse},
      {"mi_dbfzt6tol", ToleranceTable::TotalTolerances}};
  for (const auto& [name, table] : toleranceItems) {
    const ToleranceTable which = table;
    on(name, [this, which] { ViewToleranceTable(access_, which, PickMode::Browse, program_.design); });
  }
  on("mi_dbfzt6fr", [this] { ViewRunoutTable(access_); });
  on("mi_dbfmaterial", [this] { ViewMaterialTable(access_); });
  on("mi_dbwstyp", [this] { ViewMaterialGroups(access_, program_.messages); });
  on("mi_helpErrorMessages", [this] {
    RunSummary summary(program_.messages, prompts_, DescriptionFilePath(program_));
    summary.Summary();
  });
  const std::pair<const char*, int> languages[] = {{"mi_helplanguagedeutsch", 1},
                                                   {"mi_helplanguageenglisch", 2},
                                                   {"mi_helplanguageRoman", 7},
                                                   {"mi_helplanguageKorea", 8}};
  for (const auto& [name, language] : languages) {
    const int n = language;
    on(name, [this, n] {
      commands_->SetLanguage(n);
      RefreshCaptions();
    });
  }
  on("mi_HelpAbout", [this] {
    QMessageBox::about(this, "ZT6",
                       FromUtf8(commands_->Title().substr(0, commands_->Title().find("  -  ", 5))) +
                           "\n\nVersion " + kProgramVersion + " Windows");
  });
  for (const char* name : kNotYetAvailable) {
    const std::string item = name;
    on(item, [this, item] {
      QAction* action = Item(item);
      ShowNotAvailable(this, action != nullptr ? action->text().remove('&') : FromUtf8(item));
    });
  }
}

void MainWindow::Click(const std::string& itemName) {
  const auto handler = handlers_.find(itemName + "Click");
  if (handler == handlers_.end()) return;
  handler->second();
  RefreshTitle();
  RefreshRecentItems();
  Item("mi_viewErrorMessages")->setText(FromUtf8(commands_->MessageItemCaption()));
  Item("mi_viewErrorMessages")->setEnabled(commands_->MessageItemEnabled());
  view_->update();
}

void MainWindow::FormCreate() {
  RefreshCaptions();
  RefreshRecentItems();
  if (program_.config.menuLanguage > 0) commands_->SetLanguage(program_.config.menuLanguage);
  RefreshCaptions();
  RefreshTitle();
  // The first calculation's picture; after a refused first run (no project yet) the
  // area stays empty rather than greeting the user with the message summary.
  if (!program_.messages.FatalFlag()) {
    AfterCalculationRefresh();
  } else {
    Item("mi_viewErrorMessages")->setText(FromUtf8(commands_->MessageItemCaption()));
    Item("mi_viewErrorMessages")->setEnabled(commands_->MessageItemEnabled());
  }
}

void MainWindow::RefreshCaptions() {
  UseQtTranslations(commands_->Captions().Language());
  // Korean captions are measured and drawn whole only with a Hangul face first in line.
  QFont font = QApplication::font();
  if (commands_->Captions().Language() == 8) {
    font.setFamilies({"NanumGothic", "Noto Sans CJK KR", "UnDotum", QFontInfo(font).family()});
  }
  menuBar()->setFont(font);
  for (const auto& [name, menu] : menus_) menu->setFont(font);

  for (const auto& [name, action] : actions_) {
    if (name.rfind("sep_", 0) == 0) continue;
    if (name.size() == 8 && name.rfind("mi_file", 0) == 0 && std::isdigit(name[7])) continue;
    action->setText(FromUtf8(commands_->Captions().Caption(name)));
  }
  Item("mi_viewErrorMessages")->setText(FromUtf8(commands_->MessageItemCaption()));
  Item("mi_viewErrorMessages")->setEnabled(commands_->MessageItemEnabled());
}

void MainWindow::RefreshTitle() {
  setWindowTitle(FromUtf8(commands_->Title()));
  QApplication::setApplicationDisplayName(QString());
  RefreshRecentItems();
}

void MainWindow::RefreshRecentItems() {
  for (int k = 1; k <= 4; ++k) {
    QAction* item = Item("mi_file" + std::to_string(k));
    const std::string caption = commands_->RecentItemCaption(k);
    item->setText(FromUtf8(caption));
    item->setVisible(!caption.empty());
  }
  Item("sep_fileRecent")->setVisible(commands_->RecentSeparatorVisible());
}

void MainWindow::AfterCalculationRefresh() {
  commands_->AfterCalculationRefresh();
  lastScreenKind_ = ResultGraphicKind(program_.config.resultGraphic);
  Item("mi_viewErrorMessages")->setText(FromUtf8(commands_->MessageItemCaption()));
  Item("mi_viewErrorMessages")->setEnabled(commands_->MessageItemEnabled());
  view_->update();
}

void MainWindow::ShowDrawing(int kind) {
  if (DrawingCommand(program_, prompts_, cadPorts_, kind, CadOutputType::Screen) ==
      DrawingOutcome::Drawn) {
    lastScreenKind_ = kind;
  }
  view_->update();
}

void MainWindow::CadDrawing(int kind) {
  DrawingCommand(program_, prompts_, cadPorts_, kind, CadOutputType::Choose);
  view_->update();
}

void MainWindow::Report(bool runMessages) {
  ReportOutput output(program_, prompts_, launcher_, printer_);
  if (runMessages) {
    ReportRunMessages(output, program_, prompts_);
  } else {
    PrintCalculationReport(output, program_, prompts_);
  }
}

void MainWindow::OpenTable() {
  if (!commands_->SaveQuery()) return;
  program_.projectName.clear();
  program_.drawing.Clear();
  lastScreenKind_ = 0;
  const QString title = FromUtf8(commands_->Title());
  const std::vector<std::string> headings = ProjectTableHeadings(program_);
  ui_.SetWaitCursor(true);
  const auto rows = ProjectTableRows(program_, prompts_, tables_, [this, &title](const std::string& file) {
    setWindowTitle(title + " -> " + FromUtf8(file));
    QApplication::processEvents();
  });
  ui_.SetWaitCursor(false);
  ProjectTableWindow window(FromUtf8(program_.projectDirectory), headings, rows, this);
  while (true) {
    const std::optional<std::string> file = window.Choose();
    if (!file) break;
    // The project name is the file name without its extension, found in the project folder.
    program_.projectName = std::filesystem::path(*file).stem().string();
    ReadProject(program_, prompts_, tables_, program_.projectName);
    if (program_.shell.cancel) break;
    CalculationRun(program_.design, program_.messages, tables_);
    program_.modified = false;
    RefreshCaptions();
    AfterCalculationRefresh();
    RefreshTitle();
  }
  RefreshTitle();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (commands_->CloseQuery()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  SaveSession(program_.configPlace.SessionFile(), program_.projectDirectory, program_.recent);
}

}  // namespace zt6::gui
