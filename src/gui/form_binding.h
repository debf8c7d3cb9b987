#pragma once
// Binds a dialog's line edits to the field texts of its form by object name.

#include <QLineEdit>
#include <QString>
#include <map>
#include <string>

#include "app/forms/form_fields.h"
#include "app/forms/value_entry.h"

namespace zt6 {
class Prompts;
}

namespace zt6::gui {

class FormBinding {
 public:
  explicit FormBinding(FieldTexts& fields) : fields_(fields) {}

  // A new edit named after its field.
  QLineEdit* Edit(QWidget* parent, const std::string& field, int maxLength = 0);
  QLineEdit* Find(const std::string& field) const;
  // Widgets -> field texts, and back.
  void Pull();
  void Push();
  // Only one field back, so the edit being typed in keeps its cursor.
  void Push(const std::string& field);

  // Pulls the field texts and asks check(); a refusal is shown as an error naming the
  // field, whose edit then takes the focus. True when nothing was refused.
  template <typename Check>
  bool Checked(Prompts& prompts, Check check) {
    Pull();
    const std::optional<Refusal> refused = check();
    if (refused) Refuse(*refused, prompts);
    return !refused;
  }
  void Refuse(const Refusal& refusal, Prompts& prompts);

 private:
  FieldTexts& fields_;
  std::map<std::string, QLineEdit*> edits_;
};

// A refusal of value entry (UTF-8) as an error box, for windows without a binding.
void ShowRefusal(const std::string& message, Prompts& prompts);

}  // namespace zt6::gui
