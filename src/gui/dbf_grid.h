#pragma once
// The table editor's grid: a table view whose window can finish or drop an open cell
// editor itself, before it posts or cancels the record, as a data grid does.

#include <QTableView>

namespace zt6::gui {

class DbfGrid : public QTableView {
 public:
  using QTableView::QTableView;

  // Hands the open cell editor's text to the model, then closes the editor.
  void CommitOpenEditor();
  // Closes the open cell editor; its text is lost.
  void DropOpenEditor();

 private:
  QWidget* OpenEditor() const;
};

}  // namespace zt6::gui
