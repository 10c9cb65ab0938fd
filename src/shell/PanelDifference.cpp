#include "PanelDifference.h"

#include <QCheckBox>
#include <QSpinBox>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

TPanelDifference::TPanelDifference(const QString& name, const QString& caption, QWidget* parent)
    : TReportPanel(name, caption, parent) {
  const THistoryControls history = MakeHistoryControls(
      this, u"Difference"_s,
      {TDifferencesParams{}.History, kDifferenceHistoryMin, kDifferenceHistoryMax, 4});
  lbDifferenceHistory = history.Russian;
  lbDifferenceHistoryEng = history.English;
  seDifferenceHistory = history.Edit;
  checkDifferenceWinCode = MakeCheckBox(this, u"checkDifferenceWinCode"_s, u"ВинКод (WinCode)"_s,
                                        QRect(16, 100, 200, 20));
  checkDifferenceSource =
      MakeCheckBox(this, u"checkDifferenceSource"_s, u"Зоны (Zone)"_s, QRect(16, 124, 200, 20));
  RerunOnChange(seDifferenceHistory);
  RerunOnChange(checkDifferenceWinCode);
  RerunOnChange(checkDifferenceSource);
}

TReportParams TPanelDifference::Params(int nextTira, QChar decimalSeparator) const {
  TDifferencesParams params;
  params.NextTira = nextTira;
  params.History = seDifferenceHistory->value();
  params.WinCode = checkDifferenceWinCode->isChecked();
  params.Source = checkDifferenceSource->isChecked();
  params.DecimalSeparator = decimalSeparator;
  return params;
}
