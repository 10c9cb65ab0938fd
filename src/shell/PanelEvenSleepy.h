#pragma once
// The Even and the Consecutive numbers panels: each holds the history length of its report.

#include "AnalysisPanel.h"

class QSpinBox;

class TPanelEven : public TReportPanel {
  Q_OBJECT
public:
  TPanelEven(const QString& name, const QString& caption, QWidget* parent);
  TReportParams Params(int nextTira, QChar decimalSeparator) const override;

  QLabel* lbEvenHistory;     // "История"
  QLabel* lbEvenHistoryEng;  // "History"
  QSpinBox* seEvenHistory;
};

class TPanelSleepy : public TReportPanel {
  Q_OBJECT
public:
  TPanelSleepy(const QString& name, const QString& caption, QWidget* parent);
  TReportParams Params(int nextTira, QChar decimalSeparator) const override;

  QLabel* lbSleepyHistory;     // "История"
  QLabel* lbSleepyHistoryEng;  // "History"
  QSpinBox* seSleepyHistory;
};
