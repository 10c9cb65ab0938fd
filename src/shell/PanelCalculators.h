#pragma once
// The two tools of the Advanced menu: the combinations calculator, whose label follows its
// three spin edits, and the martingale planner, which writes its series into the pane.

#include "AnalysisPanel.h"

class QLineEdit;
class QPushButton;

class TPanelCalculator : public TAnalysisPanel {
  Q_OBJECT
public:
  TPanelCalculator(const QString& name, const QString& caption, QWidget* parent);
  TCalculatorParams Params() const;
  // Writes lbNumbOfCombi from the spin edits.
  void ShowCombinationsCalculator();

  QSpinBox *seCalculatorDraw, *seCalculatorLotto, *seCalculatorBalls;
  QLabel* lbNumbOfCombi;

protected:
  void showEvent(QShowEvent* event) override;  // the menu item computes at once
};

class TPanelDogon : public TAnalysisPanel {
  Q_OBJECT
public:
  TPanelDogon(const QString& name, const QString& caption, QWidget* parent);
  bool HasJob() const override { return true; }
  bool FollowsNextTira() const override { return false; }
  // The integer fields rewritten in plain form (ReadIntegerEdit), then the series.
  void BeforeJob(const TPanelContext& context) override;
  TPaneJob Job(const TPanelContext& context) const override;
  QList<TPanelButton> Buttons() override;  // GO! runs the series
  TMartingaleParams Params(const QString& language) const;

  QLineEdit *editDogonStartStake, *editDogonNumStakes, *editDogonCost, *editDogonProfit,
      *editDogonOdds;
  QSpinBox* seDogonSteps;
  QPushButton* btnDogonStart;
};
