#pragma once
// The colour selection window "Select Color": the sixteen CAD colours by name.

#include <QDialog>
#include <optional>

class QListWidget;

namespace zt6::gui {

class SelectColourWindow : public QDialog {
  Q_OBJECT

 public:
  // current: the colour 1..16 preselected.
  SelectColourWindow(int current, QWidget* parent);
  int Colour() const;

 private:
  QListWidget* list_;
};

// Shows the window; the chosen colour 1..16, or nullopt when cancelled.
std::optional<int> SelectColour(int current, QWidget* parent);

}  // namespace zt6::gui
