// Entry point of the desktop tests: offscreen windows, settings in a private temporary
// folder (never the user's own). `lotrix_shell_tests CLASS [QtTest options]` runs one test
// class (CTest runs each as its own test); without a class every one runs in turn.
#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <vector>

#include "AnalysisPanelsTests.h"
#include "ForecastPanelTests.h"
#include "HistoryToolsTests.h"
#include "ShellTests.h"
#include "ToolsTests.h"

namespace {

template <typename TTest>
int Run(int argc, char** argv) {
  TTest test;
  return QTest::qExec(&test, argc, argv);
}

struct TTestClass {
  const char* Name;
  int (*Run)(int argc, char** argv);
};

const TTestClass kClasses[] = {
    {"TMainWindowTest", &Run<TMainWindowTest>},
    {"TLayoutAndBusyTest", &Run<TLayoutAndBusyTest>},
    {"TRangePanelTest", &Run<TRangePanelTest>},
    {"TAnalysisPanelsTest", &Run<TAnalysisPanelsTest>},
    {"TForecastPanelTest", &Run<TForecastPanelTest>},
    {"THistoryToolsTest", &Run<THistoryToolsTest>},
    {"TToolsTest", &Run<TToolsTest>},
};

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir configHome;
  qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1("Lotrix"));
  const QByteArray chosen = argc > 1 ? QByteArray(argv[1]) : QByteArray();
  int failures = 0;
  for (const TTestClass& test : kClasses) {
    if (chosen == test.Name) return test.Run(argc - 1, argv + 1) == 0 ? 0 : 1;
  }
  for (const TTestClass& test : kClasses) failures += test.Run(argc, argv);
  return failures == 0 ? 0 : 1;
}
