#include "gui/material_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/desktop_text.h"
#include "gui/dialog_buttons.h"
#include "gui/dialog_placement.h"
#include "gui/help_display.h"
#include "gui/qt_text.h"

namespace zt6::gui {

MaterialWindow::MaterialWindow(MaterialForm& form, Prompts& prompts, bool& cancelFlag,
                               QWidget* parent)
    : QDialog(parent), form_(form), prompts_(prompts), cancel_(cancelFlag), binding_(form.fields) {
  setObjectName("TForm_ztwst");
  setWindowTitle(DesktopText::tr("ZT6  Werkstoff"));
  auto* layout = new QVBoxLayout(this);
  auto* groups = new QHBoxLayout;
  for (int p = 0; p < 2; ++p) {
    const MaterialForm::GroupFields& f = MaterialForm::kGroups[static_cast<std::size_t>(p)];
    auto* box = new QGroupBox(
        p == 0 ? DesktopText::tr(" Innenteil (Welle) ") : DesktopText::tr(" Außenteil (Nabe) "),
        this);
    box->setObjectName(p == 0 ? "GroupBox1" : "GroupBox2");
    auto* grid = new QGridLayout(box);
    auto addRow = [&](int row, const QString& text, const char* field, int maxLength) {
      auto* label = new QLabel(text, box);
      static const int kHelp[] = {5340, 5300, 5310, 5400, 5410};  // tooltips by row
      SetHelpHint(label, kHelp[row]);
      grid->addWidget(label, row, 0);
      QLineEdit* edit = binding_.Edit(box, field, maxLength);
      grid->addWidget(edit, row, 1);
      return edit;
    };
    addRow(0, DesktopText::tr("Werkstoffnummer"), f.number, 9);
    addRow(1, DesktopText::tr("Werkstoffname"), f.name, 18);
    QLineEdit* re =
        addRow(2, DesktopText::tr("Streckgrenze (Zugfest.Rm bei spröden WS)  Re"), f.Re, 0);
    unit_[p] = new QLabel(box);
    unit_[p]->setObjectName(QString("Label_unit%1").arg(p + 1));
    grid->addWidget(unit_[p], 2, 2);
    QLineEdit* fs = addRow(3, DesktopText::tr("Stützfaktor fS"), f.fS, 0);
    QLineEdit* fh = addRow(4, DesktopText::tr("Härteeinflußfaktor fH"), f.fH, 0);
    pressure_[p] = new QLabel(box);
    pressure_[p]->setObjectName(QString("Label_plim%1").arg(p + 1));
    grid->addWidget(pressure_[p], 5, 0, 1, 3);
    database_[p] = NamedButton(box, p == 0 ? "Button1" : "Button2", QString());
    grid->addWidget(database_[p], 6, 0, 1, 3);
    groups->addWidget(box);

    const int part = p + 1;
    for (QLineEdit* edit : {re, fs, fh}) {
      connect(edit, &QLineEdit::textEdited, this, [this, part] {
        binding_.Pull();
        RefreshPart(part);
      });
    }
    connect(database_[p], &QPushButton::clicked, this, [this, part] {
      binding_.Pull();
      form_.PickMaterial(part);
      Refill();
    });
  }
  layout->addLayout(groups);

  auto* buttons = new QHBoxLayout;
  const auto [ok, cancel] = OkCancelButtons(this);
  QPushButton* units = NamedButton(this, "Button_metric", DesktopText::tr("MPa <--> psi"));
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(HelpButton(this, "Button_help", DesktopText::tr("&Hilfe"), "Hilfe 5040"));
  buttons->addWidget(
      HelpButton(this, "Button_helpimage", DesktopText::tr("Hilfe&bild"), "Hilfebild 5040"));
  buttons->addWidget(units);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, [this] {
    if (binding_.Checked(prompts_, [this] { return form_.Check(); }) && form_.Accept()) accept();
  });
  connect(cancel, &QPushButton::clicked, this, &MaterialWindow::reject);
  connect(units, &QPushButton::clicked, this, [this] {
    if (!binding_.Checked(prompts_, [this] { return form_.Check(); })) return;
    form_.SwitchUnits();
    Refill();
  });

  form_.Fill();
  Refill();
  PlaceDialog(*this);
}

void MaterialWindow::Refill() {
  binding_.Push();
  RefreshPart(1);
  RefreshPart(2);
}

void MaterialWindow::RefreshPart(int part) {
  const int p = part - 1;
  pressure_[p]->setText(FromUtf8(form_.PressureLine(part)));
  unit_[p]->setText(FromUtf8(form_.StressUnit()));
  database_[p]->setText(FromUtf8(form_.DatabaseButtonCaption(part)));
}

void MaterialWindow::reject() {
  cancel_ = true;
  QDialog::reject();
}

}  // namespace zt6::gui
