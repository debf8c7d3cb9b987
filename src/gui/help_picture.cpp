#include "gui/help_picture.h"

#include <QDialog>
#include <QVBoxLayout>

#include "gui/desktop_text.h"
#include "gui/drawing_view.h"

namespace zt6::gui {

void ShowHelpPictureOver(QWidget& dialog, DrawingWindow& drawing, QSize area) {
  auto* window = dialog.findChild<QDialog*>("TForm_helppicture", Qt::FindDirectChildrenOnly);
  if (window == nullptr) {
    window = new QDialog(&dialog);
    window->setObjectName("TForm_helppicture");
    window->setWindowTitle(DesktopText::tr("ZT6 Hilfebilder"));
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* view = new DrawingView(drawing, window);
    // The drawing is mapped for the drawing area: the view keeps that size.
    view->setFixedSize(area);
    layout->addWidget(view);
  }
  window->show();
  window->raise();
  window->activateWindow();
  window->update();
  if (auto* view = window->findChild<DrawingView*>()) view->update();
}

}  // namespace zt6::gui
