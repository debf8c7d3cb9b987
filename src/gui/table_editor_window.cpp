#include "gui/table_editor_window.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>

#include "app/commands/report_output.h"
#include "app/commands/table_editor_actions.h"
#include "app/files/output_file_choice.h"
#include "base/codepage.h"
#include "gui/dbf_grid.h"
#include "gui/dbf_table_model.h"
#include "gui/desktop_text.h"
#include "gui/dialog_placement.h"
#include "gui/help_display.h"
#include "gui/help_picture.h"
#include "gui/file_filter.h"
#include "gui/qt_text.h"
#include "gui/window_captions.h"
#include "tables/dbf_error.h"

namespace zt6::gui {

namespace {

constexpr int kSearchHelp = 2450;

struct NavigatorButton {
  const char* name;
  const char* text;
  const char* tip;
};

constexpr NavigatorButton kNavigator[10] = {
    {"nbFirst", "|<", QT_TRANSLATE_NOOP("DesktopText", "Erster Datensatz")},
    {"nbPrior", "<", QT_TRANSLATE_NOOP("DesktopText", "Vorheriger Datensatz")},
    {"nbNext", ">", QT_TRANSLATE_NOOP("DesktopText", "Nächster Datensatz")},
    {"nbLast", ">|", QT_TRANSLATE_NOOP("DesktopText", "Letzter Datensatz")},
    {"nbInsert", "+", QT_TRANSLATE_NOOP("DesktopText", "Datensatz einfügen")},
    {"nbDelete", "-", QT_TRANSLATE_NOOP("DesktopText", "Datensatz löschen / wiederherstellen")},
    {"nbEdit", "^", QT_TRANSLATE_NOOP("DesktopText", "Datensatz bearbeiten")},
    {"nbPost", "\u2713", QT_TRANSLATE_NOOP("DesktopText", "Bearbeitung übernehmen")},
    {"nbCancel", "x", QT_TRANSLATE_NOOP("DesktopText", "Bearbeitung verwerfen")},
    {"nbRefresh", "\u21bb", QT_TRANSLATE_NOOP("DesktopText", "Daten neu lesen")},
};

// The editor's own texts by object name (menus, items, buttons), set again when the menu
// language changes; the caption table then gives the items the main menu also has.
struct NamedText {
  const char* name;
  const char* text;
};

constexpr NamedText kTexts[] = {
    {"Button_cancel", QT_TRANSLATE_NOOP("DesktopText", "Abbrechen")},
    {"Button_search", QT_TRANSLATE_NOOP("DesktopText", "&Suchen")},
    {"Button_SearchNext", QT_TRANSLATE_NOOP("DesktopText", "&Weitersuchen")},
    {"mi_File", QT_TRANSLATE_NOOP("DesktopText", "&Datei")},
    {"mi_fileExportHtml", QT_TRANSLATE_NOOP("DesktopText", "HTML exportieren")},
    {"mi_fileSaveAsDelimited", QT_TRANSLATE_NOOP("DesktopText", "Speichern mit Trennzeichen")},
    {"mi_fileAppenddbf", QT_TRANSLATE_NOOP("DesktopText", "dbf anhängen")},
    {"mi_fileAppendDelimited", QT_TRANSLATE_NOOP("DesktopText", "Text mit Trennzeichen anhängen")},
    {"mi_filePrint", QT_TRANSLATE_NOOP("DesktopText", "&Drucken...")},
    {"mi_fileExit", QT_TRANSLATE_NOOP("DesktopText", "&Beenden")},
    {"mi_edit", QT_TRANSLATE_NOOP("DesktopText", "&Bearbeiten")},
    {"mi_editAppend", QT_TRANSLATE_NOOP("DesktopText", "Anhängen")},
    {"mi_editPack", QT_TRANSLATE_NOOP("DesktopText", "Packen")},
    {"mi_view", QT_TRANSLATE_NOOP("DesktopText", "&Ansicht")},
    {"mi_viewSearch", QT_TRANSLATE_NOOP("DesktopText", "&Suchen")},
    {"mi_viewSearchNext", QT_TRANSLATE_NOOP("DesktopText", "&Weitersuchen")},
    {"mi_Help", QT_TRANSLATE_NOOP("DesktopText", "&Hilfe")},
    {"mi_helpdbf", QT_TRANSLATE_NOOP("DesktopText", "dbf-Struktur")},
    {"mi_helpCommon", QT_TRANSLATE_NOOP("DesktopText", "Allgemein")},
    {"mi_helphilfebild", QT_TRANSLATE_NOOP("DesktopText", "Hilfe&bild")},
    {"mi_helpDatei", QT_TRANSLATE_NOOP("DesktopText", "&Datei")},
};

QPushButton* Button(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TableEditorWindow::TableEditorWindow(Program& program, Prompts& prompts, Launcher& launcher,
                                     Printer& printer, QWidget* parent)
    : QDialog(parent),
      program_(program),
      prompts_(prompts),
      launcher_(launcher),
      printer_(printer),
      table_(program.table),
      model_(new DbfTableModel(program.table, this)),
      grid_(new DbfGrid(this)),
      title1_(new QLabel(this)),
      title2_(new QLabel(this)),
      fileName_(new QLabel(this)),
      recNo_(new QLabel(this)) {
  setObjectName("Tdbf4");
  auto* layout = new QVBoxLayout(this);
  BuildMenu();
  title1_->setObjectName("Label_title1");
  title1_->hide();
  fileName_->setObjectName("Label_filename");
  fileName_->hide();
  title2_->setObjectName("Label_title2");
  QFont bold = title2_->font();
  bold.setBold(true);
  title2_->setFont(bold);
  recNo_->setObjectName("Label_recno");

  auto* top = new QHBoxLayout;
  top->addWidget(title2_, 1);
  top->addWidget(recNo_);
  layout->addLayout(top);
  BuildNavigator();
  layout->addWidget(navigator_);

  grid_->setObjectName("DBGrid1");
  grid_->setModel(model_);
  grid_->setTabKeyNavigation(true);
  grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->horizontalHeader()->setSectionsClickable(true);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
  grid_->installEventFilter(this);
  layout->addWidget(grid_, 1);
  connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this,
          &TableEditorWindow::SortByColumn);
  connect(model_, &DbfTableModel::EntryRefused, this, &TableEditorWindow::ShowRefusal);
  // Leaving the record typed into writes it.
  connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            const std::int64_t edited = model_->EditedRecord();
            if (edited != 0 && model_->RecordAt(current.row()) != edited) {
              Guarded([&] { model_->Post(); });
            }
          });
  connect(grid_, &QTableView::clicked, this, [this](const QModelIndex&) {
    SyncCurrentFromGrid();
    ShowRecordLabel();
    if (closeOnChoice_) Button_okClick();
  });

  auto* buttons = new QHBoxLayout;
  QPushButton* ok = Button(this, "Button_ok", "OK");
  ok->setDefault(true);
  ok->setAutoDefault(true);
  QPushButton* cancel = Button(this, "Button_cancel", QString());
  // A click on OK or Abbrechen leaves the focus in an open cell editor, so the button
  // decides whether its text is posted or dropped.
  ok->setFocusPolicy(Qt::TabFocus);
  cancel->setFocusPolicy(Qt::TabFocus);
  QPushButton* search = Button(this, "Button_search", QString());
  QPushButton* next = Button(this, "Button_SearchNext", QString());
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addStretch(1);
  buttons->addWidget(search);
  buttons->addWidget(next);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &TableEditorWindow::Button_okClick);
  connect(cancel, &QPushButton::clicked, this, &TableEditorWindow::Button_cancelClick);
  connect(search, &QPushButton::clicked, this, &TableEditorWindow::Button_searchClick);
  connect(next, &QPushButton::clicked, this, &TableEditorWindow::Button_SearchNextClick);
  resize(820, 520);
  Retranslate();
}

void TableEditorWindow::Retranslate() {
  for (const NamedText& t : kTexts) {
    const QString text = DesktopText::tr(t.text);
    if (auto* menu = findChild<QMenu*>(t.name)) {
      menu->setTitle(text);
    } else if (auto* action = findChild<QAction*>(t.name)) {
      action->setText(text);
    } else if (auto* button = findChild<QAbstractButton*>(t.name)) {
      button->setText(text);
    }
  }
  findChild<QAction*>("mi_editPack")->setToolTip(DesktopText::tr("Markierte Datensätze löschen"));
  for (int i = 0; i < 10; ++i) navButtons_[i]->setToolTip(DesktopText::tr(kNavigator[i].tip));
  // "dbf-Struktur" stands in until a table names its subtitle.
  if (!title2_->text().isEmpty()) structure_->setText(title2_->text());
  if (captions_ != nullptr) SetCaptions(*captions_);
}

void TableEditorWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void TableEditorWindow::BuildMenu() {
  auto* bar = new QMenuBar(this);
  bar->setObjectName("MainMenu1");
  auto add = [this](QMenu* menu, const char* name, const QString& text, auto handler) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  QMenu* file = bar->addMenu(QString());
  file->setObjectName("mi_File");
  add(file, "mi_fileExportHtml", {}, &TableEditorWindow::mi_fileExportHtmlClick);
  add(file, "mi_fileSaveAsDelimited", {}, &TableEditorWindow::mi_fileSaveAsDelimitedClick);
  file->addSeparator()->setObjectName("N1");
  appendDbf_ = add(file, "mi_fileAppenddbf", {}, &TableEditorWindow::mi_fileAppenddbfClick);
  appendDelimited_ =
      add(file, "mi_fileAppendDelimited", {}, &TableEditorWindow::mi_fileAppendDelimitedClick);
  separatorN2_ = file->addSeparator();
  separatorN2_->setObjectName("N2");
  add(file, "mi_filePrint", {}, &TableEditorWindow::mi_filePrintClick);
  file->addSeparator()->setObjectName("N3");
  add(file, "mi_fileExit", {}, &TableEditorWindow::Button_okClick);

  editMenu_ = bar->addMenu(QString());
  editMenu_->setObjectName("mi_edit");
  add(editMenu_, "mi_editAppend", {}, &TableEditorWindow::mi_editAppendClick);
  add(editMenu_, "mi_editPack", {}, &TableEditorWindow::mi_editPackClick);
  editMenu_->setToolTipsVisible(true);

  QMenu* view = bar->addMenu(QString());
  view->setObjectName("mi_view");
  add(view, "mi_viewSearch", {}, &TableEditorWindow::Button_searchClick);
  add(view, "mi_viewSearchNext", {}, &TableEditorWindow::Button_SearchNextClick);

  QMenu* help = bar->addMenu(QString());
  help->setObjectName("mi_Help");
  // The table's own help is the current help number its caller set before showing it.
  structure_ = add(help, "mi_helpdbf", {}, [] { ShowHelp(0, HelpMode::Text); });
  add(help, "mi_helpCommon", {}, [] { ShowHelp(3210, HelpMode::Text); });
  // The editor covers the drawing area: the image gets a window of its own.
  add(help, "mi_helphilfebild", {}, [this] { ShowHelpImageWindow(0, this); });
  add(help, "mi_helpDatei", {},
      [this] { prompts_.ShowMessage(Utf8ToCp850(ToUtf8(fileName_->text()))); });
  static_cast<QVBoxLayout*>(layout())->setMenuBar(bar);
}

void TableEditorWindow::SetCaptions(const MenuCaptions& captions) {
  captions_ = &captions;
  ApplyMenuCaptions(*this, captions, {{"mi_File", "mi_file"},
                                      {"mi_filePrint", "mi_fileprint"},
                                      {"mi_fileExit", "mi_fileexit"},
                                      {"mi_edit", "mi_Edit"},
                                      {"mi_view", "mi_View"},
                                      {"mi_Help", "mi_Help"},
                                      {"mi_helpDatei", "mi_file"}});
}

void TableEditorWindow::BuildNavigator() {
  navigator_ = new QWidget(this);
  navigator_->setObjectName("DBNavigator1");
  auto* row = new QHBoxLayout(navigator_);
  row->setContentsMargins(0, 0, 0, 0);
  for (int i = 0; i < 10; ++i) {
    auto* button = new QToolButton(navigator_);
    button->setObjectName(kNavigator[i].name);
    button->setText(QString::fromUtf8(kNavigator[i].text));
    button->setToolTip(DesktopText::tr(kNavigator[i].tip));
    row->addWidget(button);
    navButtons_[i] = button;
  }
  row->addStretch(1);
  auto move = [this](auto step) {
    return [this, step] {
      if (!PostEdit()) return;
      SyncCurrentFromGrid();
      Guarded([&] { step(table_); });
      GoToRecord(table_.DbfRecNo());
    };
  };
  connect(navButtons_[0], &QToolButton::clicked, this, move([](CurrentTable& t) { t.DbfGoTop(); }));
  connect(navButtons_[1], &QToolButton::clicked, this, move([](CurrentTable& t) { t.DbfSkip(-1); }));
  connect(navButtons_[2], &QToolButton::clicked, this, move([](CurrentTable& t) {
            t.DbfSkip(1);
            if (t.DbfEof()) t.DbfGoBottom();
          }));
  connect(navButtons_[3], &QToolButton::clicked, this, move([](CurrentTable& t) { t.DbfGoBottom(); }));
  connect(navButtons_[4], &QToolButton::clicked, this, [this] {
    if (!PostEdit()) return;
    Guarded([&] {
      table_.DbfBlankBuffer();
      table_.DbfAppendRecord();
    });
    model_->Reload();
    GoToRecord(table_.DbfRecNo());
  });
  connect(navButtons_[5], &QToolButton::clicked, this, [this] {
    if (!PostEdit()) return;
    SyncCurrentFromGrid();
    Guarded([&] { table_.DbfDelete(!table_.DbfDeleted()); });
    model_->Reload();
    GoToRecord(table_.DbfRecNo());
  });
  connect(navButtons_[6], &QToolButton::clicked, this, [this] { grid_->edit(grid_->currentIndex()); });
  connect(navButtons_[7], &QToolButton::clicked, this, [this] { PostEdit(); });
  connect(navButtons_[8], &QToolButton::clicked, this, [this] { DropEdit(); });
  connect(navButtons_[9], &QToolButton::clicked, this, [this] {
    if (!PostEdit()) return;
    SyncCurrentFromGrid();
    const std::int64_t record = table_.DbfRecNo();
    model_->Reload();
    GoToRecord(record);
  });
}

template <typename Command>
void TableEditorWindow::Guarded(Command&& command) {
  try {
    command();
  } catch (const DbfError& fault) {
    // what() is "<prefix>: <description>"; the prefix is shown in the menu language.
    const std::string what = fault.what();
    const std::size_t colon = what.find(": ");
    const std::string description = colon == std::string::npos ? what : what.substr(colon + 2);
    prompts_.ShowErrorAlways(AnsiToOemAnyLength(
        ToUtf8(DesktopText::tr("Datensatzfehler: %1").arg(FromUtf8(description)))));
  }
}

void TableEditorWindow::DbfSetTitles(const QString& title, const QString& subtitle) {
  title1_->setText(title);
  title2_->setText(subtitle);
  if (structure_ != nullptr) structure_->setText(subtitle);
}

PickResult TableEditorWindow::DbfShow(const QString& modeText, bool pick) {
  pick_ = pick;
  closeOnChoice_ = modeText == "CLOSE";
  const QString path = FromUtf8(table_.Path());
  fileName_->setText(path);
  table_.SetHideDeleted(pick);
  if (pick) {
    setWindowTitle(title2_->text() + "   " + title1_->text());
  } else {
    setWindowTitle(title2_->text() + "  " + title1_->text() + "  (" + path + ")");
  }
  for (int i = 4; i < 10; ++i) navButtons_[i]->setVisible(!pick);
  appendDbf_->setVisible(!pick);
  appendDelimited_->setVisible(!pick);
  separatorN2_->setVisible(!pick);
  editMenu_->menuAction()->setVisible(!pick);
  model_->SetEditable(!pick);
  grid_->setEditTriggers(pick ? QAbstractItemView::NoEditTriggers
                              : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                    QAbstractItemView::AnyKeyPressed);
  if (!pick) {
    const std::filesystem::path folder = std::filesystem::path(table_.Path()).parent_path();
    // A write-protected table is edited as a copy in the process's own folder there.
    const std::filesystem::path copies = WorkFolderPath(program_);
    std::error_code error;
    if (!copies.empty() && std::filesystem::equivalent(folder, copies, error)) {
      prompts_.ShowMessage(ToCp850(
          DesktopText::tr("Kein Schreibrecht für dbf-Ordner !  Bearbeitung im Temporär-Ordner.")));
    }
  }

  const std::int64_t start = table_.DbfRecNo();
  model_->Drop();
  model_->Reload();
  grid_->resizeColumnsToContents();
  GoToRecord(start);
  if (closeOnChoice_) {
    grid_->setCurrentIndex(model_->index(grid_->currentIndex().row(), rememberedColumn_));
  } else if (!placed_) {
    // Scaled and centred once; later openings keep the size and place it was left at.
    PlaceDialog(*this);
    placed_ = true;
  }
  recNo_->clear();
  key_ = 27;
  grid_->setFocus();
  exec();
  table_.SetHideDeleted(false);
  if (key_ == 13) {
    table_.DbfGo(chosenRecord_);
    return PickResult::Chosen;
  }
  return PickResult::Cancelled;
}

void TableEditorWindow::GoToRecord(std::int64_t record) {
  int row = model_->RowOf(record);
  if (row < 0 && model_->rowCount() > 0) row = 0;
  if (row < 0) return;
  const int column = std::max(0, grid_->currentIndex().column());
  grid_->setCurrentIndex(model_->index(row, column));
  grid_->scrollTo(grid_->currentIndex());
  if (model_->RecordAt(row) != 0) table_.DbfGo(model_->RecordAt(row));
}

void TableEditorWindow::SyncCurrentFromGrid() {
  const std::int64_t record = model_->RecordAt(grid_->currentIndex().row());
  if (record != 0) table_.DbfGo(record);
}

void TableEditorWindow::ShowRecordLabel() {
  recNo_->setText(QString("%1/%2").arg(table_.DbfRecNo()).arg(table_.DbfRecCount()));
}

bool TableEditorWindow::PostEdit() {
  refused_ = false;
  grid_->CommitOpenEditor();
  if (refused_) return false;
  bool posted = false;
  Guarded([&] {
    model_->Post();
    posted = true;
  });
  return posted;
}

void TableEditorWindow::DropEdit() {
  grid_->DropOpenEditor();
  model_->Drop();
}

void TableEditorWindow::ShowRefusal(const std::string& why) {
  refused_ = true;
  prompts_.ShowErrorAlways(
      AnsiToOemAnyLength(why) +
      ToCp850(DesktopText::tr(".\nDer Datensatz behält seinen bisherigen Wert.")));
}

void TableEditorWindow::Button_okClick() {
  if (!PostEdit()) return;  // the window stays open with the value to correct
  program_.shell.cancel = false;
  SyncCurrentFromGrid();
  key_ = 13;
  chosenRecord_ = table_.DbfRecNo();
  rememberedColumn_ = std::max(0, grid_->currentIndex().column());
  accept();
}

void TableEditorWindow::Button_cancelClick() { reject(); }

void TableEditorWindow::reject() {
  DropEdit();
  program_.shell.cancel = true;
  key_ = 27;
  QDialog::reject();
}

void TableEditorWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    Button_cancelClick();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool TableEditorWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool vertical = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down;
    if (closeOnChoice_ && vertical) {
      Button_okClick();  // the record current before the cursor moves
      return true;
    }
    if (!pick_ && key->key() == Qt::Key_Down &&
        grid_->currentIndex().row() == model_->rowCount() - 1) {
      // Moving below the last row appends a blank record, as a data grid does.
      if (!PostEdit()) return true;
      Guarded([&] {
        table_.DbfBlankBuffer();
        table_.DbfAppendRecord();
      });
      model_->Reload();
      GoToRecord(table_.DbfRecNo());
      return true;
    }
    // Keys reach the grid itself only while no cell editor is open.
    if (pick_ && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
      Button_okClick();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TableEditorWindow::SortByColumn(int column) {
  if (!PostEdit()) return;
  SyncCurrentFromGrid();
  const std::int64_t record = table_.DbfRecNo();
  const std::string index =
      (std::filesystem::absolute(std::filesystem::path(program_.config.temporaryFolder) /
                                 "$morvtemp"))
          .string();
  Guarded([&] {
    table_.DbfIndexOn(table_.DbfFieldName(column + 1), index);
    table_.DbfGo(record);
  });
  model_->Reload();
  GoToRecord(record);
}

void TableEditorWindow::Search(bool fromNext) {
  if (!PostEdit()) return;
  const int savedHelp = program_.shell.helpNumber;
  if (!fromNext) {
    program_.shell.helpNumber = kSearchHelp;
    const std::string typed =
        prompts_.AskText(ToCp850(DesktopText::tr("Suchbegriff eingeben")), 50, searchText_);
    program_.shell.helpNumber = savedHelp;
    if (program_.shell.cancel) {
      program_.shell.cancel = false;
      return;
    }
    searchText_ = typed;
  }
  SyncCurrentFromGrid();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  Guarded([&] { found_ = SearchTable(table_, Cp850ToUtf8(searchText_), fromNext); });
  QApplication::restoreOverrideCursor();
  if (!found_) {
    prompts_.ShowMessage(searchText_ + ToCp850(DesktopText::tr(" nicht gefunden")));
    return;
  }
  GoToRecord(table_.DbfRecNo());
  if (closeOnChoice_) Button_okClick();
}

void TableEditorWindow::Button_searchClick() { Search(false); }
void TableEditorWindow::Button_SearchNextClick() { Search(true); }

void TableEditorWindow::mi_editAppendClick() {
  if (!PostEdit()) return;
  SyncCurrentFromGrid();
  Guarded([&] {
    (void)table_.DbfField(1);  // the record buffer holds the current record
    table_.DbfAppendRecord();
  });
  model_->Reload();
  GoToRecord(table_.DbfRecNo());
}

void TableEditorWindow::mi_editPackClick() {
  if (!PostEdit()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  Guarded([&] { table_.DbfPack(); });
  QApplication::restoreOverrideCursor();
  model_->Reload();
  GoToRecord(1);
}

QString TableEditorWindow::ChooseFileToWrite(const QString& caption, const QString& proposal,
                                             const std::string& filter) {
  // The program asks its own overwrite question, after refusing the table itself.
  const QString file = QFileDialog::getSaveFileName(this, caption, InProjectFolder(proposal),
                                                    QtFileFilter(filter),
                                                    nullptr, QFileDialog::DontConfirmOverwrite);
  if (file.isEmpty()) return {};
  if (IsOpenProjectFile(program_, ToUtf8(file))) {
    prompts_.ShowErrorAlways(OpenProjectRefusal(ToUtf8(file)));
    return {};
  }
  if (table_.IsTableFile(ToUtf8(file))) {
    prompts_.ShowErrorAlways(
        ToCp850(DesktopText::tr("Die geöffnete Tabelle %1 kann nicht überschrieben werden. "
                                "Bitte einen anderen Dateinamen wählen.")
                    .arg(file)));
    return {};
  }
  program_.shell.cancel = false;
  prompts_.CheckFileForWriting(ToUtf8(file));
  if (program_.shell.cancel) {
    program_.shell.cancel = false;
    return {};
  }
  return file;
}

QString TableEditorWindow::InProjectFolder(const QString& name) const {
  const QDir folder(program_.projectDirectory.empty() ? QDir::currentPath()
                                                      : FromUtf8(program_.projectDirectory));
  return name.isEmpty() ? folder.absolutePath() : folder.filePath(name);
}

void TableEditorWindow::mi_fileExportHtmlClick() {
  if (!PostEdit()) return;
  const QString proposal = QFileInfo(FromUtf8(table_.Path())).completeBaseName() + ".htm";
  const QString file =
      ChooseFileToWrite(DesktopText::tr("HTML exportieren"), proposal,
                        ToUtf8(DesktopText::tr("HTML-Dateien|*.htm;*.html|Alle Dateien|*.*")));
  if (file.isEmpty()) return;
  std::string error;
  if (!ExportTableHtml(program_, table_, ToUtf8(file), error)) {
    prompts_.ShowErrorAlways(Utf8ToCp850(error));
    return;
  }
  const std::string browser = program_.config.htmlBrowser;
  if (browser.empty()) {
    launcher_.Open(ToUtf8(file));
  } else {
    launcher_.Start(browser, {ToUtf8(file)});
  }
}

void TableEditorWindow::mi_fileSaveAsDelimitedClick() {
  if (!PostEdit()) return;
  const QString file = ChooseFileToWrite(DesktopText::tr("Speichern mit Trennzeichen"), {},
                                         ToUtf8(DesktopText::tr("txt|*.txt|Alle Dateien|*.*")));
  if (file.isEmpty()) return;
  Guarded([&] { table_.DbfCopyToDelimited(ToUtf8(file)); });
}

void TableEditorWindow::mi_fileAppenddbfClick() {
  if (!PostEdit()) return;
  const QString file = QFileDialog::getOpenFileName(this, DesktopText::tr("dbf anhängen"),
                                                    InProjectFolder({}), QtFileFilter("*.dbf"));
  if (file.isEmpty()) return;
  Guarded([&] { table_.DbfAppendFrom(ToUtf8(file)); });
  model_->Reload();
}

void TableEditorWindow::mi_fileAppendDelimitedClick() {
  if (!PostEdit()) return;
  const QString file =
      QFileDialog::getOpenFileName(this, DesktopText::tr("Text mit Trennzeichen anhängen"),
                                   InProjectFolder({}), QtFileFilter("*.txt"));
  if (file.isEmpty()) return;
  Guarded([&] { table_.DbfAppendFromDelimited(ToUtf8(file)); });
  model_->Reload();
}

void TableEditorWindow::mi_filePrintClick() {
  if (!PostEdit()) return;
  SyncCurrentFromGrid();
  ReportOutput output(program_, prompts_, launcher_, printer_);
  Guarded([&] {
    PrintTable(output, program_, prompts_, table_, ToUtf8(windowTitle()),
               Utf8ToCp850(ToUtf8(title1_->text())));
  });
  program_.shell.cancel = false;
  model_->Reload();
  GoToRecord(table_.DbfRecNo());
}

}  // namespace zt6::gui
