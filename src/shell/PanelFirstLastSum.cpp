#include "PanelFirstLastSum.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QRadioButton>
#include <QSpinBox>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

namespace {

constexpr TSpinEditDef kHistory{kFirstLastSumHistoryDefault, kFirstLastSumHistoryMin,
                                kFirstLastSumHistoryMax, 4};
constexpr TSpinEditDef kLevel{kSumForBetsLevelDefault, kSumForBetsLevelMin, kSumForBetsLevelMax, 3};

}  // namespace

TPanelFirstBall::TPanelFirstBall(const QString& name, const QString& caption, QWidget* parent)
    : TReportPanel(name, caption, parent) {
  QWidget* body = Body();
  QGridLayout* grid = Grid();
  const THistoryControls history = AddHistoryControls(body, grid, u"FirstBall"_s, kHistory);
  lbFirstBallHistory = history.Russian;
  lbFirstBallHistoryEng = history.English;
  seFirstBallHistory = history.Edit;
  checkFirstBallSort = MakeCheckBox(body, u"checkFirstBallSort"_s, u"Сортировка (Sort)"_s);
  checkFirstBallSeriesShow = MakeCheckBox(body, u"checkFirstBallSeriesShow"_s, u"Серия (Series)"_s);
  grid->addWidget(checkFirstBallSort, 3, 0, 1, 2);
  grid->addWidget(checkFirstBallSeriesShow, 4, 0, 1, 2);
  RerunOnChange(seFirstBallHistory);
  RerunOnChange(checkFirstBallSort);
  RerunOnChange(checkFirstBallSeriesShow);
}

TReportParams TPanelFirstBall::Params(int nextTira, QChar decimalSeparator) const {
  TFirstLastBallParams params;
  params.NextTira = nextTira;
  params.History = seFirstBallHistory->value();
  params.Sort = checkFirstBallSort->isChecked();
  params.Series = checkFirstBallSeriesShow->isChecked();
  params.DecimalSeparator = decimalSeparator;
  return params;
}

TPanelSummaBalls::TPanelSummaBalls(const QString& name, const QString& caption, QWidget* parent)
    : TReportPanel(name, caption, parent) {
  QWidget* body = Body();
  const THistoryControls history = AddHistoryControls(body, Grid(), u"SummaBalls"_s, kHistory);
  lbSummaBallsHistory = history.Russian;
  lbSummaBallsHistoryEng = history.English;
  seSummaBallsHistory = history.Edit;
  checkSummaBallsSort = MakeCheckBox(body, u"checkSummaBallsSort"_s, u"Сортировка (Sort)"_s, true);
  Grid()->addWidget(checkSummaBallsSort, 3, 0, 1, 2);
  RerunOnChange(seSummaBallsHistory);
  RerunOnChange(checkSummaBallsSort);
}

TReportParams TPanelSummaBalls::Params(int nextTira, QChar decimalSeparator) const {
  TSumParams params;
  params.NextTira = nextTira;
  params.History = seSummaBallsHistory->value();
  params.Sort = checkSummaBallsSort->isChecked();
  params.DecimalSeparator = decimalSeparator;
  return params;
}

TPanelSumForBets::TPanelSumForBets(const QString& name, const QString& caption, QWidget* parent)
    : TReportPanel(name, caption, parent) {
  QWidget* body = Body();
  QGridLayout* grid = Grid();
  const THistoryControls history = AddHistoryControls(body, grid, u"SumForBets"_s, kHistory, false);
  lbSumForBetsHistory = history.English;
  seSumForBetsHistory = history.Edit;
  lbSumForBetsLevel = MakeLabel(body, u"lbSumForBetsLevel"_s, u"Win Level"_s);
  seSumForBetsLevel = MakeSpinEdit(body, u"seSumForBetsLevel"_s, kLevel);
  AddLabelledSpin(grid, 1, nullptr, lbSumForBetsLevel, seSumForBetsLevel);
  rbSumForBetsLowLevel = MakeRadioButton(body, u"rbSumForBetsLowLevel"_s, u"<= (Low)"_s, true);
  rbSumForBetsHighLevel = MakeRadioButton(body, u"rbSumForBetsHighLevel"_s, u">= (High)"_s);
  grid->addWidget(rbSumForBetsLowLevel, 1, 2);
  grid->addWidget(rbSumForBetsHighLevel, 2, 2);
  RerunOnChange(seSumForBetsHistory);
}

TReportParams TPanelSumForBets::Params(int nextTira, QChar /*decimalSeparator*/) const {
  TSumForBetsParams params;
  params.NextTira = nextTira;
  params.History = seSumForBetsHistory->value();
  params.Level = seSumForBetsLevel->value();
  params.High = rbSumForBetsHighLevel->isChecked();
  return params;
}
