#include "ForecastPanelTests.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>

#include "ShellTestSupport.h"
#include "core/Settings.h"
#include "core/SilentHost.h"
#include "forecast/ForecastRun.h"
#include "shell/BusyState.h"
#include "shell/PanelControls.h"
#include "shell/PanelMain.h"
#include "shell/PanelPrognoz.h"
#include "shell/PanelShowResult.h"

using namespace Qt::StringLiterals;

namespace {

// The engine's view of the outside world with the window's decimal separator.
class TTestHost : public TSilentHost {
public:
  explicit TTestHost(QChar separator) : m_separator(separator) {}
  QChar DecimalSeparator() const override { return m_separator; }

private:
  QChar m_separator;
};

const QTextDocument& Document(const TRunningApp& app) {
  return *app.form->PanelShowResult->RichEditShowResult->document();
}

QString PaneLine(const TRunningApp& app, int line) {
  return Document(app).findBlockByNumber(line).text();
}

// The first line of the pane that starts with `start` (empty when there is none).
QString LineStartingWith(const TRunningApp& app, const QString& start) {
  for (QTextBlock block = Document(app).begin(); block.isValid(); block = block.next())
    if (block.text().startsWith(start)) return block.text();
  return {};
}

// The forecast the engine makes for the window's controls as they are now.
TReportPane ExpectedForecast(const TRunningApp& app) {
  TForecastParams params;
  app.form->PanelMain->FillForecastParams(params);
  params.Fields = app.form->Panel<TPanelPrognoz>()->Fields();
  params.Language = app.Controller().Language();
  TForecastState state;
  TReportPane pane;
  TTestHost host(app.host.DecimalSeparator());
  RunForecast(app.Controller().Lottery(), params, state, pane, host);
  return pane;
}

// Every ball of 5 of 36, largest first and separated by commas: not the field's own form.
QString AllBallsBackwards() {
  QStringList balls;
  for (int ball = 36; ball >= 1; --ball) balls.append(QString::number(ball));
  return balls.join(u',');
}

void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

// The controls of the busy list that this window has.
QList<QWidget*> BusyControls(const TfrmMain& form) {
  QList<QWidget*> controls;
  for (const char16_t* name : BusyControlNames())
    if (auto* control = form.findChild<QWidget*>(QString::fromUtf16(name)))
      controls.append(control);
  return controls;
}

}  // namespace

void TForecastPanelTest::init() {
  TSettings settings;
  settings.ClearAll();
  const QString file = CopyExample(m_dir, u"5x36 sample.txt"_s, u"5x36 forecast.txt"_s);
  settings.WriteSetting(QString::fromUtf16(kSettingReopen[0]), file);
}

void TForecastPanelTest::controlsCarryTheirCaptionsDefaultsAndLimits() {
  TScriptedHost host;
  TfrmMain form(host);  // as created, before any lottery is opened
  TPanelPrognoz* panel = form.Panel<TPanelPrognoz>();
  QVERIFY(panel != nullptr);
  QCOMPARE(form.AnalysisPanel(u"PanelPrognoz"_s), panel);
  QCOMPARE(panel->Caption(), u"Прогноз (Forecast)"_s);

  const struct {
    QCheckBox* Box;
    const char16_t* BoxName;
    const char16_t* Caption;
    QLineEdit* Field;
    const char16_t* FieldName;
    const char16_t* Text;
  } filters[] = {
      {panel->checkFilterChetnie, u"checkFilterChetnie", u"Четные", panel->poleFilterChetnie,
       u"poleFilterChetnie", u" 1 .. 4"},
      {panel->checkFilterSleepy, u"checkFilterSleepy", u"Слипы", panel->poleFilterSleepy,
       u"poleFilterSleepy", u" 0 1"},
      {panel->checkFilterSumBalls, u"checkFilterSumBalls", u"Сумма Шаров (Sum)",
       panel->poleFilterSumBalls, u"poleFilterSumBalls", u" 72 .. 107 120 .. 124"},
      {panel->checkFilterFirstBall, u"checkFilterFirstBall",
       u"Первый / Последний (First / Last ball)", panel->poleFilterFirstBall,
       u"poleFilterFirstBall", u" 1 .. 10 / 25 .. 36"},
      {panel->checkFilterHotCold, u"checkFilterHotCold", u"Горячие / Холодные (Hot / Cold)",
       panel->poleFilterHotCold, u"poleFilterHotCold", u"212  122  0XX "},
      {panel->checkFilterDifferences, u"checkFilterDifferences", u"Разницы (Differences)",
       panel->poleFilterDifferences, u"poleFilterDifferences", u"211  121  0XX"},
  };
  for (const auto& row : filters) {
    QCOMPARE(row.Box->objectName(), QString::fromUtf16(row.BoxName));
    QCOMPARE(row.Box->text(), QString::fromUtf16(row.Caption));
    QVERIFY(!row.Box->isChecked());
    QVERIFY(panel->isAncestorOf(row.Box));
    QCOMPARE(row.Field->objectName(), QString::fromUtf16(row.FieldName));
    QCOMPARE(row.Field->text(), QString::fromUtf16(row.Text));
    QVERIFY(panel->isAncestorOf(row.Field));
  }
  QCOMPARE(panel->lbFilterChetnie->objectName(), u"lbFilterChetnie"_s);
  QCOMPARE(panel->lbFilterChetnie->text(), u"(Even)"_s);
  QCOMPARE(panel->lbFilterSleepy->objectName(), u"lbFilterSleepy"_s);
  QCOMPARE(panel->lbFilterSleepy->text(), u"(Consecutive)"_s);
  // The labels stand beside their check boxes: the next column of the panel's grid.
  auto* grid =
      qobject_cast<QGridLayout*>(panel->findChild<QWidget*>(u"PanelPrognozBody"_s)->layout());
  QVERIFY(grid != nullptr);
  auto cell = [grid](QWidget* widget) {
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(grid->indexOf(widget), &row, &column, &rows, &columns);
    return QPoint(column, row);
  };
  QCOMPARE(cell(panel->lbFilterChetnie), cell(panel->checkFilterChetnie) + QPoint(1, 0));
  QCOMPARE(cell(panel->lbFilterSleepy), cell(panel->checkFilterSleepy) + QPoint(1, 0));

  const auto boxes = panel->AnyRangeBoxes();
  const auto ranges = panel->AnyRangeFields();
  const auto wins = panel->AnyRangeWinFields();
  QCOMPARE(panel->checkFilterAnyRange7, boxes[7]);
  QCOMPARE(panel->poleFilterAnyRange7, ranges[7]);
  QCOMPARE(panel->poleFilterAnyRange7Win, wins[7]);
  for (size_t i = 0; i < 10; ++i) {
    const QString n = QString::number(i);
    QCOMPARE(boxes[i]->objectName(), u"checkFilterAnyRange"_s + n);
    QCOMPARE(boxes[i]->text(), u"Произвольный ряд "_s + n);
    QVERIFY(!boxes[i]->isChecked());
    QCOMPARE(ranges[i]->objectName(), u"poleFilterAnyRange"_s + n);
    QVERIFY(ranges[i]->text().isEmpty());
    QCOMPARE(wins[i]->objectName(), u"poleFilterAnyRange"_s + n + u"Win"_s);
    QVERIFY(wins[i]->text().isEmpty());
    auto* label = panel->findChild<QLabel*>(u"lbFilterAnyRange"_s + n + u"Win"_s);
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), u"Win"_s);
  }
  // The panel reads as the engine's fields record with its defaults.
  const TPrognozFields defaults;
  const TPrognozFields read = panel->Fields();
  QCOMPARE(read.Chetnie.Text, defaults.Chetnie.Text);
  QCOMPARE(read.FirstBall.Text, defaults.FirstBall.Text);
  QCOMPARE(read.HotCold.Text, defaults.HotCold.Text);
  QVERIFY(!read.Chetnie.Checked && !read.AnyRange[9].Checked);
  panel->checkFilterAnyRange4->setChecked(true);
  panel->poleFilterAnyRange4->setText(u"1 .. 9"_s);
  panel->poleFilterAnyRange4Win->setText(u" 0 1"_s);
  QVERIFY(panel->Fields().AnyRange[4].Checked);
  QCOMPARE(panel->Fields().AnyRange[4].Text, u"1 .. 9"_s);
  QCOMPARE(panel->Fields().AnyRangeWin[4], u" 0 1"_s);

  // The forecast controls of PanelMain.
  TPanelMain* main = form.PanelMain;
  const struct {
    QWidget* Control;
    const char16_t* Name;
    const char16_t* Text;
  } captions[] = {
      {main->Label98, u"Label98", u"ПРОГНОЗ (FORECAST):"},
      {main->Label99, u"Label99", u"Новый"},
      {main->btnPrognozNew, u"btnPrognozNew", u"New"},
      {main->Label103, u"Label103", u"Показать"},
      {main->btnPrognozShow, u"btnPrognozShow", u"Show"},
      {main->Label239, u"Label239", u"Число прогнозов"},
      {main->Label240, u"Label240", u"Forecasts number"},
      {main->Label241, u"Label241", u"Автовыбор (Auto choise)"},
  };
  for (const auto& row : captions) {
    QCOMPARE(row.Control->objectName(), QString::fromUtf16(row.Name));
    const auto* label = qobject_cast<QLabel*>(row.Control);
    const auto* button = qobject_cast<QPushButton*>(row.Control);
    QCOMPARE(label != nullptr ? label->text() : button->text(), QString::fromUtf16(row.Text));
  }
  QCOMPARE(main->cbPrognozAuto->objectName(), u"cbPrognozAuto"_s);
  QVERIFY(!main->cbPrognozAuto->isChecked());
  QCOMPARE(main->Bevel83->objectName(), u"Bevel83"_s);
  QSpinBox* numCombi = main->sePrognozNumCombiShow;
  QCOMPARE(numCombi->objectName(), u"sePrognozNumCombiShow"_s);
  QCOMPARE(numCombi->value(), 20);
  QCOMPARE(numCombi->minimum(), 1);
  QCOMPARE(numCombi->maximum(), 500);
  QCOMPARE(SpinEditMaxLength(numCombi), 3);
  numCombi->setValue(501);
  QCOMPARE(numCombi->value(), 500);
  numCombi->setValue(0);
  QCOMPARE(numCombi->value(), 1);
  // Hidden until the forecast command shows them.
  for (QWidget* control : main->ForecastControls()) QVERIFY(control->isHidden());
}

void TForecastPanelTest::menuShowsThePanelAndTheForecastControls() {
  TRunningApp app;
  TfrmMain& form = *app.form;
  app.Trigger(u"menuHotCold"_s);
  app.Settle();
  QCOMPARE(app.Controller().ActiveAnalysis(), int(aaHotCold));
  form.PanelMain->seNextTira->setMaximum(300);
  app.Settle();  // the Hot/Warm/Cold report of draw 300

  app.Trigger(u"menuPrognozCombi"_s);
  QVERIFY(!app.Controller().Work().IsRunning());  // nothing runs until "New"
  QCOMPARE(app.Controller().ActiveAnalysis(), int(aaNone));
  QVERIFY(form.Panel<TPanelPrognoz>()->isVisible());
  QCOMPARE(form.Panel<TPanelPrognoz>()->geometry(), form.PanelEmpty->geometry());
  QVERIFY(form.PanelMain->isVisible());
  QVERIFY(form.PanelShowResult->isVisible());
  QVERIFY(form.PanelShowResult->Text().isEmpty());
  for (QWidget* control : form.PanelMain->ForecastControls())
    QVERIFY2(control->isVisible(), qPrintable(control->objectName()));
  QCOMPARE(form.PanelMain->seNextTira->maximum(), 401);  // the range reaches NewTira again

  // A change of the draw does not run anything: only "New" reads the controls.
  form.PanelMain->seNextTira->setValue(390);
  QVERIFY(!app.Controller().Work().IsRunning());
  QVERIFY(form.PanelShowResult->Text().isEmpty());

  app.Trigger(u"menuEven"_s);
  app.Settle();
  QVERIFY(!form.Panel<TPanelPrognoz>()->isVisible());
  for (QWidget* control : form.PanelMain->ForecastControls())
    QVERIFY2(!control->isVisible(), qPrintable(control->objectName()));
}

void TForecastPanelTest::newShowsTheForecastAndRewritesTheFields() {
  TRunningApp app;
  TfrmMain& form = *app.form;
  TPanelPrognoz* panel = form.Panel<TPanelPrognoz>();
  app.Trigger(u"menuPrognozCombi"_s);
  panel->checkFilterChetnie->setChecked(true);
  panel->poleFilterAnyRange2Win->setText(u" 0 .. 2"_s);  // "Win" fields are always read
  const QString allBalls = form.PanelMain->poleSharyEnable->text();
  form.PanelMain->poleSharyEnable->setText(AllBallsBackwards());
  const TReportPane expected = ExpectedForecast(app);

  Click(form.PanelMain->btnPrognozNew);
  QVERIFY(app.Controller().Work().IsRunning());
  // While it runs: the title in the pane, the progress bar and Cancel, the busy list off.
  QCOMPARE(PaneLine(app, 0), u"Прогноз Шаров для тиража №: 401"_s);
  QCOMPARE(PaneLine(app, 1), u"The Draw # 401 lotto prediction:"_s);
  QVERIFY(form.ProgressBusy->isVisible());
  QVERIFY(form.btnBusyCancel->isVisible());
  const QList<QWidget*> busy = BusyControls(form);
  for (QWidget* control : form.PanelMain->ForecastControls())
    if (qobject_cast<QLabel*>(control) == nullptr && control != form.PanelMain->Bevel83)
      QVERIFY2(busy.contains(control), qPrintable(control->objectName()));
  // Every check box and field of the filter panel.
  QCOMPARE(std::count_if(busy.begin(), busy.end(),
                         [panel](QWidget* control) { return panel->isAncestorOf(control); }),
           6 * 2 + 10 * 3);
  for (QWidget* control : busy) QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
  // The window keeps handling events while the forecast is computed.
  QCoreApplication::processEvents();

  app.Settle();
  for (QWidget* control : busy) QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
  QVERIFY(!form.ProgressBusy->isVisible());
  QVERIFY(!form.btnBusyCancel->isVisible());

  // The pane shows the engine's forecast, line by line with its highlights.
  VerifyDocumentMatchesPane(Document(app), expected);
  QCOMPARE(PaneLine(app, 0), u"Прогноз Шаров для тиража № 401"_s);
  QCOMPARE(LineStartingWith(app, u"Всего комбинаций:"_s),
           u"Всего комбинаций:                                              376.992"_s);
  // 8,568 combinations of odd balls only and as many of even balls only are denied.
  const QString percent = u"-4"_s + app.host.DecimalSeparator() + u"5 %"_s;
  QCOMPARE(LineStartingWith(app, u"Статистика фильтра 01"_s),
           u"Статистика фильтра 01 (Четные):                  Принято=      359.856"
           "    Отклонено=      17.136      "_s +
               percent);
  const TMainPrognoz& prognoz = app.Controller().Forecast().MainPrognoz;
  QCOMPARE(prognoz.NumCombFiltered, int64_t{359'856});
  QCOMPARE(prognoz.PrognozTable.RowCount(), int64_t{359'856});
  QCOMPARE(prognoz.ExportTable.RowCount(), int64_t{359'856});

  // The fields that were read come back in their normal form; the others stay.
  QCOMPARE(panel->poleFilterChetnie->text(), u" 1 ... 4"_s);
  QCOMPARE(panel->poleFilterAnyRange2Win->text(), u" 0 ... 2"_s);
  QCOMPARE(panel->poleFilterSumBalls->text(), u" 72 .. 107 120 .. 124"_s);
  QCOMPARE(panel->poleFilterHotCold->text(), u"212  122  0XX "_s);
  QCOMPARE(form.PanelMain->poleSharyEnable->text(), allBalls);
  QVERIFY(panel->checkFilterChetnie->isChecked());
  QVERIFY(app.host.Messages.isEmpty());

  // Every ticked field is rewritten, codes with two spaces after each.
  panel->checkFilterHotCold->setChecked(true);
  panel->checkFilterFirstBall->setChecked(true);
  Click(form.PanelMain->btnPrognozNew);
  app.Settle();
  QCOMPARE(panel->poleFilterHotCold->text(), u"212  122  0XX  "_s);
  QCOMPARE(panel->poleFilterFirstBall->text(), u" 1 ... 10 /  25 ... 36"_s);
  QVERIFY(app.Controller().Forecast().MainPrognoz.NumCombFiltered < 359'856);
}

void TForecastPanelTest::showRepeatsTheShowing() {
  TRunningApp app;
  TfrmMain& form = *app.form;
  TPanelMain* main = form.PanelMain;
  app.Trigger(u"menuPrognozCombi"_s);

  // Before any run: the no-forecast message and an empty pane.
  Click(main->btnPrognozShow);
  app.Settle();
  QCOMPARE(app.host.Messages, QStringList{NoForecastMessage(true)});
  QVERIFY(form.PanelShowResult->Text().isEmpty());
  app.host.Messages.clear();

  form.Panel<TPanelPrognoz>()->checkFilterSumBalls->setChecked(true);
  form.Panel<TPanelPrognoz>()->poleFilterSumBalls->setText(u"60 .. 62"_s);
  Click(main->btnPrognozNew);
  app.Settle();
  const QString shownByNew = form.PanelShowResult->Text();
  const int64_t rows = app.Controller().Forecast().MainPrognoz.PrognozTable.RowCount();
  QVERIFY(rows > 20 && rows <= kMaxDirectListRows);

  // "Show" lists the same forecast again.
  form.PanelShowResult->Clear();
  Click(main->btnPrognozShow);
  QVERIFY(app.Controller().Work().IsRunning());
  app.Settle();
  QCOMPARE(form.PanelShowResult->Text(), shownByNew);

  // The automatic selection of M rows, with its own statistics, at every press anew.
  main->cbPrognozAuto->setChecked(true);
  main->sePrognozNumCombiShow->setValue(5);
  Click(main->btnPrognozShow);
  app.Settle();
  const TMainPrognoz& prognoz = app.Controller().Forecast().MainPrognoz;
  QCOMPARE(prognoz.AutoTable.RowCount(), int64_t{5});
  QCOMPARE(prognoz.ExportTable.RowCount(), int64_t{5});
  QCOMPARE(prognoz.PrognozTable.RowCount(), rows);  // the forecast itself stays
  QCOMPARE(PaneLine(app, 0), u"Прогноз Шаров для тиража № 401"_s);
  QVERIFY(!LineStartingWith(app, u"Статистика выигрышей Пула \"Прогноз Авто\":"_s).isEmpty());
  QCOMPARE(LineStartingWith(app, u"       5   "_s).size(), 11 + 3 + 4 * 5 + 9);
  QVERIFY(LineStartingWith(app, u"       6   "_s).isEmpty());
  QVERIFY(app.host.Messages.isEmpty());
}

void TForecastPanelTest::cancelLeavesNoResult() {
  TRunningApp app;
  TfrmMain& form = *app.form;
  TPanelPrognoz* panel = form.Panel<TPanelPrognoz>();
  app.Trigger(u"menuPrognozCombi"_s);
  Click(form.PanelMain->btnPrognozNew);
  app.Settle();
  QCOMPARE(app.Controller().Forecast().MainPrognoz.PrognozTable.RowCount(), int64_t{376'992});

  panel->checkFilterChetnie->setChecked(true);
  form.PanelMain->poleSharyEnable->setText(AllBallsBackwards());
  Click(form.PanelMain->btnPrognozNew);
  QVERIFY(form.btnBusyCancel->isVisible());
  Click(form.btnBusyCancel);
  app.Settle();

  // No forecast, no showing, the fields as the user left them, every control usable again.
  const TMainPrognoz& prognoz = app.Controller().Forecast().MainPrognoz;
  QCOMPARE(prognoz.PrognozTable.RowCount(), int64_t{0});
  QCOMPARE(prognoz.NumCombFiltered, int64_t{0});
  QCOMPARE(prognoz.FiltersStatistics[1], TFilterCount{});
  QVERIFY(app.Controller().Forecast().FiltersStatistic.IsEmpty());
  QCOMPARE(form.PanelShowResult->Text(), u"Расчет прогноза отменен."_s);  // said, not a blank pane
  QCOMPARE(form.statusBar()->currentMessage(), u"Отменено."_s);
  QCOMPARE(panel->poleFilterChetnie->text(), u" 1 .. 4"_s);
  QCOMPARE(form.PanelMain->poleSharyEnable->text(), AllBallsBackwards());
  for (QWidget* control : BusyControls(form))
    QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
  QVERIFY(!form.ProgressBusy->isVisible());
  QVERIFY(app.host.Messages.isEmpty());
  Click(form.PanelMain->btnPrognozShow);
  app.Settle();
  QCOMPARE(app.host.Messages, QStringList{NoForecastMessage(true)});

  // A cancelled "Show" leaves the forecast but lists nothing.
  app.host.Messages.clear();
  Click(form.PanelMain->btnPrognozNew);
  app.Settle();
  Click(form.PanelMain->btnPrognozShow);
  app.Controller().Work().Cancel();
  app.Settle();
  QVERIFY(form.PanelShowResult->Text().isEmpty());
  const TMainPrognoz& kept = app.Controller().Forecast().MainPrognoz;  // made by the last "New"
  QCOMPARE(kept.ExportTable.RowCount(), int64_t{0});
  QCOMPARE(kept.NumCombFiltered, int64_t{359'856});
}

void TForecastPanelTest::nothingPassingStillShowsTheFilterStatistics() {
  TRunningApp app;
  TfrmMain& form = *app.form;
  app.Trigger(u"menuPrognozCombi"_s);
  form.Panel<TPanelPrognoz>()->checkFilterChetnie->setChecked(true);
  form.Panel<TPanelPrognoz>()->poleFilterChetnie->setText(
      u"9"_s);  // no 5-ball draw has 9 even balls
  Click(form.PanelMain->btnPrognozNew);
  app.Settle();
  QCOMPARE(app.host.Messages, QStringList{NoForecastMessage(true)});
  QCOMPARE(app.Controller().Forecast().MainPrognoz.PrognozTable.RowCount(), int64_t{0});
  // The pane says which filter denied everything.
  const QString even = LineStartingWith(app, u"Статистика фильтра 01 (Четные):"_s);
  QVERIFY2(even.contains(u"376.992"_s), qPrintable(even));
  QVERIFY(!LineStartingWith(app, u"Статистика фильтра 02 (Слипы):"_s).isEmpty());
}

void TForecastPanelTest::newWhileWorkRunsIsRefused() {
  TRunningApp app;
  TfrmMain& form = *app.form;
  TPanelPrognoz* panel = form.Panel<TPanelPrognoz>();
  app.Trigger(u"menuPrognozCombi"_s);
  panel->checkFilterChetnie->setChecked(true);
  Click(form.PanelMain->btnPrognozNew);
  QVERIFY(app.Controller().Work().IsRunning());

  // Another "New" or "Show" meanwhile is refused; so is a menu command.
  panel->checkFilterChetnie->setChecked(false);
  app.form->PanelMain->btnPrognozNew->click();
  app.form->PanelMain->btnPrognozShow->click();
  app.Trigger(u"menuHotCold"_s);
  QVERIFY(panel->isVisible());
  app.Settle();
  QCOMPARE(app.Controller().Forecast().MainPrognoz.NumCombFiltered, int64_t{359'856});
  QCOMPARE(LineStartingWith(app, u"Статистика фильтра 01"_s).mid(46, 24),
           u"   Принято=      359.856"_s);
  QCOMPARE(app.Controller().ActiveAnalysis(), int(aaNone));
}

void TForecastPanelTest::languageSwitchChangesTheAnyRangeCaptions() {
  TRunningApp app;
  TfrmMain& form = *app.form;
  const auto boxes = form.Panel<TPanelPrognoz>()->AnyRangeBoxes();
  for (size_t i = 0; i < 10; ++i)
    QCOMPARE(boxes[i]->text(), u"Произвольный ряд "_s + QString::number(i));

  app.Trigger(u"menuLanguage"_s);
  QCOMPARE(app.Controller().Language(), u"eng"_s);
  for (size_t i = 0; i < 10; ++i) QCOMPARE(boxes[i]->text(), u"Any range "_s + QString::number(i));
  // The fixed captions stay.
  QCOMPARE(form.Panel<TPanelPrognoz>()->checkFilterChetnie->text(), u"Четные"_s);
  QCOMPARE(form.PanelMain->Label241->text(), u"Автовыбор (Auto choise)"_s);

  // The run speaks the language too.
  app.Trigger(u"menuPrognozCombi"_s);
  Click(form.PanelMain->btnPrognozShow);
  app.Settle();
  QCOMPARE(app.host.Messages, QStringList{NoForecastMessage(false)});
  form.Panel<TPanelPrognoz>()->checkFilterAnyRange0->setChecked(true);
  form.Panel<TPanelPrognoz>()->poleFilterAnyRange0->setText(u"1 .. 9"_s);
  form.Panel<TPanelPrognoz>()->poleFilterAnyRange0Win->setText(u" 0 1"_s);
  Click(form.PanelMain->btnPrognozNew);
  app.Settle();
  QCOMPARE(LineStartingWith(app, u"Total combinations:"_s),
           u"Total combinations:                                    376.992"_s);
  QVERIFY(LineStartingWith(app, u"Filter statistic 10 (Any range 0):            "_s)
              .contains(u"Denied="_s));
  QCOMPARE(form.Panel<TPanelPrognoz>()->poleFilterAnyRange0->text(), u" 1 ... 9"_s);

  app.Trigger(u"menuLanguage"_s);
  for (size_t i = 0; i < 10; ++i)
    QCOMPARE(boxes[i]->text(), u"Произвольный ряд "_s + QString::number(i));
}

void TForecastPanelTest::everyCombinationOf5Of36IsShown() {
  TRunningApp app;
  TfrmMain& form = *app.form;
  app.Trigger(u"menuPrognozCombi"_s);

  // The GUI thread's longest stall while the forecast is computed and shown: a 1 ms timer
  // notes the largest gap between its ticks.
  QElapsedTimer sinceTick;
  qint64 longestStall = 0;
  QTimer ticker;
  ticker.setInterval(1);
  connect(&ticker, &QTimer::timeout, &ticker,
          [&] { longestStall = std::max(longestStall, sinceTick.restart()); });
  sinceTick.start();
  ticker.start();

  QElapsedTimer shown;
  shown.start();
  Click(form.PanelMain->btnPrognozNew);
  QTRY_VERIFY_WITH_TIMEOUT(!app.Controller().Work().IsRunning(), 120'000);
  form.PanelShowResult->RichEditShowResult->repaint();
  const qint64 elapsed = shown.elapsed();
  ticker.stop();
  qInfo(
      "every combination of 5 of 36 (376,992 rows) shown after %lld ms; longest GUI stall "
      "%lld ms",
      static_cast<long long>(elapsed), static_cast<long long>(longestStall));

  // Title, empty line, the win statistics, the list (empty line, header, rows), the report.
  const QTextDocument& document = Document(app);
  const int header = [&] {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
      if (block.text().startsWith(u"    # п/п"_s)) return block.blockNumber();
    return -1;
  }();
  QVERIFY(header > 2);
  QCOMPARE(PaneLine(app, header), u"    # п/п        Шары                    Win"_s);
  QCOMPARE(PaneLine(app, header + 1), u"       1         1   2   3   4   5        ."_s);
  QCOMPARE(PaneLine(app, header + 376'992), u"  376992        32  33  34  35  36        ."_s);
  QVERIFY(PaneLine(app, header + 376'993).isEmpty());  // the filter statistics follow
  QCOMPARE(PaneLine(app, header + 376'994), u"Статистика фильтров:"_s);
  QCOMPARE(LineStartingWith(app, u"Общая статистика:"_s),
           u"Общая статистика:                                Принято=      376.992"
           "    Отклонено=           0"_s);
  QVERIFY(app.host.Messages.isEmpty());
}
