#include "gui/size_for_load_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/assistant/assistant_captions.h"
#include "app/assistant/size_choice.h"
#include "app/lookups/size_lookup.h"
#include "base/codepage.h"
#include "base/number_parse.h"
#include "base/units.h"
#include "gui/desktop_text.h"
#include "gui/qt_text.h"

namespace zt6::gui {

namespace {

QString Number(double value, int decimals) { return QString::number(value, 'f', decimals); }

}  // namespace

SizeForLoadWindow::SizeForLoadWindow(Program& program, TableAccess& access, Ui& ui, int language,
                                     QWidget* parent)
    : QDialog(parent), program_(program), access_(access), ui_(ui), language_(language) {
  setObjectName("TForm_sizeForLoad");
  setWindowTitle(Caption("size.title"));
  const UnitSystem units = program_.config.format.units;
  const QString torqueUnit = QString(" [") + UnitText(QuantityKind::Torque, units) + "]";
  const DesignRecord& d = program_.design;
  const auto edit = [this](const char* name, const QString& text) {
    auto* e = new QLineEdit(text, this);
    e->setObjectName(name);
    return e;
  };
  const auto shown = [units](double torque) {
    return torque > 0 ? QString::number(ToDisplay(QuantityKind::Torque, torque, units)) : QString();
  };
  torque_ = edit("Edit_torque", shown(d.TN));
  peak_ = edit("Edit_peak", shown(d.Tmax));
  safety_ = edit("Edit_safety", "1");
  auto* form = new QFormLayout;
  form->addRow(Caption("size.torque") + torqueUnit, torque_);
  form->addRow(Caption("size.peak") + torqueUnit, peak_);
  form->addRow(Caption("size.safety"), safety_);
  auto* search = new QPushButton(Caption("size.search"), this);
  search->setObjectName("Button_search");
  connect(search, &QPushButton::clicked, this, [this] { Search(); });

  table_ = new QTableWidget(0, 8, this);
  table_->setObjectName("Table_candidates");
  table_->setHorizontalHeaderLabels({Caption("size.size"), "l [mm]", "D [mm]", "z",
                                     DesktopText::tr("Welle S eq"), DesktopText::tr("Welle S max"),
                                     DesktopText::tr("Nabe S eq"), DesktopText::tr("Nabe S max")});
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->setMinimumSize(640, 300);
  rejected_ = new QLabel(this);
  rejected_->setObjectName("Label_rejected");
  rejected_->setWordWrap(true);

  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("Button_ok");
  ok_->setEnabled(false);
  auto* cancel = new QPushButton(Caption("cancel"), this);
  cancel->setObjectName("Button_cancel");
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(table_, &QTableWidget::itemSelectionChanged, this,
          [this] { ok_->setEnabled(!table_->selectedItems().isEmpty()); });
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { accept(); });

  auto* top = new QHBoxLayout;
  top->addLayout(form);
  top->addWidget(search, 0, Qt::AlignBottom);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(table_);
  layout->addWidget(rejected_);
  layout->addLayout(buttons);
}

QString SizeForLoadWindow::Caption(const char* key) const {
  return FromUtf8(AssistantCaption(key, language_));
}

bool SizeForLoadWindow::Search() {
  const UnitSystem units = program_.config.format.units;
  const auto torque = TryParseReal(ToUtf8(torque_->text()));
  const auto peak = peak_->text().trimmed().isEmpty() ? torque : TryParseReal(ToUtf8(peak_->text()));
  const auto safety = TryParseReal(ToUtf8(safety_->text()));
  if (!torque || !peak || !safety || *torque <= 0 || *peak <= 0 || *safety <= 0) {
    ui_.MessageBox("ZT6", AssistantCaption("size.bad", language_));
    return false;
  }
  SizeLoad load;
  load.TN = ToInternal(QuantityKind::Torque, *torque, units);
  load.Tmax = ToInternal(QuantityKind::Torque, *peak, units);
  load.safety = *safety;
  DatabaseTables tables(access_);
  result_ = SearchSizes(program_.design, load, program_, access_, tables);
  program_.shell.cancel = false;

  table_->setRowCount(static_cast<int>(result_.candidates.size()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    const SizeCandidate& c = result_.candidates[static_cast<std::size_t>(row)];
    const QStringList cells = {FromUtf8(Cp850ToUtf8(c.designation)), Number(c.design.l, 0),
                               QString::number(c.design.D), QString::number(c.design.z),
                               Number(c.safeties[0], 3), Number(c.safeties[1], 3),
                               Number(c.safeties[2], 3), Number(c.safeties[3], 3)};
    for (int column = 0; column < cells.size(); ++column)
      table_->setItem(row, column, new QTableWidgetItem(cells[column]));
  }
  table_->resizeColumnsToContents();
  QStringList rejected;
  for (const SizeRejection& r : result_.rejected) {
    QString text = FromUtf8(Cp850ToUtf8(r.designation));
    if (r.fatalMessage.empty())
      text += QString(" (%1 %2)").arg(kSafetyNames[static_cast<std::size_t>(r.weakest)],
                                      Number(r.bestValue, 3));
    rejected << text;
  }
  rejected_->setText(result_.candidates.empty()
                         ? Caption("size.none")
                         : rejected.isEmpty() ? QString()
                                              : Caption("size.rejected") + ": " + rejected.join(", "));
  if (!result_.candidates.empty()) table_->selectRow(0);
  return true;
}

void SizeForLoadWindow::accept() {
  const QList<QTableWidgetSelectionRange> ranges = table_->selectedRanges();
  if (ranges.isEmpty()) return;
  const auto row = static_cast<std::size_t>(ranges.front().topRow());
  if (row >= result_.candidates.size()) return;
  if (!TakeSizeCandidate(program_, access_, result_.candidates[row])) return;
  QDialog::accept();
}

bool ChooseSizeForLoad(Program& program, TableAccess& access, Ui& ui, int language,
                       QWidget* parent) {
  SizeForLoadWindow window(program, access, ui, language, parent);
  return window.exec() == QDialog::Accepted;
}

}  // namespace zt6::gui
