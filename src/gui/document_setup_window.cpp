#include "gui/document_setup_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/desktop_text.h"
#include "gui/dialog_buttons.h"
#include "gui/help_display.h"
#include "gui/dialog_placement.h"

namespace zt6::gui {

namespace {

constexpr int kHelpNumber = 2730;
constexpr int kProgramTipNumber = 2710;
constexpr int kFileTipNumber = 2720;

QLabel* TipLabel(QWidget* parent, const QString& name, const QString& text, int helpNumber) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  // The help text of this number is its tooltip, at every help level.
  label->setProperty("helpNumber", helpNumber);
  SetHelpHint(label, helpNumber, HintAlways);
  return label;
}

}  // namespace

DocumentSetupWindow::DocumentSetupWindow(DocumentSetupForm& form, Prompts& prompts,
                                         bool& cancelFlag, QWidget* parent)
    : QDialog(parent), form_(form), prompts_(prompts), cancel_(cancelFlag), binding_(form.fields) {
  setObjectName("TForm_confDoku");
  setWindowTitle(DesktopText::tr("Dokumente einrichten"));
  auto* layout = new QVBoxLayout(this);
  for (int k = 1; k <= static_cast<int>(kDocumentLinks); ++k) {
    const QString n = QString::number(k);
    auto* box = new QGroupBox(" " + DesktopText::tr("Dokument %1").arg(n) + " ", this);
    box->setObjectName("GroupBox" + n);
    auto* grid = new QGridLayout(box);
    const struct {
      QString label;
      QString labelName;
      std::string field;
      QString buttonName;
      int tip;
      bool program;
    } rows[] = {
        {DesktopText::tr("Programm %1").arg(n), "Label_prog" + n,
         DocumentSetupForm::ProgramField(k), "Button_prog" + n, kProgramTipNumber, true},
        {DesktopText::tr("Datei %1").arg(n), "Label_file" + n, DocumentSetupForm::FileField(k),
         "Button_file" + n, kFileTipNumber, false},
    };
    int line = 0;
    for (const auto& row : rows) {
      QLabel* label = TipLabel(box, row.labelName, row.label, row.tip);
      grid->addWidget(label, line, 0);
      QLineEdit* edit = binding_.Edit(box, row.field, static_cast<int>(docwidth::documentText));
      label->setBuddy(edit);  // F1 in the field shows the label's help
      edit->setMinimumWidth(360);
      grid->addWidget(edit, line, 1);
      QPushButton* choose = NamedButton(box, row.buttonName.toUtf8().constData(), "...");
      choose->setMaximumWidth(32);
      const std::string field = row.field;
      const bool program = row.program;
      connect(choose, &QPushButton::clicked, this, [this, k, field, program] {
        binding_.Pull();
        if (program) {
          form_.ChooseProgram(k, prompts_);
        } else {
          form_.ChooseFile(k, prompts_);
        }
        binding_.Push(field);
      });
      grid->addWidget(choose, line, 2);
      ++line;
    }
    layout->addWidget(box);
  }

  const auto [ok, cancel] = OkCancelButtons(this);
  QPushButton* help =
      HelpButton(this, "Button_help", DesktopText::tr("&Hilfetext"), kHelpNumber, HelpMode::Text);
  help->setProperty("helpNumber", kHelpNumber);
  layout->addLayout(ButtonRow({ok, cancel, help}));
  connect(ok, &QPushButton::clicked, this, [this] {
    binding_.Pull();
    form_.Accept();
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, &DocumentSetupWindow::reject);
  form_.Fill();
  binding_.Push();
  PlaceDialog(*this);
}

void DocumentSetupWindow::reject() {
  cancel_ = true;
  QDialog::reject();
}

}  // namespace zt6::gui
