#include "AnalysisPanelsTests.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextEdit>
#include <algorithm>

#include "ShellTestSupport.h"
#include "analyses/Differences.h"
#include "analyses/EvenSleepy.h"
#include "analyses/FirstLastSum.h"
#include "analyses/HotColdReport.h"
#include "analyses/Repeats.h"
#include "core/Settings.h"
#include "forecast/LotteryMenus.h"
#include "shell/AnalysisPanel.h"
#include "shell/PanelControls.h"
#include "shell/PanelDifference.h"
#include "shell/PanelEvenSleepy.h"
#include "shell/PanelFirstLastSum.h"
#include "shell/PanelHotCold.h"
#include "shell/PanelLastTira.h"
#include "shell/PanelMain.h"
#include "shell/PanelShowResult.h"
#include "shell/PanelUpload.h"

using namespace Qt::StringLiterals;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

int NextTira(const TRunningApp& app) { return app.form->PanelMain->seNextTira->value(); }

// The report of the active analysis as the engine writes it for its panel's controls.
TReportPane Expected(const TRunningApp& app) {
  auto* panel = qobject_cast<TReportPanel*>(app.Controller().ActivePanel());
  TReportPane pane;
  if (panel != nullptr)
    WriteReport(&app.Controller().Lottery(),
                panel->Params(NextTira(app), app.host.DecimalSeparator()), pane);
  return pane;
}

const QTextDocument& Document(const TRunningApp& app) {
  return *app.form->PanelShowResult->RichEditShowResult->document();
}

QString PaneLine(const TRunningApp& app, int line) {
  return Document(app).findBlockByNumber(line).text();
}

// After the running report (and a re-run it queued) ended, the pane holds exactly the
// engine's report for the controls as they are now: every line and every styled run.
void VerifyPaneShows(const TRunningApp& app, int code) {
  app.Settle();
  QVERIFY(!app.Controller().Work().IsRunning());
  QCOMPARE(app.Controller().ActiveAnalysis(), code);
  VerifyDocumentMatchesPane(Document(app), Expected(app));
}

// The texts of the runs of the line drawn in this colour (and bold, when asked).
QStringList ColouredRuns(const TRunningApp& app, int line, const QColor& color,
                         bool boldOnly = false) {
  QStringList texts;
  const QTextBlock block = Document(app).findBlockByNumber(line);
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    const QTextCharFormat format = fragment.charFormat();
    if (!format.hasProperty(QTextFormat::ForegroundBrush) || format.foreground().color() != color)
      continue;
    if (boldOnly && format.fontWeight() != QFont::Bold) continue;
    texts.append(fragment.text());
  }
  return texts;
}

bool AnyLineHasColour(const TRunningApp& app, const QColor& color) {
  for (int line = 0; line < Document(app).blockCount(); ++line)
    if (!ColouredRuns(app, line, color).isEmpty()) return true;
  return false;
}

// The numbers in the texts (marked runs of neighbouring one-digit balls may join).
iArray NumbersOf(const QStringList& texts) {
  iArray numbers;
  for (const QString& text : texts)
    for (const QString& number : text.split(u' ', Qt::SkipEmptyParts))
      numbers.push_back(number.toInt());
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

iArray SortedBalls(const TRunningApp& app, int draw) {
  iArray balls = app.Controller().Lottery().DrawBalls(draw);
  std::sort(balls.begin(), balls.end());
  return balls;
}

// The eight commands with a known line of their report at T = 401 (the next draw of the
// 400-draw example) and at T = 395.
struct TCommandRow {
  const char16_t* Item;
  const char16_t* Panel;
  int Code;
  int Line;
  const char16_t* AtNext;  // the line at T = 401
  const char16_t* At395;   // the line at T = 395
};

constexpr TCommandRow kCommands[] = {
    {u"menuHotCold", u"PanelHotCold", aaHotCold, 2,
     u"                         Win.Total     Шары для тиража #401",
     u"                         Win.Total     Шары для тиража #395"},
    {u"menuEven", u"PanelEven", aaEven, 0,
     u"Статистика выпадения \"Четных\" Шаров. Тиражи # 381-400",
     u"Статистика выпадения \"Четных\" Шаров. Тиражи # 375-394"},
    {u"menuSleepy", u"PanelSleepy", aaSleepy, 0,
     u"Статистика выпадения \"Слипов\". Тиражи # 381-400",
     u"Статистика выпадения \"Слипов\". Тиражи # 375-394"},
    {u"menuFirstBall", u"PanelFirstBall", aaFirstBall, 6,
     u"                             <-- <-- # 400 - 301. История (History)",
     u"                             <-- <-- # 394 - 295. История (History)"},
    {u"menuSummaBalls", u"PanelSummaBalls", aaSum, 0, u"Сумма Шаров тиража # 381-400",
     u"Сумма Шаров тиража # 375-394"},
    {u"menuSumForBets", u"PanelSumForBets", aaSumForBets, 0,
     u"The \"Sum For Bets\" analisys and statistic for the draws # 301-400",
     u"The \"Sum For Bets\" analisys and statistic for the draws # 295-394"},
    {u"menuDifference", u"PanelDifference", aaDifferences, 0, u"Разницы (Difference):",
     u"Разницы (Difference):"},
    {u"menuRepeats", u"PanelLastTira", aaRepeats, 2,
     u"                         Win.Total     Шары для тиража #401",
     u"                         Win.Total     Шары для тиража #395"},
};

}  // namespace

void TAnalysisPanelsTest::init() {
  TSettings settings;
  settings.ClearAll();
  const QString file = CopyExample(m_dir, u"5x36 sample.txt"_s, u"5x36 panels.txt"_s);
  settings.WriteSetting(QString::fromUtf16(kSettingReopen[0]), file);
  // Sum for Bets lives in the research menu.
  settings.WriteSetting(QString::fromUtf16(kSettingProf), QString::fromUtf16(kResearchAccessCode));
}

void TAnalysisPanelsTest::panelsCarryTheirControls() {
  TScriptedHost host;
  TfrmMain form(host);  // as created, before any lottery is opened

  const struct {
    const char16_t* Name;
    const char16_t* Panel;
    int Value, Min, Max, MaxLength;
  } spinEdits[] = {
      {u"seHotColdHistory", u"PanelHotCold", 100, 1, 9999, 4},
      {u"seHotColdOkno", u"PanelHotCold", 21, 1, 9999, 4},
      {u"seEvenHistory", u"PanelEven", 100, 1, 9999, 4},
      {u"seSleepyHistory", u"PanelSleepy", 100, 1, 9999, 4},
      {u"seFirstBallHistory", u"PanelFirstBall", 100, 1, 9999, 4},
      {u"seSummaBallsHistory", u"PanelSummaBalls", 100, 1, 9999, 4},
      {u"seSumForBetsHistory", u"PanelSumForBets", 100, 1, 9999, 4},
      {u"seSumForBetsLevel", u"PanelSumForBets", 82, 5, 300, 3},
      {u"seDifferenceHistory", u"PanelDifference", 100, 1, 2000, 4},
      {u"seRepeatsHistory", u"PanelLastTira", 100, 1, 9999, 4},
      {u"seRepeatsCount", u"PanelLastTira", 1, 1, 99, 2},
      {u"seRepeatsOtstup", u"PanelLastTira", 1, 1, 999, 3},
  };
  for (const auto& row : spinEdits) {
    const QString name = QString::fromUtf16(row.Name);
    auto* spinEdit = form.findChild<QSpinBox*>(name);
    QVERIFY2(spinEdit != nullptr, qPrintable(name));
    QVERIFY(form.AnalysisPanel(QString::fromUtf16(row.Panel))->isAncestorOf(spinEdit));
    QCOMPARE(spinEdit->value(), row.Value);
    QCOMPARE(spinEdit->minimum(), row.Min);
    QCOMPARE(spinEdit->maximum(), row.Max);
    QCOMPARE(SpinEditMaxLength(spinEdit), row.MaxLength);
    // Values beyond the range are taken as the nearest bound.
    spinEdit->setValue(row.Max + 1);
    QCOMPARE(spinEdit->value(), row.Max);
    spinEdit->setValue(row.Min - 1);
    QCOMPARE(spinEdit->value(), row.Min);
  }
  // The members are the named widgets.
  QCOMPARE(form.Panel<TPanelHotCold>()->seHotColdOkno->objectName(), u"seHotColdOkno"_s);
  QCOMPARE(form.Panel<TPanelLastTira>()->seRepeatsOtstup->objectName(), u"seRepeatsOtstup"_s);
  QCOMPARE(form.Panel<TPanelSumForBets>()->seSumForBetsLevel->objectName(), u"seSumForBetsLevel"_s);

  const struct {
    const char16_t* Name;
    const char16_t* Text;
  } labels[] = {
      {u"lbHotColdHistory", u"История"},     {u"lbHotColdHistoryEng", u"History"},
      {u"lbHotColdOkno", u"Окно"},           {u"lbHotColdOknoEng", u"Okno"},
      {u"lbEvenHistory", u"История"},        {u"lbEvenHistoryEng", u"History"},
      {u"lbSleepyHistory", u"История"},      {u"lbSleepyHistoryEng", u"History"},
      {u"lbFirstBallHistory", u"История"},   {u"lbFirstBallHistoryEng", u"History"},
      {u"lbSummaBallsHistory", u"История"},  {u"lbSummaBallsHistoryEng", u"History"},
      {u"lbSumForBetsHistory", u"History"},  {u"lbSumForBetsLevel", u"Win Level"},
      {u"lbDifferenceHistory", u"История"},  {u"lbDifferenceHistoryEng", u"History"},
      {u"lbRepeatsHistory", u"История"},     {u"lbRepeatsHistoryEng", u"History"},
      {u"lbRepeatsCount", u"Число тиражей"}, {u"lbRepeatsCountEng", u"Number of the Draws"},
      {u"lbRepeatsOtstup", u"Отступ"},       {u"lbRepeatsOtstupEng", u"Indent"},
  };
  for (const auto& row : labels) {
    auto* label = form.findChild<QLabel*>(QString::fromUtf16(row.Name));
    QVERIFY2(label != nullptr, qPrintable(QString::fromUtf16(row.Name)));
    QCOMPARE(label->text(), QString::fromUtf16(row.Text));
  }

  const struct {
    const char16_t* Name;
    const char16_t* Text;
    bool Checked;
  } switches[] = {
      {u"checkHotColdMarkov", u"Цепи Маркова", false},
      {u"checkHotColdWinCode", u"ВинКод (WinCode)", false},
      {u"checkHotColdFrequencyTable", u"Частота (Frequency)", false},
      {u"checkHotColdSort", u"Sort", false},
      {u"checkFirstBallSort", u"Сортировка (Sort)", false},
      {u"checkFirstBallSeriesShow", u"Серия (Series)", false},
      {u"checkSummaBallsSort", u"Сортировка (Sort)", true},
      {u"checkDifferenceWinCode", u"ВинКод (WinCode)", false},
      {u"checkDifferenceSource", u"Зоны (Zone)", false},
      {u"rbSumForBetsLowLevel", u"<= (Low)", true},
      {u"rbSumForBetsHighLevel", u">= (High)", false},
  };
  for (const auto& row : switches) {
    auto* button = form.findChild<QAbstractButton*>(QString::fromUtf16(row.Name));
    QVERIFY2(button != nullptr, qPrintable(QString::fromUtf16(row.Name)));
    QCOMPARE(button->text(), QString::fromUtf16(row.Text));
    QCOMPARE(button->isChecked(), row.Checked);
  }
  QVERIFY(qobject_cast<QRadioButton*>(form.Panel<TPanelSumForBets>()->rbSumForBetsHighLevel) !=
          nullptr);

  QCOMPARE(form.Panel<TPanelHotCold>()->Caption(),
           u"Горячие. Теплые. Холодные. (Hot. Warm. Cold)"_s);
  QCOMPARE(form.Panel<TPanelEven>()->Caption(), u"Четные (Even)"_s);
  QCOMPARE(form.Panel<TPanelSleepy>()->Caption(), u"Слипы (Consecutive numbers)"_s);
  QCOMPARE(form.Panel<TPanelFirstBall>()->Caption(),
           u"Первый Шар (First ball) / Последний Шар (Last ball)"_s);
  QCOMPARE(form.Panel<TPanelSummaBalls>()->Caption(), u"Сумма Шаров (Sum)"_s);
  QCOMPARE(form.Panel<TPanelSumForBets>()->Caption(), u"Sum for Bets"_s);
  QCOMPARE(form.Panel<TPanelDifference>()->Caption(), u"Разницы (Difference)"_s);
  QCOMPARE(form.Panel<TPanelLastTira>()->Caption(), u"Повторы (Repeats)"_s);
  QCOMPARE(form.AnalysisPanel(u"PanelLastTira"_s), form.Panel<TPanelLastTira>());
}

void TAnalysisPanelsTest::hotColdWindowIsTheHotWindowOfTheOpenLottery() {
  {
    TRunningApp app;
    QCOMPARE(app.Controller().Lottery().MaxBall, 36);
    QCOMPARE(app.form->Panel<TPanelHotCold>()->seHotColdOkno->value(), 72);
    // Opening sets it quietly: no report runs.
    QVERIFY(!app.Controller().Work().IsRunning());
    app.form->Panel<TPanelHotCold>()->seHotColdOkno->setValue(30);
    app.Trigger(u"menuReopen01"_s);  // every opening sets it again
    QCOMPARE(app.form->Panel<TPanelHotCold>()->seHotColdOkno->value(), 72);
  }
  const QString korea = CopyExample(m_dir, u"6x45 korea lotto.txt"_s, u"6x45 okno.txt"_s);
  TSettings().WriteSetting(QString::fromUtf16(kSettingReopen[0]), korea);
  {
    TRunningApp app;
    QCOMPARE(app.form->Panel<TPanelHotCold>()->seHotColdOkno->value(), 75);
  }
  // No lottery at all (the first start's dialog cancelled): P = 0, raised to the minimum.
  TSettings().ClearAll();
  {
    TRunningApp app;
    QCOMPARE(app.Controller().Lottery().MaxBall, 0);
    QCOMPARE(app.form->Panel<TPanelHotCold>()->seHotColdOkno->value(), 1);
  }
}

void TAnalysisPanelsTest::menuCommandsShowTheirPanelsAndRunTheirReports() {
  TRunningApp app;
  QCOMPARE(NextTira(app), 401);
  for (const TCommandRow& row : kCommands) {
    const QString item = QString::fromUtf16(row.Item);
    app.Trigger(item);
    QVERIFY2(app.Controller().Work().IsRunning(), qPrintable(item));  // in the background
    app.Settle();
    TAnalysisPanel* panel = app.form->AnalysisPanel(QString::fromUtf16(row.Panel));
    QVERIFY2(panel->isVisible(), qPrintable(item));
    QCOMPARE(panel->geometry(), app.form->PanelEmpty->geometry());
    QVERIFY(app.form->PanelMain->isVisible());
    QVERIFY(app.form->PanelShowResult->isVisible());
    VerifyPaneShows(app, row.Code);
    QCOMPARE(PaneLine(app, row.Line), QString::fromUtf16(row.AtNext));
    QCOMPARE(app.form->PanelShowResult->RichEditShowResult->textCursor().position(), 0);
  }
  // Known lines of the next draw, which has no balls yet.
  app.Trigger(u"menuFirstBall"_s);
  app.Settle();
  QCOMPARE(PaneLine(app, 1), QString(79, u'='));
  QCOMPARE(PaneLine(app, 3), u"Первый шар тиража #401 : ???"_s);
  app.Trigger(u"menuDifference"_s);
  app.Settle();
  QCOMPARE(PaneLine(app, 14), u"ВинКод Разниц для тиража #401: ???"_s);
  app.Trigger(u"menuRepeats"_s);
  app.Settle();
  QCOMPARE(PaneLine(app, 0), u"Повторы предыдущих 1 тиражей."_s);
  QVERIFY(PaneLine(app, 3).startsWith(u"Повторы:    0."_s));
  QVERIFY(ColouredRuns(app, 3, kRed).isEmpty());
}

void TAnalysisPanelsTest::reportsMarkTheirBallsInThePane() {
  TRunningApp app;
  const TLottery& lottery = app.Controller().Lottery();
  app.form->PanelMain->seNextTira->setValue(400);  // no analysis chosen yet: nothing runs
  QVERIFY(!app.Controller().Work().IsRunning());

  // Hot/Warm/Cold: every ball of draw 400 is red in the list of its class.
  app.Trigger(u"menuHotCold"_s);
  VerifyPaneShows(app, aaHotCold);
  QStringList red;
  for (int line = 3; line <= 5; ++line) red += ColouredRuns(app, line, kRed);
  QCOMPARE(NumbersOf(red), SortedBalls(app, 400));

  // Repeats: the balls of draw 400 that draw 399 had are red in the source list.
  app.Trigger(u"menuRepeats"_s);
  VerifyPaneShows(app, aaRepeats);
  const iArray repeated = NumbersOf(ColouredRuns(app, 3, kRed));
  QCOMPARE(static_cast<int>(repeated.size()), RepeatsOf(lottery, 400, 1, 1).Win);
  for (const int ball : repeated) {
    const iArray before = lottery.DrawBalls(399);
    QVERIFY(std::find(before.begin(), before.end(), ball) != before.end());
  }

  // Even: the even balls of the listed draws are bold blue (two characters from the digit).
  app.Trigger(u"menuEven"_s);
  VerifyPaneShows(app, aaEven);
  const QStringList blue = ColouredRuns(app, 3, kBlue, true);  // draw 380
  QCOMPARE(blue.size(), EvenCount(lottery, 380));
  for (const QString& run : blue) {
    QCOMPARE(run.size(), 2);
    QCOMPARE(run.trimmed().toInt() % 2, 0);
  }

  // Consecutive: the balls of the pairs are bold blue.
  app.Trigger(u"menuSleepy"_s);
  VerifyPaneShows(app, aaSleepy);
  int line = 3;
  while (line < 23 && SleepyCount(lottery, 377 + line) == 0) ++line;
  QVERIFY(line < 23);  // some draw of 380 ... 399 has neighbours
  QVERIFY(!ColouredRuns(app, line, kBlue, true).isEmpty());

  // First / Last ball and Sum: the value of draw 400 is red in the frequency tables.
  app.Trigger(u"menuFirstBall"_s);
  VerifyPaneShows(app, aaFirstBall);
  QCOMPARE(PaneLine(app, 3),
           u"Первый шар тиража #400 : "_s + QString::number(FirstBall(lottery, 400)));
  QVERIFY(AnyLineHasColour(app, kRed));
  app.Trigger(u"menuSummaBalls"_s);
  VerifyPaneShows(app, aaSum);
  QVERIFY(AnyLineHasColour(app, kRed));
}

void TAnalysisPanelsTest::parameterChangesRerunTheShownReport() {
  TRunningApp app;
  TfrmMain& form = *app.form;

  app.Trigger(u"menuHotCold"_s);
  app.Settle();
  form.Panel<TPanelHotCold>()->seHotColdHistory->setValue(3);
  VerifyPaneShows(app, aaHotCold);
  QCOMPARE(PaneLine(app, 9),
           u"                             <-- <-- # 400 - 398. История (History) Win.Total"_s);
  QCOMPARE(PaneLine(app, 10).size(), 28 + 3 * 7);
  const int plainLines = Document(app).blockCount();
  form.Panel<TPanelHotCold>()->checkHotColdMarkov->setChecked(true);
  VerifyPaneShows(app, aaHotCold);
  QVERIFY(Document(app).blockCount() > plainLines);
  QVERIFY(app.form->PanelShowResult->Text().contains(u"Цепи Маркова. Горячие Шары."_s));
  form.Panel<TPanelHotCold>()->seHotColdOkno->setValue(10);
  form.Panel<TPanelHotCold>()->checkHotColdFrequencyTable->setChecked(true);
  form.Panel<TPanelHotCold>()->checkHotColdSort->setChecked(true);
  form.Panel<TPanelHotCold>()->checkHotColdWinCode->setChecked(true);
  VerifyPaneShows(app, aaHotCold);

  app.Trigger(u"menuEven"_s);
  form.Panel<TPanelEven>()->seEvenHistory->setValue(5);
  VerifyPaneShows(app, aaEven);
  QVERIFY(PaneLine(app, 29).startsWith(u"Четные (Even):             "_s));
  QCOMPARE(PaneLine(app, 29).size(), 27 + 5 * 3);

  app.Trigger(u"menuSleepy"_s);
  form.Panel<TPanelSleepy>()->seSleepyHistory->setValue(7);
  VerifyPaneShows(app, aaSleepy);
  QVERIFY(PaneLine(app, 29).startsWith(u"Слипы (Consecutive):       "_s));
  QCOMPARE(PaneLine(app, 29).size(), 27 + 7 * 3);

  app.Trigger(u"menuFirstBall"_s);
  form.Panel<TPanelFirstBall>()->seFirstBallHistory->setValue(10);
  VerifyPaneShows(app, aaFirstBall);
  QCOMPARE(PaneLine(app, 7).size(), 27 + 10 * 3);
  form.Panel<TPanelFirstBall>()->checkFirstBallSort->setChecked(true);
  VerifyPaneShows(app, aaFirstBall);
  form.Panel<TPanelFirstBall>()->checkFirstBallSeriesShow->setChecked(true);
  VerifyPaneShows(app, aaFirstBall);

  app.Trigger(u"menuSummaBalls"_s);
  app.Settle();
  const QString sorted = form.PanelShowResult->Text();
  form.Panel<TPanelSummaBalls>()->checkSummaBallsSort->setChecked(false);
  VerifyPaneShows(app, aaSum);
  QVERIFY(form.PanelShowResult->Text() != sorted);
  form.Panel<TPanelSummaBalls>()->seSummaBallsHistory->setValue(4);
  VerifyPaneShows(app, aaSum);
  QCOMPARE(PaneLine(app, 27),
           u"                             <-- <-- # 400 - 397. История (History)"_s);

  app.Trigger(u"menuSumForBets"_s);
  form.Panel<TPanelSumForBets>()->seSumForBetsHistory->setValue(10);
  VerifyPaneShows(app, aaSumForBets);
  QCOMPARE(PaneLine(app, 0),
           u"The \"Sum For Bets\" analisys and statistic for the draws # 391-400"_s);

  app.Trigger(u"menuDifference"_s);
  form.Panel<TPanelDifference>()->checkDifferenceWinCode->setChecked(true);
  VerifyPaneShows(app, aaDifferences);
  QCOMPARE(PaneLine(app, 18),
           u"                             <-- <-- # 400 - 301. История (History) WinCode"_s);
  form.Panel<TPanelDifference>()->seDifferenceHistory->setValue(20);
  VerifyPaneShows(app, aaDifferences);
  QVERIFY(PaneLine(app, 19).startsWith(u"ВинКод (Win in Zone1):     "_s));
  QCOMPARE(PaneLine(app, 19).size(), 27 + 20 * 3);
  form.Panel<TPanelDifference>()->checkDifferenceSource->setChecked(true);
  VerifyPaneShows(app, aaDifferences);
  QVERIFY(form.PanelShowResult->Text().contains(u"Разницы по Зонам:"_s));

  app.Trigger(u"menuRepeats"_s);
  form.Panel<TPanelLastTira>()->seRepeatsCount->setValue(3);
  VerifyPaneShows(app, aaRepeats);
  QCOMPARE(PaneLine(app, 0), u"Повторы предыдущих 3 тиражей."_s);
  form.Panel<TPanelLastTira>()->seRepeatsOtstup->setValue(2);
  VerifyPaneShows(app, aaRepeats);
  QVERIFY(PaneLine(app, 9).endsWith(u"Отступ (Indent) = 2"_s));
  form.Panel<TPanelLastTira>()->seRepeatsHistory->setValue(6);
  VerifyPaneShows(app, aaRepeats);
  QCOMPARE(PaneLine(app, 10).size(), 12 + 6 * 3);

  // Every bound control re-runs the active analysis, not its own panel's report.
  const QString repeats = form.PanelShowResult->Text();
  form.Panel<TPanelEven>()->seEvenHistory->setValue(50);
  form.Panel<TPanelHotCold>()->checkHotColdMarkov->setChecked(false);
  VerifyPaneShows(app, aaRepeats);
  QCOMPARE(form.PanelShowResult->Text(), repeats);
}

void TAnalysisPanelsTest::sumForBetsLevelIsReadAtTheNextRun() {
  TRunningApp app;
  TPanelSumForBets* panel = app.form->Panel<TPanelSumForBets>();
  app.Trigger(u"menuSumForBets"_s);
  VerifyPaneShows(app, aaSumForBets);
  const QString low82 = app.form->PanelShowResult->Text();

  panel->seSumForBetsLevel->setValue(60);
  panel->rbSumForBetsHighLevel->setChecked(true);
  QVERIFY(!panel->rbSumForBetsLowLevel->isChecked());
  QVERIFY(!app.Controller().Work().IsRunning());
  QCOMPARE(app.form->PanelShowResult->Text(), low82);

  panel->seSumForBetsHistory->setValue(50);
  VerifyPaneShows(app, aaSumForBets);
  QString hits = u"Win/Lost Seria: "_s;
  for (int draw = 400; draw > 350; --draw)
    hits += QString::number(SumForBetsHit(SumOfBalls(app.Controller().Lottery(), draw), 60, true)) +
            u' ';
  QCOMPARE(PaneLine(app, 8), hits);
}

void TAnalysisPanelsTest::nextDrawChangesRerunTheShownReport() {
  TRunningApp app;
  QSpinBox* seNextTira = app.form->PanelMain->seNextTira;
  for (const TCommandRow& row : kCommands) {
    app.Trigger(QString::fromUtf16(row.Item));
    app.Settle();
    seNextTira->setValue(395);
    VerifyPaneShows(app, row.Code);
    QCOMPARE(PaneLine(app, row.Line), QString::fromUtf16(row.At395));
    seNextTira->setValue(401);
    VerifyPaneShows(app, row.Code);
    QCOMPARE(PaneLine(app, row.Line), QString::fromUtf16(row.AtNext));
  }
  // A command that leaves the analysis unchanged: the draw still re-runs the last analysis.
  app.Trigger(u"menuCalculator"_s);
  QVERIFY(app.form->PanelShowResult->Text().isEmpty());
  seNextTira->setValue(398);
  VerifyPaneShows(app, aaRepeats);
  QCOMPARE(PaneLine(app, 2), u"                         Win.Total     Шары для тиража #398"_s);
  QVERIFY(app.form->AnalysisPanel(u"PanelCalculator"_s)->isVisible());
}

void TAnalysisPanelsTest::changesDuringAReportGiveOneRerunWithTheLastValues() {
  TRunningApp app;
  TPanelHotCold* panel = app.form->Panel<TPanelHotCold>();
  app.Trigger(u"menuHotCold"_s);
  app.Settle();
  // Typing into the history edit: each value starts or queues a run; the last one shows.
  panel->seHotColdHistory->setValue(9999);
  QVERIFY(app.Controller().Work().IsRunning());
  panel->seHotColdHistory->setValue(1);
  panel->seHotColdHistory->setValue(12);
  panel->checkHotColdWinCode->setChecked(true);
  VerifyPaneShows(app, aaHotCold);
  QCOMPARE(PaneLine(app, 10).size(), 28 + 12 * 7);
  QCOMPARE(app.form->statusBar()->currentMessage(), QString());  // superseded, not cancelled
  // Menu commands are refused while a report runs (the pane has one writer).
  panel->seHotColdHistory->setValue(9999);
  app.Trigger(u"menuEven"_s);
  QVERIFY(panel->isVisible());
  VerifyPaneShows(app, aaHotCold);
}

void TAnalysisPanelsTest::longReportsRunInTheBackground() {
  TRunningApp app;
  app.Trigger(u"menuDifference"_s);
  QVERIFY(app.Controller().Work().IsRunning());
  QVERIFY(!app.form->PanelMain->seNextTira->isEnabled());  // busy while it runs
  app.Settle();
  QVERIFY(app.form->PanelMain->seNextTira->isEnabled());
  app.form->Panel<TPanelDifference>()->checkDifferenceWinCode->setChecked(true);
  app.Settle();
  app.form->Panel<TPanelDifference>()->seDifferenceHistory->setValue(2000);
  QVERIFY(app.Controller().Work().IsRunning());
  VerifyPaneShows(app, aaDifferences);
  QCOMPARE(PaneLine(app, 18),
           u"                             <-- <-- # 400 - -1599. История (History) WinCode"_s);

  app.Trigger(u"menuHotCold"_s);
  app.form->Panel<TPanelHotCold>()->seHotColdHistory->setValue(9999);
  VerifyPaneShows(app, aaHotCold);
  QCOMPARE(PaneLine(app, 10).size(), 28 + 9999 * 7);
}

void TAnalysisPanelsTest::recognitionTurnsAPastedListingIntoDrawLines() {
  TRunningApp app;
  app.Trigger(u"menuBasesUpload"_s);
  TPanelUpload* panel = app.form->Panel<TPanelUpload>();
  QVERIFY(panel->isVisible());
  QVERIFY(panel->rbBasesUpload01->isChecked());
  QVERIFY(!panel->rbBasesUpload03->isEnabled() && !panel->rbBasesUpload04->isEnabled());
  QVERIFY(!panel->btnBasesUpload->isEnabled());
  QCOMPARE(panel->btnBasesRecognize->text(), u"Распознать"_s);

  const QString listing =
      u"Тираж №:  007143 от 08.12.2026\n4 11 19 27 33   2\n"
      "Тираж №:  007142 от 07.12.2026\n1 2 3 30 36   7"_s;
  app.form->PanelShowResult->RichEditShowResult->setPlainText(listing);
  QTest::mouseClick(panel->btnBasesRecognize, Qt::LeftButton);
  app.Settle();  // in the background, like every job of a panel
  QCOMPARE(app.form->PanelShowResult->Text(),
           u"007142         1  2  3 30 36\n007143         4 11 19 27 33"_s);

  app.form->PanelShowResult->RichEditShowResult->setPlainText(listing);
  panel->rbBasesUpload02->click();
  QTest::mouseClick(panel->btnBasesRecognize, Qt::LeftButton);
  app.Settle();  // in the background, like every job of a panel
  QCOMPARE(app.form->PanelShowResult->Text(),
           u"007142         1  2  3 30 36  7\n007143         4 11 19 27 33  2"_s);
}

void TAnalysisPanelsTest::typedNumbersRunOnceWhenCompleteAndKeepTheKeyboard() {
  TRunningApp app;
  QVERIFY(QTest::qWaitForWindowActive(app.form.get()));
  for (const char16_t* item : {u"menuSummaBalls", u"menuDifference"}) {
    app.Trigger(QString::fromUtf16(item));
    app.Settle();
    auto* history = app.Controller().ActivePanel()->findChild<QSpinBox*>();
    QVERIFY(history != nullptr && history->objectName().endsWith(u"History"_s));
    history->setFocus();
    history->selectAll();
    const QString before = app.form->PanelShowResult->Text();
    QTest::keyClicks(history, u"45"_s);
    // Nothing runs for 4, nothing runs for 45 until the number is complete.
    QVERIFY(!app.Controller().Work().IsRunning());
    QCOMPARE(app.form->PanelShowResult->Text(), before);
    QTest::keyClick(history, Qt::Key_Return);
    QVERIFY(app.Controller().Work().IsRunning());
    VerifyPaneShows(app, app.Controller().ActiveAnalysis());
    QCOMPARE(history->value(), 45);
    // The keyboard stays in the field: the next digit goes there, not into the pane.
    QVERIFY(history->isAncestorOf(QApplication::focusWidget()) ||
            QApplication::focusWidget() == history);
    const QString report = app.form->PanelShowResult->Text();
    QTest::keyClicks(QApplication::focusWidget(), u"6"_s);
    QCOMPARE(app.form->PanelShowResult->Text(), report);
    QTest::keyClick(history, Qt::Key_Return);
    app.Settle();
  }
  QCOMPARE(app.form->PanelShowResult->RichEditShowResult->focusPolicy(), Qt::ClickFocus);
}
