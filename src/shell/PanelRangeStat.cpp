#include "PanelRangeStat.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

TPanelRangeStat::TPanelRangeStat(const QString& name, const QString& caption, QWidget* parent)
    : TReportPanel(name, caption, parent) {
  QWidget* body = Body();
  QGridLayout* grid = Grid();
  Label287 = MakeLabel(body, u"Label287"_s, u"<-- <-- Исходный ряд <-- <--"_s);
  poleRangeStatSource = MakeLineEdit(body, u"poleRangeStatSource"_s);
  poleRangeStatSource->setMinimumWidth(420);
  btnRangeStatClear = MakeButton(body, u"btnRangeStatClear"_s, u"X"_s);
  btnRangeStatClear->setMinimumWidth(32);
  btnRangeStatReverse = MakeButton(body, u"btnRangeStatReverse"_s, u"Реверс"_s);
  btnRangeStatRefresh = MakeButton(body, u"btnRangeStatRefresh"_s, u"Обновить"_s);
  checkRangeStatSort = MakeCheckBox(body, u"checkRangeStatSort"_s, u"Сортировать"_s);
  checkRangeStatSeries = MakeCheckBox(body, u"checkRangeStatSeries"_s, u"Серия"_s);
  checkRangeStatSteps = MakeCheckBox(body, u"checkRangeStatSteps"_s, u"Шаги"_s);
  checkRangeStatStepsSort = MakeCheckBox(body, u"checkRangeStatStepsSort"_s, u"Сортировать"_s);
  checkRangeStatMarkov = MakeCheckBox(body, u"checkRangeStatMarkov"_s, u"Цепи Маркова"_s);
  grid->addWidget(Label287, 0, 0, 1, 3);
  grid->addWidget(poleRangeStatSource, 1, 0, 1, 3);
  grid->addWidget(btnRangeStatClear, 1, 3);
  grid->addWidget(btnRangeStatReverse, 2, 0);
  grid->addWidget(btnRangeStatRefresh, 2, 1);
  grid->addWidget(checkRangeStatSort, 3, 0);
  grid->addWidget(checkRangeStatSeries, 4, 0);
  grid->addWidget(checkRangeStatSteps, 5, 0);
  grid->addWidget(checkRangeStatStepsSort, 5, 1);
  grid->addWidget(checkRangeStatMarkov, 6, 0);
  // The switches re-run the report when clicked; a new series waits for Refresh.
  for (QCheckBox* box : {checkRangeStatSort, checkRangeStatSeries, checkRangeStatSteps,
                         checkRangeStatStepsSort, checkRangeStatMarkov})
    RerunOnClick(box);
}

QList<TPanelButton> TPanelRangeStat::Buttons() {
  return {{btnRangeStatClear, [this](THost&) { poleRangeStatSource->setText(ClearRangeSource()); }},
          {btnRangeStatReverse,
           [this](THost&) {
             poleRangeStatSource->setText(ReverseRangeSource(poleRangeStatSource->text()));
           }},
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
