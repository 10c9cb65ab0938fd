#pragma once
// Desktop tests of the analysis panels that run a report from their menu command: Hot/Warm/
// Cold, Even, Consecutive, First / Last ball, Sum, Sum for Bets, Differences and Repeats;
// and the results recognition of the bases panel.

#include <QObject>
#include <QTemporaryDir>

class TAnalysisPanelsTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init();
  void panelsCarryTheirControls();
  void hotColdWindowIsTheHotWindowOfTheOpenLottery();
  void menuCommandsShowTheirPanelsAndRunTheirReports();
  void reportsMarkTheirBallsInThePane();
  void parameterChangesRerunTheShownReport();
  void sumForBetsLevelIsReadAtTheNextRun();
  void nextDrawChangesRerunTheShownReport();
  void changesDuringAReportGiveOneRerunWithTheLastValues();
  void longReportsRunInTheBackground();
  void recognitionTurnsAPastedListingIntoDrawLines();
  void typedNumbersRunOnceWhenCompleteAndKeepTheKeyboard();

private:
  QTemporaryDir m_dir;
};
