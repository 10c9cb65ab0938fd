// The backtest of the last 100 draws with every filter ticked, against the baseline of 100
// single forecast walks of the same settings (each set up for its draw) on the same threads.
#include <benchmark/benchmark.h>

#include "BenchLotteries.h"
#include "forecast/Backtest.h"

using namespace Qt::StringLiterals;

namespace {

const TLottery& Lotto(int k) {
  static const TLottery six = LoadExample(u"6x49 canada lotto.txt"_s);
  static const TLottery seven = LoadExample(u"7x49 canada lotto max.txt"_s);
  return k == 7 ? seven : six;
}

void BM_Backtest(benchmark::State& state) {
  const int k = static_cast<int>(state.range(0));
  TBacktestParams params;
  params.Fields = RealisticFields(k);
  params.Threads = 2;
  int64_t survivors = 0;
  for (auto _ : state) {
    TBacktest backtest(Lotto(k), params);
    backtest.Run();
    survivors = static_cast<int64_t>(backtest.Result().Summary.MeanSurvivors);
  }
  state.counters["mean_survivors"] = static_cast<double>(survivors);
}
BENCHMARK(BM_Backtest)
    ->Arg(6)
    ->Arg(7)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3);

void BM_BacktestBaseline(benchmark::State& state) {
  const int k = static_cast<int>(state.range(0));
  const TLottery& lottery = Lotto(k);
  const auto [from, to] = BacktestRange(lottery, {});
  for (auto _ : state)
    for (int draw = from; draw <= to; ++draw) {
      TMainPrognoz prognoz;
      TPrognozFields fields = RealisticFields(k);
      prognoz.NextTira = draw;
      prognoz.CombiSize = k;
      prognoz.SourceRange = AvailableBalls(QString(), 49, nullptr);
      prognoz.Threads = 2;
      prognoz.SetFilters(lottery, fields);
      prognoz.Walk(nullptr);
      benchmark::DoNotOptimize(prognoz.NumCombFiltered);
    }
}
BENCHMARK(BM_BacktestBaseline)
    ->Arg(6)
    ->Arg(7)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3);

}  // namespace
