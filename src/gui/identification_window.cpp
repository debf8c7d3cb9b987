#include "gui/identification_window.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/desktop_text.h"
#include "gui/dialog_buttons.h"
#include "gui/dialog_placement.h"

namespace zt6::gui {

IdentificationWindow::IdentificationWindow(IdentificationForm& form, const QString& caption,
                                           bool& cancelFlag, QWidget* parent)
    : QDialog(parent), form_(form), cancel_(cancelFlag), binding_(form.fields) {
  setObjectName("TForm_uni5");
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  auto* groups = new QHBoxLayout;
  for (int part = 1; part <= 2; ++part) {
    auto* box = new QGroupBox(this);
    box->setObjectName(QString("GroupBox_%1").arg(part));
    auto* fields = new QFormLayout(box);
    const std::string n = std::to_string(part);
    for (const auto& [field, label] :
         {std::pair<std::string, QString>{"Edit_zeichname" + n, DesktopText::tr("Zeichnungsname")},
          {"Edit_zeichnr" + n, DesktopText::tr("Zeichnungsnummer")},
          {"Edit_zeichname2" + n, DesktopText::tr("2.Zeichnungsname")}}) {
      fields->addRow(label, binding_.Edit(box, field, IdentificationForm::MaxLength(field)));
    }
    groups->addWidget(box);
  }
  layout->addLayout(groups);
  auto* info = new QFormLayout;
  for (int k = 1; k <= 3; ++k) {
    const std::string field = "Edit_info" + std::to_string(k);
    QLineEdit* edit = binding_.Edit(this, field, IdentificationForm::MaxLength(field));
    edit->setMinimumWidth(460);
    info->addRow(DesktopText::tr("Zeile %1").arg(k), edit);
  }
  layout->addLayout(info);
  auto* buttons = new QHBoxLayout;
  const auto [ok, cancel] = OkCancelButtons(this);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, [this] {
    binding_.Pull();
    form_.Accept();
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, &IdentificationWindow::reject);
  form_.Fill();
  binding_.Push();
  PlaceDialog(*this);
}

void IdentificationWindow::reject() {
  cancel_ = true;
  QDialog::reject();
}

}  // namespace zt6::gui
