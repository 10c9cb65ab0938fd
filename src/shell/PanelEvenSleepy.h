#pragma once
// The Even and the Consecutive numbers panels: each holds the history length of its report.

#include "AnalysisPanel.h"
#include "analyses/EvenSleepy.h"

class QSpinBox;

class TPanelEven : public TAnalysisPanel {
  Q_OBJECT
public:
  explicit TPanelEven(QWidget* parent);

  // The report's parameters as the controls show them, for the analysed draw nextTira.
  TEvenParams Params(int nextTira, QChar decimalSeparator) const;

  QLabel* lbEvenHistory;     // "История"
  QLabel* lbEvenHistoryEng;  // "History"
  QSpinBox* seEvenHistory;
};

class TPanelSleepy : public TAnalysisPanel {
  Q_OBJECT
public:
  explicit TPanelSleepy(QWidget* parent);

  // The report's parameters as the controls show them, for the analysed draw nextTira.
  TConsecutiveParams Params(int nextTira, QChar decimalSeparator) const;

  QLabel* lbSleepyHistory;     // "История"
  QLabel* lbSleepyHistoryEng;  // "History"
  QSpinBox* seSleepyHistory;
};
