#pragma once
// Desktop tests of the tools of the Advanced and Forecast menus: the combinations
// calculator, the martingale planner, the random pools, the past matches and the export.

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
  void theExportMenuWritesTheShownForecast();
  void theReportIsSavedAndPrintedAsShown();
  void theBacktestRunsTheForecastPanelsFilters();
  void theChartFollowsTheAnalysedDraw();

private:
  QTemporaryDir m_dir;
};
