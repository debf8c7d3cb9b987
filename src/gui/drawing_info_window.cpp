#include "gui/drawing_info_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/desktop_text.h"
#include "gui/dialog_buttons.h"
#include "gui/help_display.h"
#include "gui/dialog_placement.h"
#include "gui/form_binding.h"
#include "gui/qt_text.h"

namespace zt6::gui {

namespace {

constexpr int kHelpNumber = 3010;
constexpr int kReplacementLength = 15;

QTableWidget* Grid(QWidget* parent, const char* name, const QStringList& columns,
                   const QStringList& rows) {
  auto* grid = new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(columns.size()),
                                parent);
  grid->setObjectName(name);
  grid->setHorizontalHeaderLabels(columns);
  grid->setVerticalHeaderLabels(rows);
  grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  for (int r = 0; r < grid->rowCount(); ++r)
    for (int c = 0; c < grid->columnCount(); ++c) grid->setItem(r, c, new QTableWidgetItem);
  return grid;
}

// As high as its rows, so nothing below them is empty grid.
void FitHeight(QTableWidget* grid) {
  grid->resizeRowsToContents();
  int height = grid->horizontalHeader()->sizeHint().height() + 2 * grid->frameWidth();
  for (int r = 0; r < grid->rowCount(); ++r) height += grid->rowHeight(r);
  grid->setFixedHeight(height);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QString Cell(const QTableWidget* grid, int row, int column) {
  const QTableWidgetItem* item = grid->item(row, column);
  return item == nullptr ? QString() : item->text();
}

void SetCell(QTableWidget* grid, int row, int column, const std::string& utf8) {
  grid->item(row, column)->setText(FromUtf8(utf8));
}

}  // namespace

DrawingInfoWindow::DrawingInfoWindow(DrawingInfoForm& form, Prompts& prompts,
                                     const QString& releaseLabel, const QString& today,
                                     bool& cancelFlag, QWidget* parent)
    : QDialog(parent), form_(form), prompts_(prompts), cancel_(cancelFlag) {
  setObjectName("TForm_zeichInfo");
  setWindowTitle(DesktopText::tr("Zeichnungsinfo"));
  auto* layout = new QVBoxLayout(this);

  auto* edits = new QFormLayout;
  replacementFor_ = new QLineEdit(this);
  replacementFor_->setObjectName("Edit_ersatzfuer");
  replacementFor_->setMaxLength(kReplacementLength);
  replacedBy_ = new QLineEdit(this);
  replacedBy_->setObjectName("Edit_ersetztdurch");
  replacedBy_->setMaxLength(kReplacementLength);
  edits->addRow(DesktopText::tr("Ersatz für"), replacementFor_);
  edits->addRow(DesktopText::tr("Ersetzt durch"), replacedBy_);
  layout->addLayout(edits);

  auto* signOffRow = new QHBoxLayout;
  signOff_ = Grid(
      this, "StringGrid1", {DesktopText::tr("Datum"), DesktopText::tr("Name")},
      {DesktopText::tr("Bearb."), DesktopText::tr("Gepr."), DesktopText::tr("Norm"), releaseLabel});
  signOff_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  FitHeight(signOff_);
  signOffRow->addWidget(signOff_, 1);
  // Each date button beside the row it dates.
  auto* dateButtons = new QVBoxLayout;
  dateButtons->setSpacing(0);
  dateButtons->addSpacing(signOff_->horizontalHeader()->sizeHint().height() +
                          signOff_->frameWidth());
  for (int row = 0; row < 4; ++row) {
    const std::string name = "Button" + std::to_string(row + 1);
    QPushButton* button = NamedButton(this, name.c_str(), "< " + today);
    button->setFixedHeight(signOff_->rowHeight(row));
    connect(button, &QPushButton::clicked, this,
            [this, row, today] { signOff_->item(row, 0)->setText(today); });
    dateButtons->addWidget(button);
  }
  dateButtons->addStretch(1);
  signOffRow->addLayout(dateButtons);
  layout->addLayout(signOffRow);

  freeTexts_ = Grid(this, "StringGrid2", {"x", "y", "h", "phi", DesktopText::tr("Text")},
                    {"1", "2", "3", "4", "5", "6", "7", "8"});
  freeTexts_->horizontalHeader()->setStretchLastSection(true);
  freeTexts_->setMinimumWidth(560);
  FitHeight(freeTexts_);
  layout->addWidget(freeTexts_);

  const auto [ok, cancel] = OkCancelButtons(this);
  QPushButton* help =
      HelpButton(this, "Button_help", DesktopText::tr("&Hilfe"), kHelpNumber, HelpMode::Text);
  help->setProperty("helpNumber", kHelpNumber);
  layout->addLayout(ButtonRow({ok, cancel, help}));
  connect(ok, &QPushButton::clicked, this, [this] {
    Pull();
    if (const std::optional<Refusal> refused = form_.Check()) {
      ShowRefusal(refused->message, prompts_);
      ShowCell(refused->field);
      return;
    }
    if (form_.Accept()) accept();
  });
  connect(cancel, &QPushButton::clicked, this, &DrawingInfoWindow::reject);

  form_.Fill();
  Push();
  PlaceDialog(*this);
}

void DrawingInfoWindow::Push() {
  replacementFor_->setText(FromUtf8(form_.replacementFor));
  replacedBy_->setText(FromUtf8(form_.replacedBy));
  for (int row = 0; row < 4; ++row)
    for (int column = 0; column < 2; ++column)
      SetCell(signOff_, row, column, form_.signOff[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]);
  for (int row = 0; row < static_cast<int>(kMaxFreeTexts); ++row)
    for (int column = 0; column < static_cast<int>(DrawingInfoForm::kFreeTextColumns); ++column)
      SetCell(freeTexts_, row, column,
              form_.freeTexts[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]);
}

void DrawingInfoWindow::Pull() {
  // A cell still being edited gives its text to the grid as its editor loses focus.
  if (QWidget* editing = focusWidget()) editing->clearFocus();
  form_.replacementFor = ToUtf8(replacementFor_->text());
  form_.replacedBy = ToUtf8(replacedBy_->text());
  for (int row = 0; row < 4; ++row)
    for (int column = 0; column < 2; ++column)
      form_.signOff[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
          ToUtf8(Cell(signOff_, row, column));
  for (int row = 0; row < static_cast<int>(kMaxFreeTexts); ++row)
    for (int column = 0; column < static_cast<int>(DrawingInfoForm::kFreeTextColumns); ++column)
      form_.freeTexts[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
          ToUtf8(Cell(freeTexts_, row, column));
}

void DrawingInfoWindow::ShowCell(const std::string& cell) {
  for (int row = 0; row < freeTexts_->rowCount(); ++row)
    for (int column = 0; column < freeTexts_->columnCount(); ++column)
      if (DrawingInfoForm::FreeTextCell(static_cast<std::size_t>(row),
                                        static_cast<std::size_t>(column)) == cell) {
        freeTexts_->setFocus();
        freeTexts_->setCurrentCell(row, column);
      }
}

void DrawingInfoWindow::reject() {
  cancel_ = true;
  QDialog::reject();
}

}  // namespace zt6::gui
