// The baseline of the desktop start in bench/run.sh: a bare Qt 6 window that paints one
// line and ends once it has been painted, as wzt6 does with ZT6_QUIT_AFTER_FIRST_DRAWING.

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class OneLine : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawLine(10, 10, width() - 10, height() - 10);
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  OneLine window;
  window.resize(800, 600);
  window.show();
  return QApplication::exec();
}
