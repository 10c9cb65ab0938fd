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

TPanelFirstBall::TPanelFirstBall(const QString& name, const QString& caption, QWidget* parent)
    : TReportPanel(name, caption, parent) {
  const THistoryControls history = MakeHistoryControls(this, u"FirstBall"_s, kHistory);
  lbFirstBallHistory = history.Russian;
  lbFirstBallHistoryEng = history.English;
  seFirstBallHistory = history.Edit;
  checkFirstBallSort =
      MakeCheckBox(this, u"checkFirstBallSort"_s, u"Сортировка (Sort)"_s, QRect(16, 100, 200, 20));
  checkFirstBallSeriesShow = MakeCheckBox(this, u"checkFirstBallSeriesShow"_s, u"Серия (Series)"_s,
                                          QRect(16, 124, 200, 20));
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
  const THistoryControls history = MakeHistoryControls(this, u"SummaBalls"_s, kHistory);
  lbSummaBallsHistory = history.Russian;
  lbSummaBallsHistoryEng = history.English;
  seSummaBallsHistory = history.Edit;
  checkSummaBallsSort = MakeCheckBox(this, u"checkSummaBallsSort"_s, u"Сортировка (Sort)"_s,
                                     QRect(16, 100, 200, 20), true);
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
  const THistoryControls history = MakeHistoryControls(this, u"SumForBets"_s, kHistory, false);
  lbSumForBetsHistory = history.English;
  seSumForBetsHistory = history.Edit;
  lbSumForBetsLevel = MakePanelLabel(this, u"lbSumForBetsLevel"_s, u"Win Level"_s, 120, 44);
  seSumForBetsLevel = MakeSpinEdit(this, u"seSumForBetsLevel"_s, kLevel, QRect(120, 62, 80, 24));
  rbSumForBetsLowLevel = MakeRadioButton(this, u"rbSumForBetsLowLevel"_s, u"<= (Low)"_s,
                                         QRect(224, 56, 120, 20), true);
  rbSumForBetsHighLevel =
      MakeRadioButton(this, u"rbSumForBetsHighLevel"_s, u">= (High)"_s, QRect(224, 78, 120, 20));
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
