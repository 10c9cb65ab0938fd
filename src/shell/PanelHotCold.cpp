#include "PanelHotCold.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QSpinBox>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

TPanelHotCold::TPanelHotCold(const QString& name, const QString& caption, QWidget* parent)
    : TReportPanel(name, caption, parent) {
  QWidget* body = Body();
  QGridLayout* grid = Grid();
  const THistoryControls history =
      AddHistoryControls(body, grid, u"HotCold"_s,
                         {kHotColdHistoryDefault, kHotColdHistoryMin, kHotColdHistoryMax, 4});
  lbHotColdHistory = history.Russian;
  lbHotColdHistoryEng = history.English;
  seHotColdHistory = history.Edit;
  lbHotColdOkno = MakeLabel(body, u"lbHotColdOkno"_s, u"Окно"_s);
  lbHotColdOknoEng = MakeLabel(body, u"lbHotColdOknoEng"_s, u"Okno"_s);
  seHotColdOkno = MakeSpinEdit(body, u"seHotColdOkno"_s,
                               {kHotColdOknoDefault, kHotColdOknoMin, kHotColdOknoMax, 4});
  AddLabelledSpin(grid, 1, lbHotColdOkno, lbHotColdOknoEng, seHotColdOkno);
  checkHotColdMarkov = MakeCheckBox(body, u"checkHotColdMarkov"_s, u"Цепи Маркова"_s);
  checkHotColdWinCode = MakeCheckBox(body, u"checkHotColdWinCode"_s, u"ВинКод (WinCode)"_s);
  checkHotColdFrequencyTable =
      MakeCheckBox(body, u"checkHotColdFrequencyTable"_s, u"Частота (Frequency)"_s);
  checkHotColdSort = MakeCheckBox(body, u"checkHotColdSort"_s, u"Sort"_s);
  grid->addWidget(checkHotColdMarkov, 3, 0, 1, 2);
  grid->addWidget(checkHotColdWinCode, 4, 0, 1, 2);
  grid->addWidget(checkHotColdFrequencyTable, 5, 0, 1, 2);
  grid->addWidget(checkHotColdSort, 5, 2);

  RerunOnChange(seHotColdHistory);
  RerunOnChange(seHotColdOkno);
  RerunOnChange(checkHotColdMarkov);
  RerunOnChange(checkHotColdWinCode);
  RerunOnChange(checkHotColdFrequencyTable);
  RerunOnChange(checkHotColdSort);
}

TReportParams TPanelHotCold::Params(int nextTira, QChar decimalSeparator) const {
  THotWarmColdParams params;
  params.NextTira = nextTira;
  params.History = seHotColdHistory->value();
  params.Okno = seHotColdOkno->value();
  params.Markov = checkHotColdMarkov->isChecked();
  params.WinCode = checkHotColdWinCode->isChecked();
  params.FrequencyTable = checkHotColdFrequencyTable->isChecked();
  params.Sort = checkHotColdSort->isChecked();
  params.DecimalSeparator = decimalSeparator;
  return params;
}
