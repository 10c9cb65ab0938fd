#include "BonusTable.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "analyses/EvenSleepy.h"

namespace {

// The Markov row of the newest value of a series (newest first): [v, c0 .. cK].
iArray NewestRow(const iArray& series, int ballsInDraw) {
  iArray row(static_cast<size_t>(ballsInDraw) + 2, 0);
  if (series.empty()) return row;
  row[0] = series.front();
  for (size_t i = 0; i + 1 < series.size(); ++i)
    if (series[i + 1] == series.front() && series[i] >= 0 && series[i] <= ballsInDraw)
      ++row[1 + static_cast<size_t>(series[i])];
  return row;
}

// Ways[j][t]: how many j-ball parts of a stretch of balls have t consecutive pairs.
using TWays = std::vector<std::vector<long double>>;

TWays Empty(int k) { return TWays(static_cast<size_t>(k) + 1, std::vector<long double>(k + 1)); }

// The parts of a run of `length` consecutive balls (a line, or a circle when `cycle`).
TWays RunWays(int length, int k, bool cycle) {
  TWays total = Empty(k);
  // For a circle, once with the first ball left out and once with it taken.
  for (int first = 0; first <= (cycle ? 1 : 0); ++first) {
    // at[last][j][t] after each ball; last: whether that ball is taken.
    std::vector<TWays> at(2, Empty(k));
    if (cycle) {
      at[static_cast<size_t>(first)][static_cast<size_t>(first)][0] = 1;
    } else {
      at[0][0][0] = 1;
      if (k >= 1) at[1][1][0] = 1;
    }
    for (int ball = 1; ball < length; ++ball) {
      std::vector<TWays> next(2, Empty(k));
      for (int last = 0; last < 2; ++last)
        for (int j = 0; j <= k; ++j)
          for (int t = 0; t <= k; ++t) {
            const long double ways =
                at[static_cast<size_t>(last)][static_cast<size_t>(j)][static_cast<size_t>(t)];
            if (ways == 0) continue;
            next[0][static_cast<size_t>(j)][static_cast<size_t>(t)] += ways;
            const int pair = last;
            if (j < k && t + pair <= k)
              next[1][static_cast<size_t>(j + 1)][static_cast<size_t>(t + pair)] += ways;
          }
      at = std::move(next);
    }
    for (int last = 0; last < 2; ++last)
      for (int j = 0; j <= k; ++j)
        for (int t = 0; t <= k; ++t) {
          const int wrap = cycle && first == 1 && last == 1 ? 1 : 0;
          if (t + wrap <= k)
            total[static_cast<size_t>(j)][static_cast<size_t>(t + wrap)] +=
                at[static_cast<size_t>(last)][static_cast<size_t>(j)][static_cast<size_t>(t)];
        }
  }
  return total;
}

TWays Combine(const TWays& a, const TWays& b, int k) {
  TWays out = Empty(k);
  for (int j1 = 0; j1 <= k; ++j1)
    for (int t1 = 0; t1 <= k; ++t1) {
      const long double x = a[static_cast<size_t>(j1)][static_cast<size_t>(t1)];
      if (x == 0) continue;
      for (int j2 = 0; j1 + j2 <= k; ++j2)
        for (int t2 = 0; t1 + t2 <= k; ++t2)
          out[static_cast<size_t>(j1 + j2)][static_cast<size_t>(t1 + t2)] +=
              x * b[static_cast<size_t>(j2)][static_cast<size_t>(t2)];
    }
  return out;
}

// How many K-ball parts of the sorted distinct balls have t consecutive pairs (1 and maxBall
// count as neighbours), t = 0 .. K.
std::vector<long double> PartsByPairs(const iArray& sorted, int k, int maxBall) {
  // The runs of consecutive balls; the run ending at maxBall continues into the one at 1.
  std::vector<int> runs;
  for (size_t i = 0; i < sorted.size(); ++i) {
    if (i > 0 && sorted[i] == sorted[i - 1] + 1)
      ++runs.back();
    else
      runs.push_back(1);
  }
  const bool circle = static_cast<int>(sorted.size()) == maxBall;
  if (!circle && runs.size() > 1 && sorted.front() == 1 && sorted.back() == maxBall) {
    runs.front() += runs.back();
    runs.pop_back();
  }
  TWays ways = Empty(k);
  ways[0][0] = 1;
  for (const int run : runs) ways = Combine(ways, RunWays(run, k, circle), k);
  return ways[static_cast<size_t>(k)];
}

long double At(const iArray& row, int n) {
  const size_t i = 1 + static_cast<size_t>(n);
  return i < row.size() ? row[i] : 0;
}

}  // namespace

int BonusWindow(const TLottery& lottery) {
  if (lottery.BallsInDraw <= 0) return 0;
  return static_cast<int>(RoundHalfEven(10.0 * lottery.MaxBall / lottery.BallsInDraw));
}

void TBonusTable::Refresh(const TLottery& lottery) {
  m_ballsInDraw = lottery.BallsInDraw;
  m_maxBall = lottery.MaxBall;
  iArray even, consecutive;
  const int window = BonusWindow(lottery);
  for (int k = 1; k <= window; ++k) {
    even.push_back(EvenCount(lottery, Next - k));
    consecutive.push_back(SleepyCount(lottery, Next - k));
  }
  Even = NewestRow(even, m_ballsInDraw);
  Consecutive = NewestRow(consecutive, m_ballsInDraw);
}

int64_t TBonusTable::Bonus(const iArray& range) const {
  const int k = m_ballsInDraw;
  if (k <= 0 || static_cast<int>(range.size()) < k) return 0;
  iArray sorted = range;
  std::sort(sorted.begin(), sorted.end());
  const int evens = EvenCount(sorted), odds = static_cast<int>(sorted.size()) - evens;
  long double bonus = 0;
  for (int e = 0; e <= k; ++e)
    bonus += static_cast<long double>(Binomial(evens, e)) * Binomial(odds, k - e) * At(Even, e);
  const std::vector<long double> parts = PartsByPairs(sorted, k, m_maxBall);
  for (int s = 0; s <= k; ++s) bonus += parts[static_cast<size_t>(s)] * At(Consecutive, s);
  constexpr long double kMax = static_cast<long double>(std::numeric_limits<int64_t>::max());
  return bonus >= kMax ? std::numeric_limits<int64_t>::max() : static_cast<int64_t>(bonus + 0.5L);
}
