#include "PanelRangeStat.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

TPanelRangeStat::TPanelRangeStat(const QString& name, const QString& caption, QWidget* parent)
    : TReportPanel(name, caption, parent) {
  Label287 = MakePanelLabel(this, u"Label287"_s, u"<-- <-- Исходный ряд <-- <--"_s, 16, 28);
  poleRangeStatSource = MakeLineEdit(this, u"poleRangeStatSource"_s, QRect(16, 48, 560, 24));
  btnRangeStatClear = MakeButton(this, u"btnRangeStatClear"_s, u"X"_s, QRect(580, 48, 32, 24));
  btnRangeStatReverse =
      MakeButton(this, u"btnRangeStatReverse"_s, u"Реверс"_s, QRect(16, 80, 100, 26));
  btnRangeStatRefresh =
      MakeButton(this, u"btnRangeStatRefresh"_s, u"Обновить"_s, QRect(124, 80, 100, 26));

  checkRangeStatSort =
      MakeCheckBox(this, u"checkRangeStatSort"_s, u"Сортировать"_s, QRect(16, 116, 160, 20));
  checkRangeStatSeries =
      MakeCheckBox(this, u"checkRangeStatSeries"_s, u"Серия"_s, QRect(16, 140, 160, 20));
  checkRangeStatSteps =
      MakeCheckBox(this, u"checkRangeStatSteps"_s, u"Шаги"_s, QRect(16, 164, 100, 20));
  checkRangeStatStepsSort =
      MakeCheckBox(this, u"checkRangeStatStepsSort"_s, u"Сортировать"_s, QRect(124, 164, 160, 20));
  checkRangeStatMarkov =
      MakeCheckBox(this, u"checkRangeStatMarkov"_s, u"Цепи Маркова"_s, QRect(16, 188, 200, 20));
  // The switches re-run the report when clicked; a new series waits for Refresh.
  for (QCheckBox* box : {checkRangeStatSort, checkRangeStatSeries, checkRangeStatSteps,
                         checkRangeStatStepsSort, checkRangeStatMarkov})
    RerunOnClick(box);
}

QList<TPanelButton> TPanelRangeStat::Buttons() {
  return {
      {btnRangeStatClear, [this] { poleRangeStatSource->setText(ClearRangeSource()); }},
      {btnRangeStatReverse,
       [this] { poleRangeStatSource->setText(ReverseRangeSource(poleRangeStatSource->text())); }},
      {btnRangeStatRefresh, nullptr}};
}

TReportParams TPanelRangeStat::Params(int /*nextTira*/, QChar decimalSeparator) const {
  TRangeStatParams params;
  params.SourceText = poleRangeStatSource->text();
  params.Sort = checkRangeStatSort->isChecked();
  params.Series = checkRangeStatSeries->isChecked();
  params.Steps = checkRangeStatSteps->isChecked();
  params.StepsSort = checkRangeStatStepsSort->isChecked();
  params.Markov = checkRangeStatMarkov->isChecked();
  params.DecimalSeparator = decimalSeparator;
  return params;
}
