#include "gui/desktop.h"

#include <QApplication>
#include <QFont>
#include <clocale>
#include <iostream>

#include "app/ports/batch_ports.h"
#include "app/ports/posix_launcher.h"
#include "app/ports/prompts.h"
#include "gui/main_window.h"
#include "gui/qt_printer.h"
#include "gui/qt_ui.h"

namespace zt6::gui {

int RunDesktop(Program& program, int argc, char** argv) {
  QApplication app(argc, argv);
  // Qt takes the user's locale; numbers are written and read with the point throughout.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName("ZT6");
  program.shell.messageBoxesEnabled = true;
  QtUi ui(program.shell);
  Prompts prompts(ui, program.shell, program.config.format);
  PosixLauncher launcher;
  QtPrinter printer;
  MainWindow window(program, ui, prompts, launcher, printer);
  window.FormCreate();
  window.show();
  if (program.projectFromCommandLine) WriteSessionFile(program);
  window.DemoStartIntroduction();
  window.OpenCutCommandLineProject();
  return QApplication::exec();
}

}  // namespace zt6::gui
