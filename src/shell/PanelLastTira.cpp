#include "PanelLastTira.h"

#include <QGridLayout>
#include <QSpinBox>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

TPanelLastTira::TPanelLastTira(const QString& name, const QString& caption, QWidget* parent)
    : TReportPanel(name, caption, parent) {
  const TRepeatsParams defaults;
  QWidget* body = Body();
  QGridLayout* grid = Grid();
  const THistoryControls history = AddHistoryControls(
      body, grid, u"Repeats"_s, {defaults.History, kRepeatsHistoryMin, kRepeatsHistoryMax, 4});
  lbRepeatsHistory = history.Russian;
  lbRepeatsHistoryEng = history.English;
  seRepeatsHistory = history.Edit;
  lbRepeatsCount = MakeLabel(body, u"lbRepeatsCount"_s, u"Число тиражей"_s);
  lbRepeatsCountEng = MakeLabel(body, u"lbRepeatsCountEng"_s, u"Number of the Draws"_s);
  seRepeatsCount = MakeSpinEdit(body, u"seRepeatsCount"_s,
                                {defaults.Count, kRepeatsCountMin, kRepeatsCountMax, 2});
  AddLabelledSpin(grid, 1, lbRepeatsCount, lbRepeatsCountEng, seRepeatsCount);
  lbRepeatsOtstup = MakeLabel(body, u"lbRepeatsOtstup"_s, u"Отступ"_s);
  lbRepeatsOtstupEng = MakeLabel(body, u"lbRepeatsOtstupEng"_s, u"Indent"_s);
  seRepeatsOtstup = MakeSpinEdit(body, u"seRepeatsOtstup"_s,
                                 {defaults.Otstup, kRepeatsOtstupMin, kRepeatsOtstupMax, 3});
  AddLabelledSpin(grid, 2, lbRepeatsOtstup, lbRepeatsOtstupEng, seRepeatsOtstup);
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
