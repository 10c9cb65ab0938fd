#include "PanelPrognoz.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "PanelControls.h"
#include "forecast/Backtest.h"

using namespace Qt::StringLiterals;

namespace {

TFilterField FieldOf(const QCheckBox* box, const QLineEdit* field) {
  return {box->isChecked(), field->text()};
}

// The grid's columns: the six filters on the left (check box, its English label, field), a
// gap, the ten any-range filters on the right (check box, set, "Win", numbers).
enum : int { kBox, kBoxLabel, kField, kGap, kRangeBox, kRangeField, kWinLabel, kWinField };

}  // namespace

TPanelPrognoz::TPanelPrognoz(const QString& name, const QString& caption, QWidget* parent)
    : TAnalysisPanel(name, caption, parent) {
  const TPrognozFields defaults;
  QWidget* body = Body();
  QGridLayout* grid = Grid();
  // Ten rows of the any-range filters fit PanelMain's height when every row is 20 pixels.
  grid->setVerticalSpacing(2);
  grid->setContentsMargins(8, 0, 8, 0);
  grid->setColumnMinimumWidth(kGap, 16);
  // One row per filter; the first two carry an English label beside their box.
  auto leftRow = [&](int row, QCheckBox* box, QLabel* label, QLineEdit* field) {
    grid->addWidget(box, row, kBox, 1, label ? 1 : 2);
    if (label) grid->addWidget(label, row, kBoxLabel);
    grid->addWidget(field, row, kField);
    field->setMinimumWidth(150);
    field->setFixedHeight(20);
  };
  checkFilterChetnie = MakeCheckBox(body, u"checkFilterChetnie"_s, u"Четные"_s);
  lbFilterChetnie = MakeLabel(body, u"lbFilterChetnie"_s, u"(Even)"_s);
  poleFilterChetnie = MakeLineEdit(body, u"poleFilterChetnie"_s, defaults.Chetnie.Text);
  leftRow(0, checkFilterChetnie, lbFilterChetnie, poleFilterChetnie);
  checkFilterSleepy = MakeCheckBox(body, u"checkFilterSleepy"_s, u"Слипы"_s);
  lbFilterSleepy = MakeLabel(body, u"lbFilterSleepy"_s, u"(Consecutive)"_s);
  poleFilterSleepy = MakeLineEdit(body, u"poleFilterSleepy"_s, defaults.Sleepy.Text);
  leftRow(1, checkFilterSleepy, lbFilterSleepy, poleFilterSleepy);
  checkFilterSumBalls = MakeCheckBox(body, u"checkFilterSumBalls"_s, u"Сумма Шаров (Sum)"_s);
  poleFilterSumBalls = MakeLineEdit(body, u"poleFilterSumBalls"_s, defaults.SumBalls.Text);
  leftRow(2, checkFilterSumBalls, nullptr, poleFilterSumBalls);
  checkFilterFirstBall =
      MakeCheckBox(body, u"checkFilterFirstBall"_s, u"Первый / Последний (First / Last ball)"_s);
  poleFilterFirstBall = MakeLineEdit(body, u"poleFilterFirstBall"_s, defaults.FirstBall.Text);
  leftRow(3, checkFilterFirstBall, nullptr, poleFilterFirstBall);
  checkFilterHotCold =
      MakeCheckBox(body, u"checkFilterHotCold"_s, u"Горячие / Холодные (Hot / Cold)"_s);
  poleFilterHotCold = MakeLineEdit(body, u"poleFilterHotCold"_s, defaults.HotCold.Text);
  leftRow(4, checkFilterHotCold, nullptr, poleFilterHotCold);
  checkFilterDifferences =
      MakeCheckBox(body, u"checkFilterDifferences"_s, u"Разницы (Differences)"_s);
  poleFilterDifferences = MakeLineEdit(body, u"poleFilterDifferences"_s, defaults.Differences.Text);
  leftRow(5, checkFilterDifferences, nullptr, poleFilterDifferences);

  // The backtest's own range under the filters it tests.
  // Room for the text of 0 ("авто (auto)": the last 100 draws), which is longer than a number.
  seBacktestFrom = MakeSpinEdit(body, u"seBacktestFrom"_s, {0, 0, 9'999'999, 11});
  seBacktestTo = MakeSpinEdit(body, u"seBacktestTo"_s, {0, 0, 9'999'999, 11});
  for (QSpinBox* spin : {seBacktestFrom, seBacktestTo}) {
    spin->setSpecialValueText(u"авто (auto)"_s);
    spin->setMinimumWidth(spin->fontMetrics().horizontalAdvance(u"авто (auto)"_s) + 40);
  }
  btnBacktest = MakeButton(body, u"btnBacktest"_s, u"Бэктест"_s);
  btnBacktest->setMinimumWidth(btnBacktest->sizeHint().width());
  auto* range = new QWidget(body);
  auto* rangeRow = new QHBoxLayout(range);
  rangeRow->setContentsMargins(0, 0, 0, 0);
  rangeRow->addWidget(seBacktestFrom);
  rangeRow->addWidget(MakeLabel(body, u"lbBacktestTo"_s, u"–"_s));
  rangeRow->addWidget(seBacktestTo);
  rangeRow->addWidget(btnBacktest);
  grid->addWidget(MakeLabel(body, u"lbBacktest"_s, u"Тиражи (Draws)"_s), 7, kBox, 1, 2);
  grid->addWidget(range, 7, kField);

  BuildAnyRange(0, checkFilterAnyRange0, poleFilterAnyRange0, lbFilterAnyRange0Win,
                poleFilterAnyRange0Win);
  BuildAnyRange(1, checkFilterAnyRange1, poleFilterAnyRange1, lbFilterAnyRange1Win,
                poleFilterAnyRange1Win);
  BuildAnyRange(2, checkFilterAnyRange2, poleFilterAnyRange2, lbFilterAnyRange2Win,
                poleFilterAnyRange2Win);
  BuildAnyRange(3, checkFilterAnyRange3, poleFilterAnyRange3, lbFilterAnyRange3Win,
                poleFilterAnyRange3Win);
  BuildAnyRange(4, checkFilterAnyRange4, poleFilterAnyRange4, lbFilterAnyRange4Win,
                poleFilterAnyRange4Win);
  BuildAnyRange(5, checkFilterAnyRange5, poleFilterAnyRange5, lbFilterAnyRange5Win,
                poleFilterAnyRange5Win);
  BuildAnyRange(6, checkFilterAnyRange6, poleFilterAnyRange6, lbFilterAnyRange6Win,
                poleFilterAnyRange6Win);
  BuildAnyRange(7, checkFilterAnyRange7, poleFilterAnyRange7, lbFilterAnyRange7Win,
                poleFilterAnyRange7Win);
  BuildAnyRange(8, checkFilterAnyRange8, poleFilterAnyRange8, lbFilterAnyRange8Win,
                poleFilterAnyRange8Win);
  BuildAnyRange(9, checkFilterAnyRange9, poleFilterAnyRange9, lbFilterAnyRange9Win,
                poleFilterAnyRange9Win);
}

void TPanelPrognoz::BuildAnyRange(int i, QCheckBox*& box, QLineEdit*& field, QLabel*& winLabel,
                                  QLineEdit*& winField) {
  const TPrognozFields defaults;
  const QString n = QString::number(i);
  const size_t index = static_cast<size_t>(i);
  QWidget* body = Body();
  // The caption follows the language (set with the other captions at every opening).
  box = MakeCheckBox(body, u"checkFilterAnyRange"_s + n, u"Произвольный ряд "_s + n);
  field = MakeLineEdit(body, u"poleFilterAnyRange"_s + n, defaults.AnyRange[index].Text);
  field->setMinimumWidth(150);
  field->setFixedHeight(20);
  winLabel = MakeLabel(body, u"lbFilterAnyRange"_s + n + u"Win"_s, u"Win"_s);
  winField =
      MakeLineEdit(body, u"poleFilterAnyRange"_s + n + u"Win"_s, defaults.AnyRangeWin[index]);
  winField->setMinimumWidth(80);
  winField->setFixedHeight(20);
  Grid()->addWidget(box, i, kRangeBox);
  Grid()->addWidget(field, i, kRangeField);
  Grid()->addWidget(winLabel, i, kWinLabel);
  Grid()->addWidget(winField, i, kWinField);
}

std::array<QCheckBox*, 10> TPanelPrognoz::AnyRangeBoxes() const {
  return {checkFilterAnyRange0, checkFilterAnyRange1, checkFilterAnyRange2, checkFilterAnyRange3,
          checkFilterAnyRange4, checkFilterAnyRange5, checkFilterAnyRange6, checkFilterAnyRange7,
          checkFilterAnyRange8, checkFilterAnyRange9};
}

std::array<QLineEdit*, 10> TPanelPrognoz::AnyRangeFields() const {
  return {poleFilterAnyRange0, poleFilterAnyRange1, poleFilterAnyRange2, poleFilterAnyRange3,
          poleFilterAnyRange4, poleFilterAnyRange5, poleFilterAnyRange6, poleFilterAnyRange7,
          poleFilterAnyRange8, poleFilterAnyRange9};
}

std::array<QLineEdit*, 10> TPanelPrognoz::AnyRangeWinFields() const {
  return {poleFilterAnyRange0Win, poleFilterAnyRange1Win, poleFilterAnyRange2Win,
          poleFilterAnyRange3Win, poleFilterAnyRange4Win, poleFilterAnyRange5Win,
          poleFilterAnyRange6Win, poleFilterAnyRange7Win, poleFilterAnyRange8Win,
          poleFilterAnyRange9Win};
}

TPrognozFields TPanelPrognoz::Fields() const {
  TPrognozFields fields;
  fields.Chetnie = FieldOf(checkFilterChetnie, poleFilterChetnie);
  fields.Sleepy = FieldOf(checkFilterSleepy, poleFilterSleepy);
  fields.SumBalls = FieldOf(checkFilterSumBalls, poleFilterSumBalls);
  fields.FirstBall = FieldOf(checkFilterFirstBall, poleFilterFirstBall);
  fields.HotCold = FieldOf(checkFilterHotCold, poleFilterHotCold);
  fields.Differences = FieldOf(checkFilterDifferences, poleFilterDifferences);
  const auto boxes = AnyRangeBoxes();
  const auto ranges = AnyRangeFields();
  const auto wins = AnyRangeWinFields();
  for (size_t i = 0; i < 10; ++i) {
    fields.AnyRange[i] = FieldOf(boxes[i], ranges[i]);
    fields.AnyRangeWin[i] = wins[i]->text();
  }
  return fields;
}

void TPanelPrognoz::SetFieldTexts(const TPrognozFields& fields) {
  poleFilterChetnie->setText(fields.Chetnie.Text);
  poleFilterSleepy->setText(fields.Sleepy.Text);
  poleFilterSumBalls->setText(fields.SumBalls.Text);
  poleFilterFirstBall->setText(fields.FirstBall.Text);
  poleFilterHotCold->setText(fields.HotCold.Text);
  poleFilterDifferences->setText(fields.Differences.Text);
  const auto ranges = AnyRangeFields();
  const auto wins = AnyRangeWinFields();
  for (size_t i = 0; i < 10; ++i) {
    ranges[i]->setText(fields.AnyRange[i].Text);
    wins[i]->setText(fields.AnyRangeWin[i]);
  }
}

TPaneJob TPanelPrognoz::BacktestJob(const TPanelContext& context) const {
  TBacktestParams params;
  params.From = seBacktestFrom->value();
  params.To = seBacktestTo->value();
  params.AvailableBalls = context.AvailableBalls;
  params.Fields = Fields();
  return [lottery = context.Lottery, params, language = context.Language,
          separator = context.DecimalSeparator](THost& host, TReportPane& pane) {
    TBacktest backtest(*lottery, params);
    if (!backtest.Run(&host)) return;
    WriteBacktestReport(backtest.Result(), language, separator, pane);
    pane.Charts = std::make_shared<const TCharts>(TCharts{BacktestChart(backtest.Result())});
  };
}

QList<TPanelButton> TPanelPrognoz::Buttons() {
  return {{btnBacktest, nullptr,
           [this](const TPanelContext& context) { return BacktestJob(context); }}};
}
