#include "gui/help_display.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "app/ports/prompts.h"
#include "app/state/program.h"
#include "gui/desktop_text.h"
#include "gui/dialog_buttons.h"
#include "gui/qt_text.h"

namespace zt6::gui {

namespace {

const HelpHost*& Host() {
  static const HelpHost* host = nullptr;
  return host;
}

int HelpNumberOf(const QObject* object) {
  const QVariant number = object != nullptr ? object->property("helpNumber") : QVariant();
  return number.isValid() ? number.toInt() : 0;
}

// The help number F1 shows for the focused widget: see InstallHelpKey.
int HelpNumberForFocus(QWidget* focus) {
  QWidget* window = focus->window();
  for (QWidget* w = focus; w != nullptr; w = w->parentWidget()) {
    if (const int number = HelpNumberOf(w)) return number;
    if (window != nullptr) {
      for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() == w && HelpNumberOf(label) != 0) return HelpNumberOf(label);
    }
    if (w == window) break;
  }
  if (window == nullptr) return 0;
  for (const char* name : {"Button_help", "Button_hilfe"})
    if (const int number = HelpNumberOf(window->findChild<QPushButton*>(name))) return number;
  return 0;
}

class HelpKeyFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
    // The key goes to the focused widget first; its parents are not asked again.
    ShowHelp(HelpNumberForFocus(static_cast<QWidget*>(watched)), HelpMode::Text);
    return true;
  }
};

}  // namespace

void InstallHelpKey() {
  static HelpKeyFilter* filter = nullptr;
  if (filter != nullptr || qApp == nullptr) return;
  filter = new HelpKeyFilter(qApp);
  qApp->installEventFilter(filter);
}

void SetHelpHost(const HelpHost* host) { Host() = host; }
const HelpHost* CurrentHelpHost() { return Host(); }

void ShowHelp(int number, HelpMode mode) {
  const HelpHost* host = Host();
  if (host == nullptr || host->program == nullptr || host->prompts == nullptr) {
    // A window shown without the main window (tests): the lookup's message.
    QMessageBox box(QMessageBox::NoIcon, DesktopText::tr("HILFETEXT Nr.%1").arg(number),
                    DesktopText::tr("Hilfetext Nr %1: keine Hilfe vorhanden.").arg(number),
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
