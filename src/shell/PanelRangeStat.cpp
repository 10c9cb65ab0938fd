#include "PanelRangeStat.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

template <typename T>
T* Make(QWidget* parent, const QString& name, const QRect& geometry) {
  T* widget = new T(parent);
  widget->setObjectName(name);
  widget->setGeometry(geometry);
  return widget;
}

}  // namespace

TPanelRangeStat::TPanelRangeStat(QWidget* parent)
    : TAnalysisPanel(u"PanelRangeStat"_s, u"Ряд (Range)"_s, parent) {
  Label287 = Make<QLabel>(this, u"Label287"_s, QRect(16, 28, 400, 18));
  Label287->setText(u"<-- <-- Исходный ряд <-- <--"_s);
  poleRangeStatSource = Make<QLineEdit>(this, u"poleRangeStatSource"_s, QRect(16, 48, 560, 24));
  btnRangeStatClear = Make<QPushButton>(this, u"btnRangeStatClear"_s, QRect(580, 48, 32, 24));
  btnRangeStatClear->setText(u"X"_s);
  btnRangeStatReverse =
      Make<QPushButton>(this, u"btnRangeStatReverse"_s, QRect(16, 80, 100, 26));
  btnRangeStatReverse->setText(u"Реверс"_s);
  btnRangeStatRefresh =
      Make<QPushButton>(this, u"btnRangeStatRefresh"_s, QRect(124, 80, 100, 26));
  btnRangeStatRefresh->setText(u"Обновить"_s);

  checkRangeStatSort = Make<QCheckBox>(this, u"checkRangeStatSort"_s, QRect(16, 116, 160, 20));
  checkRangeStatSort->setText(u"Сортировать"_s);
  checkRangeStatSeries =
      Make<QCheckBox>(this, u"checkRangeStatSeries"_s, QRect(16, 140, 160, 20));
  checkRangeStatSeries->setText(u"Серия"_s);
  checkRangeStatSteps = Make<QCheckBox>(this, u"checkRangeStatSteps"_s, QRect(16, 164, 100, 20));
  checkRangeStatSteps->setText(u"Шаги"_s);
  checkRangeStatStepsSort =
      Make<QCheckBox>(this, u"checkRangeStatStepsSort"_s, QRect(124, 164, 160, 20));
  checkRangeStatStepsSort->setText(u"Сортировать"_s);
  checkRangeStatMarkov =
      Make<QCheckBox>(this, u"checkRangeStatMarkov"_s, QRect(16, 188, 200, 20));
  checkRangeStatMarkov->setText(u"Цепи Маркова"_s);
}

QList<QCheckBox*> TPanelRangeStat::Switches() const {
  return {checkRangeStatSort, checkRangeStatSeries, checkRangeStatSteps, checkRangeStatStepsSort,
          checkRangeStatMarkov};
}

TRangeStatParams TPanelRangeStat::Params(QChar decimalSeparator) const {
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
