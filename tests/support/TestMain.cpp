// The main of every test executable: a temporary home, the application
// object the code under test needs, then GoogleTest.
#include "support/TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

#if defined(MOXA_TEST_WIDGETS_APP)
#include <QApplication>
using TestApplication = QApplication;
#elif defined(MOXA_TEST_GUI_APP)
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
  // Tests never need a display: CTest lists them at build time, anywhere.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  moxa::test::PrepareTemporaryHome();
  ::testing::InitGoogleTest(&argc, argv);
  TestApplication app(argc, argv);
  TestApplication::setApplicationName(QStringLiteral("Moxa Website Builder"));
#if defined(MOXA_TEST_WIDGETS_APP)
  // Tests close windows and go on: the program must not end with them.
  QApplication::setQuitOnLastWindowClosed(false);
#endif
  const int result = RUN_ALL_TESTS();
  QDir(moxa::test::TemporaryHome()).removeRecursively();
  return result;
}
