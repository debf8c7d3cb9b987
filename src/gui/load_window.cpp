#include "gui/load_window.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/desktop_text.h"
#include "gui/dialog_buttons.h"
#include "gui/dialog_placement.h"
#include "gui/help_display.h"
#include "gui/qt_text.h"

namespace zt6::gui {

namespace {

enum class Unit { None, Kw, PerMinute, Torque };

struct Row {
  const char* field;
  const char* label;
  Unit unit;
  const char* proposal;
};

constexpr Row kRows[] = {
    {"Edit_p", QT_TRANSLATE_NOOP("DesktopText", "Nennleistung"), Unit::Kw, nullptr},
    {"Edit_n", QT_TRANSLATE_NOOP("DesktopText", "Drehzahl"), Unit::PerMinute, nullptr},
    {"Edit_tnenn", QT_TRANSLATE_NOOP("DesktopText", "Nenndrehmoment"), Unit::Torque, nullptr},
    {"Edit_tmax", QT_TRANSLATE_NOOP("DesktopText", "Maximales Drehmoment Tmax"), Unit::Torque,
     "Button_tmax"},
    {"Edit_ka", QT_TRANSLATE_NOOP("DesktopText", "Anwendungsfaktor KA"), Unit::None, "Button_ka"},
    {"Edit_klambda", QT_TRANSLATE_NOOP("DesktopText", "Lastverteilungsfaktor K lambda"), Unit::None,
     "Button_klambda"},
    {"Edit_fw", QT_TRANSLATE_NOOP("DesktopText", "Lastrichtungswechselfaktor fW"), Unit::None,
     "Button_fw"},
};

// The help text each field's label shows as its tooltip.
int LabelHelp(const std::string& field) {
  static const std::pair<const char*, int> kHelp[] = {
      {"Edit_p", 6105},  {"Edit_n", 6115},       {"Edit_tnenn", 6100}, {"Edit_tmax", 6110},
      {"Edit_ka", 6120}, {"Edit_klambda", 6130}, {"Edit_fw", 6160}};
  for (const auto& [name, number] : kHelp)
    if (field == name) return number;
  return 0;
}

}  // namespace

LoadWindow::LoadWindow(LoadForm& form, Prompts& prompts, bool& cancelFlag, QWidget* parent)
    : QDialog(parent), form_(form), prompts_(prompts), cancel_(cancelFlag), binding_(form.fields),
      mode_(new QButtonGroup(this)) {
  setObjectName("TForm_zt4last");
  setWindowTitle(DesktopText::tr("ZT6 Last"));
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  auto* modeBox = new QGroupBox(this);
  modeBox->setObjectName("RadioGroup1");
  auto* modeLayout = new QHBoxLayout(modeBox);
  const char* modes[] = {"P", "n", "TN"};
  for (int i = 0; i < 3; ++i) {
    auto* button = new QRadioButton(modes[i], modeBox);
    button->setObjectName(QString("RadioGroup1%1").arg(i + 1));
    mode_->addButton(button, i + 1);
    modeLayout->addWidget(button);
  }
  top->addWidget(modeBox);
  top->addStretch(1);
  layout->addLayout(top);

  auto* grid = new QGridLayout;
  int r = 0;
  for (const Row& row : kRows) {
    auto* label = new QLabel(DesktopText::tr(row.label), this);
    if (const int help = LabelHelp(row.field); help != 0) SetHelpHint(label, help, HintAlways);
    grid->addWidget(label, r, 0);
    QLineEdit* edit = binding_.Edit(this, row.field);
    grid->addWidget(edit, r, 1);
    auto* unit = new QLabel(this);
    if (row.unit == Unit::Kw) unit->setText("kW");
    if (row.unit == Unit::PerMinute) unit->setText("/min");
    if (row.unit == Unit::Torque) torqueUnits_.push_back(unit);
    grid->addWidget(unit, r, 2);
    if (row.proposal != nullptr) {
      QPushButton* button = NamedButton(this, row.proposal, "<");
      button->setMaximumWidth(32);
      if (std::string(row.proposal) == "Button_klambda") SetHelpHint(button, 6130, HintAlways);
      grid->addWidget(button, r, 3);
      const std::string name = row.proposal;
      connect(button, &QPushButton::clicked, this, [this, name] {
        binding_.Pull();
        form_.Propose(name);
        binding_.Push();
      });
    }
    const std::string field = row.field;
    if (field == "Edit_p" || field == "Edit_n" || field == "Edit_tnenn") {
      connect(edit, &QLineEdit::textEdited, this, [this] {
        binding_.Pull();
        form_.Recompute();
        binding_.Push(form_.ComputedField());
      });
    }
    ++r;
  }
  auto* flLabel = new QLabel(DesktopText::tr("Lastspitzenhäufigkeitsfaktor fL"), this);
  SetHelpHint(flLabel, 6170, HintAlways);
  grid->addWidget(flLabel, r, 0);
  auto* fl = new QHBoxLayout;
  fl->addWidget(new QLabel(DesktopText::tr("Welle"), this));
  fl->addWidget(binding_.Edit(this, "Edit_fl1"));
  fl->addWidget(new QLabel(DesktopText::tr("Nabe"), this));
  fl->addWidget(binding_.Edit(this, "Edit_fl2"));
  grid->addLayout(fl, r, 1, 1, 2);
  QPushButton* flButton = NamedButton(this, "Button_fl", "<");
  flButton->setMaximumWidth(32);
  grid->addWidget(flButton, r, 3);
  connect(flButton, &QPushButton::clicked, this, [this] {
    binding_.Pull();
    form_.Propose("Button_fl");
    binding_.Push();
  });
  layout->addLayout(grid);

  auto* formulas = new QLabel(
      QString::fromUtf8("Teq = TN * KA\nS eq = plim * fw / peq \nS max = plim * fL / pmax \n"
                        "p eq,max = T eq,max / (rw * z) * cos alphaw / (L * hw) * kphiβ * "
                        "klambda\nplim = Re * fs * fH"),
      this);
  formulas->setObjectName("Label_formulas");
  layout->addWidget(formulas);

  auto* helpImages = new QHBoxLayout;
  helpImages->addWidget(HelpButton(this, "Button_kahelp", "KA ?", "Hilfebild 6120"));
  helpImages->addWidget(HelpButton(this, "Button_fwhelp", "fW ?", "Hilfebild 6160"));
  helpImages->addWidget(HelpButton(this, "Button_flhelp", "fL ?", "Hilfebild 6170"));
  helpImages->addWidget(
      HelpButton(this, "Button_kphihelp", QString::fromUtf8("k phi β ?"), "Hilfebild 6180"));
  layout->addLayout(helpImages);

  auto* buttons = new QHBoxLayout;
  const auto [ok, cancel] = OkCancelButtons(this);
  QPushButton* units = NamedButton(this, "Button_metric", "Nm <--> lb-in");
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(HelpButton(this, "Button_help", DesktopText::tr("&Hilfe"), "Hilfe 1000"));
  buttons->addWidget(units);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, [this] {
    form_.mode = mode_->checkedId();
    if (binding_.Checked(prompts_, [this] { return form_.Check(); }) && form_.Accept()) accept();
  });
  connect(cancel, &QPushButton::clicked, this, &LoadWindow::reject);
  connect(units, &QPushButton::clicked, this, [this] {
    form_.mode = mode_->checkedId();
    if (!binding_.Checked(prompts_, [this] { return form_.Check(); })) return;
    form_.SwitchUnits();
    Refill();
  });
  connect(mode_, &QButtonGroup::idClicked, this, [this](int id) {
    binding_.Pull();
    form_.mode = id;
    form_.Recompute();
    Refill();
  });

  form_.Fill();
  Refill();
  PlaceDialog(*this);
}

void LoadWindow::Refill() {
  binding_.Push();
  if (QAbstractButton* b = mode_->button(form_.mode)) b->setChecked(true);
  for (QLabel* unit : torqueUnits_) unit->setText(FromUtf8(form_.TorqueUnit()));
  ApplyMode();
}

void LoadWindow::ApplyMode() {
  const std::string computed = form_.ComputedField();
  for (const char* field : {"Edit_p", "Edit_n", "Edit_tnenn"}) {
    binding_.Find(field)->setEnabled(computed != field);
  }
}

void LoadWindow::reject() {
  cancel_ = true;
  QDialog::reject();
}

}  // namespace zt6::gui
