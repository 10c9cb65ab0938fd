#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "LotteryFixtures.h"
#include "TestHost.h"
#include "core/Lottery.h"
#include "forecast/ForecastWalk.h"
#include "forecast/Prognoz.h"
#include "stats/HotWarmCold.h"

using namespace Qt::StringLiterals;

namespace {

TLottery SampleLottery() { return LoadExample(u"5x36 sample.txt"_s); }

// A forecast of draw T of the lottery with the given fields, walked the fast way.
TMainPrognoz Forecast(const TLottery& lottery, TPrognozFields& fields, int threads,
                      const iArray& source = {}) {
  TMainPrognoz prognoz;
  prognoz.Clear();
  prognoz.CombiSize = lottery.BallsInDraw;
  prognoz.SourceRange = source.empty() ? Range(1, lottery.MaxBall) : source;
  prognoz.NextTira = lottery.NewTira;
  prognoz.Threads = threads;
  prognoz.SetFilters(lottery, fields);
  prognoz.ReCalculate(nullptr);
  return prognoz;
}

// The same forecast with every combination tested one by one through TestCombi.
TMainPrognoz ForecastOneByOne(const TLottery& lottery, TPrognozFields fields,
                              const iArray& source = {}) {
  TMainPrognoz prognoz;
  prognoz.Clear();
  prognoz.CombiSize = lottery.BallsInDraw;
  prognoz.SourceRange = source.empty() ? Range(1, lottery.MaxBall) : source;
  prognoz.NextTira = lottery.NewTira;
  prognoz.SetFilters(lottery, fields);
  prognoz.TPrognozExt::ReCalculate(nullptr);
  return prognoz;
}

TEST(Prognoz, NoFilterAcceptsEverything) {
  const TLottery lottery = SampleLottery();
  TPrognozFields fields;
  const TMainPrognoz prognoz = Forecast(lottery, fields, 2);
  EXPECT_EQ(prognoz.NumCombFiltered, 376992);
  for (int i : {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}) {
    EXPECT_EQ(prognoz.FiltersStatistics[static_cast<size_t>(i)].Accepted, 376992) << i;
    EXPECT_EQ(prognoz.FiltersStatistics[static_cast<size_t>(i)].Denied, 0) << i;
  }
  EXPECT_EQ(prognoz.FiltersStatistics[0], TFilterCount{});
  EXPECT_EQ(prognoz.PrognozTable.RowArray(376991), (iArray{32, 33, 34, 35, 36}));
}

TEST(Prognoz, AFailingSumCountsOnlyWhereItStopped) {
  TMainPrognoz prognoz;
  prognoz.MaxBall = 36;
  prognoz.Filters.SumBalls = {100};
  EXPECT_FALSE(prognoz.TestCombi({1, 2, 3, 4, 5}));
  TFiltersStatistics expected{};
  expected[1].Accepted = expected[2].Accepted = 1;
  expected[3].Denied = 1;
  EXPECT_EQ(prognoz.FiltersStatistics, expected);
}

TEST(Prognoz, EndsOfTheBallRangeAreNeighbours) {
  TMainPrognoz prognoz;
  prognoz.MaxBall = 36;
  prognoz.Filters.Sleepy = {0};
  EXPECT_FALSE(prognoz.TestCombi({1, 10, 20, 30, 36}));
  EXPECT_TRUE(prognoz.TestCombi({2, 10, 20, 30, 36}));
}

TEST(Prognoz, HotColdCodesAndAnyRange) {
  TMainPrognoz prognoz;
  prognoz.MaxBall = 12;
  prognoz.Filters.Hot = {1, 2, 3, 4};
  prognoz.Filters.Warm = {5, 6, 7, 8};
  prognoz.Filters.Cold = {9, 10, 11, 12};
  prognoz.Filters.HotColdWinCode = {{0, -1, -1}};
  EXPECT_TRUE(prognoz.TestCombi({5, 9, 10}));
  EXPECT_FALSE(prognoz.TestCombi({1, 9, 10}));
  prognoz.Filters.HotColdWinCode = {};
  prognoz.Filters.AnyRange[0] = Range(1, 9);
  prognoz.Filters.AnyRangeWin[0] = {0, 1};
  EXPECT_TRUE(prognoz.TestCombi({3, 10, 11}));
  EXPECT_FALSE(prognoz.TestCombi({3, 4, 11}));
  prognoz.Filters.AnyRangeWin[0] = {};  // a ticked range with an empty "Win" denies all
  EXPECT_FALSE(prognoz.TestCombi({10, 11, 12}));
}

TEST(Prognoz, FieldsComeBackInNormalForm) {
  const TLottery lottery = SampleLottery();
  TPrognozFields fields;
  fields.Chetnie.Checked = fields.SumBalls.Checked = fields.FirstBall.Checked = true;
  fields.HotCold.Checked = fields.Differences.Checked = true;
  fields.AnyRangeWin[3] = u"2 .. 4"_s;
  TMainPrognoz prognoz;
  prognoz.NextTira = lottery.NewTira;
  EXPECT_TRUE(prognoz.SetFilters(lottery, fields));
  EXPECT_EQ(fields.Chetnie.Text, u" 1 ... 4"_s);
  EXPECT_EQ(fields.Sleepy.Text, u" 0 1"_s);  // not ticked: not read
  EXPECT_EQ(fields.SumBalls.Text, u" 72 ... 107 120 ... 124"_s);
  EXPECT_EQ(fields.FirstBall.Text, u" 1 ... 10 /  25 ... 36"_s);
  EXPECT_EQ(fields.HotCold.Text, u"212  122  0XX  "_s);
  EXPECT_EQ(fields.Differences.Text, u"211  121  0XX  "_s);
  EXPECT_EQ(fields.AnyRangeWin[3], u" 2 ... 4"_s);  // "Win" fields are always read
  const THotWarmCold classes = ClassifyHotWarmCold(lottery, lottery.NewTira);
  EXPECT_EQ(prognoz.Filters.Hot, classes.Hot);
  fields.AnyRange[0] = {true, u"1 .. 2000000000"_s};
  EXPECT_FALSE(prognoz.SetFilters(lottery, fields));  // the range had to be cut
}

// Random filter settings: the mask walk on any number of threads gives the rows, the order
// and the counters of the one-by-one walk.
TEST(Prognoz, FastWalkEqualsTheOneByOneWalk) {
  const TLottery lottery = SampleLottery();
  std::mt19937 rng(7);
  int selective = 0;  // rounds where the filters kept some but not all combinations
  auto pick = [&](int from, int to) { return std::uniform_int_distribution<int>(from, to)(rng); };
  for (int round = 0; round < 12; ++round) {
    TPrognozFields fields;
    fields.Chetnie = {pick(0, 1) == 1,
                      QString::number(pick(0, 2)) + u" .. "_s + QString::number(pick(2, 5))};
    fields.Sleepy = {pick(0, 1) == 1, pick(0, 1) ? u" 0"_s : u" 0 1"_s};
    fields.SumBalls = {pick(0, 1) == 1,
                       QString::number(pick(40, 90)) + u" .. "_s + QString::number(pick(80, 140))};
    fields.FirstBall = {pick(0, 1) == 1, pick(0, 1) ? u" 1 .. 10 / 25 .. 36"_s : u" / 30 .. 36"_s};
    fields.HotCold = {pick(0, 1) == 1, pick(0, 1) ? u"212  122  0XX "_s : u"1XX 2"_s};
    fields.Differences = {pick(0, 1) == 1, pick(0, 1) ? u"211  121  0XX"_s : u"X2X 3"_s};
    for (size_t i = 0; i < 10; ++i) {
      const int from = pick(1, 30);
      fields.AnyRange[i] = {
          pick(0, 3) == 0, QString::number(from) + u" .. "_s + QString::number(from + pick(0, 12))};
      fields.AnyRangeWin[i] = QString::number(pick(0, 1)) + u" .. "_s + QString::number(pick(1, 3));
    }
    iArray source = Range(1, 36);
    if (round % 3 == 2) source = {1, 2, 3, 5, 8, 9, 13, 17, 20, 21, 26, 30, 31, 34, 35, 36};
    const TMainPrognoz expected = ForecastOneByOne(lottery, fields, source);
    selective += expected.NumCombFiltered > 0 && expected.NumCombFiltered < expected.NumCombTotal;
    for (int threads : {1, 3}) {
      TPrognozFields copy = fields;
      const TMainPrognoz fast = Forecast(lottery, copy, threads, source);
      EXPECT_EQ(fast.NumCombFiltered, expected.NumCombFiltered) << round;
      EXPECT_EQ(fast.FiltersStatistics, expected.FiltersStatistics) << round;
      EXPECT_EQ(fast.PrognozTable, expected.PrognozTable) << round;
    }
    // The kernel built for processors without a hardware popcount gives the same walk.
    TForecastWalk walk(expected.Filters, source, lottery.BallsInDraw, lottery.MaxBall);
    TCombinationTable rows;
    const TWalkResult portable =
        walk.Run(2, expected.NumCombPrognoz, {}, rows, TWalkKernel::Portable);
    EXPECT_EQ(portable.Filtered, expected.NumCombFiltered) << round;
    EXPECT_EQ(portable.Statistics, expected.FiltersStatistics) << round;
    EXPECT_EQ(rows, expected.PrognozTable) << round;
    // Both kernels count the survivors' matches with a draw (here with a ball outside the
    // source and one listed twice) as comparing every stored row would.
    const iArray draw = {2, 7, 7, 19, 33, 40};
    std::vector<int64_t> matches(6, 0);
    for (int64_t r = 0; r < expected.PrognozTable.RowCount(); ++r)
      ++matches[static_cast<size_t>(
          CountCommon(expected.PrognozTable.RowArray(r), {2, 7, 19, 33, 40}))];
    for (const TWalkKernel kernel : {TWalkKernel::Portable, TWalkKernel::Fastest}) {
      TForecastWalk counting(expected.Filters, source, lottery.BallsInDraw, lottery.MaxBall);
      counting.CountMatches(draw);
      TCombinationTable none;
      const TWalkResult counted = counting.Run(2, 0, {}, none, kernel);
      EXPECT_EQ(counted.Matches, matches) << round;
      EXPECT_EQ(counted.Statistics, expected.FiltersStatistics) << round;  // nothing else moves
      EXPECT_EQ(none.RowCount(), 0);
    }
  }
  EXPECT_GE(selective, 6);
}

// Lotteries of every shape: one ball (no prefix), more than 64 source balls (several mask
// words), more balls per draw than the mask walk packs (walked one by one).
TEST(Prognoz, EveryLotteryShapeCountsEveryCombination) {
  struct TShape {
    int Balls, MaxBall;
    int64_t Total;
  };
  for (const TShape shape : {TShape{1, 10, 10}, TShape{2, 90, 4005}, TShape{3, 130, 357760},
                             TShape{22, 24, 276}, TShape{35, 37, 666}}) {
    const TLottery lottery = RandomLottery(shape.Balls, shape.MaxBall, 300, 11);
    TPrognozFields fields;
    fields.Chetnie = {true,
                      QString::number(shape.Balls / 3) + u" .. "_s + QString::number(shape.Balls)};
    fields.SumBalls = {true, QString::number(shape.Balls * shape.MaxBall / 3) + u" .. 100000"_s};
    fields.HotCold = {true, u"XXX"_s};
    fields.AnyRange[2] = {true, u"1 .. 9"_s};
    fields.AnyRangeWin[2] =
        u" 0 .. "_s + QString::number(std::min(9, shape.Balls) - 1);  // not all of 1 .. 9
    const TMainPrognoz expected = ForecastOneByOne(lottery, fields);
    ASSERT_EQ(expected.NumCombTotal, shape.Total) << shape.Balls;
    const TFilterCount& first = expected.FiltersStatistics[1];
    EXPECT_EQ(first.Accepted + first.Denied, shape.Total) << shape.Balls;
    EXPECT_GT(expected.NumCombFiltered, 0) << shape.Balls;
    EXPECT_LT(expected.NumCombFiltered, shape.Total) << shape.Balls;
    for (int threads : {1, 2}) {
      TPrognozFields copy = fields;
      const TMainPrognoz fast = Forecast(lottery, copy, threads);
      EXPECT_EQ(fast.NumCombFiltered, expected.NumCombFiltered) << shape.Balls;
      EXPECT_EQ(fast.FiltersStatistics, expected.FiltersStatistics) << shape.Balls;
      EXPECT_EQ(fast.PrognozTable, expected.PrognozTable) << shape.Balls;
    }
  }
}

TEST(Prognoz, CancelStopsTheWalk) {
  const TLottery lottery = SampleLottery();
  TPrognozFields fields;
  TMainPrognoz prognoz;
  prognoz.CombiSize = 5;
  prognoz.SourceRange = Range(1, 36);
  prognoz.NextTira = lottery.NewTira;
  prognoz.SetFilters(lottery, fields);
  prognoz.Progress = [](int64_t, int64_t) { return false; };
  EXPECT_FALSE(prognoz.Walk(nullptr));
  EXPECT_LT(prognoz.NumCombFiltered, 376992);
}

}  // namespace
