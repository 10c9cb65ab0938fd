#pragma once
// The Hot/Warm/Cold panel: the history length, the window of the ball frequency table and
// the report's optional tables.

#include "AnalysisPanel.h"

class QCheckBox;
class QSpinBox;

class TPanelHotCold : public TReportPanel {
  Q_OBJECT
public:
  TPanelHotCold(const QString& name, const QString& caption, QWidget* parent);

  TReportParams Params(int nextTira, QChar decimalSeparator) const override;

  QLabel* lbHotColdHistory;     // "История"
  QLabel* lbHotColdHistoryEng;  // "History"
  QSpinBox* seHotColdHistory;
  QLabel* lbHotColdOkno;     // "Окно"
  QLabel* lbHotColdOknoEng;  // "Okno"
  QSpinBox* seHotColdOkno;   // set to the hot window P at every opening of a lottery
  QCheckBox* checkHotColdMarkov;
  QCheckBox* checkHotColdWinCode;
  QCheckBox* checkHotColdFrequencyTable;
  QCheckBox* checkHotColdSort;
};
