#include "TiraMap.h"

#include <algorithm>

using namespace Qt::StringLiterals;

TTiraMap BuildTiraMap(const TLottery& lottery, const TTiraMapParams& params) {
  TTiraMap map;
  map.MaxBall = lottery.MaxBall;
  map.Cell = lottery.LottoClass == 1 || lottery.LottoClass == 2 ? 20 : 14;
  for (int i = 0; i < kTiraMapRows; ++i) {
    const int64_t draw = int64_t{params.NextTira} - kTiraMapHistoryRows + i;
    map.Labels.push_back(static_cast<int32_t>(draw));
    iArray balls;
    if (i < kTiraMapHistoryRows || params.ShowNext) {
      const auto drawn = lottery.DrawBallsView(draw);
      balls.assign(drawn.begin(), drawn.end());
      std::sort(balls.begin(), balls.end());
    }
    map.Filled.push_back(std::move(balls));
  }
  return map;
}

void ShowDrawsMap(const TLottery& lottery, const TTiraMapParams& params, TReportPane& pane) {
  const TTiraMap map = BuildTiraMap(lottery, params);
  pane.Clear();
  pane.AddLine(u"Карта тиражей (Draws map)"_s);
  for (int i = 0; i < kTiraMapRows; ++i) {
    QString line = IntPadLeft(7, map.Labels[static_cast<size_t>(i)]) + u' ';
    const QChar empty = i < kTiraMapHistoryRows ? u'.' : u' ';
    QString cells(map.MaxBall, empty);
    for (const int32_t ball : map.Filled[static_cast<size_t>(i)])
      if (ball >= 1 && ball <= map.MaxBall) cells[ball - 1] = u'#';
    const int row = pane.AddLine(line + cells);
    for (const int32_t ball : map.Filled[static_cast<size_t>(i)])
      if (ball >= 1 && ball <= map.MaxBall)
        pane.HighlightSpan(row, static_cast<int>(line.size()) + ball - 1, 1, clDrawnGreen, clWhite,
                           fsBold);
  }
}
