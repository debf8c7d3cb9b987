#pragma once
// The table editor and pick window: the open current table in a grid, as a pick list
// for the lookups or as an editor with append, delete, pack, import, export, search
// and sort.

#include <QDialog>
#include <cstdint>
#include <string>

#include "app/commands/menu_captions.h"
#include "app/ports/launcher.h"
#include "app/ports/printer.h"
#include "app/ports/prompts.h"
#include "app/ports/ui.h"
#include "app/state/program.h"

class QLabel;
class QMenu;
class QAction;
class QToolButton;
class QWidget;

namespace zt6::gui {

class DbfGrid;
class DbfTableModel;

class TableEditorWindow : public QDialog {
  Q_OBJECT

 public:
  // The menus in the menu language of captions (German until called).
  void SetCaptions(const MenuCaptions& captions);
  TableEditorWindow(Program& program, Prompts& prompts, Launcher& launcher, Printer& printer,
                    QWidget* parent = nullptr);

  // Title (hidden) and subtitle (shown, also the caption of "dbf Structure"); UTF-8.
  void DbfSetTitles(const QString& title, const QString& subtitle);
  // Shows the window modally on the open current table; pick = choose one row.
  PickResult DbfShow(const QString& modeText, bool pick);

  int Key() const { return key_; }
  std::int64_t ChosenRecord() const { return chosenRecord_; }

  // Handlers, public so the menu and tests reach them alike.
  void Button_okClick();
  void Button_cancelClick();
  void Button_searchClick();
  void Button_SearchNextClick();
  void mi_editAppendClick();
  void mi_editPackClick();
  void mi_fileExportHtmlClick();
  void mi_fileSaveAsDelimitedClick();
  void mi_fileAppenddbfClick();
  void mi_fileAppendDelimitedClick();
  void mi_filePrintClick();
  void SortByColumn(int column);

  // Abbrechen, Esc and closing the window: what was typed and not posted is dropped.
  void reject() override;

 protected:
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // name in the project's folder (the folder itself for none): where the file
  // dialogs start.
  QString InProjectFolder(const QString& name) const;
  void BuildMenu();
  void BuildNavigator();
  // The editor's own texts in the menu language.
  void Retranslate();
  // Runs one table command; a table fault is shown as a dataset error.
  template <typename Command>
  void Guarded(Command&& command);
  void GoToRecord(std::int64_t record);
  void SyncCurrentFromGrid();
  void ShowRecordLabel();
  void Search(bool fromNext);
  // Finishes an open cell editor and writes the record typed into, as a data grid does
  // before it leaves the record. False when a typed value was refused or the record
  // could not be written; the command asking for it stops then.
  bool PostEdit();
  void DropEdit();
  void ShowRefusal(const std::string& why);
  // The file a save dialog chose (Windows-style filter), or empty: never the open table's
  // or the open project's own file, and an existing file only after the overwrite question.
  QString ChooseFileToWrite(const QString& caption, const QString& proposal,
                            const std::string& windowsFilter);

  Program& program_;
  Prompts& prompts_;
  Launcher& launcher_;
  Printer& printer_;
  CurrentTable& table_;
  DbfTableModel* model_;
  DbfGrid* grid_;
  QLabel* title1_;
  QLabel* title2_;
  QLabel* fileName_;
  QLabel* recNo_;
  QMenu* editMenu_ = nullptr;
  QAction* appendDbf_ = nullptr;
  QAction* appendDelimited_ = nullptr;
  QAction* separatorN2_ = nullptr;
  QAction* structure_ = nullptr;
  const MenuCaptions* captions_ = nullptr;  // the main window's, once it has given them
  QWidget* navigator_ = nullptr;
  QToolButton* navButtons_[10] = {};
  bool pick_ = false;
  bool closeOnChoice_ = false;
  bool placed_ = false;  // scaled and placed at the first opening
  int rememberedColumn_ = 0;
  std::string searchText_;
  bool found_ = false;
  bool refused_ = false;  // a typed value was refused since PostEdit began
  int key_ = 27;
  std::int64_t chosenRecord_ = 0;
};

}  // namespace zt6::gui
