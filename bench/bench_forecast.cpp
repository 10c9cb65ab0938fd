// The combination walk of a forecast against the bare walk of the same space.
//   BM_BareWalk: counts every combination one by one (no filter), the baseline.
//   BM_ForecastWalk: all 16 filters active with realistic settings, passing rows stored.
//   BM_WalkSkeleton: the filtered walk with every filter off (each allows every ball) and
//   nothing stored: what the walk costs when no filter stops it early.
#include <benchmark/benchmark.h>

#include "BenchLotteries.h"
#include "core/Lottery.h"
#include "core/SilentHost.h"
#include "forecast/ForecastWalk.h"
#include "forecast/Prognoz.h"

namespace {

using namespace Qt::StringLiterals;

void BM_BareWalk(benchmark::State& state) {
  const int k = static_cast<int>(state.range(0));
  const int threads = static_cast<int>(state.range(1));
  int64_t count = 0;
  for (auto _ : state) benchmark::DoNotOptimize(count = CountCombinationsBare(49, k, threads));
  state.counters["combinations"] = static_cast<double>(count);
  state.counters["ns_per_combination"] =
      benchmark::Counter(static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

void BM_ForecastWalk(benchmark::State& state) {
  const int k = static_cast<int>(state.range(0));
  const TLottery lottery =
      LoadExample(k == 7 ? u"7x49 canada lotto max.txt"_s : u"6x49 canada lotto.txt"_s);
  TMainPrognoz prognoz;
  for (auto _ : state) {
    TPrognozFields fields = RealisticFields(k);
    prognoz.Clear();
    prognoz.CombiSize = k;
    for (int b = 1; b <= 49; ++b) prognoz.SourceRange.push_back(b);
    prognoz.NextTira = lottery.NewTira;
    prognoz.Threads = static_cast<int>(state.range(1));
    prognoz.SetFilters(lottery, fields);
    prognoz.ReCalculate(nullptr);
  }
  state.counters["passed"] = static_cast<double>(prognoz.NumCombFiltered);
  for (int f : {1, 2, 3, 4, 5, 6, 10})
    state.counters["denied" + std::to_string(f)] =
        static_cast<double>(prognoz.FiltersStatistics[static_cast<size_t>(f)].Denied);
  state.counters["ns_per_combination"] = benchmark::Counter(
      static_cast<double>(prognoz.NumCombTotal),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Every combination of 7 of 49 passes: the table keeps the first 16,000,000 rows.
void BM_ForecastStoreCap(benchmark::State& state) {
  TMainPrognoz prognoz;
  const TLottery lottery = LoadExample(u"7x49 canada lotto max.txt"_s);
  for (auto _ : state) {
    TPrognozFields fields;
    prognoz.Clear();
    prognoz.CombiSize = 7;
    for (int b = 1; b <= 49; ++b) prognoz.SourceRange.push_back(b);
    prognoz.NextTira = lottery.NewTira;
    prognoz.Threads = 2;
    prognoz.SetFilters(lottery, fields);
    prognoz.ReCalculate(nullptr);
  }
  state.counters["passed"] = static_cast<double>(prognoz.NumCombFiltered);
  state.counters["stored"] = static_cast<double>(prognoz.PrognozTable.RowCount());
  state.counters["table_MB"] = static_cast<double>(prognoz.PrognozTable.MemoryBytes()) / 1e6;
}

// The mask walk with no filter and nothing stored.
void BM_WalkSkeleton(benchmark::State& state) {
  iArray source;
  for (int b = 1; b <= 49; ++b) source.push_back(b);
  TMainPrognozFilters none;
  int64_t filtered = 0;
  for (auto _ : state) {
    TForecastWalk walk(none, source, static_cast<int>(state.range(0)), 49);
    TCombinationTable table;
    filtered = walk.Run(1, 0, {}, table).Filtered;
  }
  state.counters["combinations"] = static_cast<double>(filtered);
}
BENCHMARK(BM_WalkSkeleton)
    ->Arg(7)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_BareWalk)
    ->ArgsProduct({{6, 7}, {1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ForecastWalk)
    ->ArgsProduct({{6, 7}, {1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ForecastStoreCap)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
