// Takes the README's screenshot: the window on a bundled example with a Range report, or the
// panel of another menu command, at the screen's size or a given one. Run under a display:
//   xvfb-run -s "-screen 0 1280x800x24" build/tests/lotrix_screenshot docs/screenshot.png
//   xvfb-run -s "-screen 0 1280x800x24" build/tests/lotrix_screenshot out.png menuPrognozCombi
//   800x600
//   xvfb-run -s "-screen 0 1280x800x24" build/tests/lotrix_screenshot out.png menuSkips
//   1280x800 4000 btnSkipsRefresh   (the analysed draw, then a button of the panel)
//   xvfb-run -s "-screen 0 1280x800x24" build/tests/lotrix_screenshot out.png menuSlice
//   1280x800 4000 btnSliceShow,cbShowChart rus   (buttons in turn; the language)
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <cstdio>

#include "ScriptedHost.h"
#include "core/Settings.h"
#include "shell/Controller.h"
#include "shell/PanelMain.h"
#include "shell/PanelRangeStat.h"
#include "shell/mainForm.h"

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
  QTemporaryDir configHome;  // never the user's own settings
  qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
  QApplication app(argc, argv);
  QApplication::setApplicationName(u"Lotrix"_s);
  const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"screenshot.png"_s;
  const QString example = TController::ExamplesDir() + u"/6x49 canada lotto.txt"_s;
  TSettings settings;
  settings.WriteSetting(QString::fromUtf16(kSettingLanguage),
                        argc > 6 ? QString::fromLocal8Bit(argv[6]) : u"eng"_s);
  settings.WriteSetting(QString::fromUtf16(kSettingReopen[0]), example);

  TScriptedHost host;
  TfrmMain form(host);
  form.show();
  QApplication::processEvents();  // FormActivate: maximise, open the example

  // How many even balls each of the last 60 draws had, newest first: a short series whose
  // frequency and Markov tables fit on one screen.
  const TLottery& lottery = form.Controller().Lottery();
  QString series;
  for (int draw = lottery.NewTira - 1; draw >= lottery.NewTira - 60; --draw) {
    int even = 0;
    for (const int ball : lottery.DrawBalls(draw)) even += ball % 2 == 0 ? 1 : 0;
    series += QString::number(even) + u' ';
  }
  const QString command = argc > 2 ? QString::fromLocal8Bit(argv[2]) : u"menuRangeStat"_s;
  if (argc > 3) {
    const QStringList size = QString::fromLocal8Bit(argv[3]).split(u'x');
    form.showNormal();
    form.setGeometry(0, 0, size.value(0).toInt(), size.value(1).toInt());
  }
  form.findChild<QAction*>(command)->trigger();
  // Then, optionally, the analysed draw and buttons of the panel, each after the work of the
  // one before: 4000 btnSkipsRefresh.
  if (argc > 5) {
    form.PanelMain->seNextTira->setValue(QString::fromLocal8Bit(argv[4]).toInt());
    for (const QString& name : QString::fromLocal8Bit(argv[5]).split(u',')) {
      form.Controller().Work().WaitForFinished();
      QApplication::processEvents();
      if (auto* button = form.findChild<QAbstractButton*>(name)) button->click();
    }
  }
  if (command == u"menuRangeStat"_s) {
    TPanelRangeStat* panel = form.Panel<TPanelRangeStat>();
    panel->poleRangeStatSource->setText(series);
    panel->checkRangeStatSort->setChecked(true);
    panel->checkRangeStatSteps->setChecked(true);
    panel->checkRangeStatMarkov->setChecked(true);
    panel->btnRangeStatRefresh->click();
  }
  for (int i = 0; i < 10; ++i) {
    form.Controller().Work().WaitForFinished();
    QApplication::processEvents();
  }

  const bool saved = form.grab().save(output);
  std::printf("%s %s (%dx%d)\n", saved ? "wrote" : "could not write", qPrintable(output),
              form.width(), form.height());
  return saved ? 0 : 1;
}
