// Entry point of the desktop tests: offscreen windows, settings in a private temporary
// folder (never the user's own), every test class run in turn.
#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#include "AnalysisPanelsTests.h"
#include "ForecastPanelTests.h"
#include "ShellTests.h"

int main(int argc, char** argv) {
  QTemporaryDir configHome;
  qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1("Lotrix"));
  int failures = 0;
  {
    TMainWindowTest test;
    failures += QTest::qExec(&test, argc, argv);
  }
  {
    TLayoutAndBusyTest test;
    failures += QTest::qExec(&test, argc, argv);
  }
  {
    TRangePanelTest test;
    failures += QTest::qExec(&test, argc, argv);
  }
  {
    TAnalysisPanelsTest test;
    failures += QTest::qExec(&test, argc, argv);
  }
  {
    TForecastPanelTest test;
    failures += QTest::qExec(&test, argc, argv);
  }
  return failures == 0 ? 0 : 1;
}
