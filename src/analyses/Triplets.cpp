#include "Triplets.h"

#include <algorithm>

using namespace Qt::StringLiterals;

void TTripletsPool::Init(iArray range, int maxDiff, int maxBall) {
  Triplets.clear();
  std::sort(range.begin(), range.end());
  if (range.empty()) return;
  // Wrap copies: the low balls again above MaxBall, so a triple may run over it.
  const int64_t wrapUpTo = int64_t{maxDiff} + range.back() - maxBall;
  const size_t balls = range.size();
  for (size_t i = 0; i < balls; ++i)
    if (range[i] <= wrapUpTo) range.push_back(maxBall + range[i]);
  const size_t n = range.size();
  for (size_t a = 0; a < n; ++a)
    for (size_t b = a + 1; b < n; ++b) {
      if (int64_t{range[b]} - range[a] > maxDiff) continue;
      for (size_t c = b + 1; c < n; ++c) {
        if (int64_t{range[c]} - range[b] > maxDiff) continue;
        TmyTriplet triplet;
        triplet.Diff = {range[b] - range[a], range[c] - range[b]};
        for (const int32_t v : {range[a], range[b], range[c]})
          triplet.Balls.push_back(v > maxBall ? v - maxBall : v);
        Triplets.push_back(std::move(triplet));
      }
    }
}

void ShowTriplets(const TLottery& lottery, const TTripletsParams& params, TReportPane& pane) {
  pane.Clear();
  iArray balls = lottery.DrawBalls(params.NextTira);
  std::sort(balls.begin(), balls.end());
  TTripletsPool pool;
  pool.Init(balls, kTripletsMaxDiff, lottery.MaxBall);
  pane.AddLine(u"Триплеты (Triplets):"_s);
  pane.AddLine(QString());
  pane.AddLine(u"Исходный Ряд:"_s);
  QString source;
  for (const int32_t ball : balls) source += IntPadLeft(5, ball);
  pane.AddLine(source);
  pane.AddLine(QString());
  // Three-digit balls would run together in three characters.
  const int width = lottery.MaxBall >= 100 ? 4 : 3;
  for (const TmyTriplet& triplet : pool.Triplets) {
    QString line;
    for (const int32_t ball : triplet.Balls) line += IntPadLeft(width, ball);
    line += u"     "_s + IntPadLeft(5, triplet.Diff[0]) + IntPadLeft(5, triplet.Diff[1]);
    pane.AddLine(line);
  }
  pane.AddLine(QString());
}
