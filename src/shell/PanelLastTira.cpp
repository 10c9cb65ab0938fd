#include "PanelLastTira.h"

#include <QSpinBox>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

TPanelLastTira::TPanelLastTira(QWidget* parent)
    : TAnalysisPanel(u"PanelLastTira"_s, u"Повторы (Repeats)"_s, parent) {
  const TRepeatsParams defaults;
  lbRepeatsHistory = MakePanelLabel(this, u"lbRepeatsHistory"_s, u"История"_s, 16, 28);
  lbRepeatsHistoryEng = MakePanelLabel(this, u"lbRepeatsHistoryEng"_s, u"History"_s, 16, 44);
  seRepeatsHistory = MakeSpinEdit(this, u"seRepeatsHistory"_s,
                                  {defaults.History, kRepeatsHistoryMin, kRepeatsHistoryMax, 4},
                                  QRect(16, 62, 80, 24));
  lbRepeatsCount = MakePanelLabel(this, u"lbRepeatsCount"_s, u"Число тиражей"_s, 120, 28);
  lbRepeatsCountEng =
      MakePanelLabel(this, u"lbRepeatsCountEng"_s, u"Number of the Draws"_s, 120, 44);
  seRepeatsCount =
      MakeSpinEdit(this, u"seRepeatsCount"_s,
                   {defaults.Count, kRepeatsCountMin, kRepeatsCountMax, 2}, QRect(120, 62, 80, 24));
  lbRepeatsOtstup = MakePanelLabel(this, u"lbRepeatsOtstup"_s, u"Отступ"_s, 264, 28);
  lbRepeatsOtstupEng = MakePanelLabel(this, u"lbRepeatsOtstupEng"_s, u"Indent"_s, 264, 44);
  seRepeatsOtstup = MakeSpinEdit(this, u"seRepeatsOtstup"_s,
                                 {defaults.Otstup, kRepeatsOtstupMin, kRepeatsOtstupMax, 3},
                                 QRect(264, 62, 80, 24));
  RerunOnChange(seRepeatsHistory);
  RerunOnChange(seRepeatsCount);
  RerunOnChange(seRepeatsOtstup);
}

TRepeatsParams TPanelLastTira::Params(int nextTira, QChar decimalSeparator) const {
  TRepeatsParams params;
  params.NextTira = nextTira;
  params.History = seRepeatsHistory->value();
  params.Count = seRepeatsCount->value();
  params.Otstup = seRepeatsOtstup->value();
  params.DecimalSeparator = decimalSeparator;
  return params;
}
