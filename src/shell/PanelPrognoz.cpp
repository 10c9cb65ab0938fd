#include "PanelPrognoz.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

namespace {

QLineEdit* MakeField(QWidget* parent, const QString& name, const QString& text,
                     const QRect& geometry) {
  auto* field = new QLineEdit(text, parent);
  field->setObjectName(name);
  field->setGeometry(geometry);
  return field;
}

TFilterField FieldOf(const QCheckBox* box, const QLineEdit* field) {
  return {box->isChecked(), field->text()};
}

// Rows of the panel: the six filters on the left, the ten any-range filters on the right.
constexpr int kTop = 26;
constexpr int kRowStep = 22;
constexpr int kRowHeight = 20;
constexpr int kRangeLeft = 440;

// A label on the row starting at `top`, centred on its height.
QLabel* MakeRowLabel(QWidget* parent, const QString& name, const QString& text, int x, int top) {
  QLabel* label = MakePanelLabel(parent, name, text, x, top);
  label->move(x, top + (kRowHeight - label->height()) / 2);
  return label;
}

QRect LeftBox(int row) { return QRect(12, kTop + row * 36, 250, kRowHeight); }
QRect LeftField(int row) { return QRect(268, kTop + row * 36, 150, kRowHeight); }

}  // namespace

TPanelPrognoz::TPanelPrognoz(const QString& name, const QString& caption, QWidget* parent)
    : TAnalysisPanel(name, caption, parent) {
  const TPrognozFields defaults;
  checkFilterChetnie = MakeCheckBox(this, u"checkFilterChetnie"_s, u"Четные"_s, LeftBox(0));
  checkFilterChetnie->setFixedWidth(checkFilterChetnie->sizeHint().width());
  lbFilterChetnie =
      MakeRowLabel(this, u"lbFilterChetnie"_s, u"(Even)"_s,
                   LeftBox(0).left() + checkFilterChetnie->width() + 4, LeftBox(0).top());
  poleFilterChetnie = MakeField(this, u"poleFilterChetnie"_s, defaults.Chetnie.Text, LeftField(0));

  checkFilterSleepy = MakeCheckBox(this, u"checkFilterSleepy"_s, u"Слипы"_s, LeftBox(1));
  checkFilterSleepy->setFixedWidth(checkFilterSleepy->sizeHint().width());
  lbFilterSleepy =
      MakeRowLabel(this, u"lbFilterSleepy"_s, u"(Consecutive)"_s,
                   LeftBox(1).left() + checkFilterSleepy->width() + 4, LeftBox(1).top());
  poleFilterSleepy = MakeField(this, u"poleFilterSleepy"_s, defaults.Sleepy.Text, LeftField(1));

  checkFilterSumBalls =
      MakeCheckBox(this, u"checkFilterSumBalls"_s, u"Сумма Шаров (Sum)"_s, LeftBox(2));
  poleFilterSumBalls =
      MakeField(this, u"poleFilterSumBalls"_s, defaults.SumBalls.Text, LeftField(2));

  checkFilterFirstBall = MakeCheckBox(this, u"checkFilterFirstBall"_s,
                                      u"Первый / Последний (First / Last ball)"_s, LeftBox(3));
  poleFilterFirstBall =
      MakeField(this, u"poleFilterFirstBall"_s, defaults.FirstBall.Text, LeftField(3));

  checkFilterHotCold =
      MakeCheckBox(this, u"checkFilterHotCold"_s, u"Горячие / Холодные (Hot / Cold)"_s, LeftBox(4));
  poleFilterHotCold = MakeField(this, u"poleFilterHotCold"_s, defaults.HotCold.Text, LeftField(4));

  checkFilterDifferences =
      MakeCheckBox(this, u"checkFilterDifferences"_s, u"Разницы (Differences)"_s, LeftBox(5));
  poleFilterDifferences =
      MakeField(this, u"poleFilterDifferences"_s, defaults.Differences.Text, LeftField(5));

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
  const int y = kTop + i * kRowStep;
  // The caption follows the language (set with the other captions at every opening).
  box = MakeCheckBox(this, u"checkFilterAnyRange"_s + n, u"Произвольный ряд "_s + n,
                     QRect(kRangeLeft, y, 150, kRowHeight));
  field = MakeField(this, u"poleFilterAnyRange"_s + n, defaults.AnyRange[index].Text,
                    QRect(kRangeLeft + 154, y, 160, kRowHeight));
  winLabel =
      MakeRowLabel(this, u"lbFilterAnyRange"_s + n + u"Win"_s, u"Win"_s, kRangeLeft + 320, y);
  winField = MakeField(this, u"poleFilterAnyRange"_s + n + u"Win"_s, defaults.AnyRangeWin[index],
                       QRect(kRangeLeft + 348, y, 80, kRowHeight));
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
