#pragma once
// Desktop tests of the history tools: intervals, slices, the draws map and triplets, each
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

private:
  QTemporaryDir m_dir;
};
