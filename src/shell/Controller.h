#pragma once
// The application controller: start-up, the open sequence, and the dispatch of every menu
// command, button and parameter change of the main window to the engine. It owns the open
// lottery and the code of the shown analysis; panels only turn controls into parameters.

#include "LongWork.h"
#include "core/Lottery.h"
#include "core/Settings.h"
#include "forecast/ForecastRun.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <memory>

class QAction;
class QWidget;
class TReportPane;
class TfrmMain;
class TWidgetHost;

// The research menu is shown when the first three characters of the "Prof" setting are
// this code.
inline constexpr auto kResearchAccessCode = u"731";
// Forecast menus are closed for lotteries with at least this many combinations.
inline constexpr double kMaxForecastCombinations = 100'000'000.0;

// Codes of ActiveAnalysis.
enum TAnalysisCode : int {
  aaNone = 0, aaDrawsMap = 1, aaIntervals = 4, aaEven = 7, aaRepeats = 8, aaSleepy = 9,
  aaFirstBall = 10, aaSum = 11, aaDifferences = 13, aaPositions = 18, aaSumForBets = 19,
  aaHotCold = 21, aaRangeStat = 22, aaIntervalsProf = 23, aaSkips = 24, aaPastMatches = 72,
  aaTreble = 75, aaTest = 99
};

// Whether the forecast menus are open for a lottery of K balls out of N. A binomial that
// overflows (0 for N >= 171) counts as too many.
bool ForecastMenusEnabled(int ballsInDraw, int maxBall);

class TController : public QObject {
  Q_OBJECT
public:
  TController(TfrmMain& form, TWidgetHost& host);
  ~TController() override;

  // Start: hide everything, maximise, open the most recent lottery.
  void FormActivate();
  // Every menu item, by its action.
  void prMenuClick(QAction* item);
  // Every command button, by its object name.
  void prOnButtonClick(const QString& button);
  // Re-runs the analysis of ActiveAnalysis (bound to seNextTira and the panels' switches).
  // While a report runs the re-run waits for it; a re-run's own report that is out of date
  // is cancelled first. Several changes meanwhile give one re-run.
  void prRefreshResults();
  void prHideAll();

  // Recent-files operation 0..4, then the open sequence.
  void RecentFiles(int operation);
  void OpenSequence();

  int ActiveAnalysis() const { return m_activeAnalysis; }
  const TLottery& Lottery() const { return m_lottery; }
  const QString& Language() const { return m_language; }
  TLongWork& Work() { return *m_work; }
  // The folder the open dialog starts in: the bundled examples.
  static QString ExamplesDir();

  // The forecast of the open lottery (made anew at every opening; emptied by a cancelled
  // "New").
  const TForecastState& Forecast() const { return *m_forecast; }

  // Runs a report job off the GUI thread into the result pane; refused (false) while
  // another one runs. `finished` runs on the GUI thread after the job has ended (with
  // whether it was cancelled), before the pane shows its result.
  bool RunReport(TPaneJob job, QWidget* panel,
                 std::function<void(bool cancelled)> finished = nullptr);

private:
  void ConnectControls();
  void LotterySetup();
  void SaveDraws();
  void ShowAnalysis(int code, bool rangeToNewTira, QWidget* panel, bool withResult,
                    bool forecastControls = false, bool withEmpty = false);
  void RunRangeStatistic();
  // Runs an analysis report of the open lottery in the background: the panel turns its
  // controls into the report's parameters for the analysed draw (seNextTira).
  template <typename TPanel, typename TParams>
  void RunPanelReport(TPanel* panel, void (*report)(const TLottery&, const TParams&, TReportPane&));
  void WorkFinished();
  // btnPrognozNew: a new forecast from PanelMain and PanelPrognoz, in the background; when
  // it has ended the fields it read show their normal form. A cancelled run leaves no
  // forecast and no showing.
  void RunForecastCommand();
  // btnPrognozShow: the last forecast shown again with a new automatic selection.
  void ShowForecastCommand();

  TfrmMain& m_form;
  TWidgetHost& m_host;
  TSettings m_settings;
  TLottery m_lottery;
  QString m_language = QString::fromUtf16(kLanguageRussian);
  int m_activeAnalysis = aaNone;
  std::unique_ptr<TLongWork> m_work;
  // The report of each ActiveAnalysis code that prRefreshResults runs.
  std::map<int, std::function<void()>> m_refreshers;
  bool m_refreshRunning = false;  // the running report was started by prRefreshResults
  bool m_refreshPending = false;  // prRefreshResults was called while a report ran
  // MainPrognoz and its filter statistics; shared with the forecast job that writes it.
  std::shared_ptr<TForecastState> m_forecast = std::make_shared<TForecastState>();
};
