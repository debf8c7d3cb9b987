#include "gui/prompt_dialogs.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/desktop_text.h"
#include "gui/dialog_placement.h"
#include "gui/help_display.h"

namespace zt6::gui {

PromptDialog::PromptDialog(const QString& objectName, const QString& caption,
                           const QString& prompt, int helpNumber, QWidget* parent)
    : QDialog(parent), body_(new QVBoxLayout), helpNumber_(helpNumber) {
  setObjectName(objectName);
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(prompt, this);
  label->setObjectName("Label_prompt");
  label->setWordWrap(true);
  label->setMinimumWidth(300);
  layout->addWidget(label);
  layout->addLayout(body_);
}

void PromptDialog::AddButtons() {
  auto* row = new QHBoxLayout;
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("Button_ok");
  ok->setDefault(true);
  auto* cancel = new QPushButton(DesktopText::tr("Abbrechen"), this);
  cancel->setObjectName("Button_cancel");
  auto* helpText = new QPushButton(DesktopText::tr("&Hilfetext"), this);
  helpText->setObjectName("Button_help");
  helpText->setAutoDefault(false);
  auto* helpImage = new QPushButton(DesktopText::tr("Hilfe&bild"), this);
  helpImage->setObjectName("Button_helpimage");
  helpImage->setAutoDefault(false);
  row->addWidget(ok);
  row->addWidget(cancel);
  row->addWidget(helpText);
  row->addWidget(helpImage);
  static_cast<QVBoxLayout*>(layout())->addLayout(row);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(helpText, &QPushButton::clicked, this,
          [this] { ShowHelp(helpNumber_, HelpMode::Text); });
  connect(helpImage, &QPushButton::clicked, this,
          [this] { ShowHelp(helpNumber_, HelpMode::Image); });
  PlaceDialog(*this);
}

YesNoDialog::YesNoDialog(const QString& prompt, bool current, int helpNumber, QWidget* parent)
    : PromptDialog("Tin_janeindialog", DesktopText::tr("Eingabe"), prompt, helpNumber, parent),
      group_(new QButtonGroup(this)) {
  auto* box = new QGroupBox(DesktopText::tr("Auswahl"), this);
  box->setObjectName("RadioGroup1");
  auto* boxLayout = new QVBoxLayout(box);
  auto* yes = new QRadioButton(DesktopText::tr("&Ja"), box);
  auto* no = new QRadioButton(DesktopText::tr("&Nein"), box);
  yes->setObjectName("RadioButton_ja");
  no->setObjectName("RadioButton_nein");
  group_->addButton(yes, 1);
  group_->addButton(no, 2);
  boxLayout->addWidget(yes);
  boxLayout->addWidget(no);
  (current ? yes : no)->setChecked(true);
  body()->addWidget(box);
  AddButtons();
}

bool YesNoDialog::Yes() const { return group_->checkedId() == 1; }

ChoiceDialog::ChoiceDialog(const QString& prompt, const QStringList& items, int current,
                           int helpNumber, QWidget* parent)
    : PromptDialog(items.size() <= 7 ? "Tin_radiodialog" : "Tin_codedialog",
                   DesktopText::tr("Auswahl"), prompt, helpNumber, parent) {
  if (current < 1 || current > items.size()) current = 1;
  if (items.size() <= 7) {
    auto* box = new QGroupBox(this);
    box->setObjectName("RadioGroup1");
    auto* boxLayout = new QVBoxLayout(box);
    group_ = new QButtonGroup(this);
    for (int i = 0; i < items.size(); ++i) {
      auto* button = new QRadioButton(items[i], box);
      button->setObjectName(QString("RadioButton_%1").arg(i + 1));
      group_->addButton(button, i + 1);
      boxLayout->addWidget(button);
      button->setMinimumHeight(25);
    }
    if (auto* chosen = group_->button(current)) chosen->setChecked(true);
    body()->addWidget(box);
  } else {
    list_ = new QListWidget(this);
    list_->setObjectName("ListBox1");
    list_->addItems(items);
    list_->setCurrentRow(current - 1);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    body()->addWidget(list_);
  }
  AddButtons();
}

int ChoiceDialog::Choice() const {
  if (group_ != nullptr) return std::max(1, group_->checkedId());
  return list_->currentRow() + 1;
}

TextDialog::TextDialog(const QString& caption, const QString& prompt, int maxLength,
                       const QString& current, int helpNumber, QWidget* parent)
    : PromptDialog("Tin_textdialog", caption.isEmpty() ? DesktopText::tr("Eingabe") : caption,
                   prompt, helpNumber, parent),
      edit_(new QLineEdit(this)) {
  edit_->setObjectName("EditEinText");
  if (maxLength > 0) edit_->setMaxLength(maxLength);
  edit_->setText(current);
  edit_->selectAll();
  body()->addWidget(edit_);
  setSizeGripEnabled(true);
  AddButtons();
  edit_->setFocus();
}

QString TextDialog::Text() const { return edit_->text(); }

}  // namespace zt6::gui
