#include "gui/dimensions_window.h"

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

struct Row {
  const char* field;
  const char* proposal;  // the "<" button, or nullptr
};

constexpr Row kRows[] = {
    {"Edit_name", nullptr},        {"Edit_d1", nullptr},
    {"Edit_d3", nullptr},          {"Edit_d5", "Button_d"},
    {"Edit_z", "Button_z"},        {"Edit_beta", "Button_beta"},
    {"Edit_rimax", "Button_rimax"}, {"Edit_remax", "Button_remax"},
    {"Edit_tgi", "Button_tgi"},    {"Edit_tge", "Button_tge"},
    {"Edit_dri", "Button_dri"},    {"Edit_dre", "Button_dre"},
    {"Edit_l", "Button_l"},
};

QGroupBox* RadioBox(QWidget* parent, const char* name, const QString& caption,
                    const QStringList& items, QButtonGroup* group) {
  auto* box = new QGroupBox(caption, parent);
  box->setObjectName(name);
  auto* layout = new QHBoxLayout(box);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], box);
    button->setObjectName(QString(name) + QString::number(i + 1));
    group->addButton(button, i + 1);
    layout->addWidget(button);
  }
  return box;
}

}  // namespace

DimensionsWindow::DimensionsWindow(DimensionForm& form, Prompts& prompts, bool& cancelFlag,
                                   QWidget* parent)
    : QDialog(parent),
      form_(form),
      prompts_(prompts),
      cancel_(cancelFlag),
      binding_(form.fields),
      source_(new QButtonGroup(this)),
      tolerance_(new QButtonGroup(this)) {
  setObjectName("TForm_zt6abm");
  setWindowTitle("ZT6");
  auto* layout = new QVBoxLayout(this);

  auto* top = new QHBoxLayout;
  top->addWidget(RadioBox(
      this, "RadioGroup_abm", QString(),
      {DesktopText::tr("Datenbank DIN 5481"), DesktopText::tr("selbst definiert")}, source_));
  toleranceBox_ = RadioBox(this, "RadioGroup_tol", FromUtf8(form.Label("RadioGroup_tol")),
                           {FromUtf8(form.Label("RadioGroup_tol1")),
                            FromUtf8(form.Label("RadioGroup_tol2"))},
                           tolerance_);
  // Hidden for typed dimensions, but its room is kept so the dialog and the DIN 5481
  // button stay where they are when the source changes.
  QSizePolicy keepRoom = toleranceBox_->sizePolicy();
  keepRoom.setRetainSizeWhenHidden(true);
  toleranceBox_->setSizePolicy(keepRoom);
  top->addWidget(toleranceBox_);
  databaseButton_ = NamedButton(this, "Button_db", "DIN 5481");
  top->addWidget(databaseButton_);
  layout->addLayout(top);

  auto* grid = new QGridLayout;
  int r = 0;
  for (const Row& row : kRows) {
    auto* label = new QLabel(FromUtf8(form.Label(row.field)), this);
    label->setObjectName(QString("Label_") + QString(row.field).mid(5));
    QLineEdit* edit = binding_.Edit(this, row.field);
    edit->setMinimumWidth(110);
    label->setBuddy(edit);
    if (row.field == std::string("Edit_l")) SetHelpHint(label, 5010, HintAlways);
    grid->addWidget(label, r, 0);
    grid->addWidget(edit, r, 1);
    const std::string field = row.field;
    // The unit shown beside lengths follows the unit switch.
    if (field != "Edit_name" && field != "Edit_z") {
      auto* unit = new QLabel(this);
      unit->setObjectName(QString("Label_unit_") + QString(row.field).mid(5));
      if (field == "Edit_beta") {
        unit->setText(QString::fromUtf8("°"));
      } else {
        lengthUnits_.push_back(unit);
      }
      grid->addWidget(unit, r, 4);
    }
    const bool alwaysOn = field == "Edit_l";
    if (!alwaysOn) dimensionWidgets_.push_back(edit);
    if (row.proposal != nullptr) {
      QPushButton* button = NamedButton(this, row.proposal, "<");
      button->setMaximumWidth(32);
      grid->addWidget(button, r, 2);
      if (!alwaysOn) dimensionWidgets_.push_back(button);
      const std::string name = row.proposal;
      // The fillet proposals write every field back first, so they check them first.
      const bool writesBack = name == "Button_rimax" || name == "Button_remax";
      connect(button, &QPushButton::clicked, this, [this, name, writesBack] {
        binding_.Pull();
        if (writesBack && !binding_.Checked(prompts_, [this] { return form_.Check(); })) return;
        form_.Propose(name);
        binding_.Push();
      });
    }
    ++r;
  }
  QLineEdit* dii = binding_.Find("Edit_d1");
  dii->setStyleSheet("QLineEdit { background-color: #ff4040; }");
  dii->setToolTip(DesktopText::tr(
      "Rot: Dii ist der Durchmesser, nach dem die Größe in DIN 5481 geordnet und gewählt wird."));
  setProperty("helpNumber", 5005);  // F1 in any field
  binding_.Find("Edit_name")->setMaxLength(20);
  QPushButton* hubLength = HelpButton(this, "Button_lhb", "?", "Hilfebild 5010");
  hubLength->setMaximumWidth(32);
  grid->addWidget(hubLength, r - 1, 3);
  layout->addLayout(grid);

  auto* buttons = new QHBoxLayout;
  const auto [ok, cancel] = OkCancelButtons(this);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(
      HelpButton(this, "Button_help", DesktopText::tr("&Hilfetext"), "Hilfetext 5005"));
  buttons->addWidget(
      HelpButton(this, "Button_helpimage", DesktopText::tr("Hilfe&bild"), "Hilfebild 5005"));
  QPushButton* units = NamedButton(this, "Button_metric", DesktopText::tr("mm <--> inch"));
  buttons->addWidget(units);
  layout->addLayout(buttons);

  connect(ok, &QPushButton::clicked, this, &DimensionsWindow::Ok);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(units, &QPushButton::clicked, this, [this] {
    form_.source = source_->checkedId();
    form_.toleranceClass = tolerance_->checkedId();
    if (!binding_.Checked(prompts_, [this] { return form_.Check(); })) return;
    form_.SwitchUnits();
    Refill();
  });
  connect(databaseButton_, &QPushButton::clicked, this, [this] {
    binding_.Pull();
    form_.PickDin5481();
    Refill();
  });
  connect(source_, &QButtonGroup::idClicked, this, [this](int id) {
    form_.source = id;
    ApplyEnabling();
  });
  connect(tolerance_, &QButtonGroup::idClicked, this, [this](int id) { form_.toleranceClass = id; });

  form_.Fill();
  Refill();
  PlaceDialog(*this);
}

void DimensionsWindow::Refill() {
  binding_.Push();
  const QString unit = form_.Units() == UnitSystem::English ? "in" : "mm";
  for (QLabel* label : lengthUnits_) label->setText(unit);
  if (QAbstractButton* b = source_->button(form_.source)) b->setChecked(true);
  if (QAbstractButton* b = tolerance_->button(form_.toleranceClass)) b->setChecked(true);
  ApplyEnabling();
}

void DimensionsWindow::ApplyEnabling() {
  const bool typed = form_.DimensionsEnabled();
  for (QWidget* widget : dimensionWidgets_) widget->setEnabled(typed);
  databaseButton_->setEnabled(!typed);
  toleranceBox_->setVisible(!typed);
}

void DimensionsWindow::Ok() {
  form_.source = source_->checkedId();
  form_.toleranceClass = tolerance_->checkedId();
  if (!binding_.Checked(prompts_, [this] { return form_.Check(); })) return;
  if (form_.Accept()) accept();
}

void DimensionsWindow::reject() {
  cancel_ = true;
  QDialog::reject();
}

}  // namespace zt6::gui
