#pragma once
// The application controller: start-up, the open sequence, and the dispatch of every menu
// command, button and parameter change of the main window to the engine. It owns the open
// lottery and the code of the shown analysis; panels only turn controls into parameters.

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <span>

#include "LongWork.h"
#include "core/Lottery.h"
#include "core/Settings.h"
#include "export/Export.h"
#include "forecast/ForecastRun.h"

class QAbstractButton;
class QAction;
class QWidget;
class TReportPane;
class TfrmMain;
class TWidgetHost;

// Codes of ActiveAnalysis.
enum TAnalysisCode : int {
  aaNone = 0,
  aaDrawsMap = 1,
  aaIntervals = 4,
  aaEven = 7,
  aaRepeats = 8,
  aaSleepy = 9,
  aaFirstBall = 10,
  aaSum = 11,
  aaDifferences = 13,
  aaPositions = 18,
  aaSumForBets = 19,
  aaHotCold = 21,
  aaRangeStat = 22,
  aaIntervalsProf = 23,
  aaSkips = 24,
  aaPastMatches = 72,
  aaTreble = 75,
  aaTest = 99
};
// The user guide the file-name message names.
inline constexpr auto kManualFileName = u"Lotrix. Описание.pdf";
// A menu command that leaves ActiveAnalysis as it is.
inline constexpr int kUnchanged = -1;

class TController;
class TAnalysisPanel;
struct TPanelContext;
struct TMainMenu;

// What a menu command shows besides PanelMain and its panel.
enum TShows : uint8_t { shResult = 1, shForecastControls = 2, shEmpty = 4 };

// One row of the menu command table: prMenuClick hides every panel, then shows the row's
// panel (when it has one) the row's way, and runs its action.
struct TMenuCommand {
  QAction* TMainMenu::*Item;
  int Code;                    // the ActiveAnalysis it sets, or kUnchanged
  bool RangeToNewTira;         // seNextTira's maximum goes back to NewTira
  const char16_t* Panel;       // the panel shown; nullptr for the window's own commands
  uint8_t Shows;               // TShows
  void (TController::*Run)();  // prRefreshResults (run the report once), a window command, or
                               // nullptr (the panel waits for its buttons)
  bool ReplacesEdits = false;  // opens a lottery anew: unsaved edits are asked about first
};

class TController : public QObject {
  Q_OBJECT
public:
  TController(TfrmMain& form, TWidgetHost& host);
  ~TController() override;

  // Start: hide everything, maximise, open the most recent lottery.
  void FormActivate();
  // Every menu item, by its row in MenuCommands().
  void prMenuClick(QAction* item);
  // Re-runs the job of ActiveAnalysis's panel (bound to seNextTira and the panels' triggers).
  // While a report runs the re-run waits for it; a re-run's own report that is out of date
  // is cancelled first. Several changes meanwhile give one re-run.
  void prRefreshResults();
  void prHideAll();

  // Recent-files operation 0..4, then the open sequence.
  void RecentFiles(int operation);
  void OpenSequence();

  // Before the draws editor's unsaved changes would be replaced or closed: asks to save,
  // discard or cancel; true when the caller may go on (saved or discarded).
  bool ConfirmDiscardEdits();
  // Before the window closes: a running report is cancelled; false keeps the window open.
  bool PrepareToClose();
  // As the window closes: its geometry and the panels' parameters, for the next run.
  void SaveSession();
  // The manual beside the program (or in the build tree); empty when there is none.
  static QString ManualPath();

  int ActiveAnalysis() const { return m_activeAnalysis; }
  const TLottery& Lottery() const { return m_lottery; }
  const QString& Language() const { return m_language; }
  TLongWork& Work() { return *m_work; }
  // The folder the open dialog starts in: the bundled examples.
  static QString ExamplesDir();
  // Every menu command that does something, one row each.
  static std::span<const TMenuCommand> MenuCommands();
  // The panel whose job ActiveAnalysis re-runs (nullptr when it runs none).
  TAnalysisPanel* ActivePanel() const;

  // The forecast of the open lottery (made anew at every opening; emptied by a cancelled
  // "New").
  const TForecastState& Forecast() const { return *m_forecast; }

  // Runs a report job off the GUI thread into the result pane; refused (false) while
  // another one runs. `finished` runs on the GUI thread after the job has ended (with
  // whether it was cancelled), before the pane shows its result.
  // The job's host finds `clipboard` as the clipboard text.
  bool RunReport(TPaneJob job, QWidget* panel,
                 std::function<void(bool cancelled)> finished = nullptr, QString clipboard = {});

private:
  void ConnectControls();
  // Runs `action` for a click unless work runs (then it beeps).
  void OnClick(QAbstractButton* button, std::function<void()> action);
  void LotterySetup();
  // Saves the draws editor and re-opens the lottery; false when nothing was saved.
  bool SaveDraws();
  // The status bar: the lottery, its draw count and the analysed draw.
  void UpdateStatus();
  // Help -> Manual and F1: the manual with the desktop's viewer.
  void CmdManual();
  QString DialogStartDir() const;
  void SetAllBallsAvailable();
  void ShowCommand(const TMenuCommand& command);
  // Runs the panel's job in the background for the analysed draw (seNextTira).
  // A button's own job when makeJob is given.
  void RunPanelJob(TAnalysisPanel* panel,
                   const std::function<TPaneJob(const TPanelContext&)>& makeJob = nullptr,
                   bool readsClipboard = false);
  void WorkFinished();
  // The window's own menu commands.
  void CmdExit();
  // New Lottery: the open dialog first; only a chosen file shifts the recent list.
  void CmdNewLottery();
  template <int Entry>
  void CmdRecentFile() {
    RecentFiles(Entry);
  }
  void CmdDraws();
  // File → Export: the forecast's export table to a workbook, a document or the clipboard.
  template <TExportTarget Target>
  void CmdExport() {
    ExportForecast(Target);
  }
  void ExportForecast(TExportTarget target);
  // File → "Save report as…" (HTML, text or PDF by the name chosen) and "Print…" of the pane.
  void CmdSaveReport();
  void CmdPrintReport();
  // Forecast → Backtest: the forecast panel's filters over its backtest range, in the
  // background with the progress bar and Cancel.
  void CmdBacktest();
  void CmdAbout();
  void CmdLanguage();
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
  bool m_refreshRunning = false;  // the running report was started by prRefreshResults
  bool m_refreshPending = false;  // prRefreshResults was called while a report ran
  // MainPrognoz and its filter statistics; shared with the forecast job that writes it.
  std::shared_ptr<TForecastState> m_forecast = std::make_shared<TForecastState>();
};
