#include "PanelSkips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

QComboBox* MakeFotonKindBox(QWidget* parent, const QString& name) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  for (const char16_t* kind : kFotonKindNames) box->addItem(QString::fromUtf16(kind));
  box->setCurrentIndex(1);  // "Double"
  return box;
}

int FotonTypeOf(const QComboBox* box) {
  const int index = box->currentIndex();
  return index >= 0 && index < static_cast<int>(std::size(kFotonKinds)) ? kFotonKinds[index] : 0;
}

TPanelSkips::TPanelSkips(const QString& name, const QString& caption, QWidget* parent)
    : TAnalysisPanel(name, caption, parent) {
  QWidget* body = Body();
  QGridLayout* grid = Grid();
  Label281 = MakeLabel(body, u"Label281"_s, u"History"_s);
  seSkipsHistory = MakeSpinEdit(body, u"seSkipsHistory"_s,
                                {kSkipsHistoryDefault, kSkipsHistoryMin, kSkipsHistoryMax, 4});
  btnSkipsParsec = MakeButton(body, u"btnSkipsParsec"_s, u"P"_s);
  btnSkipsParsec->setMinimumWidth(28);
  btnSkipsParsec->setToolTip(u"Parsec"_s);
  cbSkipsDrop = MakeFotonKindBox(body, u"cbSkipsDrop"_s);
  lbSkipsSkips = MakeLabel(body, u"lbSkipsSkips"_s, u"Skips"_s);
  checkSkipsLastSort = MakeCheckBox(body, u"checkSkipsLastSort"_s, u"Sort"_s);
  checkSkipsLastFiltered = MakeCheckBox(body, u"checkSkipsLastFiltered"_s, u"Filter"_s);
  poleSkipsLastFilter = MakeLineEdit(body, u"poleSkipsLastFilter"_s);
  btnSkipsRefresh = MakeButton(body, u"btnSkipsRefresh"_s, u"Пропуски"_s);
  cbSkipsFreqShow20 = MakeCheckBox(body, u"cbSkipsFreqShow20"_s, u"Show 20"_s);
  cbSkipsFreqSort = MakeCheckBox(body, u"cbSkipsFreqSort"_s, u"Sort"_s);
  btnSkipsFrequency = MakeButton(body, u"btnSkipsFrequency"_s, u"Частота"_s);
  grid->addWidget(Label281, 0, 0);
  grid->addWidget(seSkipsHistory, 1, 0);
  grid->addWidget(btnSkipsParsec, 1, 1);
  grid->addWidget(cbSkipsDrop, 2, 0, 1, 2);
  grid->addWidget(lbSkipsSkips, 0, 2);
  grid->addWidget(checkSkipsLastSort, 1, 2);
  grid->addWidget(checkSkipsLastFiltered, 2, 2);
  grid->addWidget(poleSkipsLastFilter, 3, 2);
  grid->addWidget(btnSkipsRefresh, 4, 2);
  grid->addWidget(cbSkipsFreqShow20, 1, 3);
  grid->addWidget(cbSkipsFreqSort, 2, 3);
  grid->addWidget(btnSkipsFrequency, 4, 3);
  poleSkipsLastFilter->setMinimumWidth(160);
  grid->setColumnStretch(4, 1);  // the controls keep their width on a wide panel
}

TSkipsParams TPanelSkips::ListParams(const TPanelContext& context) const {
  TSkipsParams params;
  params.NextTira = context.NextTira;
  params.History = seSkipsHistory->value();
  params.FotonType = FotonTypeOf(cbSkipsDrop);
  params.Sort = checkSkipsLastSort->isChecked();
  params.Filtered = checkSkipsLastFiltered->isChecked();
  params.Filter = poleSkipsLastFilter->text();
  params.AvailableBalls = context.AvailableBalls;
  return params;
}

TSkipsFrequencyParams TPanelSkips::FrequencyParams(const TPanelContext& context) const {
  TSkipsFrequencyParams params;
  params.NextTira = context.NextTira;
  params.History = seSkipsHistory->value();
  params.FotonType = FotonTypeOf(cbSkipsDrop);
  params.Show20 = cbSkipsFreqShow20->isChecked();
  params.Sort = cbSkipsFreqSort->isChecked();
  params.DecimalSeparator = context.DecimalSeparator;
  return params;
}

void TPanelSkips::BeforeJob(const TPanelContext&) {
  // ReadSignedNumberListEdit: the filter in its normal form, kept as ranges.
  if (checkSkipsLastFiltered->isChecked())
    poleSkipsLastFilter->setText(TNumberRanges::Parse(poleSkipsLastFilter->text()).Format());
}

TPaneJob TPanelSkips::Job(const TPanelContext& context) const {
  return ReportJob(context.Lottery, ListParams(context));
}

QList<TPanelButton> TPanelSkips::Buttons() {
  return {{btnSkipsRefresh, nullptr},
          {btnSkipsFrequency, nullptr,
           [this](const TPanelContext& context) {
             return ReportJob(context.Lottery, FrequencyParams(context));
           }},
          {btnSkipsParsec, nullptr, [this](const TPanelContext& context) -> TPaneJob {
             // Parsec sets the history and writes nothing.
             seSkipsHistory->setValue(ParsecHistory(
                 *context.Lottery, {FotonTypeOf(cbSkipsDrop), seSkipsHistory->value()}));
             return nullptr;
           }}};
}

TPanelTest::TPanelTest(const QString& name, const QString& caption, QWidget* parent)
    : TAnalysisPanel(name, caption, parent) {
  comboTest01 = MakeFotonKindBox(Body(), u"comboTest01"_s);
  btnTest001 = MakeButton(Body(), u"btnTest001"_s, u"Test 001"_s);
  btnTest002 = MakeButton(Body(), u"btnTest002"_s, u"Test 002"_s);
  Grid()->addWidget(comboTest01, 0, 0);
  Grid()->addWidget(btnTest001, 1, 0);
  Grid()->addWidget(btnTest002, 2, 0);
}

TPaneJob TPanelTest::Job(const TPanelContext& context) const {
  return ReportJob(context.Lottery, TFlashListingParams{context.NextTira, FotonTypeOf(comboTest01),
                                                        context.AvailableBalls});
}

QList<TPanelButton> TPanelTest::Buttons() {
  // Test 002 has no visible effect.
  return {{btnTest001, nullptr}, {btnTest002, [](THost&) {}}};
}
