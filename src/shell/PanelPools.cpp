#include "PanelPools.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

TPoolParams PoolParams(const TPanelContext& context, int rangeSize, int poolSize,
                       TPoolReportKind kind) {
  TPoolParams params;
  params.NextTira = context.NextTira;
  params.RangeSize = rangeSize;
  params.PoolSize = poolSize;
  params.AvailableBalls = context.AvailableBalls;
  params.DecimalSeparator = context.DecimalSeparator;
  params.Kind = kind;
  return params;
}

TPanelRandomNumberGenerator::TPanelRandomNumberGenerator(const QString& name,
                                                         const QString& caption, QWidget* parent)
    : TAnalysisPanel(name, caption, parent) {
  QWidget* body = Body();
  QGridLayout* grid = Grid();
  seRNGRangeSize =
      MakeSpinEdit(body, u"seRNGRangeSize"_s, {kRangeSizeDefault, kRangeSizeMin, kRangeSizeMax, 2});
  seRNGPoolSize =
      MakeSpinEdit(body, u"seRNGPoolSize"_s, {kPoolSizeDefault, kPoolSizeMin, kPoolSizeMax, 4});
  btnRandomNumberGenerator = MakeButton(body, u"btnRandomNumberGenerator"_s, u"Go!"_s);
  grid->addWidget(MakeLabel(body, u"lbRNGRangeSize"_s, u"Длина Ряда (Range Size)"_s), 0, 0);
  grid->addWidget(seRNGRangeSize, 0, 1);
  grid->addWidget(MakeLabel(body, u"lbRNGPoolSize"_s, u"Размер Пула (Pool Size)"_s), 1, 0);
  grid->addWidget(seRNGPoolSize, 1, 1);
  grid->addWidget(MakeLabel(body, u"lbRNGRussian"_s, u"Генератор Случайных Чисел"_s), 2, 0);
  grid->addWidget(MakeLabel(body, u"lbRNGEnglish"_s, u"Random Number Generator"_s), 3, 0);
  grid->addWidget(btnRandomNumberGenerator, 3, 1);
  grid->setColumnStretch(2, 1);
}

TPaneJob TPanelRandomNumberGenerator::Job(const TPanelContext& context) const {
  return ReportJob(context.Lottery,
                   PoolParams(context, seRNGRangeSize->value(), seRNGPoolSize->value()));
}

QList<TPanelButton> TPanelRandomNumberGenerator::Buttons() {
  return {{btnRandomNumberGenerator, nullptr}};
}

TPanelIntervalsProf::TPanelIntervalsProf(const QString& name, const QString& caption,
                                         QWidget* parent)
    : TAnalysisPanel(name, caption, parent) {
  btnKENORandomNumberGenerator = MakeButton(Body(), u"btnKENORandomNumberGenerator"_s, u"Go!"_s);
  Grid()->addWidget(MakeLabel(Body(), u"lbKENORandomNumberGenerator"_s, u"KENO"_s), 0, 0);
  Grid()->addWidget(btnKENORandomNumberGenerator, 0, 1);
  Grid()->setColumnStretch(2, 1);
}

QList<TPanelButton> TPanelIntervalsProf::Buttons() {
  // The generator's report, from the generator panel's range and pool sizes.
  return {{btnKENORandomNumberGenerator, nullptr, [this](const TPanelContext& context) {
             const auto* generator = window()->findChild<TPanelRandomNumberGenerator*>();
             return generator != nullptr ? generator->Job(context) : TPaneJob();
           }}};
}

TPanelEven5x36::TPanelEven5x36(const QString& name, const QString& caption, QWidget* parent)
    : TAnalysisPanel(name, caption, parent) {
  QWidget* body = Body();
  QGridLayout* grid = Grid();
  seEven5x36RangeSize =
      MakeSpinEdit(body, u"seEven5x36RangeSize"_s,
                   {kEven5x36RangeSizeDefault, kEven5x36RangeSizeMin, kEven5x36RangeSizeMax, 2});
  seEven5x36PoolSize = MakeSpinEdit(body, u"seEven5x36PoolSize"_s,
                                    {kPoolSizeDefault, kPoolSizeMin, kPoolSizeMax, 4});
  btnEven5x36RNG = MakeButton(body, u"btnEven5x36RNG"_s, u"Go!"_s);
  grid->addWidget(MakeLabel(body, u"lbEven5x36RangeSize"_s, u"Длина Ряда (Range Size)"_s), 0, 0);
  grid->addWidget(seEven5x36RangeSize, 0, 1);
  grid->addWidget(MakeLabel(body, u"lbEven5x36PoolSize"_s, u"Размер Пула (Pool Size)"_s), 1, 0);
  grid->addWidget(seEven5x36PoolSize, 1, 1);
  grid->addWidget(btnEven5x36RNG, 2, 1);
  grid->setColumnStretch(2, 1);
}

TPaneJob TPanelEven5x36::Job(const TPanelContext& context) const {
  return ReportJob(context.Lottery,
                   PoolParams(context, seEven5x36RangeSize->value(), seEven5x36PoolSize->value(),
                              TPoolReportKind::Even5x36));
}

QList<TPanelButton> TPanelEven5x36::Buttons() { return {{btnEven5x36RNG, nullptr}}; }
