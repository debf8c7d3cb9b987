// zt6-pdf: "zt6 report --format pdf" and "zt6 cad --format pdf", started by zt6 in its
// place. The pages are painted by the desktop's printer code on a PDF file, so paper,
// screen and PDF share one painting path.

#include <QGuiApplication>
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/zt6_process.h"
#include "gui/qt_printer.h"

namespace {

// Qt's remark about a missing runtime folder is no concern of a program without windows.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith("QStandardPaths:")) return;
  qt_message_output(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(QuietMessages);
  // No window is ever shown: the offscreen platform needs no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  // Numbers are written and read with the point throughout, whatever the user's locale.
  std::setlocale(LC_NUMERIC, "C");
  // zt6 speaks English, also in the system's reasons ("No space left on device").
  std::setlocale(LC_MESSAGES, "C");
  zt6::Zt6Outputs outputs;
  outputs.pdf = [](const std::string& path) -> std::unique_ptr<zt6::Printer> {
    return zt6::gui::QtPrinter::ToPdf(path);
  };
  const std::vector<std::string> args(argv + 1, argv + argc);
  return zt6::RunZt6Process(args, outputs);
}
