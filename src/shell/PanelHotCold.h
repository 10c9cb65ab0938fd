#pragma once
// The Hot/Warm/Cold panel: the history length, the window of the ball frequency table and
// the report's optional tables.

#include "AnalysisPanel.h"
#include "analyses/HotColdReport.h"

class QCheckBox;
class QSpinBox;

class TPanelHotCold : public TAnalysisPanel {
  Q_OBJECT
public:
  explicit TPanelHotCold(QWidget* parent);

  // The report's parameters as the controls show them, for the analysed draw nextTira.
  THotWarmColdParams Params(int nextTira, QChar decimalSeparator) const;

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
