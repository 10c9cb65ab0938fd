#pragma once
// Desktop tests of the history tools: intervals, slices, the draws map, triplets and skips, each
// through its menu item and buttons.

#include <QObject>
#include <QTemporaryDir>

class THistoryToolsTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init();
  void intervalsRunNormaliseAndKeepTheirSets();
  void slicesRunOnlyFromTheirButtons();
  void theDrawsMapFollowsTheAnalysedDraw();
  void tripletsListTheAnalysedDraw();
  void skipsRunOnlyFromTheirButtons();
  void theTestPanelListsTheFlash();

private:
  QTemporaryDir m_dir;
};
