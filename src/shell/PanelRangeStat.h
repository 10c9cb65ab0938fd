#pragma once
// The Range statistic panel: a typed series (newest first) and the report's switches.

#include "AnalysisPanel.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

class TPanelRangeStat : public TReportPanel {
  Q_OBJECT
public:
  TPanelRangeStat(const QString& name, const QString& caption, QWidget* parent);

  // The typed series and the switches; the analysed draw plays no part.
  TReportParams Params(int nextTira, QChar decimalSeparator) const override;
  // X empties the series, Reverse turns it round, Refresh runs the report.
  QList<TPanelButton> Buttons() override;

  QLabel* Label287;
  QLineEdit* poleRangeStatSource;
  QPushButton* btnRangeStatReverse;
  QPushButton* btnRangeStatClear;
  QPushButton* btnRangeStatRefresh;
  QCheckBox* checkRangeStatSort;
  QCheckBox* checkRangeStatSeries;
  QCheckBox* checkRangeStatSteps;
  QCheckBox* checkRangeStatStepsSort;
  QCheckBox* checkRangeStatMarkov;
};
