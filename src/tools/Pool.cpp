#include "Pool.h"

#include <algorithm>
#include <functional>

#include "BonusTable.h"
#include "core/Random.h"
#include "stats/Statistic.h"

using namespace Qt::StringLiterals;

namespace {

// Bonus and win of every range, then the pool's table and win series.
void Judge(const TLottery& lottery, TmyPool& pool) {
  TBonusTable bonus;
  bonus.Next = pool.Otbor.Next;
  bonus.Refresh(lottery);
  const iArray drawn = lottery.DrawBalls(pool.Otbor.Next);
  pool.PoolTable.clear();
  pool.WinFrequency.clear();
  for (TRandomRange& range : pool.Ranges) {
    range.Bonus = bonus.Bonus(range.Range);
    range.Win = CountCommon(range.Range, drawn);
    pool.PoolTable.push_back(range.Range);
    pool.WinFrequency.push_back(range.Win);
  }
}

}  // namespace

bool FillRandomPool(const TLottery& lottery, TmyPool& pool, std::optional<uint64_t> seed,
                    THost* host) {
  const TPoolOtbor& otbor = pool.Otbor;
  pool.Ranges.assign(static_cast<size_t>(std::max(otbor.PoolSize, 0)), {});
  {
    TRandomUse random(seed);
    for (size_t i = 0; i < pool.Ranges.size(); ++i) {
      iArray& range = pool.Ranges[i].Range;
      const int size = otbor.RangeSize;
      if (size > 0 && size <= static_cast<int>(otbor.SourceRange.size())) {
        iArray left = otbor.SourceRange;
        for (int k = 0; k < size; ++k) {
          const auto p =
              static_cast<size_t>(random.Uniform(0, static_cast<int64_t>(left.size()) - 1));
          range.push_back(left[p]);
          left.erase(left.begin() + static_cast<std::ptrdiff_t>(p));
        }
        std::sort(range.begin(), range.end(), std::greater<>());
      }
      if (host != nullptr && (i & 255) == 255 &&
          !host->Progress(static_cast<int64_t>(i), static_cast<int64_t>(pool.Ranges.size())))
        return false;
    }
  }
  Judge(lottery, pool);
  return true;
}

void FillPoolFromRows(const TLottery& lottery, TmyPool& pool, const iArray2D& rows) {
  pool.Ranges.clear();
  for (const iArray& row : rows) {
    TRandomRange range;
    for (const int32_t ball : row)
      if (ball >= 1 && ball <= lottery.MaxBall) range.Range.push_back(ball);
    std::sort(range.Range.begin(), range.Range.end(), std::greater<>());
    range.Range.erase(std::unique(range.Range.begin(), range.Range.end()), range.Range.end());
    pool.Ranges.push_back(std::move(range));
  }
  pool.Otbor.PoolSize = static_cast<int>(pool.Ranges.size());
  pool.Otbor.RangeSize = 0;  // the header's width: the longest ticket
  for (const TRandomRange& range : pool.Ranges)
    pool.Otbor.RangeSize = std::max(pool.Otbor.RangeSize, static_cast<int>(range.Range.size()));
  Judge(lottery, pool);
}

iArray PoolDeviationSeries(const TmyPool& pool) {
  iArray series;
  for (const int32_t ball : pool.Otbor.SourceRange) {
    int holding = 0;
    for (const TRandomRange& range : pool.Ranges)
      holding += std::find(range.Range.begin(), range.Range.end(), ball) != range.Range.end();
    series.push_back(holding);
  }
  std::sort(series.begin(), series.end());
  return series;
}

void PrintPool(TReportPane& pane, const TmyPool& pool, const iArray& drawBalls, int maxBall) {
  const int width = BallWidth(maxBall);
  pane.AddLine(PadRight(width * pool.Otbor.RangeSize + 10, u"# п/п       Пул (Pool):"_s) +
               u"        Бонус"_s);
  int64_t number = 0;
  for (const TRandomRange& range : pool.Ranges) {
    QString balls;
    for (const int32_t ball : range.Range) AppendIntPadLeft(balls, ball, width);
    const int line = pane.AddLine(IntPadLeft(5, ++number) + u"     "_s + balls + u"        "_s +
                                  IntPadLeft(5, range.Bonus));
    HighlightNumbers(drawBalls, line, 10, balls, clRed, pane);
  }
}

std::optional<TmyPool> MakePool(const TLottery& lottery, const TPoolParams& params, THost* host) {
  TmyPool pool;
  pool.Otbor.Next = params.NextTira;
  pool.Otbor.RangeSize = params.RangeSize;
  pool.Otbor.PoolSize = params.PoolSize;
  pool.Otbor.SourceRange = AvailableBalls(params.AvailableBalls, lottery.MaxBall, nullptr);
  if (params.Tickets) {
    FillPoolFromRows(lottery, pool, *params.Tickets);
  } else if (!FillRandomPool(lottery, pool, params.Seed, host)) {
    return std::nullopt;
  }
  return pool;
}

namespace {

void ShowEven5x36(const TmyPool& pool, const iArray& drawn, int maxBall, TReportPane& pane) {
  for (const QString& line : {u"Генератор Случайных Чисел (Random Number Generator)"_s, QString(),
                              QString(), u"Статистика выигрышей Пула (Pools Win Statistic)"_s,
                              u"  Win           %%          Частота (Frequency)"_s, QString(),
                              QString(), u"Статистика Чисел Пула (Pools Number Statistic)"_s,
                              QString(), QString(), u"Пул (Pool):"_s})
    pane.AddLine(line);
  for (const TRandomRange& range : pool.Ranges) {
    QString text;
    for (const int32_t ball : range.Range) AppendIntPadLeft(text, ball, BallWidth(maxBall));
    text += u"    "_s + IntPadLeft(5, range.Bonus);
    const int line = pane.AddLine(text);
    HighlightNumbers(drawn, line, 0, text, clRed, pane);
  }
}

}  // namespace

void ShowPool(const TLottery& lottery, const TPoolParams& params, const TmyPool& pool,
              TReportPane& pane) {
  pane.Clear();
  const iArray drawn = lottery.DrawBalls(params.NextTira);
  if (params.Kind == TPoolReportKind::Even5x36) {
    ShowEven5x36(pool, drawn, lottery.MaxBall, pane);
    return;
  }
  pane.AddLine(u"Генератор Случайных Чисел (Random Number Generator)"_s);
  pane.AddLine(QString());
  pane.AddLine(QString());
  TWinStatistic statistic;
  statistic.Zagolovok = u"Статистика выигрышей Пула \"Генератор Случайных Чисел\":"_s;
  statistic.DecimalSeparator = params.DecimalSeparator;
  statistic.ReLoad(pool.PoolTable, drawn);
  statistic.Print(pane, -1);
  pane.AddLine(QString());
  pane.AddLine(u"Разброс Шаров Пула (Deviation) = "_s +
               DeviationText(PoolDeviationSeries(pool), params.DecimalSeparator));
  pane.AddLine(QString());
  PrintPool(pane, pool, drawn, lottery.MaxBall);
}

void GenerateRandomPool(const TLottery& lottery, const TPoolParams& params, TReportPane& pane,
                        THost* host) {
  pane.Clear();
  if (const std::optional<TmyPool> pool = MakePool(lottery, params, host))
    ShowPool(lottery, params, *pool, pane);
}

void ShowDeviation(const TDeviationParams& params, TReportPane& pane) {
  pane.Clear();
  pane.AddLine(DeviationText(ExtractNumbers(params.SeriesText), params.DecimalSeparator));
}
