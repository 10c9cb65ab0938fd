// The Hot/Warm/Cold report with the longest history (H = 9999) and every section switched on,
// on the bundled keno history (20 of 80) and on a 10,000-draw 6-of-49 history.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "BenchLotteries.h"
#include "analyses/HotColdReport.h"
#include "core/Lottery.h"
#include "core/SilentHost.h"
#include "stats/HotWarmCold.h"

using namespace Qt::StringLiterals;

namespace {

TLottery KenoLottery() { return LoadExample(u"20x80 hungary keno.txt"_s); }

void RunReport(benchmark::State& state, const TLottery& lottery) {
  if (lottery.Tirazhi.empty()) {
    state.SkipWithError("no draws");
    return;
  }
  THotWarmColdParams params;
  params.NextTira = lottery.NewTira;
  params.History = 9999;
  params.Okno = HotWindow(lottery.BallsInDraw, lottery.MaxBall);
  params.Markov = true;
  params.WinCode = true;
  params.FrequencyTable = true;
  params.Sort = true;
  for (auto _ : state) {
    TReportPane pane;
    ShowHotWarmColdReport(lottery, params, pane);
    benchmark::DoNotOptimize(pane.LineCount());
  }
}

void BM_HotColdReportKeno(benchmark::State& state) {
  static const TLottery lottery = KenoLottery();
  RunReport(state, lottery);
}
BENCHMARK(BM_HotColdReportKeno)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_HotColdReport649(benchmark::State& state) {
  static const TLottery lottery = Random649Lottery(10'000);
  RunReport(state, lottery);
}
BENCHMARK(BM_HotColdReport649)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
