#pragma once
// The help image browser "ZT6 Hilfebilder" (TForm_hilfebild): a list of the images, a
// spin button for the previous and next image, OK, "&Hilfe", and the list's editing
// buttons. Choosing an image closes the window, the image is drawn, the window opens again.

#include <QDialog>
#include <QStringList>
#include <functional>

class QComboBox;

namespace zt6 {
struct Program;
class Prompts;
}  // namespace zt6

namespace zt6::gui {

class HelpImageWindow : public QDialog {
  Q_OBJECT

 public:
  enum class Action { Ok, Chosen, New, Change, Insert, Delete };

  HelpImageWindow(const QStringList& lines, int current, QWidget* parent);
  ~HelpImageWindow() override;
  Action Chosen() const { return action_; }
  int Current() const;  // 0-based; -1 without entries

 private:
  void Close(Action action);

  QComboBox* list_;
  Action action_ = Action::Ok;
};

// The browser's loop; repaint shows what it drew. Ends after the first image while the
// demonstration runs.
void BrowseHelpImages(Program& program, Prompts& prompts, const std::function<void()>& repaint,
                      QWidget* parent);

}  // namespace zt6::gui
