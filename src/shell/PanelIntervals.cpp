#include "PanelIntervals.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "PanelControls.h"
#include "analyses/Intervals.h"

using namespace Qt::StringLiterals;

TPanelIntervals::TPanelIntervals(const QString& name, const QString& caption, QWidget* parent)
    : TReportPanel(name, caption, parent) {
  QWidget* body = Body();
  QGridLayout* grid = Grid();
  const THistoryControls history =
      AddHistoryControls(body, grid, u"Intervals"_s,
                         {kIntervalsHistoryDefault, kIntervalsHistoryMin, kIntervalsHistoryMax, 4});
  lbIntervalsHistory = history.Russian;
  lbIntervalsHistoryEng = history.English;
  seIntervalsHistory = history.Edit;
  checkIntervalsMarkov =
      MakeCheckBox(body, u"checkIntervalsMarkov"_s, u"Цепи Маркова / Markov Chains"_s);
  grid->addWidget(checkIntervalsMarkov, 3, 0, 1, 2);
  lbIntervalsSet = MakeLabel(body, u"lbIntervalsSet"_s, u"Набор"_s);
  lbIntervalsSetEng = MakeLabel(body, u"lbIntervalsSetEng"_s, u"Set"_s);
  seIntervalsSet = MakeSpinEdit(body, u"seIntervalsSet"_s, {0, 0, kIntervalSets - 1, 1});
  AddLabelledSpin(grid, 1, lbIntervalsSet, lbIntervalsSetEng, seIntervalsSet);
  btnIntervalsSetSave = MakeButton(body, u"btnIntervalsSetSave"_s, u"Save"_s);
  btnIntervalsRefresh = MakeButton(body, u"btnIntervalsRefresh"_s, u"Обновить"_s);
  grid->addWidget(btnIntervalsSetSave, 4, 0);
  grid->addWidget(btnIntervalsRefresh, 5, 0);
  // The twelve edits in two columns of six, each under its label.
  for (int k = 1; k <= kIntervalValues; ++k) {
    const QString n = ZeroPad(2, k);
    QLabel* label = MakeLabel(body, u"lbInterval"_s + n, u"Интервал (Interval)  "_s + n);
    QLineEdit* edit = MakeLineEdit(body, u"editInterval"_s + n);
    edit->setMinimumWidth(160);
    edit->setFixedHeight(20);
    Edits[static_cast<size_t>(k - 1)] = edit;
    const int column = 2 + 2 * ((k - 1) / 6);
    grid->addWidget(label, (k - 1) % 6, column);
    grid->addWidget(edit, (k - 1) % 6, column + 1);
  }
  grid->setVerticalSpacing(2);
  RerunOnClick(checkIntervalsMarkov);
  connect(seIntervalsSet, &QSpinBox::valueChanged, this, &TPanelIntervals::ShowSet);
}

TReportParams TPanelIntervals::Params(int nextTira, QChar decimalSeparator) const {
  TIntervalsParams params;
  params.NextTira = nextTira;
  params.History = seIntervalsHistory->value();
  for (size_t i = 0; i < Edits.size(); ++i) params.Texts[i] = Edits[i]->text();
  params.Markov = checkIntervalsMarkov->isChecked();
  params.DecimalSeparator = decimalSeparator;
  return params;
}

QList<TPanelButton> TPanelIntervals::Buttons() {
  return {{btnIntervalsSetSave, [this](THost&) { NormaliseAndSave(seIntervalsSet->value()); }},
          {btnIntervalsRefresh, nullptr}};
}

void TPanelIntervals::BeforeJob(const TPanelContext&) { NormaliseAndSave(0); }

void TPanelIntervals::NormaliseAndSave(int set) {
  TIntervalTexts texts;
  for (size_t i = 0; i < Edits.size(); ++i) {
    texts[i] = CanonicalInterval(Edits[i]->text(), m_maxBall);
    Edits[i]->setText(texts[i]);
  }
  SaveIntervalSet(m_settings, set, texts);
}

void TPanelIntervals::ShowSet(int set) {
  const TIntervalTexts texts = LoadIntervalSet(m_settings, set);
  for (size_t i = 0; i < Edits.size(); ++i) Edits[i]->setText(texts[i]);
}
