#include "ToolsTests.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedBarSeries>
#include <QToolTip>

#include "ShellTestSupport.h"
#include "core/Settings.h"
#include "shell/ChartView.h"
#include "shell/PanelCalculators.h"
#include "shell/PanelFilterFromLast.h"
#include "shell/PanelMain.h"
#include "shell/PanelPools.h"
#include "shell/PanelPrognoz.h"
#include "shell/PanelShowResult.h"
#include "shell/PanelSlice.h"

using namespace Qt::StringLiterals;

void TToolsTest::init() {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));  // grouping by ","
  TSettings settings;
  settings.ClearAll();
  settings.WriteSetting(QString::fromUtf16(kSettingReopen[0]),
                        CopyExample(m_dir, u"5x36 sample.txt"_s, u"5x36 tools.txt"_s));
}

void TToolsTest::theCalculatorFollowsItsSpinEdits() {
  TRunningApp app;
  TPanelCalculator* panel = app.form->Panel<TPanelCalculator>();
  const int before = app.Controller().ActiveAnalysis();
  app.Trigger(u"menuCalculator"_s);
  QVERIFY(panel->isVisible());
  QCOMPARE(app.Controller().ActiveAnalysis(), before);
  QCOMPARE(panel->lbNumbOfCombi->text(), u"Number of Combinations = 376,992"_s);
  panel->seCalculatorBalls->setValue(4);
  QCOMPARE(panel->lbNumbOfCombi->text(), u"Number of Combinations = 2,432"_s);
  panel->seCalculatorLotto->setValue(8);
  panel->seCalculatorBalls->setValue(1);  // L - D < D - B: no number
  QCOMPARE(panel->lbNumbOfCombi->text(), u"Number of Combinations = "_s);
  QVERIFY(!app.Controller().Work().IsRunning());  // a label, not a report
}

void TToolsTest::theMartingaleRewritesItsFieldsAndRunsOnGo() {
  TRunningApp app;
  TPanelDogon* panel = app.form->Panel<TPanelDogon>();
  app.Trigger(u"menuDogon"_s);
  QVERIFY(panel->isVisible());
  QVERIFY(!app.Controller().Work().IsRunning());  // only GO! computes
  QCOMPARE(panel->editDogonOdds->text(), u"45,0"_s);
  panel->editDogonStartStake->setText(u"-20"_s);
  panel->editDogonProfit->setText(u"1000 words"_s);
  panel->seDogonSteps->setValue(3);
  QTest::mouseClick(panel->btnDogonStart, Qt::LeftButton);
  app.Settle();
  QCOMPARE(panel->editDogonStartStake->text(), u"20"_s);
  QCOMPARE(panel->editDogonProfit->text(), u"1000"_s);
  const QStringList lines = app.form->PanelShowResult->Text().split(u'\n');
  QCOMPARE(lines.size(), 2 + 3);
  QCOMPARE(lines.value(4), u"   3         24         24          70       1080       1010"_s);

  // Odds that are no number: the message, and the pane stays empty.
  panel->editDogonOdds->setText(u"abc"_s);
  QTest::mouseClick(panel->btnDogonStart, Qt::LeftButton);
  app.Settle();
  QVERIFY(app.form->PanelShowResult->Text().isEmpty());
  QCOMPARE(app.host.Messages.value(app.host.Messages.size() - 1),
           u"'abc' — недопустимое число с плавающей точкой"_s);
}

void TToolsTest::theGeneratorAndItsKenoButtonMakeNewPools() {
  TRunningApp app;
  TPanelRandomNumberGenerator* panel = app.form->Panel<TPanelRandomNumberGenerator>();
  app.form->PanelShowResult->ShowPane([] {
    TReportPane old;
    old.AddLine(u"old report"_s);
    return old;
  }());
  app.Trigger(u"menuRandomNumberGenerator"_s);
  QVERIFY(panel->isVisible());
  QCOMPARE(app.Controller().ActiveAnalysis(), 0);
  QVERIFY(app.form->PanelShowResult->Text().isEmpty());  // cleared, nothing run
  app.form->PanelMain->seNextTira->setValue(400);
  panel->seRNGRangeSize->setValue(8);
  panel->seRNGPoolSize->setValue(12);
  QTest::mouseClick(panel->btnRandomNumberGenerator, Qt::LeftButton);
  app.Settle();
  const QStringList first = app.form->PanelShowResult->Text().split(u'\n');
  QCOMPARE(first.value(0), u"Генератор Случайных Чисел (Random Number Generator)"_s);
  QCOMPARE(first.value(4), u"Всего Комбинаций   =          12"_s);
  QCOMPARE(first.size(), 3 + 2 + 6 + 1 + 2 + 1 + 12);  // the statistic has 0 .. 5 matches
  QCOMPARE(first.last().size(), 5 + 5 + 8 * 3 + 8 + 5);

  // The KENO button of "Интервалы (Проф)": the same report from the generator's sizes.
  TSettings().WriteSetting(QString::fromUtf16(kSettingProf), u"731"_s);
  TPanelIntervalsProf* keno = app.form->Panel<TPanelIntervalsProf>();
  app.Trigger(u"menuIntervalsProf"_s);
  QVERIFY(keno->isVisible());
  QTest::mouseClick(keno->btnKENORandomNumberGenerator, Qt::LeftButton);
  app.Settle();
  const QStringList second = app.form->PanelShowResult->Text().split(u'\n');
  QCOMPARE(second.size(), first.size());
  QVERIFY(second != first);  // a new pool, from the clock
}

void TToolsTest::theResearchVariantListsItsPool() {
  TRunningApp app;
  TPanelEven5x36* panel = app.form->Panel<TPanelEven5x36>();
  app.Trigger(u"menuEven5x36"_s);
  QVERIFY(panel->isVisible());
  QCOMPARE(panel->seEven5x36RangeSize->minimum(), 5);
  panel->seEven5x36PoolSize->setValue(3);
  QTest::mouseClick(panel->btnEven5x36RNG, Qt::LeftButton);
  app.Settle();
  const QStringList lines = app.form->PanelShowResult->Text().split(u'\n');
  QCOMPARE(lines.size(), 11 + 3);
  QCOMPARE(lines.value(3), u"Статистика выигрышей Пула (Pools Win Statistic)"_s);
  QCOMPARE(lines.value(13).size(), 5 * 3 + 4 + 5);
}

void TToolsTest::pastMatchesFilterTheClipboardAndTheForecast() {
  TRunningApp app;
  TPanelFilterFromLast* panel = app.form->Panel<TPanelFilterFromLast>();
  app.Trigger(u"menuFilterFromLast"_s);
  QVERIFY(panel->isVisible());
  QCOMPARE(app.Controller().ActiveAnalysis(), 72);
  QVERIFY(!app.Controller().Work().IsRunning());  // nothing runs until a button is pressed
  const auto pane = [&app] { return app.form->PanelShowResult->Text().split(u'\n'); };
  const auto click = [&app](QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
    app.Settle();
  };

  click(panel->btnFilterFromLastFromPrognoz);
  QCOMPARE(pane(),
           QStringList{u"Прогноз не рассчитывался. Подходящей таблицы для фильтрации нет."_s});
  QGuiApplication::clipboard()->setText(u"2 4 7 23 30\r\nno numbers\r\n1 2 3\r\n"_s);
  click(panel->btnFilterFromLastFromClipboard);
  QCOMPARE(pane(),
           (QStringList{u"Исходная таблица для фильтрации из Буфера обмена. Всего строк 2."_s,
                        u"   2   4   7  23  30"_s, u"   1   2   3"_s}));

  // Draw 400 is 2 4 7 23 30: against it alone, the second row shares one ball.
  panel->seFilterFromLastOkno->setValue(1);
  panel->checkFilterFromLastFilter->setChecked(true);
  panel->poleFilterFromLastFilter->setText(u"/ 1"_s);
  QVERIFY(!app.Controller().Work().IsRunning());  // a change re-runs nothing
  click(panel->btnFilterFromLastRefresh);
  QCOMPARE(panel->poleFilterFromLastFilter->text(), u" /  1"_s);
  QStringList lines = pane();
  QCOMPARE(lines.size(), 3);
  QCOMPARE(lines.value(0),
           u"Фильтрация исходной Таблицы по совпадению в прошедших 1 тиражах. "
           u"Тиражи №400 - 400."_s);
  QVERIFY(lines.value(2).startsWith(u"     1        2     1  2  3 "_s));
  click(panel->btnFilterFromLastToClipboard);
  QCOMPARE(QGuiApplication::clipboard()->text(), u"1 2 3 \r\n"_s);
  QCOMPARE(pane(), lines);  // the pane stays
  panel->poleFilterFromLastFilter->setText(u"99"_s);
  click(panel->btnFilterFromLastRefresh);
  click(panel->btnFilterFromLastToClipboard);
  QCOMPARE(QGuiApplication::clipboard()->text(), QString());  // nothing kept: an empty text

  // The forecast's table: the six combinations of six balls.
  app.form->PanelMain->poleSharyEnable->setText(u"1 2 3 4 5 6"_s);
  app.Trigger(u"menuPrognozCombi"_s);
  click(app.form->PanelMain->btnPrognozNew);
  app.Trigger(u"menuFilterFromLast"_s);
  click(panel->btnFilterFromLastFromPrognoz);
  QCOMPARE(pane().value(0), u"Исходная таблица для фильтрации из Прогноза. Всего строк 6."_s);
  QCOMPARE(pane().size(), 7);

  click(panel->btnFilterFromLastShowHistory);
  QCOMPARE(pane().value(0), u"Совпадения в прошедших 1 тиражах."_s);
  // Draw 399 (5 25 7 6 20) shares ball 7 with draw 400.
  QCOMPARE(pane().value(22),
           u"  20          400      2  4  7 23 30                        0   1   0   0   0   0"_s);
  QCOMPARE(panel->Tables().SourceTable.size(), size_t{6});  // kept until the next load
}

void TToolsTest::theExportMenuWritesTheShownForecast() {
  TRunningApp app;
  app.Trigger(u"menuExportWord"_s);  // no forecast yet
  QCOMPARE(app.host.Messages.value(app.host.Messages.size() - 1),
           u"Нет данных для экспорта\rили данных более 1.000.000 строк."_s);
  QCOMPARE(app.host.SaveDialogs, 0);

  app.form->PanelMain->poleSharyEnable->setText(u"1 2 3 4 5 6 7 8"_s);  // 56 combinations
  app.Trigger(u"menuPrognozCombi"_s);
  QTest::mouseClick(app.form->PanelMain->btnPrognozNew, Qt::LeftButton);
  app.Settle();
  const QString path = m_dir.filePath(u"shown.xlsx"_s);
  app.host.SaveAnswers = {path};
  app.Trigger(u"menuExportExcel"_s);
  QVERIFY(app.form->PanelShowResult->Text().isEmpty());  // the command cleared the pane
  QCOMPARE(app.host.SaveProposals.value(0),
           ProposedExportPath(u"5x36 tools"_s, 401, TExportTarget::Spreadsheet));
  QVERIFY(QFileInfo(path).size() > 0);
  QCOMPARE(app.host.OpenedDocuments, QStringList{path});

  app.Trigger(u"menuExportClipBoard"_s);
  QCOMPARE(QGuiApplication::clipboard()->text().count(u"\r\n"_s), 56);
  QCOMPARE(app.host.Messages.value(app.host.Messages.size() - 1),
           u"Результаты прогноза скопированы в буфер обмена."_s);
  app.host.SaveAnswers.clear();  // a cancelled dialog writes nothing
  app.Trigger(u"menuExportWord"_s);
  QCOMPARE(app.host.SaveDialogs, 2);
  QCOMPARE(app.host.OpenedDocuments.size(), 1);
}

void TToolsTest::theReportIsSavedAndPrintedAsShown() {
  TRunningApp app;
  app.Trigger(u"menuSaveReport"_s);  // nothing shown yet
  QCOMPARE(app.host.Messages.value(app.host.Messages.size() - 1),
           u"Окно результатов пусто: сохранять и печатать нечего."_s);
  QCOMPARE(app.host.SaveDialogs, 0);
  app.Trigger(u"menuEven"_s);
  app.Settle();
  const QString shown = app.form->PanelShowResult->Text();
  QVERIFY(!shown.isEmpty());

  const auto read = [](const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  };
  const QString html = m_dir.filePath(u"even.html"_s), text = m_dir.filePath(u"even.txt"_s),
                pdf = m_dir.filePath(u"even.pdf"_s), printed = m_dir.filePath(u"printed.pdf"_s);
  app.host.SaveAnswers = {html, text, pdf};
  for (int i = 0; i < 3; ++i) app.Trigger(u"menuSaveReport"_s);
  QVERIFY(app.host.SaveProposals.value(0).endsWith(u"/5x36 tools report.html"_s));
  QCOMPARE(QString::fromUtf8(read(text)), shown);
  const QString page = QString::fromUtf8(read(html));
  QVERIFY(page.contains(u"<html"_s));
  QVERIFY(page.contains(u"color:#0000ff"_s));  // the highlights keep their colours
  QVERIFY(read(pdf).startsWith("%PDF"));
  QCOMPARE(app.form->PanelShowResult->Text(), shown);  // the pane stays
  // A report with a chart offers it as SVG; one without says it has none.
  QVERIFY(app.host.SaveFilters.value(0).endsWith(u";;SVG (*.svg)"_s));
  const QString svg = m_dir.filePath(u"even.svg"_s);
  app.host.SaveAnswers = {svg};
  app.Trigger(u"menuSaveReport"_s);
  QVERIFY(read(svg).startsWith("<?xml"));
  QVERIFY(QString::fromUtf8(read(svg)).contains(u"Четные (Even)"_s));
  app.Trigger(u"menuDifference"_s);
  app.Settle();
  app.host.SaveAnswers = {m_dir.filePath(u"differences.svg"_s)};
  app.Trigger(u"menuSaveReport"_s);
  QVERIFY(!app.host.SaveFilters.constLast().contains(u"SVG"_s));
  QVERIFY(app.host.Messages.constLast().startsWith(u"Отчёт не удалось записать в файл \""_s));
  QVERIFY(app.host.Messages.constLast().endsWith(
      u"У этого отчёта нет графика: сохраните его как HTML, текст или PDF."_s));
  app.Trigger(u"menuEven"_s);
  app.Settle();

  app.Trigger(u"menuPrint"_s);  // cancelled
  QCOMPARE(app.host.PrintDialogs, 1);
  app.host.PrintAnswer = printed;
  app.Trigger(u"menuPrint"_s);
  QVERIFY(read(printed).startsWith("%PDF"));

  // A folder that cannot be written: the message names the file and nothing is lost.
  app.host.SaveAnswers = {m_dir.filePath(u"no/such/folder/even.html"_s)};
  app.Trigger(u"menuSaveReport"_s);
  QVERIFY(app.host.Messages.value(app.host.Messages.size() - 1)
              .startsWith(u"Отчёт не удалось записать в файл \""_s));
}

void TToolsTest::theBacktestRunsTheForecastPanelsFilters() {
  TRunningApp app;
  TPanelPrognoz* panel = app.form->Panel<TPanelPrognoz>();
  QCOMPARE(panel->seBacktestFrom->text(), u"авто (auto)"_s);
  panel->seBacktestFrom->setValue(396);
  panel->checkFilterChetnie->setChecked(true);
  app.Trigger(u"menuBacktest"_s);
  QVERIFY(panel->isVisible());
  QVERIFY(app.Controller().Work().IsRunning());  // off the GUI thread
  app.Settle();
  QStringList lines = app.form->PanelShowResult->Text().split(u'\n');
  QCOMPARE(lines.value(0), u"Бэктест фильтров прогноза. Тиражи 396 - 400"_s);
  QCOMPARE(lines.value(2), u"Тиражей проверено:          5"_s);
  QCOMPARE(lines.size(), 27 + 5);
  // The panel's button runs it again with a changed range.
  panel->seBacktestTo->setValue(397);
  QTest::mouseClick(panel->btnBacktest, Qt::LeftButton);
  app.Settle();
  lines = app.form->PanelShowResult->Text().split(u'\n');
  QCOMPARE(lines.value(0), u"Бэктест фильтров прогноза. Тиражи 396 - 397"_s);
  QVERIFY(app.form->PanelShowResult->cbShowChart->isVisible());  // survivors per draw
}

void TToolsTest::theChartFollowsTheAnalysedDraw() {
  TRunningApp app;
  TPanelShowResult* result = app.form->PanelShowResult;
  app.Trigger(u"menuEven"_s);
  app.Settle();
  QVERIFY(result->cbShowChart->isVisible());
  QVERIFY(!result->ChartShowResult->isVisible());  // until the user asks for it
  result->cbShowChart->setChecked(true);
  QVERIFY(result->ChartShowResult->isVisible());
  const auto series = [result] { return result->ChartShowResult->SeriesView->chart()->series(); };
  QCOMPARE(series().size(), 1);  // draw 401 is not drawn: nothing marked
  auto* line = qobject_cast<QLineSeries*>(series().value(0));
  QVERIFY(line != nullptr);
  QCOMPARE(line->count(), 100);
  QCOMPARE(line->at(99).x(), 400.0);

  app.form->PanelMain->seNextTira->setValue(400);  // the report and its chart run again
  app.Settle();
  QCOMPARE(series().size(), 2);  // the value of draw 400, in red
  line = qobject_cast<QLineSeries*>(series().value(0));
  QCOMPARE(line->count(), 101);
  QCOMPARE(line->at(100), QPointF(400, 3));
  // The pointer over the series or a bar tells its draw and value, its value and count.
  Q_EMIT line->hovered(QPointF(399.6, 2.2), true);
  QCOMPARE(QToolTip::text(), u"Тираж (Draw) 400: 3"_s);
  auto* frequency = qobject_cast<QAbstractBarSeries*>(
      result->ChartShowResult->BarsView->chart()->series().value(0));
  QVERIFY(frequency != nullptr);
  Q_EMIT frequency->hovered(true, 0, frequency->barSets().value(0));
  QVERIFY(QToolTip::text().endsWith(u" раз (times)"_s));
  Q_EMIT frequency->hovered(false, 0, frequency->barSets().value(0));

  app.Trigger(u"menuHotCold"_s);  // per-ball bars by class, no series
  app.Settle();
  QVERIFY(result->ChartShowResult->isVisible());
  QVERIFY(!result->ChartShowResult->SeriesView->isVisible());
  const auto bars = result->ChartShowResult->BarsView->chart()->series();
  QCOMPARE(bars.size(), 1);
  auto* classes = qobject_cast<QStackedBarSeries*>(bars.value(0));
  QVERIFY(classes != nullptr);
  QVERIFY(classes->count() >= 2 && classes->count() <= 3);

  // The slices have a chart each, offered in a list; the chosen one stays chosen when the
  // report runs again for another draw (its button runs it, as the text).
  app.Trigger(u"menuSlice"_s);
  QPushButton* show = app.form->Panel<TPanelSlice>()->btnSliceShow;
  QTest::mouseClick(show, Qt::LeftButton);
  app.Settle();
  QComboBox* parts = result->ChartShowResult->cbChartPart;
  QVERIFY(parts->isVisible());
  QCOMPARE(parts->count(), 36);  // no skip test: every slice of 5 of 36
  parts->setCurrentIndex(5);
  QCOMPARE(result->ChartShowResult->SeriesView->chart()->title(), u"Срез (Slice) #06"_s);
  app.form->PanelMain->seNextTira->setValue(399);
  QTest::mouseClick(show, Qt::LeftButton);
  app.Settle();
  QCOMPARE(parts->currentIndex(), 5);
  QCOMPARE(result->ChartShowResult->SeriesView->chart()->title(), u"Срез (Slice) #06"_s);
  line = qobject_cast<QLineSeries*>(series().value(0));
  QCOMPARE(line->at(line->count() - 1).x(), 399.0);

  app.Trigger(u"menuFirstBall"_s);  // two charts: the first ball and the last
  app.Settle();
  QCOMPARE(parts->count(), 2);
  QCOMPARE(parts->currentIndex(), 0);
  QCOMPARE(result->ChartShowResult->SeriesView->chart()->title(), u"Первый Шар (First Ball)"_s);
  app.Trigger(u"menuEven"_s);  // one chart: no list
  app.Settle();
  QVERIFY(!parts->isVisible());

  app.Trigger(u"menuTiraMap"_s);  // a report without a chart hides it
  app.Settle();
  QVERIFY(!result->cbShowChart->isVisible());
  QVERIFY(!result->ChartShowResult->isVisible());
}
