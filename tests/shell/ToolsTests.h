#pragma once
// Desktop tests of the tools of the Advanced and Forecast menus: the combinations
// calculator and the martingale planner.

#include <QObject>
#include <QTemporaryDir>

class TToolsTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init();
  void theCalculatorFollowsItsSpinEdits();
  void theMartingaleRewritesItsFieldsAndRunsOnGo();

private:
  QTemporaryDir m_dir;
};
