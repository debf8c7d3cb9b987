#include "gui/help_image_view.h"

#include <QDialog>
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

// The image's own drawing area, in pixels.
constexpr int kImageWidth = 640;
constexpr int kImageHeight = 480;

}  // namespace

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

  QDialog window(parent);
  window.setObjectName("TForm_helpimageview");
  window.setWindowTitle(DesktopText::tr("Hilfebild Nr.%1").arg(number));
  auto* layout = new QVBoxLayout(&window);
  auto* view = new DrawingView(drawing, &window);
  view->setObjectName("HelpImage");
  view->setFixedSize(kImageWidth, kImageHeight);
  layout->addWidget(view);
  QPushButton* ok = NamedButton(&window, "Button_ok", "OK");
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &window, &QDialog::accept);
  layout->addWidget(ok);
  PlaceDialog(window);
  window.exec();
}

}  // namespace zt6::gui
