#pragma once
// Desktop tests: the real main window driven by action and object names, with message
// boxes and file dialogs answered through the scripted host.

#include <QObject>
#include <QTemporaryDir>

class TMainWindowTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init();
  void firstStartAsksForAFileInTheExamples();
  void languageSwitchChangesEveryCaptionAndRereadsTheFile();
  void recentFilesReorderTheCaptions();
  void invalidDrawIsNotSaved();
  void validEditIsSavedAndReopened();
  void badFileNameClosesTheWindow();
  void forecastMenusFollowTheLottery();
  void researchMenuNeedsTheAccessCode();
  void menuCommandsShowTheirPanels();
  void cancelledNewLotteryKeepsTheOpenLottery();
  void unsavedEditsAreAskedAboutBeforeTheyGo();
  void shortcutsAcceleratorsAndTheStatusBar();
  void qtTextsAndHintsFollowTheLanguage();
  void sessionIsRememberedFromOneRunToTheNext();
  void manualOpensFromHelp();

private:
  QTemporaryDir m_dir;
};

class TLayoutAndBusyTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void layoutNumbersForAWindowSize();
  void resizeKeepsPanelsInTheirFrames();
  void everyControlIsReachableAtEverySize();
  void busyGuardDisablesAndRestores();
};

class TRangePanelTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init();
  void reportShowsItsLinesAndHighlights();
  void switchesRerunOnlyTheRangeReport();
  void reverseAndClearEditTheSource();
  void commandsAreRefusedWhileWorkRuns();
  void paneRendersEveryLineInOnePass();

private:
  QTemporaryDir m_dir;
};
