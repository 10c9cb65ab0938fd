#include "Controller.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextDocument>
#include <algorithm>

#include "AnalysisPanel.h"
#include "PanelAbout.h"
#include "PanelHotCold.h"
#include "PanelIntervals.h"
#include "PanelMain.h"
#include "PanelPrognoz.h"
#include "PanelShowResult.h"
#include "PanelTiraMap.h"
#include "PanelTirazhi.h"
#include "SessionMemory.h"
#include "WidgetHost.h"
#include "core/OpenLottery.h"
#include "core/ReportPane.h"
#include "forecast/LotteryMenus.h"
#include "mainForm.h"
#include "stats/HotWarmCold.h"

using namespace Qt::StringLiterals;

namespace {

// Controls set anew for every lottery, so not brought back from the last run.
const QStringList kPerLotteryControls = {u"seNextTira"_s, u"poleSharyEnable"_s, u"seHotColdOkno"_s,
                                         u"sePositionsNumber"_s};

}  // namespace

TController::TController(TfrmMain& form, TWidgetHost& host)
    : QObject(&form), m_form(form), m_host(host) {
  m_host.SetParent(&form);
  m_work = std::make_unique<TLongWork>(&form, form.ProgressBusy, form.btnBusyCancel);
  connect(m_work.get(), &TLongWork::Finished, this, &TController::WorkFinished);
  RestoreControlValues(m_form, m_settings, kPerLotteryControls);
  ConnectControls();
}

void TController::SaveSession() {
  SaveWindowState(m_form, m_settings);
  SaveControlValues(m_form, m_settings, kPerLotteryControls);
}

void TController::UpdateStatus() {
  const bool russian = IsRussian(m_language);
  const TLottery& l = m_lottery;
  QString text;
  if (l.IsValid())
    text = (russian ? u"%1 из %2 · %3 тиражей · анализ тиража %4"_s
                    : u"%1 of %2 · %3 draws · analysed draw %4"_s)
               .arg(l.BallsInDraw)
               .arg(l.MaxBall)
               .arg(GroupThousands(QString::number(l.Tirazhi.size())))
               .arg(m_form.PanelMain->seNextTira->value());
  m_form.lbStatus->setText(text);
}

void TController::CmdManual() {
  const QString manual = ManualPath();
  if (!manual.isEmpty() && m_host.OpenDocument(manual)) return;
  m_host.ShowMessage(IsRussian(m_language)
                         ? u"Описание \"%1\" не найдено рядом с программой."_s.arg(
                               QString::fromUtf16(kManualFileName))
                         : u"The manual \"%1\" is not found beside the program."_s.arg(
                               QString::fromUtf16(kManualFileName)));
}

QString TController::ManualPath() {
  const QDir app(QCoreApplication::applicationDirPath());
  const QString name = QString::fromUtf16(kManualFileName);
  QStringList candidates = {app.filePath(name), app.filePath(u"../share/lotrix/"_s + name)};
#ifdef LOTRIX_MANUAL_BUILD_DIR
  candidates.append(QString::fromUtf8(LOTRIX_MANUAL_BUILD_DIR) + u'/' + name);
#endif
  for (const QString& path : candidates)
    if (QFileInfo(path).isFile()) return QFileInfo(path).absoluteFilePath();
  return {};
}

TController::~TController() = default;

QString TController::ExamplesDir() {
  const QDir app(QCoreApplication::applicationDirPath());
  const QStringList candidates = {
      app.filePath(u"examples"_s),                  // installed next to the program
      app.filePath(u"../share/lotrix/examples"_s),  // installed under a prefix
      app.filePath(u"../../examples"_s),            // build/src/lotrix in a source tree
#ifdef LOTRIX_SOURCE_EXAMPLES_DIR
      QString::fromUtf8(LOTRIX_SOURCE_EXAMPLES_DIR),
#endif
  };
  for (const QString& dir : candidates)
    if (QFileInfo(dir).isDir()) return QDir(dir).canonicalPath();
  return QDir::homePath();
}

std::span<const TMenuCommand> TController::MenuCommands() {
  using C = TController;
  using M = TMainMenu;
  constexpr bool toNewTira = true, keepRange = false;
  // Part of the window, so every command refers to a member; in the menu's order.
  static const TMenuCommand commands[] = {
      {&M::menuLottoNew, kUnchanged, keepRange, nullptr, 0, &C::CmdNewLottery, true},
      {&M::menuReopen01, kUnchanged, keepRange, nullptr, 0, &C::CmdRecentFile<1>, true},
      {&M::menuReopen02, kUnchanged, keepRange, nullptr, 0, &C::CmdRecentFile<2>, true},
      {&M::menuReopen03, kUnchanged, keepRange, nullptr, 0, &C::CmdRecentFile<3>, true},
      {&M::menuReopen04, kUnchanged, keepRange, nullptr, 0, &C::CmdRecentFile<4>, true},
      {&M::menuExportClipBoard, kUnchanged, keepRange, nullptr, 0,
       &C::CmdExport<TExportTarget::Clipboard>},
      {&M::menuExportExcel, kUnchanged, keepRange, nullptr, 0,
       &C::CmdExport<TExportTarget::Spreadsheet>},
      {&M::menuExportWord, kUnchanged, keepRange, nullptr, 0,
       &C::CmdExport<TExportTarget::Document>},
      {&M::menuExit, kUnchanged, keepRange, nullptr, 0, &C::CmdExit, true},
      {&M::menuTirazhi, kUnchanged, keepRange, nullptr, 0, &C::CmdDraws},
      {&M::menuTiraMap, aaDrawsMap, toNewTira, u"PanelTiraMap", shEmpty, &C::prRefreshResults},
      {&M::menuHotCold, aaHotCold, toNewTira, u"PanelHotCold", shResult, &C::prRefreshResults},
      {&M::menuEven, aaEven, toNewTira, u"PanelEven", shResult, &C::prRefreshResults},
      {&M::menuSleepy, aaSleepy, toNewTira, u"PanelSleepy", shResult, &C::prRefreshResults},
      {&M::menuFirstBall, aaFirstBall, toNewTira, u"PanelFirstBall", shResult,
       &C::prRefreshResults},
      {&M::menuSummaBalls, aaSum, toNewTira, u"PanelSummaBalls", shResult, &C::prRefreshResults},
      {&M::menuIntervals, aaIntervals, toNewTira, u"PanelIntervals", shResult,
       &C::prRefreshResults},
      {&M::menuRepeats, aaRepeats, toNewTira, u"PanelLastTira", shResult, &C::prRefreshResults},
      {&M::menuDifference, aaDifferences, toNewTira, u"PanelDifference", shResult,
       &C::prRefreshResults},
      {&M::menuPrognozCombi, aaNone, toNewTira, u"PanelPrognoz", shResult | shForecastControls,
       nullptr},
      {&M::menuBacktest, aaNone, toNewTira, u"PanelPrognoz", shResult | shForecastControls,
       &C::CmdBacktest},
      {&M::menuRandomNumberGenerator, aaNone, keepRange, u"PanelRandomNumberGenerator", shResult,
       nullptr},
      {&M::menuCalculator, kUnchanged, keepRange, u"PanelCalculator", shResult, nullptr},
      {&M::menuDogon, kUnchanged, keepRange, u"PanelDogon", shResult, nullptr},
      {&M::menuSkips, aaSkips, toNewTira, u"PanelSkips", shResult, nullptr},
      {&M::menuRangeStat, aaRangeStat, toNewTira, u"PanelRangeStat", shResult, nullptr},
      {&M::menuSlice, aaNone, keepRange, u"PanelSlice", shResult, nullptr},
      {&M::menuBasesUpload, kUnchanged, keepRange, u"PanelUpload", shResult, nullptr},
      {&M::menuTreble, aaTreble, toNewTira, u"PanelTreble", shResult, nullptr},
      {&M::menuPositions, aaPositions, toNewTira, u"PanelPositions", shResult, nullptr},
      {&M::menuFilterFromLast, aaPastMatches, toNewTira, u"PanelFilterFromLast", shResult, nullptr},
      {&M::menuSumForBets, aaSumForBets, keepRange, u"PanelSumForBets", shResult,
       &C::prRefreshResults},
      {&M::menuIntervalsProf, aaIntervalsProf, toNewTira, u"PanelIntervalsProf", shResult, nullptr},
      {&M::menuTriplets, kUnchanged, toNewTira, u"PanelTriplets", shResult, nullptr},
      {&M::menuTest, aaTest, keepRange, u"PanelTest", shResult, nullptr},
      {&M::menuEven5x36, kUnchanged, toNewTira, u"PanelEven5x36", shResult, nullptr},
      {&M::menuActivity, kUnchanged, toNewTira, u"PanelActivity", shResult, nullptr},
      {&M::menuAbout, kUnchanged, keepRange, nullptr, 0, &C::CmdAbout},
      {&M::menuLanguage, kUnchanged, keepRange, nullptr, 0, &C::CmdLanguage, true},
  };
  return commands;
}

TAnalysisPanel* TController::ActivePanel() const {
  if (m_activeAnalysis == aaNone) return nullptr;  // no analysis to re-run
  for (const TMenuCommand& command : MenuCommands()) {
    if (command.Code != m_activeAnalysis || command.Panel == nullptr) continue;
    TAnalysisPanel* panel = m_form.AnalysisPanel(QString::fromUtf16(command.Panel));
    if (panel != nullptr && panel->HasJob()) return panel;
  }
  return nullptr;
}

void TController::OnClick(QAbstractButton* button, std::function<void()> action) {
  connect(button, &QAbstractButton::clicked, this, [this, action = std::move(action)] {
    if (m_work->IsRunning()) {
      QApplication::beep();
      return;
    }
    action();
  });
}

void TController::ConnectControls() {
  for (const TMenuItemDef& item : MenuItems()) {
    if ((item.Flags & mfSubmenu) != 0) continue;
    QAction* action = m_form.Menu.*(item.Member);
    // The manual opens beside whatever is shown; every other command starts afresh.
    if (item.Member == &TMainMenu::menuManual)
      connect(action, &QAction::triggered, this, &TController::CmdManual);
    else if (item.Member == &TMainMenu::menuSaveReport || item.Member == &TMainMenu::menuPrint)
      // The report shown is what they save or print: the pane stays as it is.
      connect(action, &QAction::triggered, this, [this, action] {
        if (m_work->IsRunning())
          QApplication::beep();
        else if (action == m_form.Menu.menuSaveReport)
          CmdSaveReport();
        else
          CmdPrintReport();
      });
    else
      connect(action, &QAction::triggered, this, [this, action] { prMenuClick(action); });
  }
  connect(m_form.actSaveDraws, &QAction::triggered, this, [this] {
    if (m_work->IsRunning())
      QApplication::beep();
    else
      SaveDraws();
  });
  connect(m_form.actRerun, &QAction::triggered, this, &TController::prRefreshResults);
  TPanelMain* main = m_form.PanelMain;
  OnClick(m_form.PanelTirazhi->btnSaveTirazhi, [this] { SaveDraws(); });
  OnClick(main->btnSharyEnableClear, [main] { main->poleSharyEnable->clear(); });
  OnClick(main->btnSharyEnableAll, [this] { SetAllBallsAvailable(); });
  OnClick(main->btnPrognozNew, [this] { RunForecastCommand(); });
  OnClick(main->btnPrognozShow, [this] { ShowForecastCommand(); });
  OnClick(m_form.PanelAbout->btnAboutOK, [this] { m_form.PanelAbout->hide(); });
  connect(main->seNextTira, &QSpinBox::valueChanged, this, [this] {
    if (const TAnalysisPanel* panel = ActivePanel(); panel != nullptr && panel->FollowsNextTira())
      prRefreshResults();
  });
  connect(main->seNextTira, &QSpinBox::valueChanged, this, &TController::UpdateStatus);
  for (TAnalysisPanel* panel : m_form.AnalysisPanelList()) {
    for (const TPanelButton& button : panel->Buttons())
      OnClick(button.Button, [this, panel, button] {
        if (button.Action)
          button.Action(m_host);
        else
          RunPanelJob(panel, button.MakeJob, button.ReadsClipboard);
      });
    // A panel's triggers re-run its job only while its analysis is the active one.
    connect(panel, &TAnalysisPanel::ParametersChanged, this, [this, panel] {
      if (ActivePanel() == panel) prRefreshResults();
    });
  }
}

void TController::FormActivate() {
  prHideAll();
  // The window as the user left it; a first start fills the screen, also where no window
  // manager honours the maximised state (Xvfb, kiosk).
  if (!RestoreWindowState(m_form, m_settings)) {
    if (const QScreen* screen = m_form.screen()) m_form.setGeometry(screen->availableGeometry());
    m_form.showMaximized();
  }
  RecentFiles(1);
}

void TController::prHideAll() {
  m_form.PanelMain->hide();
  m_form.PanelMain->SetForecastControlsVisible(false);
  m_form.PanelTirazhi->hide();
  m_form.PanelEmpty->hide();
  m_form.PanelAbout->hide();
  m_form.PanelShowResult->hide();
  m_form.PanelShowResult->Clear();
  for (TAnalysisPanel* panel : m_form.AnalysisPanelList()) panel->hide();
}

void TController::ShowCommand(const TMenuCommand& command) {
  if (command.Code != kUnchanged) m_activeAnalysis = command.Code;
  if (command.RangeToNewTira) {
    QSpinBox* seNextTira = m_form.PanelMain->seNextTira;
    const QSignalBlocker quiet(seNextTira);
    seNextTira->setMaximum(m_lottery.NewTira);
    seNextTira->setValue(seNextTira->value());
  }
  m_form.LayoutPanels();
  m_form.PanelMain->show();
  m_form.PanelMain->SetForecastControlsVisible((command.Shows & shForecastControls) != 0);
  if ((command.Shows & shEmpty) != 0) m_form.PanelEmpty->show();
  if (QWidget* panel = m_form.AnalysisPanel(QString::fromUtf16(command.Panel))) panel->show();
  if ((command.Shows & shResult) != 0) m_form.PanelShowResult->show();
}

void TController::prMenuClick(QAction* item) {
  if (item == nullptr) return;
  if (m_work->IsRunning()) {
    // A report is being written into the pane: only Exit gets through (it cancels first).
    if (item != m_form.Menu.menuExit) {
      QApplication::beep();
      return;
    }
    m_refreshPending = false;  // no re-run after the cancelled report
    m_work->Cancel();
    m_work->WaitForFinished();
  }
  const auto commands = MenuCommands();
  const auto command = std::find_if(commands.begin(), commands.end(), [&](const TMenuCommand& c) {
    return m_form.Menu.*(c.Item) == item;
  });
  if (command != commands.end() && command->ReplacesEdits && !ConfirmDiscardEdits()) return;
  prHideAll();
  if (command != commands.end()) {
    if (command->Panel != nullptr) ShowCommand(*command);
    if (command->Run != nullptr) (this->*command->Run)();
  }
  // Every other item (research items without a Part) only hides the panels.
}

void TController::CmdExit() { m_form.close(); }

bool TController::PrepareToClose() {
  if (m_work->IsRunning()) {
    m_refreshPending = false;
    m_work->Cancel();
    m_work->WaitForFinished();
  }
  return ConfirmDiscardEdits();
}

void TController::CmdDraws() {
  m_form.LayoutPanels();
  m_form.PanelTirazhi->show();
}

void TController::CmdAbout() {
  m_form.PanelAbout->show();
  m_form.PanelAbout->raise();
}

void TController::CmdLanguage() {
  SwitchLanguage(m_settings);
  OpenSequence();
}

void TController::prRefreshResults() {
  TAnalysisPanel* panel = ActivePanel();
  if (panel == nullptr) return;
  if (m_work->IsRunning()) {
    // Typing 150 into a history edit changes it three times: the report of an earlier
    // value is out of date, the last value runs once the pane is free again.
    m_refreshPending = true;
    if (m_refreshRunning) m_work->Cancel();
    return;
  }
  RunPanelJob(panel);
  m_refreshRunning = m_work->IsRunning();
}

void TController::WorkFinished() {
  m_refreshRunning = false;
  if (!m_refreshPending) return;
  m_refreshPending = false;
  prRefreshResults();
}

void TController::RunPanelJob(TAnalysisPanel* panel,
                              const std::function<TPaneJob(const TPanelContext&)>& makeJob,
                              bool readsClipboard) {
  if (m_work->IsRunning()) {
    QApplication::beep();
    return;
  }
  TPanelContext context;
  context.Lottery = &m_lottery;
  context.NextTira = m_form.PanelMain->seNextTira->value();
  context.DecimalSeparator = m_host.DecimalSeparator();
  context.Language = m_language;
  context.AvailableBalls = m_form.PanelMain->poleSharyEnable->text();
  context.Forecast = m_forecast;
  panel->BeforeJob(context);
  if (panel->ReadsPane()) context.PaneLines = SplitLines(m_form.PanelShowResult->Text());
  // A panel that paints its own result (the draws map) has no job for the pane.
  if (TPaneJob job = makeJob ? makeJob(context) : panel->Job(context))
    RunReport(std::move(job), panel, nullptr, readsClipboard ? m_host.ClipboardText() : QString());
}

bool TController::RunReport(TPaneJob job, QWidget* panel,
                            std::function<void(bool cancelled)> finished, QString clipboard) {
  if (m_work->IsRunning()) {
    QApplication::beep();
    return false;
  }
  m_form.PanelShowResult->Clear();
  return m_work->Start(
      std::move(job),
      [this, finished = std::move(finished)](TWorkResult& result) {
        for (const QString& message : result.Messages) m_host.ShowMessage(message);
        if (result.ClipboardWritten) m_host.SetClipboardText(result.ClipboardOut);
        if (finished) finished(result.Cancelled);
        if (result.Cancelled && !m_refreshPending)  // a run superseded by a newer one is no news
          m_form.statusBar()->showMessage(IsRussian(m_language) ? u"Отменено."_s : u"Cancelled."_s,
                                          5000);
        if (!result.Cancelled) {
          m_form.PanelShowResult->ShowDocument(std::move(result.Document));
          m_form.PanelShowResult->ShowCharts(result.Pane.Charts);
        }
      },
      panel, std::move(clipboard), m_host.DecimalSeparator());
}
