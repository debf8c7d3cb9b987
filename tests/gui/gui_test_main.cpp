// The GUI tests run on Qt's offscreen platform unless a display is asked for.

#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>

#include "support/test_isolation.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");  // as the program does after its QApplication
  ::testing::InitGoogleTest(&argc, argv);
  zt6::test_support::InstallTestIsolation();
  return RUN_ALL_TESTS();
}
