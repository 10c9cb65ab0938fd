// Measures how long the result pane takes to show a forecast-sized report (376,992 lines)
// through the long-work path, and the longest time the GUI thread was busy meanwhile.
// Run by hand: QT_QPA_PLATFORM=offscreen build/tests/lotrix_render_timing [LINES [WIDTH [RUNS]]]
// (another count of lines, each WIDTH characters long, shown RUNS times one after the other;
// the peak memory is printed too).
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <cstdio>

#include "ScriptedHost.h"
#include "core/ReportPane.h"
#include "shell/Controller.h"
#include "shell/PanelShowResult.h"
#include "shell/mainForm.h"

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int lines = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 376'992;
  const int width = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 32;
  int runs = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 1;
  TScriptedHost host;
  TfrmMain form(host);
  form.resize(1280, 900);
  form.PanelShowResult->show();
  form.LayoutPanels();

  // The GUI thread's longest stall: a 1 ms timer notes the largest gap between its ticks.
  QElapsedTimer sinceTick;
  qint64 longestStall = 0;
  QTimer ticker;
  ticker.setInterval(1);
  QObject::connect(&ticker, &QTimer::timeout,
                   [&] { longestStall = std::max(longestStall, sinceTick.restart()); });

  QElapsedTimer total;
  qint64 shownAfter = 0;
  auto run = [&] {
    form.Controller().RunReport(
        [lines, width](THost&, TReportPane& pane) {
          QStringList rows;
          rows.reserve(lines);
          for (int i = 0; i < lines; ++i)
            rows.append(PadRight(width, IntPadLeft(8, i + 1) + u"   3  11  17  25  30  36"_s));
          pane.ReplaceLines(rows);
        },
        nullptr);
  };
  QObject::connect(&form.Controller().Work(), &TLongWork::Finished, [&] {
    // The document is in the view; let it lay out and paint once before stopping the clock.
    QTimer::singleShot(0, [&] {
      form.PanelShowResult->RichEditShowResult->repaint();
      shownAfter = total.elapsed();
      if (--runs > 0) {
        total.restart();
        run();
        return;
      }
      QTimer::singleShot(1000, &app, &QApplication::quit);  // keep watching for stalls
    });
  });
  QTimer::singleShot(0, [&] {
    sinceTick.start();
    ticker.start();
    total.start();
    run();
  });
  QApplication::exec();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("lines: %d\nshown after: %lld ms\nlongest GUI stall: %lld ms\npeak memory: %ld MB\n",
              form.PanelShowResult->RichEditShowResult->document()->blockCount(),
              static_cast<long long>(shownAfter), static_cast<long long>(longestStall),
              usage.ru_maxrss / 1024);
  return 0;
}
