#pragma once
// Binds a dialog's line edits to the field texts of its form by object name.

#include <QLineEdit>
#include <QString>
#include <map>
#include <string>

#include "app/forms/form_fields.h"

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

 private:
  FieldTexts& fields_;
  std::map<std::string, QLineEdit*> edits_;
};

}  // namespace zt6::gui
