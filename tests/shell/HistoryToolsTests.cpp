#include "HistoryToolsTests.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "ShellTestSupport.h"
#include "analyses/Intervals.h"
#include "core/Settings.h"
#include "shell/PanelIntervals.h"
#include "shell/PanelMain.h"
#include "shell/PanelShowResult.h"
#include "shell/PanelSkips.h"
#include "shell/PanelSlice.h"
#include "shell/PanelTiraMap.h"
#include "shell/PanelTriplets.h"

using namespace Qt::StringLiterals;

void THistoryToolsTest::init() {
  TSettings settings;
  settings.ClearAll();
  settings.WriteSetting(QString::fromUtf16(kSettingReopen[0]),
                        CopyExample(m_dir, u"5x36 sample.txt"_s, u"5x36 tools.txt"_s));
}

void THistoryToolsTest::intervalsRunNormaliseAndKeepTheirSets() {
  TRunningApp app;
  TPanelIntervals* panel = app.form->Panel<TPanelIntervals>();
  panel->Edits[0]->setText(u"9 .. 1"_s);
  panel->Edits[1]->setText(u"30 31 40"_s);  // 40 is no ball of 5 of 36
  app.Trigger(u"menuIntervals"_s);
  QVERIFY(app.Controller().Work().IsRunning());
  app.Settle();
  QVERIFY(panel->isVisible());
  // The edits in canonical form, stored as set 0, and the report of both intervals.
  QCOMPARE(panel->Edits[0]->text(), u" 1 ... 9"_s);
  QCOMPARE(panel->Edits[1]->text(), u" 30 31"_s);
  QCOMPARE(TSettings().ReadSettingAt(IntervalSetKeyPath(0), IntervalValueName(1)), u" 1 ... 9"_s);
  const QString report = app.form->PanelShowResult->Text();
  QVERIFY(report.startsWith(u"Интервалы Шаров. Тираж # 401"_s));
  QVERIFY(report.contains(u"\"Интервал (Interval)  2\":      30 31"_s));
  QVERIFY(!report.contains(u"Таблица Маркова"_s));

  // The analysed draw does not re-run it; the Markov switch and Refresh do.
  app.form->PanelMain->seNextTira->setValue(300);
  QVERIFY(!app.Controller().Work().IsRunning());
  QCOMPARE(app.form->PanelShowResult->Text(), report);
  QTest::mouseClick(panel->checkIntervalsMarkov, Qt::LeftButton, {},
                    QPoint(4, panel->checkIntervalsMarkov->height() / 2));
  app.Settle();
  QVERIFY(app.form->PanelShowResult->Text().startsWith(u"Интервалы Шаров. Тираж # 300"_s));
  QVERIFY(app.form->PanelShowResult->Text().contains(u"Таблица Маркова (Markov Table)."_s));

  // A set never saved empties the edits; Save stores the edits as the chosen set.
  panel->seIntervalsSet->setValue(5);
  QVERIFY(panel->Edits[0]->text().isEmpty());
  panel->Edits[3]->setText(u"4 5 6"_s);
  QTest::mouseClick(panel->btnIntervalsSetSave, Qt::LeftButton);
  QCOMPARE(panel->Edits[3]->text(), u" 4 ... 6"_s);
  QCOMPARE(TSettings().ReadSettingAt(IntervalSetKeyPath(5), IntervalValueName(4)), u" 4 ... 6"_s);
  panel->seIntervalsSet->setValue(0);
  QCOMPARE(panel->Edits[0]->text(), u" 1 ... 9"_s);
}

void THistoryToolsTest::slicesRunOnlyFromTheirButtons() {
  TRunningApp app;
  TPanelSlice* panel = app.form->Panel<TPanelSlice>();
  app.Trigger(u"menuSlice"_s);
  QVERIFY(panel->isVisible());
  QVERIFY(!app.Controller().Work().IsRunning());
  QCOMPARE(app.Controller().ActiveAnalysis(), 0);
  panel->seSliceHistory->setValue(5);
  QVERIFY(!app.Controller().Work().IsRunning());  // a change runs nothing
  QTest::mouseClick(panel->btnSliceShow, Qt::LeftButton);
  app.Settle();
  const QStringList lines = app.form->PanelShowResult->Text().split(u'\n');
  QCOMPARE(lines.value(0), u"Срезы. Тираж # 401"_s);
  QCOMPARE(lines.value(4), u"Срез (Slice) #01:       1  2  3  4  5  6"_s);
  QVERIFY(lines.last().startsWith(u"Total Win: "_s));
  QTest::mouseClick(panel->btnSliceTotalWinHistory, Qt::LeftButton);
  app.Settle();
  const QStringList history = app.form->PanelShowResult->Text().split(u'\n');
  QCOMPARE(history.value(0), u"История TotalWin."_s);
  QCOMPARE(history.size(), 5 + 5);  // the header and one line per draw of the history
  QVERIFY(history.value(5).startsWith(u"   400   "_s));
}

void THistoryToolsTest::theDrawsMapFollowsTheAnalysedDraw() {
  TRunningApp app;
  TPanelTiraMap* panel = app.form->Panel<TPanelTiraMap>();
  app.Trigger(u"menuTiraMap"_s);
  app.Settle();
  QVERIFY(panel->isVisible());
  const TTiraMap& map = panel->MapView->Map();
  QCOMPARE(map.Labels.front(), 381);
  QCOMPARE(map.Labels.back(), 410);
  QCOMPARE(map.Cell, 20);  // 36 balls
  QCOMPARE(map.Filled[19].size(), size_t{5});
  QVERIFY(map.Filled[20].empty());  // the next draw has no balls yet
  // An old draw: the rows from T on show what followed, unless "Show next" is unticked.
  app.form->PanelMain->seNextTira->setValue(300);
  QCOMPARE(panel->MapView->Map().Labels.front(), 280);
  QCOMPARE(panel->MapView->Map().Filled[25].size(), size_t{5});
  QTest::mouseClick(panel->checkTiraMapShowNext, Qt::LeftButton, {},
                    QPoint(4, panel->checkTiraMapShowNext->height() / 2));
  QVERIFY(panel->MapView->Map().Filled[25].empty());
  QCOMPARE(panel->MapView->Map().Filled[19].size(), size_t{5});
  QVERIFY(!app.form->PanelShowResult->isVisible());
}

void THistoryToolsTest::tripletsListTheAnalysedDraw() {
  TSettings().WriteSetting(QString::fromUtf16(kSettingProf), u"731"_s);
  TRunningApp app;
  QVERIFY(app.Item(u"menuResearches"_s)->isVisible());
  const int before = app.Controller().ActiveAnalysis();
  app.Trigger(u"menuTriplets"_s);
  TPanelTriplets* panel = app.form->Panel<TPanelTriplets>();
  QVERIFY(panel->isVisible());
  QVERIFY(!app.Controller().Work().IsRunning());
  QCOMPARE(app.Controller().ActiveAnalysis(), before);
  app.form->PanelMain->seNextTira->setValue(400);
  QTest::mouseClick(panel->btnTripletsShow, Qt::LeftButton);
  app.Settle();
  const QStringList lines = app.form->PanelShowResult->Text().split(u'\n');
  QCOMPARE(lines.value(0), u"Триплеты (Triplets):"_s);
  QCOMPARE(lines.value(3), u"    2    4    7   23   30"_s);  // draw 400: 2 7 4 23 30
}

void THistoryToolsTest::skipsRunOnlyFromTheirButtons() {
  TRunningApp app;
  TPanelSkips* panel = app.form->Panel<TPanelSkips>();
  app.Trigger(u"menuSkips"_s);
  QVERIFY(panel->isVisible());
  QVERIFY(!app.Controller().Work().IsRunning());
  QCOMPARE(app.Controller().ActiveAnalysis(), 24);
  QCOMPARE(panel->cbSkipsDrop->currentText(), u"Double"_s);
  panel->seSkipsHistory->setValue(20);
  QVERIFY(!app.Controller().Work().IsRunning());  // a change runs nothing

  // Parsec: 10 x C(36, 2) / C(5, 2) = 630 draws, and nothing written.
  QTest::mouseClick(panel->btnSkipsParsec, Qt::LeftButton);
  QCOMPARE(panel->seSkipsHistory->value(), 630);
  QVERIFY(app.form->PanelShowResult->Text().isEmpty());

  // The skip list of all 630 pairs, then only the pairs seen 1 to 5 draws ago, the filter in
  // its normal form.
  panel->seSkipsHistory->setValue(30);
  QTest::mouseClick(panel->btnSkipsRefresh, Qt::LeftButton);
  app.Settle();
  QStringList lines = app.form->PanelShowResult->Text().split(u'\n');
  QCOMPARE(lines.value(0), u"  ###   Combinations           Skip      Win     <-- Series <--"_s);
  QCOMPARE(lines.size(), 1 + 630);
  panel->checkSkipsLastFiltered->setChecked(true);
  panel->poleSkipsLastFilter->setText(u"5 . 1"_s);
  QTest::mouseClick(panel->btnSkipsRefresh, Qt::LeftButton);
  app.Settle();
  QCOMPARE(panel->poleSkipsLastFilter->text(), u" 1 ... 5"_s);
  lines = app.form->PanelShowResult->Text().split(u'\n');
  QVERIFY(lines.size() > 1 + 10 && lines.size() <= 1 + 50);  // five draws hold 50 pairs
  for (const QString& line : lines.mid(1)) {
    const int skip = line.mid(30, 5).trimmed().toInt();
    QVERIFY2(skip >= 1 && skip <= 5, qPrintable(line));
  }

  // The skip frequency over the draws of the history.
  QTest::mouseClick(panel->btnSkipsFrequency, Qt::LeftButton);
  app.Settle();
  lines = app.form->PanelShowResult->Text().split(u'\n');
  QCOMPARE(lines.value(0),
           u"Распределение параметра \"Пропуск\" (Skip) за последние 30 тиражей:"_s);
}

void THistoryToolsTest::theTestPanelListsTheFlash() {
  TRunningApp app;
  app.form->PanelMain->poleSharyEnable->setText(u"1 2 3"_s);
  app.Trigger(u"menuTest"_s);
  TPanelTest* panel = app.form->Panel<TPanelTest>();
  QVERIFY(panel->isVisible());
  QCOMPARE(app.Controller().ActiveAnalysis(), 99);
  QTest::mouseClick(panel->btnTest001, Qt::LeftButton);
  app.Settle();
  QCOMPARE(app.form->PanelShowResult->Text(),
           u"\nВспышка.\n\n    1    2\n    1    3\n    2    3"_s);
  QTest::mouseClick(panel->btnTest002, Qt::LeftButton);  // no visible effect
  app.Settle();
  QCOMPARE(app.form->PanelShowResult->Text(),
           u"\nВспышка.\n\n    1    2\n    1    3\n    2    3"_s);
}
