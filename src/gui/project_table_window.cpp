#include "gui/project_table_window.h"

#include <QHeaderView>
#include <QMenuBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/desktop_text.h"
#include "gui/dialog_buttons.h"
#include "gui/dialog_placement.h"
#include "gui/help_display.h"
#include "gui/qt_text.h"
#include "gui/window_captions.h"

namespace zt6::gui {

ProjectTableWindow::ProjectTableWindow(const QString& projectDirectory,
                                       const std::vector<std::string>& headings,
                                       const std::vector<std::vector<std::string>>& rows,
                                       QWidget* parent)
    : QDialog(parent), grid_(new QTableWidget(this)) {
  setObjectName("TForm_preview");
  setWindowTitle("ZT6  " + projectDirectory);
  auto* layout = new QVBoxLayout(this);
  auto* bar = new QMenuBar(this);
  QMenu* file = bar->addMenu(DesktopText::tr("&Datei"));
  file->setObjectName("mi_file");
  QAction* exportExcel = file->addAction(DesktopText::tr("Excel exportieren"));
  exportExcel->setObjectName("mi_fileExportExcel");
  QAction* exit = file->addAction(DesktopText::tr("&Beenden"));
  exit->setObjectName("mi_fileExit");
  QMenu* help = bar->addMenu(DesktopText::tr("&Hilfe"));
  help->setObjectName("mi_Help");
  QAction* helpItem = help->addAction(DesktopText::tr("&Hilfe"));
  helpItem->setObjectName("mi_HelpHelp");
  layout->setMenuBar(bar);
  connect(exportExcel, &QAction::triggered, this, [this] {
    if (onExportExcel) {
      onExportExcel(Cells());
    } else {
      ShowNotAvailable(this, DesktopText::tr("Excel exportieren"));
    }
  });
  connect(exit, &QAction::triggered, this, &QDialog::reject);
  connect(helpItem, &QAction::triggered, this, [] { ShowHelp(3400, HelpMode::Text); });

  grid_->setObjectName("StringGrid1");
  grid_->setColumnCount(static_cast<int>(headings.size()));
  QStringList labels;
  for (const std::string& heading : headings) labels << FromUtf8(heading);
  grid_->setHorizontalHeaderLabels(labels);
  grid_->setRowCount(static_cast<int>(rows.size()));
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t c = 0; c < rows[r].size() && c < headings.size(); ++c) {
      auto* cell = new QTableWidgetItem(FromUtf8(rows[r][c]));
      cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      grid_->setItem(static_cast<int>(r), static_cast<int>(c), cell);
    }
  }
  // The table's widths are the least a column gets; wider texts widen their column.
  std::vector<int> widths(static_cast<std::size_t>(grid_->columnCount()), 48);
  for (const auto& [column, width] : {std::pair{0, 150}, {1, 64}, {2, 90}, {3, 90}, {4, 100},
                                      {12, 100}, {13, 100}}) {
    if (column < grid_->columnCount()) widths[static_cast<std::size_t>(column)] = width;
  }
  grid_->resizeColumnsToContents();
  for (int c = 0; c < grid_->columnCount(); ++c) {
    grid_->setColumnWidth(c, std::max(widths[static_cast<std::size_t>(c)], grid_->columnWidth(c)));
  }
  grid_->verticalHeader()->setVisible(false);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->horizontalHeader()->setSectionsClickable(true);
  connect(grid_->horizontalHeader(), &QHeaderView::sectionPressed, this,
          &ProjectTableWindow::SortByColumn);
  // Enter and a double-click activate the current row; a single click only selects, so
  // looking at a row never replaces the open project.
  connect(grid_, &QAbstractItemView::activated, this,
          [this](const QModelIndex& index) { ChooseRow(index.row()); });
  layout->addWidget(grid_);
  const auto [ok, cancel] = OkCancelButtons(this);
  connect(ok, &QPushButton::clicked, this, [this] { ChooseRow(grid_->currentRow()); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  layout->addLayout(ButtonRow({ok, cancel}));
  resize(1100, 500);
  PlaceDialog(*this);
}

void ProjectTableWindow::SetCaptions(const MenuCaptions& captions) {
  ApplyMenuCaptions(*this, captions, {{"mi_file", "mi_file"},
                                      {"mi_fileExit", "mi_fileexit"},
                                      {"mi_Help", "mi_Help"},
                                      {"mi_HelpHelp", "mi_Help"}});
}

void ProjectTableWindow::SortByColumn(int column) {
  grid_->sortItems(column, Qt::AscendingOrder);
}

std::vector<std::vector<std::string>> ProjectTableWindow::Cells() const {
  std::vector<std::vector<std::string>> cells(1);
  for (int c = 0; c < grid_->columnCount(); ++c) {
    const QTableWidgetItem* heading = grid_->horizontalHeaderItem(c);
    cells.front().push_back(heading != nullptr ? ToUtf8(heading->text()) : std::string());
  }
  for (int r = 0; r < grid_->rowCount(); ++r) {
    std::vector<std::string>& row = cells.emplace_back();
    for (int c = 0; c < grid_->columnCount(); ++c) {
      const QTableWidgetItem* item = grid_->item(r, c);
      row.push_back(item != nullptr ? ToUtf8(item->text()) : std::string());
    }
  }
  return cells;
}

void ProjectTableWindow::ChooseRow(int row) {
  if (row < 0 || row >= grid_->rowCount()) return;  // OK with no row: nothing chosen yet
  chosenRow_ = row;
  accept();
}

std::optional<std::string> ProjectTableWindow::Choose() {
  chosenRow_ = -1;
  grid_->setFocus();
  if (exec() != QDialog::Accepted || chosenRow_ < 0) return std::nullopt;
  const QTableWidgetItem* file = grid_->item(chosenRow_, 0);
  if (file == nullptr) return std::nullopt;
  return ToUtf8(file->text());
}

}  // namespace zt6::gui
