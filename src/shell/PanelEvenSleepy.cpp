#include "PanelEvenSleepy.h"

#include <QSpinBox>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

namespace {

constexpr TSpinEditDef kHistory{kEvenSleepyHistoryDefault, kEvenSleepyHistoryMin,
                                kEvenSleepyHistoryMax, 4};

}  // namespace

TPanelEven::TPanelEven(QWidget* parent)
    : TAnalysisPanel(u"PanelEven"_s, u"Четные (Even)"_s, parent) {
  lbEvenHistory = MakePanelLabel(this, u"lbEvenHistory"_s, u"История"_s, 16, 28);
  lbEvenHistoryEng = MakePanelLabel(this, u"lbEvenHistoryEng"_s, u"History"_s, 16, 44);
  seEvenHistory = MakeSpinEdit(this, u"seEvenHistory"_s, kHistory, QRect(16, 62, 80, 24));
  RerunOnChange(seEvenHistory);
}

TEvenParams TPanelEven::Params(int nextTira, QChar decimalSeparator) const {
  TEvenParams params;
  params.NextTira = nextTira;
  params.History = seEvenHistory->value();
  params.DecimalSeparator = decimalSeparator;
  return params;
}

TPanelSleepy::TPanelSleepy(QWidget* parent)
    : TAnalysisPanel(u"PanelSleepy"_s, u"Слипы (Consecutive numbers)"_s, parent) {
  lbSleepyHistory = MakePanelLabel(this, u"lbSleepyHistory"_s, u"История"_s, 16, 28);
  lbSleepyHistoryEng = MakePanelLabel(this, u"lbSleepyHistoryEng"_s, u"History"_s, 16, 44);
  seSleepyHistory = MakeSpinEdit(this, u"seSleepyHistory"_s, kHistory, QRect(16, 62, 80, 24));
  RerunOnChange(seSleepyHistory);
}

TConsecutiveParams TPanelSleepy::Params(int nextTira, QChar decimalSeparator) const {
  TConsecutiveParams params;
  params.NextTira = nextTira;
  params.History = seSleepyHistory->value();
  params.DecimalSeparator = decimalSeparator;
  return params;
}
