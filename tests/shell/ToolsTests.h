#pragma once
// Desktop tests of the tools of the Advanced and Forecast menus: the combinations
// calculator, the martingale planner, the random pools and the past matches.

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
  void pastMatchesFilterTheClipboardAndTheForecast();

private:
  QTemporaryDir m_dir;
};
