#include "gui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <filesystem>

#include "app/commands/cad_setup.h"
#include "app/commands/documentation_commands.h"
#include "app/commands/print_calculation_report.h"
#include "app/commands/print_text_file.h"
#include "app/commands/project_table.h"
#include "app/commands/report_output.h"
#include "app/commands/run_summary.h"
#include "app/commands/step_model_command.h"
#include "app/files/project_io.h"
#include "app/files/session_file.h"
#include "app/help/demonstration.h"
#include "app/lookups/material_lookup.h"
#include "app/ports/text_editor.h"
#include "base/program_identity.h"
#include "gui/config_window.h"
#include "gui/desktop_text.h"
#include "gui/dialog_placement.h"
#include "gui/drawing_view.h"
#include "gui/help_image_window.h"
#include "gui/help_picture.h"
#include "gui/menu_style.h"
#include "gui/parameter_study_window.h"
#include "gui/print_config_window.h"
#include "gui/qt_printer.h"
#include "app/commands/spreadsheet_commands.h"
#include "gui/project_table_window.h"
#include "gui/qt_documentation_dialogs.h"
#include "gui/qt_input_dialogs.h"
#include "gui/qt_text.h"
#include "gui/qt_translations.h"
#include "gui/qt_ui.h"
#include "gui/size_for_load_window.h"
#include "gui/table_editor_window.h"
#include "gui/step_companion.h"
#include "gui/step_model_window.h"
#include "gui/workbook_module.h"

namespace zt6::gui {

MainWindow::MainWindow(Program& program, QtUi& ui, Prompts& prompts, Launcher& launcher,
                       Printer& printer, QWidget* parent)
    : QMainWindow(parent),
      program_(program),
      ui_(ui),
      prompts_(prompts),
      launcher_(launcher),
      printer_(printer),
      access_(program.table, prompts, program.config, program.work),
      tables_(access_),
      cadPorts_(program, prompts, launcher),
      view_(new DrawingView(program.drawing, this)) {
  setObjectName("Thh");
  MainWindowForDialogs() = this;
  CurrentDialogScale() = DialogScale{program.config.dialogScale, program.config.dialogElementScale};
  ui_.SetParent(this);
  ui_.SetTableEditor([this] { return &TableEditor(); });
  ui_.SetTemporaryFolder(&program.config.temporaryFolder);
  ui_.SetConfiguration(&program.config);
  ui_.SetTextEditorOpener(
      [this](const std::string& file) { OpenInTextEditor(file, launcher_, prompts_); });
  // The report text window shows the Windows copy: printed without a second conversion.
  ui_.SetTextFilePrinter([this](const std::string& file) {
    PrintTextFile(file, printer_, prompts_, program_.config, PrintedText::Windows);
  });
  dialogs_ = std::make_unique<QtInputDialogs>(program, prompts, access_, this);
  commands_ = std::make_unique<MainCommands>(program, prompts, tables_, *dialogs_, cadPorts_);
  documentationDialogs_ = std::make_unique<QtDocumentationDialogs>(program, prompts, this);
  commands_->onProjectCleared = [this] {
    lastScreenKind_ = 0;
    RefreshTitle();
    view_->update();
  };
  setCentralWidget(view_);
  // A help image takes the drawing area until the next drawing.
  helpHost_ = HelpHost{&program_, &prompts_, [this] {
                         lastScreenKind_ = 0;
                         view_->update();
                         // Asked for from a dialog: shown in front of it.
                         if (QWidget* dialog = QApplication::activeModalWidget())
                           ShowHelpPictureOver(*dialog, program_.drawing, view_->size());
                       }};
  SetHelpHost(&helpHost_);
  InstallHelpKey();
  BuildMenu();
  BindHandlers();

  // A new client size draws the picture again for it, once the resizing has settled. A
  // design whose run ended fatally, or whose drawing gave no picture (too many teeth),
  // has none to draw again: resizing the window must not bring up its messages again.
  // While a dialog is open the redraw waits for it, so no message stacks on the dialog.
  auto* redraw = new QTimer(this);
  redraw->setSingleShot(true);
  redraw->setInterval(150);
  connect(redraw, &QTimer::timeout, this, [this, redraw] {
    if (QApplication::activeModalWidget() != nullptr) {
      redraw->start();
      return;
    }
    if (lastScreenKind_ != 0 && !program_.messages.FatalFlag() &&
        !program_.drawing.Records().empty())
      ShowDrawing(lastScreenKind_);
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
  SetHelpHost(nullptr);
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
    if (entry.command == MenuCommand::WithoutCommand) action->setEnabled(false);
    if (entry.command == MenuCommand::ExportSpreadsheet) action->setEnabled(false);
    if (entry.command == MenuCommand::Hidden) action->setVisible(false);
    // Without the companion that writes it, the 3D model is shown but not offered.
    if (entry.command == MenuCommand::StepModel && StepCompanionPath().empty())
      action->setEnabled(false);
  }
}

QAction* MainWindow::Item(const std::string& name) const {
  const auto found = actions_.find(name);
  return found == actions_.end() ? nullptr : found->second;
}

void MainWindow::BindHandlers() {
  using C = MenuCommand;
  auto on = [this](MenuCommand command, std::function<void(const MenuEntry&)> handler) {
    handlers_[command] = std::move(handler);
  };
  auto plain = [&on](MenuCommand command, std::function<void()> handler) {
    on(command, [handler = std::move(handler)](const MenuEntry&) { handler(); });
  };
  plain(C::New, [this] { commands_->New(); });
  plain(C::Open, [this] { commands_->Open(); });
  plain(C::OpenTable, [this] { OpenTable(); });
  plain(C::Save, [this] { commands_->Save(); });
  plain(C::SaveAs, [this] { commands_->SaveAs(); });
  on(C::OpenRecent, [this](const MenuEntry& e) { commands_->OpenRecent(e.argument); });
  plain(C::Exit, [this] { close(); });
  plain(C::EditText, [this] { commands_->EditText(); });
  plain(C::EditDimensions, [this] { commands_->EditDimensions(); });
  plain(C::EditMaterial, [this] { commands_->EditMaterial(); });
  plain(C::EditLoad, [this] { commands_->EditLoad(); });
  plain(C::Report, [this] { Report(false); });
  plain(C::RunMessages, [this] { Report(true); });
  on(C::ScreenDrawing, [this](const MenuEntry& e) { ShowDrawing(e.argument); });
  on(C::CadDrawing, [this](const MenuEntry& e) { CadDrawing(e.argument); });
  plain(C::DrawingList,
        [this] { DrawingMenu(program_, prompts_, cadPorts_, CadOutputType::Choose); });
  plain(C::StepModel, [this] { StepModel(); });
  plain(C::Din5481Table, [this] { PickSize(access_, PickMode::Browse, program_.design); });
  on(C::ToleranceTable, [this](const MenuEntry& e) {
    ViewToleranceTable(access_, static_cast<ToleranceTable>(e.argument), PickMode::Browse,
                       program_.design);
  });
  plain(C::RunoutTable, [this] { ViewRunoutTable(access_); });
  plain(C::MaterialTable, [this] { ViewMaterialTable(access_); });
  plain(C::MaterialGroups, [this] { ViewMaterialGroups(access_, program_.messages); });
  plain(C::MessageSummary, [this] {
    RunSummary summary(program_.messages, prompts_, DescriptionFilePath(program_),
                       program_.words.Language());
    summary.Summary();
  });
  on(C::Language, [this](const MenuEntry& e) {
    commands_->SetLanguage(e.argument);
    RefreshCaptions();
    // The picture shown speaks the new language at once.
    if (lastScreenKind_ != 0 && !program_.messages.FatalFlag()) ShowDrawing(lastScreenKind_);
  });
  plain(C::About, [this] {
    QMessageBox box(QMessageBox::NoIcon, "ZT6",
                    FromUtf8(commands_->Title().substr(0, commands_->Title().find("  -  ", 5))) +
                        "\n\n" + DesktopText::tr("Version %1").arg(kProgramVersion),
                    QMessageBox::Ok, this);
    box.setObjectName("About");
    box.exec();
  });
  plain(C::PrintDrawing, [this] { PrintConfiguration(false); });
  plain(C::PrinterSetup, [this] { PrintConfiguration(true); });
  on(C::StartSpreadsheet, [this](const MenuEntry& e) { Spreadsheet(e.command); });
  on(C::ExportSpreadsheet, [this](const MenuEntry& e) { Spreadsheet(e.command); });
  on(C::ReportSpreadsheet, [this](const MenuEntry& e) { Spreadsheet(e.command); });
  on(C::ChangeRecords, [this](const MenuEntry& e) { ChangeRecords(e.argument); });
  on(C::OpenDocument, [this](const MenuEntry& e) {
    OpenDocumentCommand(e.argument, program_, launcher_, prompts_);
  });
  plain(C::DocumentSetup, [this] { DocumentSetupCommand(program_, *documentationDialogs_); });
  plain(C::Settings, [this] { Settings(); });
  plain(C::HelpImages,
        [this] { BrowseHelpImages(program_, prompts_, helpHost_.imageShown, this); });
  plain(C::Demo, [this] { RunDemonstration(); });
  plain(C::SizeForLoad, [this] {
    if (!ChooseSizeForLoad(program_, access_, ui_, commands_->Captions().Language(), this)) return;
    // As after the dimensions dialog: the new size calculated and shown.
    commands_->Calculate();
    commands_->AfterCalculationRefresh();
  });
  plain(C::ParameterStudy, [this] {
    ShowParameterStudy(program_, access_, ui_, commands_->Captions().Language(), this);
  });
  on(C::NotYetAvailable, [this](const MenuEntry& e) {
    QAction* action = Item(e.name);
    ShowNotAvailable(this, action != nullptr ? action->text().remove('&') : FromUtf8(e.name));
  });
}

bool MainWindow::Click(const std::string& itemName) {
  const MenuEntry* entry = FindMenuEntry(itemName);
  if (entry == nullptr || entry->kind != MenuEntryKind::Item) return false;
  const auto handler = handlers_.find(entry->command);
  if (handler == handlers_.end()) return false;
  handler->second(*entry);
  RefreshTitle();
  RefreshRecentItems();
  Item("mi_viewErrorMessages")->setText(FromUtf8(commands_->MessageItemCaption()));
  Item("mi_viewErrorMessages")->setEnabled(commands_->MessageItemEnabled());
  view_->update();
  return true;
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
  if (tableEditor_ != nullptr) tableEditor_->SetCaptions(commands_->Captions());
}

TableEditorWindow& MainWindow::TableEditor() {
  if (tableEditor_ == nullptr) {
    tableEditor_ = new TableEditorWindow(program_, prompts_, launcher_, printer_, this);
    tableEditor_->SetCaptions(commands_->Captions());
  }
  return *tableEditor_;
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

void MainWindow::StepModel() {
  const std::string companion = StepCompanionPath();
  if (companion.empty()) return;
  QtModelDialog dialog(commands_->Captions(), this);
  StepModelCommand(program_, prompts_, dialog, StepCompanionWriter(program_, companion));
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

void MainWindow::ChangeRecords(int operation) {
  ReportOutput output(program_, prompts_, launcher_, printer_);
  ChangeRecordOperation(static_cast<ChangeOperation>(operation), output, program_, prompts_,
                        *documentationDialogs_);
}

void MainWindow::OpenTable() {
  // Every file is read on a design of its own: the open project stays as it is until a
  // row is chosen, so leaving the table without a choice leaves it open.
  const QString title = FromUtf8(commands_->Title());
  const std::vector<std::string> headings = ProjectTableHeadings(program_);
  ui_.SetWaitCursor(true);
  const auto rows = ProjectTableRows(program_, prompts_, tables_, [this, &title](const std::string& file) {
    setWindowTitle(title + " -> " + FromUtf8(file));
    QApplication::processEvents();
  });
  ui_.SetWaitCursor(false);
  RefreshTitle();
  ProjectTableWindow window(FromUtf8(program_.projectDirectory), headings, rows, this);
  window.SetCaptions(commands_->Captions());
  window.onExportExcel = [this](const std::vector<std::vector<std::string>>& cells) {
    if (!workbooks_) workbooks_ = std::make_unique<ModuleWorkbooks>();
    OpenWorkbook(ProjectTableSheet(cells, program_.config.format),
                 ProjectTableWorkbookPath(program_), *workbooks_, launcher_, prompts_,
                 ToCp850(DesktopText::tr("Excel kann nicht gestartet werden")));
  };
  while (true) {
    const std::optional<std::string> file = window.Choose();
    if (!file) break;
    // Asked only now that another project is to replace the open one.
    if (!commands_->SaveQuery()) continue;
    if (!commands_->OpenFromProjectTable(ProjectNameOfListedFile(program_.projectDirectory, *file)))
      break;
    lastScreenKind_ = ResultGraphicKind(program_.config.resultGraphic);
    RefreshCaptions();
    RefreshTitle();
  }
  RefreshTitle();
  view_->update();
}

QtPrinter& MainWindow::DrawingPrinter() {
  if (auto* desktop = dynamic_cast<QtPrinter*>(&printer_)) return *desktop;
  if (!ownPrinter_) ownPrinter_ = std::make_unique<QtPrinter>();
  return *ownPrinter_;
}

void MainWindow::PrintConfiguration(bool setupMode) {
  PrintConfigWindow window(program_, access_, DrawingPrinter(), setupMode, lastPrintout_, this);
  window.onFitToPage = [this] { view_->update(); };
  window.exec();
  view_->update();
}

void MainWindow::Spreadsheet(MenuCommand command) {
  if (!workbooks_) workbooks_ = std::make_unique<ModuleWorkbooks>();
  ui_.SetWaitCursor(true);
  bool opened = false;
  if (command == MenuCommand::StartSpreadsheet) {
    opened = StartSpreadsheet(program_, prompts_, *workbooks_, launcher_);
  } else if (command == MenuCommand::ExportSpreadsheet) {
    opened = ExportToSpreadsheet(program_, prompts_, *workbooks_, launcher_,
                                 [this] { commands_->Save(); });
  } else {
    ReportToSpreadsheet(program_, prompts_, *workbooks_, launcher_);
  }
  ui_.SetWaitCursor(false);
  // Export stays enabled once a workbook was opened. Import has no command behind it and
  // stays disabled: an item that does nothing must not look as if it did something.
  if (opened && command != MenuCommand::ReportSpreadsheet)
    Item("mi_OleExportExcel")->setEnabled(true);
}

void MainWindow::Settings() {
  ConfigWindowHost host;
  host.applied = [this] { SettingsApplied(); };
  host.resize = [this](int width, int height) {
    // Sizes as the dialog shows them; 0 asks for the screen less the frame.
    const QSize screen = ScreenSizeOf(this);
    if (width <= 1) width = screen.width() - 8;
    if (height <= 1) height = screen.height() - 90;
    resize(this->width() - view_->width() + width, this->height() - view_->height() + height);
  };
  host.metrics = [this] {
    DesktopMetrics m;
    const QSize screen = ScreenSizeOf(this);
    m.screen = {screen.width(), screen.height()};
    m.mainWidth = frameGeometry().width();
    m.mainHeight = frameGeometry().height();
    m.clientWidth = width();
    m.clientHeight = height();
    m.dpiX = logicalDpiX();
    m.dpiY = logicalDpiY();
    return m;
  };
  ConfigWindow window(program_, prompts_, std::move(host), this);
  window.exec();
}

// The settings in effect: drawing area, scales, flags, then the picture again.
void MainWindow::SettingsApplied() {
  const Configuration& config = program_.config;
  if (view_->width() != config.drawingAreaX + 1 || view_->height() != config.drawingAreaY + 1) {
    resize(width() - view_->width() + config.drawingAreaX + 1,
           height() - view_->height() + config.drawingAreaY + 1);
  }
  CurrentDialogScale() = DialogScale{config.dialogScale, config.dialogElementScale};
  program_.shell.helpLevel = config.helpLevel;
  program_.shell.archiveMode = config.archiveMode;
  program_.drawing.SetSettings(DrawingSettingsOf(config));
  RefreshCaptions();
  if (lastScreenKind_ != 0) ShowDrawing(lastScreenKind_);
  view_->update();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (commands_->CloseQuery()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::RunDemonstration() {
  // The tour runs on a design of its own; the project comes back afterwards.
  if (!commands_->BeginDemonstration()) return;
  lastScreenKind_ = 0;
  Demonstration demo(
      program_, prompts_, access_, [this](const std::string& item) { Click(item); },
      [this] {
        commands_->Calculate();
        AfterCalculationRefresh();
      });
  demo.Run();
  commands_->EndDemonstration();
  lastScreenKind_ = ResultGraphicKind(program_.config.resultGraphic);
  RefreshTitle();
}

void MainWindow::OpenCutCommandLineProject() {
  if (program_.cutCommandLineProject.empty()) return;
  if (commands_->OpenCutCommandLineProject())
    lastScreenKind_ = ResultGraphicKind(program_.config.resultGraphic);
  RefreshTitle();
  Item("mi_viewErrorMessages")->setText(FromUtf8(commands_->MessageItemCaption()));
  Item("mi_viewErrorMessages")->setEnabled(commands_->MessageItemEnabled());
  view_->update();
}

// Started with "DEMO": the demonstration's introduction; cancelled, the mode ends.
void MainWindow::DemoStartIntroduction() {
  if (!program_.shell.demoMode) return;
  if (!ShowDemonstrationIntroduction(prompts_)) program_.shell.demoMode = false;
}

void MainWindow::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  SaveSession(program_.configPlace.SessionFile(), program_.projectDirectory, program_.recent);
}

}  // namespace zt6::gui
