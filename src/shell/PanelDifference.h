#pragma once
// The Differences panel: the length of the code history and the report's optional tables.

#include "AnalysisPanel.h"
#include "analyses/Differences.h"

class QCheckBox;
class QSpinBox;

class TPanelDifference : public TAnalysisPanel {
  Q_OBJECT
public:
  explicit TPanelDifference(QWidget* parent);

  // The report's parameters as the controls show them, for the analysed draw nextTira.
  TDifferencesParams Params(int nextTira, QChar decimalSeparator) const;

  QLabel* lbDifferenceHistory;     // "История"
  QLabel* lbDifferenceHistoryEng;  // "History"
  QSpinBox* seDifferenceHistory;
  QCheckBox* checkDifferenceWinCode;
  QCheckBox* checkDifferenceSource;
};
