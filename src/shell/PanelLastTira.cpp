#include "PanelLastTira.h"

#include <QSpinBox>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

TPanelLastTira::TPanelLastTira(const QString& name, const QString& caption, QWidget* parent)
    : TReportPanel(name, caption, parent) {
  const TRepeatsParams defaults;
  const THistoryControls history = MakeHistoryControls(
      this, u"Repeats"_s, {defaults.History, kRepeatsHistoryMin, kRepeatsHistoryMax, 4});
  lbRepeatsHistory = history.Russian;
  lbRepeatsHistoryEng = history.English;
  seRepeatsHistory = history.Edit;
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

TReportParams TPanelLastTira::Params(int nextTira, QChar decimalSeparator) const {
  TRepeatsParams params;
  params.NextTira = nextTira;
  params.History = seRepeatsHistory->value();
  params.Count = seRepeatsCount->value();
  params.Otstup = seRepeatsOtstup->value();
  params.DecimalSeparator = decimalSeparator;
  return params;
}
