#include "PanelEvenSleepy.h"

#include <QGridLayout>
#include <QSpinBox>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

namespace {

constexpr TSpinEditDef kHistory{kEvenSleepyHistoryDefault, kEvenSleepyHistoryMin,
                                kEvenSleepyHistoryMax, 4};

// The two reports read the same record: T and the history H.
template <typename TParams>
TParams HistoryParams(int nextTira, const QSpinBox* history, QChar decimalSeparator) {
  TParams params;
  params.NextTira = nextTira;
  params.History = history->value();
  params.DecimalSeparator = decimalSeparator;
  return params;
}

}  // namespace

TPanelEven::TPanelEven(const QString& name, const QString& caption, QWidget* parent)
    : TReportPanel(name, caption, parent) {
  const THistoryControls history = AddHistoryControls(Body(), Grid(), u"Even"_s, kHistory);
  lbEvenHistory = history.Russian;
  lbEvenHistoryEng = history.English;
  seEvenHistory = history.Edit;
  RerunOnChange(seEvenHistory);
}

TReportParams TPanelEven::Params(int nextTira, QChar decimalSeparator) const {
  return HistoryParams<TEvenParams>(nextTira, seEvenHistory, decimalSeparator);
}

TPanelSleepy::TPanelSleepy(const QString& name, const QString& caption, QWidget* parent)
    : TReportPanel(name, caption, parent) {
  const THistoryControls history = AddHistoryControls(Body(), Grid(), u"Sleepy"_s, kHistory);
  lbSleepyHistory = history.Russian;
  lbSleepyHistoryEng = history.English;
  seSleepyHistory = history.Edit;
  RerunOnChange(seSleepyHistory);
}

TReportParams TPanelSleepy::Params(int nextTira, QChar decimalSeparator) const {
  return HistoryParams<TConsecutiveParams>(nextTira, seSleepyHistory, decimalSeparator);
}
