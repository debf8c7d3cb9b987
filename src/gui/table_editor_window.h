#pragma once
// The table editor and pick window: the open current table in a grid, as a pick list
// for the lookups or as an editor with append, delete, pack, import, export, search
// and sort.

#include <QDialog>
#include <cstdint>
#include <string>

#include "app/ports/launcher.h"
#include "app/ports/printer.h"
#include "app/ports/prompts.h"
#include "app/ports/ui.h"
#include "app/state/program.h"

class QLabel;
class QMenu;
class QAction;
class QTableView;
class QToolButton;
class QWidget;

namespace zt6::gui {

class DbfTableModel;

class TableEditorWindow : public QDialog {
  Q_OBJECT

 public:
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

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenu();
  void BuildNavigator();
  // Runs one table command; a table fault is shown as a dataset error.
  template <typename Command>
  void Guarded(Command&& command);
  void GoToRecord(std::int64_t record);
  void SyncCurrentFromGrid();
  void ShowRecordLabel();
  void Search(bool fromNext);

  Program& program_;
  Prompts& prompts_;
  Launcher& launcher_;
  Printer& printer_;
  CurrentTable& table_;
  DbfTableModel* model_;
  QTableView* grid_;
  QLabel* title1_;
  QLabel* title2_;
  QLabel* fileName_;
  QLabel* recNo_;
  QMenu* editMenu_ = nullptr;
  QAction* appendDbf_ = nullptr;
  QAction* appendDelimited_ = nullptr;
  QAction* separatorN2_ = nullptr;
  QAction* structure_ = nullptr;
  QWidget* navigator_ = nullptr;
  QToolButton* navButtons_[10] = {};
  bool pick_ = false;
  bool closeOnChoice_ = false;
  int rememberedColumn_ = 0;
  std::string searchText_;
  bool found_ = false;
  int key_ = 27;
  std::int64_t chosenRecord_ = 0;
};

}  // namespace zt6::gui
