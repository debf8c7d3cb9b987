#pragma once
// The table window of the project table: a sortable grid of the project files. A click
// or the arrow keys only select a row; a double-click, Enter or OK choose it and close
// the window with that row's file; Abbrechen, Escape, Exit and closing choose nothing.

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/commands/menu_captions.h"

class QTableWidget;

namespace zt6::gui {

class ProjectTableWindow : public QDialog {
  Q_OBJECT

 public:
  // rows: UTF-8 texts, the file name first.
  ProjectTableWindow(const QString& projectDirectory, const std::vector<std::string>& headings,
                     const std::vector<std::vector<std::string>>& rows, QWidget* parent);

  // Shows the window modally; the file of the chosen row, or nullopt for Exit/close.
  std::optional<std::string> Choose();
  // The menus in the menu language of captions (German until called).
  void SetCaptions(const MenuCaptions& captions);
  // Sorts the rows by the texts of a column, ascending.
  void SortByColumn(int column);
  // Every cell of the grid, the heading row first (UTF-8).
  std::vector<std::vector<std::string>> Cells() const;
  // "Export Excel": the cells into a workbook; none: not available.
  std::function<void(const std::vector<std::vector<std::string>>&)> onExportExcel;

 private:
  void ChooseRow(int row);

  QTableWidget* grid_;
  int chosenRow_ = -1;
};

}  // namespace zt6::gui
