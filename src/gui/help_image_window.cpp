#include "gui/help_image_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>

#include "app/help/help_image_browser.h"
#include "app/ports/prompts.h"
#include "app/state/program.h"
#include "gui/desktop_text.h"
#include "gui/dialog_buttons.h"
#include "gui/help_display.h"
#include "gui/qt_text.h"

namespace zt6::gui {

namespace {

constexpr int kBrowserHelp = 2300;

// The browser keeps its place while the program runs.
std::optional<QPoint>& RememberedPosition() {
  static std::optional<QPoint> position;
  return position;
}

}  // namespace

HelpImageWindow::HelpImageWindow(const QStringList& lines, int current, QWidget* parent)
    : QDialog(parent, Qt::Tool), list_(new QComboBox(this)) {
  setObjectName("TForm_hilfebild");
  setWindowTitle(DesktopText::tr("ZT6 Hilfebilder"));
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  list_->setObjectName("ListBox1");
  list_->addItems(lines);
  list_->setCurrentIndex(lines.isEmpty() ? -1 : std::clamp(current, 0, int(lines.size()) - 1));
  list_->setMinimumWidth(420);
  top->addWidget(list_, 1);
  auto* spin = new QWidget(this);
  spin->setObjectName("SpinButton1");
  auto* spinLayout = new QVBoxLayout(spin);
  spinLayout->setContentsMargins(0, 0, 0, 0);
  spinLayout->setSpacing(0);
  auto* up = new QToolButton(spin);
  up->setObjectName("SpinButton1_up");
  up->setArrowType(Qt::UpArrow);
  auto* down = new QToolButton(spin);
  down->setObjectName("SpinButton1_down");
  down->setArrowType(Qt::DownArrow);
  spinLayout->addWidget(up);
  spinLayout->addWidget(down);
  top->addWidget(spin);
  layout->addLayout(top);

  auto* buttons = new QHBoxLayout;
  QPushButton* ok = NamedButton(this, "Button_ok", "OK");
  ok->setDefault(true);
  buttons->addWidget(ok);
  buttons->addWidget(HelpButton(this, "Button_help", DesktopText::tr("&Hilfe"), 0, HelpMode::Text));
  QPushButton* added = NamedButton(this, "Button_neu", DesktopText::tr("&Neu"));
  QPushButton* changed = NamedButton(this, "Button_aendern", DesktopText::tr("&Ändern"));
  QPushButton* inserted = NamedButton(this, "Button_einfuegen", DesktopText::tr("&Einfügen"));
  QPushButton* removed = NamedButton(this, "Button_loeschen", DesktopText::tr("&Löschen"));
  for (QPushButton* b : {added, changed, inserted, removed}) buttons->addWidget(b);
  layout->addLayout(buttons);

  connect(ok, &QPushButton::clicked, this, [this] { Close(Action::Ok); });
  connect(added, &QPushButton::clicked, this, [this] { Close(Action::New); });
  connect(changed, &QPushButton::clicked, this, [this] { Close(Action::Change); });
  connect(inserted, &QPushButton::clicked, this, [this] { Close(Action::Insert); });
  connect(removed, &QPushButton::clicked, this, [this] { Close(Action::Delete); });
  connect(list_, &QComboBox::activated, this, [this] { Close(Action::Chosen); });
  // Previous and next, never beyond the first or the last entry.
  connect(up, &QToolButton::clicked, this, [this] {
    if (list_->currentIndex() <= 0) return;
    list_->setCurrentIndex(list_->currentIndex() - 1);
    Close(Action::Chosen);
  });
  connect(down, &QToolButton::clicked, this, [this] {
    if (list_->currentIndex() + 1 >= list_->count()) return;
    list_->setCurrentIndex(list_->currentIndex() + 1);
    Close(Action::Chosen);
  });
  if (RememberedPosition()) move(*RememberedPosition());
}

HelpImageWindow::~HelpImageWindow() { RememberedPosition() = pos(); }

int HelpImageWindow::Current() const { return list_->currentIndex(); }

void HelpImageWindow::Close(Action action) {
  action_ = action;
  accept();
}

void BrowseHelpImages(Program& program, Prompts& prompts, const std::function<void()>& repaint,
                      QWidget* parent) {
  ShellState& shell = program.shell;
  HelpImageBrowser browser(program, prompts);
  if (!browser.ListExists()) {
    browser.ChooseAndDrawPlotFile();
    repaint();
    return;
  }
  browser.Read();
  int current = 0;
  browser.Draw(0);
  repaint();
  if (shell.demoMode) return;
  while (true) {
    shell.helpNumber = kBrowserHelp;
    QStringList lines;
    for (const std::string& line : browser.DisplayLines()) lines << FromUtf8(line);
    HelpImageWindow window(lines, current, parent);
    window.exec();
    const std::optional<std::size_t> selected =
        window.Current() >= 0 ? std::optional<std::size_t>(window.Current()) : std::nullopt;
    bool goOn = true;
    switch (window.Chosen()) {
      case HelpImageWindow::Action::Ok:
        return;
      case HelpImageWindow::Action::Chosen:
        current = std::max(0, window.Current());
        browser.Draw(static_cast<std::size_t>(current));
        repaint();
        break;
      case HelpImageWindow::Action::New: goOn = browser.New(); break;
      case HelpImageWindow::Action::Change: goOn = browser.Change(selected); break;
      case HelpImageWindow::Action::Insert: goOn = browser.Insert(selected); break;
      case HelpImageWindow::Action::Delete: goOn = browser.Remove(selected); break;
    }
    shell.cancel = false;
    if (!goOn) return;
    const int count = static_cast<int>(browser.Entries().size());
    current = count == 0 ? 0 : std::min(current, count - 1);
  }
}

}  // namespace zt6::gui
