#pragma once
// The First / Last ball, the Sum and the Sum for Bets panels.

#include "AnalysisPanel.h"
#include "analyses/FirstLastSum.h"

class QCheckBox;
class QRadioButton;
class QSpinBox;

class TPanelFirstBall : public TAnalysisPanel {
  Q_OBJECT
public:
  explicit TPanelFirstBall(QWidget* parent);

  // The report's parameters as the controls show them, for the analysed draw nextTira.
  TFirstLastBallParams Params(int nextTira, QChar decimalSeparator) const;

  QLabel* lbFirstBallHistory;     // "История"
  QLabel* lbFirstBallHistoryEng;  // "History"
  QSpinBox* seFirstBallHistory;
  QCheckBox* checkFirstBallSort;
  QCheckBox* checkFirstBallSeriesShow;
};

class TPanelSummaBalls : public TAnalysisPanel {
  Q_OBJECT
public:
  explicit TPanelSummaBalls(QWidget* parent);

  // The report's parameters as the controls show them, for the analysed draw nextTira.
  TSumParams Params(int nextTira, QChar decimalSeparator) const;

  QLabel* lbSummaBallsHistory;     // "История"
  QLabel* lbSummaBallsHistoryEng;  // "History"
  QSpinBox* seSummaBallsHistory;
  QCheckBox* checkSummaBallsSort;
};

// Only the history re-runs the report; the level and the direction are read at the next run.
class TPanelSumForBets : public TAnalysisPanel {
  Q_OBJECT
public:
  explicit TPanelSumForBets(QWidget* parent);

  // The report's parameters as the controls show them, for the analysed draw nextTira (the
  // report prints no fractions: the separator is not used).
  TSumForBetsParams Params(int nextTira, QChar decimalSeparator) const;

  QLabel* lbSumForBetsHistory;  // "History"
  QSpinBox* seSumForBetsHistory;
  QLabel* lbSumForBetsLevel;  // "Win Level"
  QSpinBox* seSumForBetsLevel;
  QRadioButton* rbSumForBetsLowLevel;
  QRadioButton* rbSumForBetsHighLevel;
};
