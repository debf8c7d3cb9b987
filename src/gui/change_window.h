#pragma once
// The change dialog "Änderung k": change text, date, editor and description of one
// change record.

#include <QDialog>

#include "app/forms/change_form.h"
#include "app/ports/prompts.h"
#include "gui/form_binding.h"

class QLabel;
class QPlainTextEdit;

namespace zt6::gui {

class ChangeWindow : public QDialog {
  Q_OBJECT

 public:
  // today: the date text of the date button (UTF-8); dateCode: the date format the date
  // field must hold; prompts show a refused OK.
  ChangeWindow(ChangeForm& form, int k, const QString& today, int dateCode, Prompts& prompts,
               bool& cancelFlag, QWidget* parent);

 protected:
  void reject() override;

 private:
  // Typing beyond the description limit is taken back; a longer text that was read
  // from a project file is shown and kept whole.
  void LimitDescription();
  // Says, where the user looks, that a field takes no more characters.
  void ShowLimit(const QString& field, int characters);

  ChangeForm& form_;
  bool& cancel_;
  FormBinding binding_;
  QPlainTextEdit* memo_;
  QLabel* limit_;
  QString lastDescription_;
};

}  // namespace zt6::gui
