#pragma once
// Answers the modal windows a command opens, in order: each step names the window it
// expects (object name) and what to do with it. A window that was not expected is
// noted and closed, so a wrong sequence fails the test instead of hanging it.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace zt6::test_support {

class ModalScript {
 public:
  using Action = std::function<void(QWidget*)>;

  ModalScript() {
    QApplication::instance()->installEventFilter(&hideWatcher_);
    hideWatcher_.script = this;
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
  }

  // objectName may list alternatives: "MessageBox|Tin_radiodialog".
  void Expect(const std::string& objectName, Action action) {
    steps_.push_back({objectName, std::move(action)});
  }

  bool Done() const { return steps_.empty(); }
  std::vector<std::string> unexpected;  // windows met with no step for them
  std::vector<std::string> seen;        // every modal window answered, in order

 private:
  struct Step {
    std::string objectName;
    Action action;
  };

  static bool Matches(const std::string& names, const std::string& name) {
    std::size_t start = 0;
    while (true) {
      const std::size_t bar = names.find('|', start);
      if (names.compare(start, bar - start, name) == 0 && !name.empty()) return true;
      if (bar == std::string::npos) return false;
      start = bar + 1;
    }
  }

  // Forgets a handled window the moment it hides, so its next showing is answered anew.
  struct HideWatcher : QObject {
    ModalScript* script = nullptr;
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() == QEvent::Hide) {
        std::erase_if(script->handled_, [watched](const QPointer<QWidget>& w) {
          return w.isNull() || w.data() == watched;
        });
      }
      return false;
    }
  };

  // A window is answered once per showing: one still open stays in handled_ (a nested
  // window runs its own loop meanwhile), one shown again later is answered again.
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    for (const QPointer<QWidget>& w : handled_) {
      if (w == modal) return;
    }
    handled_.push_back(modal);
    const std::string name = modal->objectName().toStdString();
    if (std::getenv("ZT6_SCRIPT_TRACE") != nullptr) {
      std::fprintf(stderr, "modal %s: %s\n", name.c_str(), modal->property("text").toString().toUtf8().constData());
    }
    if (steps_.empty() || !Matches(steps_.front().objectName, name)) {
      unexpected.push_back(name);
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
      else modal->close();
      return;
    }
    seen.push_back(name);
    Step step = std::move(steps_.front());
    steps_.pop_front();
    // Answered from its own timer: a window the answer opens in turn is then met by this
    // poll again, which a timer cannot do while its own slot is still running.
    QPointer<QWidget> target = modal;
    QTimer::singleShot(0, [action = std::move(step.action), target] {
      if (!target.isNull()) action(target);
    });
  }

  HideWatcher hideWatcher_;
  QTimer timer_;
  std::deque<Step> steps_;
  std::vector<QPointer<QWidget>> handled_;
};

}  // namespace zt6::test_support
