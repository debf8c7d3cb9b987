#include "gui/change_window.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/desktop_text.h"
#include "gui/dialog_buttons.h"
#include "gui/help_display.h"
#include "gui/dialog_placement.h"
#include "gui/qt_text.h"

namespace zt6::gui {

namespace {

constexpr int kHelpNumber = 3000;

}  // namespace

ChangeWindow::ChangeWindow(ChangeForm& form, int k, const QString& today, int dateCode,
                           Prompts& prompts, bool& cancelFlag, QWidget* parent)
    : QDialog(parent), form_(form), cancel_(cancelFlag), binding_(form.fields) {
  setObjectName("TForm_EinAend");
  setWindowTitle(DesktopText::tr("Änderung") + " " + QString::number(k));
  auto* layout = new QVBoxLayout(this);
  auto* fields = new QFormLayout;
  fields->addRow(DesktopText::tr("Änderungstext"),
                 binding_.Edit(this, "Edit_aenderung", ChangeForm::MaxLength("Edit_aenderung")));
  auto* dateRow = new QHBoxLayout;
  QLineEdit* date = binding_.Edit(this, "Edit_datum", ChangeForm::MaxLength("Edit_datum"));
  dateRow->addWidget(date);
  QPushButton* dateButton = NamedButton(this, "Button_datum", "<" + today);
  connect(dateButton, &QPushButton::clicked, this, [date, today] { date->setText(today); });
  dateRow->addWidget(dateButton);
  fields->addRow(DesktopText::tr("Datum"), dateRow);
  fields->addRow(DesktopText::tr("Bearbeiter"),
                 binding_.Edit(this, "Edit_bearbeiter", ChangeForm::MaxLength("Edit_bearbeiter")));
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("Memo_beschreibung");
  memo_->setTabChangesFocus(true);
  memo_->setMinimumSize(420, 120);
  fields->addRow(DesktopText::tr("Beschreibung"), memo_);
  layout->addLayout(fields);
  limit_ = new QLabel(this);
  limit_->setObjectName("Label_limit");
  layout->addWidget(limit_);
  // Typing or pasting past a field's width is refused with a beep and a word, never cut
  // without notice.
  for (const auto& [field, label] :
       {std::pair{"Edit_aenderung", QT_TRANSLATE_NOOP("DesktopText", "Änderungstext")},
        {"Edit_datum", QT_TRANSLATE_NOOP("DesktopText", "Datum")},
        {"Edit_bearbeiter", QT_TRANSLATE_NOOP("DesktopText", "Bearbeiter")}}) {
    QLineEdit* edit = binding_.Find(field);
    const QString name = DesktopText::tr(label);
    connect(edit, &QLineEdit::inputRejected, this,
            [this, edit, name] { ShowLimit(name, edit->maxLength()); });
  }

  const auto [ok, cancel] = OkCancelButtons(this);
  QPushButton* help =
      HelpButton(this, "Button_help", DesktopText::tr("&Hilfe"), kHelpNumber, HelpMode::Text);
  help->setProperty("helpNumber", kHelpNumber);
  layout->addLayout(ButtonRow({ok, cancel, help}));
  connect(ok, &QPushButton::clicked, this, [this, dateCode, &prompts] {
    binding_.Pull();
    form_.fields["Memo_beschreibung"] = ToUtf8(memo_->toPlainText());
    if (const std::string refusal = form_.Refusal(dateCode); !refusal.empty()) {
      prompts.ShowErrorAlways(refusal);
      binding_.Find("Edit_datum")->setFocus();
      return;  // the dialog stays open, the record as it was
    }
    form_.Accept();
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, &ChangeWindow::reject);

  form_.Fill();
  binding_.Push();
  lastDescription_ = FromUtf8(form_.fields["Memo_beschreibung"]);
  memo_->setPlainText(lastDescription_);
  connect(memo_, &QPlainTextEdit::textChanged, this, &ChangeWindow::LimitDescription);
  PlaceDialog(*this);
}

void ChangeWindow::LimitDescription() {
  const QString text = memo_->toPlainText();
  const int length = ChangeForm::DescriptionLength(ToUtf8(text));
  if (length > ChangeForm::kDescriptionLimit &&
      length > ChangeForm::DescriptionLength(ToUtf8(lastDescription_))) {
    ShowLimit(DesktopText::tr("Beschreibung"), ChangeForm::kDescriptionLimit);
    const QSignalBlocker block(memo_);
    const int cursor = memo_->textCursor().position();
    memo_->setPlainText(lastDescription_);
    QTextCursor back = memo_->textCursor();
    back.setPosition(std::min(cursor, static_cast<int>(lastDescription_.size())));
    memo_->setTextCursor(back);
    return;
  }
  lastDescription_ = text;
}

void ChangeWindow::ShowLimit(const QString& field, int characters) {
  QApplication::beep();
  limit_->setText(DesktopText::tr("%1: höchstens %2 Zeichen").arg(field).arg(characters));
}

void ChangeWindow::reject() {
  cancel_ = true;
  QDialog::reject();
}

}  // namespace zt6::gui
