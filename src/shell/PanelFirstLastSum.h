#pragma once
// The First / Last ball, the Sum and the Sum for Bets panels.

#include "AnalysisPanel.h"

class QCheckBox;
class QRadioButton;
class QSpinBox;

class TPanelFirstBall : public TReportPanel {
  Q_OBJECT
public:
  TPanelFirstBall(const QString& name, const QString& caption, QWidget* parent);

  TReportParams Params(int nextTira, QChar decimalSeparator) const override;

  QLabel* lbFirstBallHistory;     // "История"
  QLabel* lbFirstBallHistoryEng;  // "History"
  QSpinBox* seFirstBallHistory;
  QCheckBox* checkFirstBallSort;
  QCheckBox* checkFirstBallSeriesShow;
};

class TPanelSummaBalls : public TReportPanel {
  Q_OBJECT
public:
  TPanelSummaBalls(const QString& name, const QString& caption, QWidget* parent);

  TReportParams Params(int nextTira, QChar decimalSeparator) const override;

  QLabel* lbSummaBallsHistory;     // "История"
  QLabel* lbSummaBallsHistoryEng;  // "History"
  QSpinBox* seSummaBallsHistory;
  QCheckBox* checkSummaBallsSort;
};

// Only the history re-runs the report; the level and the direction are read at the next run.
class TPanelSumForBets : public TReportPanel {
  Q_OBJECT
public:
  TPanelSumForBets(const QString& name, const QString& caption, QWidget* parent);

  TReportParams Params(int nextTira, QChar decimalSeparator) const override;

  QLabel* lbSumForBetsHistory;  // "History"
  QSpinBox* seSumForBetsHistory;
  QLabel* lbSumForBetsLevel;  // "Win Level"
  QSpinBox* seSumForBetsLevel;
  QRadioButton* rbSumForBetsLowLevel;
  QRadioButton* rbSumForBetsHighLevel;
};
