#pragma once
// The Differences panel: the length of the code history and the report's optional tables.

#include "AnalysisPanel.h"

class QCheckBox;
class QSpinBox;

class TPanelDifference : public TReportPanel {
  Q_OBJECT
public:
  TPanelDifference(const QString& name, const QString& caption, QWidget* parent);

  TReportParams Params(int nextTira, QChar decimalSeparator) const override;

  QLabel* lbDifferenceHistory;     // "История"
  QLabel* lbDifferenceHistoryEng;  // "History"
  QSpinBox* seDifferenceHistory;
  QCheckBox* checkDifferenceWinCode;
  QCheckBox* checkDifferenceSource;
};
