#include "gui/help_picture.h"

#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "app/help/help_texts.h"
#include "app/ports/prompts.h"
#include "app/state/program.h"
#include "cad/drawing_window.h"
#include "gui/desktop_text.h"
#include "gui/dialog_buttons.h"
#include "gui/dialog_placement.h"
#include "gui/drawing_view.h"
#include "gui/help_display.h"
#include "gui/qt_text.h"

namespace zt6::gui {

namespace {

// The drawing area of an image drawn on its own, in pixels.
constexpr int kImageWidth = 640;
constexpr int kImageHeight = 480;

}  // namespace

HelpPictureWindow::HelpPictureWindow(DrawingWindow& drawing, QSize area, QWidget* parent)
    : QDialog(parent), view_(new DrawingView(drawing, this)) {
  setObjectName("TForm_helppicture");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  view_->setObjectName("HelpImage");
  // The drawing is mapped for its area: the view keeps that size.
  view_->setFixedSize(area);
  layout->addWidget(view_);
}

void ShowHelpPictureOver(QWidget& dialog, DrawingWindow& drawing, QSize area) {
  auto* window =
      dialog.findChild<HelpPictureWindow*>("TForm_helppicture", Qt::FindDirectChildrenOnly);
  if (window == nullptr) {
    window = new HelpPictureWindow(drawing, area, &dialog);
    window->setWindowTitle(DesktopText::tr("ZT6 Hilfebilder"));
  }
  window->show();
  window->raise();
  window->activateWindow();
  window->update();
  window->View().update();
}

void ShowHelpImageWindow(int number, QWidget* parent) {
  const HelpHost* host = CurrentHelpHost();
  if (host == nullptr || host->program == nullptr || host->prompts == nullptr) return;
  Program& program = *host->program;
  if (number == 0) number = program.shell.helpNumber;
  const HelpEntry entry = LookUpHelp(program.config, number);
  if (!entry.HasImage()) {
    host->prompts->ui().MessageBox(
        ToUtf8(DesktopText::tr("Hilfebild Nr.%1").arg(number)),
        ToUtf8(DesktopText::tr("Zu dieser Hilfe gibt es kein Hilfebild.")));
    return;
  }
  DrawingSettings settings = program.drawing.Settings();
  settings.screenWidth = kImageWidth - 1;
  settings.screenHeight = kImageHeight - 1;
  bool cancel = false;
  DrawingWindow drawing(cancel, settings);
  drawing.Header(0, 0, 160, 120);
  DrawHelpImage(program.config, drawing, entry.image);

  HelpPictureWindow window(drawing, QSize(kImageWidth, kImageHeight), parent);
  window.setWindowTitle(DesktopText::tr("Hilfebild Nr.%1").arg(number));
  QPushButton* ok = NamedButton(&window, "Button_ok", "OK");
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &window, &QDialog::accept);
  window.layout()->addWidget(ok);
  PlaceDialog(window);
  window.exec();
}

}  // namespace zt6::gui
