#pragma once
// Desktop tests of the tools of the Advanced and Forecast menus: the combinations
// calculator, the martingale planner and the random pools.

#include <QObject>
#include <QTemporaryDir>

class TToolsTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init();
  void theCalculatorFollowsItsSpinEdits();
  void theMartingaleRewritesItsFieldsAndRunsOnGo();
  void theGeneratorAndItsKenoButtonMakeNewPools();
  void theResearchVariantListsItsPool();

private:
  QTemporaryDir m_dir;
};
