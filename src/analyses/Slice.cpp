#include "Slice.h"

#include <algorithm>
#include <vector>

#include "Intervals.h"

using namespace Qt::StringLiterals;

namespace {

const QString kSeparator(110, u'-');

std::vector<TSlice> MakeSlices(const TLottery& lottery, int size, int maxSkip) {
  std::vector<TSlice> slices;
  for (int id = 1; id <= lottery.MaxBall; ++id) {
    slices.emplace_back(id, size, lottery.MaxBall);
    slices.back().MaxSkip = maxSkip;
  }
  return slices;
}

// The slices that pass the skip test at draw T, refreshed for it.
std::vector<TSlice> ShownSlices(const TLottery& lottery, const TSliceParams& params) {
  const int S = std::clamp(params.Size, kSliceSizeMin, kSliceSizeMax);
  const int M = std::clamp(params.MaxSkip, kSliceMaxSkipMin, kSliceMaxSkipMax);
  std::vector<TSlice> slices = MakeSlices(lottery, S, M);
  for (TSlice& slice : slices) slice.Refresh(lottery, params.NextTira);
  std::erase_if(slices, [](const TSlice& slice) { return !slice.IsTrue; });
  return slices;
}

QString SliceName(const TSlice& slice) { return u"Срез (Slice) #"_s + ZeroPad(2, slice.Id); }

}  // namespace

TSlice::TSlice(int sliceId, int sliceSize, int maxBall) : Id(sliceId) {
  for (int i = 0; i < sliceSize; ++i) {
    const int v = sliceId + i;
    Range.push_back(v > maxBall ? v - maxBall : v);
  }
}

int BallSkip(const TLottery& lottery, int ball, int64_t d) {
  const int64_t first = lottery.FirstTira;
  for (int64_t draw = std::min<int64_t>(d - 1, lottery.NewTira - 1); draw >= first; --draw) {
    const auto balls = lottery.DrawBallsView(draw);
    if (balls.empty()) return 0;
    if (std::find(balls.begin(), balls.end(), ball) != balls.end())
      return static_cast<int>(d - draw);
  }
  return 0;
}

void TSlice::Refresh(const TLottery& lottery, int64_t iNext) {
  IsTrue = true;
  Win = 0;
  const auto drawn = lottery.DrawBallsView(iNext);
  for (const int32_t ball : Range)
    Win += static_cast<int>(std::count(drawn.begin(), drawn.end(), ball));
  if (MaxSkip <= 0) return;
  for (const int32_t ball : Range)
    if (BallSkip(lottery, ball, iNext) > MaxSkip) {
      IsTrue = false;
      return;
    }
}

void ShowSlices(const TLottery& lottery, const TSliceParams& params, TReportPane& pane) {
  const int64_t T = params.NextTira;
  const int H = std::clamp(params.History, kSliceHistoryMin, kSliceHistoryMax);
  const int S = std::clamp(params.Size, kSliceSizeMin, kSliceSizeMax);
  const iArray drawT = lottery.DrawBalls(params.NextTira);
  const bool known = !drawT.empty();
  const int width = lottery.MaxBall >= 100 ? 4 : 3;  // three-digit balls would run together
  pane.Clear();
  pane.AddLine(u"Срезы. Тираж # "_s + QString::number(T));
  pane.AddLine(QString());
  pane.AddLine(kSeparator);
  pane.AddLine(QString());
  iArray totalWin;
  for (const TSlice& slice : ShownSlices(lottery, params)) {
    const QString head = SliceName(slice) + u":     "_s;
    QString balls;
    for (const int32_t ball : slice.Range) balls += IntPadLeft(width, ball);
    const int line = pane.AddLine(head + balls);
    HighlightNumbers(drawT, line, static_cast<int>(head.size()), balls, clRed, pane);
    pane.AddLine(u"Win.Total:  "_s + QString::number(slice.Win) + u'.' + QString::number(S));
    totalWin.push_back(slice.Win);
    pane.AddLine(QString(23, u' ') + u"<-- <-- # "_s + QString::number(T - 1) + u" - "_s +
                 QString::number(T - H) + u". История Win (Win History)"_s);
    const iArray wins = IntervalWinHistory(lottery, slice.Range, T - 1, H);
    QString history = SliceName(slice) + u":    "_s;
    for (const int32_t win : wins) history += IntPadLeft(3, win);
    pane.AddLine(history);
    pane.AddLine(QString());
    pane.AddLine(QString());
    const int winT = CountCommon(drawT, slice.Range);
    PrintWinTables(pane, wins, u"Частота выигрышей (Win) в Срезе."_s,
                   known ? std::optional(winT) : std::nullopt, true, params.DecimalSeparator);
    pane.AddLine(QString());
    pane.AddLine(kSeparator);
  }
  std::sort(totalWin.begin(), totalWin.end());
  pane.AddLine(QString());
  QString total = u"Total Win: "_s;
  for (const int32_t win : totalWin) total += IntPadLeft(3, win);
  pane.AddLine(total);
}

TCharts SliceCharts(const TLottery& lottery, const TSliceParams& params) {
  const int H = std::clamp(params.History, kSliceHistoryMin, kSliceHistoryMax);
  const iArray drawT = lottery.DrawBalls(params.NextTira);
  TCharts charts;
  for (const TSlice& slice : ShownSlices(lottery, params))
    charts.push_back(SeriesChart(
        SliceName(slice), params.NextTira,
        IntervalWinHistory(lottery, slice.Range, int64_t{params.NextTira} - 1, H),
        drawT.empty() ? std::nullopt : std::optional<int64_t>(CountCommon(drawT, slice.Range))));
  return charts;
}

void ShowSliceTotalWinHistory(const TLottery& lottery, const TSliceTotalWinParams& params,
                              TReportPane& pane) {
  const int64_t T = params.NextTira;
  const int H = std::clamp(params.History, kSliceHistoryMin, kSliceHistoryMax);
  const int S = std::clamp(params.Size, kSliceSizeMin, kSliceSizeMax);
  const int M = std::clamp(params.MaxSkip, kSliceMaxSkipMin, kSliceMaxSkipMax);
  pane.Clear();
  pane.AddLine(u"История TotalWin."_s);
  pane.AddLine(QString());
  pane.AddLine(kSeparator);
  pane.AddLine(QString());
  std::vector<TSlice> slices = MakeSlices(lottery, S, M);
  pane.AddLine(u"    ##    TotalWin"_s);
  for (int k = 1; k <= H; ++k) {
    const int64_t d = T - k;
    iArray wins;
    for (TSlice& slice : slices) {
      slice.Refresh(lottery, d);
      if (slice.IsTrue) wins.push_back(slice.Win);
    }
    std::sort(wins.begin(), wins.end());
    QString line = IntPadLeft(6, d) + u"   "_s;
    for (const int32_t win : wins) line += IntPadLeft(2, win);
    pane.AddLine(line);
  }
}
