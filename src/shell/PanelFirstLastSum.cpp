#include "PanelFirstLastSum.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QSpinBox>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

namespace {

constexpr TSpinEditDef kHistory{kFirstLastSumHistoryDefault, kFirstLastSumHistoryMin,
                                kFirstLastSumHistoryMax, 4};
constexpr TSpinEditDef kLevel{kSumForBetsLevelDefault, kSumForBetsLevelMin, kSumForBetsLevelMax, 3};

}  // namespace

TPanelFirstBall::TPanelFirstBall(QWidget* parent)
    : TAnalysisPanel(u"PanelFirstBall"_s, u"Первый Шар (First ball) / Последний Шар (Last ball)"_s,
                     parent) {
  lbFirstBallHistory = MakePanelLabel(this, u"lbFirstBallHistory"_s, u"История"_s, 16, 28);
  lbFirstBallHistoryEng = MakePanelLabel(this, u"lbFirstBallHistoryEng"_s, u"History"_s, 16, 44);
  seFirstBallHistory = MakeSpinEdit(this, u"seFirstBallHistory"_s, kHistory, QRect(16, 62, 80, 24));
  checkFirstBallSort =
      MakeCheckBox(this, u"checkFirstBallSort"_s, u"Сортировка (Sort)"_s, QRect(16, 100, 200, 20));
  checkFirstBallSeriesShow = MakeCheckBox(this, u"checkFirstBallSeriesShow"_s, u"Серия (Series)"_s,
                                          QRect(16, 124, 200, 20));
  RerunOnChange(seFirstBallHistory);
  RerunOnChange(checkFirstBallSort);
  RerunOnChange(checkFirstBallSeriesShow);
}

TFirstLastBallParams TPanelFirstBall::Params(int nextTira, QChar decimalSeparator) const {
  TFirstLastBallParams params;
  params.NextTira = nextTira;
  params.History = seFirstBallHistory->value();
  params.Sort = checkFirstBallSort->isChecked();
  params.Series = checkFirstBallSeriesShow->isChecked();
  params.DecimalSeparator = decimalSeparator;
  return params;
}

TPanelSummaBalls::TPanelSummaBalls(QWidget* parent)
    : TAnalysisPanel(u"PanelSummaBalls"_s, u"Сумма Шаров (Sum)"_s, parent) {
  lbSummaBallsHistory = MakePanelLabel(this, u"lbSummaBallsHistory"_s, u"История"_s, 16, 28);
  lbSummaBallsHistoryEng = MakePanelLabel(this, u"lbSummaBallsHistoryEng"_s, u"History"_s, 16, 44);
  seSummaBallsHistory =
      MakeSpinEdit(this, u"seSummaBallsHistory"_s, kHistory, QRect(16, 62, 80, 24));
  checkSummaBallsSort = MakeCheckBox(this, u"checkSummaBallsSort"_s, u"Сортировка (Sort)"_s,
                                     QRect(16, 100, 200, 20), true);
  RerunOnChange(seSummaBallsHistory);
  RerunOnChange(checkSummaBallsSort);
}

TSumParams TPanelSummaBalls::Params(int nextTira, QChar decimalSeparator) const {
  TSumParams params;
  params.NextTira = nextTira;
  params.History = seSummaBallsHistory->value();
  params.Sort = checkSummaBallsSort->isChecked();
  params.DecimalSeparator = decimalSeparator;
  return params;
}

TPanelSumForBets::TPanelSumForBets(QWidget* parent)
    : TAnalysisPanel(u"PanelSumForBets"_s, u"Sum for Bets"_s, parent) {
  lbSumForBetsHistory = MakePanelLabel(this, u"lbSumForBetsHistory"_s, u"History"_s, 16, 44);
  seSumForBetsHistory =
      MakeSpinEdit(this, u"seSumForBetsHistory"_s, kHistory, QRect(16, 62, 80, 24));
  lbSumForBetsLevel = MakePanelLabel(this, u"lbSumForBetsLevel"_s, u"Win Level"_s, 120, 44);
  seSumForBetsLevel = MakeSpinEdit(this, u"seSumForBetsLevel"_s, kLevel, QRect(120, 62, 80, 24));
  rbSumForBetsLowLevel = MakeRadioButton(this, u"rbSumForBetsLowLevel"_s, u"<= (Low)"_s,
                                         QRect(224, 56, 120, 20), true);
  rbSumForBetsHighLevel =
      MakeRadioButton(this, u"rbSumForBetsHighLevel"_s, u">= (High)"_s, QRect(224, 78, 120, 20));
  RerunOnChange(seSumForBetsHistory);
}

TSumForBetsParams TPanelSumForBets::Params(int nextTira, QChar /*decimalSeparator*/) const {
  TSumForBetsParams params;
  params.NextTira = nextTira;
  params.History = seSumForBetsHistory->value();
  params.Level = seSumForBetsLevel->value();
  params.High = rbSumForBetsHighLevel->isChecked();
  return params;
}
