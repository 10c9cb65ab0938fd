#include "PanelDifference.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QSpinBox>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

TPanelDifference::TPanelDifference(const QString& name, const QString& caption, QWidget* parent)
    : TReportPanel(name, caption, parent) {
  QWidget* body = Body();
  QGridLayout* grid = Grid();
  const THistoryControls history = AddHistoryControls(
      body, grid, u"Difference"_s,
      {TDifferencesParams{}.History, kDifferenceHistoryMin, kDifferenceHistoryMax, 4});
  lbDifferenceHistory = history.Russian;
  lbDifferenceHistoryEng = history.English;
  seDifferenceHistory = history.Edit;
  checkDifferenceWinCode = MakeCheckBox(body, u"checkDifferenceWinCode"_s, u"ВинКод (WinCode)"_s);
  checkDifferenceSource = MakeCheckBox(body, u"checkDifferenceSource"_s, u"Зоны (Zone)"_s);
  grid->addWidget(checkDifferenceWinCode, 3, 0, 1, 2);
  grid->addWidget(checkDifferenceSource, 4, 0, 1, 2);
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
