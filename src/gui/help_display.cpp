#include "gui/help_display.h"

#include <QMessageBox>
#include <QPushButton>

#include "app/ports/prompts.h"
#include "app/state/program.h"
#include "gui/dialog_buttons.h"
#include "gui/qt_text.h"

namespace zt6::gui {

namespace {

const HelpHost*& Host() {
  static const HelpHost* host = nullptr;
  return host;
}

}  // namespace

void SetHelpHost(const HelpHost* host) { Host() = host; }

void ShowHelp(int number, HelpMode mode) {
  const HelpHost* host = Host();
  if (host == nullptr || host->program == nullptr || host->prompts == nullptr) {
    // A window shown without the main window (tests): the lookup's message.
    QMessageBox box(QMessageBox::NoIcon, FromUtf8(HelpCaption(number)),
                    FromUtf8("Hilfetext Nr " + std::to_string(number) + ": keine Hilfe vorhanden."),
                    QMessageBox::Ok);
    box.setObjectName("MessageBox");
    box.exec();
    return;
  }
  Program& program = *host->program;
  ShowHelp(program.config, *host->prompts, program.drawing, number, mode);
  if (mode != HelpMode::Text && host->imageShown) host->imageShown();
}

QString HelpHint(int number) {
  const HelpHost* host = Host();
  if (host == nullptr || host->program == nullptr) return {};
  const Program& program = *host->program;
  if (number == 0) number = program.shell.helpNumber;
  return FromUtf8(
      HelpTextAsString(LookUpHelp(program.config, number), program.config.format.asciiSpecial));
}

void SetHelpHint(QWidget* widget, int number, HintWhen when) {
  const HelpHost* host = Host();
  if (widget == nullptr || host == nullptr || host->program == nullptr) return;
  if (when == HintWithHelpLevel && host->program->config.helpLevel == 0) return;
  widget->setToolTip(HelpHint(number));
}

QPushButton* HelpButton(QWidget* parent, const char* name, const QString& text, int number,
                        HelpMode mode) {
  QPushButton* button = NamedButton(parent, name, text);
  QObject::connect(button, &QPushButton::clicked, parent, [number, mode] { ShowHelp(number, mode); });
  return button;
}

}  // namespace zt6::gui
