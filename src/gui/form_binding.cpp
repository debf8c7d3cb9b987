#include "gui/form_binding.h"

#include "app/ports/prompts.h"
#include "base/codepage.h"
#include "gui/qt_text.h"

namespace zt6::gui {

QLineEdit* FormBinding::Edit(QWidget* parent, const std::string& field, int maxLength) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(FromUtf8(field));
  if (maxLength > 0) edit->setMaxLength(maxLength);
  edits_[field] = edit;
  return edit;
}

QLineEdit* FormBinding::Find(const std::string& field) const {
  const auto found = edits_.find(field);
  return found == edits_.end() ? nullptr : found->second;
}

void FormBinding::Pull() {
  for (const auto& [field, edit] : edits_) fields_[field] = ToUtf8(edit->text());
}

void FormBinding::Push() {
  for (const auto& [field, edit] : edits_) Push(field);
}

void FormBinding::Push(const std::string& field) {
  QLineEdit* edit = Find(field);
  if (edit == nullptr) return;
  const auto found = fields_.find(field);
  const QString text = found == fields_.end() ? QString() : FromUtf8(found->second);
  if (edit->text() != text) edit->setText(text);
}

void FormBinding::Refuse(const Refusal& refusal, Prompts& prompts) {
  ShowRefusal(refusal.message, prompts);
  if (QLineEdit* edit = Find(refusal.field)) {
    edit->setFocus();
    edit->selectAll();
  }
}

void ShowRefusal(const std::string& message, Prompts& prompts) {
  prompts.ShowErrorAlways(DisplayToOem(message));
}

}  // namespace zt6::gui
