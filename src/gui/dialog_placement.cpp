#include "gui/dialog_placement.h"

#include "gui/desktop_text.h"
#include <QMessageBox>
#include <algorithm>

namespace zt6::gui {

DialogScale& CurrentDialogScale() {
  static DialogScale scale;
  return scale;
}

QWidget*& MainWindowForDialogs() {
  static QWidget* window = nullptr;
  return window;
}

void PlaceDialog(QWidget& dialog) {
  const DialogScale scale = CurrentDialogScale();
  if (scale.elementPercent > 0 && scale.elementPercent != 100) {
    QFont font = dialog.font();
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 9.0;
    font.setPointSizeF(points * scale.elementPercent / 100.0);
    dialog.setFont(font);
  }
  // A window that chose its own size keeps it; the others take the size their contents ask.
  if (!dialog.testAttribute(Qt::WA_Resized)) dialog.adjustSize();
  QSize size = dialog.size();
  if (scale.windowPercent > 0) {
    size = QSize(size.width() * scale.windowPercent / 100, size.height() * scale.windowPercent / 100);
    dialog.resize(size.expandedTo(dialog.minimumSizeHint()));
  }
  const QWidget* main = MainWindowForDialogs();
  if (main == nullptr || main == &dialog) return;
  const QRect frame = main->frameGeometry();
  const int left = frame.left() + std::max(0, (frame.width() - dialog.width()) / 2);
  const int top = frame.top() + std::max(0, (frame.height() - dialog.height()) / 2) + 20;
  dialog.move(left, top);
}

void ShowNotAvailable(QWidget* parent, const QString& what) {
  QMessageBox box(QMessageBox::Information, "ZT6",
                  DesktopText::tr("%1: diese Funktion ist in dieser Version noch nicht "
                                  "verfügbar.")
                      .arg(what),
                  QMessageBox::Ok, parent);
  box.setObjectName("NotAvailable");
  box.exec();
}

}  // namespace zt6::gui
