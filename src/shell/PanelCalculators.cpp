#include "PanelCalculators.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

TPanelCalculator::TPanelCalculator(const QString& name, const QString& caption, QWidget* parent)
    : TAnalysisPanel(name, caption, parent) {
  QWidget* body = Body();
  QGridLayout* grid = Grid();
  seCalculatorDraw = MakeSpinEdit(body, u"seCalculatorDraw"_s, {5, 1, kCalculatorDrawMax, 2});
  seCalculatorLotto = MakeSpinEdit(body, u"seCalculatorLotto"_s, {36, 1, kCalculatorLottoMax, 2});
  seCalculatorBalls = MakeSpinEdit(body, u"seCalculatorBalls"_s, {5, 1, kCalculatorBallsMax, 2});
  lbNumbOfCombi = MakeLabel(body, u"lbNumbOfCombi"_s, u"Number of Combinations = "_s);
  lbNumbOfCombi->setTextInteractionFlags(Qt::TextSelectableByMouse);
  grid->addWidget(MakeLabel(body, u"lbCalculatorLottery"_s, u"Lottery"_s), 0, 0);
  grid->addWidget(seCalculatorDraw, 0, 1);
  grid->addWidget(MakeLabel(body, u"lbCalculatorFrom"_s, u"from"_s), 0, 2);
  grid->addWidget(seCalculatorLotto, 0, 3);
  grid->addWidget(MakeLabel(body, u"lbCalculatorNumbers"_s, u"Numbers"_s), 1, 0);
  grid->addWidget(seCalculatorBalls, 1, 1);
  grid->addWidget(lbNumbOfCombi, 2, 0, 1, 5);
  grid->setColumnStretch(4, 1);
  for (QSpinBox* spin : {seCalculatorDraw, seCalculatorLotto, seCalculatorBalls})
    connect(spin, &QSpinBox::valueChanged, this, &TPanelCalculator::ShowCombinationsCalculator);
}

TCalculatorParams TPanelCalculator::Params() const {
  return {seCalculatorDraw->value(), seCalculatorLotto->value(), seCalculatorBalls->value(),
          QLocale().groupSeparator()};
}

void TPanelCalculator::ShowCombinationsCalculator() {
  lbNumbOfCombi->setText(CombinationsCalculatorText(Params()));
}

void TPanelCalculator::showEvent(QShowEvent* event) {
  TAnalysisPanel::showEvent(event);
  ShowCombinationsCalculator();
}

TPanelDogon::TPanelDogon(const QString& name, const QString& caption, QWidget* parent)
    : TAnalysisPanel(name, caption, parent) {
  QWidget* body = Body();
  QGridLayout* grid = Grid();
  const TMartingaleParams defaults;
  struct TField {
    QLineEdit** Edit;
    const char16_t *Name, *Russian, *English;
    QString Default;
  };
  const TField fields[] = {
      {&editDogonStartStake, u"editDogonStartStake", u"Начальная ставка", u"Start stake",
       defaults.StartStake},
      {&editDogonNumStakes, u"editDogonNumStakes", u"Число ставок", u"Num stakes",
       defaults.NumStakes},
      {&editDogonCost, u"editDogonCost", u"Нач. затраты", u"Start cost", defaults.StartCost},
      {&editDogonProfit, u"editDogonProfit", u"Навар", u"Profit", defaults.Profit},
      {&editDogonOdds, u"editDogonOdds", u"Коэф. (Odds)", nullptr, defaults.Odds},
  };
  int column = 0;
  for (const TField& field : fields) {
    const QString editName = QString::fromUtf16(field.Name);
    *field.Edit = MakeLineEdit(body, editName, field.Default);
    (*field.Edit)->setMaximumWidth(110);
    grid->addWidget(MakeLabel(body, u"lb"_s + editName.mid(4), QString::fromUtf16(field.Russian)),
                    0, column);
    if (field.English != nullptr)
      grid->addWidget(
          MakeLabel(body, u"lb"_s + editName.mid(4) + u"En"_s, QString::fromUtf16(field.English)),
          1, column);
    grid->addWidget(*field.Edit, 2, column++);
  }
  seDogonSteps =
      MakeSpinEdit(body, u"seDogonSteps"_s,
                   {kMartingaleStepsDefault, kMartingaleStepsMin, kMartingaleStepsMax, 3});
  grid->addWidget(MakeLabel(body, u"lbDogonSteps"_s, u"Шаги (Steps)"_s), 0, column);
  grid->addWidget(seDogonSteps, 2, column++);
  btnDogonStart = MakeButton(body, u"btnDogonStart"_s, u"GO!"_s);
  grid->addWidget(btnDogonStart, 2, column++);
  grid->setColumnStretch(column, 1);
}

TMartingaleParams TPanelDogon::Params(const QString& language) const {
  TMartingaleParams params;
  params.StartStake = editDogonStartStake->text();
  params.NumStakes = editDogonNumStakes->text();
  params.StartCost = editDogonCost->text();
  params.Profit = editDogonProfit->text();
  params.Odds = editDogonOdds->text();
  params.Steps = seDogonSteps->value();
  params.Language = language;
  return params;
}

namespace {

// The field's integer, the field rewritten in plain form.
int32_t ReadIntegerEdit(QLineEdit* edit) {
  const int32_t value = ReadIntegerText(edit->text());
  edit->setText(QString::number(value));
  return value;
}

}  // namespace

void TPanelDogon::BeforeJob(const TPanelContext&) {
  for (QLineEdit* edit : {editDogonStartStake, editDogonNumStakes, editDogonCost, editDogonProfit})
    ReadIntegerEdit(edit);
}

TPaneJob TPanelDogon::Job(const TPanelContext& context) const {
  return ReportJob(context.Lottery, Params(context.Language));
}

QList<TPanelButton> TPanelDogon::Buttons() { return {{btnDogonStart, nullptr}}; }
