#include "PanelHotCold.h"

#include <QCheckBox>
#include <QSpinBox>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

TPanelHotCold::TPanelHotCold(const QString& name, const QString& caption, QWidget* parent)
    : TReportPanel(name, caption, parent) {
  const THistoryControls history = MakeHistoryControls(
      this, u"HotCold"_s, {kHotColdHistoryDefault, kHotColdHistoryMin, kHotColdHistoryMax, 4});
  lbHotColdHistory = history.Russian;
  lbHotColdHistoryEng = history.English;
  seHotColdHistory = history.Edit;
  lbHotColdOkno = MakePanelLabel(this, u"lbHotColdOkno"_s, u"Окно"_s, 120, 28);
  lbHotColdOknoEng = MakePanelLabel(this, u"lbHotColdOknoEng"_s, u"Okno"_s, 120, 44);
  seHotColdOkno = MakeSpinEdit(this, u"seHotColdOkno"_s,
                               {kHotColdOknoDefault, kHotColdOknoMin, kHotColdOknoMax, 4},
                               QRect(120, 62, 80, 24));
  checkHotColdMarkov =
      MakeCheckBox(this, u"checkHotColdMarkov"_s, u"Цепи Маркова"_s, QRect(16, 100, 200, 20));
  checkHotColdWinCode =
      MakeCheckBox(this, u"checkHotColdWinCode"_s, u"ВинКод (WinCode)"_s, QRect(16, 124, 200, 20));
  checkHotColdFrequencyTable = MakeCheckBox(this, u"checkHotColdFrequencyTable"_s,
                                            u"Частота (Frequency)"_s, QRect(16, 148, 200, 20));
  checkHotColdSort = MakeCheckBox(this, u"checkHotColdSort"_s, u"Sort"_s, QRect(224, 148, 100, 20));

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
