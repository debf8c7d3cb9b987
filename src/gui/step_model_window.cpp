#include "gui/step_model_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

#include "base/number_parse.h"
#include "gui/dialog_buttons.h"
#include "gui/qt_text.h"

namespace zt6::gui {

namespace {

QString LengthText(double mm) { return QString::number(mm, 'g', 10); }

// A length as typed: a decimal comma is taken as a point.
std::optional<double> TypedLength(const QLineEdit* field) {
  std::string text = field->text().trimmed().toStdString();
  for (char& c : text)
    if (c == ',') c = '.';
  return TryParseReal(text);
}

}  // namespace

StepModelWindow::StepModelWindow(const DesignRecord& design, const SolidModelOptions& proposal,
                                 const MenuCaptions& captions, QWidget* parent)
    : QDialog(parent), design_(design), captions_(captions), options_(proposal) {
  setObjectName("StepModelWindow");
  const auto caption = [&captions](const char* name) { return FromUtf8(captions.Caption(name)); };
  setWindowTitle(caption("step_title"));
  part_ = new QComboBox(this);
  part_->setObjectName("part");
  part_->addItems({caption("step_shaft"), caption("step_hub"), caption("step_assembly")});
  part_->setCurrentIndex(static_cast<int>(proposal.part));
  condition_ = new QComboBox(this);
  condition_->setObjectName("condition");
  condition_->addItems({caption("step_mean"), caption("step_max"), caption("step_min")});
  condition_->setCurrentIndex(static_cast<int>(proposal.condition));
  hubDiameter_ = new QLineEdit(LengthText(proposal.hubDiameter), this);
  hubDiameter_->setObjectName("hubDiameter");
  shaftLength_ = new QLineEdit(LengthText(proposal.shaftLength), this);
  shaftLength_->setObjectName("shaftLength");
  pins_ = new QCheckBox(caption("step_pins"), this);
  pins_->setObjectName("pins");
  pins_->setChecked(proposal.pins);

  auto* form = new QFormLayout;
  form->addRow(caption("step_part"), part_);
  form->addRow(caption("step_condition"), condition_);
  form->addRow(caption("step_hubDiameter"), hubDiameter_);
  form->addRow(caption("step_shaftLength"), shaftLength_);
  form->addRow(QString(), pins_);
  const OkCancel buttons = OkCancelButtons(this);
  connect(buttons.ok, &QPushButton::clicked, this, &StepModelWindow::Accept);
  connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(ButtonRow({buttons.ok, buttons.cancel}));
}

void StepModelWindow::Accept() {
  SolidModelOptions chosen = options_;
  chosen.part = static_cast<SolidPart>(part_->currentIndex());
  chosen.condition = static_cast<MaterialCondition>(condition_->currentIndex());
  chosen.pins = pins_->isChecked();
  chosen.hubDiameter = TypedLength(hubDiameter_).value_or(-1);
  chosen.shaftLength = TypedLength(shaftLength_).value_or(-1);
  // The field that holds no length the model can take is named and gets the focus.
  QLineEdit* refused = nullptr;
  const char* problem = nullptr;
  if (!(chosen.shaftLength > 0)) {
    refused = shaftLength_;
    problem = "step_badShaftLength";
  } else if (!SolidModelProblem(design_, chosen).empty()) {
    refused = hubDiameter_;
    problem = "step_badHubDiameter";
  }
  if (refused != nullptr) {
    QMessageBox box(QMessageBox::Warning, windowTitle(), FromUtf8(captions_.Caption(problem)),
                    QMessageBox::Ok, this);
    box.setObjectName("MessageBox");
    box.exec();
    refused->setFocus();
    refused->selectAll();
    return;
  }
  options_ = chosen;
  accept();
}

std::optional<SolidModelOptions> QtModelDialog::Ask(const DesignRecord& design,
                                                    const SolidModelOptions& proposal) {
  StepModelWindow window(design, proposal, captions_, parent_);
  if (window.exec() != QDialog::Accepted) return std::nullopt;
  return window.Options();
}

}  // namespace zt6::gui
