// The bonus table and its counted bonus against a walk of every part, the random pool and
// its report, the user's tickets, the research variant.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "LotteryFixtures.h"
#include "analyses/EvenSleepy.h"
#include "core/Random.h"
#include "tools/BonusTable.h"
#include "tools/Pool.h"

using namespace Qt::StringLiterals;

namespace {

int64_t At(const iArray& row, int n) {
  const size_t i = 1 + static_cast<size_t>(n);
  return i < row.size() ? row[i] : 0;
}

// Every K-ball part of the range, one by one.
int64_t WalkedBonus(const TBonusTable& table, const iArray& range, int k, int maxBall) {
  iArray sorted = range;
  std::sort(sorted.begin(), sorted.end());
  const int n = static_cast<int>(sorted.size());
  if (n < k) return 0;
  std::vector<bool> take(static_cast<size_t>(n), false);
  std::fill(take.begin(), take.begin() + k, true);
  int64_t bonus = 0;
  do {
    iArray part;
    for (int i = 0; i < n; ++i)
      if (take[static_cast<size_t>(i)]) part.push_back(sorted[static_cast<size_t>(i)]);
    bonus += At(table.Even, EvenCount(part)) + At(table.Consecutive, SleepyCount(part, maxBall));
  } while (std::prev_permutation(take.begin(), take.end()));
  return bonus;
}

}  // namespace

TEST(BonusTable, TheMarkovRowOfTheNewestValueOnAHandMadeHistory) {
  // 2 of 6. Even counts, draws 1..5: 1 (1 2), 2 (2 4), 1 (3 4), 2 (4 6), 1 (5 6).
  const TLottery lottery =
      MakeLottery(2, 6, {{1, 1, 2}, {2, 2, 4}, {3, 3, 4}, {4, 4, 6}, {5, 5, 6}});
  EXPECT_EQ(BonusWindow(lottery), 30);
  TBonusTable table;
  table.Next = 6;
  table.Refresh(lottery);
  // Newest first: 1 2 1 2 1, then 25 zeros (draws outside the table). After a 1 came a 2
  // twice; after the 0 of draw 0 came the 1 of draw 1.
  EXPECT_EQ(table.Even, (iArray{1, 0, 0, 2}));
  // Consecutive counts, newest first: 1 (5 6), 0, 1 (3 4), 0, 1 (1 2); the wrap never.
  EXPECT_EQ(table.Consecutive, (iArray{1, 2, 0, 0}));  // after a 1 came a 0 twice
}

TEST(BonusTable, TheCountedBonusIsTheWalkedOne) {
  std::mt19937 rng(12);
  for (const auto& [k, n] :
       {std::pair{5, 36}, std::pair{6, 49}, std::pair{3, 8}, std::pair{2, 5}}) {
    const TLottery lottery = RandomLottery(k, n, 300, 3);
    TBonusTable table;
    table.Next = lottery.NewTira;
    table.Refresh(lottery);
    iArray all(static_cast<size_t>(n));
    for (int b = 1; b <= n; ++b) all[static_cast<size_t>(b - 1)] = b;
    for (int trial = 0; trial < 40; ++trial) {
      std::shuffle(all.begin(), all.end(), rng);
      const int size = std::min(n, k + static_cast<int>(rng() % 9));
      iArray range(all.begin(), all.begin() + size);
      if (trial % 5 == 0) {  // runs over the wrap from the highest ball to 1
        range = {1, 2, n, n - 1};
        range.resize(std::min<size_t>(range.size(), static_cast<size_t>(n)));
      }
      EXPECT_EQ(table.Bonus(range), WalkedBonus(table, range, k, n)) << k << " of " << n;
    }
    if (n <= 8) {  // the whole circle
      EXPECT_EQ(table.Bonus(all), WalkedBonus(table, all, k, n));
    }
    EXPECT_EQ(table.Bonus(iArray(all.begin(), all.begin() + (k - 1))), 0);
  }
}

TEST(Pool, ARandomPoolOfDistinctDescendingBallsFromTheAvailableOnes) {
  const TLottery lottery = LoadExample(u"5x36 sample.txt"_s);
  TPoolParams params;
  params.NextTira = 400;  // 2 7 4 23 30
  params.RangeSize = 7;
  params.PoolSize = 50;
  params.AvailableBalls = u"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 30 99"_s;
  params.Seed = 5;
  const std::optional<TmyPool> pool = MakePool(lottery, params);
  ASSERT_TRUE(pool);
  ASSERT_EQ(pool->Ranges.size(), size_t{50});
  const iArray drawn = lottery.DrawBalls(400);
  for (const TRandomRange& range : pool->Ranges) {
    ASSERT_EQ(range.Range.size(), size_t{7});
    EXPECT_TRUE(std::is_sorted(range.Range.begin(), range.Range.end(), std::greater<>()));
    EXPECT_EQ(std::adjacent_find(range.Range.begin(), range.Range.end()), range.Range.end());
    for (const int32_t ball : range.Range) EXPECT_TRUE(ball <= 20 || ball == 30);
    EXPECT_EQ(range.Win, CountCommon(range.Range, drawn));
  }
  // The same seed, the same pool; another seed, another one.
  EXPECT_EQ(MakePool(lottery, params)->PoolTable, pool->PoolTable);
  params.Seed = 6;
  EXPECT_NE(MakePool(lottery, params)->PoolTable, pool->PoolTable);
  // Without a seed each pool starts from the clock: two presses, two pools.
  params.Seed.reset();
  EXPECT_NE(MakePool(lottery, params)->PoolTable, MakePool(lottery, params)->PoolTable);
  // The deviation series: for each of the 21 available balls, the ranges holding it.
  const iArray series = PoolDeviationSeries(*pool);
  ASSERT_EQ(series.size(), size_t{21});
  int64_t sum = 0;
  for (const int32_t v : series) sum += v;
  EXPECT_EQ(sum, 50 * 7);
}

TEST(Pool, TheReportOfTheEdgeCases) {
  const TLottery lottery = LoadExample(u"5x36 sample.txt"_s);
  TPoolParams params;
  params.NextTira = lottery.NewTira;  // not drawn: nothing highlighted, every Win 0
  params.RangeSize = 6;
  params.PoolSize = 3;
  params.AvailableBalls = u"1 2 3 4 5"_s;  // fewer than the range size: empty ranges
  TReportPane pane;
  GenerateRandomPool(lottery, params, pane);
  EXPECT_EQ(
      pane.Texts(),
      (QStringList{u"Генератор Случайных Чисел (Random Number Generator)"_s, QString(), QString(),
                   u"Статистика выигрышей Пула \"Генератор Случайных Чисел\":"_s,
                   u"Всего Комбинаций   =           3"_s, u"Совпадений  0      =           3"_s,
                   QString(), u"Разброс Шаров Пула (Deviation) = x.xxx"_s, QString(),
                   u"# п/п       Пул (Pool):"_s + QString(5 + 8, u' ') + u"Бонус"_s,
                   u"    1"_s + QString(5 + 8 + 4, u' ') + u'0',
                   u"    2"_s + QString(5 + 8 + 4, u' ') + u'0',
                   u"    3"_s + QString(5 + 8 + 4, u' ') + u'0'}));

  // As many available balls as the range size: every range holds them all.
  params.AvailableBalls = u"6 5 4 3 2 1"_s;
  params.NextTira = 400;
  GenerateRandomPool(lottery, params, pane);
  const QString line = pane.Line(pane.LineCount() - 1);
  EXPECT_TRUE(line.startsWith(u"    3       6  5  4  3  2  1        "_s)) << line.toStdString();
  EXPECT_FALSE(pane.Spans(pane.LineCount() - 1).empty());  // 2 and 4 of draw 400
  EXPECT_EQ(pane.Spans(pane.LineCount() - 1).front().Column, 10 + 3 * 4 + 2);  // the 2
}

TEST(Pool, TheUsersTicketsAndTheResearchVariant) {
  const TLottery lottery = LoadExample(u"5x36 sample.txt"_s);
  TPoolParams params;
  params.NextTira = 400;  // 2 4 7 23 30
  params.Tickets = iArray2D{{2, 4, 7, 8, 9}, {30, 30, 99, 23, 1}};
  TReportPane pane;
  GenerateRandomPool(lottery, params, pane);
  EXPECT_TRUE(pane.Line(5).startsWith(u"Совпадений  0      =           0 "_s));
  const QStringList texts = pane.Texts();
  EXPECT_TRUE(texts.value(texts.size() - 2).startsWith(u"    1       9  8  7  4  2"_s));
  EXPECT_TRUE(texts.value(texts.size() - 1).startsWith(u"    2      30 23  1        "_s));

  params.Tickets.reset();
  params.Kind = TPoolReportKind::Even5x36;
  params.RangeSize = 5;
  params.PoolSize = 2;
  GenerateRandomPool(lottery, params, pane);
  EXPECT_EQ(pane.LineCount(), 11 + 2);
  EXPECT_EQ(pane.Line(4), u"  Win           %%          Частота (Frequency)"_s);
  EXPECT_EQ(pane.Line(10), u"Пул (Pool):"_s);
  EXPECT_EQ(pane.Line(11).size(), 5 * 3 + 4 + 5);
}
