#pragma once
// The drawing information window "Zeichnungsinfo": "Ersatz für", "Ersetzt durch", the
// sign-off rows of the title block and the free texts of the manufacturing drawing.

#include <QDialog>

#include <string>

#include "app/forms/drawing_info_form.h"
#include "app/ports/prompts.h"

class QLineEdit;
class QTableWidget;

namespace zt6::gui {

class DrawingInfoWindow : public QDialog {
  Q_OBJECT

 public:
  // releaseLabel: the release field text of the configuration; today: the date text of
  // the four date buttons.
  DrawingInfoWindow(DrawingInfoForm& form, Prompts& prompts, const QString& releaseLabel,
                    const QString& today, bool& cancelFlag, QWidget* parent);

 protected:
  void reject() override;

 private:
  void Push();
  void Pull();
  // Puts the cursor into the free-text cell a refusal names.
  void ShowCell(const std::string& cell);

  DrawingInfoForm& form_;
  Prompts& prompts_;
  bool& cancel_;
  QLineEdit* replacementFor_;
  QLineEdit* replacedBy_;
  QTableWidget* signOff_;
  QTableWidget* freeTexts_;
};

}  // namespace zt6::gui
