#pragma once
// The forecast's filter panel: one check box and one edit field per filter (even balls,
// consecutive pairs, sum, first / last ball, hot / cold code, difference code and ten free
// any-range conditions with their "Win" fields). "New" reads the panel as TPrognozFields and
// writes the fields it read back in their normal form when the run has ended.

#include <array>

#include "AnalysisPanel.h"
#include "forecast/Prognoz.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TPanelPrognoz : public TAnalysisPanel {
  Q_OBJECT
public:
  TPanelPrognoz(const QString& name, const QString& caption, QWidget* parent);

  // The check boxes and texts as the panel shows them.
  TPrognozFields Fields() const;
  // Shows the texts of `fields` (the normal forms after a run); the check boxes stay.
  void SetFieldTexts(const TPrognozFields& fields);

  QCheckBox* checkFilterChetnie;  // "Четные"
  QLabel* lbFilterChetnie;        // "(Even)"
  QLineEdit* poleFilterChetnie;
  QCheckBox* checkFilterSleepy;  // "Слипы"
  QLabel* lbFilterSleepy;        // "(Consecutive)"
  QLineEdit* poleFilterSleepy;
  QCheckBox* checkFilterSumBalls;
  QLineEdit* poleFilterSumBalls;
  QCheckBox* checkFilterFirstBall;
  QLineEdit* poleFilterFirstBall;
  QCheckBox* checkFilterHotCold;
  QLineEdit* poleFilterHotCold;
  QCheckBox* checkFilterDifferences;
  QLineEdit* poleFilterDifferences;
  // Filters 10 ... 19: the check box (caption "Any range i" / "Произвольный ряд i", set with
  // the language), the ball set and the "Win" field with its label.
  QCheckBox *checkFilterAnyRange0, *checkFilterAnyRange1, *checkFilterAnyRange2,
      *checkFilterAnyRange3, *checkFilterAnyRange4, *checkFilterAnyRange5, *checkFilterAnyRange6,
      *checkFilterAnyRange7, *checkFilterAnyRange8, *checkFilterAnyRange9;
  QLineEdit *poleFilterAnyRange0, *poleFilterAnyRange1, *poleFilterAnyRange2, *poleFilterAnyRange3,
      *poleFilterAnyRange4, *poleFilterAnyRange5, *poleFilterAnyRange6, *poleFilterAnyRange7,
      *poleFilterAnyRange8, *poleFilterAnyRange9;
  QLabel *lbFilterAnyRange0Win, *lbFilterAnyRange1Win, *lbFilterAnyRange2Win, *lbFilterAnyRange3Win,
      *lbFilterAnyRange4Win, *lbFilterAnyRange5Win, *lbFilterAnyRange6Win, *lbFilterAnyRange7Win,
      *lbFilterAnyRange8Win, *lbFilterAnyRange9Win;
  QLineEdit *poleFilterAnyRange0Win, *poleFilterAnyRange1Win, *poleFilterAnyRange2Win,
      *poleFilterAnyRange3Win, *poleFilterAnyRange4Win, *poleFilterAnyRange5Win,
      *poleFilterAnyRange6Win, *poleFilterAnyRange7Win, *poleFilterAnyRange8Win,
      *poleFilterAnyRange9Win;

  // The backtest of these filters over draws From .. To (0: the last 100 draws).
  QSpinBox *seBacktestFrom, *seBacktestTo;
  QPushButton* btnBacktest;
  TPaneJob BacktestJob(const TPanelContext& context) const;
  QList<TPanelButton> Buttons() override;

  // The any-range controls of filter 10 + i at index i.
  std::array<QCheckBox*, 10> AnyRangeBoxes() const;
  std::array<QLineEdit*, 10> AnyRangeFields() const;
  std::array<QLineEdit*, 10> AnyRangeWinFields() const;

private:
  void BuildAnyRange(int i, QCheckBox*& box, QLineEdit*& field, QLabel*& winLabel,
                     QLineEdit*& winField);
};
