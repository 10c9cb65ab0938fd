// The random pool with its bonus: 9,999 ranges of 25 balls in 5 of 36 (53,130 five-ball
// parts each, counted); the bonus of one range counted, against walking its 53,130 parts.
// Past matches of 1,000,000 candidate rows against 30 draws, listed, against counting alone.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "BenchLotteries.h"
#include "analyses/EvenSleepy.h"
#include "forecast/PastMatches.h"
#include "tools/BonusTable.h"
#include "tools/Pool.h"

using namespace Qt::StringLiterals;

namespace {

const TLottery& Sample() {
  static const TLottery lottery = LoadExample(u"5x36 sample.txt"_s);
  return lottery;
}

TPoolParams BigPool() {
  TPoolParams params;
  params.NextTira = Sample().NewTira;
  params.RangeSize = 25;
  params.PoolSize = 9999;
  params.Seed = 1;
  return params;
}

void BM_PoolReport(benchmark::State& state) {
  for (auto _ : state) {
    TReportPane pane;
    GenerateRandomPool(Sample(), BigPool(), pane);
    benchmark::DoNotOptimize(pane.LineCount());
  }
}
BENCHMARK(BM_PoolReport)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The bonus of one 25-ball range, counted.
void BM_RangeBonus(benchmark::State& state) {
  TBonusTable table;
  table.Next = Sample().NewTira;
  table.Refresh(Sample());
  iArray range;
  for (int b = 1; b <= 25; ++b) range.push_back(b * 7 % 36 + 1);
  for (auto _ : state) benchmark::DoNotOptimize(table.Bonus(range));
}
BENCHMARK(BM_RangeBonus)->Unit(benchmark::kMicrosecond);

// The same bonus by walking every five-ball part (the baseline).
void BM_RangeBonusWalked(benchmark::State& state) {
  TBonusTable table;
  table.Next = Sample().NewTira;
  table.Refresh(Sample());
  iArray range;
  for (int b = 1; b <= 25; ++b) range.push_back(b * 7 % 36 + 1);
  std::sort(range.begin(), range.end());
  auto at = [](const iArray& row, int n) {
    return 1 + static_cast<size_t>(n) < row.size() ? row[1 + static_cast<size_t>(n)] : 0;
  };
  for (auto _ : state) {
    int64_t bonus = 0;
    std::array<int32_t, 5> part{};
    for (int a = 0; a < 25; ++a)
      for (int b = a + 1; b < 25; ++b)
        for (int c = b + 1; c < 25; ++c)
          for (int d = c + 1; d < 25; ++d)
            for (int e = d + 1; e < 25; ++e) {
              part = {range[a], range[b], range[c], range[d], range[e]};
              bonus +=
                  at(table.Even, EvenCount(part)) + at(table.Consecutive, SleepyCount(part, 36));
            }
    benchmark::DoNotOptimize(bonus);
  }
}
BENCHMARK(BM_RangeBonusWalked)->Unit(benchmark::kMicrosecond);

const TLottery& Lotto() {
  static const TLottery lottery = LoadExample(u"6x49 canada lotto.txt"_s);
  return lottery;
}

std::shared_ptr<TPastMatchesTables> MillionRows() {
  static const std::shared_ptr<TPastMatchesTables> tables = [] {
    auto made = std::make_shared<TPastMatchesTables>();
    const TLottery random = RandomLottery(6, 49, 1'000'000, 5);
    for (const iArray& row : random.Tirazhi)
      made->SourceTable.emplace_back(row.begin() + 1, row.end());
    return made;
  }();
  return tables;
}

void BM_PastMatches(benchmark::State& state) {
  TPastMatchesParams params;
  params.NextTira = Lotto().NewTira;
  params.Window = 30;
  params.Filter = state.range(0) != 0;
  params.FilterText = u"10 .. 30 / 0 .. 15"_s;
  params.Tables = MillionRows();
  for (auto _ : state) {
    TReportPane pane;
    ShowPastMatches(Lotto(), params, pane);
    benchmark::DoNotOptimize(pane.LineCount());
  }
}
BENCHMARK(BM_PastMatches)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// The match counts alone (the baseline of the listing).
void BM_PastMatchesCounts(benchmark::State& state) {
  const TRecentDraws recent(Lotto(), Lotto().NewTira, 30);
  for (auto _ : state) {
    int64_t sum = 0;
    for (const iArray& row : MillionRows()->SourceTable) sum += recent.MatchCounts(row, 6)[1];
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_PastMatchesCounts)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace
