#pragma once
// The 3D model dialog of the CAD menu: part, material condition, hub diameter, shaft
// length and measuring pins, in the menu's language. OK refuses a hub diameter not
// above the hub's root diameter and a shaft length not above 0, naming the field.

#include <QDialog>
#include <optional>

#include "app/commands/menu_captions.h"
#include "app/commands/step_model_command.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace zt6::gui {

class StepModelWindow : public QDialog {
  Q_OBJECT

 public:
  StepModelWindow(const DesignRecord& design, const SolidModelOptions& proposal,
                  const MenuCaptions& captions, QWidget* parent);
  // The options confirmed with OK.
  SolidModelOptions Options() const { return options_; }

 private:
  void Accept();

  const DesignRecord& design_;
  const MenuCaptions& captions_;
  SolidModelOptions options_;
  QComboBox* part_;
  QComboBox* condition_;
  QLineEdit* hubDiameter_;
  QLineEdit* shaftLength_;
  QCheckBox* pins_;
};

// The ModelDialog port on this window.
class QtModelDialog : public ModelDialog {
 public:
  QtModelDialog(const MenuCaptions& captions, QWidget* parent)
      : captions_(captions), parent_(parent) {}
  std::optional<SolidModelOptions> Ask(const DesignRecord& design,
                                       const SolidModelOptions& proposal) override;

 private:
  const MenuCaptions& captions_;
  QWidget* parent_;
};

}  // namespace zt6::gui
