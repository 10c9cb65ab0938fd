#pragma once
// The Range statistic panel: a typed series (newest first) and the report's switches.

#include "AnalysisPanel.h"
#include "analyses/RangeStat.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

class TPanelRangeStat : public TAnalysisPanel {
  Q_OBJECT
public:
  explicit TPanelRangeStat(QWidget* parent);

  // The report's parameters as the controls show them.
  TRangeStatParams Params(QChar decimalSeparator) const;

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

  // The check boxes that re-run the report when clicked.
  QList<QCheckBox*> Switches() const;
};
