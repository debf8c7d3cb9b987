#include "gui/select_colour_window.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

#include "cad/drawing_window.h"
#include "gui/desktop_text.h"
#include "gui/dialog_buttons.h"
#include "gui/dialog_placement.h"
#include "gui/qt_text.h"

namespace zt6::gui {

SelectColourWindow::SelectColourWindow(int current, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
  setObjectName("TForm_selectcolor");
  setWindowTitle(DesktopText::tr("Farbe wählen"));
  list_->setObjectName("ListBox_colors");
  for (int colour = 1; colour <= 16; ++colour) {
    list_->addItem(QString::number(colour) + " (" + FromCp850(CadColourName(colour)) +
                   ")");
  }
  // All sixteen in view, without scrolling.
  list_->setMinimumHeight(list_->sizeHintForRow(0) * 16 + 2 * list_->frameWidth() + 4);
  list_->setCurrentRow(current >= 1 && current <= 16 ? current - 1 : 0);
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  const OkCancel buttons = OkCancelButtons(this);
  connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(buttons.ok);
  row->addWidget(buttons.cancel);
  layout->addLayout(row);
  PlaceDialog(*this);
}

int SelectColourWindow::Colour() const { return list_->currentRow() + 1; }

std::optional<int> SelectColour(int current, QWidget* parent) {
  SelectColourWindow window(current, parent);
  if (window.exec() != QDialog::Accepted) return std::nullopt;
  return window.Colour();
}

}  // namespace zt6::gui
