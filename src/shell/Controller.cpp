#include "Controller.h"

#include "AnalysisPanel.h"
#include "PanelAbout.h"
#include "PanelDifference.h"
#include "PanelEvenSleepy.h"
#include "PanelFirstLastSum.h"
#include "PanelHotCold.h"
#include "PanelLastTira.h"
#include "PanelMain.h"
#include "PanelRangeStat.h"
#include "PanelUpload.h"
#include "PanelShowResult.h"
#include "PanelTirazhi.h"
#include "WidgetHost.h"
#include "mainForm.h"

#include "analyses/Differences.h"
#include "analyses/EvenSleepy.h"
#include "analyses/FirstLastSum.h"
#include "analyses/HotColdReport.h"
#include "analyses/Repeats.h"
#include "core/OpenLottery.h"
#include "core/ReportPane.h"
#include "stats/HotWarmCold.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTextDocument>

using namespace Qt::StringLiterals;

bool ForecastMenusEnabled(int ballsInDraw, int maxBall) {
  const double combinations = Binomial(maxBall, ballsInDraw);
  // Binomial is 0 when a factorial overflows (N >= 171): far too many, not none.
  return combinations > 0 && combinations < kMaxForecastCombinations;
}

TController::TController(TfrmMain& form, TWidgetHost& host)
    : QObject(&form), m_form(form), m_host(host) {
  m_host.SetParent(&form);
  m_work = std::make_unique<TLongWork>(&form, form.ProgressBusy, form.btnBusyCancel);
  connect(m_work.get(), &TLongWork::Finished, this, &TController::WorkFinished);
  m_refreshers[aaRangeStat] = [this] { RunRangeStatistic(); };
  m_refreshers[aaHotCold] = [this] { RunPanelReport(m_form.PanelHotCold, &ShowHotWarmColdReport); };
  m_refreshers[aaEven] = [this] { RunPanelReport(m_form.PanelEven, &ShowEvenReport); };
  m_refreshers[aaSleepy] = [this] { RunPanelReport(m_form.PanelSleepy, &ShowConsecutiveReport); };
  m_refreshers[aaFirstBall] = [this] {
    RunPanelReport(m_form.PanelFirstBall, &ShowFirstLastBallReport);
  };
  m_refreshers[aaSum] = [this] { RunPanelReport(m_form.PanelSummaBalls, &ShowSumReport); };
  m_refreshers[aaSumForBets] = [this] {
    RunPanelReport(m_form.PanelSumForBets, &ShowSumForBetsReport);
  };
  m_refreshers[aaDifferences] = [this] {
    RunPanelReport(m_form.PanelDifference, &ShowDifferencesReport);
  };
  m_refreshers[aaRepeats] = [this] { RunPanelReport(m_form.PanelLastTira, &ShowRepeatsReport); };
  ConnectControls();
}

TController::~TController() = default;

QString TController::ExamplesDir() {
  const QDir app(QCoreApplication::applicationDirPath());
  const QStringList candidates = {
      app.filePath(u"examples"_s),                   // installed next to the program
      app.filePath(u"../share/lotrix/examples"_s),   // installed under a prefix
      app.filePath(u"../../examples"_s),             // build/src/lotrix in a source tree
#ifdef LOTRIX_SOURCE_EXAMPLES_DIR
      QString::fromUtf8(LOTRIX_SOURCE_EXAMPLES_DIR),
#endif
  };
  for (const QString& dir : candidates)
    if (QFileInfo(dir).isDir()) return QDir(dir).canonicalPath();
  return QDir::homePath();
}

void TController::ConnectControls() {
  for (const TMenuItemDef& item : MenuItems()) {
    if ((item.Flags & mfSubmenu) != 0) continue;
    QAction* action = m_form.Menu.*(item.Member);
    connect(action, &QAction::triggered, this, [this, action] { prMenuClick(action); });
  }
  const QList<QPushButton*> buttons = {
      m_form.PanelTirazhi->btnSaveTirazhi,   m_form.PanelMain->btnSharyEnableClear,
      m_form.PanelMain->btnSharyEnableAll,   m_form.PanelAbout->btnAboutOK,
      m_form.PanelMain->btnPrognozNew,       m_form.PanelMain->btnPrognozShow,
      m_form.PanelRangeStat->btnRangeStatClear, m_form.PanelRangeStat->btnRangeStatReverse,
      m_form.PanelRangeStat->btnRangeStatRefresh, m_form.PanelUpload->btnBasesRecognize};
  for (QPushButton* button : buttons)
    connect(button, &QPushButton::clicked, this,
            [this, button] { prOnButtonClick(button->objectName()); });
  connect(m_form.PanelMain->seNextTira, &QSpinBox::valueChanged, this,
          &TController::prRefreshResults);
  // The Range switches re-run only the Range report: while another analysis is active they
  // do nothing.
  for (QCheckBox* box : m_form.PanelRangeStat->Switches())
    connect(box, &QCheckBox::clicked, this, [this] {
      if (m_activeAnalysis == aaRangeStat) prRefreshResults();
    });
  for (TAnalysisPanel* panel : m_form.AnalysisPanelList())
    connect(panel, &TAnalysisPanel::ParametersChanged, this, &TController::prRefreshResults);
}

void TController::FormActivate() {
  prHideAll();
  // Fill the screen also where no window manager honours the maximised state (Xvfb, kiosk).
  if (const QScreen* screen = m_form.screen()) m_form.setGeometry(screen->availableGeometry());
  m_form.showMaximized();
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

void TController::RecentFiles(int operation) {
  const QStringList captions = ::RecentFiles(m_settings, operation);
  QAction* entries[] = {m_form.Menu.menuReopen01, m_form.Menu.menuReopen02,
                        m_form.Menu.menuReopen03, m_form.Menu.menuReopen04};
  for (int i = 0; i < 4 && i < captions.size(); ++i) entries[i]->setText(captions[i]);
  OpenSequence();
}

void TController::OpenSequence() {
  // A new, empty forecast for the lottery about to be opened.
  m_forecast = std::make_shared<TForecastState>();
  TOpenResult opened = OpenLottery(m_settings, m_host, ExamplesDir(), &m_lottery);
  m_language = opened.Language;
  if (!opened.Reopen01Caption.isEmpty()) m_form.Menu.menuReopen01->setText(opened.Reopen01Caption);
  m_lottery = std::move(opened.Lottery);
  m_form.setWindowTitle(m_lottery.Name.isEmpty() ? QString::fromUtf16(kProgramTitle)
                                                 : m_lottery.WindowCaption());
  if (opened.BadFileName) {
    // The message is shown and Reopen01 cleared; the Exit command ends the program.
    m_form.close();
    return;
  }
  const TDrawsTexts texts = opened.Loaded.Texts(m_lottery);
  m_form.PanelTirazhi->ShowDraws(texts);
  if (texts.Partial()) m_host.ShowMessage(PartialEditorMessage(m_language, texts.Rows, texts.ShownRows));

  // The analysed draw: set quietly, the Draws command below shows no report anyway.
  QSpinBox* seNextTira = m_form.PanelMain->seNextTira;
  {
    const QSignalBlocker quiet(seNextTira);
    seNextTira->setRange(m_lottery.FirstTira, m_lottery.NewTira);
    seNextTira->setValue(m_lottery.NewTira);
  }
  LotterySetup();
  // All balls are available.
  prOnButtonClick(u"btnSharyEnableAll"_s);
  prMenuClick(m_form.Menu.menuTirazhi);
}

void TController::LotterySetup() {
  m_form.SetCaptions(m_language);
  TMainMenu& menu = m_form.Menu;
  menu.menuExport->setEnabled(true);
  menu.menuCodesAuto->setEnabled(true);
  const QString prof = m_settings.ReadSetting(QString::fromUtf16(kSettingProf));
  menu.menuResearches->setVisible(prof.left(3) == QString::fromUtf16(kResearchAccessCode));
  // No automation server for the Caterpillar exists on this system.
  menu.menuCaterpillar->setEnabled(false);
  const int K = m_lottery.BallsInDraw;
  const int N = m_lottery.MaxBall;
  menu.menu49s->setEnabled(K == 7 && N == 49);
  menu.menuKENO->setEnabled(K == 20 && N == 80);
  const bool forecast = ForecastMenusEnabled(K, N);
  menu.menuPrognozCombi->setEnabled(forecast);
  menu.menuFilterFromLast->setEnabled(forecast);
  {
    // The hot window P; 0 without a lottery, which the spin edit raises to its minimum.
    QSpinBox* okno = m_form.PanelHotCold->seHotColdOkno;
    const QSignalBlocker quiet(okno);
    okno->setValue(HotWindow(K, N));
  }
  if (auto* positions = m_form.findChild<QSpinBox*>(u"sePositionsNumber"_s)) {
    const QSignalBlocker quiet(positions);
    positions->setMaximum(K);
    positions->setValue(1);
  }
}

void TController::ShowAnalysis(int code, bool rangeToNewTira, QWidget* panel, bool withResult,
                               bool forecastControls, bool withEmpty) {
  if (code >= 0) m_activeAnalysis = code;
  if (rangeToNewTira) {
    QSpinBox* seNextTira = m_form.PanelMain->seNextTira;
    const QSignalBlocker quiet(seNextTira);
    seNextTira->setMaximum(m_lottery.NewTira);
    seNextTira->setValue(seNextTira->value());
  }
  m_form.LayoutPanels();
  m_form.PanelMain->show();
  m_form.PanelMain->SetForecastControlsVisible(forecastControls);
  if (withEmpty) m_form.PanelEmpty->show();
  if (panel != nullptr) panel->show();
  if (withResult) m_form.PanelShowResult->show();
}

void TController::prMenuClick(QAction* item) {
  if (item == nullptr) return;
  const QString name = item->objectName();
  if (m_work->IsRunning()) {
    // A report is being written into the pane: only Exit gets through (it cancels first).
    if (name != u"menuExit"_s) {
      QApplication::beep();
      return;
    }
    m_refreshPending = false;  // no re-run after the cancelled report
    m_work->Cancel();
    m_work->WaitForFinished();
  }
  prHideAll();
  const TMainMenu& menu = m_form.Menu;
  auto panel = [this](const char16_t* panelName) {
    return m_form.AnalysisPanel(QString::fromUtf16(panelName));
  };
  constexpr int unchanged = -1;

  if (item == menu.menuExit) {
    m_form.close();
  } else if (item == menu.menuLottoNew) {
    RecentFiles(0);
  } else if (item == menu.menuReopen01) {
    RecentFiles(1);
  } else if (item == menu.menuReopen02) {
    RecentFiles(2);
  } else if (item == menu.menuReopen03) {
    RecentFiles(3);
  } else if (item == menu.menuReopen04) {
    RecentFiles(4);
  } else if (item == menu.menuTirazhi) {
    m_form.LayoutPanels();
    m_form.PanelTirazhi->show();
  } else if (item == menu.menuAbout) {
    m_form.PanelAbout->show();
    m_form.PanelAbout->raise();
  } else if (item == menu.menuLanguage) {
    SwitchLanguage(m_settings);
    OpenSequence();
  } else if (item == menu.menuPrognozCombi) {
    ShowAnalysis(aaNone, true, panel(u"PanelPrognoz"), true, true);
  } else if (item == menu.menuFilterFromLast) {
    ShowAnalysis(aaPastMatches, true, panel(u"PanelFilterFromLast"), true);
  } else if (item == menu.menuTreble) {
    ShowAnalysis(aaTreble, true, panel(u"PanelTreble"), true);
  } else if (item == menu.menuDogon) {
    ShowAnalysis(unchanged, false, panel(u"PanelDogon"), true);
  } else if (item == menu.menuCalculator) {
    ShowAnalysis(unchanged, false, panel(u"PanelCalculator"), true);
  } else if (item == menu.menuRandomNumberGenerator) {
    ShowAnalysis(aaNone, false, panel(u"PanelRandomNumberGenerator"), true);
  } else if (item == menu.menuActivity) {
    ShowAnalysis(unchanged, true, panel(u"PanelActivity"), true);
  } else if (item == menu.menuEven5x36) {
    ShowAnalysis(unchanged, true, panel(u"PanelEven5x36"), true);
  } else if (item == menu.menuTiraMap) {
    ShowAnalysis(aaDrawsMap, true, panel(u"PanelTiraMap"), false, false, true);
    prRefreshResults();
  } else if (item == menu.menuHotCold) {
    ShowAnalysis(aaHotCold, true, panel(u"PanelHotCold"), true);
    prRefreshResults();
  } else if (item == menu.menuIntervals) {
    ShowAnalysis(aaIntervals, true, panel(u"PanelIntervals"), true);
    prRefreshResults();
  } else if (item == menu.menuIntervalsProf) {
    ShowAnalysis(aaIntervalsProf, true, panel(u"PanelIntervalsProf"), true);
  } else if (item == menu.menuEven) {
    ShowAnalysis(aaEven, true, panel(u"PanelEven"), true);
    prRefreshResults();
  } else if (item == menu.menuRepeats) {
    ShowAnalysis(aaRepeats, true, panel(u"PanelLastTira"), true);
    prRefreshResults();
  } else if (item == menu.menuSleepy) {
    ShowAnalysis(aaSleepy, true, panel(u"PanelSleepy"), true);
    prRefreshResults();
  } else if (item == menu.menuFirstBall) {
    ShowAnalysis(aaFirstBall, true, panel(u"PanelFirstBall"), true);
    prRefreshResults();
  } else if (item == menu.menuSummaBalls) {
    ShowAnalysis(aaSum, true, panel(u"PanelSummaBalls"), true);
    prRefreshResults();
  } else if (item == menu.menuSkips) {
    ShowAnalysis(aaSkips, true, panel(u"PanelSkips"), true);
  } else if (item == menu.menuRangeStat) {
    ShowAnalysis(aaRangeStat, true, panel(u"PanelRangeStat"), true);
  } else if (item == menu.menuSlice) {
    ShowAnalysis(aaNone, false, panel(u"PanelSlice"), true);
  } else if (item == menu.menuTriplets) {
    ShowAnalysis(unchanged, true, panel(u"PanelTriplets"), true);
  } else if (item == menu.menuDifference) {
    ShowAnalysis(aaDifferences, true, panel(u"PanelDifference"), true);
    prRefreshResults();
  } else if (item == menu.menuPositions) {
    ShowAnalysis(aaPositions, true, panel(u"PanelPositions"), true);
  } else if (item == menu.menuSumForBets) {
    ShowAnalysis(aaSumForBets, false, panel(u"PanelSumForBets"), true);
    prRefreshResults();
  } else if (item == menu.menuBasesUpload) {
    ShowAnalysis(unchanged, false, panel(u"PanelUpload"), true);
  } else if (item == menu.menuTest) {
    ShowAnalysis(aaTest, false, panel(u"PanelTest"), true);
  }
  // Every other item (export, research items) only hides the panels for now.
}

void TController::prOnButtonClick(const QString& button) {
  if (m_work->IsRunning()) {
    QApplication::beep();
    return;
  }
  TPanelMain* main = m_form.PanelMain;
  TPanelRangeStat* range = m_form.PanelRangeStat;
  if (button == u"btnSaveTirazhi"_s) {
    SaveDraws();
  } else if (button == u"btnSharyEnableClear"_s) {
    main->poleSharyEnable->clear();
  } else if (button == u"btnSharyEnableAll"_s) {
    // AvailableBalls of an empty field: every ball 1..MaxBall.
    QString field;
    AvailableBalls(QString(), m_lottery.MaxBall, &field);
    main->poleSharyEnable->setText(m_lottery.MaxBall > 0 ? field : QString());
  } else if (button == u"btnAboutOK"_s) {
    m_form.PanelAbout->hide();
  } else if (button == u"btnPrognozNew"_s) {
    RunForecastCommand();
  } else if (button == u"btnPrognozShow"_s) {
    ShowForecastCommand();
  } else if (button == u"btnRangeStatClear"_s) {
    range->poleRangeStatSource->setText(ClearRangeSource());
  } else if (button == u"btnRangeStatReverse"_s) {
    range->poleRangeStatSource->setText(ReverseRangeSource(range->poleRangeStatSource->text()));
  } else if (button == u"btnRangeStatRefresh"_s) {
    RunRangeStatistic();
  } else if (button == u"btnBasesRecognize"_s) {
    // The listing the user pasted into the pane becomes draw lines, oldest first.
    TReportPane pane;
    pane.ReplaceLines(RecognizeResults(SplitLines(m_form.PanelShowResult->Text()),
                                       m_form.PanelUpload->Listing()));
    m_form.PanelShowResult->ShowPane(pane);
  }
}

void TController::prRefreshResults() {
  const auto it = m_refreshers.find(m_activeAnalysis);
  if (it == m_refreshers.end()) return;
  if (m_work->IsRunning()) {
    // Typing 150 into a history edit changes it three times: the report of an earlier
    // value is out of date, the last value runs once the pane is free again.
    m_refreshPending = true;
    if (m_refreshRunning) m_work->Cancel();
    return;
  }
  it->second();
  m_refreshRunning = m_work->IsRunning();
}

void TController::WorkFinished() {
  m_refreshRunning = false;
  if (!m_refreshPending) return;
  m_refreshPending = false;
  prRefreshResults();
}

template <typename TPanel, typename TParams>
void TController::RunPanelReport(TPanel* panel,
                                 void (*report)(const TLottery&, const TParams&, TReportPane&)) {
  const TParams params =
      panel->Params(m_form.PanelMain->seNextTira->value(), m_host.DecimalSeparator());
  // The worker reads the open lottery in place: nothing replaces or edits it while a report
  // runs (opening, saving and the language switch are refused until the work has ended).
  const TLottery* lottery = &m_lottery;
  RunReport(
      [lottery, params, report](THost&, TReportPane& pane) { report(*lottery, params, pane); },
      panel);
}

bool TController::RunReport(TPaneJob job, QWidget* panel,
                            std::function<void(bool cancelled)> finished) {
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
        if (!result.Cancelled) m_form.PanelShowResult->ShowDocument(std::move(result.Document));
      },
      panel, QString(), m_host.DecimalSeparator());
}

void TController::RunRangeStatistic() {
  const TRangeStatParams params = m_form.PanelRangeStat->Params(m_host.DecimalSeparator());
  RunReport([params](THost&, TReportPane& pane) { ShowRangeStatistic(params, pane); },
            m_form.PanelRangeStat);
}

void TController::SaveDraws() {
  // An editor holding only the newest draws of a long history would save just those.
  if (m_form.PanelTirazhi->MemoTirazhi->isReadOnly()) return;
  // The editor's lines, each ended by CR LF, as a memo writes them.
  const QStringList lines = m_form.PanelTirazhi->MemoTirazhi->toPlainText().split(u'\n');
  QString text;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (i == lines.size() - 1 && lines[i].isEmpty()) break;  // after the last line end
    text += lines[i];
    text += u"\r\n"_s;
  }
  const QString path = m_settings.ReadSetting(QString::fromUtf16(kSettingReopen[0]));
  const TSaveOutcome outcome = ::SaveDraws(m_lottery, text, path, m_language, m_host);
  if (outcome == TSaveOutcome::Invalid) {
    m_form.PanelTirazhi->MemoTirazhiUp->clear();
  } else if (outcome == TSaveOutcome::Saved) {
    RecentFiles(1);
  }
}
