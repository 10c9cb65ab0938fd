#include "PanelSlice.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "PanelControls.h"

using namespace Qt::StringLiterals;

TPanelSlice::TPanelSlice(const QString& name, const QString& caption, QWidget* parent)
    : TReportPanel(name, caption, parent) {
  QWidget* body = Body();
  QGridLayout* grid = Grid();
  const THistoryControls history = AddHistoryControls(
      body, grid, u"Slice"_s, {kSliceHistoryDefault, kSliceHistoryMin, kSliceHistoryMax, 4});
  lbSliceHistory = history.Russian;
  lbSliceHistoryEng = history.English;
  seSliceHistory = history.Edit;
  lbSliceSize = MakeLabel(body, u"lbSliceSize"_s, u"Размер Среза"_s);
  lbSliceSizeEng = MakeLabel(body, u"lbSliceSizeEng"_s, u"Slice Size"_s);
  seSliceSize =
      MakeSpinEdit(body, u"seSliceSize"_s, {kSliceSizeDefault, kSliceSizeMin, kSliceSizeMax, 2});
  AddLabelledSpin(grid, 1, lbSliceSize, lbSliceSizeEng, seSliceSize);
  lbSliceMaxSkip = MakeLabel(body, u"lbSliceMaxSkip"_s, u"Макс Пропуск"_s);
  lbSliceMaxSkipEng = MakeLabel(body, u"lbSliceMaxSkipEng"_s, u"Max Skip"_s);
  seSliceMaxSkip = MakeSpinEdit(body, u"seSliceMaxSkip"_s,
                                {kSliceMaxSkipDefault, kSliceMaxSkipMin, kSliceMaxSkipMax, 3});
  AddLabelledSpin(grid, 2, lbSliceMaxSkip, lbSliceMaxSkipEng, seSliceMaxSkip);
  lbSliceShow = MakeLabel(body, u"lbSliceShow"_s, u"Срезы"_s);
  lbSliceShowEng = MakeLabel(body, u"lbSliceShowEng"_s, u"Slice"_s);
  btnSliceShow = MakeButton(body, u"btnSliceShow"_s, u"Show"_s);
  lbSliceTotalWinHistory = MakeLabel(body, u"lbSliceTotalWinHistory"_s, u"История Win"_s);
  lbSliceTotalWinHistoryEng = MakeLabel(body, u"lbSliceTotalWinHistoryEng"_s, u"Win History"_s);
  btnSliceTotalWinHistory = MakeButton(body, u"btnSliceTotalWinHistory"_s, u"Show"_s);
  grid->addWidget(lbSliceShow, 3, 0);
  grid->addWidget(lbSliceShowEng, 4, 0);
  grid->addWidget(btnSliceShow, 5, 0);
  grid->addWidget(lbSliceTotalWinHistory, 3, 1);
  grid->addWidget(lbSliceTotalWinHistoryEng, 4, 1);
  grid->addWidget(btnSliceTotalWinHistory, 5, 1);
}

TReportParams TPanelSlice::Params(int nextTira, QChar decimalSeparator) const {
  TSliceParams params;
  params.NextTira = nextTira;
  params.History = seSliceHistory->value();
  params.Size = seSliceSize->value();
  params.MaxSkip = seSliceMaxSkip->value();
  params.DecimalSeparator = decimalSeparator;
  return params;
}

QList<TPanelButton> TPanelSlice::Buttons() {
  return {{btnSliceShow, nullptr},
          {btnSliceTotalWinHistory, nullptr, [this](const TPanelContext& context) -> TPaneJob {
             const TReportParams total = TSliceTotalWinParams{
                 std::get<TSliceParams>(Params(context.NextTira, context.DecimalSeparator))};
             return [lottery = context.Lottery, total](THost&, TReportPane& pane) {
               WriteReport(lottery, total, pane);
             };
           }}};
}
