#include "gui/dbf_grid.h"

namespace zt6::gui {

QWidget* DbfGrid::OpenEditor() const {
  return state() == EditingState ? indexWidget(currentIndex()) : nullptr;
}

void DbfGrid::CommitOpenEditor() {
  if (QWidget* editor = OpenEditor()) {
    // The view's own commit, which keeps a message shown meanwhile from committing twice.
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
}

void DbfGrid::DropOpenEditor() {
  if (QWidget* editor = OpenEditor()) closeEditor(editor, QAbstractItemDelegate::NoHint);
}

}  // namespace zt6::gui
