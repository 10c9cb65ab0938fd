#include "PanelDifference.h"

#include <QCheckBox>
#include <QSpinBox>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

TPanelDifference::TPanelDifference(QWidget* parent)
    : TAnalysisPanel(u"PanelDifference"_s, u"Разницы (Difference)"_s, parent) {
  lbDifferenceHistory = MakePanelLabel(this, u"lbDifferenceHistory"_s, u"История"_s, 16, 28);
  lbDifferenceHistoryEng = MakePanelLabel(this, u"lbDifferenceHistoryEng"_s, u"History"_s, 16, 44);
  seDifferenceHistory =
      MakeSpinEdit(this, u"seDifferenceHistory"_s,
                   {TDifferencesParams{}.History, kDifferenceHistoryMin, kDifferenceHistoryMax, 4},
                   QRect(16, 62, 80, 24));
  checkDifferenceWinCode = MakeCheckBox(this, u"checkDifferenceWinCode"_s, u"ВинКод (WinCode)"_s,
                                        QRect(16, 100, 200, 20));
  checkDifferenceSource =
      MakeCheckBox(this, u"checkDifferenceSource"_s, u"Зоны (Zone)"_s, QRect(16, 124, 200, 20));
  RerunOnChange(seDifferenceHistory);
  RerunOnChange(checkDifferenceWinCode);
  RerunOnChange(checkDifferenceSource);
}

TDifferencesParams TPanelDifference::Params(int nextTira, QChar decimalSeparator) const {
  TDifferencesParams params;
  params.NextTira = nextTira;
  params.History = seDifferenceHistory->value();
  params.WinCode = checkDifferenceWinCode->isChecked();
  params.Source = checkDifferenceSource->isChecked();
  params.DecimalSeparator = decimalSeparator;
  return params;
}
